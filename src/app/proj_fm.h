#pragma once

#include "chipdb/chip_record.h"
#include "image/memory_image.h"
#include "platform/dialogs.h"
#include "platform/file_places.h"
#include "platform/help_viewer.h"
#include "platform/recent_files.h"
#include "platform/sleep.h"
#include "platform/sound.h"
#include "protocol/engine.h"
#include "protocol/serial_line_host.h"

#include <QMainWindow>

#include <chrono>
#include <memory>
#include <string>
#include <vector>

class QAction;
class QComboBox;
class QLabel;
class QMenu;
class QPainter;
class QProgressBar;
class QPushButton;
class QScrollBar;
class QTimer;
class QtSerialServer;
class TSerial;
class TImageCanvas;
class TPortFm;
class TAssignPortsFm;
class TPortReturn;
class TEraseFm;
class TFlyForm;
class TFuseEditFM;
class TOscCalFm;
class TEditFm;

// What the main window is given from outside: the toolkit-free services and the
// command line. Tests pass scripted dialogs, a virtual sleep and a temporary
// program folder.
struct TProjFmEnv {
    Dialogs* dialogs = nullptr;
    Sleeper sleep;
    std::string programDir;           // ends with '/'
    std::vector<std::string> args;    // command-line arguments after the program name
    std::unique_ptr<Sound> sound;     // the click; made from the program folder when null
    std::unique_ptr<HelpViewer> help; // the help window; the toolkit's when null
    std::string systemRoot;           // where sys/ and dev/ are; empty: the machine's own
};

// The main window. It holds the application state in plain fields and owns the
// widgets; its handlers are spread over the subsystem folders, one file per
// subsystem. It is the host of the programmer engine, which holds the board
// connection and the operations.
class TProjFm : public QMainWindow, public EngineClock, public OperatorPanel, public ImageKeeper {
    Q_OBJECT
public:
    explicit TProjFm(TProjFmEnv env, QWidget* parent = nullptr);
    ~TProjFm() override;

    // ---- State ----
    std::string ProgramDir;
    FilePlaces Places; // where pro.dat, chipinfo.cid and ports/ are read and written
    std::string ModelCaption;
    bool StartupPending = true;
    bool SoundAvailable = false;
    std::vector<std::string> ChipData;
    ChipRecord Chip;
    MemoryImage Image;
    std::vector<std::string> CodeLines;
    std::string LastSaveName = "*.hex";  // the save dialog's file name box
    std::vector<RecentFile> RecentFiles; // File > Recent Files, newest first
    // What the last load left outside the chip, for the status line; empty when nothing.
    std::string LoadNotice;

    // ---- The serial link to the board ----
    std::unique_ptr<TSerial> Serial1;
    // The engine's line to the board, over Serial1.
    std::unique_ptr<SerialLine> Line;
    // Waits on Serial1 in this window's event loop: the board's bytes are
    // handled by the thread they wake.
    std::unique_ptr<QtSerialServer> SerialServer;
    // Closes the port when its board is unplugged and opens it when it is back.
    std::unique_ptr<TPortReturn> PortReturn;

    // ---- The programmer: board connection and operations ----
    std::unique_ptr<ProgrammerEngine> Engine;

    // ---- Windows created at start ----
    TPortFm* PortFm = nullptr;
    TAssignPortsFm* AssignPortsFm = nullptr;
    TEraseFm* EraseFm = nullptr;
    TFlyForm* FlyForm = nullptr;
    TFuseEditFM* FuseEditFM = nullptr;
    TOscCalFm* OscCalFm = nullptr;
    TEditFm* EditFm = nullptr;

