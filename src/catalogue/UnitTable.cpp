#include "catalogue/UnitTable.h"

#include "catalogue/Cp1252.h"
#include "catalogue/FileAccess.h"
#include "catalogue/ValueStream.h"

#include <cerrno>
#include <cstring>

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
    std::string utf8 = Cp1252ToUtf8(field);
    if (utf8.find_first_of(",\"\r\n") == std::string::npos) return utf8;
    std::string out = "\"";
    for (char c : utf8) {
        if (c == '"') out += '"';
        out += c;
    }
    return out + '"';
}

void AppendCsvLine(std::string& out, const std::string& a, const std::string& b, const std::string& c)
{
    out += CsvField(a) + ',' + CsvField(b) + ',' + CsvField(c) + "\r\n";
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

std::string TableAsCsv(const TableHeading& heading, const std::vector<TableRow>& rows)
{
    std::string out;
    AppendCsvLine(out, heading.Category, heading.Value, heading.Unit);
    for (const TableRow& row : rows) AppendCsvLine(out, row.Symbol, row.Definition, row.Value);
    return out;
}

void SaveTableAsCsv(const std::string& path, const TableHeading& heading, const std::vector<TableRow>& rows)
{
    const std::string text = TableAsCsv(heading, rows);
    errno = 0;
    try {
        WriteFileAtomically(path, [&](std::FILE* file) {
            if (std::fwrite(text.data(), 1, text.size(), file) != text.size()) throw EWriteError();
        });
    } catch (const EFileError& e) {
        // The C library leaves the cause of the failed open, write or flush
        // in errno; the user needs it to put things right (a full disk, a
        // folder without write permission).
        const int cause = errno;
        if (cause == 0) throw;
        const std::string reason = std::string(" (") + std::strerror(cause) + ")";
        EFileError withCause = e.Pattern().empty() ? EFileError(std::string(e.what()) + reason)
                                                   : EFileError(e.Pattern() + reason, e.Path());
        withCause.SetUnsavedFile(e.UnsavedFile());
        throw withCause;
    }
}

}  // namespace qv
