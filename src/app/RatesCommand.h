// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The "Update Rates" command of the main window, apart from its button and
// keys: the dialog that fetches the rates, then what the user is told.

class QWidget;

namespace qv {

class TFrmUpdateRates;

namespace msg {
inline constexpr const char* ReinstallCurrencyQuestion =
    "Install the Currency category again, so that it converts with the new rates?";
inline constexpr const char* ReinstallCurrencyCustomUnits =
    "Its custom units will be lost, and its deleted and hidden units will come back.";
inline constexpr const char* NewRatesFileUnreadable =
    "The Currency category was left as it is: the new rates file cannot be read: %1";
}  // namespace msg

// Runs the dialog; on success says of which day the rates are and how many
// currencies changed, and, when the package holds Currency and the update
// says the new file can be installed, offers to install it again from it (through the installer, so its rules
// hold). Errors are raised for the general error display. Returns true when
// Currency was installed again: it is then the last category.
bool UpdateRatesCommand(QWidget* parent, TFrmUpdateRates& dialog);

}  // namespace qv