    // ---- Controls ----
    QMenu* File1 = nullptr;
    QMenu* Programmer1 = nullptr;
    QMenu* Options1 = nullptr;
    QMenu* View1 = nullptr;
    QMenu* Help1 = nullptr;
    QMenu* ProgrammerStyle1 = nullptr;
    QAction* Load1 = nullptr;
    QAction* Save1 = nullptr;
    QAction* Merge1 = nullptr;
    QMenu* RecentFiles1 = nullptr;
    QAction* AlderItem = nullptr;
    QAction* BirchAItem = nullptr;
    QAction* BirchBItem = nullptr;
    QAction* CedarItem = nullptr;
    QAction* ElmItem = nullptr;
    QAction* Port1 = nullptr;
    QAction* AssignPorts1 = nullptr;
    QAction* SerialOff1 = nullptr;
    QAction* Exit1 = nullptr;
    QAction* Program1 = nullptr;
    QAction* Read1 = nullptr;
    QAction* Verify1 = nullptr;
    QAction* Blank1 = nullptr;
    QAction* OSCAL1 = nullptr;
    QAction* Run1 = nullptr;
    QAction* Cancel1 = nullptr;
    QAction* UserSeparator = nullptr;
    QAction* User1 = nullptr;
    QAction* Edit1 = nullptr;
    QAction* RunWarning = nullptr;
    QAction* ReadChipID1 = nullptr;
    QAction* Reset1 = nullptr;
    QAction* IgnoreBlankCheck1 = nullptr;
    QAction* FlyWindow1 = nullptr;
    QAction* AdviseNewerFileLoad1 = nullptr;
    QAction* Upgrade1 = nullptr;
    QAction* ICSPMode1 = nullptr;
    QAction* AutoProgram1 = nullptr;
    QAction* Disassembly1 = nullptr;
    QAction* Copy1 = nullptr;
    QAction* Contents1 = nullptr;
    QAction* About1 = nullptr;

    QPushButton* LoadButt = nullptr;
    QPushButton* SaveButt = nullptr;
    QPushButton* ProgButt = nullptr;
    QPushButton* ReadButt = nullptr;
    QPushButton* VerfButt = nullptr;
    QPushButton* BlankButt = nullptr;
    QPushButton* OscalButt = nullptr;
    QPushButton* FuseButt = nullptr;
    QPushButton* RunButt = nullptr;
    QPushButton* CanButt = nullptr;
    QWidget* ButtonPanel = nullptr;

    QLabel* ComLabel = nullptr;
    QLabel* ICSPLabel = nullptr;
    QLabel* AutoLabel = nullptr;
    QLabel* StatusLabel = nullptr;
    QProgressBar* ProgressBar1 = nullptr;
    QWidget* Panel2 = nullptr;
    TImageCanvas* CodeImage = nullptr;
    QScrollBar* CodeScroll = nullptr;
    TImageCanvas* SocketImage = nullptr;
    QLabel* PCBlabel = nullptr;
    QLabel* ChipSelectLabel = nullptr;
    QComboBox* ChipSelect = nullptr;
    QTimer* Timer1 = nullptr;

    // ---- Application core ----
    void FormCreate();
    void Timer1Timer();
    void ExecuteStartupProcedures();
    void SetCaption(const std::string& suffix);
    bool FormCloseQuery();
    void FormClose();

    // ---- Commands, toggles and small dialogs ----
    void Port1Click();
    void AssignPorts1Click(); // port_return_fm.cpp
    void SerialOff1Click();
    void Edit1Click();
    void SaveEditedChipList();
    void RunWarningClick();
    void IgnoreBlankCheck1Click();
    void AdviseNewerFileLoad1Click();
    void ICSPMode1Click();
    void FlyWindow1Click();
    void Contents1Click();
    void About1Click();

    // ---- Board connection ----
    bool ActivateSerialPort(int port);
    void ResetSerial(bool showReady);
    void Reset1Click();
    void SetProgramVersion(int style, bool userChange);
    void StyleItemClick(int style);
    void Upgrade1Click();
    void AutoProgram1Click();
    void Serial1RxData();

    // ---- Chip database ----
    bool CheckAndLoadChipData();
    void ChipSelectChange();
    void PreSelectChip();
    void SelectTheChip();
    int FindChipCBText(const std::string& name) const;
    // Selects the chip at `position` as the user would, with an image of its own.
    void ChooseChip(int position);
    // The chip in the socket is another chip of the list: selects it, loads the
    // file again for it and runs the operation again, when the user says so.
    void OfferSocketChip(const OperationReport& report);
    void DrawTheSocket();
    void DrawBlankSocket();
    void PasteThePicture(const std::string& name, int x, int y);
    void RepaintSocket();
    std::string ShownSocketPicture; // the picture on SocketImage; empty: black only
    bool CheckSoundAvailable();
    void PlayClick();
    // The commands that need a chip, off until one is chosen.
    void DisableChipCommands();

