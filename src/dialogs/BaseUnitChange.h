#pragma once

// The Select Default Unit dialog: after the default unit of the category at
// TargetCategoryIndex was deleted while other units remain, the user picks
// the new default, and every factor is rebased on it. Choosing is the only
// way out: there is no Cancel, and Esc or closing the window does nothing.

#include <QDialog>

class QLabel;
class QListWidget;
class QPushButton;
class QShowEvent;

namespace qv {

// Created once and shown with exec(); TargetCategoryIndex is set by the
// caller before each showing. Every unit is offered, hidden ones too, with
// the first one chosen.
class TfrmNewBaseUnit : public QDialog {
    Q_OBJECT
public:
    explicit TfrmNewBaseUnit(QWidget* parent = nullptr);

    // Does nothing: the dialog ends only with a choice.
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FormShow();
    void KeepOneSelected();
    void Button1Click();

    QListWidget* UnitList;
    QLabel* Label1;
    QPushButton* Button1;
};

}  // namespace qv
