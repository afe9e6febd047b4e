/* The Windows DLL as a C program uses it: linked against the import
 * library the zip carries, run beside libregalo-1.dll (under Wine here).
 * Plain C99. */
#include <regalo/regalo.h>

#include <stdio.h>
#include <string.h>

static int failures = 0;

static void Expect(const char *what, const char *got, const char *expected)
{
    if (strcmp(got, expected) != 0) {
        printf("%s: \"%s\", expected \"%s\"\n", what, got, expected);
        ++failures;
    }
}

int main(void)
{
    char text[2048];
    size_t needed = 0;
    int result = regalo_explain_error("0x0501", 6, REGALO_RU, REGALO_BRIEF, text, sizeof text, &needed);
    Expect("the description", text, "0501: \xD0\x9E\xD1\x88\xD0\xB8\xD0\xB1\xD0\xBA\xD0\xB0 \xD0\xBE\xD0\xB1\xD0\xBE\xD1\x80\xD1\x83"
                                     "\xD0\xB4\xD0\xBE\xD0\xB2\xD0\xB0\xD0\xBD\xD0\xB8\xD1\x8F! \xD0\x9E\xD1\x88\xD0\xB8\xD0\xB1\xD0\xBA\xD0\xB0 "
                                     "\xD0\xB4\xD0\xB8\xD1\x81\xD0\xBF\xD0\xBB\xD0\xB5\xD1\x8F!");
    result += regalo_explain_status("80 84 89 80 83", 14, REGALO_EN, REGALO_JSON, text, sizeof text, &needed);
    Expect("a refusal", text, "{\"error\":\"wrong number of bytes: 5 instead of 6\",\"input\":\"80 84 89 80 83\"}");
    Expect("a result", result == REGALO_UNREADABLE ? "unreadable" : "other", "unreadable");
    result = regalo_diff("80 80 80 80 80 80", 17, "80 84 80 80 80 80", 17, REGALO_EN, REGALO_BRIEF, text, 8, &needed);
    Expect("a small buffer", result == REGALO_TOO_SMALL ? text : "other", "80 80 8");
    Expect("the version", regalo_version(), REGALO_TEST_VERSION);
    printf("libregalo-1.dll: %s\n", failures == 0 ? "ok" : "FAILED");
    return failures == 0 ? 0 : 1;
}
