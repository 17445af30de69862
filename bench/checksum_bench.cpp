// The checksum the chip maker's tools show, over a full 32K-word 16-bit image
// (goal: under 1 ms), open and with every block protected.

#include "image/chip_checksum.h"
#include "image/reset_code_memory.h"

#include <benchmark/benchmark.h>
#include <random>

namespace {

ChipRecord Chip32KWords() {
    ChipRecord chip;
    chip.ChipName = "18F4620";
    chip.CoreType = 2;
    chip.WordMask = kWordMask16;
    chip.ROMSize = 0x8000;
    chip.EEPROMSize = 0x400;
    chip.FlashChip = true;
    chip.FuseBlank = {0, 0xCF00, 0x1F1F, 0x8700, 0x00C5, 0xC00F, 0xE00F, 0x400F};
    return chip;
}

void Run(benchmark::State& state, int config5) {
    const ChipRecord chip = Chip32KWords();
    MemoryImage image;
    FillMissingEntries(chip, image);
    std::mt19937 rng(11);
    for (int& word : image.ROMData)
        word = static_cast<int>(rng() & 0xFFFF);
    image.FuseValue = chip.FuseBlank;
    image.FuseValue[5] = config5;
    image.IDText = "12345678";
    for (auto _ : state)
        benchmark::DoNotOptimize(ChipChecksum(chip, image));
    state.SetBytesProcessed(state.iterations() * 2 * chip.ROMSize);
}

void BM_Checksum32KWords(benchmark::State& state) {
    Run(state, 0xC00F);
}
BENCHMARK(BM_Checksum32KWords)->Unit(benchmark::kMicrosecond);

void BM_Checksum32KWordsBlock0Protected(benchmark::State& state) {
    Run(state, 0xC00E);
}
BENCHMARK(BM_Checksum32KWordsBlock0Protected)->Unit(benchmark::kMicrosecond);

} // namespace
