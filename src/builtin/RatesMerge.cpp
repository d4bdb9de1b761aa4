#include "builtin/RatesMerge.h"

#include "builtin/CurrencyFile.h"
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

namespace qv {
namespace {

constexpr const char* UpdatesAt = "// Updates at:";
constexpr const char* AccurateAsOf = "// Accurate as of ";
constexpr const char* SourceNote = " (European Central Bank reference rates)";
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

// The rate's new line: the old one with the rate replaced, its decimal point
// kept in its column where the blanks before it allow.
std::string ReplaceRate(const TWordContainer& line, std::int32_t word, const std::string& rate)
{
    const std::string& raw = line.RawLine;
    const std::string& old = line[word];
    const std::size_t start = line.Starts[word];
    const std::size_t gapStart = word > 0 ? line.Starts[word - 1] + line[word - 1].size() : 0;
    const std::string rest = raw.substr(start + old.size());
    const bool onlySpaces = raw.find_first_not_of(' ', gapStart) >= start;
    if (!onlySpaces) return raw.substr(0, start) + rate + rest;

    const std::size_t minimum = gapStart + (word > 0 ? 1 : 0);
    const std::size_t point = start + PointOffset(old);
    const std::size_t shift = PointOffset(rate);
    const std::size_t newStart = point >= minimum + shift ? point - shift : minimum;
    return raw.substr(0, gapStart) + std::string(newStart - gapStart, ' ') + rate + rest;
}

std::string NewRow(const std::string& symbol, const std::string& rate, std::size_t pointColumn)
{
    std::string row = symbol + " " + CurrencyName(symbol);
    const std::size_t start = pointColumn - 1 - std::min(PointOffset(rate), pointColumn - 1);
    row.append(row.size() < start ? start - row.size() : 1, ' ');
    return row + rate;
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

void UpdateHeader(std::vector<std::string>& lines, const std::string& date, const std::string& source)
{
    constexpr std::size_t None = std::string::npos;
    auto find = [&lines](auto test) {
        const auto at = std::find_if(lines.begin(), lines.end(), test);
        return at == lines.end() ? None : static_cast<std::size_t>(at - lines.begin());
    };
    auto isComment = [](const std::string& l) { return StartsWith(l, "//") && (l.size() == 2 || l[2] == ' ' || l[2] == '\t'); };
    std::size_t dated = find([](const std::string& l) { return StartsWith(l, AccurateAsOf); });
    std::size_t updates = find([](const std::string& l) { return l.substr(0, l.find_last_not_of(" \t") + 1) == UpdatesAt; });
    const std::string address = "//   " + PrintableSource(source);

    if (updates == None) {
        updates = dated == None ? 0 : dated;
        lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(updates), {UpdatesAt, address});
        if (dated != None) dated += 2;
    } else if (updates + 1 < lines.size() && isComment(lines[updates + 1])) {
        lines[updates + 1] = address;
    } else {
        lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(updates + 1), address);
        if (dated != None && dated > updates) ++dated;
    }
    const std::string accurate = AccurateAsOf + date + SourceNote;
    if (dated == None) {
        lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(updates + 2), accurate);
    } else {
        lines[dated] = accurate;
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
                            const std::map<std::string, Extended>& published)
{
    TCategory old;
    if (!ImportRows(before, old)) return;
    std::map<std::string, std::pair<std::string, Extended>> expected;
    for (std::int32_t i = 0; i < old.UnitCount(); ++i)
        expected[old.UnitAt(i).Symbol] = {old.UnitAt(i).Definition, old.UnitAt(i).Factor};
    for (const auto& [code, usdPerUnit] : published) {
        Extended rate = 0.0L;
        TryReadNumberAnySeparator(RateText(usdPerUnit), rate);
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

std::string RateText(Extended usdPerUnit)
{
    char buffer[64];
    const auto done = std::to_chars(buffer, buffer + sizeof buffer, usdPerUnit, std::chars_format::scientific, 9);
    const std::string sci(buffer, done.ptr);  // "d.ddddddddde[+-]xx"
    const std::string digits = sci.substr(0, 1) + sci.substr(2, 9);
    const int exponent = std::stoi(sci.substr(12));
    std::string text;
    if (exponent < 0) {
        text = "0." + std::string(static_cast<std::size_t>(-exponent - 1), '0') + digits;
    } else if (exponent < 9) {
        text = digits.substr(0, exponent + 1) + "." + digits.substr(exponent + 1);
    } else {
        text = digits + std::string(static_cast<std::size_t>(exponent - 9), '0') + ".0";
    }
    while (text.back() == '0' && text[text.size() - 2] != '.') text.pop_back();
    return text;
}

std::string MergePublishedRates(const std::string& fileText, const PublishedRates& rates, const std::string& source,
                                RatesUpdate& update)
{
    TWordReader reader = TWordReader::FromText(fileText);
    const std::vector<RateAt> rows = FindRows(reader);

    // US dollars per unit of every published currency, the euro included.
    const Extended usdPerEuro = UsdPerEuro(rates);
    std::map<std::string, Extended> usdPerUnit{{"EUR", usdPerEuro}};
    for (const PublishedRate& rate : rates.Rates) {
        if (rate.Code == "USD") continue;
        const Extended value = usdPerEuro / rate.PerEuro;
        if (!std::isfinite(value) || !(value > 0.0L)) throw ERatesError(FormatMessage(msg::BadRate, rate.Code));
        usdPerUnit[rate.Code] = value;
    }

    update = RatesUpdate{LongDate(rates.Date), 0, 0};
    std::vector<std::string> lines;
    for (const TWordContainer& line : reader.Lines) lines.push_back(line.RawLine);
    std::map<std::string, bool> inFile;
    for (const RateAt& row : rows) {
        const auto published = usdPerUnit.find(row.Symbol);
        if (published == usdPerUnit.end()) continue;
        inFile[row.Symbol] = true;
        const std::string text = RateText(published->second);
        Extended value = 0.0L;
        TryReadNumberAnySeparator(text, value);
        if (value == row.Value) continue;  // same rate: the row keeps its bytes
        lines[row.Line] = ReplaceRate(reader.Lines[row.Line], row.Word, text);
        ++update.Changed;
    }

    // Missing currencies go after the last row, in the order of their names.
    std::vector<std::pair<std::string, std::string>> added;  // name, row
    const std::size_t column = CommonPointColumn(reader, rows);
    for (const auto& [code, value] : usdPerUnit) {
        if (inFile.count(code)) continue;
        for (const TWordContainer& line : reader.Lines)
            if (!line.empty() && line[0] == code) throw EWordReaderError(FormatMessage(msg::RowNotRead, code));
        added.emplace_back(CurrencyName(code), NewRow(code, RateText(value), column));
    }
    std::sort(added.begin(), added.end());
    if (lines.size() == 1 && lines[0].empty()) lines.clear();  // an empty file is no line, not a blank one
    std::size_t at = rows.empty() ? lines.size() : static_cast<std::size_t>(rows.back().Line) + 1;
    for (const auto& row : added) lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(at++), row.second);
    update.Added = static_cast<int>(added.size());
    update.Changed += update.Added;

    UpdateHeader(lines, update.Date, source);
    std::string text;
    for (const std::string& line : lines) text.append(line).append("\r\n");
    CheckMergeReadsAsMeant(fileText, text, usdPerUnit);
    return text;
}

RatesUpdate UpdateCurrencyFile(const std::string& programDir, const PublishedRates& rates, const std::string& source)
{
    CheckPublishedRates(rates);
    const std::string path = programDir + CurrencyFileName;
    std::error_code ec;
    std::string old = DefaultCurrencyFileText();
    if (std::filesystem::exists(std::filesystem::symlink_status(path, ec))) {
        old = ReadTextFile(path);
    }
    // Merged in Windows-1252, written back in the encoding found.
    const RatesFileEncoding encoding = DetectRatesFileEncoding(old);
    if (!FitsWindows1252(old)) throw ERatesError(msg::RatesFileCharacters, path);
    old = RatesTextOfFile(old);
    CheckRatesDate(rates.Date, RatesFileIsoDate(old), TodayIsoDate());
    RatesUpdate update;
    std::string text;
    try {
        text = RatesFileOfText(MergePublishedRates(old, rates, source, update), encoding);
    } catch (const EWordReaderError& e) {
        throw ERatesError(msg::RatesFileUnreadable + std::string(e.what()), path);
    }
    CheckRatesFileSize(text, path);
    WriteFileAtomically(path, [&text](std::FILE* file) {
        if (std::fwrite(text.data(), 1, text.size(), file) != text.size()) throw EWriteError();
    });
    return update;
}

std::string CurrencyRatesDate(const std::string& programDir)
{
    const std::string path = programDir + CurrencyFileName;
    std::error_code ec;
    try {
        const TWordReader reader = std::filesystem::exists(path, ec) ? TWordReader(path)
                                                                     : TWordReader::FromText(DefaultCurrencyFileText());
        for (const TWordContainer& line : reader.Lines) {
            if (!StartsWith(line.RawLine, AccurateAsOf)) continue;
            std::string date = line.RawLine.substr(std::char_traits<char>::length(AccurateAsOf));
            date = date.substr(0, date.find(" ("));
            date.erase(date.find_last_not_of(" \t") + 1);
            return date;
        }
    } catch (const EQuantovaError&) {
    }
    return {};
}

std::string RatesUpdateMessage(const RatesUpdate& update)
{
    std::string text = "Rates of " + update.Date + ": ";
    if (update.Changed == 0) return text + "no currency changed";
    text += std::to_string(update.Changed) + (update.Changed == 1 ? " currency changed" : " currencies changed");
    if (update.Added > 0) text += ", " + std::to_string(update.Added) + " of them added";
    return text;
}

}  // namespace qv
