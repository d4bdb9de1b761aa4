// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

class QToolButton;

namespace qv {

// Two small arrow buttons, one above the other, that step a number field.
// Kept because Qt has no stand-alone arrows: QSpinBox brings its own edit
// field, and the precision field is an entry field that takes expressions.
// `stepped(+1)` or `stepped(-1)` is emitted for each click (repeating while
// held down).
class UpDownArrows : public QWidget {
    Q_OBJECT
public:
    explicit UpDownArrows(QWidget* parent = nullptr);

    void SetRange(int min, int max);
    int Min() const { return min_; }
    int Max() const { return max_; }
    int Position() const { return position_; }
    void SetPosition(int position);

Q_SIGNALS:
    void stepped(int step);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QToolButton* up_;
    QToolButton* down_;
    int min_ = 0;
    int max_ = 100;
    int position_ = 0;
};

}  // namespace qv
