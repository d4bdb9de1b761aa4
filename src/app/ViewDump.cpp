// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ViewDump.h"

#include "app/MainWindow.h"

#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QTableWidget>
#include <QTextStream>

namespace qv {
namespace {

void WriteViewDump(const QWidget& window, const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text)) return;
    const auto text = [&window](const char* name) {
        const QWidget* w = window.findChild<QWidget*>(QLatin1String(name));
        if (const auto* label = qobject_cast<const QLabel*>(w)) return label->text();
        if (const auto* edit = qobject_cast<const QLineEdit*>(w)) return edit->text();
        if (const auto* combo = qobject_cast<const QComboBox*>(w)) return combo->currentText();
        return QString();
    };
    QTextStream out(&file);
    out << "status0\t" << text("StatusPanel0") << "\nstatus1\t" << text("StatusPanel1") << "\nvalue\t"
        << text("EntryValue") << "\nunit\t" << text("EntryUnit") << '\n';
    const auto* grid = window.findChild<QTableWidget*>(QStringLiteral("Grid2"));
    for (int row = 0; grid && row < grid->rowCount(); ++row) {
        const QTableWidgetItem* label = grid->item(row, 0);
        const QTableWidgetItem* value = grid->item(row, 1);
        out << "row\t" << (label ? label->text() : QString()) << '\t' << (value ? value->text() : QString()) << '\n';
    }
}

}  // namespace

void InstallViewDumpFromEnvironment(TFrmMain& window)
{
#ifndef QUANTOVA_TEST_HOOKS
    // A shipped program never lets its environment make it write files.
    (void)window;
    return;
#endif
    const QString path = qEnvironmentVariable("QUANTOVA_VIEW_DUMP");
    if (path.isEmpty()) return;
    QObject::connect(&window.View(), &TConversionView::changed, &window,
                     [&window, path] { WriteViewDump(window, path); });
}

}  // namespace qv
