// SPDX-License-Identifier: GPL-3.0-or-later
#include "builtin/RatesMerge.h"

#include "builtin/CurrencyFile.h"
#include "builtin/FixedRates.h"
#include "builtin/RateProvenance.h"
#include "builtin/RatesChecks.h"
#include "builtin/RatesEncoding.h"
#include "builtin/WordRead.h"
#include "catalogue/FileAccess.h"
#include "catalogue/ValueStream.h"
#include "expr/NumberText.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <filesystem>
#include <map>
#include <set>

namespace qv {
namespace {

constexpr const char* UpdatesAt = "// Updates at:";
constexpr std::size_t DefaultPointColumn = 44;  // counted from 1, as in the default file

bool StartsWith(const std::string& text, const char* prefix)
{
    return text.compare(0, std::char_traits<char>::length(prefix), prefix) == 0;
}

// Where the decimal point of a number word stands, or would stand when the
// word has none.
std::size_t PointOffset(const std::string& word)
{
    const char separators[] = {'.', ',', DecimalSeparator(), 'e', 'E', '\0'};
    const std::size_t at = word.find_first_of(separators);
    return at == std::string::npos ? word.size() : at;
}

// The header holds the address as a comment: only printable ASCII, so that
// it can neither break the line nor leave Windows-1252.
std::string PrintableSource(const std::string& source)
{
    std::string text = source;
    for (char& c : text)
        if (c < 32 || c > 126) c = '?';
    return text;
}

struct RateAt {
    std::int32_t SymbolLine;
    std::int32_t Line;
    std::int32_t Word;
    std::string Symbol;
    Extended Value;
};

// The rows of a rates file, found as the importer reads them.
std::vector<RateAt> FindRows(TWordReader& reader)
{
    std::vector<RateAt> rows;
    for (;;) {
        reader.SkipUsedLines();
        if (reader.AtEnd()) break;
        const std::int32_t symbolLine = reader.LineIndex;
        const std::string symbol = reader.ReadWord();
        if (symbol == "//" || symbol == "USD") {
            reader.NextLine();
            continue;
        }
        reader.ReadName();  // leaves the reader on the rate
        RateAt at{symbolLine, reader.LineIndex, reader.WordIndex, symbol, 0.0L};
        at.Value = reader.ReadNumber();
        rows.push_back(at);
        reader.NextLine();
    }
    return rows;
}

// The shortest rate text, of 10 significant digits or more, that reads
// back as `value` exactly.
std::string ExactRateText(Extended value)
{
    for (int digits = 10; digits < 21; ++digits) {
        std::string text = RateText(value, digits);
        Extended back = 0.0L;
        if (TryReadNumberAnySeparator(text, back) && back == value) return text;
    }
    return RateText(value, 21);
}

// What the update sets for one currency.
struct Setting {
    std::string Rate;  // as the file will hold it
    std::string Date;
    std::string Source;
    std::string Name;  // for a row the file lacks
};

// The rate's new line: the old one with the rate and its mark replaced, its
// decimal point kept in its column where the blanks before it allow.
// Whatever followed the rate (a note) stays after the mark.
std::string ReplaceRate(const TWordContainer& line, std::int32_t word, const Setting& set)
{
    const std::string& raw = line.RawLine;
    const std::string& old = line[word];
    const std::string& rate = set.Rate;
    const std::size_t start = line.Starts[word];
    const std::size_t gapStart = word > 0 ? line.Starts[word - 1] + line[word - 1].size() : 0;
    const std::size_t marked = OriginMarkWords(line, static_cast<std::size_t>(word) + 1);
    const std::size_t last = static_cast<std::size_t>(word) + marked;
    std::string rest = "  " + OriginMark(set.Date, set.Source) + raw.substr(line.Starts[last] + line[last].size());
    rest.erase(rest.find_last_not_of(" \t") + 1);
    const bool onlySpaces = raw.find_first_not_of(' ', gapStart) >= start;
    if (!onlySpaces) return raw.substr(0, start) + rate + rest;

    const std::size_t minimum = gapStart + (word > 0 ? 1 : 0);
    const std::size_t point = start + PointOffset(old);
    const std::size_t shift = PointOffset(rate);
    const std::size_t newStart = point >= minimum + shift ? point - shift : minimum;
    return raw.substr(0, gapStart) + std::string(newStart - gapStart, ' ') + rate + rest;
}

std::string NewRow(const std::string& symbol, const Setting& set, std::size_t pointColumn)
{
    std::string row = symbol + " " + set.Name;
    const std::size_t start = pointColumn - 1 - std::min(PointOffset(set.Rate), pointColumn - 1);
    row.append(row.size() < start ? start - row.size() : 1, ' ');
    return row + set.Rate + "  " + OriginMark(set.Date, set.Source);
}

// The name of a currency the file lacks: the program's own, else the
// source's when it reads as a name (words that are not numbers), else the
// code.
std::string NameFor(const std::string& code, const std::string& sourceName)
{
    std::string known = CurrencyName(code);
    if (known != code || sourceName.empty()) return known;
    TWordReader words = TWordReader::FromText(sourceName);
    if (words.Lines.size() != 1 || words.Lines[0].empty()) return code;
    std::string name;
    for (const std::string& word : words.Lines[0]) {
        if (IsNumericWord(word)) return code;
        for (char c : word)
            if (static_cast<unsigned char>(c) < 32 || c == 127) return code;
        name += (name.empty() ? "" : " ") + word;
    }
    return name;
}

// The column in which most one-line rows aligned with blanks put their
// decimal point; the rightmost of equally common ones.
std::size_t CommonPointColumn(const TWordReader& reader, const std::vector<RateAt>& rows)
{
    std::map<std::size_t, int> votes;
    for (const RateAt& row : rows) {
        const TWordContainer& line = reader.Lines[row.Line];
        const std::size_t start = line.Starts[row.Word];
        if (row.Line != row.SymbolLine || line.RawLine.find('\t') < start) continue;
        ++votes[start + PointOffset(line[row.Word]) + 1];
    }
    std::size_t column = DefaultPointColumn;
    int best = 0;
    for (const auto& [at, count] : votes) {
        if (count >= best) {
            column = at;
            best = count;
        }
    }
    return column;
}

// Names the sources after "// Updates at:". The "Accurate as of" line is
// left alone: it is the day of every row without a mark.
void UpdateHeader(std::vector<std::string>& lines, const std::string& source)
{
    constexpr std::size_t None = std::string::npos;
    auto find = [&lines](auto test) {
        const auto at = std::find_if(lines.begin(), lines.end(), test);
        return at == lines.end() ? None : static_cast<std::size_t>(at - lines.begin());
    };
    auto isComment = [](const std::string& l) {
        return StartsWith(l, "//") && (l.size() == 2 || l[2] == ' ' || l[2] == '\t');
    };
    const std::size_t dated = find([](const std::string& l) { return StartsWith(l, AccurateAsOf); });
    const std::size_t updates = find(
        [](const std::string& l) { return l.substr(0, l.find_last_not_of(" \t") + 1) == UpdatesAt; });
    const std::string address = "//   " + PrintableSource(source);

    if (updates == None) {
        const std::size_t at = dated == None ? 0 : dated;
        lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(at), {UpdatesAt, address});
    } else if (updates + 1 < lines.size() && isComment(lines[updates + 1]) &&
               !StartsWith(lines[updates + 1], AccurateAsOf)) {
        lines[updates + 1] = address;
    } else {
        lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(updates + 1), address);
    }
}

