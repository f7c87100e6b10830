// How fast the CRC engine runs against how fast a file can be read, measured
// in one run on the same data:
//   - each CRC tier over a 1 MiB buffer in memory (in cache), against the byte
//     loop and the 128-bit tier;
//   - a plain 1 MiB read loop over a cached test file, the program's file CRC
//     on the same file, and reading then hashing each chunk in turn.
// Usage: crc_bench [file size in MiB, default 1024] [rounds, default 5]
#include <cpuid.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "bench/bench_file.h"
#include "engine/crc16.h"
#include "engine/stream_crc.h"

namespace {

using Clock = std::chrono::steady_clock;

struct Rate {
    double best = 0;    // GB/s
    double median = 0;  // GB/s
};

Rate Summarize(std::vector<double> rates) {
    std::sort(rates.begin(), rates.end());
    return {rates.back(), rates[rates.size() / 2]};
}

template <class Work>
double GigabytesPerSecond(std::int64_t bytes, Work&& work) {
    const auto start = Clock::now();
    work();
    const std::chrono::duration<double> seconds = Clock::now() - start;
    return static_cast<double>(bytes) / seconds.count() / 1e9;
}

std::string ProcessorName() {
    unsigned words[12] = {};
    for (unsigned leaf = 0; leaf < 3; ++leaf) {
        unsigned* w = words + 4 * leaf;
        if (!__get_cpuid(0x80000002 + leaf, &w[0], &w[1], &w[2], &w[3])) {
            return "unknown";
        }
    }
    std::string name(reinterpret_cast<const char*>(words), sizeof words);
    name = name.c_str();
    name.erase(0, name.find_first_not_of(' '));
    name.erase(name.find_last_not_of(' ') + 1);
    return name;
}

// Reads the whole file in 1 MiB chunks, calling take for each; the bytes read.
template <class Take>
std::int64_t ReadChunks(const std::string& path, unsigned char* buffer, Take&& take) {
    BenchFile file(path);
    if (!file.IsOpen()) {
        return -1;
    }
    std::int64_t total = 0;
    for (std::int64_t count; (count = file.Read(buffer, kCrcChunkSize)) > 0;) {
        take(static_cast<std::size_t>(count));
        total += count;
    }
    return total;
}

// A second baseline of 0 leaves its column empty.
void PrintRow(const char* name, Rate rate, double baseline, double secondBaseline = 0) {
    std::printf("  %-34s %9.2f %11.2f %12.2f", name, rate.best, rate.median,
                rate.median / baseline);
    if (secondBaseline > 0) {
        std::printf(" %12.2f", rate.median / secondBaseline);
    }
    std::printf("\n");
}

// Each tier over the same 1 MiB buffer, about a quarter of a second per round.
void BenchTiers(int rounds) {
    std::vector<unsigned char> buffer(kCrcChunkSize);
    std::uint64_t state = 0x2545F4914F6CDD1Du;
    for (auto& byte : buffer) {
        state ^= state << 13, state ^= state >> 7, state ^= state << 17;
        byte = static_cast<unsigned char>(state);
    }
    std::printf("\nCRC of a 1 MiB buffer in memory  %9s %11s %12s %12s\n", "best GB/s",
                "median GB/s", "vs bytewise", "vs pclmulqdq");
    double bytewise = 0, clmul = 0;
    unsigned sink = 0;
    for (CrcTier tier : AvailableCrcTiers()) {
        const int passes = tier == CrcTier::Bytewise ? 64 : tier == CrcTier::Slicing ? 384 : 4096;
        std::vector<double> rates;
        for (int round = 0; round < rounds; ++round) {
            rates.push_back(GigabytesPerSecond(std::int64_t{passes} * kCrcChunkSize, [&] {
                for (int pass = 0; pass < passes; ++pass) {
                    sink += UpdateCrcWith(tier, static_cast<std::uint16_t>(pass), buffer.data(),
                                          buffer.size());
                }
            }));
        }
        const Rate rate = Summarize(rates);
        if (tier == CrcTier::Bytewise) {
            bytewise = rate.median;
        }
        if (tier == CrcTier::Clmul) {
            clmul = rate.median;
        }
        PrintRow(CrcTierName(tier), rate, bytewise, clmul);
    }
    if (sink == 1) {
        std::printf("\n");  // keeps the work from being optimised away
    }
}

// The three ways of reading the file, taking turns round by round so that
// any drift of the machine touches them alike. False if a CRC disagrees.
bool BenchFileReads(const std::string& path, std::int64_t size, int rounds) {
    std::unique_ptr<unsigned char[]> buffer(new unsigned char[kCrcChunkSize]);
    std::vector<double> plain, program, inTurn;
    std::uint16_t programCrc = 0, inTurnCrc = 0;
    bool complete = true;
    for (int round = 0; round < rounds; ++round) {
        plain.push_back(GigabytesPerSecond(
            size, [&] { complete &= ReadChunks(path, buffer.get(), [](std::size_t) {}) == size; }));
        program.push_back(GigabytesPerSecond(size, [&] { programCrc = ProgramFileCrc(path); }));
        inTurn.push_back(GigabytesPerSecond(size, [&] {
            inTurnCrc = kCrcInitial;
            complete &= ReadChunks(path, buffer.get(), [&](std::size_t count) {
                            inTurnCrc = UpdateCrc(inTurnCrc, buffer.get(), count);
                        }) == size;
        }));
    }
    const Rate plainRate = Summarize(plain);
    std::printf("\nCached file, 1 MiB chunks         %9s %11s %12s\n", "best GB/s", "median GB/s",
                "vs read loop");
    PrintRow("plain read loop", plainRate, plainRate.median);
    PrintRow(ProgramFileCrcName(), Summarize(program), plainRate.median);
    PrintRow("read, then UpdateCrc, in turn", Summarize(inTurn), plainRate.median);
    std::printf("\nFile CRC %s (%s); read loops %s\n", FormatCrcHex(programCrc).c_str(),
                programCrc == inTurnCrc ? "both ways agree" : "MISMATCH",
                complete ? "complete" : "INCOMPLETE");
    return programCrc == inTurnCrc && complete;
}

}  // namespace

