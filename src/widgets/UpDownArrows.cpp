// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/UpDownArrows.h"

#include <QToolButton>

namespace qv {

UpDownArrows::UpDownArrows(QWidget* parent) : QWidget(parent), up_(new QToolButton(this)), down_(new QToolButton(this))
{
    for (QToolButton* b : {up_, down_}) {
        b->setFocusPolicy(Qt::NoFocus);
        b->setAutoRepeat(true);
        b->setAutoRaise(false);
        b->setIconSize(QSize(7, 7));
    }
    up_->setArrowType(Qt::UpArrow);
    down_->setArrowType(Qt::DownArrow);
    up_->setObjectName(QStringLiteral("Up"));
    down_->setObjectName(QStringLiteral("Down"));
    up_->setAccessibleName(QStringLiteral("Increase"));
    down_->setAccessibleName(QStringLiteral("Decrease"));
    connect(up_, &QToolButton::clicked, this, [this] { Q_EMIT stepped(+1); });
    connect(down_, &QToolButton::clicked, this, [this] { Q_EMIT stepped(-1); });
}

void UpDownArrows::SetRange(int min, int max)
{
    min_ = min;
    max_ = std::max(min, max);
    SetPosition(position_);
}

void UpDownArrows::SetPosition(int position)
{
    position_ = std::clamp(position, min_, max_);
}

void UpDownArrows::resizeEvent(QResizeEvent*)
{
    const int half = height() / 2;
    up_->setGeometry(0, 0, width(), half);
    down_->setGeometry(0, half, width(), height() - half);
}

}  // namespace qv
