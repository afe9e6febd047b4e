#pragma once

#include "cli/Format.h"

#include <string>

// The whole catalogue, of error codes or of status flags, in the format asked.
std::string ListErrors(Format format);
std::string ListFlags(Format format);