// The units the importer makes of a rates text, or false when it fails.
bool ImportRows(const std::string& text, TCategory& currency)
{
    TWordReader reader = TWordReader::FromText(text);
    try {
        ReadCurrencyRows(currency, reader);
        return true;
    } catch (const EQuantovaError&) {
        return false;
    }
}

// A file that imports must import after the merge as the merge means it:
// every currency that was not published as it was, every published one
// with its new rate, and nothing else. Only a row whose words run on across
// lines into the rewritten header can break this; such a file is refused
// rather than spoilt.
void CheckMergeReadsAsMeant(const std::string& before, const std::string& after,
                            const std::map<std::string, Setting>& published)
{
    TCategory old;
    if (!ImportRows(before, old)) return;
    std::map<std::string, std::pair<std::string, Extended>> expected;
    for (std::int32_t i = 0; i < old.UnitCount(); ++i)
        expected[old.UnitAt(i).Symbol] = {old.UnitAt(i).Definition, old.UnitAt(i).Factor};
    for (const auto& [code, set] : published) {
        Extended rate = 0.0L;
        TryReadNumberAnySeparator(set.Rate, rate);
        expected[code] = {std::string(), rate};  // a new row's name is the merge's own
    }

    TCategory merged;
    bool same = ImportRows(after, merged) && merged.UnitCount() == static_cast<std::int32_t>(expected.size());
    for (std::int32_t i = 0; same && i < merged.UnitCount(); ++i) {
        const TUnit& unit = merged.UnitAt(i);
        const auto want = expected.find(unit.Symbol);
        same = want != expected.end() && want->second.second == unit.Factor &&
               (published.count(unit.Symbol) || want->second.first == unit.Definition);
    }
    if (!same) throw EWordReaderError(msg::RowsRunIntoHeader);
}

}  // namespace

