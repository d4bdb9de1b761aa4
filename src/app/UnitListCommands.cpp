// Finding a unit by typing part of its symbol or definition, and taking the
// list of units elsewhere: copied as a table, or saved as a CSV file.
#include "app/MainWindow.h"

#include "app/Ansi.h"
#include "app/UnitFilterBar.h"
#include "catalogue/Packages.h"
#include "expr/NumberText.h"

#include <QAction>
#include <QClipboard>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QMimeData>
#include <QStandardPaths>
#include <QTableWidget>

namespace qv {
namespace {

// What the filter text belongs to: another package or category drops it.
std::string FilterOwner(std::int32_t categoryIndex)
{
    if (categoryIndex < 0) return {};
    return Catalogue.Caption + '\n' + std::to_string(categoryIndex) + '\n' + Catalogue.CategoryAt(categoryIndex).Name;
}

// A file name proposed for a category's table: the characters that no file
// system takes become "_".
QString TableFileName(const std::string& categoryName)
{
    QString name = ToQ(categoryName);
    for (QChar& ch : name)
        if (ch < QLatin1Char(' ') || QStringLiteral("\\/:*?\"<>|").contains(ch)) ch = QLatin1Char('_');
    return (name.trimmed().isEmpty() ? QStringLiteral("Units") : name) + QStringLiteral(".csv");
}

}  // namespace

void TFrmMain::CreateUnitListCommands()
{
    auto hint = [](QAction* action, const char* text) {
        action->setToolTip(QLatin1String(text));
        action->setStatusTip(QLatin1String(text));
    };
    hint(AddKey(Grid2, "FindUnit1", "Find Unit", QKeySequence(Qt::Key_Slash), &TFrmMain::FindUnitClick),
         "Show only the units whose symbol or definition holds a text (/)");
    hint(AddKey(Grid2, "CopyTable1", "Copy Table", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C),
                &TFrmMain::CopyTableClick),
         "Copy the listed units with their values as a table (Ctrl+Shift+C)");
    hint(AddKey(FilterBar->Edit(), "CopyTable2", "Copy Table", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C),
                &TFrmMain::CopyTableClick),
         "Copy the listed units with their values as a table (Ctrl+Shift+C)");

    // Ctrl+F and Ctrl+S act wherever the focus is in the window. Save Table
    // is also listed with the unit list's keys; being one action, its key is
    // still bound once.
    QAction* find = AddKey(this, "FindUnit", "Find Unit", QKeySequence(Qt::CTRL | Qt::Key_F), &TFrmMain::FindUnitClick);
    find->setShortcutContext(Qt::WindowShortcut);
    hint(find, "Show only the units whose symbol or definition holds a text (Ctrl+F)");
    QAction* save = AddKey(this, "SaveTable", "Save Table...", QKeySequence(Qt::CTRL | Qt::Key_S),
                           &TFrmMain::SaveTableClick);
    save->setShortcutContext(Qt::WindowShortcut);
    hint(save, "Save the listed units with their values as a CSV file (Ctrl+S)");
    Grid2->addAction(save);

    connect(FilterBar, &UnitFilterBar::edited, this, [this] { FilterEdited(); });
    connect(FilterBar, &UnitFilterBar::downPressed, this, [this] { FilterDown(); });
    connect(FilterBar, &UnitFilterBar::enterPressed, this, [this] { FilterEnter(); });
    connect(FilterBar, &UnitFilterBar::closeRequested, this, [this] { CloseFilter(); });
}

std::optional<UnitFilter> TFrmMain::CurrentFilter()
{
    const QString text = FilterBar->Text();
    if (text.isEmpty()) return UnitFilter();
    if (filterFor_ != FilterOwner(CurrentCategoryIndex())) {
        FilterBar->Clear();
        return UnitFilter();
    }
    const std::string bytes = FromQ(text);
    // A character that no unit text can hold matches nothing.
    if (ToQ(bytes) != text) return std::nullopt;
    return UnitFilter(bytes);
}

