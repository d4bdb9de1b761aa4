// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/Table.h"

#include "catalogue/Cp1252.h"
#include "catalogue/UnitTable.h"
#include "cli/CliErrors.h"
#include "expr/NumberText.h"

#include <algorithm>
#include <cstdio>

namespace qv::cli {
namespace {

std::string TsvField(const std::string& cell)
{
    std::string field = Cp1252ToUtf8(cell);
    std::replace_if(
        field.begin(), field.end(), [](char c) { return c == '\t' || c == '\n' || c == '\r'; }, ' ');
    return Printable(field);
}

std::string CsvField(const std::string& cell)
{
    std::string field = Cp1252ToUtf8(cell);
    std::replace_if(
        field.begin(), field.end(), [](char c) { return c == '\n' || c == '\r'; }, ' ');
    return CsvQuoted(Printable(field));
}

std::string JsonString(const std::string& cell)
{
    std::string text = "\"";
    const std::string utf8 = Cp1252ToUtf8(cell);
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        const char c = utf8[i];
        const auto b = static_cast<unsigned char>(c);
        // C1 controls (U+0080 to U+009F) are escaped like the C0 ones.
        const bool c1 = b == 0xC2 && i + 1 < utf8.size() && static_cast<unsigned char>(utf8[i + 1]) < 0xA0;
        if (c == '"' || c == '\\') {
            text += '\\';
            text += c;
        } else if (b < 0x20 || b == 0x7F || c1) {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\u%04x", c1 ? static_cast<unsigned char>(utf8[++i]) : b);
            text += escape;
        } else {
            text += c;
        }
    }
    return text + "\"";
}

// Whether `text` has the shape of a JSON number.
bool IsJsonNumber(std::string_view t)
{
    std::size_t i = 0;
    const auto digits = [&] {
        const std::size_t start = i;
        while (i < t.size() && t[i] >= '0' && t[i] <= '9') ++i;
        return i > start;
    };
    if (i < t.size() && t[i] == '-') ++i;
    if (i < t.size() && t[i] == '0')
        ++i;
    else if (!digits())
        return false;
    if (i < t.size() && t[i] == '.' && (++i, !digits())) return false;
    if (i < t.size() && (t[i] == 'e' || t[i] == 'E')) {
        ++i;
        if (i < t.size() && (t[i] == '+' || t[i] == '-')) ++i;
        if (!digits()) return false;
    }
    return i == t.size();
}

// A number cell as JSON: '.' for the separator; text that is no number stays a string.
std::string JsonNumber(const std::string& cell)
{
    if (cell.empty()) return "null";
    std::string number = cell;
    std::replace(number.begin(), number.end(), DecimalSeparator(), '.');
    return IsJsonNumber(number) ? number : JsonString(cell);
}

}  // namespace

void Table::WriteHeader(std::string& out, OutputFormat format) const
{
    if (format == OutputFormat::Json) out += '[';
    if (format != OutputFormat::Tsv && format != OutputFormat::Csv) return;
    for (std::size_t i = 0; i < keys_.size(); ++i) {
        if (i > 0) out += format == OutputFormat::Tsv ? '\t' : ',';
        out += format == OutputFormat::Tsv ? TsvField(keys_[i]) : CsvField(keys_[i]);
    }
    out += '\n';
}

void Table::WriteRecord(std::string& out, OutputFormat format, const std::vector<std::string>& cells) const
{
    if (format == OutputFormat::Json) {
        out += ",\n  {";
        for (std::size_t i = 0; i < cells.size() && i < keys_.size(); ++i)
            out += (i == 0 ? "" : ", ") + JsonString(keys_[i]) + ": " +
                   (numbers_[i]                     ? JsonNumber(cells[i])
                    : nulls_[i] && cells[i].empty() ? std::string("null")
                                                    : JsonString(cells[i]));
        out += '}';
        return;
    }
    for (std::size_t i = 0; i < cells.size(); ++i) {
        if (i > 0) out += format == OutputFormat::Tsv ? '\t' : ',';
        out += format == OutputFormat::Tsv ? TsvField(cells[i]) : CsvField(cells[i]);
    }
    out += '\n';
}

void Table::WriteFooter(std::string& out, OutputFormat format, bool anyRecord)
{
    if (format == OutputFormat::Json) out += anyRecord ? "\n]\n" : "]\n";
}

void Table::WriteTo(std::string& out, OutputFormat format) const
{
    if (format != OutputFormat::Table) {
        WriteHeader(out, format);
        std::string records;
        for (const auto& row : rows_) WriteRecord(records, format, row);
        if (format == OutputFormat::Json && !records.empty()) records.erase(0, 1);
        out += records;
        WriteFooter(out, format, !rows_.empty());
        return;
    }
    // One Windows-1252 byte is one character on the screen.
    std::vector<std::size_t> widths(keys_.size(), 0);
    for (const auto& row : rows_)
        for (std::size_t i = 0; i < row.size(); ++i) widths[i] = std::max(widths[i], row[i].size());
    for (const auto& row : rows_) {
        std::string line;
        for (std::size_t i = 0; i < row.size(); ++i) {
            line += TsvField(row[i]);
            if (i + 1 < row.size()) line.append(widths[i] - row[i].size() + 2, ' ');
        }
        while (!line.empty() && line.back() == ' ') line.pop_back();
        out += line + '\n';
    }
}

}  // namespace qv::cli
