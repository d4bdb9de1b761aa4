// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The currency rates file "Currency.txt" in the program's directory: one
// currency a line, "SYMBOL Currency Name Rate", the rate in US dollars per
// unit; lines whose first word is "//" are comments. Quantova writes a file
// of default rates when there is none and reads it whenever the Currency
// category is installed.

#include "catalogue/Category.h"

#include <span>
#include <string>

namespace qv {

class TWordReader;

inline constexpr const char* CurrencyFileName = "Currency.txt";

struct DefaultRate {
    const char* Symbol;
    const char* Name;
    const char* Rate;  // as written in the file
};

// The 167 rows of the default file, in file order (USD among them).
std::span<const DefaultRate> DefaultRates();

// The default file's content: 12 header lines and the rows, each line
// ending in CR LF, every rate's decimal point in column 44.
std::string DefaultCurrencyFileText();

// Writes the default file into `programDir` unless a file of that name is
// there already. Raises EFileError naming the file when it cannot be written.
void WriteCurrencyFile(const std::string& programDir);

// What the import does when the rates file is missing: the window writes the
// default file for the user to edit; a reader that must not change the data
// folder (quantova-cli) takes the default rates in memory instead.
enum class MissingRatesFile { WriteDefault, UseDefaultInMemory };

// Appends the category "Currency" to `catalogue` and fills it from the rates
// file (written first if missing, unless told otherwise): "USD" first, as
// the default unit, then the file's rows in order, skipping its own USD rows.
void ImportCurrencyCategory(TCategories& catalogue, const std::string& programDir,
                            MissingRatesFile missing = MissingRatesFile::WriteDefault);

// What ReadCurrencyRows makes of the default rates file, built straight
// from the default rows, without writing the text and reading it back.
void DefaultCurrencyRows(TCategory& currency);

// The import's second half: adds "USD" to the empty category `currency`,
// then a unit for each row that `reader` holds, and makes USD the default.
// Raises EWordReaderError for a file that ends too early or holds no word,
// and eNameError for a repeated symbol; the units before the fault remain.
void ReadCurrencyRows(TCategory& currency, TWordReader& reader);

}  // namespace qv
