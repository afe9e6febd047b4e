#pragma once

#include "cli/Format.h"
#include "core/StatusLine.h"

#include <string>

// What changed between two status lines, in the format asked: in words as
// the page's comparison says it, as one JSON object, or as CSV rows of the
// flags set and cleared and the receipt state before and after.
std::string WriteDifference(const StatusBytes& before, const StatusBytes& after, Format format);
