// Disassembling a full 32K-word 16-bit image (target: under 10 ms), and the
// listing the window shows it in; a full 16K-word 14-bit image for the
// window's toggle on the largest mid-range chips.

#include "disasm/disasm_listing.h"
#include "disasm/disassembly.h"
#include "image/reset_code_memory.h"

#include <benchmark/benchmark.h>
#include <random>

namespace {

ChipRecord DisasmBenchChip(int coreType, int romWords, int wordMask) {
    ChipRecord chip;
    chip.CoreType = coreType;
    chip.WordMask = wordMask;
    chip.ROMSize = romWords;
    chip.EEPROMSize = 0x100;
    return chip;
}

// Every word random: no blank runs to fold, every instruction form in use.
MemoryImage DisasmBenchImage(const ChipRecord& chip) {
    MemoryImage image;
    FillMissingEntries(chip, image);
    std::mt19937 rng(11);
    for (std::size_t i = 0; i < static_cast<std::size_t>(chip.ROMSize); ++i)
        image.ROMData[i] = static_cast<int>(rng()) & chip.WordMask;
    return image;
}

void BM_Disassemble32KWords(benchmark::State& state) {
    const ChipRecord chip = DisasmBenchChip(2, 0x8000, 0xFFFF);
    const MemoryImage image = DisasmBenchImage(chip);
    for (auto _ : state)
        benchmark::DoNotOptimize(Disassemble(chip, image.ROMData));
}
BENCHMARK(BM_Disassemble32KWords)->Unit(benchmark::kMillisecond);

// The window's listing of a full image: what View > Disassembly waits for.
void DisassemblyListing(benchmark::State& state, const ChipRecord& chip) {
    const MemoryImage image = DisasmBenchImage(chip);
    for (auto _ : state)
        benchmark::DoNotOptimize(CreateDisassemblyCodeData(image, chip));
}
BENCHMARK_CAPTURE(DisassemblyListing, 32KWords16Bit, DisasmBenchChip(2, 0x8000, 0xFFFF))
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(DisassemblyListing, 16KWords14Bit, DisasmBenchChip(7, 0x4000, 0x3FFF))
    ->Unit(benchmark::kMillisecond);

} // namespace
