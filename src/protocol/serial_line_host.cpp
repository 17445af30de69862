#include "protocol/serial_line_host.h"

std::unique_ptr<TSerial> SerialLineHost::MakeBoardPort(Dialogs* dialogs,
                                                       std::vector<std::string> portFolders,
                                                       TNotifyEvent onRx) {
    auto serial = std::make_unique<TSerial>(dialogs, std::move(portFolders));
    serial->SetBaudrate(19200);
    serial->SetDataBits(eDataBits::Bits8);
    serial->SetCheckParity(false);
    serial->SetNotifyErrors(eNotifyErr::Event);
    serial->SetOnRxData(std::move(onRx));
    line_ = serial.get();
    return serial;
}

std::string SerialLineHost::TakeReceived() {
    std::string bytes;
    line_->ReadReceived(bytes);
    return bytes;
}

void SerialLineHost::Send(const std::string& bytes) {
    line_->WriteString(bytes);
}

void SerialLineHost::SetProgrammerReset(int level) {
    if (line_->Active())
        line_->SetSignal(1, level != 0);
}

void SerialLineHost::PurgeRx() {
    line_->PurgeRx();
}

bool SerialLineHost::PortOpen() const {
    return line_->Active();
}

int SerialLineHost::PortNumber() const {
    return line_->Port();
}
