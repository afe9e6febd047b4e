// regalo-decode's stream decoding against the floor of reading the same
// lines and writing as many bytes, in the same run.
#include "cli/Decoder.h"
#include "core/ErrorCodes.h"

#include "RatioReporter.h"

#include <cstdio>
#include <map>
#include <random>
#include <sstream>
#include <vector>

#include <fcntl.h>
#include <unistd.h>

namespace {

constexpr int kLines = 1000000;

const std::string& Input(ValueKind kind)
{
    // As a register's log has them: mostly listed codes, one in ten anything.
    static const std::string codes = [] {
        std::vector<unsigned> listed;
        for (const ErrorClass& errorClass : ErrorCatalogue) {
            for (const ErrorDetail& detail : errorClass.details)
                listed.push_back(static_cast<unsigned>(detail.number * 256 + errorClass.number));
        }
        std::mt19937 random(1);
        std::string text;
        char line[8];
        for (int i = 0; i < kLines; ++i) {
            const unsigned code = random() % 10 == 0 ? static_cast<unsigned>(random() % 0x10000u)
                                                     : listed[random() % listed.size()];
            std::snprintf(line, sizeof line, "%04X\n", code);
            text += line;
        }
        return text;
    }();
    static const std::string statuses = [] {
        std::mt19937 random(2);
        std::string text;
        char line[24];
        for (int i = 0; i < kLines; ++i) {
            unsigned bytes[6];
            for (unsigned& byte : bytes)
                byte = 0x80u | static_cast<unsigned>(random() & 0x7Fu);
            std::snprintf(line, sizeof line, "%02X %02X %02X %02X %02X %02X\n", bytes[0], bytes[1], bytes[2],
                          bytes[3], bytes[4], bytes[5]);
            text += line;
        }
        return text;
    }();
    return kind == ValueKind::ErrorCode ? codes : statuses;
}

int SinkFd()
{
    static const int sink = open("/dev/null", O_WRONLY);
    return sink;
}

// The input as a file, read from its start on every run.
int InputFd(ValueKind kind)
{
    static std::map<ValueKind, int> files;
    auto [entry, added] = files.try_emplace(kind, -1);
    if (added) {
        std::FILE* file = std::tmpfile();
        std::fwrite(Input(kind).data(), 1, Input(kind).size(), file);
        std::fflush(file);
        entry->second = fileno(file);
    }
    lseek(entry->second, 0, SEEK_SET);
    return entry->second;
}

// How many bytes decoding writes, results and notes, to give the floor the
// same amount.
long OutputSize(ValueKind kind, Format format)
{
    std::FILE* out = std::tmpfile();
    {
        FdWriter results(fileno(out));
        FdWriter notes(fileno(out));
        Decoder(kind, format, ValueSource::Lines, results, notes).DecodeLines(InputFd(kind));
    }
    const long size = lseek(fileno(out), 0, SEEK_END);
    std::fclose(out);
    return size;
}

// Reading the lines and writing as many bytes per line through a buffer, as
// any program that prints that much must.
void Floor(benchmark::State& state, ValueKind kind, Format format)
{
    const long total = OutputSize(kind, format);
    const std::string perLine(static_cast<std::size_t>(total / kLines), 'x');
    std::string buffer;
    buffer.reserve(1 << 17);
    for (auto _ : state) {
        std::istringstream in(Input(kind));
        std::string line;
        while (std::getline(in, line)) {
            buffer += perLine;
            if (buffer.size() >= (1 << 16)) {
                benchmark::DoNotOptimize(write(SinkFd(), buffer.data(), buffer.size()));
                buffer.clear();
            }
        }
        benchmark::DoNotOptimize(write(SinkFd(), buffer.data(), buffer.size()));
        buffer.clear();
    }
    state.SetItemsProcessed(state.iterations() * kLines);
}

void Decode(benchmark::State& state, ValueKind kind, Format format)
{
    for (auto _ : state) {
        FdWriter out(SinkFd());
        FdWriter err(SinkFd());
        Decoder(kind, format, ValueSource::Lines, out, err).DecodeLines(InputFd(kind));
    }
    state.SetItemsProcessed(state.iterations() * kLines);
}

constexpr auto kCodes = ValueKind::ErrorCode;
constexpr auto kStatus = ValueKind::Status;
constexpr auto kLine = Format::Text;
constexpr auto kJson = Format::Json;

BENCHMARK_CAPTURE(Floor, ErrorCodes, kCodes, kLine)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK_CAPTURE(Decode, ErrorCodes, kCodes, kLine)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK_CAPTURE(Decode, ErrorCodesJson, kCodes, kJson)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK_CAPTURE(Floor, StatusLines, kStatus, kLine)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK_CAPTURE(Decode, StatusLines, kStatus, kLine)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK_CAPTURE(Decode, StatusLinesJson, kStatus, kJson)->Unit(benchmark::kMillisecond)->Iterations(5);

} // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    // JSON is measured against text mode: it must keep at least a quarter of its rate.
    RatioReporter reporter({{"Floor/ErrorCodes/iterations:5", "Decode/ErrorCodes/iterations:5"},
                            {"Decode/ErrorCodes/iterations:5", "Decode/ErrorCodesJson/iterations:5"},
                            {"Floor/StatusLines/iterations:5", "Decode/StatusLines/iterations:5"},
                            {"Decode/StatusLines/iterations:5", "Decode/StatusLinesJson/iterations:5"}});
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
