/* The C library against regalo-decode, byte for byte: every case of the
 * expectations file (expected.py) through the call it names; a status line
 * written as a driver's bytes and a code as a number through the calls
 * from bytes and numbers too, and what can be read through the calls that
 * only read.
 *   same_as_decode <expectations>
 * Plain C99, as the library's users write it. */
#include <regalo/regalo.h>

#include <stdio.h>
#include <stdlib.h>
#include <string.h>

enum { kFields = 7, kMostShown = 5 };

/* One line of the file, whatever its length; NULL at the end. */
static char *ReadLine(FILE *file)
{
    size_t size = 0, capacity = 4096;
    char *line = malloc(capacity);
    int c;
    while (line != NULL && (c = fgetc(file)) != EOF && c != '\n') {
        if (size + 1 == capacity) {
            char *larger = realloc(line, capacity *= 2);
            if (larger == NULL)
                free(line);
            line = larger;
        }
        if (line != NULL)
            line[size++] = (char)c;
    }
    if (line == NULL || (size == 0 && c == EOF)) {
        free(line);
        return NULL;
    }
    line[size] = '\0';
    return line;
}

static int Nibble(char c)
{
    return c <= '9' ? c - '0' : c - 'a' + 10;
}

/* Hexadecimal in place, as bytes; their count. */
static size_t Unhex(char *text)
{
    size_t n = 0;
    for (; text[2 * n] != '\0'; ++n)
        text[n] = (char)(Nibble(text[2 * n]) * 16 + Nibble(text[2 * n + 1]));
    return n;
}

enum { kCapacity = 1 << 23 };
static char buffer[kCapacity];
static size_t needed;

/* Whether the last call wrote `text` of `length` bytes. */
static int Wrote(const char *text, size_t length)
{
    return needed == length && memcmp(buffer, text, length) == 0;
}

/* "80 84 89 80 83 91" as bytes; 0 for any other form. */
static int DriverBytes(const char *text, size_t length, unsigned char bytes[6])
{
    int i;
    if (length != 17)
        return 0;
    for (i = 0; i < 6; ++i) {
        const char *pair = text + 3 * i;
        if (!strchr("0123456789ABCDEF", pair[0]) || !strchr("0123456789ABCDEF", pair[1]) || pair[0] == 0 || pair[1] == 0
            || (i < 5 && pair[2] != ' '))
            return 0;
        bytes[i] = (unsigned char)(Nibble((char)(pair[0] | 0x20)) * 16 + Nibble((char)(pair[1] | 0x20)));
    }
    return 1;
}

/* Four to eight upper-case hexadecimal digits, no zero before a fifth: as a code's number is written. */
static int CodeNumber(const char *text, size_t length, unsigned *number)
{
    size_t i;
    if (length < 4 || length > 8 || (length > 4 && text[0] == '0'))
        return 0;
    for (*number = 0, i = 0; i < length; ++i) {
        if (text[i] == 0 || !strchr("0123456789ABCDEF", text[i]))
            return 0;
        *number = *number * 16 + (unsigned)Nibble((char)(text[i] | 0x20));
    }
    return 1;
}

static void Collect(void *context, const char *record, size_t length)
{
    size_t *used = context;
    if (*used + length + 1 < kCapacity) {
        memcpy(buffer + *used, record, length);
        buffer[*used + length] = '\n';
    }
    *used += length + 1;
}

/* The log at `path` fed in pieces of every size from 1 byte up; the records,
 * or the summary, as regalo-decode scan wrote them. */
static int Scanned(const char *path, int lang, int format, int summary, const char *text, size_t length)
{
    static char log[1 << 22];
    static const size_t pieces[] = {1, 7, 4096, 65536, 3};
    size_t size, at = 0, used = 0, i = 0;
    int same;
    FILE *file = fopen(path, "rb");
    regalo_scanner *scanner = regalo_scanner_new(lang, format, Collect, &used);
    if (file == NULL || scanner == NULL)
        return 0;
    size = fread(log, 1, sizeof log, file);
    fclose(file);
    for (; at < size; at += pieces[i++ % 5])
        regalo_scanner_feed(scanner, log + at, size - at < pieces[i % 5] ? size - at : pieces[i % 5]);
    if (summary) {
        same = regalo_scanner_finish(scanner, buffer, kCapacity, &needed) == REGALO_OK && Wrote(text, length);
    } else {
        regalo_scanner_finish(scanner, NULL, 0, NULL);
        needed = used > 0 ? used - 1 : 0; /* less the last line feed */
        same = Wrote(text, length);
    }
    same = same && regalo_scanner_feed(scanner, "x", 1) == REGALO_BAD_ARGUMENT;
    regalo_scanner_free(scanner);
    return same;
}

