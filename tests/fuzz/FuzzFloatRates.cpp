// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzz target: the FloatRates feed. Any bytes either give rates that pass
// the checks, or raise the rates error; rates that pass merge into the
// default rates file, and the result reads as a rates file that holds every
// currency of the feed, each with its mark, under "." and "," alike.
#include "FuzzCheck.h"
#include "builtin/CurrencyFile.h"
#include "builtin/RateProvenance.h"
#include "builtin/RatesMerge.h"
#include "builtin/WordRead.h"
#include "expr/NumberText.h"
#include "rates/FloatRatesDocument.h"

#include <cstdint>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace qv;
    using namespace qv::fuzz;
    const std::string_view document(reinterpret_cast<const char*>(data), size);
    IsFloatRatesDocument(document);
    SourceRates rates;
    try {
        rates = ParseFloatRatesDocument(document, "https://example.invalid/usd.xml");
    } catch (const ERatesError&) {
        return 0;
    }
    Check(Attempt<ERatesError>([&] { CheckSourceRates(rates); }), "parsed rates pass the checks");

    for (char separator : {'.', ','}) {
        SetDecimalSeparator(separator);
        RatesUpdate update;
        const std::string merged = MergeRates(DefaultCurrencyFileText(), {rates}, update, "2026-12-08");
        TWordReader reader = TWordReader::FromText(merged);
        TCategory currency;
        Check(Attempt<EQuantovaError>([&] { ReadCurrencyRows(currency, reader); }), "the merged file reads");
        const RatesFileOrigins origins = ReadRateOrigins(merged);
        for (const SourceRate& rate : rates.Rates) {
            const auto row = origins.Rows.find(rate.Code);
            Check(row != origins.Rows.end(), "every currency of the feed is in the merged file");
            Check(row->second.Date == rate.Date || row->second.Source == "EUR fixed", "a merged rate has its day");
        }
    }
    SetDecimalSeparator('.');
    return 0;
}