    // ---- Memory image and HEX files ----
    void ResetCodeMemory(bool keepData, bool keepFileName, bool fillBlank);
    bool FileSaveQuery(bool withCancel);
    void LoadButtClick();
    void Merge1Click();
    void SaveButtClick();
    // Without the dialog: `fileName`, or HexFileName when it is empty.
    bool DoLoadProcedure(bool showDialog, bool merge, const std::string& fileName = {});
    // Load or Merge of a file named by the user without the dialog (dropped,
    // or chosen from Recent Files): the same questions and messages.
    void LoadFileCommand(const std::string& fileName, bool merge);
    bool OpenTheHexFile(std::string fileName);
    // ---- Recent files (recent_files_fm.cpp) ----
    void ReadRecentFiles();
    std::string WriteRecentFiles(); // empty, or why recent.dat could not be written
    void RememberFile(const std::string& fileName);
    void FillRecentFilesMenu();
    void RecentFileClick(std::size_t index);

    void User1Click();
    void SetUserMode();
    void CodeScrollChange();
    void CreateCodeData();
    void DisplayCodeLines();
    void BlankListing(); // the listing area without lines, in the palette's paper colour
    void ListingPageForReaders();
    // The listing's view (src/app/listing_view_fm.cpp): program memory as hex
    // words or as instructions, and lines selected with the mouse for Copy.
    std::vector<std::string> ListingLines() const;
    void Disassembly1Click();
    void Copy1Click();
    void SelectListingRow(int row, bool extend);
    void DrawListingSelection(QPainter& painter) const;
    int SelectionAnchor = -1; // CodeLines index where the selection began, -1 for none
    int SelectionEnd = -1;

    // ---- Protocol ----
    void ProgButtClick();
    void ReadButtClick();
    void VerfButtClick();
    void BlankButtClick();
    void ReadChipID1Click();
    void CanButtClick();
    void ReadCalibrationAndBG();

    // ---- Fuses and calibration ----
    void FuseButtClick();
    void OscalButtClick();
    void SetOscalFmValues();
    bool SetCalibrationValues();
    void ShowFuseDifference(const ResultDetails& difference);

    // ---- The programmer's host (src/app/engine_host_fm.cpp) ----
    // The line to the board is Line, on Serial1.
    // The options of the next operation, from the option marks.
    OperationOptions Options() const;
    void SetTimer(bool on) override;
    void Pause(int milliseconds) override;
    void SetStatus(const std::string& text) override;
    void SetProgress(int value, int maximum) override;
    void RepaintWindow() override;
    Dialogs& dialogs() override { return *Env.dialogs; }
    void OperationStarted(Operation operation) override;
    // The commands off while the board is busy (an operation, a port change).
    void DisableUserButtons();
    void BackToIdle() override;
    void OperationEnded(const OperationReport& report) override;
    void SwitchStyle(int style) override;
    void ShowListing() override;
    void ShowFuses() override;
    void RefreshCalibrationDialog() override;
    void ShowCalibration(const std::string& oscal, const std::string& bandGap) override;
    bool ChipSelected() const override;
    std::string ChipWithDeviceId(int deviceId) const override;
    std::string IDText() const override;
    void SetIDText(const std::string& text) override;
    void ClearImage() override;
    void SaveImage() override;
    bool ReloadNewerFile() override;

protected:
    void closeEvent(QCloseEvent* event) override;
    // A HEX file dragged onto the window loads; with Ctrl held it merges (file_drop_fm.cpp).
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    TProjFmEnv Env;
    void CreateControls(); // layout of the window, src/ui/
    void WireHandlers();   // menu and button signals to the handlers, src/ui/
    void CreateWindows();  // the six other windows, src/ui/
    void CreateSerial();
    void ShowProgress();
    bool TakesDrop(const QDropEvent& event) const;

    // The bars follow the words at most every 30 ms: a repaint per word would
    // stand between the board's 'Y' and the next word.
    QTimer* ProgressTimer = nullptr;
    std::chrono::steady_clock::time_point ProgressShownAt;
    int ProgressValue = 0;
    int ProgressMaximum = 0;
};
