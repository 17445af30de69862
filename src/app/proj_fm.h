#pragma once

#include "platform/dialogs.h"
#include "platform/help_viewer.h"
#include "platform/sleep.h"
#include "platform/sound.h"
#include "workbench/workbench.h"

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
class SessionRecorder;
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

// The main window: the workbench's face in widgets. Its handlers (one file per
// subject) read what the user chose, call the workbench and draw what its view
// is told; the widgets are its own. It gives the workbench its tick (Timer1).
class TProjFm : public QMainWindow, public BenchView, private Ticker {
    Q_OBJECT
public:
    explicit TProjFm(TProjFmEnv env, QWidget* parent = nullptr);
    ~TProjFm() override;

    Workbench& Bench() { return *Bench_; }
    // The listing's lines, as the listing shows them.
    const std::vector<std::string>& Listing() const { return CodeLines; }
    bool StartupPending() const { return StartupPending_; }
    // The small window with Program and Verify alone (it has no parent).
    TFlyForm* FlyWindow() const { return FlyForm; }

    // ---- Application core (startup_fm.cpp) ----
    void FormCreate();
    void Timer1Timer();
    void ExecuteStartupProcedures();
    bool FormCloseQuery();
    void FormClose();

    // ---- Commands, toggles and small dialogs (commands_fm.cpp) ----
    void Port1Click();
    void AssignPorts1Click(); // assign_ports_fm.cpp
    void SerialOff1Click();
    void Edit1Click();
    void RunWarningClick();
    void IgnoreBlankCheck1Click();
    void AdviseNewerFileLoad1Click();
    void ICSPMode1Click();
    void FlyWindow1Click();
    void Contents1Click();
    void About1Click();
    // Help > Record Session...: starts writing the board session down, or stops
    // (record_session_fm.cpp).
    void RecordSession1Click();
    bool Recording() const { return Recorder_ != nullptr; }

    // ---- Board connection (board_connection_fm.cpp) ----
    bool ActivateSerialPort(int port);
    void Reset1Click();
    void SetProgramVersion(int style, bool userChange);
    void StyleItemClick(int style);
    void Upgrade1Click();
    void AutoProgram1Click();
    void Serial1RxData();

    // ---- Chip database (chip_select_fm.cpp) ----
    void ChipSelectChange();
    void DrawTheSocket();

    // ---- Memory image and HEX files (hex_commands_fm.cpp) ----
    void LoadButtClick();
    void Merge1Click();
    void SaveButtClick();
    void RecentFileClick(std::size_t index);
    void User1Click();

    // ---- The listing (code_listing_fm.cpp, listing_view_fm.cpp) ----
    void CodeScrollChange();
    void Disassembly1Click();
    void Copy1Click();
    void SelectListingRow(int row, bool extend);

    // ---- Operations (operations_fm.cpp) ----
    void ProgButtClick();
    void ReadButtClick();
    void VerfButtClick();
    void BlankButtClick();
    void ReadChipID1Click();
    void CanButtClick();
    void ReadCalibrationAndBG();

    // ---- Fuses and calibration (fuses_fm.cpp) ----
    void FuseButtClick();
    void OscalButtClick();

    // ---- The workbench's view (view_fm.cpp) ----
    Dialogs& dialogs() override { return *Env.dialogs; }
    void StatusChanged(const EngineStatus& status) override;
    void ProgressChanged(int value, int maximum) override;
    void ChipChanged() override;
    void ImageChanged(unsigned parts) override;
    void BoardChanged() override;
    void PortOpened(bool open) override;
    void OperationStarted(Operation operation) override;
    void OperationEnded(const OperationReport& report) override;
    void BackToIdle() override;
    // The commands off while the board is busy (an operation, a port change).
    void DisableUserButtons();

protected:
    void closeEvent(QCloseEvent* event) override;
    // A HEX file dragged onto the window loads; with Ctrl held it merges (file_drop_fm.cpp).
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    // ---- The tick, as the workbench asks for it ----
    void Start(int intervalMs) override;
    void Stop() override;

    // ---- Building the window (main_window_layout.cpp, main_window_menus.cpp) ----
    void CreateControls();
    void CreateFileMenu();
    void CreateProgrammerMenu();
    void CreateOptionsMenu();
    void CreateViewAndHelpMenus();
    void CreateListingPanel(QWidget* client);
    void CreateStatusRow(QWidget* client);
    void CreateButtonPanel(QWidget* client);
    void CreateSocketPanel(QWidget* client);
    void WireMenus();
    void WireButtons();
    void CreateWindows();
    void CreateSerial();

    // ---- Drawing what the workbench holds (view_fm.cpp) ----
    void SetStatus(const std::string& text);
    // The port indicator after an attempt to open the port, and its return watched.
    void ShowPortOpened(bool open);
    void SetCaption();
    void ShowChecksum();
    void ShowStyle();
    void ShowChipList();
    void ShowFuseEditor();
    void ShowCommands();
    void ShowProgress();
    OperationOptions Options() const;
    void ShowFuseDifference(const ResultDetails& difference);
    void ShowCalibration(const OperationReport& report);
    void SetOscalFmValues();
    void FillRecentFilesMenu();
    // A recording from the port's next opening on (record_session_fm.cpp).
    bool StartRecording(const std::string& path);
    void StopRecording();
    void RecordResult(const OperationReport& report);
    void DrawBlankSocket();
    void PasteThePicture(const std::string& name, int x, int y);
    void RepaintSocket();
    bool CheckSoundAvailable();
    void PlayClick();
    void CreateCodeData();
    void DisplayCodeLines();
    void BlankListing(); // the listing area without lines, in the palette's paper colour
    void ListingPageForReaders();
    std::vector<std::string> ListingLines() const;
    void DrawListingSelection(QPainter& painter) const;
    bool TakesDrop(const QDropEvent& event) const;

    TProjFmEnv Env;
    std::unique_ptr<Workbench> Bench_;
    std::shared_ptr<SessionRecorder> Recorder_;
    bool StartupPending_ = true;
    bool SoundAvailable = false;
    std::vector<std::string> CodeLines;
    std::string ShownSocketPicture; // the picture on SocketImage; empty: black only
    int SelectionAnchor = -1;       // CodeLines index where the selection began, -1 for none
    int SelectionEnd = -1;
    // The bars follow the words at most every 30 ms: a repaint per word would
    // stand between the board's 'Y' and the next word.
    QTimer* ProgressTimer = nullptr;
    std::chrono::steady_clock::time_point ProgressShownAt;
    int ProgressValue = 0;
    int ProgressMaximum = 0;

    // Waits on the board's port in this window's event loop: the board's
    // bytes are handled by the thread they wake.
    std::unique_ptr<QtSerialServer> SerialServer;
    // Closes the port when its board is unplugged and opens it when it is back.
    TPortReturn* PortReturn = nullptr;

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
    QAction* StyleItems[5] = {}; // AlderItem .. ElmItem
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
    QAction* RecordSession1 = nullptr;

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
    QLabel* ChecksumLabel = nullptr;
    QProgressBar* ProgressBar1 = nullptr;
    QWidget* Panel2 = nullptr;
    TImageCanvas* CodeImage = nullptr;
    QScrollBar* CodeScroll = nullptr;
    TImageCanvas* SocketImage = nullptr;
    QLabel* PCBlabel = nullptr;
    QLabel* ChipSelectLabel = nullptr;
    QComboBox* ChipSelect = nullptr;
    QTimer* Timer1 = nullptr;
};
