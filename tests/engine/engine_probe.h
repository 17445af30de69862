#pragma once

#include "protocol/engine.h"

// The engine's record, for tests that put it into a state or read what it keeps.
struct EngineProbe {
    static ProtocolStateRecord& Record(ProgrammerEngine& engine) { return engine.Protocol; }
};
