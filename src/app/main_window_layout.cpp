// The main window's controls: captions, hints, accelerators and places.
#include "app/messages.h"
#include "app/proj_fm.h"
#include "image/code_listing.h"
#include "link/programmer_style.h"
#include "platform/translate.h"
#include "platform/translator_qt.h"
#include "ui/image_canvas.h"
#include "ui/status_label.h"

#include <QAction>
#include <QComboBox>
#include <QEvent>
#include <QKeySequence>
#include <QLabel>
#include <QMenuBar>
#include <QMouseEvent>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>

#include <functional>

namespace {
const char* const kChipSelectorCaption = N_("Chip Selector");
constexpr int kClientWidth = 632;
constexpr int kClientHeight = 384;
const char* const kCounterHint = N_("Serial counter disabled");
const char* const kRecentFilesCaption = N_("Recent &Files");
const char* const kAboutCaption = N_("&About Tessaro");

// Runs an action when the watched widget is double-clicked.
class TDoubleClickFilter : public QObject {
public:
    TDoubleClickFilter(std::function<void()> action, QObject* parent)
        : QObject(parent), action_(std::move(action)) {}
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::MouseButtonDblClick) {
            action_();
            return true;
        }
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> action_;
};

// Selects listing lines: a press picks a row (with Shift: up to it), a drag
// with the left button extends the selection.
class TListingMouseFilter : public QObject {
public:
    explicit TListingMouseFilter(TProjFm* window) : QObject(window), window_(window) {}
    bool eventFilter(QObject* watched, QEvent* event) override {
        const auto type = event->type();
        if (type != QEvent::MouseButtonPress && type != QEvent::MouseMove)
            return QObject::eventFilter(watched, event);
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (!(mouse->buttons() & Qt::LeftButton))
            return false;
        const bool extend = type == QEvent::MouseMove || (mouse->modifiers() & Qt::ShiftModifier);
        window_->SelectListingRow(CodeRowAt(mouse->position().toPoint().y()), extend);
        return true;
    }

private:
    TProjFm* window_;
};

QAction* AddItem(QMenu* menu, const char* name, const char* caption, bool checkable = false) {
    QAction* a = menu->addAction(Tr(caption));
    a->setObjectName(name);
    a->setCheckable(checkable);
    return a;
}

QPushButton* AddButton(QWidget* parent, const char* name, const char* caption, const char* hint,
                       const char* accessible, QRect where) {
    auto* b = new QPushButton(Tr(caption), parent);
    b->setObjectName(name);
    if (hint)
        b->setToolTip(Tr(hint));
    b->setAccessibleName(Tr(accessible));
    b->setGeometry(where);
    return b;
}

// A label that shows information: a screen reader reads its text, and the
// description says what the text is about.
template <class Label = QLabel>
Label* AddLabel(QWidget* parent, const char* name, const char* text, const char* role,
                QRect where) {
    auto* l = new Label(Tr(text), parent);
    l->setObjectName(name);
    l->setAccessibleDescription(Tr(role));
    l->setGeometry(where);
    l->setFrameShape(QFrame::Panel);
    l->setFrameShadow(QFrame::Sunken);
    return l;
}
} // namespace

