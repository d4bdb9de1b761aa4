#include "dialogs/About.h"

#include "app/Ansi.h"
#include "app/ErrorDisplay.h"
#include "app/Placement.h"
#include "catalogue/Packages.h"
#include "dialogs/DialogParts.h"
#include "dialogs/DialogTexts.h"

#include <QDesktopServices>
#include <QDir>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QShowEvent>
#include <QStyle>
#include <QStyleOptionFocusRect>
#include <QSvgRenderer>
#include <QUrl>

#include <functional>
#include <utility>

namespace qv {

namespace {

// A label that acts as a web link: underlined text in the palette's link
// colour with a pointing hand, reached with Tab and followed with a click,
// Enter or Space.
class TLinkLabel : public QLabel {
public:
    TLinkLabel(QWidget* parent, std::function<void()> onClick);

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    std::function<void()> onClick_;
};

TLinkLabel::TLinkLabel(QWidget* parent, std::function<void()> onClick) : QLabel(parent), onClick_(std::move(onClick))
{
    setTextFormat(Qt::PlainText);
    setForegroundRole(QPalette::Link);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::StrongFocus);
    // Room for the focus frame around the text.
    setMargin(2);
}

void TLinkLabel::mouseReleaseEvent(QMouseEvent* event)
{
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        RunGuarded(this, [this] { onClick_(); });
}

// Enter and Space follow the link instead of reaching the default button.
void TLinkLabel::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        if (event->modifiers() & ~Qt::KeypadModifier) break;
        event->accept();
        RunGuarded(this, [this] { onClick_(); });
        return;
    default:
        break;
    }
    QLabel::keyPressEvent(event);
}

void TLinkLabel::paintEvent(QPaintEvent* event)
{
    QLabel::paintEvent(event);
    if (!hasFocus()) return;
    QPainter painter(this);
    QStyleOptionFocusRect frame;
    frame.initFrom(this);
    frame.backgroundColor = palette().color(backgroundRole());
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &frame, &painter, this);
}

constexpr int ClientWidth = 350;
constexpr int ClientHeight = 180;
// The logo is drawn at its own size in the middle of its area.
constexpr QSize LogoSize(74, 76);
constexpr QRect LogoArea(8, 10, 90, 76);
constexpr int NamePixels = 23;
constexpr int LinkPixels = 13;
}  // namespace

TfrmAbout::TfrmAbout(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(ToQ(dialogtext::AboutTitle));
    LimitDialogFont(this);

    Image1 = MakeLabel(this, "Image1", LogoArea, Qt::AlignCenter);
    Image1->setAccessibleName(QStringLiteral("Logo"));
    RenderLogo();

    Label1 = MakeLabel(this, "Label1", {LogoArea.right() + 14, LogoArea.top() + 20, 220, 34},
                       Qt::AlignLeft | Qt::AlignVCenter);
    QFont nameFont = font();
    nameFont.setPixelSize(NamePixels);
    nameFont.setBold(true);
    Label1->setFont(nameFont);
    Label1->setText(ToQ(dialogtext::ProgramName));

    txtWebLink = new TLinkLabel(this, [this] { txtWebLinkClick(); });
    txtWebLink->setObjectName(QStringLiteral("txtWebLink"));
    QFont linkFont = font();
    linkFont.setPixelSize(LinkPixels);
    linkFont.setUnderline(true);
    txtWebLink->setFont(linkFont);
    txtWebLink->setText(ToQ(dialogtext::WebAddress));
    txtWebLink->setAccessibleName(txtWebLink->text());
    txtWebLink->setToolTip(txtWebLink->text());
    // Only the text itself is the link.
    txtWebLink->move(LogoArea.left() + 8, LogoArea.bottom() + 16);
    txtWebLink->resize(txtWebLink->sizeHint());

    Button1 = MakeButton(this, "Button1", dialogtext::Ok,
                         {LogoArea.left() + (LogoArea.width() - ButtonWidth) / 2, ClientHeight - 12 - ButtonHeight,
                          ButtonWidth, ButtonHeight});
    Button1->setDefault(true);
    setTabOrder(Button1, txtWebLink);

    // One line beside OK; a long path is shortened in the middle and shown
    // whole in the tooltip.
    const int folderLeft = LogoArea.right() + 14;
    lblDataFolder = MakeLabel(this, "lblDataFolder",
                              {folderLeft, Button1->y(), ClientWidth - 8 - folderLeft, ButtonHeight},
                              Qt::AlignLeft | Qt::AlignVCenter);
    lblDataFolder->setTextInteractionFlags(Qt::TextSelectableByMouse);

    connect(Button1, &QPushButton::clicked, this, [this] { RunGuarded(this, [this] { accept(); }); });

    MakeFixedDialog(this, ClientWidth, ClientHeight);
    setWindowFlag(Qt::WindowStaysOnTopHint);
    CentreOnScreen(this);
}

void TfrmAbout::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    RunGuarded(this, [this, event] {
        // The screen may have another pixel ratio than at creation.
        if (Image1->pixmap().devicePixelRatio() != devicePixelRatioF()) RenderLogo();
        ShowDataFolder();
        if (!event->spontaneous()) Button1->setFocus(Qt::OtherFocusReason);
    });
}

// The logo is drawn from its vector form at exactly its size, sharp at any
// pixel ratio.
void TfrmAbout::RenderLogo()
{
    const qreal ratio = devicePixelRatioF();
    QPixmap logo(LogoSize * ratio);
    logo.setDevicePixelRatio(ratio);
    logo.fill(Qt::transparent);
    QSvgRenderer renderer(QStringLiteral(":/icons/logo.svg"));
    QPainter painter(&logo);
    renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(LogoSize)));
    painter.end();
    Image1->setPixmap(logo);
}

// Where the packages are: the program's folder for a portable copy, the
// user's data folder for an installed one. The home folder is written "~".
void TfrmAbout::ShowDataFolder()
{
    QString folder = QDir::toNativeSeparators(QString::fromStdString(ProgramDir));
    const QString home = QDir::toNativeSeparators(QDir::homePath());
    if (home.size() > 1 && folder.startsWith(home + QDir::separator()))
        folder = QLatin1Char('~') + folder.mid(home.size());
    const QString line = ToQ(dialogtext::PackagesIn) + folder;
    lblDataFolder->setText(QFontMetrics(lblDataFolder->font()).elidedText(line, Qt::ElideMiddle, lblDataFolder->width()));
    lblDataFolder->setToolTip(line);
    lblDataFolder->setAccessibleName(line);
}

// The browser's own failure is its business: nothing is reported.
void TfrmAbout::txtWebLinkClick()
{
    QDesktopServices::openUrl(QUrl(ToQ(dialogtext::WebAddress)));
}

}  // namespace qv
