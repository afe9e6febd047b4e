/* The C library against regalo-decode, byte for byte: every case of the
 * expectations file (expected.py) through the call it names.
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

int main(int argc, char **argv)
{
    FILE *file;
    char *line;
    char *buffer = malloc(1 << 16);
    long cases = 0, differ = 0;
    if (argc != 2 || (file = fopen(argv[1], "rb")) == NULL || buffer == NULL) {
        fprintf(stderr, "usage: same_as_decode <expectations>\n");
        return 2;
    }
    while ((line = ReadLine(file)) != NULL) {
        char *field[kFields];
        size_t lengths[kFields], needed = 0;
        int i, lang, format, result;
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
        lang = strcmp(field[1], "en") == 0 ? REGALO_EN : REGALO_RU;
        format = strcmp(field[2], "json") == 0 ? REGALO_JSON : REGALO_BRIEF;
        if (strcmp(field[0], "diff") == 0)
            result = regalo_diff(field[4], lengths[4], field[5], lengths[5], lang, format, buffer, 1 << 16, &needed);
        else if (strcmp(field[0], "status") == 0)
            result = regalo_explain_status(field[4], lengths[4], lang, format, buffer, 1 << 16, &needed);
        else
            result = regalo_explain_error(field[4], lengths[4], lang, format, buffer, 1 << 16, &needed);
        if ((result == REGALO_OK) != (field[3][0] == '1') || needed != lengths[6] || memcmp(buffer, field[6], needed) != 0) {
            if (++differ <= kMostShown)
                fprintf(stderr, "%s %s %s: result %d, \"%.*s\" where regalo-decode wrote \"%.*s\"\n", field[0], field[1], field[2],
                        result, (int)needed, buffer, (int)lengths[6], field[6]);
        }
        ++cases;
        free(line);
    }
    fclose(file);
    free(buffer);
    printf("%ld cases, %ld differ\n", cases, differ);
    return differ == 0 && cases > 0 ? 0 : 1;
}
