#pragma once

// Rows of text cells written for a terminal (aligned columns) or for
// programs (tab- or comma-separated values, JSON). Cells hold the model's
// Windows-1252 text; the output is UTF-8.

#include <string>
#include <vector>

namespace qv::cli {

enum class OutputFormat { Table, Tsv, Csv, Json };

class Table {
public:
    // `keys` name the columns: the JSON keys and the header of TSV and CSV.
    explicit Table(std::vector<std::string> keys) : keys_(std::move(keys)) {}

    void AddRow(std::vector<std::string> cells) { rows_.push_back(std::move(cells)); }

    // Table: no header, every column but the last padded to its widest cell.
    // TSV and CSV: a header line, then one line per row. JSON: an array of
    // objects, one per row, every value a string.
    void WriteTo(std::string& out, OutputFormat format) const;

private:
    std::vector<std::string> keys_;
    std::vector<std::vector<std::string>> rows_;
};

}  // namespace qv::cli
