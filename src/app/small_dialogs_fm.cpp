#include "app/small_dialogs_fm.h"

#include "app/messages.h"
#include "platform/dialogs.h"
#include "platform/translate.h"
#include "platform/translator_qt.h"

#include <QAccessibleWidget>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>

namespace {
constexpr const char* kInvalidPortValue = N_("Invalid port value");

// Screen readers take the fly window for a window of its own, not a panel.
QAccessibleInterface* FlyFormAccessible(const QString& className, QObject* object) {
    if (className == QLatin1String("TFlyForm"))
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Window);
    return nullptr;
}

// A fixed dialog: a title and a close box, nothing to resize or maximize.
constexpr Qt::WindowFlags kFixedDialog =
    Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;

QPushButton* DialogButton(QWidget* parent, const char* name, const char* caption, QRect where) {
    auto* b = new QPushButton(Tr(caption), parent);
    b->setObjectName(name);
    b->setAccessibleName(Tr(caption).remove('&'));
    b->setGeometry(where);
    return b;
}
} // namespace

TPortEdit::TPortEdit(Dialogs& dialogs, QWidget* parent) : QLineEdit(parent), dialogs_(dialogs) {
    setMaxLength(1);
}

void TPortEdit::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    if (key == Qt::Key_Backspace || key == Qt::Key_Return || key == Qt::Key_Enter) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    const QString text = event->text().toUpper();
    if (text.size() == 1 && text[0] >= '0' && text[0] <= '9') {
        QKeyEvent upper(event->type(), key, event->modifiers(), text);
        QLineEdit::keyPressEvent(&upper);
        return;
    }
    // Navigation, Delete and Escape carry no printable character: they are left
    // to the field (Escape then reaches the dialog, which closes as Cancel).
    const bool printable = !text.isEmpty() && text[0] >= ' ' && text[0] != QChar(0x7F);
    if (!printable) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    dialogs_.Beep();
}

TPortFm::TPortFm(Dialogs& dialogs, QWidget* parent)
    : QDialog(parent, kFixedDialog), dialogs_(dialogs) {
    setObjectName("PortFm");
    setWindowTitle(Tr("Serial Port Change"));
    setFixedSize(200, 100);
    auto* prompt = new QLabel(Tr("Enter Port Value"), this);
    prompt->setObjectName("PortLabel");
    prompt->setGeometry(16, 16, 110, 22);
    PortEdit = new TPortEdit(dialogs, this);
    PortEdit->setObjectName("PortEdit");
    PortEdit->setAccessibleDescription(Tr("COM port number, 1 to 9"));
    PortEdit->setGeometry(136, 14, 40, 24);
    prompt->setBuddy(PortEdit);
    BitBtn1 = DialogButton(this, "BitBtn1", N_("OK"), QRect(16, 58, 80, 30));
    BitBtn2 = DialogButton(this, "BitBtn2", N_("Cancel"), QRect(104, 58, 80, 30));
    BitBtn1->setDefault(true);
    connect(BitBtn1, &QPushButton::clicked, this, &TPortFm::BitBtn1Click);
    connect(BitBtn2, &QPushButton::clicked, this, &QDialog::reject);
}

void TPortFm::BitBtn1Click() {
    if (PortEdit->text().isEmpty()) {
        dialogs_.Error(kInvalidPortValue);
        return;
    }
    accept();
}

void TPortFm::FormActivate() {
    PortEdit->setFocus();
}

void TPortFm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    FormActivate();
}

TEraseFm::TEraseFm(QWidget* parent) : QDialog(parent, kFixedDialog) {
    setObjectName("EraseFm");
    setWindowTitle(Tr("Erase"));
    setFixedSize(200, 120);
    EraseCheck = new QRadioButton(Tr("Erase Check"), this);
    EraseCheck->setObjectName("EraseCheck");
    EraseCheck->setGeometry(24, 12, 160, 22);
    EraseCheck->setChecked(true);
    EraseChip = new QRadioButton(Tr("Erase Chip"), this);
    EraseChip->setObjectName("EraseChip");
    EraseChip->setGeometry(24, 40, 160, 22);
    auto* ok = DialogButton(this, "OKButt", N_("OK"), QRect(16, 78, 80, 30));
    auto* cancel = DialogButton(this, "CancelButt", N_("Cancel"), QRect(104, 78, 80, 30));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

TFlyForm::TFlyForm(std::function<void()> program, std::function<void()> verify,
                   std::function<void()> closed)
    : QWidget(nullptr,
              Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      program_(std::move(program)), verify_(std::move(verify)), closed_(std::move(closed)) {
    setObjectName("FlyForm");
    static const bool accessibleAsWindow = (QAccessible::installFactory(FlyFormAccessible), true);
    (void)accessibleAsWindow;
    setFixedSize(160, 38);
    ProgButt = DialogButton(this, "FlyProgButt", N_("&Program"), QRect(2, 2, 76, 28));
    ProgButt->setToolTip(Tr(kProgramChipHint));
    VerfButt = DialogButton(this, "FlyVerfButt", N_("&Verify"), QRect(82, 2, 76, 28));
    VerfButt->setToolTip(Tr(kVerifyChipHint));
    ProgressBar = new QProgressBar(this);
    ProgressBar->setObjectName("FlyProgressBar");
    ProgressBar->setAccessibleName(Tr("Progress"));
    ProgressBar->setRange(0, 100);
    ProgressBar->setTextVisible(false);
    ProgressBar->setGeometry(2, 32, 156, 5);
    connect(ProgButt, &QPushButton::clicked, this, &TFlyForm::ProgButtClick);
    connect(VerfButt, &QPushButton::clicked, this, &TFlyForm::VerfButtClick);
    FormCreate();
}

void TFlyForm::FollowEnabled(QWidget* program, QWidget* verify) {
    mainProgram_ = program;
    mainVerify_ = verify;
    program->installEventFilter(this);
    verify->installEventFilter(this);
    SyncEnabled();
}

void TFlyForm::SyncEnabled() {
    ProgButt->setEnabled(mainProgram_->isEnabled());
    VerfButt->setEnabled(mainVerify_->isEnabled());
}

// A button's enabled state also changes with its panel's; both arrive here.
bool TFlyForm::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::EnabledChange &&
        (watched == mainProgram_ || watched == mainVerify_))
        SyncEnabled();
    return QWidget::eventFilter(watched, event);
}

void TFlyForm::ProgButtClick() {
    program_();
}
void TFlyForm::VerfButtClick() {
    verify_();
}
void TFlyForm::FormCreate() {
    Activated = false;
}

void TFlyForm::FormActivate() {
    if (Activated)
        return;
    Activated = true;
    // Stay above other windows without moving, resizing or taking focus.
    setWindowFlag(Qt::WindowStaysOnTopHint, true);
    setAttribute(Qt::WA_ShowWithoutActivating, true);
    show();
}

void TFlyForm::FormClose() {
    Activated = false;
    setWindowFlag(Qt::WindowStaysOnTopHint, false);
    closed_();
}

void TFlyForm::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    FormActivate();
}

void TFlyForm::closeEvent(QCloseEvent* event) {
    QWidget::closeEvent(event);
    FormClose();
}
