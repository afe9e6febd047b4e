#pragma once

#include <string>
#include <string_view>

// A JSON string literal of text that is valid UTF-8: quotes and escapes.
void AppendJsonEscaped(std::string& out, std::string_view utf8);
