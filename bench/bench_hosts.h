#pragma once

// Pieces shared by the benchmarks that run the programmer engine themselves.
#include "chipdb/chip_extract.h"
#include "chipdb/chip_list.h"
#include "platform/scripted_dialogs.h"
#include "platform/text_file.h"
#include "protocol/engine_texts.h"
#include "protocol/programmer_host.h"

#include <algorithm>
#include <chrono>
#include <string>
#include <thread>
#include <vector>

namespace bench {

// A host with no window and no one at it: nothing to show, boxes scripted.
// Its line (send, reset, port) is the subclass's.
class QuietHost : public ProgrammerHost {
public:
    void PurgeRx() override {}
    void SetTimer(bool) override {}
    void Pause(int ms) override { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); }
    void StatusReported(const EngineStatus&) override {}
    void SetProgress(int, int) override {}
    void Tell(const EngineMessage& message) override { SayIn(dialogs, message); }
    Dialogs::Answer Ask(const EngineMessage& question) override { return SayIn(dialogs, question); }
    void OtherBoardGreeted(int) override {}
    bool ChipSelected() const override { return true; }
    void ClearImage() override {}
    bool ReloadNewerFile() override { return true; }

    ScriptedDialogs dialogs;
};

// A chip of the shipped chip file, as the program selects it.
inline ChipRecord ShippedChip(const std::string& name) {
    std::vector<std::string> lines =
        SplitLines(ReadWholeFile(TESSARO_SOURCE_DIR "/data/chipinfo.cid").value_or(""));
    ChipFileLoadResult loaded = LoadChipFile(lines, 1);
    const auto at = std::find(loaded.ChipNames.begin(), loaded.ChipNames.end(), name);
    ChipInfoResult info =
        ExtractChipInfo(loaded.ChipData, static_cast<int>(at - loaded.ChipNames.begin()));
    info.record.ChipName = name;
    DeriveSelectionFields(info.record);
    return info.record;
}

} // namespace bench
