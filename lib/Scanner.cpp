// A log read for the C library as regalo-decode scan reads it: pieces of
// any size in, each record out through the caller's callback as
// regalo-decode writes it, the summary at the end.
#include "lib/Calls.h"

#include "core/LogFeed.h"
#include "core/LogSummary.h"
#include "core/RecordWriter.h"

#include <memory>
#include <string>

struct regalo_scanner {
    regalo_scanner(int lang, int format, regalo_record_fn onRecord, void* context)
        : writer(format == REGALO_JSON ? Format::Json : Format::Brief, TranslationOf(lang), TranslationOf(lang)),
          onRecord(onRecord), context(context)
    {
    }

    void Feed(std::string_view piece)
    {
        feed.Feed(piece, [this](const ScanRecord& record) {
            summary.Add(record);
            out.clear();
            writer.Write(out, record);
            if (!out.empty() && out.back() == '\n')
                out.pop_back();
            onRecord(context, out.data(), out.size());
        });
    }

    RecordWriter writer;
    LogFeed feed;
    LogSummary summary;
    std::string out;
    regalo_record_fn onRecord;
    void* context;
    bool finished = false;
    // Kept for a call again with a larger buffer.
    std::string summaryText;
};

extern "C" {

REGALO_API regalo_scanner* REGALO_CALL regalo_scanner_new(int lang, int format, regalo_record_fn on_record, void* context)
{
    if (!IsLanguage(lang) || !IsFormat(format) || on_record == nullptr)
        return nullptr;
    try {
        return new regalo_scanner(lang, format, on_record, context);
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
}

REGALO_API int REGALO_CALL regalo_scanner_feed(regalo_scanner* scanner, const char* piece, std::size_t len)
{
    if (scanner == nullptr || scanner->finished || (piece == nullptr && len > 0))
        return REGALO_BAD_ARGUMENT;
    // An empty piece is no end: that is regalo_scanner_finish.
    if (len == 0)
        return REGALO_OK;
    try {
        scanner->Feed(std::string_view(piece, len));
        return REGALO_OK;
    } catch (const std::bad_alloc&) {
        return REGALO_OUT_OF_MEMORY;
    }
}

REGALO_API int REGALO_CALL regalo_scanner_finish(regalo_scanner* scanner, char* buf, std::size_t cap, std::size_t* needed)
{
    if (scanner == nullptr)
        return Unanswered(REGALO_BAD_ARGUMENT, buf, cap, needed);
    return Call(buf, cap, needed, [scanner](std::string& text) {
        if (!scanner->finished) {
            scanner->Feed({});
            scanner->writer.Summary(scanner->summaryText, scanner->summary);
            scanner->finished = true;
        }
        text = scanner->summaryText;
        return REGALO_OK;
    });
}

REGALO_API void REGALO_CALL regalo_scanner_free(regalo_scanner* scanner)
{
    delete scanner;
}

} // extern "C"
