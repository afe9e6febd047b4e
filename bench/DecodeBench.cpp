// regalo-decode's stream decoding against the floor of reading the same
// lines and writing as many bytes, in the same run.
#include "cli/Decoder.h"
#include "core/ErrorCodes.h"

#include "RatioReporter.h"

#include <algorithm>
#include <cstdio>
#include <map>
#include <random>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include <fcntl.h>
#include <unistd.h>

namespace {

constexpr int kLines = 1000000;

// Lines as Windows tools and old Macs end them: a carriage return alone.
enum class LineEnd { Feed, Return };

const std::string& Input(ValueKind kind, LineEnd end = LineEnd::Feed)
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
    static const std::string statusesWithReturns = [] {
        std::string text = statuses;
        std::replace(text.begin(), text.end(), '\n', '\r');
        return text;
    }();
    // A driver's log: every line timed, a status reply in most, changing
    // now and then, an error code in some, the rest other talk.
    static const std::string log = [] {
        std::mt19937 random(3);
        std::string text;
        unsigned bytes[6] = {0x80, 0x80, 0x88, 0x80, 0x83, 0x91};
        char line[96];
        for (int i = 0; i < kLines; ++i) {
            const int second = i % 86400;
            const int kind = static_cast<int>(random() % 10);
            if (random() % 20 == 0)
                bytes[random() % 6] = 0x80u | static_cast<unsigned>(random() & 0x7Fu);
            const int time = std::snprintf(line, sizeof line, "2026-12-09 %02d:%02d:%02d.%03d ", second / 3600, second / 60 % 60,
                                           second % 60, static_cast<int>(random() % 1000));
            if (kind < 6)
                std::snprintf(line + time, sizeof line - time, "[FR] <- %02X %02X %02X %02X %02X %02X\n", bytes[0], bytes[1],
                              bytes[2], bytes[3], bytes[4], bytes[5]);
            else if (kind < 7)
                std::snprintf(line + time, sizeof line - time, "[FR] ERR 0x%04X\n", static_cast<unsigned>(random() % 0x10000u));
            else
                std::snprintf(line + time, sizeof line - time, "[FR] -> 02 05 11 00 00 00 1E 03 (request %d)\n", i);
            text += line;
        }
        return text;
    }();
    if (end == LineEnd::Return)
        return statusesWithReturns;
    if (kind == ValueKind::LogReading)
        return log;
    return kind == ValueKind::ErrorCode ? codes : statuses;
}

int SinkFd()
{
    static const int sink = open("/dev/null", O_WRONLY);
    return sink;
}

