// libregalo's calls, one value each, against regalo-decode's own time per
// value in a stream of the same codes, in the same run: a call should answer
// in well under a microsecond.
#include "cli/Decoder.h"
#include "lib/regalo/regalo.h"

#include "RatioReporter.h"

#include <cstdio>
#include <string>
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

// The same codes through regalo-decode's stream, one per line.
void Decoder(benchmark::State& state, Format format)
{
    std::FILE* input = std::tmpfile();
    for (const std::string& code : Codes())
        std::fprintf(input, "%s\n", code.c_str());
    std::fflush(input);
    const int sink = open("/dev/null", O_WRONLY);
    for (auto _ : state) {
        lseek(fileno(input), 0, SEEK_SET);
        FdWriter out(sink);
        FdWriter err(sink);
        ::Decoder(ValueKind::ErrorCode, format, ValueSource::Lines, out, err).DecodeLines(fileno(input));
    }
    close(sink);
    std::fclose(input);
    state.SetItemsProcessed(state.iterations() * static_cast<long>(Codes().size()));
}

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
                            {"Decoder/JsonStream/iterations:5", "Library/JsonCalls/iterations:5"}});
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
