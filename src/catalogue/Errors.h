// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <stdexcept>
#include <string>

namespace qv {

// Messages of the arithmetic faults, shared by the catalogue and the evaluator.
namespace msg {
inline constexpr const char* InvalidOp = "Invalid floating point operation";
inline constexpr const char* ZeroDivide = "Floating point division by zero";
inline constexpr const char* Overflow = "Floating point overflow";
inline constexpr const char* DivByZero = "Division by zero";
}  // namespace msg

// Base of every error Quantova reports: what() is the text shown to the user.
//
// A message that names a file keeps its two parts apart: Pattern() is the
// text (Windows-1252) with "%s" where Path() goes, and Path() is in the file
// system's encoding. what() joins them byte for byte; a window or terminal
// converts each part from its own encoding.
class EQuantovaError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
    EQuantovaError(const std::string& pattern, const std::string& path)
        : std::runtime_error(Join(pattern, path)),
          pattern_(pattern),
          path_(path)
    {
    }

    // Empty when the message names no file.
    const std::string& Pattern() const { return pattern_; }
    const std::string& Path() const { return path_; }

private:
    static std::string Join(std::string pattern, const std::string& path)
    {
        const std::size_t at = pattern.find("%s");
        if (at != std::string::npos) pattern.replace(at, 2, path);
        return pattern;
    }

    std::string pattern_;
    std::string path_;
};

// Floating-point faults. They are found by explicit checks of operands and
// results where arithmetic happens, never by hardware traps.
class EMathError : public EQuantovaError {
public:
    using EQuantovaError::EQuantovaError;
};

class EInvalidOp : public EMathError {
public:
    EInvalidOp() : EMathError(msg::InvalidOp) {}
};

class EZeroDivide : public EMathError {
public:
    EZeroDivide() : EMathError(msg::ZeroDivide) {}
};

class EOverflow : public EMathError {
public:
    EOverflow() : EMathError(msg::Overflow) {}
};

// Integer division (the "%" operator) by zero.
class EDivByZero : public EQuantovaError {
public:
    EDivByZero() : EQuantovaError(msg::DivByZero) {}
};

// A file that cannot be created, opened, read or written; its message
// usually names the file (Pattern() and Path()).
class EFileError : public EQuantovaError {
public:
    using EQuantovaError::EQuantovaError;

    // Set when the error stopped a save: the file that was not written. The
    // save never touches the previous copy, so it is unchanged.
    const std::string& UnsavedFile() const { return unsavedFile_; }
    void SetUnsavedFile(const std::string& path) { unsavedFile_ = path; }

private:
    std::string unsavedFile_;
};

}  // namespace qv
