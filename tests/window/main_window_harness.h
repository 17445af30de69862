#pragma once

#include "app/assign_ports_fm.h"
#include "app/chip_editor_fm.h"
#include "app/fuse_edit_fm.h"
#include "app/osccal_fm.h"
#include "app/port_return_fm.h"
#include "app/proj_fm.h"
#include "app/small_dialogs_fm.h"
#include "platform/help_viewer_scripted.h"
#include "platform/scripted_dialogs.h"
#include "platform/sound_scripted.h"
#include "ui/image_canvas.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>

#include <filesystem>
#include <fstream>
#include <memory>
#include <optional>
#include <string>
#include <vector>

// The main window as the tests look at it: its widgets and windows found by
// their names (the window keeps them to itself), and what its workbench holds.
class TestWindow : public TProjFm {
public:
    using TProjFm::TProjFm;

    template <class T> T* Find(const char* name) const {
        T* found = findChild<T*>(name);
        if (found == nullptr)
            ADD_FAILURE() << "no " << name << " in the window";
        return found;
    }

    MemoryImage& Image = Bench().Image();
    const ChipRecord& Chip = Bench().Chip();
    const std::vector<std::string>& CodeLines = Listing();
    TPortReturn* PortReturn = Find<TPortReturn>("PortReturn");
    TPortFm* PortFm = Find<TPortFm>("PortFm");
    TAssignPortsFm* AssignPortsFm = Find<TAssignPortsFm>("AssignPortsFm");
    TEraseFm* EraseFm = Find<TEraseFm>("EraseFm");
    TFlyForm* FlyForm = FlyWindow();
    TFuseEditFM* FuseEditFM = Find<TFuseEditFM>("FuseEditFM");
    TOscCalFm* OscCalFm = Find<TOscCalFm>("OscCalFm");
    TEditFm* EditFm = Find<TEditFm>("EditFm");
    QMenu* File1 = Find<QMenu>("File1");
    QAction* Load1 = Find<QAction>("Load1");
    QAction* Save1 = Find<QAction>("Save1");
    QMenu* RecentFiles1 = Find<QMenu>("RecentFiles1");
    QAction* AlderItem = Find<QAction>("AlderItem");
    QAction* BirchAItem = Find<QAction>("BirchAItem");
    QAction* CedarItem = Find<QAction>("CedarItem");
    QAction* ElmItem = Find<QAction>("ElmItem");
    QAction* AssignPorts1 = Find<QAction>("AssignPorts1");
    QAction* SerialOff1 = Find<QAction>("SerialOff1");
    QAction* Read1 = Find<QAction>("Read1");
    QAction* Verify1 = Find<QAction>("Verify1");
    QAction* OSCAL1 = Find<QAction>("OSCAL1");
    QAction* Run1 = Find<QAction>("Run1");
    QAction* Cancel1 = Find<QAction>("Cancel1");
    QAction* User1 = Find<QAction>("User1");
    QAction* RunWarning = Find<QAction>("RunWarning");
    QAction* ReadChipID1 = Find<QAction>("ReadChipID1");
    QAction* IgnoreBlankCheck1 = Find<QAction>("IgnoreBlankCheck1");
    QAction* FlyWindow1 = Find<QAction>("FlyWindow1");
    QAction* AdviseNewerFileLoad1 = Find<QAction>("AdviseNewerFileLoad1");
    QAction* ICSPMode1 = Find<QAction>("ICSPMode1");
    QAction* AutoProgram1 = Find<QAction>("AutoProgram1");
    QAction* Disassembly1 = Find<QAction>("Disassembly1");
    QAction* Copy1 = Find<QAction>("Copy1");
    QAction* Contents1 = Find<QAction>("Contents1");
    QAction* About1 = Find<QAction>("About1");
    QPushButton* LoadButt = Find<QPushButton>("LoadButt");
    QPushButton* SaveButt = Find<QPushButton>("SaveButt");
    QPushButton* ProgButt = Find<QPushButton>("ProgButt");
    QPushButton* ReadButt = Find<QPushButton>("ReadButt");
    QPushButton* VerfButt = Find<QPushButton>("VerfButt");
    QPushButton* BlankButt = Find<QPushButton>("BlankButt");
    QPushButton* OscalButt = Find<QPushButton>("OscalButt");
    QPushButton* FuseButt = Find<QPushButton>("FuseButt");
    QPushButton* RunButt = Find<QPushButton>("RunButt");
    QPushButton* CanButt = Find<QPushButton>("CanButt");
    QLabel* ComLabel = Find<QLabel>("ComLabel");
    QLabel* ICSPLabel = Find<QLabel>("ICSPLabel");
    QLabel* AutoLabel = Find<QLabel>("AutoLabel");
    QLabel* StatusLabel = Find<QLabel>("StatusLabel");
    QLabel* ChecksumLabel = Find<QLabel>("ChecksumLabel");
    TImageCanvas* CodeImage = Find<TImageCanvas>("CodeImage");
    QScrollBar* CodeScroll = Find<QScrollBar>("CodeScroll");
    TImageCanvas* SocketImage = Find<TImageCanvas>("SocketImage");
    QLabel* PCBlabel = Find<QLabel>("PCBlabel");
    QComboBox* ChipSelect = Find<QComboBox>("ChipSelect");
    QTimer* Timer1 = Find<QTimer>("Timer1");
};

// A main window in a fresh program folder that is also the current directory,
// with scripted dialogs and a sleep that only adds up the time asked for.
class MainWindowHarness {
public:
    explicit MainWindowHarness(const std::string& name);
    ~MainWindowHarness();

    void WriteFile(const std::string& name, const std::string& contents) const;
    std::string ReadFile(const std::string& name) const;
    void CopyShippedChipFile() const;
    // Makes the folder an installed copy (the install mark) whose user's
    // configuration folder lies inside it; returns that folder, ending in '/'.
    std::string InstalledCopy();

    // Creates the window (closing one started before without asking) and runs
    // the first timer tick (the start-up sequence).
    TestWindow& Start(std::vector<std::string> args = {});
    // Closes the window as the user would; true when it closed.
    bool Close();

    std::filesystem::path dir;
    std::string programDir; // dir with a trailing separator ('\\' on Windows)
    ScriptedDialogs dialogs;
    Dialogs* boxes = nullptr; // dialogs to use instead of `dialogs` (set before Start)
    std::string systemRoot;   // the machine's sys/ and dev/ for the window (set before Start)
    int sleptMs = 0;
    ScriptedSound* sound = nullptr;     // owned by the window
    ScriptedHelpViewer* help = nullptr; // owned by the window
    std::unique_ptr<TestWindow> window;

private:
    std::filesystem::path oldCwd_;
    bool setConfigHome_ = false;
    std::optional<std::string> oldConfigHome_; // the user's folder's variable before
};
