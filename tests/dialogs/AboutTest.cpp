#include "DialogTestSupport.h"

#include "dialogs/About.h"
#include "support/ModalScript.h"

#include <QDesktopServices>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QTest>
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

const QUrl HomePage(QStringLiteral("https://en.wikipedia.org/wiki/Conversion_of_units"));

class AboutTest : public DialogTest {
protected:
    TfrmAbout about;
};

TEST_F(AboutTest, ShowsTheNameAndTheLogoAtItsSize)
{
    auto* name = Control<QLabel>(&about, "Label1");
    EXPECT_EQ(about.windowTitle(), QStringLiteral("About Quantova"));
    EXPECT_EQ(name->text(), QStringLiteral("Quantova"));
    EXPECT_TRUE(name->font().bold());
    EXPECT_EQ(name->font().pixelSize(), 23);

    auto* image = Control<QLabel>(&about, "Image1");
    EXPECT_EQ(image->size(), QSize(90, 76));
    EXPECT_LE(image->x() + image->width(), name->x());
    const QPixmap logo = image->pixmap();
    EXPECT_EQ(logo.deviceIndependentSize(), QSizeF(74, 76));
    EXPECT_EQ(image->alignment(), Qt::AlignCenter);
    // The picture was drawn: its middle is not transparent.
    const QImage pixels = logo.toImage();
    EXPECT_GT(qAlpha(pixels.pixel(pixels.width() / 2, pixels.height() / 2)), 0);

    EXPECT_TRUE(about.windowFlags() & Qt::WindowStaysOnTopHint);
}

// The link shows the address, in the link style, and hands it to the shell
// when clicked or followed with the keyboard; the box stays open.
TEST_F(AboutTest, LinkOpensTheHomePageAndOkCloses)
{
    UrlRecorder browser;
    ModalScript script;
    script.then([&browser](QWidget* dialog) {
        auto* link = Control<QLabel>(dialog, "txtWebLink");
        EXPECT_EQ(link->text(), HomePage.toString());
        EXPECT_EQ(link->font().pixelSize(), 13);
        EXPECT_TRUE(link->font().underline());
        EXPECT_EQ(link->foregroundRole(), QPalette::Link);
        EXPECT_EQ(link->cursor().shape(), Qt::PointingHandCursor);
        EXPECT_TRUE(link->focusPolicy() & Qt::TabFocus);

        ASSERT_TRUE(QTest::qWaitForWindowActive(dialog));
        auto* ok = Control<QPushButton>(dialog, "Button1");
        EXPECT_EQ(dialog->focusWidget(), ok);
        QTest::keyClick(ok, Qt::Key_Tab);
        EXPECT_EQ(dialog->focusWidget(), link);
        QTest::keyClick(link, Qt::Key_Return);
        EXPECT_EQ(browser.opened, QList<QUrl>{HomePage});
        EXPECT_TRUE(dialog->isVisible());

        QTest::mouseClick(link, Qt::LeftButton, {}, QPoint(20, link->height() / 2));
        EXPECT_EQ(browser.opened, (QList<QUrl>{HomePage, HomePage}));
        EXPECT_TRUE(dialog->isVisible());

        EXPECT_TRUE(ok->isDefault());
        ok->click();
    });

    EXPECT_EQ(ExecWithWatchdog(about), QDialog::Accepted);
    EXPECT_TRUE(script.done());
}

}  // namespace
}  // namespace qv::test

#include "AboutTest.moc"
