// The main window's panels: captions, hints, accelerators and places, and the
// handlers their controls run.
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
#include <QLabel>
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
    CreateFileMenu();
    CreateProgrammerMenu();
    CreateOptionsMenu();
    CreateViewAndHelpMenus();

    auto* client = new QWidget(this);
    client->setObjectName("ClientArea");
    client->setFixedSize(kClientWidth, kClientHeight);
    setCentralWidget(client);
    CreateListingPanel(client);
    CreateStatusRow(client);
    CreateButtonPanel(client);
    CreateSocketPanel(client);

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
}

// The code listing with its scroll bar.
void TProjFm::CreateListingPanel(QWidget* client) {
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
}

// The port, ICSP and automatic mode indicators, the status line and the progress bar.
void TProjFm::CreateStatusRow(QWidget* client) {
    ComLabel = AddLabel(client, "ComLabel", kNoPort, N_("Serial port"), QRect(8, 248, 56, 20));
    ComLabel->setToolTip(Tr(kPortHint));
    ICSPLabel = AddLabel(client, "ICSPLabel", "", N_("ICSP mode"), QRect(68, 248, 40, 20));
    ICSPLabel->setToolTip(Tr(kCounterHint));
    AutoLabel = AddLabel(client, "AutoLabel", "", N_("Automatic mode"), QRect(112, 248, 40, 20));
    AutoLabel->setToolTip(Tr(kCounterHint));
    // A long message (what a load left outside the chip) shows its start, and
    // whole as the tooltip.
    StatusLabel = AddLabel<TStatusLabel>(client, "StatusLabel", kReady, N_("Status"),
                                         QRect(156, 248, 156, 20));
    StatusLabel->setAlignment(Qt::AlignCenter);
    // The image's checksum as the chip maker's tools show it, after every load and read.
    ChecksumLabel = AddLabel(client, "ChecksumLabel", "", N_("Checksum"), QRect(316, 248, 60, 20));
    ChecksumLabel->setAlignment(Qt::AlignCenter);
    ProgressBar1 = new QProgressBar(client);
    ProgressBar1->setObjectName("ProgressBar1");
    ProgressBar1->setAccessibleName(Tr("Progress"));
    ProgressBar1->setRange(0, 100);
    ProgressBar1->setValue(0);
    ProgressBar1->setTextVisible(false);
    ProgressBar1->setGeometry(380, 248, 88, 20);
}

void TProjFm::CreateButtonPanel(QWidget* client) {
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
    ProgButt = AddButton(ButtonPanel, "ProgButt", N_("Pro&gram"), kProgramChipHint, N_("Program"),
                         cell(2, 0));
    ReadButt =
        AddButton(ButtonPanel, "ReadButt", N_("&Read"), kReadChipHint, N_("Read"), cell(3, 0));
    VerfButt = AddButton(ButtonPanel, "VerfButt", N_("V&erify"), kVerifyChipHint, N_("Verify"),
                         cell(4, 0));
    BlankButt = AddButton(ButtonPanel, "BlankButt", N_("&Blank"), N_("Blank test chip"),
                          N_("Blank"), cell(0, 1));
    OscalButt = AddButton(ButtonPanel, "OscalButt", N_("C&ALIB"), N_("Set/Read OSCAL"),
                          N_("Calibration"), cell(1, 1));
    FuseButt = AddButton(ButtonPanel, "FuseButt", N_("Fuses"), nullptr, N_("Fuses"), cell(2, 1));
    RunButt =
        AddButton(ButtonPanel, "RunButt", N_("Ru&n"), N_("Run user code"), N_("Run"), cell(3, 1));
}

// The socket picture, the chip selector and the Cancel button.
void TProjFm::CreateSocketPanel(QWidget* client) {
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
}

void TProjFm::WireButtons() {
    const std::pair<QPushButton*, void (TProjFm::*)()> buttons[] = {
        {LoadButt, &TProjFm::LoadButtClick},
        {SaveButt, &TProjFm::SaveButtClick},
        {ProgButt, &TProjFm::ProgButtClick},
        {ReadButt, &TProjFm::ReadButtClick},
        {VerfButt, &TProjFm::VerfButtClick},
        {BlankButt, &TProjFm::BlankButtClick},
        {OscalButt, &TProjFm::OscalButtClick},
        {FuseButt, &TProjFm::FuseButtClick},
        {CanButt, &TProjFm::CanButtClick},
        // Programmer > Run's action: the button has none of its own.
        {RunButt, &TProjFm::CanButtClick},
    };
    for (const auto& [button, handler] : buttons)
        connect(button, &QPushButton::clicked, this,
                [this, handler = handler] { (this->*handler)(); });
    connect(ChipSelect, qOverload<int>(&QComboBox::activated), this,
            [this](int) { ChipSelectChange(); });
    connect(CodeScroll, &QScrollBar::valueChanged, this, [this](int) { CodeScrollChange(); });
    connect(Timer1, &QTimer::timeout, this, &TProjFm::Timer1Timer);
    connect(ProgressTimer, &QTimer::timeout, this, [this] { ShowProgress(); });
    CodeImage->installEventFilter(new TListingMouseFilter(this));
    ComLabel->installEventFilter(new TDoubleClickFilter(
        [this] {
            if (ComLabel->isEnabled())
                Port1Click();
        },
        ComLabel));
}
