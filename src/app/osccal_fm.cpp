#include "app/osccal_fm.h"

#include "app/digit_validator_qt.h"
#include "app/messages.h"
#include "fuses/calibration.h"
#include "fuses/id_text.h"
#include "platform/dialogs.h"
#include "platform/translate.h"
#include "platform/translator_qt.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {
constexpr const char* kInsertQuestion =
    N_("You are about to insert the calibration data into the HEX file.\r\rContinue?");

QLabel* AddLabel(QWidget* parent, const char* name, const char* text, QRect where) {
    auto* label = new QLabel(Tr(text), parent);
    label->setObjectName(name);
    label->setGeometry(where);
    return label;
}

QLineEdit* AddEdit(QWidget* parent, const char* name, const char* text, const QString& allowed,
                   QRect where) {
    auto* edit = new QLineEdit(text, parent);
    edit->setObjectName(name);
    edit->setMaxLength(2);
    edit->setValidator(new TDigitValidator(allowed, edit));
    edit->setGeometry(where);
    return edit;
}

} // namespace

TOscCalFm::TOscCalFm(Dialogs& dialogs, std::function<void()> readCalibration, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint),
      dialogs_(dialogs), readCalibration_(std::move(readCalibration)) {
    setObjectName("OscCalFm");
    setWindowTitle(Tr("OSCAL"));
    setFixedSize(276, 149);
    Panel1 = new QWidget(this);
    Panel1->setObjectName("Panel1");
    Panel1->setGeometry(0, 0, 276, 149);
    OscalLabel = AddLabel(Panel1, "OscalLabel", N_("OSCAL Value"), QRect(20, 20, 100, 24));
    RetlwLab = AddLabel(Panel1, "RetlwLab", "0C", QRect(132, 20, 24, 24));
    RetlwLab->setStyleSheet("QLabel { color: red; font-weight: bold; }");
    RetlwLab->setAccessibleDescription(Tr("Calibration instruction"));
    OscEdit = AddEdit(Panel1, "OscEdit", "FF", kHexDigits, QRect(160, 20, 40, 24));
    OscEdit->setAccessibleDescription(Tr("Two hex digits"));
    OscalLabel->setBuddy(OscEdit);
    BandGapLabel = AddLabel(Panel1, "BandGapLabel", N_("Bandgap"), QRect(20, 56, 100, 24));
    BGedit = AddEdit(Panel1, "BGedit", "11", "01", QRect(160, 56, 40, 24));
    BGedit->setAccessibleDescription(Tr("Bits 13 and 12, 1 or 0 each"));
    BandGapLabel->setBuddy(BGedit);
    OscEdit->installEventFilter(this);
    BGedit->installEventFilter(this);
    CreateButtons();
}

void TOscCalFm::CreateButtons() {
    OKbutt = new QPushButton(Tr("OK"), Panel1);
    OKbutt->setObjectName("OKbutt");
    OKbutt->setDefault(true);
    OKbutt->setGeometry(12, 104, 80, 30);
    CancelButt = new QPushButton(Tr("Cancel"), Panel1);
    CancelButt->setObjectName("CancelButt");
    CancelButt->setAutoDefault(false);
    CancelButt->setGeometry(98, 104, 80, 30);
    ReadButt = new QPushButton(Tr("&Read"), Panel1);
    ReadButt->setObjectName("ReadButt");
    ReadButt->setToolTip(Tr(kReadChipHint));
    ReadButt->setAutoDefault(false);
    ReadButt->setGeometry(184, 104, 80, 30);
    ReadButt->setEnabled(static_cast<bool>(readCalibration_));
    setTabOrder(OscEdit, BGedit);
    setTabOrder(BGedit, OKbutt);
    setTabOrder(OKbutt, CancelButt);
    setTabOrder(CancelButt, ReadButt);
    connect(OKbutt, &QPushButton::clicked, this, &TOscCalFm::OKbuttClick);
    connect(CancelButt, &QPushButton::clicked, this, &QDialog::reject);
    connect(ReadButt, &QPushButton::clicked, this, &TOscCalFm::ReadButtClick);
}

std::string TOscCalFm::OscText() const {
    return OscEdit->text().toStdString();
}

std::string TOscCalFm::BGText() const {
    return BGedit->text().toStdString();
}

void TOscCalFm::FormActivate() {
    oscAtActivation_ = OscEdit->text();
    bgAtActivation_ = BGedit->text();
}

void TOscCalFm::OKbuttClick() {
    const OscalOkCheck check = CheckOscalOk(OscText(), BGText(), oscAtActivation_.toStdString(),
                                            bgAtActivation_.toStdString());
    if (check.error) {
        dialogs_.Error(check.error);
        return;
    }
    if (check.ask && dialogs_.QuestionYesNo(kInsertQuestion) == Dialogs::Answer::No) {
        reject();
        return;
    }
    accept();
}

void TOscCalFm::ReadButtClick() {
    if (!readCalibration_)
        return;
    // Nothing in the dialog may change while the board is read; the end of the
    // read enables the panel again.
    Panel1->setEnabled(false);
    readCalibration_();
}

bool TOscCalFm::OscEditKeyPress(QKeyEvent* event) {
    return FilterKey(OscEdit, event, ::IDKeyFilter);
}

bool TOscCalFm::BGeditKeyPress(QKeyEvent* event) {
    return FilterKey(BGedit, event, ::BandGapKeyFilter);
}

void TOscCalFm::showEvent(QShowEvent* event) {
    // A dialog shown afresh never starts with the panel a past read left disabled.
    Panel1->setEnabled(true);
    FormActivate();
    OscEdit->setFocus();
    OscEdit->selectAll();
    QDialog::showEvent(event);
}

bool TOscCalFm::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (watched == OscEdit)
            return OscEditKeyPress(key);
        if (watched == BGedit)
            return BGeditKeyPress(key);
    }
    return QDialog::eventFilter(watched, event);
}
