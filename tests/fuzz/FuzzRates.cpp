// Fuzz target: the currency rates file. Any text read as "Currency.txt"
// fills the Currency category or stops with the reader's or the catalogue's
// error, under "." and "," as the decimal separator; USD is always there
// first, and every unit read has a unique, non-empty symbol of one word.
#include "FuzzCheck.h"
#include "builtin/BuiltInTables.h"
#include "builtin/CurrencyFile.h"
#include "builtin/WordRead.h"
#include "expr/NumberText.h"

#include <cstdint>
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
    if (complete) Check(currency.DefaultIndex == 0 && currency.EntryIndex == 0 && currency.SelectedIndex == 0,
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

void ImportUnder(char separator, const std::string& text)
{
    SetDecimalSeparator(separator);
    TWordReader reader = TWordReader::FromText(text);
    TCategory currency;
    currency.Name = CurrencyCategoryName;
    bool complete = false;
    try {
        ReadCurrencyRows(currency, reader);
        complete = true;
    } catch (const EWordReaderError&) {
    } catch (const eNameError&) {
    }
    CheckUnits(currency, complete);
    ReadNumbers(text);
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
