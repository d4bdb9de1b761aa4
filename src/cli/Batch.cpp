#include "cli/Batch.h"

#include "catalogue/Cp1252.h"
#include "cli/CliErrors.h"
#include "expr/NumberText.h"

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <string>
#include <string_view>
#include <thread>
#include <unistd.h>
#include <unordered_map>
#include <vector>

namespace qv::cli {
namespace {

constexpr std::size_t BlockLines = 1 << 16;     // read, then converted in parallel
constexpr std::size_t MinShareLines = 1 << 12;  // below this a thread costs more than it saves
constexpr std::size_t MaxThreads = 8;
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

// Converts one input line: its result (or nothing) and a line break go to
// `results`, its error to `errors`. False when the line failed.
bool ConvertInto(BatchRun& run, std::string_view line, long long lineNumber, std::string& results, std::string& errors)
{
    bool ok = true;
    const std::string_view raw = Trim(line);
    if (!raw.empty()) {
        try {
            results += IsAscii(raw) ? run.ConvertLine(raw) : run.ConvertLine(Utf8ToCp1252(raw));
        } catch (const std::exception& e) {
            ok = false;
            errors.append(msg::ProgramName).append(": ").append(FormatMessage(msg::LinePrefix, std::to_string(lineNumber)));
            errors.append(TerminalMessage(e.what())).append(1, '\n');
        }
    }
    results += '\n';
    return ok;
}

// Writes what a stretch of lines produced; a stretch's errors follow its
// results, so that a terminal showing both shows them in order.
void Emit(std::string& results, std::string& errors, std::FILE* out, std::FILE* err)
{
    std::fwrite(results.data(), 1, results.size(), out);
    results.clear();
    if (errors.empty()) return;
    std::fflush(out);
    std::fputs(errors.c_str(), err);
    errors.clear();
}

// One thread's share of a block of lines. A conversion sets the category's
// value, so each worker converts on its own copy of the catalogue.
struct Worker {
    Worker(const Converter& model, std::int32_t category)
        : catalogue(model.Catalogue()), converter(catalogue, model.Style()), run(converter, category)
    {
    }
    TCategories catalogue;
    Converter converter;
    BatchRun run;
    std::string results, errors;
    bool ok = true;

    void Convert(const std::vector<std::string>& lines, std::size_t first, std::size_t last, long long firstNumber)
    {
        for (std::size_t i = first; i < last; ++i)
            ok &= ConvertInto(run, lines[i], firstNumber + static_cast<long long>(i - first), results, errors);
    }
};

int RunInteractive(Converter& converter, std::int32_t category, std::FILE* in, std::FILE* out, std::FILE* err)
{
    BatchRun run(converter, category);
    std::string results, errors;
    bool ok = true;
    char* buffer = nullptr;
    std::size_t capacity = 0;
    long long lineNumber = 0;
    for (ssize_t length; (length = ::getline(&buffer, &capacity, in)) >= 0;) {
        ok &= ConvertInto(run, std::string_view(buffer, static_cast<std::size_t>(length)), ++lineNumber, results, errors);
        Emit(results, errors, out, err);
        std::fflush(out);
    }
    std::free(buffer);
    return ok ? ExitOk : ExitLineFailed;
}

}  // namespace

int RunBatch(Converter& converter, std::int32_t category, std::FILE* in, std::FILE* out, std::FILE* err)
{
    // Someone typing at a terminal wants each answer at once.
    if (::isatty(::fileno(in)) || ::isatty(::fileno(out))) return RunInteractive(converter, category, in, out, err);

    // Otherwise blocks of lines are shared among the processor's cores and
    // their results written in input order.
    const std::size_t threads = std::clamp<std::size_t>(std::thread::hardware_concurrency(), 1, MaxThreads);
    std::vector<std::unique_ptr<Worker>> workers;
    for (std::size_t i = 0; i < threads; ++i) workers.push_back(std::make_unique<Worker>(converter, category));

    std::vector<std::string> lines(BlockLines);
    char* buffer = nullptr;
    std::size_t capacity = 0;
    long long nextNumber = 1;
    bool ok = true;
    for (bool more = true; more;) {
        std::size_t count = 0;
        for (ssize_t length; count < BlockLines && (length = ::getline(&buffer, &capacity, in)) >= 0; ++count)
            lines[count].assign(buffer, static_cast<std::size_t>(length));
        more = count == BlockLines;

        const std::size_t shares = std::clamp<std::size_t>(count / MinShareLines, 1, threads);
        const std::size_t share = (count + shares - 1) / shares;
        std::vector<std::thread> running;
        for (std::size_t s = 1; s < shares; ++s) {
            const std::size_t first = std::min(count, s * share), last = std::min(count, first + share);
            running.emplace_back([&, s, first, last] { workers[s]->Convert(lines, first, last, nextNumber + static_cast<long long>(first)); });
        }
        workers[0]->Convert(lines, 0, std::min(count, share), nextNumber);
        for (std::thread& t : running) t.join();

        for (std::size_t s = 0; s < shares; ++s) {
            Emit(workers[s]->results, workers[s]->errors, out, err);
            ok &= workers[s]->ok;
        }
        nextNumber += static_cast<long long>(count);
    }
    std::free(buffer);
    return ok ? ExitOk : ExitLineFailed;
}

}  // namespace qv::cli
