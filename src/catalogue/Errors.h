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
class EQuantovaError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
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

// A file that cannot be created, opened, read or written.
class EFileError : public EQuantovaError {
public:
    using EQuantovaError::EQuantovaError;
};

}  // namespace qv
