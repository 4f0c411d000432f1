#pragma once

#include <stdexcept>
#include <string>

namespace vezu {

// Every failure the user can meet is an exception whose what() is the exact
// text the program shows; the kinds let callers tell them apart.
class Error : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A text that does not convert to a number.
class ConvertError : public Error {
public:
    using Error::Error;
};

// Division by zero and invalid floating-point operations.
class MathError : public Error {
public:
    using Error::Error;
};

// A file that cannot be opened, read or written.
class InOutError : public Error {
public:
    using Error::Error;
};

// Replaces the first "%s" of a message pattern with the argument.
std::string formatMessage(std::string_view pattern, std::string_view argument);

} // namespace vezu
