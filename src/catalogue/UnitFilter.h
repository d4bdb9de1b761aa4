#pragma once

// Finding units by typing part of their symbol or definition. The search is
// blind to letter case and to the accents of Windows-1252 letters, so "metre"
// finds "Mètre" and "CELSIUS" finds "degrees celsius".

#include "catalogue/Category.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace qv {

// The byte a Windows-1252 character is compared by: lower case, an accented
// letter as its plain letter ("É" and "é" as "e", "Š" as "s"). Ligatures and
// letters of their own (æ, œ, ß, ð, þ) stay themselves.
char FoldForSearch(char c);
std::string FoldForSearch(std::string_view text);

class UnitFilter {
public:
    // `text` is Windows-1252; an empty text lets every unit through.
    explicit UnitFilter(std::string_view text = {});

    bool Empty() const { return folded_.empty(); }
    // True when the symbol or the definition contains the filter text.
    bool Matches(const TUnit& unit) const;

private:
    std::string folded_;
};

// The units the list of units shows: not hidden and matching the filter, in
// unit order.
std::vector<std::int32_t> ListedUnits(const TCategory& c, const UnitFilter& filter);

}  // namespace qv
