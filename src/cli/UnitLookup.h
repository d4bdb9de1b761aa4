#pragma once

// Finds units by what a person types: a unit's symbol exactly ("m"), then its
// symbol in any letter case ("KM"), then its definition in any case
// ("meters"). The category follows from the units: the one category holding
// all of them, preferring closer matches; a given category settles the rest.

#include "catalogue/Category.h"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace qv::cli {

struct Resolution {
    std::int32_t Category = -1;
    std::int32_t From = -1;
    std::vector<std::int32_t> To;  // one per target, in the order given
};

struct ResolveError {
    int Status = 0;
    std::string Message;  // empty: no error
};

class UnitLookup {
public:
    explicit UnitLookup(const TCategories& catalogue) : catalogue_(catalogue) {}

    // Position of the category named `name`, exactly or else ignoring letter
    // case; -1 when there is none.
    std::int32_t FindCategory(std::string_view name) const;

    // Resolves FROM and the targets (Windows-1252 text) within `category`, or
    // within the whole catalogue when it is -1. On failure returns false and
    // fills `error` with the message and its exit status.
    bool TryResolve(std::string_view from, std::span<const std::string> to, std::int32_t category,
                    Resolution& result, ResolveError& error) const;

    // The same, raising ECliError.
    Resolution Resolve(std::string_view from, std::span<const std::string> to, std::int32_t category) const;

private:
    enum Level : int { ExactSymbol, SymbolAnyCase, Definition, NoMatch };
    struct Match {
        Level level = NoMatch;
        std::vector<std::int32_t> units;  // every unit matching at `level`
    };

    Match MatchIn(std::string_view name, std::int32_t category) const;
    std::string CategoriesOf(std::string_view name) const;

    const TCategories& catalogue_;
};

}  // namespace qv::cli
