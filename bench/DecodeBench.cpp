// regalo-decode's stream decoding against the floor of reading the same
// lines and writing as many bytes, in the same run.
#include "cli/Decoder.h"
#include "core/ErrorCodes.h"

#include "RatioReporter.h"

#include <cstdio>
#include <random>
#include <sstream>

namespace {

constexpr int kLines = 1000000;

const std::string& Input(Decoder::Kind kind)
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
    return kind == Decoder::Kind::ErrorCode ? codes : statuses;
}

std::FILE* Sink()
{
    static std::FILE* sink = std::fopen("/dev/null", "w");
    return sink;
}

// How many bytes decoding writes, results and notes, to give the floor the
// same amount.
long OutputSize(Decoder::Kind kind)
{
    std::FILE* out = std::tmpfile();
    std::FILE* err = std::tmpfile();
    std::istringstream in(Input(kind));
    {
        Decoder decoder(kind, false, out, err);
        decoder.DecodeStream(in);
    }
    const long size = std::ftell(out) + std::ftell(err);
    std::fclose(out);
    std::fclose(err);
    return size;
}

// Reading the lines and writing as many bytes per line through a buffer, as
// any program that prints that much must.
void Floor(benchmark::State& state, Decoder::Kind kind)
{
    const long total = OutputSize(kind);
    const std::string perLine(static_cast<std::size_t>(total / kLines), 'x');
    std::string buffer;
    buffer.reserve(1 << 17);
    for (auto _ : state) {
        std::istringstream in(Input(kind));
        std::string line;
        while (std::getline(in, line)) {
            buffer += perLine;
            if (buffer.size() >= (1 << 16)) {
                std::fwrite(buffer.data(), 1, buffer.size(), Sink());
                buffer.clear();
            }
        }
        std::fwrite(buffer.data(), 1, buffer.size(), Sink());
        buffer.clear();
    }
    state.SetItemsProcessed(state.iterations() * kLines);
}

void Decode(benchmark::State& state, Decoder::Kind kind)
{
    for (auto _ : state) {
        std::istringstream in(Input(kind));
        Decoder decoder(kind, false, Sink(), Sink());
        decoder.DecodeStream(in);
    }
    state.SetItemsProcessed(state.iterations() * kLines);
}

BENCHMARK_CAPTURE(Floor, ErrorCodes, Decoder::Kind::ErrorCode)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK_CAPTURE(Decode, ErrorCodes, Decoder::Kind::ErrorCode)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK_CAPTURE(Floor, StatusLines, Decoder::Kind::Status)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK_CAPTURE(Decode, StatusLines, Decoder::Kind::Status)->Unit(benchmark::kMillisecond)->Iterations(5);

} // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter({{"Floor/ErrorCodes/iterations:5", "Decode/ErrorCodes/iterations:5"},
                            {"Floor/StatusLines/iterations:5", "Decode/StatusLines/iterations:5"}});
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