// The input as a file, read from its start on every run.
int InputFd(ValueKind kind, LineEnd end = LineEnd::Feed)
{
    static std::map<std::pair<ValueKind, LineEnd>, int> files;
    auto [entry, added] = files.try_emplace({kind, end}, -1);
    if (added) {
        std::FILE* file = std::tmpfile();
        std::fwrite(Input(kind, end).data(), 1, Input(kind, end).size(), file);
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

void Decode(benchmark::State& state, ValueKind kind, Format format, LineEnd end = LineEnd::Feed)
{
    for (auto _ : state) {
        FdWriter out(SinkFd());
        FdWriter err(SinkFd());
        Decoder(kind, format, ValueSource::Lines, out, err).DecodeLines(InputFd(kind, end));
    }
    state.SetItemsProcessed(state.iterations() * kLines);
}

// The same bytes scanned as a log: each line a reading.
void Scan(benchmark::State& state, ValueKind input, Format format)
{
    for (auto _ : state) {
        FdWriter out(SinkFd());
        FdWriter err(SinkFd());
        Decoder(ValueKind::LogReading, format, ValueSource::Lines, out, err).ScanLines(InputFd(input), {}, ScanChoices{}, false);
    }
    state.SetItemsProcessed(state.iterations() * kLines);
    state.SetBytesProcessed(state.iterations() * static_cast<long long>(Input(input).size()));
}

constexpr auto kCodes = ValueKind::ErrorCode;
constexpr auto kLog = ValueKind::LogReading;
constexpr auto kStatus = ValueKind::Status;
constexpr auto kLine = Format::Text;
constexpr auto kJson = Format::Json;
constexpr auto kCsv = Format::Csv;
constexpr auto kExcel = Format::Excel;
constexpr auto kReturns = LineEnd::Return;

BENCHMARK_CAPTURE(Floor, ErrorCodes, kCodes, kLine)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK_CAPTURE(Decode, ErrorCodes, kCodes, kLine)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK_CAPTURE(Decode, ErrorCodesJson, kCodes, kJson)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK_CAPTURE(Decode, ErrorCodesCsv, kCodes, kCsv)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK_CAPTURE(Decode, ErrorCodesExcel, kCodes, kExcel)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK_CAPTURE(Floor, StatusLines, kStatus, kLine)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK_CAPTURE(Decode, StatusLines, kStatus, kLine)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK_CAPTURE(Decode, StatusLinesJson, kStatus, kJson)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK_CAPTURE(Decode, StatusLinesCsv, kStatus, kCsv)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK_CAPTURE(Decode, StatusLinesExcel, kStatus, kExcel)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK_CAPTURE(Decode, StatusLinesEndingInReturns, kStatus, kLine, kReturns)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK_CAPTURE(Scan, StatusLines, kStatus, kLine)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK_CAPTURE(Scan, StatusLinesJson, kStatus, kJson)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK_CAPTURE(Scan, DriverLog, kLog, kLine)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK_CAPTURE(Scan, DriverLogJson, kLog, kJson)->Unit(benchmark::kMillisecond)->Iterations(5);

} // namespace

int main(int argc, char** argv)
{
    // Floors and decoding take turns, nine times each, and the medians are
    // compared: run one after the other, they drifted apart by a third on
    // this shared machine.
    std::vector<char*> arguments(argv, argv + argc);
    std::string repetitions = "--benchmark_repetitions=9";
    std::string interleaving = "--benchmark_enable_random_interleaving=true";
    std::string aggregates = "--benchmark_report_aggregates_only=true";
    if (std::none_of(argv + 1, argv + argc, [](const char* argument) { return std::string_view(argument).starts_with("--benchmark_repetitions"); }))
        arguments.insert(arguments.end(), {repetitions.data(), interleaving.data(), aggregates.data()});
    argc = static_cast<int>(arguments.size());
    argv = arguments.data();
    benchmark::Initialize(&argc, argv);
    // JSON, CSV and Excel are measured against text, lines ending in a
    // carriage return alone against lines ending in a line feed.
    const auto pair = [](const char* floor, const char* measured) {
        return std::pair{std::string("Floor/") + floor + "/iterations:5", std::string("Decode/") + measured + "/iterations:5"};
    };
    const auto againstText = [](const char* text, const char* measured) {
        return std::pair{std::string("Decode/") + text + "/iterations:5", std::string("Decode/") + measured + "/iterations:5"};
    };
    RatioReporter reporter({pair("ErrorCodes", "ErrorCodes"), againstText("ErrorCodes", "ErrorCodesJson"),
                            againstText("ErrorCodes", "ErrorCodesCsv"), againstText("ErrorCodes", "ErrorCodesExcel"),
                            pair("StatusLines", "StatusLines"), againstText("StatusLines", "StatusLinesJson"),
                            againstText("StatusLines", "StatusLinesCsv"), againstText("StatusLines", "StatusLinesExcel"),
                            againstText("StatusLines", "StatusLinesEndingInReturns"),
                            // Scanning the same lines as a log: at most three times as long.
                            {"Decode/StatusLines/iterations:5", "Scan/StatusLines/iterations:5"},
                            {"Decode/StatusLinesJson/iterations:5", "Scan/StatusLinesJson/iterations:5"}});
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
