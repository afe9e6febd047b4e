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
 * prints, without its final line feed. *needed receives that text's length
 * in bytes; the text is always NUL-terminated when cap > 0, and a buffer too
 * small gets what fits of it, whole characters only, and the result
 * REGALO_TOO_SMALL.
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

/* Results: small positive ints, fixed forever, only appended. */
#define REGALO_OK 0
#define REGALO_UNREADABLE 1     /* the value cannot be read; the text says why (JSON) */
#define REGALO_TOO_SMALL 2      /* the buffer holds part of the text: *needed bytes and a NUL are needed */
#define REGALO_BAD_ARGUMENT 3   /* a language or format not listed here, or a null pointer */
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

#ifdef __cplusplus
}
#endif

#endif
