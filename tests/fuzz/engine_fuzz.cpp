// Feeds arbitrary bytes to the programmer engine as the board's answers, in
// every state: the input starts an operation (or puts the engine straight into
// one of its states), then delivers bytes in pieces with watchdog ticks
// between. Whatever arrives, the engine must neither crash nor lose its image
// to half a read, and a reset must bring it back to idle.
#include "chipdb/chip_extract.h"
#include "chipdb/chip_list.h"
#include "engine/engine_probe.h"
#include "fuses/id_text.h"
#include "fuzz_require.h"
#include "image/reset_code_memory.h"
#include "platform/scripted_dialogs.h"
#include "platform/text_file.h"
#include "protocol/engine.h"
#include "protocol/engine_texts.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace {

// A host without a window or a board: what the engine sends goes nowhere.
class FuzzHost : public ProgrammerHost {
public:
    void Send(const std::string& bytes) override { sent += bytes.size(); }
    void SetProgrammerReset(bool) override {}
    void PurgeRx() override {}
    std::string PortName() const override { return "COM 1"; }
    void SetTimer(bool on) override { timer = on; }
    void Pause(int) override {}
    void StatusReported(const EngineStatus& status) override { Require(!Worded(status).empty()); }
    void SetProgress(int value, int maximum) override {
        Require(value >= 0 && (maximum <= 0 || value <= maximum));
    }
    void Tell(const EngineMessage& message) override { SayIn(dialogs, message); }
    Dialogs::Answer Ask(const EngineMessage& question) override { return SayIn(dialogs, question); }
    void OperationStarted(Operation operation) override {
        if (operation != Operation::AutoProgram)
            ++open;
    }
    void OperationEnded(const OperationReport& report) override {
        if (report.operation != Operation::AutoProgram)
            --open;
        Require(open >= 0); // no end without its start
    }
    void OtherBoardGreeted(int style) override { styleAsked = style; }
    bool ChipSelected() const override { return true; }
    void ClearImage() override { image->ROMData.clear(), image->EEPROMData.clear(); }
    bool ReloadNewerFile() override { return true; }

    MemoryImage* image = nullptr;
    ScriptedDialogs dialogs;
    std::size_t sent = 0;
    bool timer = false;
    int open = 0; // operations started and not yet ended
    int styleAsked = -1;
};
std::vector<ChipRecord> FuzzChips() {
    std::vector<ChipRecord> chips;
    const std::optional<std::string> bytes = ReadWholeFile(TESSARO_SOURCE_DIR "/data/chipinfo.cid");
    if (!bytes)
        __builtin_trap();
    const ChipFileLoadResult loaded = LoadChipFile(SplitLines(*bytes), 1);
    // One chip of each kind: serial EEPROM, 12-bit, 14-bit with calibration, 14-bit, 16-bit.
    for (const char* name : {"24C02", "12F508", "12F675", "16F84A", "18F252"}) {
        for (std::size_t i = 0; i < loaded.ChipNames.size(); ++i) {
            if (loaded.ChipNames[i] != name)
                continue;
            ChipInfoResult info = ExtractChipInfo(loaded.ChipData, static_cast<int>(i));
            info.record.ChipName = name;
            DeriveSelectionFields(info.record);
            chips.push_back(info.record);
        }
    }
    if (chips.size() != 5)
        __builtin_trap();
    return chips;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const std::vector<ChipRecord> chips = FuzzChips();
    if (size < 3)
        return 0;
    const ChipRecord& chip = chips[data[0] % chips.size()];
    const int start = data[1];
    const int style = data[2] % 5;
    data += 3;
    size -= 3;

    FuzzHost host;
    MemoryImage image;
    host.image = &image;
    ResetImage(image, chip, false, false, true, "");
    for (std::size_t i = 0; i < image.ROMData.size(); i += 7)
        image.ROMData[i] = static_cast<int>(i * 0x135) & chip.WordMask;
    image.IDText = BlankIDText(chip.IdTextLength());
    for (int i = 0; i < 4; ++i)
        host.dialogs.answers.push_back(i % 2 ? Dialogs::Answer::No : Dialogs::Answer::Yes);
    const MemoryImage before = image;

    ProgrammerEngine engine(EngineHosts::Of(host), chip, image);
    engine.SetStyle(style);
    switch (start % 12) {
    case 0:
        engine.Program();
        break;
    case 1:
        engine.Read();
        break;
    case 2:
        engine.Verify();
        break;
    case 3:
        engine.BlankCheck(EraseChoice::Check);
        break;
    case 4:
        engine.Erase();
        break;
    case 5:
        engine.ReadChipInfo();
        break;
    case 6:
        engine.ReadCalibration();
        break;
    case 7:
        engine.StartAutoProgram({});
        break;
    case 8:
        engine.Upgrade(), engine.Program();
        break;
    case 9:
        engine.ResetProgrammer(true);
        break;
    default: {
        // Straight into a state, as if the operation had come so far.
        const std::vector<EngineState>& states = ProgrammerEngine::AllStates();
        EngineProbe::Open(engine, EngineState::AwaitStart);
        EngineProbe::Record(engine).ProtocolState =
            states[static_cast<std::size_t>(start) % states.size()];
        break;
    }
    }
    // Pieces: a length byte, then that many bytes; a length of 0 is a tick.
    std::size_t at = 0;
    while (at < size) {
        const std::size_t n = data[at++] % 32;
        if (n == 0) {
            engine.OnTick();
            continue;
        }
        const std::size_t take = at + n <= size ? n : size - at;
        engine.OnBytes(std::string_view(reinterpret_cast<const char*>(data + at), take));
        at += take;
    }
    // A Read leaves the whole chip or nothing; an upgrade is dropped once done;
    // other operations leave the image as it was.
    const int op = start % 12;
    if (op == 1 || op == 8)
        Require(image.ROMData.empty() || image.ROMData.size() == before.ROMData.size());
    else if (op < 10)
        Require(image.ROMData == before.ROMData && image.EEPROMData == before.EEPROMData);
    for (const int word : image.ROMData)
        Require(word >= 0 && word <= chip.WordMask);
    engine.ResetSerial(false);
    Require(engine.Idle() && !engine.Busy() && host.open == 0);
    return 0;
}
