#pragma once

#include "chipdb/chip_record.h"
#include "chipdb/fuse_rows.h"
#include "fuses/calibration.h"
#include "fuses/fuse_values.h"
#include "image/image_patch.h"
#include "image/memory_image.h"
#include "link/port_map.h"
#include "link/serial_types.h"
#include "platform/file_places.h"
#include "platform/recent_files.h"
#include "platform/settings.h"
#include "platform/sleep.h"
#include "platform/text_file.h"
#include "protocol/operation.h"
#include "protocol/programmer_host.h"
#include "protocol/protocol_state.h"
#include "workbench/bench_view.h"
#include "workbench/message_keeper.h"
#include "workbench/ticker.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

class ProgrammerEngine;
class SessionRecorder;
class SerialLine;
class TSerial;

// How ResetImage leaves the image: what it keeps, and whether the lists are
// filled blank for a load.
struct ImageReset {
    bool keepData = false;
    bool keepFileName = false;
    bool fillBlank = false;
};

// A HEX file loaded into the image: whether it loaded, and how many of its
// data bytes found a place in the chip and how many none.
struct ImageLoad {
    bool loaded = false;
    int bytesTaken = 0;
    int bytesOutside = 0;
};

// What a board of another model than the style's does when it greets.
enum class OtherBoard {
    SwitchStyle, // the style changes as when the user chooses it (the window)
    Adopt,       // its style is taken and the board reset again, the chip kept
    Refuse,      // it is noted (OtherBoardSeen) and nothing more happens
};

// What connecting to the board came to, once its reset and greeting are over.
enum class Connection {
    Greeted,     // the style's board greeted (or one of another model was adopted)
    CannotOpen,  // the port did not open: ConnectResult::reason says why
    OtherBoard,  // a board of another model greeted and was refused
    NoGreeting,  // the reset failed; the engine has said so
    OtherAnswer, // the board answered, but not with a greeting
    Interrupted, // the user broke off the wait
};
struct ConnectResult {
    Connection outcome = Connection::Greeted;
    std::string reason;  // CannotOpen: the system's reason
    int otherStyle = -1; // OtherBoard: the style the board named
};
// How a face serves the port until `done` holds; false when the user broke off the wait.
using ServeUntil = std::function<bool(const std::function<bool()>& done)>;

// A fuse option by its row's label and its own name (letter case aside).
using FuseOptionPick = std::pair<std::string, std::string>;
// What came of choosing fuse options by name: all chosen, or the first pick
// that named no fuse in use (`choices`: the labels there are) or no option of
// its row (`row`: the row's label, `choices`: its options).
struct FuseOptionChoice {
    enum class Result { Chosen, NoFuse, NoOption } result = Result::Chosen;
    FuseOptionPick pick;
    std::string row;
    std::vector<std::string> choices;
};
// What came of setting the ID digits: set, the chip has none, or too many.
enum class IdChoice { Chosen, NoId, TooLong };
// Writes a serial number into the image for the chip: empty, or why not.

// What the Assign Ports dialog offers: the devices and servers to choose
// from, and what ports/ names for COM1..COM9 now (empty where nothing).
struct PortSurvey {
    std::vector<PortChoice> choices;
    std::vector<std::string> comTargets;
};
inline constexpr int kComNumbers = 9;

// A place a board may be, for a face to find the one it is at: what to open
// (a device's stable name, or COMn for a network server), how to name it to
// the user, and why it may not open (empty: nothing known).
struct PortCandidate {
    std::string port;
    std::string shown;
    std::string advice;
};

// How choosing a chip treats the image: changed data offered for saving
// first (as when the user changes the chip), and an empty image afterwards,
// or the image kept for a load that follows.
struct ChipChange {
    bool askToSave = false;
    bool emptyImage = true;
};

// Where a load's file comes from: asked of the user, or a name (empty: the
// image's own file).
struct FileChoice {
    bool askName = false;
    std::string name;
    static FileChoice Asked() { return {true, {}}; }
    static FileChoice Named(std::string name) { return {false, std::move(name)}; }
};

