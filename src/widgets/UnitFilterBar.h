// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The bar above the list of units in which the user types part of a unit's
// symbol or definition to find it. The bar only reports what the user does;
// the main window filters the list and decides what each key means.

#include <QFrame>

class QLabel;
class QLineEdit;
class QToolButton;

namespace qv {

class UnitFilterBar : public QFrame {
    Q_OBJECT
public:
    static constexpr int BarHeight = 25;

    explicit UnitFilterBar(QWidget* parent = nullptr);

    QString Text() const;
    // Empties the field without reporting an edit.
    void Clear();
    // Shows the bar and puts the focus in its field, the text selected.
    void Open();
    // The hint beside the field when no unit matches.
    void ShowNoMatch(bool noMatch);
    QLineEdit* Edit() const { return edit_; }

Q_SIGNALS:
    void edited();
    void downPressed();
    void enterPressed();
    // Esc in the field, or the close button.
    void closeRequested();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLineEdit* edit_;
    QLabel* hint_;
    QToolButton* close_;
};

}  // namespace qv
