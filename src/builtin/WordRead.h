// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A text file as lines of words, handed out one word at a time. Words are
// separated by blanks and tabs; a word is never empty. Blank lines are
// passed over wherever a word is wanted.

#include "catalogue/Errors.h"
#include "catalogue/Extended.h"

#include "catalogue/FileAccess.h"

#include <cstdint>
#include <string>
#include <vector>

namespace qv {

namespace msg {
inline constexpr const char* FileIncomplete = "This file either invalid or incomplete.";
inline constexpr const char* NumberExpected = "A floating point number was expected but not found.";
}  // namespace msg

class EWordReaderError : public EQuantovaError {
public:
    using EQuantovaError::EQuantovaError;
};

// The words of one line.
class TWordContainer : public std::vector<std::string> {
public:
    explicit TWordContainer(std::string rawLine);
    std::string RawLine;              // the line exactly as read
    std::vector<std::size_t> Starts;  // where each word begins in RawLine
};

// Whether a word reads as a number. The rates file is read with "." as well
// as the user's decimal separator, so the file Quantova writes itself reads
// in every locale.
bool IsNumericWord(const std::string& word, Extended* value = nullptr);

// The largest text file the reader loads. Its lines and words take several
// times the file's size in memory, so a larger file (a rates file is a few
// kilobytes) is refused before it is read.
inline constexpr std::uint64_t MaxWordFileSize = MaxTextFileSize;

class TWordReader {
public:
    // Loads the whole file. Raises EFileError as ReadTextFile does: "Cannot
    // open file <path>", "<path> is not a regular file", "<path> is larger
    // than 1 MiB, the most Quantova reads".
    explicit TWordReader(const std::string& path);
    // Splits text as if it were a file's content (CR LF, LF or CR end a line).
    static TWordReader FromText(const std::string& text);

    bool AtEnd() const { return LineIndex == static_cast<std::int32_t>(Lines.size()); }
    bool HasWords() const;

    std::string ReadWord();
    // The words up to the next numeric word, joined by single blanks; the
    // numeric word stays unread. Continues onto following lines if needed.
    std::string ReadName();
    // The next word as a number, or "Error on Line n Item m" and the reason.
    Extended ReadNumber();
    // The current line as read; moves to the first word of the next line.
    std::string NextLine();
    // Moves past used-up and blank lines, so that AtEnd() tells whether a
    // word is left.
    void SkipUsedLines();

    std::vector<TWordContainer> Lines;
    std::int32_t LineIndex = 0;
    std::int32_t WordIndex = 0;

private:
    TWordReader() = default;
    void Load(const std::string& text);
    // Like SkipUsedLines, but fails at the end.
    void SeekWord();
};

}  // namespace qv
