// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Rows of text cells written for a terminal (aligned columns) or for
// programs (tab- or comma-separated values, JSON). Cells hold the model's
// Windows-1252 text; the output is UTF-8 with control characters replaced
// (JSON escapes them instead). Columns marked as numbers are JSON numbers,
// written with '.' whatever the decimal separator.

#include <string>
#include <vector>

namespace qv::cli {

enum class OutputFormat { Table, Tsv, Csv, Json };

class Table {
public:
    // `keys` name the columns: the JSON keys and the header of TSV and CSV.
    explicit Table(std::vector<std::string> keys)
        : keys_(std::move(keys)),
          numbers_(keys_.size(), false),
          nulls_(keys_.size(), false)
    {
    }

    void SetNumber(std::size_t column) { numbers_.at(column) = true; }
    // An empty cell of this column is JSON null (number columns always are).
    void SetNullWhenEmpty(std::size_t column) { nulls_.at(column) = true; }
    void AddRow(std::vector<std::string> cells) { rows_.push_back(std::move(cells)); }

    // Table: no header, every column but the last padded to its widest cell.
    // TSV and CSV: a header line, then one line per row. JSON: an array of
    // objects, one per row.
    void WriteTo(std::string& out, OutputFormat format) const;

    // The same piece by piece, for rows that come one at a time (not for
    // Table). A JSON record begins with ",": the writer drops the first one.
    void WriteHeader(std::string& out, OutputFormat format) const;
    void WriteRecord(std::string& out, OutputFormat format, const std::vector<std::string>& cells) const;
    static void WriteFooter(std::string& out, OutputFormat format, bool anyRecord);

private:
    std::vector<std::string> keys_;
    std::vector<bool> numbers_, nulls_;
    std::vector<std::vector<std::string>> rows_;
};

}  // namespace qv::cli
