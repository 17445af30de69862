#pragma once

#include "platform/sound.h"

// Test sound: reports the availability it is given and counts the clicks asked for.
class ScriptedSound final : public Sound {
public:
    bool available = true;
    int clicks = 0;

    bool Available() const override { return available; }
    void PlayClick() override { ++clicks; }
};
