#include "app/SplitterBar.h"

#include <QMouseEvent>

namespace qv {

SplitterBar::SplitterBar(QWidget* resized, QWidget* parent) : QWidget(parent), resized_(resized)
{
    setCursor(Qt::SplitHCursor);
    setFocusPolicy(Qt::NoFocus);
}

void SplitterBar::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) return;
    dragging_ = true;
    pressX_ = event->globalPosition().toPoint().x();
    startWidth_ = resized_->width();
}

void SplitterBar::mouseMoveEvent(QMouseEvent* event)
{
    if (!dragging_) return;
    const int width = std::max(0, startWidth_ + event->globalPosition().toPoint().x() - pressX_);
    resized_->resize(width, resized_->height());
    if (onMoved_) onMoved_();
}

void SplitterBar::mouseReleaseEvent(QMouseEvent* event)
{
    if (!dragging_ || event->button() != Qt::LeftButton) return;
    dragging_ = false;
    if (onMoved_) onMoved_();
}

}  // namespace qv
