// SPDX-License-Identifier: GPL-3.0-or-later
// Taking the list of units elsewhere: Copy Table puts the listed rows on the
// clipboard as text and as HTML; Save Table writes them as a CSV file.
#include "app/MainWindow.h"

#include "catalogue/Packages.h"
#include "catalogue/UnitTable.h"
#include "expr/NumberText.h"
#include "ui/Ansi.h"

#include <QClipboard>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMimeData>
#include <QStandardPaths>

namespace qv {
namespace {

// The file name proposed for a category's table: the characters that no
// file system takes become "_".
QString TableFileName(const std::string& categoryName)
{
    QString name = ToQ(categoryName);
    for (QChar& ch : name)
        if (ch < QLatin1Char(' ') || QStringLiteral("\\/:*?\"<>|").contains(ch)) ch = QLatin1Char('_');
    return (name.trimmed().isEmpty() ? QStringLiteral("Units") : name) + QStringLiteral(".csv");
}

}  // namespace

void TFrmMain::CopyTableClick()
{
    const std::vector<TableRow> rows = view_->ListedRows();
    if (rows.empty()) return;
    auto* mime = new QMimeData;
    mime->setText(ToQ(TableAsText(rows)));
    // The clipboard carries HTML as UTF-8; some word processors read it
    // in another code page unless told.
    mime->setHtml(QStringLiteral("<meta charset=\"utf-8\">\n") + ToQ(TableAsHtml(rows)));
    QGuiApplication::clipboard()->setMimeData(mime);
}

void TFrmMain::SaveTableClick()
{
    const TCategory* c = view_->CurrentCategory();
    if (!c || c->UnitCount() == 0) return;
    const TableHeading heading{c->Name, NumberText(c->Value), c->UnitAt(c->EntryIndex).Symbol};
    const std::vector<TableRow> rows = view_->ListedRows();

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
}

}  // namespace qv
