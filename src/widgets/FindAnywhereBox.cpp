// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/FindAnywhereBox.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QScopedValueRollback>
#include <QVBoxLayout>

#include <algorithm>

namespace qv {
namespace {

constexpr int Margin = 4;  // from the window's edges
constexpr int Inner = 3;   // inside the frame
constexpr const char* Placeholder = "A unit, or a conversion such as 5 kn to km/h";
constexpr const char* FieldHint = "Finds units in every category, or converts a line such as "
                                  "\"5 kn to km/h\". Up, Down: pick a line; Enter: go there; Esc: close";

bool Contains(const QWidget* outer, const QWidget* w)
{
    for (; w; w = w->parentWidget())
        if (w == outer) return true;
    return false;
}

}  // namespace

FindAnywhereBox::FindAnywhereBox(QWidget* window, int top) : QFrame(window), top_(top)
{
    setObjectName(QStringLiteral("FindAnywhere"));
    setAccessibleName(QStringLiteral("Find Anywhere"));
    setFrameShape(QFrame::StyledPanel);
    setFrameShadow(QFrame::Raised);
    setAutoFillBackground(true);

    edit_ = new QLineEdit(this);
    edit_->setObjectName(QStringLiteral("FindAnywhereEdit"));
    edit_->setAccessibleName(QStringLiteral("Find Anywhere"));
    edit_->setPlaceholderText(QLatin1String(Placeholder));
    edit_->setToolTip(QLatin1String(FieldHint));
    edit_->installEventFilter(this);

    list_ = new QListWidget(this);
    list_->setObjectName(QStringLiteral("FindAnywhereList"));
    list_->setAccessibleName(QStringLiteral("Units found"));
    // The keys stay in the field; a click picks a line, a double-click goes.
    list_->setFocusPolicy(Qt::NoFocus);
    list_->setUniformItemSizes(true);
    list_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(Inner, Inner, Inner, Inner);
    column->setSpacing(Inner);
    column->addWidget(edit_);
    column->addWidget(list_);

    connect(edit_, &QLineEdit::textEdited, this, [this] { Q_EMIT edited(); });
    connect(list_, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) { Choose(list_->row(item)); });
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) { FocusMoved(now); });
    window->installEventFilter(this);
    hide();
}

QString FindAnywhereBox::Text() const
{
    return edit_->text();
}

void FindAnywhereBox::Open()
{
    if (!isVisible()) {
        QWidget* focus = QApplication::focusWidget();
        returnFocus_ = focus && focus->window() == window() && !Contains(this, focus) ? focus : nullptr;
        show();
        raise();
        Place();
    }
    edit_->setFocus(Qt::ShortcutFocusReason);
    edit_->selectAll();
}

void FindAnywhereBox::Close()
{
    if (!isVisible()) return;
    QScopedValueRollback<bool> closing(closing_, true);
    hide();
    if (returnFocus_ && returnFocus_->isVisible()) returnFocus_->setFocus(Qt::OtherFocusReason);
}

void FindAnywhereBox::SetLines(const QList<Line>& lines, bool pickFirst)
{
    list_->clear();
    int current = -1;
    for (const Line& line : lines) {
        auto* item = new QListWidgetItem(line.Text, list_);
        item->setToolTip(line.Hint.isEmpty() ? line.Text : line.Hint);
        item->setFlags(line.Choosable ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::ItemIsEnabled);
        if (line.Strong) {
            QFont bold = list_->font();
            bold.setBold(true);
            item->setFont(bold);
        }
        if (current < 0 && line.Choosable) current = list_->count() - 1;
    }
    if (current >= 0 && pickFirst) list_->setCurrentRow(current);
    Place();
}

void FindAnywhereBox::Place()
{
    QWidget* w = parentWidget();
    const int rows = std::min(list_->count(), VisibleLines);
    list_->setVisible(rows > 0);
    const int rowHeight = list_->count() > 0 ? std::max(list_->sizeHintForRow(0), 1) : 0;
    const int listHeight = rows > 0 ? rows * rowHeight + 2 * list_->frameWidth() : 0;
    const int height = edit_->sizeHint().height() + 2 * Inner + 2 * frameWidth() + (rows > 0 ? Inner + listHeight : 0);
    list_->setFixedHeight(std::max(listHeight, 0));
    setGeometry(Margin, top_, std::max(w->width() - 2 * Margin, 1), std::min(height, std::max(w->height() - top_, 1)));
}

void FindAnywhereBox::Step(int by)
{
    const int count = list_->count();
    int row = list_->currentRow();
    int best = row;
    for (int step = 0, at = row; step < std::abs(by);) {
        at += by > 0 ? 1 : -1;
        if (at < 0 || at >= count) break;
        if (list_->item(at)->flags() & Qt::ItemIsSelectable) {
            best = at;
            ++step;
        }
    }
    if (best >= 0 && best != row) list_->setCurrentRow(best);
}

void FindAnywhereBox::Choose(int row)
{
    if (row < 0 || row >= list_->count() || !(list_->item(row)->flags() & Qt::ItemIsSelectable)) return;
    Q_EMIT chosen(row);
}

void FindAnywhereBox::FocusMoved(QWidget* now)
{
    // A click elsewhere in the window closes the box; the focus stays there.
    if (closing_ || !isVisible() || !now || Contains(this, now) || now->window() != window()) return;
    returnFocus_ = nullptr;
    Close();
}

bool FindAnywhereBox::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == parentWidget() && event->type() == QEvent::Resize && isVisible()) Place();
    if (watched != edit_ || event->type() != QEvent::KeyPress) return QFrame::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->modifiers() & ~Qt::KeypadModifier) return QFrame::eventFilter(watched, event);
    switch (key->key()) {
    case Qt::Key_Up: Step(-1); return true;
    case Qt::Key_Down: Step(1); return true;
    case Qt::Key_PageUp: Step(-VisibleLines); return true;
    case Qt::Key_PageDown: Step(VisibleLines); return true;
    case Qt::Key_Return:
    case Qt::Key_Enter: Choose(list_->currentRow()); return true;
    case Qt::Key_Escape: Close(); return true;
    default: return QFrame::eventFilter(watched, event);
    }
}

}  // namespace qv