std::string RateText(Extended usdPerUnit, int digits)
{
    char buffer[64];
    const auto done = std::to_chars(buffer, buffer + sizeof buffer, usdPerUnit, std::chars_format::scientific,
                                    digits - 1);
    const std::string sci(buffer, done.ptr);  // "d.ddd...e[+-]xx"
    const std::size_t e = sci.find('e');
    const std::string all = sci.substr(0, 1) + sci.substr(2, e - 2);
    const int exponent = std::stoi(sci.substr(e + 1));
    std::string text;
    if (exponent < 0) {
        text = "0." + std::string(static_cast<std::size_t>(-exponent - 1), '0') + all;
    } else if (exponent < digits - 1) {
        text = all.substr(0, exponent + 1) + "." + all.substr(exponent + 1);
    } else {
        text = all + std::string(static_cast<std::size_t>(exponent - (digits - 1)), '0') + ".0";
    }
    while (text.back() == '0' && text[text.size() - 2] != '.') text.pop_back();
    return text;
}

std::string MergeRates(const std::string& fileText, const std::vector<SourceRates>& sources, RatesUpdate& update,
                       const std::string& today)
{
    TWordReader reader = TWordReader::FromText(fileText);
    const std::vector<RateAt> rows = FindRows(reader);
    std::set<std::string> symbols;
    for (const RateAt& row : rows) symbols.insert(row.Symbol);

    std::map<std::string, Setting> settings;  // the first source of a code wins
    std::string newest, addresses;
    for (const SourceRates& source : sources) {
        for (const SourceRate& rate : source.Rates) {
            if (rate.Code == "USD") continue;
            settings.emplace(
                rate.Code, Setting{RateText(rate.UsdPerUnit), rate.Date, source.Source, NameFor(rate.Code, rate.Name)});
            newest = std::max(newest, rate.Date);
        }
        addresses += (addresses.empty() ? "" : " ") + source.Address;
    }
    // The currencies fixed to the euro follow the euro's rate as the file
    // will hold it, so that they convert into euros exactly.
    if (const auto euro = settings.find("EUR"); euro != settings.end()) {
        Extended usdPerEuro = 0.0L;
        TryReadNumberAnySeparator(euro->second.Rate, usdPerEuro);
        const Setting base = euro->second;
        for (const FixedEuroRate& fixed : FixedEuroRates()) {
            const auto listed = settings.find(fixed.Code);
            if (!symbols.count(fixed.Code) && listed == settings.end()) continue;
            settings[fixed.Code] = Setting{ExactRateText(usdPerEuro / fixed.PerEuro), base.Date, EuroFixedSource,
                                           listed == settings.end() ? CurrencyName(fixed.Code) : listed->second.Name};
        }
    }

    update = RatesUpdate{newest.empty() ? std::string() : LongDate(newest), 0, 0, 0, {}};
    std::vector<std::string> lines;
    for (const TWordContainer& line : reader.Lines) lines.push_back(line.RawLine);
    for (const RateAt& row : rows) {
        const auto set = settings.find(row.Symbol);
        if (set == settings.end()) continue;
        Extended value = 0.0L;
        TryReadNumberAnySeparator(set->second.Rate, value);
        if (value != row.Value) ++update.Changed;
        lines[row.Line] = ReplaceRate(reader.Lines[row.Line], row.Word, set->second);
    }

    // Missing currencies go after the last row, in the order of their names.
    std::vector<std::pair<std::string, std::string>> added;  // name, row
    const std::size_t column = CommonPointColumn(reader, rows);
    for (const auto& [code, set] : settings) {
        if (symbols.count(code)) continue;
        for (const TWordContainer& line : reader.Lines)
            if (!line.empty() && line[0] == code) throw EWordReaderError(FormatMessage(msg::RowNotRead, code));
        added.emplace_back(set.Name, NewRow(code, set, column));
    }
    std::sort(added.begin(), added.end());
    if (lines.size() == 1 && lines[0].empty()) lines.clear();  // an empty file is no line, not a blank one
    std::size_t at = rows.empty() ? lines.size() : static_cast<std::size_t>(rows.back().Line) + 1;
    for (const auto& row : added) lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(at++), row.second);
    update.Added = static_cast<int>(added.size());
    update.Changed += update.Added;

    UpdateHeader(lines, addresses);
    std::string text;
    for (const std::string& line : lines) text.append(line).append("\r\n");
    CheckMergeReadsAsMeant(fileText, text, settings);
    update.Old = CountOldRates(ReadRateOrigins(text), today);
    return text;
}

