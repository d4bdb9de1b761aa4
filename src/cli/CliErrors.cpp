#include "cli/CliErrors.h"

#include "catalogue/Cp1252.h"

namespace qv::cli {

std::string TerminalMessage(const std::string& message)
{
    std::string line;
    for (char c : message) {
        if (c == '\r' || c == '\n') {
            if (!line.empty() && line.back() != ' ') line += ' ';
        } else {
            line += c;
        }
    }
    return Cp1252ToUtf8(line);
}

}  // namespace qv::cli
