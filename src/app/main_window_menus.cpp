// The main window's menus: captions, accelerators, and the handlers they run.
#include "app/messages.h"
#include "app/proj_fm.h"
#include "link/programmer_style.h"
#include "platform/translate.h"
#include "platform/translator_qt.h"

#include <QAction>
#include <QKeySequence>
#include <QMenuBar>

namespace {
const char* const kRecentFilesCaption = N_("Recent &Files");
const char* const kAboutCaption = N_("&About Tessaro");

QAction* AddItem(QMenu* menu, const char* name, const char* caption, bool checkable = false) {
    QAction* a = menu->addAction(Tr(caption));
    a->setObjectName(name);
    a->setCheckable(checkable);
    return a;
}

QMenu* AddMenu(QMenuBar* bar, const char* name, const char* caption) {
    QMenu* menu = bar->addMenu(Tr(caption));
    menu->setObjectName(name);
    return menu;
}
} // namespace

void TProjFm::CreateFileMenu() {
    File1 = AddMenu(menuBar(), "File1", N_("&File"));
    Load1 = AddItem(File1, "Load1", N_("&Load"));
    Save1 = AddItem(File1, "Save1", N_("&Save"));
    Merge1 = AddItem(File1, "Merge1", N_("&Merge"));
    RecentFiles1 = File1->addMenu(Tr(kRecentFilesCaption));
    RecentFiles1->setObjectName("RecentFiles1");
    RecentFiles1->setToolTipsVisible(true);
    RecentFiles1->setEnabled(false);
    File1->addSeparator();
    ProgrammerStyle1 = File1->addMenu(Tr("P&rogrammer Style"));
    ProgrammerStyle1->setObjectName("ProgrammerStyle1");
    for (int s = 0; s < StyleCount; ++s)
        StyleItems[s] =
            AddItem(ProgrammerStyle1, StyleInfo(s).itemName, StyleInfo(s).itemCaption, true);
    Port1 = AddItem(File1, "Port1", N_("&Port"));
    AssignPorts1 = AddItem(File1, "AssignPorts1", N_("&Assign Ports..."));
    SerialOff1 = AddItem(File1, "SerialOff1", kSerialOffCaption);
    File1->addSeparator();
    Exit1 = AddItem(File1, "Exit1", N_("E&xit"));
    // The shortcuts every desktop program answers to, shown beside the items.
    Load1->setShortcut(QKeySequence::Open);
    Save1->setShortcut(QKeySequence::Save);
    Exit1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
}

void TProjFm::CreateProgrammerMenu() {
    Programmer1 = AddMenu(menuBar(), "Programmer1", N_("&Programmer"));
    Program1 = AddItem(Programmer1, "Program1", N_("&Program"));
    Read1 = AddItem(Programmer1, "Read1", N_("&Read"));
    Verify1 = AddItem(Programmer1, "Verify1", N_("&Verify"));
    Blank1 = AddItem(Programmer1, "Blank1", N_("&Blank"));
    OSCAL1 = AddItem(Programmer1, "OSCAL1", N_("&OSCAL"));
    Run1 = AddItem(Programmer1, "Run1", N_("Ru&n"));
    Cancel1 = AddItem(Programmer1, "Cancel1", N_("&Cancel"));
    UserSeparator = Programmer1->addSeparator();
    UserSeparator->setObjectName("N5");
    User1 = AddItem(Programmer1, "User1", N_("&User"), true);
}

void TProjFm::CreateOptionsMenu() {
    Options1 = AddMenu(menuBar(), "Options1", N_("&Options"));
    Edit1 = AddItem(Options1, "Edit1", N_("&Edit Chip List"));
    RunWarning = AddItem(Options1, "RunWarning", N_("Run &Warning"), true);
    ReadChipID1 = AddItem(Options1, "ReadChipID1", N_("Read Chip &Info"));
    Reset1 = AddItem(Options1, "Reset1", N_("Rese&t Programmer"));
    IgnoreBlankCheck1 = AddItem(Options1, "IgnoreBlankCheck1", N_("Ignore &Blank Check"), true);
    FlyWindow1 = AddItem(Options1, "FlyWindow1", N_("Fl&y Window"));
    AdviseNewerFileLoad1 =
        AddItem(Options1, "AdviseNewerFileLoad1", N_("&Advise Newer File Load"), true);
    AdviseNewerFileLoad1->setChecked(true);
    Upgrade1 = AddItem(Options1, "Upgrade1", N_("&Upgrade"));
    ICSPMode1 = AddItem(Options1, "ICSPMode1", N_("I&CSP Mode"), true);
    AutoProgram1 = AddItem(Options1, "AutoProgram1", N_("Auto &Program"), true);
}