std::string MergePublishedRates(const std::string& fileText, const PublishedRates& rates, const std::string& source,
                                RatesUpdate& update)
{
    return MergeRates(fileText, {RatesInDollars(rates, EcbSource, source)}, update, TodayIso());
}

RatesUpdate UpdateCurrencyFile(const std::string& programDir, const PublishedRates& rates, const std::string& source)
{
    CheckPublishedRates(rates);
    return UpdateCurrencyFile(programDir, {RatesInDollars(rates, EcbSource, source)});
}

RatesUpdate UpdateCurrencyFile(const std::string& programDir, const std::vector<SourceRates>& sources,
                               const std::string& today)
{
    for (const SourceRates& rates : sources) CheckSourceRates(rates);
    const std::string path = programDir + CurrencyFileName;
    const std::string bytes = CurrencyFileText(programDir);
    // Merged in Windows-1252, written back in the encoding found: a UTF-8
    // file whose every character has a Windows-1252 byte comes back as it was.
    const RatesFileEncoding encoding = DetectRatesFileEncoding(bytes);
    const std::string old = RatesTextOfFile(bytes);
    if (encoding.Utf8 && RatesFileOfText(old, encoding) != bytes) throw ERatesError(msg::RatesFileCharacters, path);
    // A source's date is that of its newest rate. The file's date for it is
    // that of the newest rate the same source set, or the header's.
    const RatesFileOrigins origins = ReadRateOrigins(old);
    for (const SourceRates& rates : sources) {
        std::string newest;
        for (const SourceRate& rate : rates.Rates) newest = std::max(newest, rate.Date);
        std::string fileDate = origins.HeaderDate;
        for (const auto& row : origins.Rows)
            if (row.second.Source == rates.Source) fileDate = std::max(fileDate, row.second.Date);
        if (!newest.empty()) CheckRatesDate(newest, fileDate, today);
    }
    RatesUpdate update;
    std::string text;
    try {
        text = RatesFileOfText(MergeRates(old, sources, update, today), encoding);
    } catch (const EWordReaderError& e) {
        throw ERatesError(msg::RatesFileUnreadable + std::string(e.what()), path);
    }
    CheckRatesFileSize(text, path);
    WriteTextFileAtomically(path, text);
    return update;
}

std::string CurrencyFileText(const std::string& programDir)
{
    const std::string path = programDir + CurrencyFileName;
    std::error_code ec;
    return std::filesystem::exists(std::filesystem::symlink_status(path, ec)) ? ReadTextFile(path)
                                                                              : DefaultCurrencyFileText();
}

std::string RatesDateOf(const RatesFileOrigins& origins)
{
    std::string newest;
    for (const auto& [symbol, origin] : origins.Rows)
        if (!origin.Source.empty()) newest = std::max(newest, origin.Date);
    return !newest.empty() && newest > origins.HeaderDate ? LongDate(newest) : origins.HeaderText;
}

std::string CurrencyRatesDate(const std::string& programDir)
{
    try {
        return RatesDateOf(ReadRateOrigins(CurrencyFileText(programDir)));
    } catch (const EQuantovaError&) {
    }
    return {};
}

std::string RatesUpdateMessage(const RatesUpdate& update)
{
    std::string text = "Rates of " + update.Date + ": ";
    if (update.Changed == 0)
        text += "no currency changed";
    else
        text += std::to_string(update.Changed) + (update.Changed == 1 ? " currency changed" : " currencies changed");
    if (update.Added > 0) text += ", " + std::to_string(update.Added) + " of them added";
    if (update.Old > 0)
        text += ". " + std::to_string(update.Old) + (update.Old == 1 ? " rate is" : " rates are") + " older than " +
                std::to_string(OldRateDays) + " days";
    for (const std::string& failure : update.Failures) text += ". " + failure;
    return text;
}

}  // namespace qv
