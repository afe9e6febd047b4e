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

static void REGALO_CALL Count(void *context, const char *record, size_t len)
{
    (void)record;
    (void)len;
    ++*(size_t *)context;
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
    {
        /* 1.1: a driver's bytes and a code's number; the catalogue; a log in pieces. */
        const unsigned char status[6] = {0x80, 0x84, 0x89, 0x80, 0x83, 0x91};
        const char log[] = "10:00:07 ERR 0x0501\r\n10:00:08 status 80 84 89 80 83 91\r\n";
        unsigned number = 0;
        size_t records = 0, at;
        regalo_scanner *scanner = regalo_scanner_new(REGALO_EN, REGALO_JSON, Count, &records);
        regalo_explain_status_bytes(status, REGALO_EN, REGALO_BRIEF, text, sizeof text, &needed);
        Expect("from bytes", strstr(text, "Receipt state: 9. VOID mode") != NULL ? "ok" : text, "ok");
        regalo_explain_error_number(0x0501, REGALO_EN, REGALO_BRIEF, text, sizeof text, &needed);
        Expect("from a number", text, "0501: Hardware error! Display error!");
        result = regalo_read_error("0c05", 4, &number, REGALO_EN, text, sizeof text, &needed);
        Expect("read", result == REGALO_OK && number == 0x0C05 ? "0C05" : text, "0C05");
        Expect("a flag", regalo_flag_caption(1, 2, REGALO_EN), "(4) Out of receipt paper");
        Expect("a receipt state", regalo_receipt_state_caption(regalo_receipt_state(status), REGALO_EN), "9. VOID mode");
        Expect("a flag's constant", REGALO_FLAG_IS_SET(status, REGALO_FLAG_B1_OUT_OF_RECEIPT_PAPER) ? "set" : "clear", "set");
        for (at = 0; scanner != NULL && at < sizeof log - 1; at += 5)
            regalo_scanner_feed(scanner, log + at, sizeof log - 1 - at < 5 ? sizeof log - 1 - at : 5);
        result = regalo_scanner_finish(scanner, text, sizeof text, &needed);
        regalo_scanner_free(scanner);
        Expect("a log", result == REGALO_OK && records == 2 && strstr(text, "\"readings\":2") != NULL ? "2 readings" : text, "2 readings");
    }
    printf("libregalo-1.dll: %s\n", failures == 0 ? "ok" : "FAILED");
    return failures == 0 ? 0 : 1;
}
