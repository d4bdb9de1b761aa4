// SPDX-License-Identifier: GPL-3.0-or-later
// The main window: its parts joined, its creation and its window events.
#include "app/MainWindow.h"

#include "app/FindAnywhere.h"
#include "app/Settings.h"
#include "dialogs/InstallCat.h"
#include "dialogs/UpdateRates.h"
#include "ui/Placement.h"

#include <QAction>
#include <QFile>
#include <QLabel>
#include <QMessageBox>
#include <QShowEvent>
#include <QSplitter>
#include <QTimer>

namespace qv {

// Owned by the window, the installer opens above it, also while the window
// stays on top; it keeps its place.
void TFrmMain::AdoptInstaller()
{
    const QPoint place = installer_->pos();
    installer_->setParent(this, installer_->windowFlags());
    installer_->move(place);
}

// Building the installer costs a tenth of the start-up (its messages are
// fitted to their labels), so a start with a package leaves it for later.
TfrmInstallCat* TFrmMain::Installer()
{
    if (!installer_) {
        installer_ = new TfrmInstallCat;
        AdoptInstaller();
    }
    return installer_;
}

TFrmMain::TFrmMain(TfrmInstallCat* installer, QWidget* parent)
    : QWidget(parent),
      installer_(installer),
      actions_(new TMainActions(CommandTable(), this)),
      controls_(this, *actions_),
      view_(new TConversionView(controls_, this)),
      ratesDialog_(new TFrmUpdateRates(this)),
      findAnywhere_(new TFindAnywhere(controls_, *view_, this))
{
    setObjectName(QStringLiteral("FrmMain"));
    if (installer_) AdoptInstaller();
    actions_->AttachKeyTables(controls_);
    ConnectCommands();
    connect(view_, &TConversionView::changed, this, [this] { UpdateActions(); });
    connect(controls_.Splitter1, &QSplitter::splitterMoved, this, [this] {
        controls_.SplitterMoved();
        Splitter1Moved();
    });

    // FormCreate
    resize(604, 275);
    setMinimumSize(TMainControls::MinClientWidth, TMainControls::MinClientHeight);
    CentreOnScreen(this);
    view_->SetPrecision(6);
    SetCalculatorPath(ReadCalculatorPath());
    setWindowTitle(QString::fromLatin1(ProgramTitle));
    Splitter1Moved();
}

TFrmMain::~TFrmMain() = default;

void TFrmMain::ConnectCommands()
{
    for (const auto& [row, action] : actions_->Commands())
        connect(action, &QAction::triggered, this,
                [this, handler = row->Handler] { Guarded([this, handler] { (this->*handler)(); }); });
}

void TFrmMain::UpdateActions()
{
    TCommandState state;
    state.Current = view_->CurrentCategory();
    state.SelectedUnit = view_->SelectedUnitIndex();
    state.CategoryCount = Catalogue.CategoryCount();
    state.Scientific = view_->UseScientific();
    state.DefinitionsShown = view_->ShowDefinitions();
    state.OnTop = windowFlags().testFlag(Qt::WindowStaysOnTopHint);
    actions_->Update(state);
}

void TFrmMain::Splitter1Moved()
{
    controls_.Layout(width(), height());
}

void TFrmMain::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    Splitter1Moved();
}

void TFrmMain::SetCalculatorPath(const QString& path)
{
    calculatorPath_ = path;
    controls_.ShowCalculatorButton(!calculatorPath_.isEmpty());
}

void TFrmMain::ReportSkippedPackages(const std::vector<SkippedPackage>& skipped)
{
    if (skipped.empty()) return;
    QString text = QStringLiteral("These package files could not be read. They were left as they are:\n");
    for (const SkippedPackage& s : skipped) {
        text += QStringLiteral("\n") + QFile::decodeName(QByteArray::fromStdString(s.FileName)) + QStringLiteral(": ") +
                (s.Error ? ExceptionText(s.Error) : ErrorDisplayText(s.Message));
    }
    // Once the window is on the screen, so that the user sees what it is about.
    QTimer::singleShot(0, this, [this, text] {
        QMessageBox box(QMessageBox::Warning, QString::fromLatin1(ProgramTitle), text, QMessageBox::Ok, this);
        box.setObjectName(QStringLiteral("SkippedPackages"));
        box.exec();
    });
}

void TFrmMain::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (!event->spontaneous()) Guarded([this] { RefreshView(); });
}

}  // namespace qv
