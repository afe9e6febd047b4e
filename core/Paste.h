#pragma once

#include "core/Reading.h"

#include <optional>
#include <string>
#include <string_view>

// What a text pasted into the status field or the code field is, as the
// field takes it: the value in the field's form, to go in whole; a problem,
// to refuse it whole with the reason; or neither: a piece of a value (hex
// digits, blanks, "- : , ;" and 0x prefixes only), typed in character by
// character as the field always took one.
//
// A whole value in any form people copy one goes in. Text with the shape
// of one that cannot be read (a look-alike letter, five or seven bytes) is
// refused. Any other text is a piece of a log, read by the log's rules
// (Scan.h): the one value of the field's kind it holds goes in; none,
// several different ones, or one that cannot be read are refused, and text
// that holds only a value of the other kind says so.
struct PastedValue {
    std::optional<std::string> value; // "80 84 89 80 83 91", "0501"
    std::optional<InputProblem> problem;
};
PastedValue PastedStatusLine(std::string_view utf8);
PastedValue PastedErrorCode(std::string_view utf8);

// Lines of a log pasted into a field, holding several readings of its kind
// (refused as several): a front end that shows logs opens them as one.
bool OpensAsALog(std::string_view utf8, const InputProblem& refused);
