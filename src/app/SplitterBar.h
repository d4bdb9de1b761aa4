#pragma once

#include <QWidget>

#include <functional>

namespace qv {

// A vertical bar that resizes the control on its left when dragged with the
// mouse. `onMoved` runs when the drag ends, with the control's new width.
class SplitterBar : public QWidget {
    Q_OBJECT
public:
    explicit SplitterBar(QWidget* resized, QWidget* parent = nullptr);

    void SetOnMoved(std::function<void()> onMoved) { onMoved_ = std::move(onMoved); }

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QWidget* resized_;
    std::function<void()> onMoved_;
    int pressX_ = 0;
    int startWidth_ = 0;
    bool dragging_ = false;
};

}  // namespace qv