// The chip's calibration as a calibration read reported it.
struct ChipCalibration {
    int word = -1;    // the calibration word (the chip's last program word)
    int bandGap = -1; // bits 13 and 12 of configuration word 1, in place
};

// The application, once, under both faces: the chip file and the chip chosen,
// the memory image with its ID digits and fuse choices, the image's file, the
// programmer style, the board's port with the engine on it and its tick, and
// the settings. A face calls its commands and draws what its view is told.
class Workbench final : private EngineClock, private OperatorPanel, private ImageKeeper {
public:
    Workbench(BenchView& view, Ticker& ticker, Sleeper sleep, FilePlaces places);
    ~Workbench() override;
    Workbench(const Workbench&) = delete;
    Workbench& operator=(const Workbench&) = delete;

    // ---- The chip file and the chip (chip_choice.cpp) ----
    // Loads the chip file for the style (an error box when it fails) and
    // chooses no chip; the image's program memory is emptied either way.
    bool LoadChipFile();
    // The file LoadChipFile reads (by its full path): this one, or the
    // installed rules' choice when empty.
    void SetChipFilePath(std::string path) { chipFilePath_ = std::move(path); }
    std::string ChipFilePath() const;
    // The chip editor's file as it is (an error box when there is none), and
    // the edited one written back (an error box when it cannot be, the chip
    // list anew when it is).
    std::optional<TextLines> ChipFileText();
    bool SaveChipFile(const TextLines& text);
    const std::vector<std::string>& ChipNames() const { return chipNames_; }
    // The position of the chip of that exact name, -1 when the list has none.
    int FindChip(const std::string& name) const;
    // The record of the chip at `position` as choosing it would make it.
    std::optional<ChipRecord> ListedChip(int position) const;
    // Chooses the chip at `position` (an error box and no chip for a record
    // that cannot be read): first the save question when `how` asks for it,
    // then the chip, then an empty image for it unless `how` keeps the image.
    // False when no chip is chosen afterwards.
    bool ChooseChip(int position, ChipChange how = {});
    bool ChipSelected() const override { return position_ >= 0; }
    int ChipPosition() const { return position_; }
    const ChipRecord& Chip() const { return chip_; }
    // Whether the chip chosen is offered to a board of `style` (Alder boards
    // take fewer chips); the list loaded stays.
    bool ChipOfferedFor(int style);
    // The chip of the chip file, of the chosen chip's core, reporting `deviceId`.
    std::string ChipWithDeviceId(int deviceId) const override;
    // User mode: a fixed 1024-word 14-bit image for the user's own code.
    void SetUserMode(bool on);
    bool UserMode() const { return userMode_; }

    // ---- The image and its file (image_file.cpp) ----
    MemoryImage& Image() { return image_; }
    const MemoryImage& Image() const { return image_; }
    // ---- What the faces show of the image, read-only (image_views.cpp) ----
    // The loaded file's folder and name as given.
    std::string FileFolder() const;
    const std::string& FileName() const { return image_.HexFileName; }
    // Whether the image holds program memory (a load or a read filled it).
    bool HoldsProgram() const { return !image_.ROMData.empty(); }
    // Program memory, a word per address (empty before a load or a read).
    const std::vector<int>& ProgramWords() const { return image_.ROMData; }
    const std::vector<int>& EepromBytes() const { return image_.EEPROMData; }
    // The configuration words (1..7) and the ID text as the image holds them.
    const FuseWords& ConfigWords() const { return image_.FuseValue; }
    const std::string& IdText() const { return image_.IDText; }
    // The listing's lines: hex words, or instructions with `disassembly`.
    std::vector<std::string> Listing(bool disassembly) const;
    // What the calibration dialog shows for the image.
    CalibrationTexts CalibrationToEdit() const;
    // The chip maker's checksum of the image for the chosen chip; none
    // without a chip, or for a chip that has none.
    std::optional<int> Checksum() const;
    // The image's own CRC-32 (program, EEPROM, configuration and ID), as hex.
    std::string ImageCrc32() const;

