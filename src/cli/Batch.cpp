#include "cli/Batch.h"

#include "catalogue/Cp1252.h"
#include "cli/CliErrors.h"
#include "expr/NumberText.h"

#include <cstdlib>
#include <string>
#include <string_view>
#include <unistd.h>
#include <unordered_map>
#include <vector>

namespace qv::cli {
namespace {

constexpr std::size_t FlushSize = 1 << 16;
constexpr std::size_t MaxWords = 16;  // bounds the search for multi-word units

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view Trim(std::string_view s)
{
    while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
    while (!s.empty() && (IsBlank(s.back()) || s.back() == '\r' || s.back() == '\n')) s.remove_suffix(1);
    return s;
}

std::vector<std::string_view> Split(std::string_view line, bool byTabs)
{
    std::vector<std::string_view> parts;
    if (byTabs) {
        for (std::size_t start = 0;;) {
            const std::size_t tab = line.find('\t', start);
            parts.push_back(Trim(line.substr(start, tab == std::string_view::npos ? std::string_view::npos : tab - start)));
            if (tab == std::string_view::npos) break;
            start = tab + 1;
        }
        return parts;
    }
    for (std::size_t i = 0; i < line.size();) {
        while (i < line.size() && IsBlank(line[i])) ++i;
        const std::size_t start = i;
        while (i < line.size() && !IsBlank(line[i])) ++i;
        if (i > start) parts.push_back(line.substr(start, i - start));
    }
    return parts;
}

// Words first..last-1 joined by single blanks, as a unit's symbol has them.
std::string JoinWords(const std::vector<std::string_view>& words, std::size_t first, std::size_t last)
{
    std::string text;
    for (std::size_t i = first; i < last; ++i) {
        if (i > first) text += ' ';
        text += words[i];
    }
    return text;
}

class BatchRun {
public:
    BatchRun(Converter& converter, std::int32_t category) : converter_(converter), category_(category) {}

    // The result text of one line, or raises the line's error.
    std::string ConvertLine(std::string_view line)
    {
        const bool byTabs = line.find('\t') != std::string_view::npos;
        const std::vector<std::string_view> parts = Split(line, byTabs);
        if (parts.size() < 3 || (byTabs && parts.size() != 3) || parts.size() > MaxWords)
            throw ECliError(ExitUsage, msg::BatchLineShape);
        if (byTabs || parts.size() == 3) return Convert(parts[0], parts[1], parts[2]);

        // Blank-separated words: the value and the units may hold blanks
        // ("1 ft surv m"); take the first split whose units are found.
        for (std::size_t valueEnd = 1; valueEnd + 2 <= parts.size(); ++valueEnd) {
            for (std::size_t fromEnd = valueEnd + 1; fromEnd + 1 <= parts.size(); ++fromEnd) {
                const std::string from = JoinWords(parts, valueEnd, fromEnd);
                const std::string to = JoinWords(parts, fromEnd, parts.size());
                if (Find(from, to, nullptr))
                    return Convert(JoinWords(parts, 0, valueEnd), from, to);
            }
        }
        return Convert(parts[0], parts[1], JoinWords(parts, 2, parts.size()));
    }

private:
    std::string Convert(std::string_view valueText, std::string_view from, std::string_view to)
    {
        ResolveError error;
        const Resolution* units = Find(from, to, &error);
        if (!units) throw ECliError(error.Status, error.Message);
        const Extended value = ReadValue(std::string(valueText));
        std::string text = converter_.Text(converter_.Convert(units->Category, units->From, value, units->To.front()));
        return asciiSeparator_ ? text : Cp1252ToUtf8(text);
    }

    // The resolved units of a FROM/TO pair, remembered for the next lines.
    const Resolution* Find(std::string_view from, std::string_view to, ResolveError* error)
    {
        key_.assign(from).append(1, '\0').append(to);
        if (auto it = cache_.find(key_); it != cache_.end()) return &it->second;
        Resolution resolution;
        ResolveError ignored;
        const std::string target[] = {std::string(to)};
        if (!converter_.Lookup().TryResolve(from, target, category_, resolution, error ? *error : ignored))
            return nullptr;
        return &cache_.emplace(key_, std::move(resolution)).first->second;
    }

    Converter& converter_;
    std::int32_t category_;
    const bool asciiSeparator_ = static_cast<unsigned char>(DecimalSeparator()) < 0x80;
    std::unordered_map<std::string, Resolution> cache_;
    std::string key_;
};

bool IsAscii(std::string_view s)
{
    for (char c : s)
        if (static_cast<unsigned char>(c) >= 0x80) return false;
    return true;
}

}  // namespace

int RunBatch(Converter& converter, std::int32_t category, std::FILE* in, std::FILE* out, std::FILE* err)
{
    BatchRun run(converter, category);
    std::string results;
    results.reserve(FlushSize + 256);
    const auto flush = [&results, out] {
        std::fwrite(results.data(), 1, results.size(), out);
        results.clear();
    };

    // Someone typing at a terminal wants each answer at once.
    const bool interactive = ::isatty(::fileno(in)) || ::isatty(::fileno(out));
    int status = ExitOk;
    char* buffer = nullptr;
    std::size_t capacity = 0;
    long long lineNumber = 0;
    for (ssize_t length; (length = ::getline(&buffer, &capacity, in)) >= 0;) {
        ++lineNumber;
        const std::string_view raw = Trim(std::string_view(buffer, static_cast<std::size_t>(length)));
        if (!raw.empty()) {
            try {
                results += IsAscii(raw) ? run.ConvertLine(raw) : run.ConvertLine(Utf8ToCp1252(raw));
            } catch (const std::exception& e) {
                status = ExitLineFailed;
                flush();
                std::fflush(out);
                std::fprintf(err, "%s: %s%s\n", msg::ProgramName, Format(msg::LinePrefix, std::to_string(lineNumber)).c_str(),
                             TerminalMessage(e.what()).c_str());
            }
        }
        results += '\n';
        if (results.size() >= FlushSize || interactive) {
            flush();
            if (interactive) std::fflush(out);
        }
    }
    std::free(buffer);
    flush();
    return status;
}

}  // namespace qv::cli
