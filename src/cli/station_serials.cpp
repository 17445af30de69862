// tessaro-cli: each chip's serial number through the store's interface. The
// number is reserved before the chip is touched and the reservation is closed
// by the chip's result, with the fields of its production log line.
#include "cli/station_serials.h"

#include "cli/cli_messages.h"
#include "cli/cli_report.h"
#include "cli/interrupts.h"
#include "cli/log_fields.h"
#include "cli/serial_store_file.h"
#include "platform/text_file.h"
#include "store/host_name.h"
#include "store/pg_store.h"
#include "platform/sha256.h"

#include <cstdlib>
#include <map>
#include <mutex>

namespace {
// How often a station asks again for a store that went away.
constexpr int kRetryMs = 250;
constexpr const char* kDefaultSeries = "default";

// The boards of one process share one connection to the line's store.
std::shared_ptr<SerialStore> SharedStore(const StationSetup& s, StoreAnswer& answer) {
    static std::mutex mutex;
    static std::map<std::string, std::weak_ptr<SerialStore>> stores;
    const std::lock_guard lock(mutex);
    const std::string key = s.address + '\n' + s.series + '\n' + s.station + '\n' + s.journal +
                            (s.failed == FailedNumbers::Reuse ? "\nreuse" : "");
    if (std::shared_ptr<SerialStore> open = stores[key].lock())
        return open;
    std::unique_ptr<SerialStore> store;
    answer = OpenPgStore(s, store);
    if (!answer)
        return nullptr;
    std::shared_ptr<SerialStore> shared(std::move(store));
    stores[key] = shared;
    return shared;
}

int ExitFor(const StoreAnswer& answer) {
    return answer.kind == StoreAnswer::Kind::Input ? kExitInput : kExitBoard;
}

// The plan of a series started by this run: as the state file takes it.
bool PlanOf(const SerialOptions& o, SeriesPlan& plan, std::string& error) {
    plan.counter = o.counter;
    plan.start = o.start;
    plan.step = o.step;
    return o.list.empty() || ReadSerialList(o.list, o.sqtp, plan.list, error);
}
} // namespace

void TakeStoreFromEnvironment(SerialOptions& o) {
    if (!o.store.empty() || !o.placeGiven)
        return;
    if (const char* address = std::getenv("TESSARO_SERIAL_STORE"); address != nullptr)
        o.store = address;
}

ChipResult ResultOfLogLine(const std::string& line) {
    std::map<std::string, std::string> f = LogFields(line);
    ChipResult r;
    r.result = f["result"];
    r.deviceId = f["device_id"] == "null" ? "" : f["device_id"];
    r.revision = f.count("revision") != 0 ? std::atoi(f["revision"].c_str()) : -1;
    r.checksum = f["checksum"];
    r.imageCrc32 = f["image_crc32"];
    std::map<std::string, std::string> calibration = LogFields(f["calibration"]);
    r.calibrationRead = calibration["read"];
    r.calibrationWritten = calibration["written"] == "null" ? "" : calibration["written"];
    r.elapsedSeconds = std::strtod(f["elapsed_s"].c_str(), nullptr);
    return r;
}

int StationSerials::Open(const CliOptions& o, ConsoleOutput& out, std::size_t wanted,
                         std::uint64_t& first) {
    const SerialOptions& s = o.serial;
    const FailedNumbers failed = s.reuseFailed ? FailedNumbers::Reuse : FailedNumbers::Void;
    station_ = s.station.empty() ? HostName() : s.station;
    hexFile_ = o.file;
    hexSha256_ = Sha256Hex(ReadWholeFile(o.file).value_or(""));
    StoreAnswer answer;
    if (s.store.empty()) {
        store_ = std::make_shared<FileSerialStore>(s, failed);
    } else {
        StationSetup setup;
        setup.address = s.store;
        setup.series = s.series.empty() ? kDefaultSeries : s.series;
        setup.station = station_;
        setup.failed = failed;
        setup.journal = (o.log.empty() ? s.state : o.log) + ".journal";
        std::string error;
        if (!PlanOf(s, setup.plan, error)) {
            out.Say(Arg(kMeLine, error), true);
            return kExitInput;
        }
        store_ = SharedStore(setup, answer);
    }
    if (store_ && !(answer = store_->Peek(wanted, first)))
        store_.reset();
    if (!store_)
        out.Say(Arg(kMeLine, answer.text), true);
    return store_ ? kExitOk : ExitFor(answer);
}

ChipClaim StationSerials::Claim(const std::string& board, const std::string& chip) const {
    return {station_, board, chip, hexFile_, hexSha256_};
}

bool StationSerials::Reserve(const ChipClaim& claim, ConsoleOutput& out, const Sleeper& sleep,
                             std::uint64_t& serial) {
    const int interrupts = InterruptCount();
    StoreAnswer answer;
    while (!(answer = store_->Reserve(claim, reservation_)) &&
           answer.kind == StoreAnswer::Kind::Unreachable && InterruptCount() == interrupts) {
        SayOutage(out);
        sleep(kRetryMs);
    }
    if (!answer) {
        out.Say(Arg(kMeLine, answer.text), true);
        return false;
    }
    if (store_->NoticeReturn())
        out.Say(MeSays(N_("the serial store is back")), true);
    holding_ = true;
    serial = reservation_.serial;
    return true;
}

void StationSerials::Close(const std::string& logLine, ConsoleOutput& out) {
    if (!holding_)
        return;
    holding_ = false;
    if (StoreAnswer answer = store_->Close(reservation_, ResultOfLogLine(logLine)); !answer)
        out.Say(Arg(kMeLine, answer.text), true);
    SayOutage(out);
}

// Once per outage, whichever board of the station meets it first.
void StationSerials::SayOutage(ConsoleOutput& out) {
    std::string reason;
    if (!store_->NoticeOutage(reason))
        return;
    out.Status(N_("waiting for the serial store"));
    out.Say(MeSays(N_("%1; results wait in the journal, no new chip until the serial store is "
                      "back"),
                   reason),
            true);
}
