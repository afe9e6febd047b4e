#pragma once

#include "core/Translatable.h"

#include <string>

// regalo-decode's own words go through Qt's translation system like every
// other text, in the context "regalo-decode". They are written in English,
// and read the same in both languages until a translation of them is made.
// Mark each with QT_TRANSLATE_NOOP("regalo-decode", ...) where it is written.
std::string Words(const char* english);
