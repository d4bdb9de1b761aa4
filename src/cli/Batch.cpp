// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/Batch.h"

#include "catalogue/Cp1252.h"
#include "cli/CliErrors.h"
#include "expr/NumberText.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <memory>
#include <poll.h>
#include <string>
#include <string_view>
#include <thread>
#include <unistd.h>
#include <unordered_map>
#include <vector>

namespace qv::cli {
namespace {

constexpr std::size_t BlockLines = 1 << 16;     // at most this many lines are converted together
constexpr std::size_t MinShareLines = 1 << 12;  // below this a thread costs more than it saves
constexpr std::size_t MaxThreads = 8;
constexpr std::size_t MaxWords = 16;            // bounds the search for multi-word units
constexpr std::size_t MaxLineBytes = 1 << 20;   // a longer line is refused
constexpr std::size_t MaxBlockBytes = 1 << 24;  // so long lines cannot make a block huge
constexpr std::size_t ReadBytes = 1 << 16;

bool outputClosed = false;

bool IsBlank(char c)
{
    return c == ' ' || c == '\t';
}

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
            parts.push_back(
                Trim(line.substr(start, tab == std::string_view::npos ? std::string_view::npos : tab - start)));
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

// A line's parts as the conversion read them (Windows-1252).
struct Parts {
    std::string value, from, to;
};

class BatchRun {
public:
    BatchRun(Converter& converter, std::int32_t category) : converter_(converter), category_(category) {}

    // Appends the result text of one line to `result`, or raises the line's
    // error; `parts` get what was read, as far as it was.
    void ConvertLine(std::string_view line, Parts& parts, std::string& result)
    {
        const bool byTabs = line.find('\t') != std::string_view::npos;
        const std::vector<std::string_view> words = Split(line, byTabs);
        if (words.size() < 3 || (byTabs && words.size() != 3) || words.size() > MaxWords) {
            parts.value.assign(line);
            throw ECliError(ExitUsage, msg::BatchLineShape);
        }
        if (byTabs || words.size() == 3) return Convert(words[0], words[1], words[2], parts, result);

        // Blank-separated words: the value and the units may hold blanks
        // ("1 ft surv m"); take the first split whose units are found.
        for (std::size_t valueEnd = 1; valueEnd + 2 <= words.size(); ++valueEnd) {
            for (std::size_t fromEnd = valueEnd + 1; fromEnd + 1 <= words.size(); ++fromEnd) {
                const std::string from = JoinWords(words, valueEnd, fromEnd);
                const std::string to = JoinWords(words, fromEnd, words.size());
                if (Find(from, to, nullptr)) return Convert(JoinWords(words, 0, valueEnd), from, to, parts, result);
            }
        }
        Convert(words[0], words[1], JoinWords(words, 2, words.size()), parts, result);
    }

private:
    void Convert(std::string_view valueText, std::string_view from, std::string_view to, Parts& parts,
                 std::string& result)
    {
        parts.value.assign(valueText);
        parts.from.assign(from);
        parts.to.assign(to);
        ResolveError error;
        const Resolution* units = Find(from, to, &error);
        if (!units) throw ECliError(error.Status, error.Message);
        const Extended value = ReadValue(parts.value);
        const std::string text = converter_.Text(
            converter_.Convert(units->Category, units->From, value, units->To.front()));
        result += asciiSeparator_ ? text : Cp1252ToUtf8(text);
    }

