#pragma once

// Where the user sees of which day the exchange rates are: the hint of the
// Currency entry in the category list, and the status line's hint while
// Currency is shown. The date comes from the rates file's header.

#include <QString>

#include <string>

class QLabel;
class QListWidget;

namespace qv {

// "Exchange rates of December 7, 2026 (Currency.txt)"; empty when the rates
// file of `programDir` states no date. The file is read again only when its
// time or size has changed.
QString CurrencyRatesHint(const std::string& programDir);

// Gives every "Currency" entry of `categories` the hint, and `status` the
// hint when `currentCategory` is Currency (no hint otherwise).
void ShowRatesHints(const std::string& programDir, QListWidget* categories, QLabel* status,
                    const std::string& currentCategory);

}  // namespace qv
