#include "protocol/serial_line_host.h"

std::unique_ptr<TSerial> MakeBoardPort(std::vector<std::string> portFolders, TNotifyEvent onRx) {
    auto serial = std::make_unique<TSerial>(nullptr, std::move(portFolders));
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
        serial_.SetSignal(ModemLine::Dtr, level);
}

void SerialLine::PurgeRx() {
    serial_.PurgeRx();
}

std::string SerialLine::PortName() const {
    if (!serial_.Active())
        return {};
    return name_.empty() ? ComCaption(serial_.Port()) : name_;
}
