#include "catalogue/UnitFilter.h"

#include "catalogue/Cp1252.h"

#include <array>

namespace qv {
namespace {

// The lower-case accented letters of Windows-1252 and their plain letters.
constexpr char PlainLetter(unsigned char b)
{
    if (b >= 0xE0 && b <= 0xE5) return 'a';  // à á â ã ä å
    if (b == 0xE7) return 'c';               // ç
    if (b >= 0xE8 && b <= 0xEB) return 'e';  // è é ê ë
    if (b >= 0xEC && b <= 0xEF) return 'i';  // ì í î ï
    if (b == 0xF1) return 'n';               // ñ
    if ((b >= 0xF2 && b <= 0xF6) || b == 0xF8) return 'o';  // ò ó ô õ ö ø
    if (b >= 0xF9 && b <= 0xFC) return 'u';  // ù ú û ü
    if (b == 0xFD || b == 0xFF) return 'y';  // ý ÿ
    if (b == 0x9A) return 's';               // š
    if (b == 0x9E) return 'z';               // ž
    return static_cast<char>(b);
}

const std::array<char, 256>& FoldTable()
{
    static const std::array<char, 256> table = [] {
        std::array<char, 256> t{};
        for (int b = 0; b < 256; ++b)
            t[static_cast<std::size_t>(b)] = PlainLetter(static_cast<unsigned char>(FoldCase(static_cast<char>(b))));
        return t;
    }();
    return table;
}

// Whether `haystack`, folded, contains `needle`, already folded.
bool ContainsFolded(std::string_view haystack, std::string_view needle)
{
    const auto& fold = FoldTable();
    if (needle.size() > haystack.size()) return false;
    for (std::size_t at = 0; at + needle.size() <= haystack.size(); ++at) {
        std::size_t i = 0;
        while (i < needle.size() && fold[static_cast<unsigned char>(haystack[at + i])] == needle[i]) ++i;
        if (i == needle.size()) return true;
    }
    return false;
}

}  // namespace

char FoldForSearch(char c)
{
    return FoldTable()[static_cast<unsigned char>(c)];
}

std::string FoldForSearch(std::string_view text)
{
    std::string folded(text);
    for (char& c : folded) c = FoldForSearch(c);
    return folded;
}

UnitFilter::UnitFilter(std::string_view text) : folded_(FoldForSearch(text)) {}

bool UnitFilter::Matches(const TUnit& unit) const
{
    return ContainsFolded(unit.Symbol, folded_) || ContainsFolded(unit.Definition, folded_);
}

std::vector<std::int32_t> ListedUnits(const TCategory& c, const UnitFilter& filter)
{
    std::vector<std::int32_t> listed;
    listed.reserve(static_cast<std::size_t>(c.UnitCount()));
    for (std::int32_t i = 0; i < c.UnitCount(); ++i) {
        const TUnit& unit = c.UnitAt(i);
        if (!unit.Hidden && filter.Matches(unit)) listed.push_back(i);
    }
    return listed;
}

}  // namespace qv
