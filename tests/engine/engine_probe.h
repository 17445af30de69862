#pragma once

#include "protocol/engine.h"

// The engine's record, for tests that put it into a state or read what it keeps.
struct EngineProbe {
    static ProtocolStateRecord& Record(ProgrammerEngine& engine) { return engine.Protocol; }
    // An operation opened as its command would open it, going to `state` after the hand-shake.
    static void Open(ProgrammerEngine& engine, EngineState state) {
        engine.Begin(Operation::Program, {});
        engine.InitialiseProgrammerVariables(state);
    }
    // The automatic loop running, wherever the test puts its state.
    static void LoopOn(ProgrammerEngine& engine) { engine.loop_.on = true; }
};
