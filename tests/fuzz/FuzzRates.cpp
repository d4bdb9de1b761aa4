// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzz target: the currency rates file. Any text read as "Currency.txt"
// fills the Currency category or stops with the reader's or the catalogue's
// error, under "." and "," as the decimal separator; USD is always there
// first, and every unit read has a unique, non-empty symbol of one word.
// A file that reads takes published rates in (or, when a row runs on into
// the header, is refused): the result reads as well, holds every published
// currency and keeps the rate of every other one but those fixed to the
// euro, which follow the euro's.
#include "FuzzCheck.h"
#include "builtin/BuiltInTables.h"
#include "builtin/CurrencyFile.h"
#include "builtin/FixedRates.h"
#include "builtin/RatesMerge.h"
#include "builtin/WordRead.h"
#include "expr/NumberText.h"

#include <cstdint>
#include <cstring>
#include <map>
#include <set>
#include <string>

namespace qv::fuzz {
namespace {

void CheckUnits(const TCategory& currency, bool complete)
{
    Check(currency.UnitCount() >= 1, "USD is always added");
    const TUnit& usd = currency.UnitAt(0);
    Check(usd.Symbol == "USD" && usd.Definition == "American Dollars" && usd.Factor == 1.0L, "USD comes first");
    std::set<std::string> symbols;
    for (std::int32_t i = 0; i < currency.UnitCount(); ++i) {
        const std::string& symbol = currency.UnitAt(i).Symbol;
        Check(!symbol.empty() && symbol != "//", "a unit's symbol is a word");
        Check(symbol.find_first_of(" \t\r\n") == std::string::npos, "a symbol holds no blank or line break");
        Check(symbols.insert(symbol).second, "symbols are unique");
    }
    if (complete)
        Check(currency.DefaultIndex == 0 && currency.EntryIndex == 0 && currency.SelectedIndex == 0,
              "a complete import ends on USD");
}

// The reader's own calls, word by word, with the number error's message.
void ReadNumbers(const std::string& text)
{
    TWordReader reader = TWordReader::FromText(text);
    while (!reader.AtEnd()) {
        try {
            reader.ReadNumber();
        } catch (const EWordReaderError& e) {
            const std::string message = e.what();
            Check(message == msg::FileIncomplete || message.rfind("Error on Line ", 0) == 0,
                  "a reader error is one of its two messages");
        }
        reader.NextLine();
    }
}

bool Import(const std::string& text, TCategory& currency)
{
    TWordReader reader = TWordReader::FromText(text);
    currency.Name = CurrencyCategoryName;
    try {
        ReadCurrencyRows(currency, reader);
        return true;
    } catch (const EWordReaderError&) {
    } catch (const eNameError&) {
    }
    return false;
}

// Whether every row has its rate on its own line. A row whose name runs on
// into the next lines reads words from whatever follows, comments included,
// and the header lines that a merge rewrites may then be part of it: the
// merge refuses such a file rather than change what it holds.
bool RowsOnOneLine(const std::string& text)
{
    for (const TWordContainer& line : TWordReader::FromText(text).Lines) {
        if (line.empty() || line[0] == "//" || line[0] == "USD") continue;
        bool rate = false;
        for (std::size_t i = 1; i < line.size() && !rate; ++i) rate = IsNumericWord(line[i]);
        if (!rate) return false;
    }
    return true;
}

void MergeInto(const std::string& text, const TCategory& before)
{
    const PublishedRates rates{"2026-12-07", {{"USD", 1.1645L}, {"JPY", 181.02L}, {"GBP", 0.87345L}}};
    RatesUpdate update;
    std::string merged;
    try {
        merged = MergePublishedRates(text, rates, "https://example.invalid/", update);
    } catch (const EWordReaderError&) {
        Check(!RowsOnOneLine(text), "a file whose rows each stand on one line takes published rates");
        return;
    }
    TCategory after;
    Check(Import(merged, after), "a merged file reads");
    std::map<std::string, Extended> factors;
    for (std::int32_t i = 0; i < after.UnitCount(); ++i) factors[after.UnitAt(i).Symbol] = after.UnitAt(i).Factor;
    for (const char* code : {"EUR", "JPY", "GBP"}) Check(factors.count(code) == 1, "a published currency is merged");
    for (std::int32_t i = 0; i < before.UnitCount(); ++i) {
        const TUnit& unit = before.UnitAt(i);
        if (unit.Symbol == "EUR" || unit.Symbol == "JPY" || unit.Symbol == "GBP") continue;
        if (FindFixedEuroRate(unit.Symbol.c_str())) continue;
        const auto kept = factors.find(unit.Symbol);
        Check(kept != factors.end() && std::memcmp(&kept->second, &unit.Factor, 10) == 0,
              "a currency that is not published keeps its rate");
    }
}

void ImportUnder(char separator, const std::string& text)
{
    SetDecimalSeparator(separator);
    TCategory currency;
    const bool complete = Import(text, currency);
    CheckUnits(currency, complete);
    ReadNumbers(text);
    if (complete) MergeInto(text, currency);
}

}  // namespace
}  // namespace qv::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size > qv::MaxWordFileSize) return 0;  // refused before it is read
    const std::string text(reinterpret_cast<const char*>(data), size);
    for (char separator : {'.', ','}) qv::fuzz::ImportUnder(separator, text);
    qv::SetDecimalSeparator('.');
    return 0;
}
