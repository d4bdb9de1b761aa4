// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Where the user sees of which day the exchange rates are: the hint of the
// Currency entry in the category list and of the status line, the status
// line's note on the rate of the entry and highlighted currencies, and a
// mark on the rows of the unit list whose rate is old. Every day and source
// comes from the rates file (its rows' marks, else its header); a unit
// whose factor is no longer its row's rate is told to be installed again.

#include <QString>

#include <cstdint>
#include <string>
#include <vector>

class QLabel;
class QListWidget;
class QTableWidget;

namespace qv {

class TCategory;

// "Exchange rates of December 7, 2026 (Currency.txt)", with how many are
// old; "Install Currency again to use the rates of December 7, 2026
// (Currency.txt)" when `currency` (the package's Currency category, or
// null) converts with other rates than the file's. Empty when the rates
// file of `programDir` states no date. The file is read again only when its
// time or size has changed.
QString CurrencyRatesHint(const std::string& programDir, const TCategory* currency = nullptr);

// Gives every "Currency" entry of `categories` the hint, and `status` the
// hint when `currentCategory` is Currency (no hint otherwise).
void ShowRatesHints(const std::string& programDir, QListWidget* categories, QLabel* status,
                    const std::string& currentCategory);

// What the status line says of the entry and highlighted units of `c` when
// they are currencies of the rates file: "rate of 27 Nov 2026, ECB",
// "install Currency again to use the rates of 7 Dec 2026", or for two
// different ones each with its symbol. Empty for other units and
// categories.
QString CurrencyStatusNote(const std::string& programDir, const TCategory& c);

// Shows `note` in the status line's rates panel, which is hidden when there
// is none.
void ShowRateNote(QLabel* panel, const QString& note);

// Marks the rows of `grid` (row i shows unit units[i] of `c`) whose rate
// is older than 30 days (on today's date), or is not the file's: a clock
// before the unit, and the day on hover.
void MarkOldRates(const std::string& programDir, const TCategory& c, QTableWidget* grid,
                  const std::vector<std::int32_t>& units);

}  // namespace qv
