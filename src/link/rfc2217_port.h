#pragma once

#include "link/queued_port.h"
#include "link/rfc2217_codec.h"
#include "link/tcp_link.h"

#include <bitset>
#include <map>
#include <vector>

// A port behind a network serial server: Telnet with BINARY and
// COM-PORT-OPTION. Settings and line changes are sent at once; an answer
// that does not come within the acknowledgement time is reported as a port
// error by the next wait, and the port stays usable.
class Rfc2217Port final : public QueuedPort {
public:
    Rfc2217Port(std::unique_ptr<TcpLink> link, int ackTimeoutMs);
    ~Rfc2217Port() override;

    int Apply(const PortSettings& settings) override;
    int SetLine(ModemLine line, bool on) override;
    int Write(const std::string& bytes, int timeoutMs) override;
    int PurgeAll() override;
    int QueueCounts(int& rx, int& tx) override;
    int WaitEvents(PortEvents& events, PortWatch watch, int timeoutMs) override;
    std::vector<Waitable> Waitables() const override {
        return dead_ ? std::vector<Waitable>() : std::vector<Waitable>{link_->Handle()};
    }

    // The value of the server's last answer to a command ("" when none came).
    std::string LastAnswer(uint8_t command) const;
    // Sends the opening negotiation.
    int Start();

private:
    struct Pending {
        uint8_t answer;
        std::string value;
        int64_t deadlineMs;
    };

    int Send(const std::string& wire, int timeoutMs);
    int SendCommand(uint8_t command, const std::string& value, bool expectAnswer);
    int Fill() override;
    void HandleInput(telnet::Input& input);
    void HandleNegotiation(uint8_t verb, uint8_t option);
    void HandleComPort(const std::string& sub);
    void HandleModemState(uint8_t state);
    int WaitForComPort();
    void Collect(PortEvents& events);
    int NextTimeoutMs();

    const std::unique_ptr<TcpLink> link_;
    const int ackTimeoutMs_;
    int comPort_ = 0; // 0 not yet answered, 1 agreed, -1 refused
    telnet::Reader reader_;
    std::bitset<256> weWill_, weDo_;
    std::vector<Pending> pending_;
    std::map<uint8_t, std::string> answers_;
    PortEvents events_;
    int modemState_ = 0;
};