void TProjFm::CreateControls() {
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    setAcceptDrops(true);

    // Menus.
    QMenuBar* bar = menuBar();
    File1 = bar->addMenu(Tr("&File"));
    File1->setObjectName("File1");
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
    QAction** styleItems[] = {&AlderItem, &BirchAItem, &BirchBItem, &CedarItem, &ElmItem};
    for (int s = 0; s < StyleCount; ++s)
        *styleItems[s] =
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

    Programmer1 = bar->addMenu(Tr("&Programmer"));
    Programmer1->setObjectName("Programmer1");
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

    Options1 = bar->addMenu(Tr("&Options"));
    Options1->setObjectName("Options1");
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

    View1 = bar->addMenu(Tr("&View"));
    View1->setObjectName("View1");
    Disassembly1 = AddItem(View1, "Disassembly1", N_("&Disassembly"), true);
    Copy1 = AddItem(View1, "Copy1", N_("&Copy"));
    Copy1->setShortcut(QKeySequence::Copy);

    Help1 = bar->addMenu(Tr("&Help"));
    Help1->setObjectName("Help1");
    Contents1 = AddItem(Help1, "Contents1", N_("&Contents"));
    Contents1->setShortcut(QKeySequence::HelpContents);
    Help1->addSeparator();
    About1 = AddItem(Help1, "About1", kAboutCaption);

    // Client area.
    auto* client = new QWidget(this);
    client->setObjectName("ClientArea");
    client->setFixedSize(kClientWidth, kClientHeight);
    setCentralWidget(client);

    Panel2 = new QWidget(client);
    Panel2->setObjectName("Panel2");
    Panel2->setGeometry(8, 8, 460, 235);
    CodeImage = new TImageCanvas(438, 231, Panel2);
    CodeImage->setObjectName("CodeImage");
    CodeImage->setAccessibleDescription(Tr("Code listing"));
    CodeImage->move(2, 2);
    CodeScroll = new QScrollBar(Qt::Vertical, Panel2);
    CodeScroll->setObjectName("CodeScroll");
    CodeScroll->setAccessibleName(Tr("Code listing scroll bar"));
    // Keyboard users scroll the listing with the arrow and page keys.
    CodeScroll->setFocusPolicy(Qt::StrongFocus);
    CodeScroll->setGeometry(442, 2, 16, 231);
    CodeScroll->setMaximum(0);
    BlankListing();
    CodeImage->repaintContents = [this] {
        BlankListing();
        DisplayCodeLines();
    };

    ComLabel = AddLabel(client, "ComLabel", kNoPort, N_("Serial port"), QRect(8, 248, 56, 20));
    ComLabel->setToolTip(Tr(kPortHint));
    ICSPLabel = AddLabel(client, "ICSPLabel", "", N_("ICSP mode"), QRect(68, 248, 40, 20));
    ICSPLabel->setToolTip(Tr(kCounterHint));
    AutoLabel = AddLabel(client, "AutoLabel", "", N_("Automatic mode"), QRect(112, 248, 40, 20));
    AutoLabel->setToolTip(Tr(kCounterHint));
    // A long message (what a load left outside the chip) shows its start, and
    // whole as the tooltip.
    StatusLabel = AddLabel<TStatusLabel>(client, "StatusLabel", kReady, N_("Status"),
                                         QRect(156, 248, 220, 20));
    StatusLabel->setAlignment(Qt::AlignCenter);
    ProgressBar1 = new QProgressBar(client);
    ProgressBar1->setObjectName("ProgressBar1");
    ProgressBar1->setAccessibleName(Tr("Progress"));
    ProgressBar1->setRange(0, 100);
    ProgressBar1->setValue(0);
    ProgressBar1->setTextVisible(false);
    ProgressBar1->setGeometry(380, 248, 88, 20);

    ButtonPanel = new QWidget(client);
    ButtonPanel->setObjectName("ButtonPanel");
    ButtonPanel->setAccessibleName(Tr("Commands"));
    ButtonPanel->setGeometry(8, 276, 460, 100);
    const int w = 88, h = 44, gap = 5;
    auto cell = [&](int col, int row) { return QRect(col * (w + gap), row * (h + 8), w, h); };
    LoadButt =
        AddButton(ButtonPanel, "LoadButt", N_("&Load"), N_("Load a file"), N_("Load"), cell(0, 0));
    SaveButt =
        AddButton(ButtonPanel, "SaveButt", N_("&Save"), N_("Save a file"), N_("Save"), cell(1, 0));
    ProgButt = AddButton(ButtonPanel, "ProgButt", N_("&Program"), kProgramChipHint, N_("Program"),
                         cell(2, 0));
    ReadButt =
        AddButton(ButtonPanel, "ReadButt", N_("&Read"), kReadChipHint, N_("Read"), cell(3, 0));
    VerfButt = AddButton(ButtonPanel, "VerfButt", N_("&Verify"), kVerifyChipHint, N_("Verify"),
                         cell(4, 0));
    BlankButt = AddButton(ButtonPanel, "BlankButt", N_("&Blank"), N_("Blank test chip"),
                          N_("Blank"), cell(0, 1));
    OscalButt = AddButton(ButtonPanel, "OscalButt", N_("&CALIB"), N_("Set/Read OSCAL"),
                          N_("Calibration"), cell(1, 1));
    FuseButt = AddButton(ButtonPanel, "FuseButt", N_("Fuses"), nullptr, N_("Fuses"), cell(2, 1));
    RunButt =
        AddButton(ButtonPanel, "RunButt", N_("Ru&n"), N_("Run user code"), N_("Run"), cell(3, 1));

    SocketImage = new TImageCanvas(114, 266, client);
    SocketImage->setObjectName("SocketImage");
    SocketImage->setAccessibleName(Tr("Socket picture"));
    SocketImage->move(495, 8);
    SocketImage->canvas.fill(Qt::black);
    SocketImage->repaintContents = [this] { RepaintSocket(); };
    PCBlabel = new QLabel(SocketImage);
    PCBlabel->setObjectName("PCBlabel");
    PCBlabel->setAccessibleDescription(Tr("Board variant"));
    PCBlabel->setGeometry(4, 4, 16, 18);
    PCBlabel->setStyleSheet("QLabel { background: white; color: black; font-weight: bold; }");
    PCBlabel->setAlignment(Qt::AlignCenter);
    PCBlabel->hide();

    ChipSelectLabel = new QLabel(Tr(kChipSelectorCaption), client);
    ChipSelectLabel->setObjectName("ChipSelectLabel");
    ChipSelectLabel->setGeometry(480, 278, 144, 18);
    ChipSelectLabel->setAlignment(Qt::AlignCenter);
    ChipSelect = new QComboBox(client);
    ChipSelect->setObjectName("ChipSelect");
    ChipSelect->setAccessibleDescription(Tr("Chip type"));
    ChipSelect->setMaxVisibleItems(9);
    ChipSelect->setGeometry(480, 298, 144, 26);
    ChipSelectLabel->setBuddy(ChipSelect);
    CanButt = AddButton(client, "CanButt", N_("&Cancel"), nullptr, N_("Cancel"),
                        QRect(480, 332, 144, 44));

    // Commands that need a chip wait for the first selection; Run waits for user mode.
    DisableChipCommands();
    RunButt->setEnabled(false);
    Run1->setEnabled(false);

    // Tab order: the chip first, then the commands in reading order, the
    // listing last.
    QWidget* order[] = {ChipSelect, LoadButt,  SaveButt, ProgButt, ReadButt, VerfButt,
                        BlankButt,  OscalButt, FuseButt, RunButt,  CanButt,  CodeScroll};
    for (std::size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);
    ChipSelect->setFocus();

    Timer1 = new QTimer(this);
    Timer1->setObjectName("Timer1");
    Timer1->setInterval(100);
    ProgressTimer = new QTimer(this);
    ProgressTimer->setSingleShot(true);
    connect(ProgressTimer, &QTimer::timeout, this, [this] { ShowProgress(); });
}

