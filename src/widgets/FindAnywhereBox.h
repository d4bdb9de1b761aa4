// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The Find Anywhere box: a text field with a list of lines below it, shown
// over the top of a window's controls while open. The box only shows lines
// and reports what the user does; its owner fills the list and decides what
// a chosen line means. Up and Down move in the list from the field, Enter or
// a double-click chooses a line, Esc closes; the focus goes back where it
// was when the box opened.

#include <QFrame>
#include <QPointer>
#include <QStringList>

class QLineEdit;
class QListWidget;

namespace qv {

class FindAnywhereBox : public QFrame {
    Q_OBJECT
public:
    // Rows of the list seen at once.
    static constexpr int VisibleLines = 10;

    // Lies over `window`, below its top `top` pixels (the tool bar).
    FindAnywhereBox(QWidget* window, int top);

    QString Text() const;
    QLineEdit* Edit() const { return edit_; }
    QListWidget* List() const { return list_; }

    // Shows the box with the focus in its field and the text selected.
    void Open();
    // Hides the box and gives the focus back to where it was.
    void Close();

    struct Line {
        QString Text;
        QString Hint;           // the line's tool tip
        bool Choosable = true;  // a line that only tells something is not
        bool Strong = false;    // shown in bold: the answer to the line typed
    };
    // Replaces the lines. The first choosable one becomes current, or, when
    // the user must pick (`pickFirst` false), none until Down is pressed.
    void SetLines(const QList<Line>& lines, bool pickFirst = true);

Q_SIGNALS:
    void edited();
    // Enter or a double-click on a choosable line.
    void chosen(int row);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Place();
    void Step(int by);
    void Choose(int row);
    void FocusMoved(QWidget* now);

    int top_;
    QLineEdit* edit_;
    QListWidget* list_;
    QPointer<QWidget> returnFocus_;
    bool closing_ = false;
};

}  // namespace qv
