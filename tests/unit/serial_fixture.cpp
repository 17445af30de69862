#include "serial_fixture.h"

#include <chrono>
#include <thread>

bool ServeUntil(TSerial& serial, const std::function<bool()>& done, int timeoutMs) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (!done()) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
                              deadline - std::chrono::steady_clock::now())
                              .count();
        if (left <= 0)
            return false;
        if (!serial.ServeEvents(static_cast<int>(std::min<long long>(left, 10))))
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return true;
}

void SerialOwner::Make() {
    serial = std::make_unique<TSerial>(&dialogs, std::vector<std::string>{folder.dir});
    serial->SetBaudrate(19200);
    serial->SetDataBits(eDataBits::Bits8);
    serial->SetCheckParity(false);
    serial->SetNotifyErrors(eNotifyErr::Event);
    serial->SetOnError([this](TSerial&) { ++errors; });
    serial->SetOnRxData([this](TSerial& s) {
        uint8_t c = 0;
        while (s.ReadChar(c) == 1)
            received.push_back(static_cast<char>(c));
    });
}
