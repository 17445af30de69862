#include "chipdb/chip_extract.h"
#include "chipdb/chip_list.h"
#include "chipdb/chip_text.h"
#include "platform/text_file.h"
#include "protocol/engine_texts.h"
#include "workbench/load_messages.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace {

// A chip file of `records` records of 25 lines each: 17 key lines, 7 fuse
// lists and a separator, written in the loose form users type.
std::string GeneratedChipFile(int records) {
    std::string bytes;
    for (int r = 0; r < records; ++r) {
        bytes += "ChipName = 16F" + std::to_string(r) +
                 "\r\nInclude = " + (r % 3 == 0 ? "N" : "Y") +
                 "\r\nSocketImage=2\r\nEraseMode=1\r\nFlashChip=Y\r\nPowerSequence=VCCVPP1\r\n"
                 "ProgramDelay=50\r\nProgramTries=1\r\nOverProgram=0\r\nCoreType=5\r\n"
                 "RomSize=0800\r\nEEPromSize=0080\r\nFuseBlank=3FFF\r\nCPWarn=N\r\n"
                 "CalWord=N\r\nBandGap=N\r\nChipID=07C0\r\n";
        bytes += "LIST1 FUSE1 \"Oscillator\" \"ER CLKOUT\"=3FFF \"ER I/O\"=3FFE \"INTRC "
                 "CLKOUT\"=3FFD \"INTRC I/O\"=3FFC \"EC\"=3FEF \"HS\"=3FEE \"XT\"=3FED "
                 "\"LP\"=3FEC\r\n";
        bytes += "LIST2 FUSE1 \"Watchdog\" \"Enabled\"=3FFF \"Disabled\"=3FFB\r\n";
        bytes += "LIST3 FUSE1 \"Power-up Timer\" \"Disabled\"=3FFF \"Enabled\"=3FF7\r\n";
        bytes += "LIST4 FUSE1 \"MCLR Pin\" \"MCLR\"=3FFF \"RA5 Input\"=3FDF\r\n";
        bytes += "LIST5 FUSE1 \"Brown-out Reset\" \"Enabled\"=3FFF \"Disabled\"=3FBF\r\n";
        bytes += "LIST6 FUSE1 \"Low Voltage Prog\" \"Enabled\"=3FFF \"Disabled\"=3F7F\r\n";
        bytes += "LIST7 FUSE1 \"Code Protect\" \"Off\"=3FFF \"0400-07FF\"=2BFF \"All\"=03FF\r\n";
        bytes += "\r\n";
    }
    return bytes;
}

void BM_LoadChipFile(benchmark::State& state) {
    const std::vector<std::string> lines = SplitLines(GeneratedChipFile(2000));
    for (auto _ : state) {
        ChipFileLoadResult r = LoadChipFile(lines, 0);
        if (!r.Loaded())
            state.SkipWithError(Worded(LoadMessage(r)).c_str());
        benchmark::DoNotOptimize(r);
    }
    state.counters["lines"] = static_cast<double>(lines.size());
}
BENCHMARK(BM_LoadChipFile)->Unit(benchmark::kMillisecond);

void BM_SplitAndLoadChipFile(benchmark::State& state) {
    const std::string bytes = GeneratedChipFile(2000);
    for (auto _ : state) {
        ChipFileLoadResult r = LoadChipFile(SplitLines(bytes), 0);
        benchmark::DoNotOptimize(r);
    }
}
BENCHMARK(BM_SplitAndLoadChipFile)->Unit(benchmark::kMillisecond);

std::string ShippedChipFile() {
    auto path = std::filesystem::path(__FILE__).parent_path().parent_path() / "data/chipinfo.cid";
    std::ifstream in(path, std::ios::binary);
    std::stringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

std::vector<std::string> ShippedChipData() {
    return LoadChipFile(SplitLines(ShippedChipFile()), 1).ChipData;
}

// Start-up with the shipped file: its bytes split into lines, checked,
// filtered for the style (0 Alder drops the one-time parts) and listed.
void BM_StartUpShippedChipFile(benchmark::State& state) {
    const std::string bytes = ShippedChipFile();
    std::size_t chips = 0;
    for (auto _ : state) {
        ChipFileLoadResult r = LoadChipFile(SplitLines(bytes), static_cast<int>(state.range(0)));
        if (!r.Loaded())
            state.SkipWithError(Worded(LoadMessage(r)).c_str());
        chips = r.ChipNames.size();
        benchmark::DoNotOptimize(r);
    }
    state.counters["chips"] = static_cast<double>(chips);
}
BENCHMARK(BM_StartUpShippedChipFile)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// A chip switch reads the record found by walking ChipData from the top: the
// last chip of the file is the longest walk.
void BM_SelectLastShippedChip(benchmark::State& state) {
    const std::vector<std::string> chipData = ShippedChipData();
    const int last = static_cast<int>(ExtractChipNames(chipData).size()) - 1;
    for (auto _ : state) {
        ChipInfoResult r = ExtractChipInfo(chipData, last);
        DeriveSelectionFields(r.record);
        benchmark::DoNotOptimize(r);
    }
    state.SetLabel(ExtractChipNames(chipData).back());
}
BENCHMARK(BM_SelectLastShippedChip)->Unit(benchmark::kMicrosecond);

// The shipped chip with the most fuse options.
int LargestChip(const std::vector<std::string>& chipData) {
    int best = 0;
    std::size_t bestItems = 0;
    for (int p = 0; ExtractChipInfo(chipData, p).ok; ++p) {
        std::size_t items = 0;
        for (const FuseRow& row : ExtractChipInfo(chipData, p).rows)
            items += row.items.size();
        if (items > bestItems) {
            bestItems = items;
            best = p;
        }
    }
    return best;
}

void BM_SelectLargestShippedChip(benchmark::State& state) {
    const std::vector<std::string> chipData = ShippedChipData();
    const int position = LargestChip(chipData);
    for (auto _ : state) {
        ChipInfoResult r = ExtractChipInfo(chipData, position);
        DeriveSelectionFields(r.record);
        benchmark::DoNotOptimize(r);
    }
    state.SetLabel(ExtractChipInfo(chipData, position).record.ChipName);
}
BENCHMARK(BM_SelectLargestShippedChip)->Unit(benchmark::kMicrosecond);

} // namespace
