#pragma once

#include <string>

// A call's answer to the page's script, as text or JSON in UTF-8: the
// module's, kept until the next call, for the script reads it at once.
const char* Answer(std::string text);
