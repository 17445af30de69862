// Every fault at every state: each operation runs once cleanly to learn the
// states it passes through; then, for each state, the board's answer that
// state receives first (and last, where the state loops) is spoiled with each
// fault the line can bring. Every case must end in a message, with an idle
// engine, the image as it was (a Read: empty, or the chip when the fault was
// harmless; an upgrade: let go) and a next run of the operation that works.
// A table of the cases is printed.
#include "engine/engine_probe.h"
#include "engine/engine_rig.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <memory>
#include <set>

namespace {
using SweepTexts = std::vector<std::string>;

enum class SweepFault { Silence, Noise, Split, Join, EP, FN, X, N, WrongModel, Zero, Dropped };
constexpr SweepFault kSweepFaults[] = {
    SweepFault::Silence,    SweepFault::Noise, SweepFault::Split,  SweepFault::Join,
    SweepFault::EP,         SweepFault::FN,    SweepFault::X,      SweepFault::N,
    SweepFault::WrongModel, SweepFault::Zero,  SweepFault::Dropped};

const char* SweepFaultName(SweepFault f) {
    switch (f) {
    case SweepFault::Silence:
        return "silence";
    case SweepFault::Noise:
        return "noise";
    case SweepFault::Split:
        return "split";
    case SweepFault::Join:
        return "joined";
    case SweepFault::EP:
        return "?E?P";
    case SweepFault::FN:
        return "?F?N";
    case SweepFault::X:
        return "X";
    case SweepFault::N:
        return "N";
    case SweepFault::WrongModel:
        return "model";
    case SweepFault::Zero:
        return "0x00";
    case SweepFault::Dropped:
        return "dropped";
    }
    return "?";
}

struct SweepOperation {
    const char* name;
    const char* chip;
    boardsim::Model model;
    // Sets image, socket and answers up before the operation.
    std::function<void(EngineRig&)> prepare;
    std::function<void(EngineRig&)> start;
    // What the user does when the board waits (automatic mode): false when
    // there is nothing more to do.
    std::function<bool(EngineRig&, int step)> whenWaiting;
    bool read = false;
    bool dropsImage = false; // the image is let go at the end, whatever happened (an upgrade)
};

void SweepFillImage(EngineRig& rig) {
    rig.BlankImage();
    for (std::size_t i = 0; i < std::min<std::size_t>(0x40, rig.image.ROMData.size()); ++i)
        rig.image.ROMData[i] = (0x2800 + static_cast<int>(i)) & rig.chip.WordMask;
    if (rig.image.EEPROMData.size() > 4)
        rig.image.EEPROMData[3] = 0x42;
}

// The chip in the socket holds the image (as after a Program).
void SweepProgramTheSocket(EngineRig& rig) {
    SweepFillImage(rig);
    rig.engine.Program();
    rig.Run();
    rig.TakeTexts();
}

void SweepAnswerYes(EngineRig& rig) {
    rig.dialogs.answers.assign(8, Dialogs::Answer::Yes);
}

std::vector<SweepOperation> SweepOperations() {
    using boardsim::Model;
    const auto none = [](EngineRig&, int) { return false; };
    return {
        {"Program", "16F84A", Model::Birch_A, SweepFillImage,
         [](EngineRig& r) { r.engine.Program(); }, none},
        {"Program+erase", "16F84A", Model::Birch_A,
         [](EngineRig& r) {
             SweepFillImage(r);
             r.board.chip().SetRom(0x20, 0x1234); // not blank: erased after a Yes
         },
         [](EngineRig& r) { r.engine.Program(); }, none},
        {"Program 18F", "18F252", Model::Birch_A, SweepFillImage,
         [](EngineRig& r) { r.engine.Program(); }, none},
        {"Program 24C", "24C16", Model::Birch_A, SweepFillImage,
         [](EngineRig& r) { r.engine.Program(); }, none},
        {"Verify", "16F84A", Model::Birch_A, SweepProgramTheSocket,
         [](EngineRig& r) { r.engine.Verify(); }, none},
        {"Read", "16F84A", Model::Birch_A, SweepProgramTheSocket,
         [](EngineRig& r) { r.engine.Read(); }, none, true},
        {"Read 24C", "24C16", Model::Birch_A, SweepProgramTheSocket,
         [](EngineRig& r) { r.engine.Read(); }, none, true},
        {"Blank", "16F84A", Model::Birch_A, SweepFillImage,
         [](EngineRig& r) { r.engine.BlankCheck(EraseChoice::Check); }, none},
        {"Erase", "12F675", Model::Birch_A, SweepFillImage, [](EngineRig& r) { r.engine.Erase(); },
         none},
        {"Erase 24C", "24C16", Model::Birch_A, SweepFillImage,
         [](EngineRig& r) { r.engine.Erase(); }, none},
        // Firmware without ReadModel answers X and is met with a bare CommandStart.
        {"Old firmware", "16F84A", Model::Birch_A,
         [](EngineRig& r) {
             SweepFillImage(r);
             r.board.faults().modelCode = 'X';
         },
         [](EngineRig& r) { r.engine.Program(); }, none},
        {"Chip info", "16F84A", Model::Birch_A, SweepFillImage,
         [](EngineRig& r) { r.engine.ReadChipInfo(); }, none},
        {"Calibration", "12F675", Model::Birch_A, SweepFillImage,
         [](EngineRig& r) { r.engine.ReadCalibration(); }, none},
        {"Upgrade", "16F628", Model::Birch_A,
         [](EngineRig& r) {
             SweepFillImage(r);
             r.engine.Upgrade();
         },
         [](EngineRig& r) { r.engine.Program(); }, none, false, true},
        {"Auto", "16F84A", Model::Birch_A, SweepFillImage,
         [](EngineRig& r) { r.engine.StartAutoProgram({}); },
         // Take the programmed chip out, put a blank one in, take it out, Cancel.
         [](EngineRig& r, int step) {
             if (!r.AutoProgram())
                 return false;
             switch (step) {
             case 0:
             case 2:
                 r.board.RemoveChip();
                 return true;
             case 1:
                 r.board.chip().Blank();
                 r.board.InsertChip();
                 return true;
             case 3:
                 r.engine.Cancel();
                 return true;
             default:
                 return false;
             }
         }},
    };
}

// Runs until nothing more can happen, as EngineRig::Run does, spoiling the
// delivery numbered `at` (counted from 0) with `fault`. The engine's state
// before each delivery is noted in `states`. True when the spoiled delivery
// came while the engine waited without its watchdog (for the user's chip).
bool SweepRun(EngineRig& rig, const SweepOperation& op, int at, SweepFault fault,
              std::vector<int>* states) {
    bool unwatched = false;
    constexpr std::int64_t kTickUs = 100'000;
    const std::int64_t end = rig.link.Now() + 600'000'000;
    std::int64_t nextTick = rig.link.Now() + kTickUs;
    int delivery = 0;
    int step = 0;
    bool timerWasOn = rig.timer;
    while (rig.link.Now() < end) {
        if (!rig.board.HasOutput() && !rig.timer) {
            if (op.whenWaiting(rig, step++))
                continue;
            break;
        }
        if (rig.timer && !timerWasOn)
            nextTick = rig.link.Now() + kTickUs;
        timerWasOn = rig.timer;
        std::int64_t next = end;
        if (rig.board.HasOutput())
            next = std::min(next, rig.board.NextReadyTime());
        if (rig.timer)
            next = std::min(next, nextTick);
        rig.link.Advance(std::max<std::int64_t>(0, next - rig.link.Now()));
        if (rig.board.HasOutput() && rig.board.NextReadyTime() <= rig.link.Now()) {
            std::string bytes = rig.link.ReadDelivery();
            if (!rig.portOpen)
                continue; // nothing reaches a closed port
            if (states != nullptr)
                states->push_back(static_cast<int>(EngineProbe::Record(rig.engine).ProtocolState));
            if (delivery++ != at) {
                rig.engine.OnBytes(bytes);
                continue;
            }
            unwatched = !rig.timer;
            const char model = static_cast<char>((static_cast<int>(op.model) + 1) % 5);
            switch (fault) {
            case SweepFault::Silence:
                rig.board.FallSilent();
                break;
            case SweepFault::Dropped:
                rig.board.FallSilent();
                rig.portOpen = false;
                break;
            case SweepFault::Noise:
                rig.engine.OnBytes("\xA5" + bytes);
                break;
            case SweepFault::Split:
                for (const char c : bytes)
                    rig.engine.OnBytes(std::string(1, c));
                break;
            case SweepFault::Join:
                bytes += rig.link.Drain();
                rig.engine.OnBytes(bytes);
                break;
            case SweepFault::EP:
                rig.engine.OnBytes("?E?P");
                break;
            case SweepFault::FN:
                rig.engine.OnBytes("?F?N");
                break;
            case SweepFault::X:
                rig.engine.OnBytes("X");
                break;
            case SweepFault::N:
                rig.engine.OnBytes("N");
                break;
            case SweepFault::WrongModel:
                rig.engine.OnBytes(std::string(1, model));
                break;
            case SweepFault::Zero:
                rig.engine.OnBytes(std::string(1, '\0'));
                break;
            }
        } else if (rig.timer && nextTick <= rig.link.Now()) {
            nextTick = rig.link.Now() + kTickUs;
            rig.engine.OnTick();
        }
    }
    return unwatched;
}

struct SweepStart {
    std::unique_ptr<EngineRig> rig;
    MemoryImage image;
    std::string id;
    boardsim::Chip socket;
    bool upgrade;
};

SweepStart SweepPrepare(const SweepOperation& op) {
    auto rig = std::make_unique<EngineRig>(op.chip, op.model);
    rig->Connect();
    op.prepare(*rig);
    rig->TakeTexts();
    SweepStart s{nullptr, rig->image, rig->id, rig->board.chip(), rig->engine.UpgradeLoaded()};
    s.rig = std::move(rig);
    return s;
}

bool SweepSameImage(const EngineRig& rig, const MemoryImage& image, const std::string& id) {
    return rig.image.ROMData == image.ROMData && rig.image.EEPROMData == image.EEPROMData &&
           rig.image.FuseValue == image.FuseValue && rig.id == id;
}

bool SweepSameSocket(const boardsim::Chip& a, const boardsim::Chip& b) {
    for (int i = 0; i < a.config().romWords; ++i)
        if (a.Rom(i) != b.Rom(i))
            return false;
    for (int i = 0; i < a.config().eepromBytes; ++i)
        if (a.Eeprom(i) != b.Eeprom(i))
            return false;
    return true;
}

struct SweepCell {
    int cases = 0;
    int survived = 0;
    int intact = 0;
};

TEST(FaultSweep, EveryFaultAtEveryStateOfEveryOperation) {
    std::map<std::string, std::map<SweepFault, SweepCell>> table;
    std::vector<std::string> order;
    std::set<int> swept; // the states some clean run passed through
    int failures = 0;
    for (const SweepOperation& op : SweepOperations()) {
        order.push_back(op.name);
        // The clean run: its messages, its result, and the deliveries each state takes.
        SweepStart clean = SweepPrepare(op);
        SweepAnswerYes(*clean.rig);
        std::vector<int> states;
        op.start(*clean.rig);
        SweepRun(*clean.rig, op, -1, SweepFault::Silence, &states);
        const SweepTexts cleanTexts = clean.rig->TakeTexts();
        ASSERT_TRUE(clean.rig->Idle()) << op.name;
        const MemoryImage cleanImage = clean.rig->image;
        const boardsim::Chip cleanSocket = clean.rig->board.chip();
        std::vector<int> points;
        std::set<int> seen;
        for (std::size_t i = 0; i < states.size(); ++i) {
            if (!seen.insert(states[i]).second)
                continue;
            points.push_back(static_cast<int>(i));
            // A state that takes many answers is spoiled at its last one too.
            const auto last = std::find(states.rbegin(), states.rend(), states[i]);
            const int lastIndex = static_cast<int>(states.rend() - last) - 1;
            if (lastIndex != static_cast<int>(i))
                points.push_back(lastIndex);
        }
        ASSERT_FALSE(points.empty()) << op.name << ": the clean run passed through no state";
        swept.insert(seen.begin(), seen.end());

        for (const int at : points) {
            for (const SweepFault fault : kSweepFaults) {
                SweepStart s = SweepPrepare(op);
                EngineRig& rig = *s.rig;
                SweepAnswerYes(rig);
                op.start(rig);
                const bool unwatched = SweepRun(rig, op, at, fault, nullptr);
                const SweepTexts texts = rig.TakeTexts();
                const bool idle = rig.Idle() && !rig.AutoProgram() && rig.controlsEnabled;
                // A fault that did no harm ends as the clean run did, and one
                // that ends with the clean run's last message (an answer the
                // operation knows, a blank check's N, say) must have its result.
                const bool asClean = texts == cleanTexts;
                const bool claimsSuccess = asClean || (!texts.empty() && !cleanTexts.empty() &&
                                                       texts.back() == cleanTexts.back());
                bool intact = SweepSameImage(rig, s.image, s.id);
                bool resultRight = true;
                if (op.read)
                    intact = rig.image.ROMData.empty() ||
                             (claimsSuccess && SweepSameImage(rig, cleanImage, clean.rig->id));
                else if (op.dropsImage)
                    intact = rig.image.ROMData.empty();
                if (claimsSuccess && !op.read)
                    resultRight = SweepSameSocket(rig.board.chip(), cleanSocket) &&
                                  (op.dropsImage || SweepSameImage(rig, cleanImage, clean.rig->id));
                // Silence while the engine waits for the user's chip (no
                // answer due, no watchdog) is the wait itself: Cancel ends it.
                const bool waited = fault == SweepFault::Silence && unwatched;
                const bool toldOrWaited = !texts.empty() || asClean || waited;
                resultRight = resultRight || waited;
                // The next run, from the same start, must work as the clean one did.
                rig.portOpen = true;
                rig.board.faults() = {};
                rig.Connect();
                rig.TakeTexts();
                rig.board.chip() = s.socket;
                rig.image = s.image;
                rig.id = s.id;
                if (s.upgrade)
                    rig.engine.Upgrade();
                SweepAnswerYes(rig);
                op.start(rig);
                SweepRun(rig, op, -1, SweepFault::Silence, nullptr);
                const bool nextWorks = rig.TakeTexts() == cleanTexts && rig.Idle();
                const bool survived = idle && nextWorks && resultRight && toldOrWaited;
                SweepCell& cell = table[op.name][fault];
                ++cell.cases;
                cell.survived += survived ? 1 : 0;
                cell.intact += intact ? 1 : 0;
                if (!survived || !intact) {
                    ++failures;
                    if (failures <= 40) {
                        std::string said;
                        for (const std::string& t : texts)
                            said += "[" + t + "] ";
                        ADD_FAILURE()
                            << op.name << ": " << SweepFaultName(fault) << " at delivery " << at
                            << " (state " << states[static_cast<std::size_t>(at)] << "): idle "
                            << idle << ", next works " << nextWorks << ", result right "
                            << resultRight << ", image intact " << intact << "; said " << said;
                    }
                }
            }
        }
    }

    std::printf("\n%-14s", "cases/ok/img");
    for (const SweepFault f : kSweepFaults)
        std::printf(" %11s", SweepFaultName(f));
    std::printf("\n");
    int total = 0;
    for (const std::string& name : order) {
        std::printf("%-14s", name.c_str());
        for (const SweepFault f : kSweepFaults) {
            const SweepCell& c = table[name][f];
            total += c.cases;
            std::printf(" %3d/%3d/%3d", c.cases, c.survived, c.intact);
        }
        std::printf("\n");
    }
    std::printf("%d cases, %d failed\n", total, failures);
    EXPECT_GT(total, 0);
    EXPECT_EQ(failures, 0);
    // A state no operation here reaches would go unswept: every one of the
    // engine's states is passed through.
    for (const EngineState state : ProgrammerEngine::AllStates())
        EXPECT_TRUE(swept.count(static_cast<int>(state)) > 0)
            << "no operation of the sweep passes through " << ProgrammerEngine::StateName(state);
}
} // namespace
