// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/InstallCat.h"

#include "builtin/BuildCats.h"
#include "builtin/Installer.h"
#include "catalogue/Packages.h"
#include "dialogs/DialogParts.h"
#include "ui/Ansi.h"
#include "ui/ErrorDisplay.h"
#include "ui/Keys.h"

#include <QAction>
#include <QFocusEvent>
#include <QFontInfo>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSplitter>

#include <string>
#include <utility>
#include <vector>

namespace qv {
namespace {

constexpr int ClientWidth = 244;
constexpr int ClientHeight = 265;
constexpr int MinPaneWidth = 35;
// The two messages, one above the other between the move buttons and OK.
constexpr QRect Message1Area(10, 149, 224, 41);
constexpr QRect Message2Area(10, 190, 224, 41);
constexpr int SmallestMessagePixels = 8;

// A category name in a list. The left list keeps itself sorted the way a
// person expects, without regard to letter case (Qt's own item order is
// case-sensitive).
class TCategoryNameItem : public QListWidgetItem {
public:
    explicit TCategoryNameItem(std::string name) : QListWidgetItem(ToQ(name), nullptr, UserType), name_(std::move(name))
    {
    }

    const std::string& Name() const { return name_; }

    bool operator<(const QListWidgetItem& other) const override { return LessIgnoringCase(text(), other.text()); }

    static std::string NameOf(const QListWidgetItem& item)
    {
        if (item.type() == UserType) return static_cast<const TCategoryNameItem&>(item).Name();
        return FromQ(item.text());
    }

private:
    std::string name_;
};

QListWidget* MakeList(const char* name, const char* accessibleName, bool sorted, QWidget* parent)
{
    auto* list = new QListWidget(parent);
    list->setObjectName(QString::fromLatin1(name));
    list->setAccessibleName(ToQ(accessibleName));
    list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    list->setSortingEnabled(sorted);
    list->setMinimumWidth(MinPaneWidth);
    list->setContextMenuPolicy(Qt::NoContextMenu);
    // Long names are read by widening the list with the splitter.
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    return list;
}

QLabel* MakeMessage(const char* name, QWidget* parent)
{
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

}  // namespace

TfrmInstallCat::TfrmInstallCat(QWidget* parent) : TFixedDialog(parent)
{
    setObjectName(QStringLiteral("frmInstallCat"));
    setWindowTitle(ToQ(installtext::Title));

    PackageCaption = new QLineEdit(this);
    PackageCaption->setObjectName(QStringLiteral("PackageCaption"));
    PackageCaption->setAccessibleName(QStringLiteral("Package caption"));
    PackageCaption->setGeometry(0, 0, ClientWidth, 21);

    Splitter = new QSplitter(Qt::Horizontal, this);
    Splitter->setObjectName(QStringLiteral("Splitter"));
    Splitter->setHandleWidth(4);
    Splitter->setChildrenCollapsible(false);
    CatList = MakeList("CatList", "Categories to choose from", true, Splitter);
    PickedCats = MakeList("PickedCats", "Categories to install", false, Splitter);
    Splitter->addWidget(CatList);
    Splitter->addWidget(PickedCats);
    Splitter->setGeometry(0, 21, ClientWidth, 102);
    Splitter->setSizes({120, ClientWidth - 120 - Splitter->handleWidth()});

    btnAdd = MakeButton(this, "btnAdd", "ADD ->", {23, 124, 75, 16});
    btnDel = MakeButton(this, "btnDel", "<- DELETE", {146, 124, 75, 16});
    // The move buttons take no focus, so that it stays in the list whose
    // names the keyboard moves.
    for (QPushButton* b : {btnAdd, btnDel}) {
        b->setFocusPolicy(Qt::NoFocus);
        b->setAutoDefault(false);
        b->setEnabled(false);
    }

    Label1 = MakeMessage("Label1", this);
    Label2 = MakeMessage("Label2", this);
    Label1->setGeometry(Message1Area);
    Label2->setGeometry(Message2Area);
    FitMessages();

    Button1 = MakeButton(this, "Button1", "OK", {40, 240, 75, 25});
    Button1->setDefault(true);
    Button1->setEnabled(false);
    Button2 = MakeButton(this, "Button2", "Cancel", {129, 240, 75, 25});

    setTabOrder(PackageCaption, CatList);
    setTabOrder(CatList, PickedCats);
    setTabOrder(PickedCats, Button1);
    setTabOrder(Button1, Button2);

    // Key tables of the lists: actions that are never shown as a menu and
    // act while their list has the focus.
    auto addKey = [this](QListWidget* list, const char* name, const char* text, QKeySequence key, auto handler) {
        auto* action = new QAction(ToQ(text), list);
        action->setObjectName(QString::fromLatin1(name));
        action->setShortcut(key);
        action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        list->addAction(action);
        connect(action, &QAction::triggered, this, [this, handler] { RunGuarded(this, handler); });
    };
    addKey(CatList, "SelectAll1", "Select All", QKeySequence(Qt::CTRL | Qt::Key_A), [this] { CatList->selectAll(); });
    addKey(PickedCats, "DelSelectAll", "Select All", QKeySequence(Qt::CTRL | Qt::Key_A),
           [this] { PickedCats->selectAll(); });
    addKey(PickedCats, "Delete1", "Delete", QKeySequence(Qt::Key_Delete),
           [this] { MoveSelected(PickedCats, CatList); });

    connect(btnAdd, &QPushButton::clicked, this,
            [this] { RunGuarded(this, [this] { MoveSelected(CatList, PickedCats); }); });
    connect(btnDel, &QPushButton::clicked, this,
            [this] { RunGuarded(this, [this] { MoveSelected(PickedCats, CatList); }); });
    connect(CatList, &QListWidget::itemDoubleClicked, this,
            [this] { RunGuarded(this, [this] { MoveSelected(CatList, PickedCats); }); });
    connect(PickedCats, &QListWidget::itemDoubleClicked, this,
            [this] { RunGuarded(this, [this] { MoveSelected(PickedCats, CatList); }); });
    connect(PackageCaption, &QLineEdit::textChanged, this, [this] { RunGuarded(this, [this] { UpdateButtons(); }); });
    connect(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });
    connect(Button2, &QPushButton::clicked, this, [this] { reject(); });

