// HEX load and save of a full 32K-word 16-bit image, and the code listing.

#include "image/code_listing.h"
#include "image/hex_load.h"
#include "image/hex_save.h"
#include "image/reset_code_memory.h"
#include "protocol/engine_texts.h"
#include "workbench/load_messages.h"

#include <benchmark/benchmark.h>
#include <filesystem>
#include <fstream>
#include <random>
#include <vector>

namespace {

ChipRecord Chip32K() {
    ChipRecord chip;
    chip.CoreType = 2;
    chip.WordMask = 0xFFFF;
    chip.ROMSize = 0x8000;
    chip.EEPROMSize = 0x400;
    chip.FlashChip = true;
    chip.FuseBlank = {0, 0xFFFF, 0xFFFF, 0xFFFF, 0xFFFF, 0xFFFF, 0xFFFF, 0xFFFF};
    return chip;
}

MemoryImage FullImage(const ChipRecord& chip) {
    MemoryImage image;
    FillMissingEntries(chip, image);
    std::mt19937 rng(7);
    for (std::size_t i = 0; i < static_cast<std::size_t>(chip.ROMSize); ++i)
        image.ROMData[i] = static_cast<int>(rng() & 0xFFFF);
    for (int& b : image.EEPROMData)
        b = static_cast<int>(rng() & 0xFF);
    return image;
}

std::string BenchFile() {
    return (std::filesystem::temp_directory_path() / "tessaro-hex-bench.hex").string();
}

void BM_LoadINHX32File32KWords(benchmark::State& state) {
    const ChipRecord chip = Chip32K();
    std::string id = "01234567";
    const MemoryImage full = FullImage(chip);
    if (!SaveHexFile(BenchFile(), full, chip, id)) {
        state.SkipWithError("cannot write the file");
        return;
    }
    MemoryImage blank;
    FillMissingEntries(chip, blank);
    for (auto _ : state) {
        MemoryImage image = blank;
        const HexLoadResult r = LoadTheHexFile(BenchFile(), chip, image, id, nullptr);
        if (!r.Loaded())
            state.SkipWithError(Worded(LoadMessage(r)).c_str());
        benchmark::DoNotOptimize(image.ROMData.data());
    }
    std::filesystem::remove(BenchFile());
}
BENCHMARK(BM_LoadINHX32File32KWords)->Unit(benchmark::kMillisecond);

// A 64K-word 16-bit image as a compiler writes it, 16 bytes a record: Arg 0
// with an extended linear address record first, Arg 1 beginning with data
// (such a record only where the second 64K begins). Both take the same time.
std::string HexRecord(int type, int address, const std::vector<int>& bytes) {
    static const char* digits = "0123456789ABCDEF";
    std::vector<int> all = {static_cast<int>(bytes.size()), (address >> 8) & 0xFF, address & 0xFF,
                            type};
    all.insert(all.end(), bytes.begin(), bytes.end());
    std::string line = ":";
    int sum = 0;
    for (int b : all) {
        sum += b;
        line += digits[(b >> 4) & 15];
        line += digits[b & 15];
    }
    const int check = (0x100 - (sum & 0xFF)) & 0xFF;
    line += digits[check >> 4];
    line += digits[check & 15];
    return line + "\r\n";
}

void BM_Load64KWordFileLeadingRecordOrNot(benchmark::State& state) {
    ChipRecord chip = Chip32K();
    chip.ROMSize = 0x10000;
    std::string id = "01234567";
    const MemoryImage full = FullImage(chip);
    {
        std::ofstream out(BenchFile(), std::ios::binary | std::ios::trunc);
        for (int byte = 0; byte < 2 * chip.ROMSize; byte += 16) {
            if (byte % 0x10000 == 0 && (byte > 0 || state.range(0) == 0))
                out << HexRecord(4, 0, {byte >> 24, (byte >> 16) & 0xFF});
            std::vector<int> data;
            for (int k = 0; k < 16; k += 2) {
                const int word = full.ROMData[static_cast<std::size_t>((byte + k) / 2)];
                data.push_back(word & 0xFF);
                data.push_back(word >> 8);
            }
            out << HexRecord(0, byte & 0xFFFF, data);
        }
        out << ":00000001FF\r\n";
    }
    MemoryImage blank;
    FillMissingEntries(chip, blank);
    for (auto _ : state) {
        MemoryImage image = blank;
        const HexLoadResult r = LoadTheHexFile(BenchFile(), chip, image, id, nullptr);
        if (!r.Loaded() || image.ROMData[0] != full.ROMData[0] ||
            image.ROMData[0xFFFF] != full.ROMData[0xFFFF])
            state.SkipWithError("the file did not load whole");
        benchmark::DoNotOptimize(image.ROMData.data());
    }
    std::filesystem::remove(BenchFile());
}
BENCHMARK(BM_Load64KWordFileLeadingRecordOrNot)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_BuildINHX32Lines32KWords(benchmark::State& state) {
    const ChipRecord chip = Chip32K();
    const MemoryImage image = FullImage(chip);
    std::string id = "01234567";
    for (auto _ : state)
        benchmark::DoNotOptimize(SaveINHX32File(image, chip, id));
}
BENCHMARK(BM_BuildINHX32Lines32KWords)->Unit(benchmark::kMillisecond);

// Building the lines plus the safe replacement of the file (temporary file,
// fsync and rename).
void BM_SaveINHX32File32KWords(benchmark::State& state) {
    const ChipRecord chip = Chip32K();
    const MemoryImage image = FullImage(chip);
    std::string id = "01234567";
    for (auto _ : state)
        if (!SaveHexFile(BenchFile(), image, chip, id))
            state.SkipWithError("cannot write the file");
    std::filesystem::remove(BenchFile());
}
BENCHMARK(BM_SaveINHX32File32KWords)->Unit(benchmark::kMillisecond);

void BM_CreateCodeData32KWords(benchmark::State& state) {
    const ChipRecord chip = Chip32K();
    const MemoryImage image = FullImage(chip);
    for (auto _ : state)
        benchmark::DoNotOptimize(CreateCodeData(image, chip.WordMask));
}
BENCHMARK(BM_CreateCodeData32KWords)->Unit(benchmark::kMillisecond);

// The text of one page as DisplayCodeLines draws it.
void BM_CodePage(benchmark::State& state) {
    const ChipRecord chip = Chip32K();
    const auto lines = CreateCodeData(FullImage(chip), chip.WordMask);
    int position = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(CodePage(lines, position));
        position = (position + 97) % CodeScrollMax(lines);
    }
}
BENCHMARK(BM_CodePage)->Unit(benchmark::kMicrosecond);

} // namespace
