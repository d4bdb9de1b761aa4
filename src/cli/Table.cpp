#include "cli/Table.h"

#include "catalogue/Cp1252.h"

#include <algorithm>
#include <cstdio>

namespace qv::cli {
namespace {

std::string TsvField(const std::string& cell)
{
    std::string field = Cp1252ToUtf8(cell);
    std::replace_if(field.begin(), field.end(), [](char c) { return c == '\t' || c == '\n' || c == '\r'; }, ' ');
    return field;
}

std::string CsvField(const std::string& cell)
{
    std::string field = Cp1252ToUtf8(cell);
    if (field.find_first_of(",\"\r\n") == std::string::npos) return field;
    std::string quoted = "\"";
    for (char c : field) quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    return quoted + "\"";
}

std::string JsonString(const std::string& cell)
{
    std::string text = "\"";
    for (char c : Cp1252ToUtf8(cell)) {
        const auto b = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            text += '\\';
            text += c;
        } else if (b < 0x20) {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\u%04x", b);
            text += escape;
        } else {
            text += c;
        }
    }
    return text + "\"";
}

void WriteSeparated(std::string& out, const std::vector<std::vector<std::string>>& lines, char separator,
                    std::string (*field)(const std::string&))
{
    for (const auto& cells : lines) {
        for (std::size_t i = 0; i < cells.size(); ++i) {
            if (i > 0) out += separator;
            out += field(cells[i]);
        }
        out += '\n';
    }
}

}  // namespace

void Table::WriteTo(std::string& out, OutputFormat format) const
{
    switch (format) {
    case OutputFormat::Table: {
        // One Windows-1252 byte is one character on the screen.
        std::vector<std::size_t> widths(keys_.size(), 0);
        for (const auto& row : rows_)
            for (std::size_t i = 0; i < row.size(); ++i) widths[i] = std::max(widths[i], row[i].size());
        for (const auto& row : rows_) {
            std::string line;
            for (std::size_t i = 0; i < row.size(); ++i) {
                line += Cp1252ToUtf8(row[i]);
                if (i + 1 < row.size()) line.append(widths[i] - row[i].size() + 2, ' ');
            }
            while (!line.empty() && line.back() == ' ') line.pop_back();
            out += line + '\n';
        }
        break;
    }
    case OutputFormat::Tsv:
    case OutputFormat::Csv: {
        std::vector<std::vector<std::string>> lines{keys_};
        lines.insert(lines.end(), rows_.begin(), rows_.end());
        if (format == OutputFormat::Tsv)
            WriteSeparated(out, lines, '\t', TsvField);
        else
            WriteSeparated(out, lines, ',', CsvField);
        break;
    }
    case OutputFormat::Json:
        out += '[';
        for (std::size_t r = 0; r < rows_.size(); ++r) {
            out += r == 0 ? "\n  {" : ",\n  {";
            for (std::size_t i = 0; i < rows_[r].size() && i < keys_.size(); ++i)
                out += (i == 0 ? "" : ", ") + JsonString(keys_[i]) + ": " + JsonString(rows_[r][i]);
            out += '}';
        }
        out += rows_.empty() ? "]\n" : "\n]\n";
        break;
    }
}

}  // namespace qv::cli
