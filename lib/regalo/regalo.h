/* libregalo: the decoder of Regalo_Vespera for other programs. A fiscal cash
 * register's six status bytes and four-digit error codes explained exactly as
 * regalo-decode explains them, in Russian or English, as words or as JSON.
 *
 * Every function may be called from any thread at any time; there is no
 * start-up call and no global state. Inputs are UTF-8 with their length (no
 * NUL needed); outputs are UTF-8 in the caller's buffer, which the library
 * never allocates.
 *
 * The written text is byte for byte what
 *   regalo-decode --lang ru|en status|error --brief|--json VALUE
 *   regalo-decode --lang ru|en diff [--json] BEFORE AFTER
 * prints, without its final line feed; for a value that cannot be read, the
 * brief format gives why in words. *needed receives that text's length in
 * bytes; the text is always NUL-terminated when cap > 0 (an empty text where
 * nothing is written), and a buffer too small gets what fits of it, whole
 * characters only, and the result REGALO_TOO_SMALL. A value longer than
 * 4096 bytes, far more than any status line or code, is refused unread.
 *
 * Since 1.1 (the version node REGALO_1.1): the calls from bytes and numbers,
 * reading without explaining, the catalogue as data, flag constants and the
 * log scanner, below the 1.0 calls.
 */
#ifndef REGALO_REGALO_H
#define REGALO_REGALO_H

#include <stddef.h>

#if defined(_WIN32)
#  define REGALO_CALL __cdecl
#  if defined(REGALO_BUILDING)
#    define REGALO_API __declspec(dllexport)
#  else
#    define REGALO_API __declspec(dllimport)
#  endif
#elif defined(__GNUC__)
#  define REGALO_CALL
#  define REGALO_API __attribute__((visibility("default")))
#else
#  define REGALO_CALL
#  define REGALO_API
#endif

