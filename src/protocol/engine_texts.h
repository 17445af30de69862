#pragma once

#include "platform/dialogs.h"
#include "platform/translate.h"
#include "protocol/engine_messages.h"

#include <optional>
#include <string>

// The catalogue: the engine's values in words, the English source texts the
// translations are made from (translated where they are shown, as every text).
std::string Worded(const EngineStatus& status);
std::string Worded(const EngineMessage& message);
// An operation's last message (OperationReport::message); empty for none.
std::string Worded(const std::optional<EngineMessage>& message);

// A message shown in a face's dialogs, worded: told, told as an error, or
// asked Yes or No (the answer; Yes for what is only told).
Dialogs::Answer SayIn(Dialogs& dialogs, const EngineMessage& message);
// A question asked Yes, No or Cancel.
Dialogs::Answer AskWithCancel(Dialogs& dialogs, const EngineMessage& question);

// Texts the faces also show themselves.
inline constexpr const char* kReady = N_("Ready");
// A difference found by Verify: where, then the image's value and the chip's.
inline constexpr const char* kDifference = N_("%1\r\rGood 0x%2\rBad 0x%3");
// A failure after which the board is reset.
inline constexpr const char* kAboutToReset = N_("%1\rAbout to apply reset...");
// An upgrade image that is not there or does not load.
inline constexpr const char* kUpgradeFileError = N_("Error: Corrupt or missing upgrade file");
