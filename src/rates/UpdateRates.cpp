#include "rates/UpdateRates.h"

#include "rates/RatesDocument.h"

namespace qv {

RatesUpdate UpdateRatesFrom(const std::string& programDir, const std::string& source, const FetchOptions& options)
{
    const PublishedRates rates = ParseRatesDocument(FetchDocument(source, options));
    // A stop asked for while the document was read still leaves the file alone.
    if (options.Stop.stop_requested()) throw ERatesCancelled();
    return UpdateCurrencyFile(programDir, rates, source);
}

}  // namespace qv