    CatList->installEventFilter(this);
    PickedCats->installEventFilter(this);
    PackageCaption->installEventFilter(this);

    SetFixedFrame(ClientWidth, ClientHeight);
}

bool TfrmInstallCat::CanCancel() const
{
    return Button2->isEnabled();
}

bool TfrmInstallCat::eventFilter(QObject* watched, QEvent* event)
{
    bool handled = false;
    RunGuarded(this, [&] {
        if (event->type() == QEvent::KeyPress && IsEnter(static_cast<QKeyEvent*>(event))) {
            // Enter in a list always moves that list's selected names, also
            // while OK is enabled; Enter anywhere else presses OK.
            if (watched == CatList) {
                MoveSelected(CatList, PickedCats);
                handled = true;
            } else if (watched == PickedCats) {
                MoveSelected(PickedCats, CatList);
                handled = true;
            }
        } else if (event->type() == QEvent::FocusOut && watched == PackageCaption) {
            // Leaving the field for another control of the dialog; switching
            // windows or opening the field's menu is not leaving it.
            const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
            if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) PackageCaptionExit();
        }
    });
    return handled || QDialog::eventFilter(watched, event);
}

void TfrmInstallCat::FormShow()
{
    CatList->setFocus(Qt::OtherFocusReason);

    const char* message1 = installtext::Reinstall1;
    const char* message2 = installtext::Reinstall2;
    switch (CurrentInstallSituation()) {
    case InstallSituation::NoPackage:
        PackageCaption->setReadOnly(false);
        PackageCaption->setText(ToQ(installtext::ProposedCaption));
        message1 = installtext::NoPackage1;
        message2 = installtext::NoPackage2;
        Button2->setEnabled(false);
        break;
    case InstallSituation::EmptyPackage:
        PackageCaption->setReadOnly(true);
        PackageCaption->setText(ToQ(Catalogue.Caption));
        message1 = installtext::EmptyPackage1;
        message2 = installtext::EmptyPackage2;
        Button2->setEnabled(false);
        break;
    case InstallSituation::Reinstall:
        PackageCaption->setReadOnly(false);
        PackageCaption->setText(ToQ(Catalogue.Caption));
        Button2->setEnabled(true);
        break;
    }
    Label1->setText(ToQ(message1));
    Label2->setText(ToQ(message2));

    CatList->clear();
    for (std::string& name : ListBuiltInCategories()) CatList->addItem(new TCategoryNameItem(std::move(name)));
    PickedCats->clear();
    if (CatList->count() > 0) CatList->setCurrentRow(0, QItemSelectionModel::NoUpdate);
    CatList->scrollToTop();
    UpdateButtons();
}

// One font for the messages of every situation: the dialog's, made smaller
// under a large desktop font until the longest message fits its label.
void TfrmInstallCat::FitMessages()
{
    const char* messages[] = {installtext::NoPackage1,    installtext::NoPackage2, installtext::EmptyPackage1,
                              installtext::EmptyPackage2, installtext::Reinstall1, installtext::Reinstall2};
    const auto fits = [&messages](const QFont& font) {
        for (const char* message : messages) {
            const QRect needed = QFontMetrics(font).boundingRect(QRect(0, 0, Message1Area.width(), 0x7FFF),
                                                                 Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
                                                                 ToQ(message));
            if (needed.height() > Message1Area.height()) return false;
        }
        return true;
    };
    QFont font = this->font();
    for (int pixels = QFontInfo(font).pixelSize(); pixels > SmallestMessagePixels && !fits(font); --pixels)
        font.setPixelSize(pixels - 1);
    Label1->setFont(font);
    Label2->setFont(font);
}

// Moves the selected names to the end of the other list (into their
// alphabetical place when that is the left list), in their order.
void TfrmInstallCat::MoveSelected(QListWidget* from, QListWidget* to)
{
    for (int i = 0; i < from->count();) {
        if (from->item(i)->isSelected())
            to->addItem(from->takeItem(i));
        else
            ++i;
    }
    UpdateButtons();
}

void TfrmInstallCat::UpdateButtons()
{
    btnAdd->setEnabled(CatList->count() > 0);
    btnDel->setEnabled(PickedCats->count() > 0);
    Button1->setEnabled(InstallAllowed(static_cast<std::size_t>(PickedCats->count()), FromQ(PackageCaption->text())));
}

// A caption typed for a new package must not be taken by another package.
void TfrmInstallCat::PackageCaptionExit()
{
    const QString unique = ToQ(EnsureUniqueCaption(FromQ(PackageCaption->text())));
    if (unique != PackageCaption->text()) PackageCaption->setText(unique);
}

void TfrmInstallCat::Button1Click()
{
    RunGuarded(this, [this] {
        // Enter in the caption field presses OK without leaving the field.
        PackageCaptionExit();
        std::vector<std::string> chosen;
        for (int i = 0; i < PickedCats->count(); ++i) chosen.push_back(TCategoryNameItem::NameOf(*PickedCats->item(i)));
        ApplyInstall(FromQ(PackageCaption->text()), chosen);
        accept();
    });
}

}  // namespace qv
