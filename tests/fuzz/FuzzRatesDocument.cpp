// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzz target: the published rates document. Any bytes either give a set of
// rates that passes the checks, or raise the rates error; rates that pass
// merge into the default rates file, and the result reads as a rates file
// that holds every published currency, under "." and "," alike.
#include "FuzzCheck.h"
#include "builtin/BuiltInTables.h"
#include "builtin/CurrencyFile.h"
#include "builtin/RatesMerge.h"
#include "builtin/WordRead.h"
#include "expr/NumberText.h"
#include "rates/RatesDocument.h"

#include <cstdint>
#include <set>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace qv;
    using namespace qv::fuzz;
    PublishedRates rates;
    try {
        rates = ParseRatesDocument(std::string_view(reinterpret_cast<const char*>(data), size));
    } catch (const ERatesError&) {
        return 0;
    }
    Check(Attempt<ERatesError>([&] { CheckPublishedRates(rates); }), "parsed rates pass the checks");

    std::set<std::string> published{"EUR"};
    for (const PublishedRate& rate : rates.Rates) published.insert(rate.Code);
    for (char separator : {'.', ','}) {
        SetDecimalSeparator(separator);
        RatesUpdate update;
        std::string merged;
        try {
            merged = MergePublishedRates(DefaultCurrencyFileText(), rates, "https://example.invalid/", update);
        } catch (const ERatesError&) {
            continue;  // a rate that does not turn into US dollars per unit
        }
        TWordReader reader = TWordReader::FromText(merged);
        TCategory currency;
        currency.Name = CurrencyCategoryName;
        Check(Attempt<EQuantovaError>([&] { ReadCurrencyRows(currency, reader); }), "the merged file reads");
        std::set<std::string> symbols;
        for (std::int32_t i = 0; i < currency.UnitCount(); ++i) symbols.insert(currency.UnitAt(i).Symbol);
        for (const std::string& code : published)
            Check(symbols.count(code) == 1, "every published currency is in the merged file");
    }
    SetDecimalSeparator('.');
    return 0;
}
