// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// quantova-cli's side of finding units: the core's resolver (which the
// window's Find Anywhere uses too) does the matching; this turns its answers
// into the program's messages and exit statuses.

#include "catalogue/Category.h"
#include "catalogue/UnitResolver.h"

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace qv::cli {

using Resolution = ConversionUnits;

// A category the catalogue lacks because its data could not be read: a
// unit or category name found in `StandIn` is answered with `Reason`.
struct UnavailableCategory {
    std::string Reason;
    TCategories StandIn;
};

struct ResolveError {
    int Status = 0;
    std::string Message;  // empty: no error
};

class UnitLookup {
public:
    explicit UnitLookup(const TCategories& catalogue, std::shared_ptr<const UnavailableCategory> unavailable = {})
        : catalogue_(catalogue),
          resolver_(catalogue),
          unavailable_(std::move(unavailable))
    {
    }
    const std::shared_ptr<const UnavailableCategory>& Unavailable() const { return unavailable_; }

    const UnitResolver& Resolver() const { return resolver_; }

    // Position of the category a typed name stands for: the exact name, any
    // letter case, a unique beginning or a unique word ("velocity"). Raises
    // ECliError (ExitUnit) naming the candidates when there is none or several.
    std::int32_t Category(std::string_view name) const;

    // Resolves FROM and the targets (Windows-1252 text) within `category`, or
    // within the whole catalogue when it is -1. On failure returns false and,
    // when `error` is given, fills it with the message and its exit status.
    bool TryResolve(std::string_view from, std::span<const std::string> to, std::int32_t category, Resolution& result,
                    ResolveError* error) const;

    // The same, raising ECliError.
    Resolution Resolve(std::string_view from, std::span<const std::string> to, std::int32_t category) const;

private:
    std::string Explain(const ConversionAnswer& answer, std::string_view from, std::span<const std::string> to,
                        std::int32_t category) const;
    std::string CategoriesOf(std::string_view text) const;
    std::string Describe(std::int32_t category, std::int32_t unit) const;

    bool Unavailable(std::string_view from, std::span<const std::string> to, ResolveError* error) const;

    const TCategories& catalogue_;
    UnitResolver resolver_;
    std::shared_ptr<const UnavailableCategory> unavailable_;
};

}  // namespace qv::cli
