#pragma once

#include <stdexcept>
#include <string>

// The program's base error class. Its message is UTF-8; whatever escapes an
// event handler is shown to the user in the standard exception box.
class Exception : public std::runtime_error {
public:
    explicit Exception(const std::string& message) : std::runtime_error(message) {}
};
