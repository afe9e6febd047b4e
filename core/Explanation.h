#pragma once

#include "core/Reading.h"
#include "core/StatusFlagCatalogue.h"
#include "core/StatusLine.h"
#include "core/Translatable.h"

#include <optional>
#include <string>

// A reading in a few lines of words, to read out to a customer, paste into
// a ticket or compare with the next one. The catalogue's texts stand as
// they are; the few words around them are marked for translation here.

// The bytes as the status field shows them; then, for each byte with a flag
// set besides the always-set bit 7, the byte's caption and its set flags'
// captions; then the receipt state. One line each.
std::string ExplainStatus(const StatusBytes& bytes, TextTranslation translate);

// The status field's text (17 characters, blanks as spaces) in words: a
// whole line as ExplainStatus says it; else what stops it being read, the
// field as it stands, and the bytes that can be read under a line saying so.
std::string ExplainStatusField(std::u32string_view text, TextTranslation translate);

// "0501: Ошибка оборудования! Ошибка дисплея!", the description on one line,
// or the note that names a code the catalogue has no text for; nothing for a
// text that is no code.
std::optional<std::string> ExplainErrorCode(const std::string& code, TextTranslation translate);

// A code's description on one line, its indented lines joined by blanks.
std::string DescriptionOnOneLine(std::string_view message);

// Each flag that differs from one reading to the next, set (true) or
// cleared (false), in catalogue order (byte by byte, bit by bit).
template <class Visit>
void ForEachFlagChange(const StatusBytes& before, const StatusBytes& after, Visit visit)
{
    for (const StatusFlag& flag : StatusFlagCatalogue) {
        const auto index = static_cast<std::size_t>(flag.byteIndex);
        const bool was = before[index] & flag.Value();
        const bool is = after[index] & flag.Value();
        if (was != is)
            visit(flag, is);
    }
}

// A flag named with its byte, where it stands alone (a chart's lane, a
// summary's line): "байт 1: (4) Закончилась чековая лента".
std::string FlagWithItsByte(const StatusFlag& flag, TextTranslation translate);

// A log's status reading in words, its lines joined by `lineEnd`: the
// first as ExplainStatus says it without the bytes, a later one what
// changed since the one before.
void AppendReadingWords(std::string& out, const StatusBytes& bytes, const std::optional<StatusBytes>& previous, char lineEnd,
                        TextTranslation translate);

// What changed from one reading to the next: both lines, then byte by byte
// each flag set ("+ caption") and cleared ("- caption"), then the receipt
// state before and after; "no change" when nothing did.
std::string ExplainChange(const StatusBytes& before, const StatusBytes& after, TextTranslation translate);
// The same without the line of both readings; appended with `lineEnd`
// between its lines (a log's record keeps them on one line).
std::string ExplainFlagChanges(const StatusBytes& before, const StatusBytes& after, TextTranslation translate);
void AppendFlagChanges(std::string& out, const StatusBytes& before, const StatusBytes& after, char lineEnd,
                       TextTranslation translate);
