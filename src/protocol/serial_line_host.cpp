#include "protocol/serial_line_host.h"

std::unique_ptr<TSerial> MakeBoardPort(Dialogs* dialogs, HandlerDispatcher* dispatcher,
                                       std::vector<std::string> portFolders, TNotifyEvent onRx) {
    auto serial = std::make_unique<TSerial>(dialogs, dispatcher, std::move(portFolders));
    serial->SetBaudrate(19200);
    serial->SetDataBits(eDataBits::Bits8);
    serial->SetCheckParity(false);
    serial->SetNotifyErrors(eNotifyErr::Event);
    serial->SetOnRxData(std::move(onRx));
    return serial;
}

std::string SerialLine::TakeReceived() {
    std::string bytes;
    serial_.ReadReceived(bytes);
    if (tap_ && !bytes.empty())
        tap_("rx", bytes);
    return bytes;
}

void SerialLine::Send(const std::string& bytes) {
    if (tap_)
        tap_("tx", bytes);
    serial_.WriteString(bytes);
}

void SerialLine::SetProgrammerReset(bool level) {
    if (serial_.Active())
        serial_.SetSignal(1, level);
}

void SerialLine::PurgeRx() {
    serial_.PurgeRx();
}

bool SerialLine::PortOpen() const {
    return serial_.Active();
}

std::string SerialLine::PortName() const {
    return name_.empty() ? "COM " + std::to_string(serial_.Port()) : name_;
}
