// SPDX-License-Identifier: GPL-3.0-or-later
// The tool bar glyphs, the program icon and the About box logo that the GUI
// library carries as ":/icons/<name>.svg".

#include <QDir>
#include <QFile>
#include <QIcon>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

namespace {

// Every name the program asks for, in name order.
const QStringList IconNames =
    QStringLiteral("about add-category add-unit calculator default-unit definitions delete-category "
                   "delete-unit hide-unit install logo number-format print quantova show-hidden-units update-rates")
        .split(QLatin1Char(' '));

// Qt's renderer skips filters, masks, clip paths and style sheets without a
// word, and text depends on the fonts at hand; the icons keep to shapes,
// groups and gradients, so that what is drawn is what was designed.
const QStringList DrawnElements =
    QStringLiteral("svg title desc defs linearGradient radialGradient stop g path rect circle ellipse line "
                   "polyline polygon")
        .split(QLatin1Char(' '));

// Messages the SVG renderer logs while a file loads and draws: it reports
// what it cannot resolve (a reference to nothing, a file it cannot open) and
// then draws without it.
QStringList SvgMessages;

void CollectSvgMessages(QtMsgType, const QMessageLogContext& context, const QString& text)
{
    if (context.category != nullptr && QByteArray(context.category).startsWith("qt.svg")) SvgMessages.append(text);
}

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
        for (int x = 0; x < size; ++x) drawn += qAlpha(image.pixel(x, y)) != 0;
    return drawn;
}

TEST(IconsTest, ResourceHoldsExactlyTheIconsTheProgramUses)
{
    QStringList expected;
    for (const QString& name : IconNames) expected << name + QStringLiteral(".svg");
    EXPECT_EQ(QDir(QStringLiteral(":/icons")).entryList(QDir::Files, QDir::Name).join(QLatin1Char(' ')),
              expected.join(QLatin1Char(' ')));
}

// Each icon parses, uses only elements the renderer draws, draws without
// complaint at its size, and reaches the tool bar through QIcon.
TEST(IconsTest, EveryIconDrawsAsDesignedAtItsSize)
{
    for (const QString& name : IconNames) {
        SCOPED_TRACE(name.toStdString());
        const QString path = QStringLiteral(":/icons/%1.svg").arg(name);

        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        QXmlStreamReader xml(&file);
        while (!xml.atEnd()) {
            if (xml.readNext() == QXmlStreamReader::StartElement) {
                const QString element = xml.name().toString();
                EXPECT_TRUE(DrawnElements.contains(element)) << element.toStdString();
            }
        }
        EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();

        SvgMessages.clear();
        const QtMessageHandler previous = qInstallMessageHandler(CollectSvgMessages);
        QSvgRenderer renderer(path);
        const int drawn = renderer.isValid() ? DrawnPixels(renderer, 16) : 0;
        qInstallMessageHandler(previous);
        EXPECT_TRUE(renderer.isValid());
        EXPECT_TRUE(SvgMessages.isEmpty()) << SvgMessages.join(QLatin1Char('\n')).toStdString();
        // A glyph covers a good part of its 16 x 16 cell; a file that parses
        // but draws next to nothing has lost its shapes.
        EXPECT_GE(drawn, 16 * 16 / 4);

        // The logo has the size of its box in the About box; the program icon
        // is square and tool bar glyphs are drawn on the 16 x 16 pixel grid,
        // and both fill a 16 x 16 cell through QIcon.
        const QRectF box = renderer.viewBoxF();
        const QPixmap pixmap = QIcon(path).pixmap(QSize(16, 16));
        if (name == QStringLiteral("logo")) {
            EXPECT_EQ(box, QRectF(0, 0, 74, 76));
            EXPECT_EQ(renderer.defaultSize(), QSize(74, 76));
            EXPECT_FALSE(pixmap.isNull());
            continue;
        }
        EXPECT_EQ(pixmap.size(), QSize(16, 16));
        if (name == QStringLiteral("quantova")) {
            EXPECT_EQ(box.width(), box.height());
        } else {
            EXPECT_EQ(box, QRectF(0, 0, 16, 16));
        }
    }
}

}  // namespace
