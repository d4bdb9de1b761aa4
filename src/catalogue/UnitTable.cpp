// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogue/UnitTable.h"

#include "catalogue/Cp1252.h"
#include "catalogue/FileAccess.h"
#include "catalogue/ValueStream.h"

#include <cerrno>
#include <cstring>
#include <string_view>

namespace qv {
namespace {

std::string TextField(const std::string& field)
{
    std::string out = field;
    for (char& c : out)
        if (c == '\t' || c == '\r' || c == '\n') c = ' ';
    return out;
}

std::string HtmlField(const std::string& field)
{
    std::string out;
    out.reserve(field.size());
    for (char c : field) {
        switch (c) {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '"': out += "&quot;"; break;
        default: out += c;
        }
    }
    return out;
}

std::string CsvField(const std::string& field)
{
    return CsvQuoted(Cp1252ToUtf8(field));
}

// A text cell that a spreadsheet would take for a formula gets a leading
// apostrophe, which makes it text there; numbers are written as they are.
std::string CsvTextField(const std::string& field)
{
    const bool formula = !field.empty() && std::string_view("=+-@\t\r").find(field[0]) != std::string_view::npos;
    return CsvField(formula ? "'" + field : field);
}

// Text, number, text: the heading's category, value and unit, or a row's
// symbol, definition and value.
void AppendCsvLine(std::string& out, const std::string& text, const std::string& middle, const std::string& last,
                   bool middleIsText)
{
    out += CsvTextField(text) + ',' + (middleIsText ? CsvTextField(middle) : CsvField(middle)) + ',' +
           (middleIsText ? CsvField(last) : CsvTextField(last)) + "\r\n";
}

}  // namespace

std::string TableAsText(const std::vector<TableRow>& rows)
{
    std::string out;
    for (const TableRow& row : rows)
        out += TextField(row.Symbol) + '\t' + TextField(row.Definition) + '\t' + TextField(row.Value) + '\n';
    return out;
}

std::string TableAsHtml(const std::vector<TableRow>& rows)
{
    std::string out = "<table>\n";
    for (const TableRow& row : rows) {
        out += "<tr><td>" + HtmlField(row.Symbol) + "</td><td>" + HtmlField(row.Definition) + "</td><td>" +
               HtmlField(row.Value) + "</td></tr>\n";
    }
    return out + "</table>\n";
}

std::string CsvQuoted(const std::string& field)
{
    if (field.find_first_of(",\"\r\n") == std::string::npos) return field;
    std::string out = "\"";
    for (char c : field) {
        if (c == '"') out += '"';
        out += c;
    }
    return out + '"';
}

std::string TableAsCsv(const TableHeading& heading, const std::vector<TableRow>& rows)
{
    std::string out;
    AppendCsvLine(out, heading.Category, heading.Value, heading.Unit, false);
    for (const TableRow& row : rows) AppendCsvLine(out, row.Symbol, row.Definition, row.Value, true);
    return out;
}

void SaveTableAsCsv(const std::string& path, const TableHeading& heading, const std::vector<TableRow>& rows)
{
    WriteTextFileAtomically(path, TableAsCsv(heading, rows));
}

}  // namespace qv
