// SPDX-License-Identifier: GPL-3.0-or-later
// The floor of start-up time for a Qt Widgets program: a window with a list
// and a table, shown as soon as the application exists.
#include <QApplication>
#include <QHBoxLayout>
#include <QListWidget>
#include <QTableWidget>
#include <QWidget>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Minimal"));
    auto* layout = new QHBoxLayout(&window);
    auto* list = new QListWidget;
    list->addItems({QStringLiteral("Length"), QStringLiteral("Area")});
    auto* table = new QTableWidget(38, 2);
    layout->addWidget(list);
    layout->addWidget(table);
    window.resize(604, 275);
    window.show();
    return QApplication::exec();
}
