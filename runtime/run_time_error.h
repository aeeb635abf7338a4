#pragma once

#include <stdexcept>
#include <string_view>

namespace orbel {

// The run-time errors the services raise. The numbers are the classic
// error codes, so a code read in a report means the same as it always did.
enum class ErrorCode {
    InvalidCall = 5,
    Overflow = 6,
    DivisionByZero = 11,
    TypeMismatch = 13,
    FileNotFound = 53,
};

std::string_view errorMessage(ErrorCode code) noexcept;

// One error type for every service: whoever sets a trap catches this.
class RunTimeError : public std::runtime_error {
public:
    explicit RunTimeError(ErrorCode code);
    ErrorCode code() const noexcept { return code_; }

private:
    ErrorCode code_;
};

} // namespace orbel
