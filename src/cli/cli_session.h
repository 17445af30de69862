#pragma once

#include "cli/cli.h"
#include "cli/cli_messages.h"
#include "cli/cli_options.h"
#include "cli/cli_report.h"
#include "cli/console_dialogs.h"
#include "cli/console_host.h"
#include "cli/console_output.h"
#include "cli/serial_numbers.h"
#include "cli/station_serials.h"
#include "link/session_recording.h"
#include "platform/file_places.h"
#include "platform/translate.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class StoreAdmin;

inline constexpr const char* kAutoPort = "auto";
// The style whose reset starts a connection when none is given: the program's
// own first style. A board of another model answers it all the same (its
// greeting comes as the line is released) and its style is then taken.
inline constexpr int kFirstStyle = 1;

// One run of tessaro-cli: the chip and the image from the command line, the
// board connection, then the command, its results and its exit code.
class CliSession {
public:
    // output: where messages and status go; null for standard error.
    CliSession(const CliOptions& options, const CliEnvironment& env,
               ConsoleOutput* output = nullptr);
    // Everything that can be checked before the port opens: kExitOk, or the code.
    int Prepare();
    // Run after Prepare: the board's connection, then the command.
    int RunOnBoard();
    int Run();

    // The commands, as their rows in the command table run them: those on a
    // board once it is connected (cli_commands.cpp), the others at once.
    int RunInfo();
    int RunBlank();
    int RunErase();
    int RunRead();
    int RunVerify();
    int RunProgram();
    int RunAuto();
    int RunCalibration(); // cli_calibration.cpp
    int ListChips();
    int ListPorts();   // cli_ports.cpp
    int RunDisasm();   // cli_disasm.cpp
    int RunChecksum(); // cli_checksum.cpp
    int RunReplay();   // cli_replay.cpp
    int RunUpgrade();  // cli_upgrade.cpp
    // serials export-sqtp: unused numbers of the store into an SQTP file (sqtp_export.cpp).
    int ExportSqtp(StoreAdmin& admin, std::size_t count, const std::string& file);

private:
    // Setting up (cli_session.cpp).
    bool LoadChipFile(int style);
    bool SelectChip();
    bool PrepareImage();
    bool ApplyFuses();
    bool ApplyId();
    int Connect();
    bool ChipSuitsBoard();

    // Ports (cli_ports.cpp).
    int ChooseAutoPort();
    bool BoardGreets(const std::string& port);

    // Following the operations (cli_commands.cpp).
    int RunSimple(const std::function<StartResult()>& start);
    struct AutoTally {
        int passed = 0;
        int failed = 0;
        int code = kExitOk;
    };
    void FollowAutoChip(OperationResult& r, OperationResult& tail);
    void CountChip(const OperationResult& r, AutoTally& tally);
    OperationResult RunOperation(CliCommand operation, const std::function<StartResult()>& start);
    void FollowOperation(OperationResult& r, const std::function<bool()>& over);
    void Collect(OperationResult& r);
    void Report(const OperationResult& r, const std::function<void(JsonLine&)>& extra = {});
    void ReportInfo(const OperationResult& r);
    // The image's checksum and CRC-32 into the result.
    void TakeChecksums(OperationResult& r) const;

    // Watch mode (cli_watch.cpp).
    int RunWatch();

    // The upgrade's checks before the port opens (cli_upgrade.cpp).
    int PrepareUpgrade();

    // Calibration (cli_calibration.cpp).
    bool NoCalibrationWord(); // says so when the chip has none
    bool PrepareCalibration();

    // The program memory as instructions, the configuration words by their
    // options (cli_disasm.cpp).
    void PrintDisassembly();
    std::vector<std::string> FuseDifference(const OperationResult& r) const;

    // The session on record (cli_record.cpp): false when the file cannot be written.
    bool StartRecording();
    void RecordResult(const std::string& json);

    // Serial numbers (cli_serial.cpp).
    int PrepareSerial();
    bool TakeSerial();
    std::string PatchOfTaken(std::uint64_t value, ImagePatch& patch);

    Workbench& Bench() { return host_.bench; }
    const Workbench& Bench() const { return host_.bench; }

    const CliOptions& o_;
    const CliEnvironment& env_;
    std::unique_ptr<ConsoleOutput> ownOut_;
    ConsoleOutput& out_;
    ConsoleDialogs boxes_;
    FilePlaces places_;
    ConsoleHost host_;
    // The command line's --icsp and --ignore-blank-check.
    OperationOptions options_;
    StationSerials serials_;
    std::string serial_;           // the number given to the chip under way (decimal)
    std::optional<SqtpFile> sqtp_; // an SQTP list's records, where its parts go
    std::string port_;             // the port the run uses: --port, or the one auto found
    std::shared_ptr<SessionRecorder> recorder_; // with --record
};
