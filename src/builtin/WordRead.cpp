// SPDX-License-Identifier: GPL-3.0-or-later
#include "builtin/WordRead.h"

#include "builtin/RatesEncoding.h"
#include "catalogue/FileAccess.h"
#include "catalogue/ValueStream.h"
#include "expr/NumberText.h"

#include <string_view>
#include <utility>

namespace qv {
namespace {

bool IsSeparator(char c)
{
    return c == ' ' || c == '\t';
}

constexpr std::string_view Utf8ByteOrderMark = "\xEF\xBB\xBF";

bool IsBlankOrControl(char c)
{
    return static_cast<unsigned char>(c) <= 32;
}

}  // namespace

TWordContainer::TWordContainer(std::string rawLine) : RawLine(std::move(rawLine))
{
    std::size_t begin = 0;
    std::size_t end = RawLine.size();
    while (begin < end && IsBlankOrControl(RawLine[begin])) ++begin;
    while (end > begin && IsBlankOrControl(RawLine[end - 1])) --end;
    while (begin < end) {
        std::size_t stop = begin;
        while (stop < end && !IsSeparator(RawLine[stop])) ++stop;
        emplace_back(RawLine, begin, stop - begin);
        Starts.push_back(begin);
        begin = stop;
        while (begin < end && IsBlankOrControl(RawLine[begin])) ++begin;
    }
}

bool IsNumericWord(const std::string& word, Extended* value)
{
    Extended v;
    if (!TryReadNumberAnySeparator(word, v)) return false;
    if (value) *value = v;
    return true;
}

TWordReader::TWordReader(const std::string& path)
{
    Load(RatesTextOfFile(ReadTextFile(path)));
}

TWordReader TWordReader::FromText(const std::string& text)
{
    TWordReader reader;
    reader.Load(text);
    return reader;
}

void TWordReader::Load(const std::string& text)
{
    // Like reading a text file line by line: an empty file is one blank line,
    // and a line break at the very end does not start another line. A UTF-8
    // byte-order mark, which some editors put first, is passed over rather
    // than read as part of the first word.
    std::size_t start = text.starts_with(Utf8ByteOrderMark) ? Utf8ByteOrderMark.size() : 0;
    do {
        std::size_t stop = text.find_first_of("\r\n", start);
        if (stop == std::string::npos) stop = text.size();
        Lines.emplace_back(text.substr(start, stop - start));
        start = stop;
        if (start < text.size()) start += text.compare(start, 2, "\r\n") == 0 ? 2 : 1;
    } while (start < text.size());
}

bool TWordReader::HasWords() const
{
    for (const TWordContainer& line : Lines)
        if (!line.empty()) return true;
    return false;
}

void TWordReader::SkipUsedLines()
{
    while (!AtEnd() && WordIndex >= static_cast<std::int32_t>(Lines[LineIndex].size())) {
        WordIndex = 0;
        ++LineIndex;
    }
}

void TWordReader::SeekWord()
{
    SkipUsedLines();
    if (AtEnd()) throw EWordReaderError(msg::FileIncomplete);
}

std::string TWordReader::ReadWord()
{
    SeekWord();
    return Lines[LineIndex][WordIndex++];
}

std::string TWordReader::ReadName()
{
    std::string name;
    for (;;) {
        SeekWord();
        const std::string& word = Lines[LineIndex][WordIndex];
        if (IsNumericWord(word)) return name;
        if (!name.empty()) name += ' ';
        name += word;
        ++WordIndex;
    }
}

Extended TWordReader::ReadNumber()
{
    const std::string word = ReadWord();
    Extended value;
    if (!IsNumericWord(word, &value)) {
        throw EWordReaderError("Error on Line " + std::to_string(LineIndex + 1) + " Item " + std::to_string(WordIndex) +
                               "\r" + msg::NumberExpected);
    }
    return value;
}

std::string TWordReader::NextLine()
{
    std::string raw = AtEnd() ? std::string() : Lines[LineIndex].RawLine;
    if (!AtEnd()) ++LineIndex;
    WordIndex = 0;
    return raw;
}

}  // namespace qv
