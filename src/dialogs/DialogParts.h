// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Building blocks of the fixed-size dialogs: controls at fixed positions,
// the text of a unit in the lists, and labels whose text is made to fit.

#include <QRect>
#include <QString>

#include <string>

class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

namespace qv {

struct TUnit;

// The common button size of the dialogs.
inline constexpr int ButtonWidth = 75;
inline constexpr int ButtonHeight = 25;
inline constexpr int EditHeight = 22;

// A plain-text label: model strings may hold "<" or "&", which must show as
// they are.
QLabel* MakeLabel(QWidget* parent, const char* name, const QRect& geometry, Qt::Alignment alignment,
                  bool wordWrap = false);
QLineEdit* MakeLineEdit(QWidget* parent, const char* name, const char* accessibleName, const QRect& geometry);
QPushButton* MakeButton(QWidget* parent, const char* name, const char* text, const QRect& geometry);

// The dialogs keep the sizes the program has always had, so their text is
// held at 12 pixels at most; a smaller desktop font is kept.
void LimitDialogFont(QWidget* dialog);

// Sets a message (Windows-1252, "\r" as line break) and, when it does not fit
// the label's rectangle in the dialog's font, makes the label's font smaller
// until it does.
void SetFittedText(QLabel* label, const std::string& message);

// How a unit is listed: "ft (feet)".
std::string UnitListText(const TUnit& unit);

}  // namespace qv