/* One case; whether the library agrees. */
static int Agrees(char **field, size_t *lengths)
{
    const int lang = strcmp(field[1], "en") == 0 ? REGALO_EN : REGALO_RU;
    const int format = strcmp(field[2], "json") == 0 ? REGALO_JSON : REGALO_BRIEF;
    const int read = field[3][0] == '1';
    const char *value = field[4], *text = field[6];
    const size_t length = lengths[6];
    unsigned char bytes[6];
    unsigned number = 0;
    int result;
    if (strcmp(field[0], "diff") == 0)
        return (regalo_diff(value, lengths[4], field[5], lengths[5], lang, format, buffer, kCapacity, &needed) == REGALO_OK) == read
               && Wrote(text, length);
    if (strcmp(field[0], "status") == 0) {
        if ((regalo_explain_status(value, lengths[4], lang, format, buffer, kCapacity, &needed) == REGALO_OK) != read
            || !Wrote(text, length))
            return 0;
        if (DriverBytes(value, lengths[4], bytes)
            && (regalo_explain_status_bytes(bytes, lang, format, buffer, kCapacity, &needed) != REGALO_OK || !Wrote(text, length)))
            return 0;
        if (format == REGALO_JSON)
            return 1;
        result = regalo_read_status(value, lengths[4], bytes, lang, buffer, kCapacity, &needed);
        if (result != (read ? REGALO_OK : REGALO_UNREADABLE) || (!read && !Wrote(text, length)))
            return 0;
        return !read || (regalo_explain_status_bytes(bytes, lang, format, buffer, kCapacity, &needed) == REGALO_OK && Wrote(text, length));
    }
    if (strcmp(field[0], "error") == 0) {
        if ((regalo_explain_error(value, lengths[4], lang, format, buffer, kCapacity, &needed) == REGALO_OK) != read
            || !Wrote(text, length))
            return 0;
        if (CodeNumber(value, lengths[4], &number)
            && ((regalo_explain_error_number(number, lang, format, buffer, kCapacity, &needed) == REGALO_OK) != read
                || !Wrote(text, length)))
            return 0;
        if (format == REGALO_JSON)
            return 1;
        result = regalo_read_error(value, lengths[4], &number, lang, buffer, kCapacity, &needed);
        if (result != (read ? REGALO_OK : REGALO_UNREADABLE) || (!read && !Wrote(text, length)))
            return 0;
        return !read || (regalo_explain_error_number(number, lang, format, buffer, kCapacity, &needed) == REGALO_OK && Wrote(text, length));
    }
    if (strcmp(field[0], "flag") == 0) {
        const char *caption = regalo_flag_caption(value[0], value[1], lang);
        return caption != NULL && strlen(caption) == length && memcmp(caption, text, length) == 0;
    }
    if (strcmp(field[0], "state") == 0) {
        const char *caption = regalo_receipt_state_caption(value[0], lang);
        const unsigned char status[6] = {0x80, 0x80, (unsigned char)(0x80 | value[0]), 0x80, 0x80, 0x80};
        return regalo_receipt_state(status) == value[0] && caption != NULL && strlen(caption) == length
               && memcmp(caption, text, length) == 0;
    }
    if (strcmp(field[0], "message") == 0) {
        const char *message = regalo_error_message((unsigned)(unsigned char)value[0] << 8 | (unsigned char)value[1], lang);
        return read ? message != NULL && strlen(message) == length && memcmp(message, text, length) == 0 : message == NULL;
    }
    value = field[4];
    field[4][lengths[4]] = '\0';
    return Scanned(value, lang, format, strcmp(field[0], "summary") == 0, text, length);
}

int main(int argc, char **argv)
{
    FILE *file;
    char *line;
    long cases = 0, differ = 0;
    if (argc != 2 || (file = fopen(argv[1], "rb")) == NULL) {
        fprintf(stderr, "usage: same_as_decode <expectations>\n");
        return 2;
    }
    while ((line = ReadLine(file)) != NULL) {
        char *field[kFields];
        size_t lengths[kFields];
        int i;
        /* Fields split at each tab, empty ones too. */
        field[0] = line;
        for (i = 1; i < kFields; ++i) {
            char *tab = strchr(field[i - 1], '\t');
            if (tab == NULL)
                return fprintf(stderr, "a line with %d fields\n", i), 2;
            *tab = '\0';
            field[i] = tab + 1;
        }
        for (i = 4; i < kFields; ++i)
            lengths[i] = Unhex(field[i]);
        if (!Agrees(field, lengths) && ++differ <= kMostShown)
            fprintf(stderr, "%s %s %s \"%.*s\": \"%.*s\" where regalo-decode wrote \"%.*s\"\n", field[0], field[1], field[2],
                    (int)lengths[4], field[4], (int)(needed < 300 ? needed : 300), buffer, (int)(lengths[6] < 300 ? lengths[6] : 300),
                    field[6]);
        ++cases;
        free(line);
    }
    fclose(file);
    printf("%ld cases, %ld differ\n", cases, differ);
    return differ == 0 && cases > 0 ? 0 : 1;
}
