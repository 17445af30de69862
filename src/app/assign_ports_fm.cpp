// File > Assign Ports: the dialog, and the main window's handler that fills
// it and carries out the choice.
#include "app/assign_ports_fm.h"

#include "app/proj_fm.h"
#include "platform/translate.h"
#include "platform/translator_qt.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

namespace {
constexpr const char* kNoDevices = N_("No serial device found. Plug in the programmer board and "
                                      "open this window again.");
} // namespace

TAssignPortsFm::TAssignPortsFm(QWidget* parent) : QDialog(parent) {
    setObjectName("AssignPortsFm");
    setWindowTitle(Tr("Assign Ports"));
    auto* grid = new QGridLayout(this);
    auto* listLabel = new QLabel(Tr("&Devices and network servers:"), this);
    listLabel->setObjectName("DeviceListLabel");
    DeviceList = new QListWidget(this);
    DeviceList->setObjectName("DeviceList");
    DeviceList->setAccessibleName(Tr("Devices and network servers"));
    DeviceList->setMinimumSize(560, 140);
    listLabel->setBuddy(DeviceList);
    AdviceLabel = new QLabel(this);
    AdviceLabel->setObjectName("AdviceLabel");
    AdviceLabel->setAccessibleName(Tr("About the chosen device"));
    AdviceLabel->setWordWrap(true);
    AdviceLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    AdviceLabel->setMinimumHeight(60);
    auto* comLabel = new QLabel(Tr("&Use it as:"), this);
    comLabel->setObjectName("ComSelectLabel");
    ComSelect = new QComboBox(this);
    ComSelect->setObjectName("ComSelect");
    ComSelect->setAccessibleName(Tr("COM number"));
    comLabel->setBuddy(ComSelect);
    AssignButt = new QPushButton(Tr("&Assign"), this);
    AssignButt->setObjectName("AssignButt");
    AssignButt->setAccessibleName(Tr("Assign"));
    AssignButt->setDefault(true);
    CloseButt = new QPushButton(Tr("Close"), this);
    CloseButt->setObjectName("CloseButt");
    CloseButt->setAccessibleName(Tr("Close"));
    grid->addWidget(listLabel, 0, 0, 1, 4);
    grid->addWidget(DeviceList, 1, 0, 1, 4);
    grid->addWidget(AdviceLabel, 2, 0, 1, 4);
    grid->addWidget(comLabel, 3, 0);
    grid->addWidget(ComSelect, 3, 1);
    grid->addWidget(AssignButt, 3, 2);
    grid->addWidget(CloseButt, 3, 3);
    grid->setColumnStretch(1, 1);
    connect(DeviceList, &QListWidget::currentRowChanged, this, [this] { ShowAdvice(); });
    connect(AssignButt, &QPushButton::clicked, this, [this] {
        if (Chosen() != nullptr)
            accept();
    });
    connect(CloseButt, &QPushButton::clicked, this, &QDialog::reject);
}

void TAssignPortsFm::Fill(std::vector<PortChoice> choices,
                          const std::vector<std::string>& comTargets, int currentCom) {
    choices_ = std::move(choices);
    DeviceList->clear();
    for (const PortChoice& c : choices_)
        DeviceList->addItem(TrShown(c.label));
    ComSelect->clear();
    for (int com = 1; com <= kComNumbers; ++com) {
        const std::string& now = comTargets.at(static_cast<size_t>(com - 1));
        ComSelect->addItem(now.empty() ? QString("COM%1").arg(com)
                                       : Tr("COM%1  (now %2)").arg(com).arg(TrShown(now)));
    }
    ComSelect->setCurrentIndex(currentCom >= 1 && currentCom <= kComNumbers ? currentCom - 1 : 0);
    DeviceList->setCurrentRow(choices_.empty() ? -1 : 0);
    AssignButt->setEnabled(!choices_.empty());
    ShowAdvice();
}

const PortChoice* TAssignPortsFm::Chosen() const {
    const int row = DeviceList->currentRow();
    return row >= 0 && row < static_cast<int>(choices_.size()) ? &choices_[static_cast<size_t>(row)]
                                                               : nullptr;
}

int TAssignPortsFm::ChosenCom() const {
    return ComSelect->currentIndex() + 1;
}

void TAssignPortsFm::ShowAdvice() {
    const PortChoice* c = Chosen();
    if (choices_.empty())
        AdviceLabel->setText(Tr(kNoDevices));
    else
        AdviceLabel->setText(c == nullptr ? QString() : TrShown(c->advice).replace('\r', '\n'));
}

void TProjFm::AssignPorts1Click() {
    PortSurvey survey = Bench_->SurveyPorts(Env.systemRoot);
    AssignPortsFm->Fill(std::move(survey.choices), survey.comTargets, Bench_->PortNumber());
    if (AssignPortsFm->exec() != QDialog::Accepted || AssignPortsFm->Chosen() == nullptr)
        return;
    const PortChoice choice = *AssignPortsFm->Chosen();
    if (!Bench_->AssignPort(AssignPortsFm->ChosenCom(), choice.target))
        return;
    if (!choice.advice.empty())
        dialogs().Information(choice.advice);
}