void TProjFm::WireHandlers() {
    // Qt flips a checkable item's mark before the handler runs; the handlers
    // own their marks, so the flip is undone first.
    auto undoFlip = [](QAction* a) {
        if (a->isCheckable())
            a->setChecked(!a->isChecked());
    };
    auto on = [this, undoFlip](QAction* a, void (TProjFm::*handler)()) {
        connect(a, &QAction::triggered, this, [this, a, handler, undoFlip] {
            undoFlip(a);
            (this->*handler)();
        });
    };
    auto click = [this](QPushButton* b, void (TProjFm::*handler)()) {
        connect(b, &QPushButton::clicked, this, [this, handler] { (this->*handler)(); });
    };
    on(Load1, &TProjFm::LoadButtClick);
    on(Save1, &TProjFm::SaveButtClick);
    on(Merge1, &TProjFm::Merge1Click);
    QAction* styles[] = {AlderItem, BirchAItem, BirchBItem, CedarItem, ElmItem};
    for (int s = 0; s < StyleCount; ++s)
        connect(styles[s], &QAction::triggered, this, [this, s, a = styles[s], undoFlip] {
            undoFlip(a);
            StyleItemClick(s);
        });
    on(Port1, &TProjFm::Port1Click);
    on(AssignPorts1, &TProjFm::AssignPorts1Click);
    on(SerialOff1, &TProjFm::SerialOff1Click);
    on(Program1, &TProjFm::ProgButtClick);
    on(Read1, &TProjFm::ReadButtClick);
    on(Verify1, &TProjFm::VerfButtClick);
    on(Blank1, &TProjFm::BlankButtClick);
    on(OSCAL1, &TProjFm::OscalButtClick);
    on(Run1, &TProjFm::CanButtClick);
    on(User1, &TProjFm::User1Click);
    on(Edit1, &TProjFm::Edit1Click);
    on(RunWarning, &TProjFm::RunWarningClick);
    on(ReadChipID1, &TProjFm::ReadChipID1Click);
    on(Reset1, &TProjFm::Reset1Click);
    on(IgnoreBlankCheck1, &TProjFm::IgnoreBlankCheck1Click);
    on(FlyWindow1, &TProjFm::FlyWindow1Click);
    on(AdviseNewerFileLoad1, &TProjFm::AdviseNewerFileLoad1Click);
    on(Upgrade1, &TProjFm::Upgrade1Click);
    on(ICSPMode1, &TProjFm::ICSPMode1Click);
    on(AutoProgram1, &TProjFm::AutoProgram1Click);
    on(Disassembly1, &TProjFm::Disassembly1Click);
    on(Copy1, &TProjFm::Copy1Click);
    on(Contents1, &TProjFm::Contents1Click);
    on(About1, &TProjFm::About1Click);
    // File > Exit closes the window through the usual close query.
    connect(Exit1, &QAction::triggered, this, &QWidget::close);
    // Programmer > Cancel carries the same action as the Cancel button.
    on(Cancel1, &TProjFm::CanButtClick);

    click(LoadButt, &TProjFm::LoadButtClick);
    click(SaveButt, &TProjFm::SaveButtClick);
    click(ProgButt, &TProjFm::ProgButtClick);
    click(ReadButt, &TProjFm::ReadButtClick);
    click(VerfButt, &TProjFm::VerfButtClick);
    click(BlankButt, &TProjFm::BlankButtClick);
    click(OscalButt, &TProjFm::OscalButtClick);
    click(FuseButt, &TProjFm::FuseButtClick);
    click(CanButt, &TProjFm::CanButtClick);
    connect(ChipSelect, qOverload<int>(&QComboBox::activated), this,
            [this](int) { ChipSelectChange(); });
    connect(CodeScroll, &QScrollBar::valueChanged, this, [this](int) { CodeScrollChange(); });
    connect(Timer1, &QTimer::timeout, this, &TProjFm::Timer1Timer);
    CodeImage->installEventFilter(new TListingMouseFilter(this));
    ComLabel->installEventFilter(new TDoubleClickFilter(
        [this] {
            if (ComLabel->isEnabled())
                Port1Click();
        },
        ComLabel));
}
