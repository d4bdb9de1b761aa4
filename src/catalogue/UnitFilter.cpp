// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogue/UnitFilter.h"

#include "catalogue/Cp1252.h"

#include <array>

namespace qv {
namespace {

// The lower-case accented letters of Windows-1252 and their plain letters.
constexpr char PlainLetter(unsigned char b)
{
    if (b >= 0xE0 && b <= 0xE5) return 'a';                 // à á â ã ä å
    if (b == 0xE7) return 'c';                              // ç
    if (b >= 0xE8 && b <= 0xEB) return 'e';                 // è é ê ë
    if (b >= 0xEC && b <= 0xEF) return 'i';                 // ì í î ï
    if (b == 0xF1) return 'n';                              // ñ
    if ((b >= 0xF2 && b <= 0xF6) || b == 0xF8) return 'o';  // ò ó ô õ ö ø
    if (b >= 0xF9 && b <= 0xFC) return 'u';                 // ù ú û ü
    if (b == 0xFD || b == 0xFF) return 'y';                 // ý ÿ
    if (b == 0x9A) return 's';                              // š
    if (b == 0x9E) return 'z';                              // ž
    return static_cast<char>(b);
}

// The characters people type in place of the ones their keyboard lacks.
constexpr char TypedForm(unsigned char b)
{
    if (b == 0xB2) return '2';                      // ²
    if (b == 0xB3) return '3';                      // ³
    if (b == 0xB9) return '1';                      // ¹
    if (b == 0xB5) return 'u';                      // µ
    if (b == 0xBA) return static_cast<char>(0xB0);  // º, often typed for °
    return static_cast<char>(b);
}

constexpr char Degree = static_cast<char>(0xB0);

bool IsLetter(char c)
{
    return c >= 'a' && c <= 'z';
}

// Whether a word of letters starts at `at` of the folded `s`.
bool WordStart(const std::string& s, std::size_t at)
{
    return at == 0 || !IsLetter(s[at - 1]);
}

const std::array<char, 256>& FoldTable()
{
    static const std::array<char, 256> table = [] {
        std::array<char, 256> t{};
        for (int b = 0; b < 256; ++b)
            t[static_cast<std::size_t>(b)] = TypedForm(
                static_cast<unsigned char>(PlainLetter(static_cast<unsigned char>(FoldCase(static_cast<char>(b))))));
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

// Whether the folded form of `text` may differ from its folded bytes: only
// a degree sign or a "deg" makes it differ.
bool HasDegreeForm(std::string_view text)
{
    const auto& fold = FoldTable();
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = fold[static_cast<unsigned char>(text[i])];
        if (c == Degree) return true;
        if (c == 'd' && i + 2 < text.size() && fold[static_cast<unsigned char>(text[i + 1])] == 'e' &&
            fold[static_cast<unsigned char>(text[i + 2])] == 'g')
            return true;
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
    std::string s(text);
    for (char& c : s) c = FoldForSearch(c);
    // A scale letter standing alone beside a degree sign, or after a "deg"
    // that begins a word, is written "°" + letter; a "deg" followed by no
    // letter is "°". Longer words ("degrees") stay as they are.
    std::string folded;
    folded.reserve(s.size());
    for (std::size_t i = 0; i < s.size(); ++i) {
        const bool wordStart = WordStart(s, i);
        if (wordStart && IsLetter(s[i]) && i + 1 < s.size() && s[i + 1] == Degree &&
            (i + 2 == s.size() || !IsLetter(s[i + 2]))) {
            folded += Degree;
            folded += s[i];
            ++i;
            continue;
        }
        if (wordStart && s.compare(i, 3, "deg") == 0) {
            std::size_t letters = 0;
            while (i + 3 + letters < s.size() && IsLetter(s[i + 3 + letters])) ++letters;
            if (letters <= 1) {
                folded += Degree;
                folded.append(s, i + 3, letters);
                i += 2 + letters;
                continue;
            }
        }
        folded += s[i];
    }
    return folded;
}

UnitFilter::UnitFilter(std::string_view text) : folded_(FoldForSearch(text)), bytes_(text)
{
    for (char& c : bytes_) c = FoldForSearch(c);
}

bool UnitFilter::Matches(const TUnit& unit) const
{
    if (ContainsFolded(unit.Symbol, bytes_) || ContainsFolded(unit.Definition, bytes_)) return true;
    // The folded forms differ from the bytes only where a "°" or "deg" is.
    const auto holds = [this](const std::string& text) {
        return HasDegreeForm(text) && FoldForSearch(text).find(folded_) != std::string::npos;
    };
    return holds(unit.Symbol) || holds(unit.Definition);
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

std::int32_t SymbolTyped(const TCategory& c, const std::vector<std::int32_t>& listed, std::string_view typed)
{
    for (std::int32_t unit : listed)
        if (c.UnitAt(unit).Symbol == typed) return unit;
    const std::string folded = FoldForSearch(typed);
    std::int32_t found = -1;
    for (std::int32_t unit : listed) {
        if (FoldForSearch(c.UnitAt(unit).Symbol) != folded) continue;
        if (found >= 0) return -1;
        found = unit;
    }
    return found;
}

}  // namespace qv
