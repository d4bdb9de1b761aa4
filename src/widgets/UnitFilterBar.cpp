// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/UnitFilterBar.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QToolButton>

namespace qv {

namespace {
constexpr const char* NoMatchHint = "No unit matches.";
}

UnitFilterBar::UnitFilterBar(QWidget* parent) : QFrame(parent)
{
    setObjectName(QStringLiteral("FilterBar"));
    setFrameShape(QFrame::NoFrame);

    auto* label = new QLabel(QStringLiteral("Find a unit:"), this);
    edit_ = new QLineEdit(this);
    edit_->setObjectName(QStringLiteral("FilterEdit"));
    edit_->setPlaceholderText(QStringLiteral("part of a symbol or definition"));
    edit_->setToolTip(QStringLiteral("Shows only the units whose symbol or definition holds this text. "
                                     "Down: into the list; Enter: select the first unit; Esc: close"));
    edit_->setAccessibleName(QStringLiteral("Find a unit"));
    edit_->installEventFilter(this);
    label->setBuddy(edit_);

    hint_ = new QLabel(this);
    hint_->setObjectName(QStringLiteral("FilterHint"));

    close_ = new QToolButton(this);
    close_->setObjectName(QStringLiteral("FilterClose"));
    close_->setText(QStringLiteral("\u00D7"));
    close_->setAutoRaise(true);
    close_->setFocusPolicy(Qt::NoFocus);
    close_->setToolTip(QStringLiteral("Close the search (Esc)"));
    close_->setAccessibleName(QStringLiteral("Close the search"));

    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(2, 1, 0, 1);
    row->setSpacing(4);
    row->addWidget(label);
    row->addWidget(edit_, 1);
    row->addWidget(hint_);
    row->addWidget(close_);

    connect(edit_, &QLineEdit::textEdited, this, [this] { Q_EMIT edited(); });
    connect(close_, &QToolButton::clicked, this, [this] { Q_EMIT closeRequested(); });
    hide();
}

QString UnitFilterBar::Text() const
{
    return edit_->text();
}

void UnitFilterBar::Clear()
{
    const QSignalBlocker block(edit_);
    edit_->clear();
    hint_->clear();
}

void UnitFilterBar::Open()
{
    show();
    edit_->setFocus(Qt::ShortcutFocusReason);
    edit_->selectAll();
}

void UnitFilterBar::ShowNoMatch(bool noMatch)
{
    hint_->setText(noMatch ? QLatin1String(NoMatchHint) : QString());
}

bool UnitFilterBar::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == edit_ && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->modifiers() & ~Qt::KeypadModifier) return QFrame::eventFilter(watched, event);
        switch (key->key()) {
        case Qt::Key_Down: Q_EMIT downPressed(); return true;
        case Qt::Key_Return:
        case Qt::Key_Enter: Q_EMIT enterPressed(); return true;
        case Qt::Key_Escape: Q_EMIT closeRequested(); return true;
        default: break;
        }
    }
    return QFrame::eventFilter(watched, event);
}

}  // namespace qv
