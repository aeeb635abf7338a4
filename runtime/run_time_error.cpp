// The run-time error every service raises, and the words of each code.
#include "run_time_error.h"

#include <stdexcept>
#include <string>
#include <string_view>

namespace orbel {

std::string_view errorMessage(ErrorCode code) noexcept {
    switch (code) {
    case ErrorCode::InvalidCall:
        return "Invalid procedure call or argument";
    case ErrorCode::Overflow:
        return "Overflow";
    case ErrorCode::DivisionByZero:
        return "Division by zero";
    case ErrorCode::TypeMismatch:
        return "Type mismatch";
    case ErrorCode::FileNotFound:
        return "File not found";
    }
    return "Application-defined or object-defined error";
}

RunTimeError::RunTimeError(ErrorCode code)
    : std::runtime_error(std::string(errorMessage(code)))
    , code_(code) {}

} // namespace orbel
