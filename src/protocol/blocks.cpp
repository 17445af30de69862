// The 16-byte blocks the board streams after ReadROM and ReadEEPROM: taken into
// the image by a Read, compared with it by a Verify and by the EEPROM check of
// a Program. Only whole blocks are taken; a shorter tail waits for the rest.
#include "protocol/command_set.h"
#include "protocol/engine.h"
#include "protocol/engine_messages.h"

#include <algorithm>

namespace {
int WordAt(const std::string& rx, std::size_t at) {
    return static_cast<unsigned char>(rx[at]) * 256 + static_cast<unsigned char>(rx[at + 1]);
}
} // namespace

void ProgrammerEngine::OpenStream(EngineState next, std::optional<StatusWord> status, char command,
                                  int bytes) {
    Enter(next);
    if (status)
        Status(*status);
    const int blocks =
        (std::max(bytes, 0) + static_cast<int>(kBlockBytes) - 1) / static_cast<int>(kBlockBytes);
    run_.streamTotal = blocks * static_cast<int>(kBlockBytes);
    Send(Command(command));
}

bool ProgrammerEngine::BlocksArrived() {
    return Protocol.RxText.size() >= kBlockBytes && !CancelHere();
}

void ProgrammerEngine::ReadBlocks(bool words) {
    std::string& rx = Protocol.RxText;
    std::vector<int>& list = words ? image_.ROMData : image_.EEPROMData;
    const std::size_t step = words ? 2 : 1;
    const int size = words ? chip_.ROMSize : chip_.EEPROMSize;
    // Every whole block is taken before the count is looked at; nothing past
    // the chip's size is (bytes beyond the stream are no data of the chip).
    std::size_t at = 0;
    for (; rx.size() - at >= kBlockBytes && Protocol.DataIndex < size; at += kBlockBytes) {
        for (std::size_t i = 0; i < kBlockBytes; i += step)
            list.push_back(words ? WordAt(rx, at + i) : static_cast<unsigned char>(rx[at + i]));
        Protocol.DataIndex += static_cast<int>(kBlockBytes / step);
    }
    rx.erase(0, at);
    Progress(Protocol.DataIndex);
}

bool ProgrammerEngine::StreamRead(bool words) {
    if (!BlocksArrived())
        return false;
    ReadBlocks(words);
    if (Protocol.DataIndex < (words ? chip_.ROMSize : chip_.EEPROMSize))
        return false;
    // The stream has its length: a byte more (noise on the line) has shifted
    // what was read, so none of it can be trusted.
    if (!Protocol.RxText.empty()) {
        Fail();
        return false;
    }
    return true;
}

bool ProgrammerEngine::CompareBlocks(bool words, const std::string& stop, EngineState after) {
    std::string& rx = Protocol.RxText;
    const int size = words ? chip_.ROMSize : chip_.EEPROMSize;
    const std::size_t step = words ? 2 : 1;
    std::size_t at = 0;
    for (; rx.size() - at >= kBlockBytes; at += kBlockBytes) {
        for (std::size_t i = 0; i < kBlockBytes && Protocol.DataIndex < size; i += step) {
            const int chipValue =
                words ? WordAt(rx, at + i) : static_cast<unsigned char>(rx[at + i]);
            const int good = words ? RomWord(Protocol.DataIndex) : EepromByte(Protocol.DataIndex);
            if (chipValue != good) {
                // The board streams to the end whatever we send: drop the rest as it comes.
                const int taken =
                    (Protocol.DataIndex - static_cast<int>(i / step)) * static_cast<int>(step);
                run_.streamSkip =
                    std::max(run_.streamTotal - taken - static_cast<int>(rx.size() - at), 0);
                ReportDifference(words, good, chipValue, stop, after);
                return false;
            }
            ++Protocol.DataIndex;
        }
    }
    rx.erase(0, at);
    Progress(Protocol.DataIndex);
    return true;
}

void ProgrammerEngine::ReportDifference(bool words, int good, int bad, const std::string& stop,
                                        EngineState after) {
    Send(stop);
    Enter(after);
    Status(StatusWord::VerifyResult);
    Timer(false);
    Progress(0);
    Accept();
    FinishDifference(words ? MemoryRegion::Rom : MemoryRegion::Eeprom, Protocol.DataIndex, good,
                     bad);
    Timer(true);
}