    // The fuse rows of the chip with the options chosen: kept in step with the
    // image's configuration words.
    const FuseRows& Fuses() const { return fuseRows_; }
    // The fuse editor's choice: the rows' options, the words they make and the ID.
    void ChooseFuses(const FuseRows& rows, const FuseWords& words, const std::string& id);
    // Empties the image (the first options, a blank ID) as `how` says.
    void ResetImage(ImageReset how = {});
    // The save question for changed data; false when the user cancelled.
    bool SaveQuery(bool withCancel);
    // Load and Merge as the user gives them: the chip asked for, changed data
    // offered for saving (Load), then the file `from` the dialog or a name
    // (dropped, or a recent file).
    void Load(bool merge, const FileChoice& from = FileChoice::Asked());
    // The same without the questions; the status shows the outcome. False
    // when nothing was chosen, or the named file did not load.
    bool LoadImage(bool merge, const FileChoice& from = {});
    // Opens a file into a fresh image; quietly false when there is no such file.
    bool OpenFile(const std::string& fileName);
    // Loads a file into a fresh image, an error box when it does not load.
    ImageLoad LoadImageFile(const std::string& fileName);
    // What the last load left outside the chip, naming the file as given; empty when nothing.
    std::string OutsideText(const std::string& shownName) const;
    // The Save command with its dialog; SaveAs writes `fileName` without one.
    void Save();
    bool SaveAs(const std::string& fileName);
    // The calibration dialog's values into the image; false when there was
    // nothing to write them into.
    bool WriteCalibration(const std::string& oscal, const std::string& bandGap);
    // By name, as the fuse editor would set them (image_edits.cpp): fuse
    // options (nothing changes unless all of them are found) and the ID digits.
    FuseOptionChoice ChooseFuseOptions(const std::vector<FuseOptionPick>& picks);
    IdChoice ChooseIdDigits(const std::string& digits);
    // What a Program does with a chip of this image whose calibration word
    // reads blank: writes `value` (0..255) as its calibration, or refuses the
    // chip (an error box) when `value` is -1. A chip with its own value is
    // checked as usual. False when the image has no calibration word.
    bool CalibrateBlankChips(int value);
    // The image as it is now is the one each serial number is written into:
    // PlaceSerialNumber makes it the image again and writes the number in.
    void HoldImageForSerials();
    void PlaceSerialNumber(const ImagePatch& number);
    // The options of the configuration word that differed, as the fuse rows name them.
    std::vector<std::string> FuseDifference(const ResultDetails& details) const;
    bool adviseNewerFileLoad = true; // Options > Advise Newer File Load
    // With adviseNewerFileLoad, loads the file again when it changed on disk
    // since it was loaded; false when it then did not load.
    bool ReloadIfNewer();
    // The caption: the style's, and the file's name when one is loaded.
    std::string Caption() const { return modelCaption_ + fileCaption_; }

    // Recent files (recent_files.cpp).
    const std::vector<RecentFile>& RecentFiles() const { return recentFiles_; }
    // Loads the file with its chip, as Load does after its dialog.
    void OpenRecentFile(std::size_t index);