int main(int argc, char** argv) {
    const std::int64_t mebibytes = argc > 1 ? std::atoll(argv[1]) : 1024;
    const int rounds = argc > 2 ? std::max(1, std::atoi(argv[2])) : 5;
    const std::int64_t size = mebibytes * static_cast<std::int64_t>(kCrcChunkSize);
    BuildCrcTable();

    std::printf("Processor: %s\n", ProcessorName().c_str());
    std::printf("Program:   %s\n", BenchPlatform().c_str());
    std::printf("Tiers:    ");
    for (CrcTier tier : AvailableCrcTiers()) {
        std::printf(" %s", CrcTierName(tier));
    }
    std::printf(" (UpdateCrc runs %s)\n", CrcTierName(ActiveCrcTier()));
    std::printf("Rounds:    %d, best and median; ratios of the medians\n", rounds);

    BenchTiers(rounds);

    const std::string path = BenchTempPath("varnel-crc-bench.bin");
    if (!WriteBenchFile(path, size)) {
        std::fprintf(stderr, "cannot write the test file %s\n", path.c_str());
        RemoveBenchFile(path);
        return 1;
    }
    std::printf("\nTest file: %s, %lld MiB, read once to cache it\n", path.c_str(),
                static_cast<long long>(mebibytes));
    std::unique_ptr<unsigned char[]> warm(new unsigned char[kCrcChunkSize]);
    ReadChunks(path, warm.get(), [](std::size_t) {});
    const bool agreed = BenchFileReads(path, size, rounds);
    RemoveBenchFile(path);
    return agreed ? 0 : 1;
}
