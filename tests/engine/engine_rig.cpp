#include "engine/engine_rig.h"

#include "chipdb/chip_extract.h"
#include "chipdb/chip_identify.h"
#include "chipdb/chip_list.h"
#include "fuses/id_text.h"
#include "image/reset_code_memory.h"
#include "link/programmer_style.h"
#include "platform/text_file.h"

#include <algorithm>
#include <map>
#include <stdexcept>

namespace {
constexpr std::int64_t kTickUs = 100'000;

// The shipped chip file, read once: rigs are made by the thousand (the fault sweep).
const std::vector<std::string>& ShippedLines() {
    static const std::vector<std::string> lines = [] {
        std::optional<std::string> bytes = ReadWholeFile(TESSARO_SOURCE_DIR "/data/chipinfo.cid");
        if (!bytes)
            throw std::runtime_error("no shipped chip file");
        return SplitLines(*bytes);
    }();
    return lines;
}

boardsim::Chip SocketChip(const std::string& name,
                          const std::function<void(boardsim::ChipConfig&)>& adjust) {
    static std::map<std::string, boardsim::ChipInfoResult> found;
    auto at = found.find(name);
    if (at == found.end())
        at = found.emplace(name, boardsim::FindChipInfo(ShippedLines(), name)).first;
    boardsim::ChipInfoResult info = at->second;
    if (!info.ok)
        throw std::runtime_error("simulator cannot make " + name + ": " + info.error);
    if (adjust)
        adjust(info.config);
    return boardsim::Chip(info.config);
}
} // namespace

ChipRecord ShippedChip(const std::string& name, int style) {
    static std::map<std::pair<std::string, int>, ChipRecord> made;
    if (const auto at = made.find({name, style}); at != made.end())
        return at->second;
    ChipFileLoadResult loaded = LoadChipFile(ShippedLines(), style);
    const auto found = std::find(loaded.ChipNames.begin(), loaded.ChipNames.end(), name);
    if (!loaded.Loaded() || found == loaded.ChipNames.end())
        throw std::runtime_error("no chip " + name);
    ChipInfoResult info =
        ExtractChipInfo(loaded.ChipData, static_cast<int>(found - loaded.ChipNames.begin()));
    if (!info.ok)
        throw std::runtime_error("bad record " + name);
    info.record.ChipName = name;
    DeriveSelectionFields(info.record);
    made.emplace(std::make_pair(name, style), info.record);
    return info.record;
}

EngineRig::EngineRig(const std::string& chipName, boardsim::Model model,
                     const std::function<void(boardsim::ChipConfig&)>& adjust)
    : chip(ShippedChip(chipName, static_cast<int>(model))),
      board(model, SocketChip(chipName, adjust)), link(board),
      engine(EngineHosts::Of(*this), chip, image) {
    engine.SetStyle(static_cast<int>(model));
    id = BlankIDText(chip.IdTextLength());
    // The port is open: DTR stands at the board's idle level.
    link.SetDtr(StyleInfo(static_cast<int>(model)).resetIdleLevel != 0);
}

std::string EngineRig::ChipWithDeviceId(int deviceId) const {
    static const std::vector<std::string> chipData = LoadChipFile(ShippedLines(), 1).ChipData;
    return ::ChipWithDeviceId(chipData, chip, deviceId);
}

void EngineRig::Run(int limitMs) {
    const std::int64_t end = link.Now() + static_cast<std::int64_t>(limitMs) * 1000;
    while (link.Now() < end && (board.HasOutput() || timer)) {
        std::int64_t next = end;
        if (board.HasOutput())
            next = std::min(next, board.NextReadyTime());
        if (timer)
            next = std::min(next, nextTickUs_);
        link.Advance(next - link.Now());
        if (board.HasOutput() && board.NextReadyTime() <= link.Now()) {
            engine.OnBytes(link.ReadDelivery());
        } else if (timer && nextTickUs_ <= link.Now()) {
            // A tick that came late (after a pause) is one tick, as with a window timer.
            nextTickUs_ = link.Now() + kTickUs;
            engine.OnTick();
        }
    }
}

void EngineRig::Connect() {
    engine.ResetProgrammer(true);
    Run();
}

void EngineRig::BlankImage() {
    ResetImage(image, chip, false, false, true, "");
    id = BlankIDText(chip.IdTextLength());
}

std::vector<std::string> EngineRig::TakeTexts() {
    std::vector<std::string> texts;
    for (; textsTaken_ < dialogs.shown.size(); ++textsTaken_)
        texts.push_back(dialogs.shown[textsTaken_].text);
    return texts;
}

void EngineRig::Send(const std::string& bytes) {
    sent += bytes;
    if (portOpen)
        link.Write(bytes);
}

void EngineRig::SetProgrammerReset(bool level) {
    if (portOpen)
        link.SetDtr(level);
}

void EngineRig::SetTimer(bool on) {
    // Starting the timer starts its interval anew, as a window timer does.
    timer = on;
    if (on)
        nextTickUs_ = link.Now() + kTickUs;
}

void EngineRig::Pause(int milliseconds) {
    link.Advance(static_cast<std::int64_t>(milliseconds) * 1000);
}

void EngineRig::SetProgress(int value, int maximum) {
    progress = value;
    progressMax = maximum;
    progressPeak = std::max(progressPeak, value);
}

void EngineRig::OperationStarted(Operation operation) {
    started.push_back(operation);
    if (operation != Operation::AutoProgram)
        controlsEnabled = false;
}

void EngineRig::OtherBoardGreeted(int style) {
    ++stylesSelected;
    engine.SetStyle(style);
    engine.ResetProgrammer(true);
}

void EngineRig::ClearImage() {
    ResetImage(image, chip, false, false, false, "");
    id = BlankIDText(chip.IdTextLength());
}