void TFrmMain::FindUnitClick()
{
    Guarded([this] {
        if (CurrentCategoryIndex() < 0) return;
        const bool wasOpen = FilterBar->isVisibleTo(this);
        FilterBar->Open();
        if (!wasOpen) {
            Splitter1Moved();
            if (Grid2->currentItem()) Grid2->scrollToItem(Grid2->currentItem());
        }
    });
}

void TFrmMain::FilterEdited()
{
    Guarded([this] {
        filterFor_ = FilterOwner(CurrentCategoryIndex());
        RefreshView();
        if (Grid2->currentItem()) Grid2->scrollToItem(Grid2->currentItem());
    });
}

void TFrmMain::FilterDown()
{
    if (Grid2->rowCount() == 0) return;
    if (Grid2->currentRow() < 0) Grid2->setCurrentCell(0, 0);
    Grid2->setFocus(Qt::OtherFocusReason);
}

void TFrmMain::FilterEnter()
{
    Guarded([this] {
        TCategory* c = CurrentCategory();
        if (!c || grid2Units_.empty()) return;
        c->SelectedIndex = grid2Units_.front();
        RefreshView();
        Grid2->scrollToTop();
    });
}

void TFrmMain::CloseFilter()
{
    Guarded([this] {
        FilterBar->Clear();
        FilterBar->hide();
        Splitter1Moved();
        Grid2->setFocus(Qt::OtherFocusReason);
        RefreshView();
        if (Grid2->currentItem()) Grid2->scrollToItem(Grid2->currentItem());
    });
}

std::vector<TableRow> TFrmMain::ListedTableRows() const
{
    std::vector<TableRow> rows;
    const TCategory* c = CurrentCategory();
    if (!c) return rows;
    rows.reserve(grid2Units_.size());
    for (std::int32_t unit : grid2Units_) {
        const TUnit& u = c->UnitAt(unit);
        rows.push_back({u.Symbol, u.Definition, FromQ(grid1Rows_[static_cast<std::size_t>(unit)].second)});
    }
    return rows;
}

void TFrmMain::CopyTableClick()
{
    Guarded([this] {
        const std::vector<TableRow> rows = ListedTableRows();
        if (rows.empty()) return;
        auto* mime = new QMimeData;
        mime->setText(ToQ(TableAsText(rows)));
        // The clipboard carries HTML as UTF-8; some word processors read it
        // in another code page unless told.
        mime->setHtml(QStringLiteral("<meta charset=\"utf-8\">\n") + ToQ(TableAsHtml(rows)));
        QGuiApplication::clipboard()->setMimeData(mime);
    });
}

void TFrmMain::SaveTableClick()
{
    Guarded([this] {
        const TCategory* c = CurrentCategory();
        if (!c || c->UnitCount() == 0) return;
        const TableHeading heading{c->Name, NumberText(c->Value), c->UnitAt(c->EntryIndex).Symbol};
        const std::vector<TableRow> rows = ListedTableRows();

        if (tableFolder_.isEmpty()) tableFolder_ = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        QFileDialog dialog(this, QStringLiteral("Save Table"), tableFolder_,
                           QStringLiteral("CSV files (*.csv);;All files (*)"));
        dialog.setObjectName(QStringLiteral("SaveTableDialog"));
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setDefaultSuffix(QStringLiteral("csv"));
        dialog.selectFile(TableFileName(c->Name));
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
        const QString path = dialog.selectedFiles().constFirst();
        tableFolder_ = QFileInfo(path).absolutePath();
        try {
            SaveTableAsCsv(QFile::encodeName(path).toStdString(), heading, rows);
        } catch (const EFileError& e) {
            // The message holds the path as the file system spells it (UTF-8).
            throw EFileError(FromQ(QString::fromUtf8(e.what())));
        }
    });
}

}  // namespace qv
