// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogue/ValueStream.h"

#include <algorithm>
#include <cstring>
#include <type_traits>

namespace qv {
namespace {

// Little-endian regardless of the host, so files are portable.
template <typename T>
void StoreLE(std::uint8_t* out, T value)
{
    using U = std::make_unsigned_t<T>;
    auto u = static_cast<U>(value);
    for (std::size_t i = 0; i < sizeof(T); ++i) {
        out[i] = static_cast<std::uint8_t>(u & 0xFF);
        u = static_cast<U>(u >> 8);
    }
}

template <typename T>
T LoadLE(const std::uint8_t* in)
{
    using U = std::make_unsigned_t<T>;
    U u = 0;
    for (std::size_t i = sizeof(T); i-- > 0;) u = static_cast<U>((u << 8) | in[i]);
    return static_cast<T>(u);
}

}  // namespace

void ValueWriter::Write(const void* data, std::size_t size)
{
    const auto* bytes = static_cast<const std::uint8_t*>(data);
    while (size > 0) {
        if (used_ == buffer_.size()) FlushBuffer();
        const std::size_t n = std::min(size, buffer_.size() - used_);
        std::memcpy(buffer_.data() + used_, bytes, n);
        used_ += n;
        bytes += n;
        size -= n;
    }
}

void ValueWriter::WriteTag(ValueTag tag)
{
    const auto b = static_cast<std::uint8_t>(tag);
    Write(&b, 1);
}

void ValueWriter::FlushBuffer()
{
    if (used_ > 0 && std::fwrite(buffer_.data(), 1, used_, file_) != used_) throw EWriteError();
    used_ = 0;
}

void ValueWriter::Finish()
{
    FlushBuffer();
    if (std::fflush(file_) != 0) throw EWriteError();
}

void ValueWriter::WriteBoolean(bool value)
{
    WriteTag(value ? ValueTag::True : ValueTag::False);
}

void ValueWriter::WriteInteger(std::int32_t value)
{
    std::uint8_t payload[4];
    if (value >= -128 && value <= 127) {
        WriteTag(ValueTag::Int8);
        StoreLE(payload, static_cast<std::int8_t>(value));
        Write(payload, 1);
    } else if (value >= -32768 && value <= 32767) {
        WriteTag(ValueTag::Int16);
        StoreLE(payload, static_cast<std::int16_t>(value));
        Write(payload, 2);
    } else {
        WriteTag(ValueTag::Int32);
        StoreLE(payload, value);
        Write(payload, 4);
    }
}

void ValueWriter::WriteExtended(Extended value)
{
    // The file form is the value's ten bytes in memory (x87 layout); the six
    // padding bytes of long double are not written.
    static_assert(sizeof(Extended) >= 10);
    std::uint8_t payload[sizeof(Extended)];
    std::memcpy(payload, &value, sizeof(Extended));
    WriteTag(ValueTag::Real);
    Write(payload, 10);
}

void ValueWriter::WriteString(const std::string& value)
{
    std::uint8_t length[4];
    if (value.size() > MaxStringLength) throw EWriteError();
    if (value.size() <= 255) {
        WriteTag(ValueTag::String);
        length[0] = static_cast<std::uint8_t>(value.size());
        Write(length, 1);
    } else {
        WriteTag(ValueTag::LString);
        StoreLE(length, static_cast<std::uint32_t>(value.size()));
        Write(length, 4);
    }
    Write(value.data(), value.size());
}

void ValueWriter::WriteListBegin()
{
    WriteTag(ValueTag::List);
}

void ValueWriter::WriteListEnd()
{
    WriteTag(ValueTag::Null);
}

void ValueReader::FillBuffer()
{
    if (remaining_ == 0) throw EReadError();
    const std::size_t want = static_cast<std::size_t>(std::min<std::uint64_t>(buffer_.size(), remaining_));
    const std::size_t got = std::fread(buffer_.data(), 1, want, file_);
    if (got == 0) throw EReadError();
    pos_ = 0;
    end_ = got;
}

std::uint8_t ValueReader::PeekByte()
{
    if (pos_ == end_) FillBuffer();
    return buffer_[pos_];
}

std::uint8_t ValueReader::ReadByte()
{
    const std::uint8_t b = PeekByte();
    ++pos_;
    --remaining_;
    return b;
}

void ValueReader::Read(void* data, std::size_t size)
{
    // remaining_ counts the bytes of the file after the current position,
    // buffered or not.
    if (size > remaining_) throw EReadError();
    auto* out = static_cast<std::uint8_t*>(data);
    while (size > 0) {
        if (pos_ == end_) FillBuffer();
        const std::size_t n = std::min(size, end_ - pos_);
        std::memcpy(out, buffer_.data() + pos_, n);
        pos_ += n;
        remaining_ -= n;
        out += n;
        size -= n;
    }
}

bool ValueReader::ReadBoolean()
{
    return ReadByte() == static_cast<std::uint8_t>(ValueTag::True);
}

std::int32_t ValueReader::ReadIntegerPayload(std::uint8_t tag)
{
    std::uint8_t payload[4];
    switch (static_cast<ValueTag>(tag)) {
    case ValueTag::Int8: Read(payload, 1); return LoadLE<std::int8_t>(payload);
    case ValueTag::Int16: Read(payload, 2); return LoadLE<std::int16_t>(payload);
    case ValueTag::Int32: Read(payload, 4); return LoadLE<std::int32_t>(payload);
    default: throw EPropertyError();
    }
}

std::int32_t ValueReader::ReadInteger()
{
    return ReadIntegerPayload(ReadByte());
}

Extended ValueReader::ReadExtended()
{
    const std::uint8_t tag = ReadByte();
    if (tag != static_cast<std::uint8_t>(ValueTag::Real)) return static_cast<Extended>(ReadIntegerPayload(tag));
    std::uint8_t payload[sizeof(Extended)] = {};
    Read(payload, 10);
    Extended value;
    std::memcpy(&value, payload, sizeof(Extended));
    return value;
}

std::string ValueReader::ReadString()
{
    const std::uint8_t tag = ReadByte();
    std::uint64_t length;
    if (tag == static_cast<std::uint8_t>(ValueTag::String)) {
        length = ReadByte();
    } else if (tag == static_cast<std::uint8_t>(ValueTag::LString)) {
        std::uint8_t payload[4];
        Read(payload, 4);
        length = LoadLE<std::uint32_t>(payload);
    } else {
        throw EPropertyError();
    }
    if (length > MaxStringLength || length > remaining_) throw EReadError();
    std::string value(static_cast<std::size_t>(length), '\0');
    Read(value.data(), value.size());
    return value;
}

void ValueReader::ReadListBegin()
{
    if (ReadByte() != static_cast<std::uint8_t>(ValueTag::List)) throw EPropertyError();
}

void ValueReader::ReadListEnd()
{
    if (ReadByte() != static_cast<std::uint8_t>(ValueTag::Null)) throw EPropertyError();
}

bool ValueReader::EndOfList()
{
    return PeekByte() == static_cast<std::uint8_t>(ValueTag::Null);
}

}  // namespace qv
