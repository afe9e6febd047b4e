// libregalo's calls, one value each, against regalo-decode's own time per
// value in a stream of the same codes, in the same run: a call should answer
// in well under a microsecond, and one from bytes or a number that answers
// with data in under 100 ns. Its scanner against regalo-decode scan on the
// same log: at least its rate.
#include "cli/Decoder.h"
#include "lib/regalo/regalo.h"

#include "RatioReporter.h"

#include <algorithm>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include <fcntl.h>
#include <unistd.h>

namespace {

const std::vector<std::string>& Codes()
{
    static const std::vector<std::string> codes = [] {
        std::vector<std::string> all;
        char code[8];
        for (unsigned n = 0; n < 0x10000; ++n) {
            std::snprintf(code, sizeof code, "%04X", n);
            all.emplace_back(code);
        }
        return all;
    }();
    return codes;
}

void Library(benchmark::State& state, int format)
{
    char text[4096];
    std::size_t needed = 0;
    for (auto _ : state) {
        for (const std::string& code : Codes())
            benchmark::DoNotOptimize(regalo_explain_error(code.data(), code.size(), REGALO_RU, format, text, sizeof text, &needed));
    }
    state.SetItemsProcessed(state.iterations() * static_cast<long>(Codes().size()));
}

// `run(out, err, fd)` for regalo-decode over `text` as a file, read from
// its start on every run, its output thrown away.
template <class Run>
void OverAFile(benchmark::State& state, std::string_view text, Run run)
{
    std::FILE* input = std::tmpfile();
    std::fwrite(text.data(), 1, text.size(), input);
    std::fflush(input);
    const int sink = open("/dev/null", O_WRONLY);
    for (auto _ : state) {
        lseek(fileno(input), 0, SEEK_SET);
        FdWriter out(sink);
        FdWriter err(sink);
        run(out, err, fileno(input));
    }
    close(sink);
    std::fclose(input);
}

// The same codes through regalo-decode's stream, one per line.
void Decoder(benchmark::State& state, Format format)
{
    std::string lines;
    for (const std::string& code : Codes())
        lines += code + '\n';
    OverAFile(state, lines, [format](FdWriter& out, FdWriter& err, int in) {
        ::Decoder(ValueKind::ErrorCode, format, ValueSource::Lines, out, err).DecodeLines(in);
    });
    state.SetItemsProcessed(state.iterations() * static_cast<long>(Codes().size()));
}

// The calls that answer with data, from what a driver holds, each over all
// 65,536 numbers (or as many status lines): nanoseconds a call.
void Structured(benchmark::State& state, int which)
{
    unsigned char bytes[6] = {0x80, 0x84, 0x89, 0x80, 0x83, 0x91};
    unsigned number = 0;
    for (auto _ : state) {
        for (unsigned n = 0; n < 0x10000; ++n) {
            bytes[2] = static_cast<unsigned char>(0x80 | (n & 0x7F));
            switch (which) {
            case 0:
                benchmark::DoNotOptimize(regalo_error_message(n, REGALO_RU));
                break;
            case 1:
                benchmark::DoNotOptimize(regalo_receipt_state_caption(regalo_receipt_state(bytes), REGALO_EN));
                break;
            case 2:
                benchmark::DoNotOptimize(regalo_flag_caption(static_cast<int>(n % 6), static_cast<int>(n % 8), REGALO_EN));
                break;
            default:
                benchmark::DoNotOptimize(regalo_read_error(Codes()[n].data(), 4, &number, REGALO_RU, nullptr, 0, nullptr));
                break;
            }
        }
    }
    state.SetItemsProcessed(state.iterations() * 0x10000L);
}
BENCHMARK_CAPTURE(Structured, ErrorMessage, 0)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Structured, ReceiptState, 1)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Structured, FlagCaption, 2)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Structured, ReadError, 3)->Unit(benchmark::kMicrosecond);

// A driver's log of 200,000 lines: status replies, codes (the few a
// register repeats) and requests.
const std::string& DriverLog()
{
    static const char* const kCodes[] = {"0501", "0301", "0E05"};
    static const std::string log = [] {
        std::string text;
        char line[128];
        for (int i = 0; i < 200000; ++i) {
            const int second = i % 86400;
            if (i % 10 == 0)
                std::snprintf(line, sizeof line, "2026-12-09 %02d:%02d:%02d.%03d [FR] ERR 0x%s\n", second / 3600, second / 60 % 60,
                              second % 60, i % 1000, kCodes[i / 10 % 3]);
            else if (i % 10 < 7)
                std::snprintf(line, sizeof line, "2026-12-09 %02d:%02d:%02d.%03d [FR] <- 80 %02X 89 80 83 91\n", second / 3600,
                              second / 60 % 60, second % 60, i % 1000, 0x80 | (i / 100 % 8));
            else
                std::snprintf(line, sizeof line, "2026-12-09 %02d:%02d:%02d.%03d [FR] -> 02 05 11 00 00 00 1E 03\n", second / 3600,
                              second / 60 % 60, second % 60, i % 1000);
            text += line;
        }
        return text;
    }();
    return log;
}

void Count(void* context, const char*, std::size_t length)
{
    *static_cast<std::size_t*>(context) += length;
}

void Scanner(benchmark::State& state)
{
    for (auto _ : state) {
        std::size_t written = 0;
        regalo_scanner* scanner = regalo_scanner_new(REGALO_RU, REGALO_JSON, Count, &written);
        const std::string& log = DriverLog();
        for (std::size_t at = 0; at < log.size(); at += 1 << 20)
            regalo_scanner_feed(scanner, log.data() + at, std::min<std::size_t>(1 << 20, log.size() - at));
        regalo_scanner_finish(scanner, nullptr, 0, nullptr);
        regalo_scanner_free(scanner);
        benchmark::DoNotOptimize(written);
    }
    state.SetBytesProcessed(state.iterations() * static_cast<long>(DriverLog().size()));
}

// The same log through regalo-decode scan --json.
void DecoderScan(benchmark::State& state)
{
    OverAFile(state, DriverLog(), [](FdWriter& out, FdWriter& err, int in) {
        ::Decoder(ValueKind::LogReading, Format::Json, ValueSource::Lines, out, err).ScanLines(in, {}, {}, false);
    });
    state.SetBytesProcessed(state.iterations() * static_cast<long>(DriverLog().size()));
}
BENCHMARK(DecoderScan)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(Scanner)->Unit(benchmark::kMillisecond)->Iterations(5);

BENCHMARK_CAPTURE(Decoder, BriefStream, Format::Brief)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK_CAPTURE(Library, BriefCalls, REGALO_BRIEF)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK_CAPTURE(Decoder, JsonStream, Format::Json)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK_CAPTURE(Library, JsonCalls, REGALO_JSON)->Unit(benchmark::kMillisecond)->Iterations(5);

} // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    // Each run is all 65,536 codes: a time in milliseconds divided by 65.5 is nanoseconds a code.
    RatioReporter reporter({{"Decoder/BriefStream/iterations:5", "Library/BriefCalls/iterations:5"},
                            {"Decoder/JsonStream/iterations:5", "Library/JsonCalls/iterations:5"},
                            {"DecoderScan/iterations:5", "Scanner/iterations:5"}});
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
