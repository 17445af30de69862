#include "app/proj_fm.h"

#include "app/assign_ports_fm.h"
#include "app/chip_editor_fm.h"
#include "app/fuse_edit_fm.h"
#include "app/osccal_fm.h"
#include "app/port_return_fm.h"
#include "app/small_dialogs_fm.h"
#include "chipdb/socket_picture_qt.h"
#include "link/serial.h"
#include "link/serial_dispatch_qt.h"
#include "platform/help_viewer_qt.h"
#include "ui/image_canvas.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

TProjFm::TProjFm(TProjFmEnv env, QWidget* parent) : QMainWindow(parent), Env(std::move(env)) {
    setObjectName("ProjFm");
    Places = FilePlacesOf(Env.programDir);
    if (!Env.sleep)
        Env.sleep = RealSleeper();
    if (!Env.sound)
        Env.sound = MakeRealSound(Env.programDir + "click.wav");
    if (!Env.help)
        Env.help = MakeQtHelpViewer();
    CreateSerial();
    Engine =
        std::make_unique<ProgrammerEngine>(EngineHosts{*Line, *this, *this, *this}, Chip, Image);
    CreateControls();
    WireHandlers();
    FormCreate();
    CreateWindows();
    adjustSize();
    setFixedSize(sizeHint());
}

void TProjFm::CreateSerial() {
    Serial1 = MakeBoardPort(Env.dialogs, nullptr, PortFolders(Places),
                            [this](TSerial&) { Serial1RxData(); });
    Serial1->ServeOnOwnerThread();
    Line = std::make_unique<SerialLine>(*Serial1);
    SerialServer = std::make_unique<QtSerialServer>(*Serial1);
    PortReturn = std::make_unique<TPortReturn>(*this);
    Serial1->SetOnError([this](TSerial& serial) { PortReturn->PortFailed(serial.ErrorCode()); });
}

TProjFm::~TProjFm() {
    // The port closes (dropping DTR and RTS) before the handlers it calls go away.
    SerialServer.reset();
    Serial1.reset();
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

void TProjFm::FormCreate() {
    EnsureProgramResources();
    setWindowIcon(QIcon(":/Proj"));
    // An empty socket, not a black square, behind the start-up's first boxes.
    DrawBlankSocket();
    ProgramDir = Env.programDir;
    Image.HexFileName = ProgramDir;
    ChipData.clear();
    Image.ROMData.clear();
    Image.EEPROMData.clear();
    CodeLines.clear();
    Image.DataChanged = false;
    Image.MergeLoad = false;
    Image.HexFileDate = 0;
    StartupPending = true;
    // The listing is drawn into its own buffer, so it never flickers.
    Timer1->start();
}

void TProjFm::SetCaption(const std::string& suffix) {
    setWindowTitle(QString::fromStdString(ModelCaption + suffix));
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