#ifdef __cplusplus
extern "C" {
#endif

#define REGALO_VERSION_MAJOR 1
#define REGALO_VERSION_MINOR 1

/* Results: small positive ints, fixed forever, only appended. */
#define REGALO_OK 0
#define REGALO_UNREADABLE 1     /* the value cannot be read; the text says why (JSON) */
#define REGALO_TOO_SMALL 2      /* the buffer holds part of the text: *needed bytes and a NUL are needed */
#define REGALO_BAD_ARGUMENT 3   /* a language or format not listed here, a null pointer, a finished scanner */
#define REGALO_OUT_OF_MEMORY 4  /* nothing was written */

/* Languages. */
#define REGALO_RU 0
#define REGALO_EN 1

/* Formats. */
#define REGALO_BRIEF 0 /* the words of regalo-decode --brief (diff: its words) */
#define REGALO_JSON 1  /* the object regalo-decode --json prints */

/* The project's version, "1.0.2": static, never freed. */
REGALO_API const char *REGALO_CALL regalo_version(void);

/* What a result means, in the language asked: static UTF-8, never freed;
 * a result not listed here has a text that says so. */
REGALO_API const char *REGALO_CALL regalo_strerror(int result, int lang);

/* A status line in any form regalo-decode reads: "80 84 89 80 83 91",
 * "80-84-89-80-83-91", "0x80 0x84 ...", "808489808391". */
REGALO_API int REGALO_CALL regalo_explain_status(const char *line, size_t len, int lang, int format,
                                                 char *buf, size_t cap, size_t *needed);

/* A four-digit error code, "0501" or "0x0501". */
REGALO_API int REGALO_CALL regalo_explain_error(const char *code, size_t len, int lang, int format,
                                                char *buf, size_t cap, size_t *needed);

/* What changed from one status line to the next. Where a line cannot be
 * read, the text is that line's, as regalo_explain_status gives it. */
REGALO_API int REGALO_CALL regalo_diff(const char *before, size_t before_len, const char *after, size_t after_len,
                                       int lang, int format, char *buf, size_t cap, size_t *needed);

/* ---- 1.1 ---- */

/* From what a driver holds: the six bytes as the register sent them, the
 * code as a number (0x0501 for "0501"). The text is regalo_explain_status's
 * for the bytes written "80 84 89 80 83 91", regalo_explain_error's for the
 * code written in four hexadecimal digits; a number over 0xFFFF has more
 * and cannot be read. */
REGALO_API int REGALO_CALL regalo_explain_status_bytes(const unsigned char bytes[6], int lang, int format,
                                                       char *buf, size_t cap, size_t *needed);
REGALO_API int REGALO_CALL regalo_explain_error_number(unsigned code, int lang, int format,
                                                       char *buf, size_t cap, size_t *needed);

/* Reading without explaining: the six bytes, or the code as a number, into
 * *out (the caller's). A value that cannot be read gives REGALO_UNREADABLE,
 * *out untouched, and why in words in buf, by the convention above; a value
 * read leaves buf empty. buf may be NULL with cap 0. */
REGALO_API int REGALO_CALL regalo_read_status(const char *line, size_t len, unsigned char out[6], int lang,
                                              char *buf, size_t cap, size_t *needed);
REGALO_API int REGALO_CALL regalo_read_error(const char *code, size_t len, unsigned *out, int lang,
                                             char *buf, size_t cap, size_t *needed);

/* The catalogue as data: static UTF-8, never freed, NULL where there is
 * none (a byte, bit or state out of range; a code the catalogue does not
 * describe; a language not listed). */
REGALO_API const char *REGALO_CALL regalo_flag_caption(int byte, int bit, int lang);
/* The receipt state bits 0-3 of byte 2 give: 0-15; -1 for NULL. */
REGALO_API int REGALO_CALL regalo_receipt_state(const unsigned char bytes[6]);
REGALO_API const char *REGALO_CALL regalo_receipt_state_caption(int state, int lang);
/* The code's message, as "message" in regalo-decode error --json. */
REGALO_API const char *REGALO_CALL regalo_error_message(unsigned code, int lang);

/* Every flag by name, numbered byte * 8 + bit: REGALO_FLAG_B1_OUT_OF_RECEIPT_PAPER. */
#include "flags.h"
#define REGALO_FLAG_BYTE(flag) ((flag) / 8)
#define REGALO_FLAG_BIT(flag) ((flag) % 8)
#define REGALO_FLAG_IS_SET(bytes, flag) ((((bytes)[(flag) / 8]) >> ((flag) % 8)) & 1)

/* A log, read as regalo-decode scan reads it, fed in pieces of any size
 * (a piece may end inside a line or a character). Each record found goes
 * to on_record as its line is whole: what
 *   regalo-decode --lang ru|en scan [--json] LOG
 * writes for it, without its line feed, valid only during the call.
 * regalo_scanner_finish reads what is left and writes the log's summary, as
 * regalo-decode scan --summary [--json] writes it, into buf by the
 * convention above; called again (with a larger buffer) it gives the same.
 * After it the scanner takes no more pieces (REGALO_BAD_ARGUMENT). One scanner is for one thread at a time; the
 * caller owns it and frees it with regalo_scanner_free (NULL is ignored).
 * regalo_scanner_new gives NULL for a language, format or callback that is
 * not valid, or when memory runs out. */
typedef struct regalo_scanner regalo_scanner;
typedef void(REGALO_CALL *regalo_record_fn)(void *context, const char *record, size_t len);
REGALO_API regalo_scanner *REGALO_CALL regalo_scanner_new(int lang, int format, regalo_record_fn on_record, void *context);
REGALO_API int REGALO_CALL regalo_scanner_feed(regalo_scanner *scanner, const char *piece, size_t len);
REGALO_API int REGALO_CALL regalo_scanner_finish(regalo_scanner *scanner, char *buf, size_t cap, size_t *needed);
REGALO_API void REGALO_CALL regalo_scanner_free(regalo_scanner *scanner);

#ifdef __cplusplus
}
#endif

#endif
