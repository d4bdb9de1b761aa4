// SPDX-License-Identifier: GPL-3.0-or-later
#include "builtin/CurrencyFile.h"

#include "builtin/BuiltInTables.h"
#include "builtin/WordRead.h"
#include "catalogue/FileAccess.h"
#include "catalogue/UnitAppender.h"
#include "catalogue/ValueStream.h"
#include "expr/NumberText.h"

#include <cstring>
#include <filesystem>

namespace qv {
namespace {

constexpr const char* Header[] = {
    "// Quantova ignores all lines beginning with // (i.e. these are comments) and blank lines",
    "",
    "// Updates at:",
    "//   https://www.federalreserve.gov/releases/h10/current/",
    "// Accurate as of April 16, 1998 EST",
    "",
    "// First numeric column represents USD per Unit, e.g. 1.00 GBP = 1.67 USD",
    "",
    "// To update the currency information in Quantova, update this file and then reinstall the Currency category",
    "// Currency entries must be listed one entry per line, and take the form \"SYMBOL Currency Name ConversionRate\"",
    "// (Quantova only uses the first three columns)",
    "",
};

constexpr std::size_t DecimalPointColumn = 44;  // counted from 1

std::string RateLine(const DefaultRate& rate)
{
    std::string line = std::string(rate.Symbol) + " " + rate.Name;
    const std::size_t integerDigits = std::strcspn(rate.Rate, ".");
    const std::size_t rateColumn = DecimalPointColumn - integerDigits;  // where the rate starts
    line.append(line.size() < rateColumn - 1 ? rateColumn - 1 - line.size() : 1, ' ');
    return line + rate.Rate;
}

}  // namespace

std::string DefaultCurrencyFileText()
{
    std::string text;
    for (const char* line : Header) text.append(line).append("\r\n");
    for (const DefaultRate& rate : DefaultRates()) text.append(RateLine(rate)).append("\r\n");
    return text;
}

void WriteCurrencyFile(const std::string& programDir)
{
    const std::string path = programDir + CurrencyFileName;
    std::error_code ec;
    if (std::filesystem::exists(std::filesystem::symlink_status(path, ec))) return;
    WriteTextFileAtomically(path, DefaultCurrencyFileText());
}

void ImportCurrencyCategory(TCategories& catalogue, const std::string& programDir, MissingRatesFile missing)
{
    catalogue.AppendCategory(CurrencyCategoryName);
    const std::int32_t index = catalogue.CategoryCount() - 1;
    const std::string path = programDir + CurrencyFileName;
    std::error_code ec;
    const bool useDefaults = missing == MissingRatesFile::UseDefaultInMemory &&
                             !std::filesystem::exists(std::filesystem::symlink_status(path, ec));
    if (useDefaults) {
        DefaultCurrencyRows(catalogue.CategoryAt(index));
        return;
    }
    WriteCurrencyFile(programDir);
    TWordReader reader(path);
    ReadCurrencyRows(catalogue.CategoryAt(index), reader);
}

void DefaultCurrencyRows(TCategory& currency)
{
    TUnitAppender units(currency);
    units.Append("USD", "American Dollars", 1.0L);
    for (const DefaultRate& rate : DefaultRates()) {
        if (std::strcmp(rate.Symbol, "USD") == 0) continue;
        Extended value = 0.0L;
        TryReadNumberAnySeparator(rate.Rate, value);  // the digits the file would hold, read as it reads them
        units.Append(rate.Symbol, rate.Name, value);
    }
    currency.SetDefaultUnit(0);
    currency.EntryIndex = currency.DefaultIndex;
    currency.SelectedIndex = currency.DefaultIndex;
}

void ReadCurrencyRows(TCategory& currency, TWordReader& reader)
{
    TUnitAppender units(currency);  // a rates file may hold many thousand rows
    units.Append("USD", "American Dollars", 1.0L);
    // A file without a single word is a mistake (an emptied or lost file),
    // not a list of no currencies.
    if (!reader.HasWords()) throw EWordReaderError(msg::FileIncomplete);
    for (;;) {
        reader.SkipUsedLines();  // blank lines, anywhere
        if (reader.AtEnd()) break;
        const std::string symbol = reader.ReadWord();
        if (symbol.empty() || symbol == "//" || symbol == "USD") {
            reader.NextLine();
            continue;
        }
        const std::string name = reader.ReadName();
        const Extended rate = reader.ReadNumber();
        units.Append(symbol, name, rate);
        reader.NextLine();
    }
    currency.SetDefaultUnit(0);
    currency.EntryIndex = currency.DefaultIndex;
    currency.SelectedIndex = currency.DefaultIndex;
}

}  // namespace qv