    // ---- The board (board.cpp) ----
    // The board's port, for the face's loop to serve.
    TSerial& Port() { return *serial_; }
    // What came on the port goes to the engine (the port's receive handler).
    void Received();
    // Opens COM `port` (an error box when it fails).
    bool OpenPort(int port);
    // COMn, a device path or rfc2217://HOST:PORT, then its opening with the
    // system's reason when it fails.
    bool ChoosePort(const std::string& text);
    bool OpenChosenPort(std::string& reason);
    void ClosePort();
    bool PortOpen() const;
    int PortNumber() const;
    // The line settings the port opens with (baud rate, bits, parity, stop bits).
    PortSettings LineSettings() const;
    // Every port opened from now on is written down, byte by byte and line
    // change by line change, into `recorder`; none: ports open unrecorded.
    void RecordPorts(std::shared_ptr<SessionRecorder> recorder);
    // File > Port: another port, the board let run and its greeting awaited.
    bool ChangePort(int port);
    // Serial On: the port opened again and the board reset by a short pulse.
    bool SerialOn();
    void SerialOff();
    // The chip file was edited: the list anew, no chip chosen, an empty image.
    void ChipFileEdited();
    // The port's device went away, and is back: the ticks are held meanwhile.
    void PortLost();
    bool PortBack();
    bool PortLostNow() const { return portLost_; }
    // One tick of the engine's 100 ms timer.
    void Tick();
    // Opens the chosen port, resets the board in `style` (a board of another
    // model does as `other` says) and serves the port through `serve` until
    // the greeting is in or the reset has failed.
    ConnectResult Connect(int style, OtherBoard other, const ServeUntil& serve);
    // The style to start in: no chip chosen, user mode off; the chip list is
    // loaded afterwards.
    void StartInStyle(int style);
    // The style as the user chooses it: the chip list anew, an empty image and
    // the board reset; nothing when it is the style already.
    void ChooseStyle(int style);
    int Style() const;
    OtherBoard otherBoard = OtherBoard::SwitchStyle;
    int OtherBoardSeen() const { return otherBoardSeen_; }
    void ResetBoard();
    void ReturnToIdle(bool sayReady);
    // The board's last greeting named this style (-1: none since forgotten).
    int LastGreeting() const;
    void ForgetGreeting();
    bool ResetPending() const;
    int ResetIdleLevel() const;

    // ---- Port assignment (ports.cpp) ----
    // The machine's serial devices under `systemRoot`, each USB adapter's
    // latency timer lowered where it can be.
    static std::vector<SerialDevice> FindSerialDevices(const std::string& systemRoot);
    // COM1..COM9 that the ports/ folders name.
    std::vector<PortMapping> PortMappings() const;
    PortSurvey SurveyPorts(const std::string& systemRoot) const;
    // The USB serial devices under `systemRoot`, then the network servers
    // ports/ names: the places a board may be.
    std::vector<PortCandidate> PortCandidates(const std::string& systemRoot) const;
    // Points ports/comN at `target` (an error box when it cannot); when COM
    // `com` is the port in use, it is opened anew and the board reset.
    bool AssignPort(int com, const std::string& target);

    // ---- Operations (commands.cpp) ----
    StartResult Program(const OperationOptions& options);
    StartResult Verify(const OperationOptions& options);
    StartResult Read(const OperationOptions& options);
    StartResult BlankCheck(EraseChoice choice, const OperationOptions& options);
    StartResult Erase(const OperationOptions& options);
    StartResult ReadChipInfo(const OperationOptions& options);
    StartResult ReadCalibration(const OperationOptions& options);
    // Auto Program: on (`chips` of them, 0 until stopped), or off again.
    StartResult StartAutoProgram(const OperationOptions& options, int chips = 0);
    void EndAutoProgram();
    void Cancel();
    // The board's firmware into a 16F628 in the socket: the style's image
    // from the program folder, or `file`. NoChip or NothingToDo (a box said
    // why) when the chip list lacks the 16F628 or the file does not load;
    // Declined when the user does not go on; else Program's answer.
    void Upgrade(const OperationOptions& options);
    StartResult UpgradeFrom(const std::string& file, const OperationOptions& options);
    // After an operation declined for an unknown chip: when the chip in the
    // socket is another of the list, offers to choose it, loads the file
    // again for it and runs the operation again.
    void OfferSocketChip(const OperationReport& report);
    // Called before each chip is programmed; false stops its Program.
    std::function<bool()> beforeProgram;
    // What a Program does with a chip's calibration word; unset: ask as usual.
    std::function<CalibrationVerdict(const std::string& configBytes)> onCalibration;

    bool Idle() const;
    bool Busy() const;
    // Idle, with no tick asked for: nothing under way and nothing awaited.
    bool AtRest() const;
    bool AutoProgramOn() const;
    bool UpgradeLoaded() const;
    ::Outcome LastOutcome() const;
    // The last message shown since the last operation started (an
    // operation's report has it as `message`): what a command that did not
    // start said of why. Worded by the catalogue (protocol/engine_texts.h).
    const std::optional<EngineMessage>& LastMessage() const { return messages_.Last(); }
    static ChipCalibration CalibrationOf(const OperationReport& report);
    static ChipCalibration CalibrationOf(const std::string& configBytes);
    // Every change of the engine's state, and every byte on the line.
    void SetTrace(std::function<void(EngineState from, EngineState to)> trace);
    void SetLineTap(std::function<void(const char* direction, const std::string& bytes)> tap);
    static const char* StateName(EngineState state);

