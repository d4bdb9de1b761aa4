// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/About.h"

#include "ProgramInfo.h"
#include "catalogue/Packages.h"
#include "dialogs/DialogParts.h"
#include "dialogs/DialogTexts.h"
#include "ui/Ansi.h"
#include "ui/ErrorDisplay.h"
#include "ui/Keys.h"

#include <QDesktopServices>
#include <QDir>
#include <QFontMetrics>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QShowEvent>
#include <QSvgRenderer>
#include <QUrl>

namespace qv {

namespace {

constexpr int ClientWidth = 350;
constexpr int ClientHeight = 180;
// The logo is drawn at its own size in the middle of its area.
constexpr QSize LogoSize(74, 76);
constexpr QRect LogoArea(8, 10, 90, 76);
constexpr int NamePixels = 23;
constexpr int LinkPixels = 13;
}  // namespace

TfrmAbout::TfrmAbout(QWidget* parent) : TFixedDialog(parent)
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

    lblVersion = MakeLabel(this, "lblVersion", {Label1->x(), Label1->y() + Label1->height(), Label1->width(), 18},
                           Qt::AlignLeft | Qt::AlignTop);
    lblVersion->setText(ToQ(dialogtext::VersionLabel) + QString::fromLatin1(ProgramVersion));
    lblVersion->setTextInteractionFlags(Qt::TextSelectableByMouse);

    // A link label: underlined in the link colour, reached with Tab and
    // followed with a click or Enter.
    txtWebLink = MakeLabel(this, "txtWebLink", {}, Qt::AlignLeft | Qt::AlignVCenter);
    const QString address = ToQ(dialogtext::WebAddress);
    QFont linkFont = font();
    linkFont.setPixelSize(LinkPixels);
    txtWebLink->setFont(linkFont);
    txtWebLink->setTextFormat(Qt::RichText);
    txtWebLink->setText(QStringLiteral("<a href=\"%1\">%1</a>").arg(address.toHtmlEscaped()));
    txtWebLink->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    txtWebLink->setFocusPolicy(Qt::StrongFocus);
    txtWebLink->setAccessibleName(address);
    txtWebLink->setToolTip(address);
    // Only the text itself is the link.
    txtWebLink->move(LogoArea.left() + 8, LogoArea.bottom() + 16);
    txtWebLink->resize(txtWebLink->sizeHint());
    connect(txtWebLink, &QLabel::linkActivated, this, [this] { RunGuarded(this, [this] { txtWebLinkClick(); }); });
    txtWebLink->installEventFilter(this);

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

    setWindowFlag(Qt::WindowStaysOnTopHint);
    SetFixedFrame(ClientWidth, ClientHeight);
}

void TfrmAbout::showEvent(QShowEvent* event)
{
    TFixedDialog::showEvent(event);
    // The screen may have another pixel ratio than at creation.
    RunGuarded(this, [this] {
        if (Image1->pixmap().devicePixelRatio() != devicePixelRatioF()) RenderLogo();
        ShowDataFolder();
    });
}

// Enter and Space on the focused link follow it instead of reaching the
// default button.
bool TfrmAbout::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == txtWebLink && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (IsEnter(key) || (key->key() == Qt::Key_Space && key->modifiers() == Qt::NoModifier)) {
            RunGuarded(this, [this] { txtWebLinkClick(); });
            return true;
        }
    }
    return TFixedDialog::eventFilter(watched, event);
}

void TfrmAbout::FormShow()
{
    Button1->setFocus(Qt::OtherFocusReason);
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
    lblDataFolder->setText(
        QFontMetrics(lblDataFolder->font()).elidedText(line, Qt::ElideMiddle, lblDataFolder->width()));
    lblDataFolder->setToolTip(line);
    lblDataFolder->setAccessibleName(line);
}

// The browser's own failure is its business: nothing is reported.
void TfrmAbout::txtWebLinkClick()
{
    QDesktopServices::openUrl(QUrl(ToQ(dialogtext::WebAddress)));
}

}  // namespace qv