    // The resolved units of a FROM/TO pair, remembered for the next lines.
    const Resolution* Find(std::string_view from, std::string_view to, ResolveError* error)
    {
        key_.assign(from).append(1, '\0').append(to);
        if (auto it = cache_.find(key_); it != cache_.end()) return &it->second;
        Resolution resolution;
        const std::string target[] = {std::string(to)};
        if (!converter_.Lookup().TryResolve(from, target, category_, resolution, error)) return nullptr;
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

// An input line as read: its text, or the mark of a line that was too long.
struct InputLine {
    std::string text;
    bool tooLong = false;
};

// One thread's share of a block of lines. A conversion sets the category's
// value, so each worker converts on its own copy of the catalogue.
class Worker {
public:
    Worker(const Converter& model, std::int32_t category, const Table* records, std::optional<OutputFormat> format)
        : catalogue_(model.Catalogue()),
          converter_(catalogue_, model.Style(), model.Lookup().Unavailable()),
          run_(converter_, category),
          records_(records),
          format_(format)
    {
    }

    std::string results, errors;
    bool ok = true;

    void Convert(const std::vector<InputLine>& lines, std::size_t first, std::size_t last, long long firstNumber)
    {
        for (std::size_t i = first; i < last; ++i)
            ConvertOne(lines[i], firstNumber + static_cast<long long>(i - first));
    }

private:
    void ConvertOne(const InputLine& line, long long number)
    {
        const std::string_view raw = Trim(line.text);
        const bool skipped = !line.tooLong && (raw.empty() || raw.front() == '#');
        if (skipped) {
            if (!records_) results += '\n';
            return;
        }
        const std::size_t mark = results.size();
        std::string error;
        parts_.value.clear();
        parts_.from.clear();
        parts_.to.clear();
        try {
            if (line.tooLong) throw ECliError(ExitUsage, msg::LineTooLong);
            if (IsAscii(raw))
                run_.ConvertLine(raw, parts_, results);
            else
                run_.ConvertLine(Utf8ToCp1252(raw), parts_, results);
        } catch (const std::exception& e) {
            ok = false;
            results.resize(mark);
            error = TerminalMessage(e.what());
            errors.append(msg::ProgramName).append(": ").append(FormatMessage(msg::LinePrefix, std::to_string(number)));
            errors.append(error).append(1, '\n');
        }
        if (!records_) {
            results += '\n';
            return;
        }
        std::string result = results.substr(mark);
        results.resize(mark);
        // The record's cells are Windows-1252, as the table writes them.
        records_->WriteRecord(results, *format_,
                              {parts_.value, parts_.from, parts_.to, Utf8ToCp1252(result), Utf8ToCp1252(error)});
    }

    TCategories catalogue_;
    Converter converter_;
    BatchRun run_;
    const Table* records_;
    std::optional<OutputFormat> format_;
    Parts parts_;
};

// Writes all of `text`; false when the output is gone or failing.
bool WriteAll(std::FILE* out, const std::string& text)
{
    if (!text.empty() && std::fwrite(text.data(), 1, text.size(), out) != text.size()) return false;
    return std::fflush(out) == 0;
}

bool InputWaiting(int fd)
{
    pollfd p{fd, POLLIN, 0};
    return ::poll(&p, 1, 0) > 0;
}

class BatchWriter {
public:
    BatchWriter(Converter& converter, std::int32_t category, std::optional<OutputFormat> format, std::FILE* out,
                std::FILE* err)
        : converter_(converter),
          category_(category),
          format_(format),
          out_(out),
          err_(err)
    {
        if (format_) {
            records_ = std::make_unique<Table>(std::vector<std::string>{"value", "from", "to", "result", "error"});
            records_->SetNumber(3);
            records_->SetNullWhenEmpty(4);
        }
    }

    bool Begin()
    {
        std::string header;
        if (records_) records_->WriteHeader(header, *format_);
        return Write(header);
    }

    // Converts `count` lines, the first numbered `firstNumber`, and writes
    // the results in input order. False when the output is gone.
    bool Convert(const std::vector<InputLine>& lines, std::size_t count, long long firstNumber)
    {
        const std::size_t shares = std::clamp<std::size_t>(count / MinShareLines, 1, threads_);
        // Each worker copies the catalogue: made when a block first needs it,
        // so that a run answering a line at a time makes one.
        while (workers_.size() < shares)
            workers_.push_back(std::make_unique<Worker>(converter_, category_, records_.get(), format_));
        const std::size_t share = (count + shares - 1) / shares;
        std::vector<std::thread> running;
        for (std::size_t s = 1; s < shares; ++s) {
            const std::size_t first = std::min(count, s * share), last = std::min(count, first + share);
            running.emplace_back([&, s, first, last] {
                workers_[s]->Convert(lines, first, last, firstNumber + static_cast<long long>(first));
            });
        }
        workers_[0]->Convert(lines, 0, std::min(count, share), firstNumber);
        for (std::thread& t : running) t.join();

        for (std::size_t s = 0; s < shares; ++s) {
            Worker& w = *workers_[s];
            ok_ = ok_ && w.ok;
            if (!Write(w.results)) return false;
            w.results.clear();
            // A stretch's errors follow its results, so a terminal showing both shows them in order.
            std::fputs(w.errors.c_str(), err_);
            w.errors.clear();
        }
        return true;
    }

    bool End()
    {
        std::string footer;
        if (format_) Table::WriteFooter(footer, *format_, anyRecord_);
        return Write(footer);
    }

    bool Ok() const { return ok_; }

private:
    bool Write(std::string& text)
    {
        if (format_ == OutputFormat::Json && !anyRecord_ && text.starts_with(",")) {
            text.erase(0, 1);
            anyRecord_ = true;
        }
        if (WriteAll(out_, text)) return true;
        outputClosed = errno == EPIPE;
        if (!outputClosed)
            std::fprintf(err_, "%s: %s\n", msg::ProgramName,
                         FormatMessage(msg::CannotWriteOutput, std::strerror(errno)).c_str());
        return false;
    }

    const Converter& converter_;
    std::int32_t category_;
    std::optional<OutputFormat> format_;
    std::FILE* out_;
    std::FILE* err_;
    std::unique_ptr<Table> records_;
    const std::size_t threads_ = std::clamp<std::size_t>(std::thread::hardware_concurrency(), 1, MaxThreads);
    std::vector<std::unique_ptr<Worker>> workers_;
    bool ok_ = true;
    bool anyRecord_ = false;
};

}  // namespace

bool OutputClosed()
{
    return outputClosed;
}

int RunBatch(Converter& converter, std::int32_t category, std::optional<OutputFormat> format, std::FILE* in,
             std::FILE* out, std::FILE* err)
{
    BatchWriter writer(converter, category, format, out, err);
    if (!writer.Begin()) return ExitData;

    const int fd = ::fileno(in);
    std::vector<InputLine> lines(BlockLines);
    std::size_t count = 0, blockBytes = 0;
    long long nextNumber = 1;
    std::string partial;   // the line read so far
    bool tooLong = false;  // the line read so far is over the limit: its rest is dropped
    const auto endLine = [&] {
        blockBytes += partial.size();
        lines[count].text.swap(partial);
        lines[count].tooLong = tooLong;
        partial.clear();
        tooLong = false;
        ++count;
    };
    const auto flush = [&] {
        const bool written = writer.Convert(lines, count, nextNumber);
        // Slots keep their buffers for the next block, but not those of long lines.
        for (std::size_t i = 0; i < count; ++i)
            if (lines[i].text.capacity() > 4096) std::string().swap(lines[i].text);
        nextNumber += static_cast<long long>(count);
        count = 0;
        blockBytes = 0;
        return written;
    };

    std::vector<char> buffer(ReadBytes);
    for (;;) {
        const ssize_t got = ::read(fd, buffer.data(), buffer.size());
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) {
            const int error = errno;
            if (count > 0 && !flush()) return ExitData;
            std::fprintf(err, "%s: %s\n", msg::ProgramName,
                         FormatMessage(msg::CannotReadInput, std::strerror(error)).c_str());
            return ExitData;
        }
        if (got == 0) break;
        std::string_view chunk(buffer.data(), static_cast<std::size_t>(got));
        while (!chunk.empty()) {
            const std::size_t newline = chunk.find('\n');
            const std::string_view piece = chunk.substr(0, newline);
            if (!tooLong && partial.size() + piece.size() > MaxLineBytes) {
                tooLong = true;
                partial.clear();
                partial.shrink_to_fit();
            }
            if (!tooLong) partial.append(piece);
            if (newline == std::string_view::npos) break;
            chunk.remove_prefix(newline + 1);
            endLine();
            if ((count == BlockLines || blockBytes >= MaxBlockBytes) && !flush()) return ExitData;
        }
        // Answer what is complete once the writer pauses.
        if (count > 0 && !InputWaiting(fd) && !flush()) return ExitData;
    }
    if (!partial.empty() || tooLong) endLine();
    if (count > 0 && !flush()) return ExitData;
    if (!writer.End()) return ExitData;
    return writer.Ok() ? ExitOk : ExitLineFailed;
}

}  // namespace qv::cli
