// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The tagged-value encoding of package files. Every item is one tag byte and
// a payload fixed by the tag; numbers are little-endian:
//   0 end of list      1 start of list     2/3/4 integer of 1/2/4 bytes
//   5 extended (10 bytes, x87 layout)      6 string, 1-byte length
//   8 false            9 true              12 string, 4-byte length
// Both directions go through a 1024-byte buffer.

#include "catalogue/Errors.h"
#include "catalogue/Extended.h"

#include <array>
#include <cstdint>
#include <cstdio>
#include <string>

namespace qv {

namespace msg {
inline constexpr const char* StreamRead = "Stream read error";
inline constexpr const char* StreamWrite = "Stream write error";
inline constexpr const char* InvalidProperty = "Invalid property value";
}  // namespace msg

class EReadError : public EFileError {
public:
    EReadError() : EFileError(msg::StreamRead) {}
};

class EWriteError : public EFileError {
public:
    EWriteError() : EFileError(msg::StreamWrite) {}
    explicit EWriteError(const std::string& message) : EFileError(message) {}
};

class EPropertyError : public EFileError {
public:
    EPropertyError() : EFileError(msg::InvalidProperty) {}
};

enum class ValueTag : std::uint8_t {
    Null = 0,
    List = 1,
    Int8 = 2,
    Int16 = 3,
    Int32 = 4,
    Real = 5,
    String = 6,
    False = 8,
    True = 9,
    LString = 12,
};

inline constexpr std::size_t ValueBufferSize = 1024;

// The longest string a package holds. No symbol, definition, name or caption
// comes near it; a longer declared length marks a damaged or hostile file,
// which is refused before anything is allocated, and is never written.
inline constexpr std::uint32_t MaxStringLength = 1024 * 1024;

// Writes values to an open file. Call Finish() to flush the last block;
// a failed write, or a string longer than MaxStringLength, raises EWriteError.
class ValueWriter {
public:
    explicit ValueWriter(std::FILE* file) : file_(file) {}

    void WriteBoolean(bool value);
    void WriteInteger(std::int32_t value);
    void WriteExtended(Extended value);
    void WriteString(const std::string& value);
    void WriteListBegin();
    void WriteListEnd();
    void Finish();

private:
    void Write(const void* data, std::size_t size);
    void WriteTag(ValueTag tag);
    void FlushBuffer();

    std::FILE* file_;
    std::array<std::uint8_t, ValueBufferSize> buffer_{};
    std::size_t used_ = 0;
};

// Reads values from an open file of a known size. A string length is checked
// against MaxStringLength and the bytes that remain before anything is
// allocated, so a truncated or hostile file, even a huge sparse one, fails
// with EReadError, never a huge allocation.
class ValueReader {
public:
    ValueReader(std::FILE* file, std::uint64_t size) : file_(file), remaining_(size) {}

    bool ReadBoolean();
    std::int32_t ReadInteger();
    Extended ReadExtended();
    std::string ReadString();
    void ReadListBegin();
    void ReadListEnd();
    // True when the next tag ends a list; the tag stays unread.
    bool EndOfList();

private:
    std::uint8_t ReadByte();
    void Read(void* data, std::size_t size);
    std::uint8_t PeekByte();
    std::int32_t ReadIntegerPayload(std::uint8_t tag);
    void FillBuffer();

    std::FILE* file_;
    std::uint64_t remaining_;  // bytes of the file not yet handed out
    std::array<std::uint8_t, ValueBufferSize> buffer_{};
    std::size_t pos_ = 0;
    std::size_t end_ = 0;
};

}  // namespace qv
