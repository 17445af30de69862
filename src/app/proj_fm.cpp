#include "app/proj_fm.h"

#include "app/assign_ports_fm.h"
#include "app/chip_editor_fm.h"
#include "app/fuse_edit_fm.h"
#include "app/osccal_fm.h"
#include "app/port_return_fm.h"
#include "app/small_dialogs_fm.h"
#include "link/serial.h"
#include "link/serial_dispatch_qt.h"
#include "platform/help_viewer_qt.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

TProjFm::TProjFm(TProjFmEnv env, QWidget* parent) : QMainWindow(parent), Env(std::move(env)) {
    setObjectName("ProjFm");
    if (!Env.sleep)
        Env.sleep = RealSleeper();
    if (!Env.sound)
        Env.sound = MakeRealSound(Env.programDir + "click.wav");
    if (!Env.help)
        Env.help = MakeQtHelpViewer();
    CreateControls();
    // The window is drawn before every pause of the board's (a reset's second):
    // nothing else draws it while the pause holds the event loop.
    Sleeper pause = [this, sleep = Env.sleep](int ms) {
        repaint();
        sleep(ms);
    };
    Ticker& ticker = *this;
    Bench_ =
        std::make_unique<Workbench>(*this, ticker, std::move(pause), FilePlacesOf(Env.programDir));
    CreateSerial();
    ShowCommands();
    WireMenus();
    WireButtons();
    FormCreate();
    CreateWindows();
    adjustSize();
    setFixedSize(sizeHint());
}

void TProjFm::CreateSerial() {
    TSerial& port = Bench_->Port();
    port.SetOnRxData([this](TSerial&) { Serial1RxData(); });
    SerialServer = std::make_unique<QtSerialServer>(port);
    PortReturn = new TPortReturn(
        *Bench_, [this](bool live) { ComLabel->setEnabled(live); }, this);
    port.SetOnError([this](TSerial& serial) { PortReturn->PortFailed(serial.ErrorCode()); });
}

TProjFm::~TProjFm() {
    // The port closes (dropping DTR and RTS) before the handlers it calls go away.
    SerialServer.reset();
    Bench_->Port().SetOnError(nullptr);
    Bench_.reset();
    // The windows without a parent are the program's; they go with the main window.
    delete FlyForm;
}

void TProjFm::CreateWindows() {
    PortFm = new TPortFm(dialogs(), this);
    AssignPortsFm = new TAssignPortsFm(this);
    EraseFm = new TEraseFm(this);
    FlyForm =
        new TFlyForm([this] { ProgButtClick(); }, [this] { VerfButtClick(); }, [this] { show(); });
    // The fly window's buttons are the main window's: they are enabled exactly
    // when those are, so an operation under way cannot be started again.
    FlyForm->FollowEnabled(ProgButt, VerfButt);
    FuseEditFM = new TFuseEditFM(this);
    // The dialog's Read asks the engine for the calibration read; the end of
    // the operation enables the dialog's panel again.
    OscCalFm = new TOscCalFm(
        dialogs(), [this] { ReadCalibrationAndBG(); }, this);
    EditFm = new TEditFm(dialogs(), this);
}

void TProjFm::Start(int intervalMs) {
    Timer1->start(intervalMs);
}

void TProjFm::Stop() {
    Timer1->stop();
}

void TProjFm::closeEvent(QCloseEvent* event) {
    if (!FormCloseQuery()) {
        event->ignore();
        return;
    }
    FormClose();
    if (FlyForm)
        FlyForm->hide();
    event->accept();
}