    // ---- The session (session.cpp) ----
    // The start-up, once the face is on the screen: the settings file, its
    // port opened, the board reset in its style, then the chip list, the
    // command line's file and chip (FILE.hex [CHIP]) or the last ones.
    // `beforePort` runs once the settings are read, before the port opens.
    void StartUp(const std::vector<std::string>& args,
                 const std::function<void()>& beforePort = {});
    // Writes the settings and the recent files (an error box when it cannot).
    void SaveSession();
    const FilePlaces& Places() const { return places_; }

private:
    // ---- The engine's roles ----
    void SetTimer(bool on) override;
    void Pause(int milliseconds) override { sleep_(milliseconds); }
    void StatusReported(const EngineStatus& status) override { view_.StatusChanged(status); }
    void SetProgress(int value, int maximum) override { view_.ProgressChanged(value, maximum); }
    void Tell(const EngineMessage& message) override { messages_.Tell(message); }
    Dialogs::Answer Ask(const EngineMessage& question) override { return messages_.Ask(question); }
    void OperationStarted(Operation operation) override;
    void OperationEnded(const OperationReport& report) override;
    void BackToIdle() override { view_.BackToIdle(); }
    void OtherBoardGreeted(int style) override;
    void ClearImage() override { ResetImage(); }
    void ImageRead() override;
    bool ReloadNewerFile() override;
    CalibrationVerdict CalibrationFound(const std::string& configBytes) override;

    Dialogs& dialogs() { return view_.dialogs(); }
    // The workbench's own messages are told and asked as the engine's are
    // (Tell, Ask), some questions with Cancel, and its statuses (StatusReported).
    Dialogs::Answer AskWithCancel(const EngineMessage& question) {
        return messages_.AskWithCancel(question);
    }
    // The board's style alone: its reset line's polarity, the model it must
    // name, the caption.
    void SetStyle(int style);
    bool TakeChip(int position);
    bool LoadChipList(int style, std::vector<std::string>& data, std::vector<std::string>& names);
    // The start-up's halves: the settings file's style, file name and options,
    // and the recent files (what it says of the port and the chip is
    // returned); then, after the port and the board's reset, the chip list,
    // the command line's file and chip, the last chip and user mode, the file.
    Settings ReadSettings();
    void RestoreChipAndFile(Settings saved, const std::vector<std::string>& args);
    void RememberFile(const std::string& fileName);
    void ReadRecentFiles();
    // The engine, the options of the operation it is about to start kept for another try.
    ProgrammerEngine& EngineFor(const OperationOptions& options);
    std::function<StartResult()> Again(const OperationReport& report);

    BenchView& view_;
    MessageKeeper messages_{view_.dialogs()};
    Ticker& ticker_;
    Sleeper sleep_;
    FilePlaces places_;
    std::string chipFilePath_;
    std::vector<std::string> chipData_;
    std::vector<std::string> chipNames_;
    int position_ = -1;
    bool userMode_ = false;
    ChipRecord chip_;
    FuseRows fuseRows_;
    MemoryImage image_;
    MemoryImage plainImage_; // what each serial number is written into
    ImageLoad lastLoad_;
    EngineStatus loadNotice_;            // the status a load leaves: Ready, or what it did not load
    std::string lastSaveName_ = "*.hex"; // the save dialog's file name box
    std::vector<RecentFile> recentFiles_;
    std::string modelCaption_;
    std::string fileCaption_;
    OperationOptions lastOptions_; // of the last operation started
    bool timerOn_ = false;
    bool portLost_ = false;
    int otherBoardSeen_ = -1;
    std::unique_ptr<TSerial> serial_;
    std::unique_ptr<SerialLine> line_;
    std::unique_ptr<ProgrammerEngine> engine_;
};
