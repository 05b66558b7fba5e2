#pragma once

#include <stdexcept>

namespace dozewell {

// The error numbers the handlers' error traps tell apart.
enum ErrorNumber {
    Overflow = 6,
    TypeMismatch = 13,
    FileNotFound = 53,
    CancelError = 32755, // the Open dialog was cancelled while CancelError is on
};

// A run-time failure that ends the handler it happens in; the handler's
// error trap decides what, if anything, the user sees.
class RunTimeError : public std::runtime_error {
public:
    RunTimeError(ErrorNumber number, const char *what) : std::runtime_error(what), m_number(number) {}
    ErrorNumber number() const { return m_number; }

private:
    ErrorNumber m_number;
};

} // namespace dozewell
