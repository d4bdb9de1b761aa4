// SPDX-License-Identifier: GPL-3.0-or-later
#include "DialogTestSupport.h"

#include "dialogs/About.h"

#include <QDesktopServices>
#include <QImage>
#include <QRegularExpression>
#include <QUrl>

namespace qv::test {
namespace {

// Takes the place of the browser: records the addresses handed to the shell.
class UrlRecorder : public QObject {
    Q_OBJECT
public:
    UrlRecorder() { QDesktopServices::setUrlHandler(QStringLiteral("https"), this, "open"); }
    ~UrlRecorder() override { QDesktopServices::unsetUrlHandler(QStringLiteral("https")); }

    QList<QUrl> opened;

public Q_SLOTS:
    void open(const QUrl& url) { opened << url; }
};

TEST(AboutTest, ShowsTheBoldNameBesideTheLogoDrawnAtItsSizeAndStaysOnTop)
{
    TfrmAbout about;
    auto* name = Control<QLabel>(&about, "Label1");
    EXPECT_EQ(name->text(), QStringLiteral("Quantova"));
    EXPECT_TRUE(name->font().bold());
    EXPECT_EQ(name->font().pixelSize(), 23);

    auto* image = Control<QLabel>(&about, "Image1");
    EXPECT_LE(image->x() + image->width(), name->x());
    EXPECT_EQ(image->alignment(), Qt::AlignCenter);
    EXPECT_EQ(image->pixmap().deviceIndependentSize(), QSizeF(74, 76));
    // The picture was drawn: its middle is not transparent.
    const QImage pixels = image->pixmap().toImage();
    EXPECT_GT(qAlpha(pixels.pixel(pixels.width() / 2, pixels.height() / 2)), 0);

    // The version sits under the name, clear of the link below.
    auto* version = Control<QLabel>(&about, "lblVersion");
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^Version \\d+\\.\\d+\\.\\d+$")).match(version->text()).hasMatch())
        << version->text().toStdString();
    EXPECT_EQ(version->x(), name->x());
    EXPECT_GE(version->y(), name->y() + name->height());
    EXPECT_LT(version->y() + version->height(), Control<QLabel>(&about, "txtWebLink")->y());
    EXPECT_LE(version->fontMetrics().horizontalAdvance(version->text()), version->width());

    EXPECT_TRUE(about.windowFlags() & Qt::WindowStaysOnTopHint);
}

// The link shows the address in the link style and hands it to the shell
// when followed with the keyboard (after Tab from OK) or clicked; the box
// stays open until OK.
TEST(AboutTest, LinkOpensTheHomePageAndOkCloses)
{
    const QUrl homePage(QStringLiteral("https://en.wikipedia.org/wiki/Conversion_of_units"));
    UrlRecorder browser;
    TfrmAbout about;
    const int result = Exec(about, [&](QWidget* dialog) {
        auto* link = Control<QLabel>(dialog, "txtWebLink");
        EXPECT_TRUE(link->text().contains(QStringLiteral(">%1</a>").arg(homePage.toString())));
        EXPECT_EQ(link->accessibleName(), homePage.toString());
        EXPECT_EQ(link->font().pixelSize(), 13);

        ASSERT_TRUE(QTest::qWaitForWindowActive(dialog));
        auto* ok = Control<QPushButton>(dialog, "Button1");
        EXPECT_EQ(dialog->focusWidget(), ok);
        QTest::keyClick(ok, Qt::Key_Tab);
        EXPECT_EQ(dialog->focusWidget(), link);
        QTest::keyClick(link, Qt::Key_Return);
        QTest::mouseClick(link, Qt::LeftButton, {}, QPoint(20, link->height() / 2));
        EXPECT_EQ(browser.opened, (QList<QUrl>{homePage, homePage}));
        EXPECT_TRUE(dialog->isVisible());
        ok->click();
    });
    EXPECT_EQ(result, QDialog::Accepted);
}

// One line beside OK names the folder of the packages, the home folder
// written "~"; a path too long for the line is shortened in the middle and
// given whole in the tooltip.
TEST(AboutTest, NamesTheFolderOfThePackages)
{
    const std::string oldDir = ProgramDir;
    const QByteArray oldHome = qgetenv("HOME");
    qputenv("HOME", "/home/a");
    struct Case {
        const char* dir;
        const char* shown;
    };
    const Case cases[] = {
        {"/home/a/.local/share/Quantova/", "Packages in ~/.local/share/Quantova/"},
        {"/home/ab/q/", "Packages in /home/ab/q/"},
        {"/opt/q/", "Packages in /opt/q/"},
    };
    TfrmAbout about;
    auto* line = Control<QLabel>(&about, "lblDataFolder");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.dir);
        ProgramDir = c.dir;
        about.show();
        EXPECT_EQ(line->text(), QString::fromUtf8(c.shown));
        EXPECT_EQ(line->toolTip(), QString::fromUtf8(c.shown));
        about.hide();
    }
    ProgramDir = "/srv/" + std::string(200, 'x') + "/Quantova/";
    about.show();
    EXPECT_TRUE(line->text().startsWith(QStringLiteral("Packages in /srv/")));
    EXPECT_TRUE(line->text().endsWith(QStringLiteral("/Quantova/")));
    EXPECT_LE(line->fontMetrics().horizontalAdvance(line->text()), line->width());
    EXPECT_TRUE(line->toolTip().endsWith(QStringLiteral("xx/Quantova/")));
    about.hide();

    ProgramDir = oldDir;
    qputenv("HOME", oldHome);
}

}  // namespace
}  // namespace qv::test

#include "AboutTest.moc"
