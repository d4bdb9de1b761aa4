// The tool bar glyphs, the program icon and the About box logo that the GUI
// library carries as ":/icons/<name>.svg".

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QIcon>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

namespace {

// Every name the program asks for.
const QStringList& ExpectedIcons()
{
    static const QStringList names = {
        QStringLiteral("about.svg"),
        QStringLiteral("add-category.svg"),
        QStringLiteral("add-unit.svg"),
        QStringLiteral("calculator.svg"),
        QStringLiteral("default-unit.svg"),
        QStringLiteral("definitions.svg"),
        QStringLiteral("delete-category.svg"),
        QStringLiteral("delete-unit.svg"),
        QStringLiteral("hide-unit.svg"),
        QStringLiteral("install.svg"),
        QStringLiteral("logo.svg"),
        QStringLiteral("number-format.svg"),
        QStringLiteral("print.svg"),
        QStringLiteral("quantova.svg"),
        QStringLiteral("show-hidden-units.svg"),
    };
    return names;
}

QString ResourcePath(const QString& name)
{
    return QStringLiteral(":/icons/") + name;
}

// Messages the SVG renderer logs while a file loads and draws: it reports what
// it cannot resolve (a reference to nothing, a file it cannot open) and then
// draws without it.
QStringList& SvgMessages()
{
    static QStringList messages;
    return messages;
}

void CollectSvgMessages(QtMsgType, const QMessageLogContext& context, const QString& text)
{
    if (context.category != nullptr && QByteArray(context.category).startsWith("qt.svg"))
        SvgMessages().append(text);
}

class IconsTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        static int argc = 1;
        static char name[] = "resources_tests";
        static char* argv[] = {name, nullptr};
        if (QGuiApplication::instance() == nullptr) app_ = new QGuiApplication(argc, argv);
    }
    static void TearDownTestSuite()
    {
        delete app_;
        app_ = nullptr;
    }

private:
    static inline QGuiApplication* app_ = nullptr;
};

// Number of pixels with any coverage in the icon drawn at size x size.
int DrawnPixels(QSvgRenderer& renderer, int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    renderer.render(&painter, QRectF(0, 0, size, size));
    painter.end();
    int drawn = 0;
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x)
            if (qAlpha(image.pixel(x, y)) != 0) ++drawn;
    return drawn;
}

TEST_F(IconsTest, ResourceHoldsExactlyTheIconsTheProgramUses)
{
    QStringList found = QDir(QStringLiteral(":/icons")).entryList(QDir::Files, QDir::Name);
    QStringList expected = ExpectedIcons();
    expected.sort();
    EXPECT_EQ(found.join(QLatin1Char(' ')).toStdString(), expected.join(QLatin1Char(' ')).toStdString());
}

TEST_F(IconsTest, EveryIconLoadsAndDrawsWithoutRendererComplaints)
{
    for (const QString& name : ExpectedIcons()) {
        SCOPED_TRACE(name.toStdString());
        SvgMessages().clear();
        QtMessageHandler previous = qInstallMessageHandler(CollectSvgMessages);
        QSvgRenderer renderer(ResourcePath(name));
        const bool valid = renderer.isValid();
        const int drawn = valid ? DrawnPixels(renderer, 16) : 0;
        qInstallMessageHandler(previous);

        EXPECT_TRUE(valid);
        EXPECT_TRUE(SvgMessages().isEmpty()) << SvgMessages().join(QLatin1Char('\n')).toStdString();
        // A glyph covers a good part of its 16 x 16 cell; a file that parses
        // but draws next to nothing has lost its shapes.
        EXPECT_GE(drawn, 16 * 16 / 4);
    }
}

TEST_F(IconsTest, IconsUseOnlyElementsTheRendererDraws)
{
    // Qt's renderer skips filters, masks, clip paths and style sheets without a
    // word, and text depends on the fonts at hand; the icons keep to shapes,
    // groups and gradients, so that what is drawn is what was designed.
    const QStringList allowed = {
        QStringLiteral("svg"),
        QStringLiteral("title"),
        QStringLiteral("desc"),
        QStringLiteral("defs"),
        QStringLiteral("linearGradient"),
        QStringLiteral("radialGradient"),
        QStringLiteral("stop"),
        QStringLiteral("g"),
        QStringLiteral("path"),
        QStringLiteral("rect"),
        QStringLiteral("circle"),
        QStringLiteral("ellipse"),
        QStringLiteral("line"),
        QStringLiteral("polyline"),
        QStringLiteral("polygon"),
    };
    for (const QString& name : ExpectedIcons()) {
        SCOPED_TRACE(name.toStdString());
        QFile file(ResourcePath(name));
        EXPECT_TRUE(file.open(QIODevice::ReadOnly));
        QXmlStreamReader xml(&file);
        while (!xml.atEnd()) {
            if (xml.readNext() == QXmlStreamReader::StartElement) {
                EXPECT_TRUE(allowed.contains(xml.name().toString())) << xml.name().toString().toStdString();
            }
        }
        EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    }
}

TEST_F(IconsTest, GlyphsAreSquareAndTheLogoHasItsBoxSize)
{
    for (const QString& name : ExpectedIcons()) {
        SCOPED_TRACE(name.toStdString());
        QSvgRenderer renderer(ResourcePath(name));
        EXPECT_TRUE(renderer.isValid());
        const QRectF box = renderer.viewBoxF();
        if (name == QStringLiteral("logo.svg")) {
            EXPECT_EQ(box, QRectF(0, 0, 74, 76));
            EXPECT_EQ(renderer.defaultSize(), QSize(74, 76));
        } else if (name == QStringLiteral("quantova.svg")) {
            EXPECT_EQ(box.width(), box.height());
        } else {
            // Tool bar glyphs are drawn on the 16 x 16 pixel grid.
            EXPECT_EQ(box, QRectF(0, 0, 16, 16));
        }
    }
}

TEST_F(IconsTest, IconsGivePixmapsThroughQIcon)
{
    // The tool bar goes through QIcon, which needs Qt's SVG icon support at run time.
    for (const QString& name : ExpectedIcons()) {
        SCOPED_TRACE(name.toStdString());
        const QIcon icon(ResourcePath(name));
        EXPECT_FALSE(icon.isNull());
        const QPixmap pixmap = icon.pixmap(QSize(16, 16));
        EXPECT_FALSE(pixmap.isNull());
        // The logo keeps its 74 x 76 shape; every other icon fills the cell.
        if (name != QStringLiteral("logo.svg")) {
            EXPECT_EQ(pixmap.size(), QSize(16, 16));
        }
    }
}

} // namespace
