// HEX load and save of a full 32K-word 16-bit image, and the code listing.

#include "image/code_listing.h"
#include "image/hex_load.h"
#include "image/hex_save.h"
#include "image/reset_code_memory.h"

#include <benchmark/benchmark.h>
#include <filesystem>
#include <random>

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
        if (!r.loaded)
            state.SkipWithError(r.message.c_str());
        benchmark::DoNotOptimize(image.ROMData.data());
    }
    std::filesystem::remove(BenchFile());
}
BENCHMARK(BM_LoadINHX32File32KWords)->Unit(benchmark::kMillisecond);

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
