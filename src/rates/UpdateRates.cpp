// SPDX-License-Identifier: GPL-3.0-or-later
#include "rates/UpdateRates.h"

#include "builtin/RateProvenance.h"
#include "catalogue/MessageText.h"
#include "rates/FloatRatesDocument.h"
#include "rates/RatesDocument.h"

#include <pugixml.hpp>

#include <exception>

namespace qv {

SourceRates ReadRatesDocument(std::string_view document, const std::string& address)
{
    pugi::xml_document xml;
    LoadRatesXml(xml, document);
    if (IsFloatRatesDocument(xml)) return ParseFloatRatesDocument(xml, address);
    return RatesInDollars(ParseRatesDocument(xml), EcbSource, address);
}

RatesUpdate UpdateRatesFrom(const std::string& programDir, const std::vector<std::string>& sources,
                            const FetchOptions& options)
{
    const std::vector<std::string> addresses = sources.empty() ? DefaultRatesSources() : sources;
    std::vector<SourceRates> read;
    std::vector<std::string> failures;
    std::exception_ptr only;
    for (const std::string& address : addresses) {
        try {
            read.push_back(ReadRatesDocument(FetchDocument(address, options), address));
        } catch (const ERatesCancelled&) {
            throw;
        } catch (const EQuantovaError& e) {
            failures.push_back(FillMessage(msg::SourceFailed, {address, e.what()}));
            only = std::current_exception();
        }
    }
    // A stop asked for while the documents were read still leaves the file alone.
    if (options.Stop.stop_requested()) throw ERatesCancelled();
    if (read.empty()) {
        if (addresses.size() == 1) std::rethrow_exception(only);
        std::string all;
        for (const std::string& failure : failures) all += (all.empty() ? "" : ". ") + failure;
        throw ERatesError(all);
    }
    RatesUpdate update = UpdateCurrencyFile(programDir, read);
    update.Failures = failures;
    return update;
}

RatesUpdate UpdateRatesFrom(const std::string& programDir, const std::string& source, const FetchOptions& options)
{
    return UpdateRatesFrom(programDir, std::vector<std::string>{source}, options);
}

}  // namespace qv
