#pragma once

// The page's boundary with its rules, declared once: every call the page's
// script makes, as the module exports it (page_<name>), with what it takes
// and what it answers. The module's definitions must agree with these
// declarations (a C function has one signature), and the build writes the
// script's table of calls from this same list (page_boundary), so a call
// one side lacks fails the build, not the page.
//
// Order: start comes first, once; every other call after it.
// Text crosses as UTF-8 with its length in bytes: the script puts it in
// memory it asks of the module (malloc) and frees it after the call. An
// answer of text or JSON is the module's, and lives until the next call:
// the script reads it at once.
//
// Bytes (a log's piece) cross the same way, as they are.
//
// The answers: none; yes (a bool); text (UTF-8 ending in NUL); json (the
// same, holding JSON).

#define REGALO_PAGE_CALLS(CALL)                                                                                     \
    CALL(start, void, none, (bool english))                                                                         \
    CALL(keyDown, bool, yes, (int field, const char* key, int keySize, bool shift, bool control, bool alt))         \
    CALL(keyUp, void, none, (int field, const char* key, int keySize))                                              \
    CALL(type, void, none, (int field, const char* text, int size))                                                 \
    CALL(acceptsPaste, bool, yes, (int length))                                                                     \
    CALL(paste, void, none, (int field, const char* text, int size))                                                \
    CALL(copy, const char*, text, (int field))                                                                      \
    CALL(cut, const char*, text, (int field))                                                                       \
    CALL(select, void, none, (int field, int anchor, int active, bool released))                                    \
    CALL(focusEntered, void, none, (int field, bool fromAnotherControl))                                            \
    CALL(focusLeft, void, none, (int field))                                                                        \
    CALL(mayLeave, bool, yes, (int field))                                                                          \
    CALL(setBox, void, none, (int number, bool checked))                                                            \
    CALL(chooseReceiptState, void, none, (int state))                                                               \
    CALL(translate, void, none, ())                                                                                 \
    CALL(setEnglish, void, none, (bool english))                                                                    \
    CALL(open, bool, yes, (const char* status, int statusSize, const char* code, int codeSize))                     \
    CALL(openLink, void, none, (const char* status, int statusSize, const char* code, int codeSize))                \
    CALL(recentText, const char*, text, ())                                                                         \
    CALL(restoreRecent, void, none, (const char* text, int size))                                                   \
    CALL(clearRecent, void, none, ())                                                                               \
    CALL(recent, const char*, json, ())                                                                             \
    CALL(compare, const char*, text, (const char* earlier, int size))                                               \
    CALL(view, const char*, json, ())                                                                               \
    CALL(explanationToCopy, const char*, text, ())                                                                  \
    CALL(setTime, void, none, (const char* time, int size))                                                         \
    CALL(decodeCode, const char*, json, (const char* code, int size, bool english))

// The log's calls, on a module of their own (LogPage.cpp) that the page
// loads when a log is first opened, and calls where it reads the log: in a
// worker.
// A filter is a pair: what it shows (LogTimeline::Filter, whose numbers the
// boundary gives the script as logFilters) and which flag or code.
#define REGALO_LOG_CALLS(CALL)                                                                                      \
    CALL(logStart, void, none, ())                                                                                  \
    CALL(logFeed, void, none, (const char* bytes, int size))                                                        \
    CALL(logEnd, void, none, ())                                                                                    \
    CALL(logFound, const char*, json, ())                                                                           \
    CALL(logShow, const char*, json, (int filter, int value, bool changesOnly))                                     \
    CALL(logChoices, const char*, json, (bool english))                                                             \
    CALL(logRows, const char*, json, (int from, int count, bool english))                                           \
    CALL(logChart, const char*, json, (int width, bool english))                                                    \
    CALL(logSummary, const char*, json, (bool english))

// The build's own calls (Prerender.cpp), on the module the build runs in
// node: every text in both languages, how the controls are numbered, and
// this boundary for the script. The page never makes them.
#define REGALO_BUILD_CALLS(CALL)                                                                                    \
    CALL(texts, const char*, json, (bool english))                                                                  \
    CALL(controls, const char*, json, ())                                                                           \
    CALL(boundary, const char*, json, ())

// The fields as the calls number them.
enum PageField { kStatusField = 1, kErrorCodeField = 2 };

#define REGALO_DECLARE_PAGE_CALL(name, result, answer, parameters) result page_##name parameters;
extern "C" {
REGALO_PAGE_CALLS(REGALO_DECLARE_PAGE_CALL)
REGALO_LOG_CALLS(REGALO_DECLARE_PAGE_CALL)
REGALO_BUILD_CALLS(REGALO_DECLARE_PAGE_CALL)
}
#undef REGALO_DECLARE_PAGE_CALL
