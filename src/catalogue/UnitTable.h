// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The list of units as a table to take elsewhere: tab-separated text and an
// HTML table for the clipboard, CSV for a file. A row is a unit: its symbol,
// its definition and the converted value exactly as the window shows it.

#include <string>
#include <vector>

namespace qv {

// Model texts: Windows-1252.
struct TableRow {
    std::string Symbol;
    std::string Definition;
    std::string Value;
};

// What the table shows: the category, the entered value and its unit.
struct TableHeading {
    std::string Category;
    std::string Value;
    std::string Unit;
};

// One line a row, fields separated by tabs, each line ending in "\n". Tabs
// and line breaks inside a field become spaces, so the table keeps its shape.
// Windows-1252.
std::string TableAsText(const std::vector<TableRow>& rows);

// The same rows as an HTML table, "&", "<", ">" and '"' escaped. Windows-1252.
std::string TableAsHtml(const std::vector<TableRow>& rows);

// The table as CSV in UTF-8: a first line with the heading (category, value,
// unit), then a line a row; fields quoted when they hold a comma, a quote or
// a line break, quotes doubled, lines ending in CR LF.
std::string TableAsCsv(const TableHeading& heading, const std::vector<TableRow>& rows);

// One CSV field: as it is, or in quotes with its quotes doubled when it holds
// a comma, a quote or a line break. Any encoding that keeps ASCII as it is.
std::string CsvQuoted(const std::string& field);

// Writes TableAsCsv to `path` (a file-system path) through a temporary file
// renamed over it, so a failed save leaves no partial file and an old file
// as it was. Raises EFileError with the path and the system's reason,
// "Cannot create file /x/t.csv (Permission denied)".
void SaveTableAsCsv(const std::string& path, const TableHeading& heading, const std::vector<TableRow>& rows);

}  // namespace qv