void TProjFm::CreateViewAndHelpMenus() {
    View1 = AddMenu(menuBar(), "View1", N_("&View"));
    Disassembly1 = AddItem(View1, "Disassembly1", N_("&Disassembly"), true);
    Copy1 = AddItem(View1, "Copy1", N_("&Copy"));
    Copy1->setShortcut(QKeySequence::Copy);

    Help1 = AddMenu(menuBar(), "Help1", N_("&Help"));
    Contents1 = AddItem(Help1, "Contents1", N_("&Contents"));
    Contents1->setShortcut(QKeySequence::HelpContents);
    RecordSession1 = AddItem(Help1, "RecordSession1", N_("&Record Session..."), true);
    Help1->addSeparator();
    About1 = AddItem(Help1, "About1", kAboutCaption);
}

void TProjFm::WireMenus() {
    // Qt flips a checkable item's mark before the handler runs; the handlers
    // own their marks, so the flip is undone first.
    auto on = [this](QAction* a, std::function<void()> handler) {
        connect(a, &QAction::triggered, this, [a, handler] {
            if (a->isCheckable())
                a->setChecked(!a->isChecked());
            handler();
        });
    };
    const std::pair<QAction*, void (TProjFm::*)()> items[] = {
        {Load1, &TProjFm::LoadButtClick},
        {Save1, &TProjFm::SaveButtClick},
        {Merge1, &TProjFm::Merge1Click},
        {Port1, &TProjFm::Port1Click},
        {AssignPorts1, &TProjFm::AssignPorts1Click},
        {SerialOff1, &TProjFm::SerialOff1Click},
        {Program1, &TProjFm::ProgButtClick},
        {Read1, &TProjFm::ReadButtClick},
        {Verify1, &TProjFm::VerfButtClick},
        {Blank1, &TProjFm::BlankButtClick},
        {OSCAL1, &TProjFm::OscalButtClick},
        {Run1, &TProjFm::CanButtClick},
        // Programmer > Cancel carries the same action as the Cancel button.
        {Cancel1, &TProjFm::CanButtClick},
        {User1, &TProjFm::User1Click},
        {Edit1, &TProjFm::Edit1Click},
        {RunWarning, &TProjFm::RunWarningClick},
        {ReadChipID1, &TProjFm::ReadChipID1Click},
        {Reset1, &TProjFm::Reset1Click},
        {IgnoreBlankCheck1, &TProjFm::IgnoreBlankCheck1Click},
        {FlyWindow1, &TProjFm::FlyWindow1Click},
        {AdviseNewerFileLoad1, &TProjFm::AdviseNewerFileLoad1Click},
        {Upgrade1, &TProjFm::Upgrade1Click},
        {ICSPMode1, &TProjFm::ICSPMode1Click},
        {AutoProgram1, &TProjFm::AutoProgram1Click},
        {Disassembly1, &TProjFm::Disassembly1Click},
        {Copy1, &TProjFm::Copy1Click},
        {Contents1, &TProjFm::Contents1Click},
        {About1, &TProjFm::About1Click},
        {RecordSession1, &TProjFm::RecordSession1Click},
    };
    for (const auto& [item, handler] : items)
        on(item, [this, handler = handler] { (this->*handler)(); });
    for (int s = 0; s < StyleCount; ++s)
        on(StyleItems[s], [this, s] { StyleItemClick(s); });
    // File > Exit closes the window through the usual close query.
    connect(Exit1, &QAction::triggered, this, &QWidget::close);
}
