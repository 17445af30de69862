#include "app/fuse_edit_fm.h"

#include "app/digit_validator_qt.h"
#include "fuses/fuse_values.h"
#include "fuses/id_text.h"
#include "platform/translator_qt.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

constexpr int ClientWidth = 604;
constexpr int ClientHeight = 384;
constexpr int LeftLabelX = 18;
constexpr int LeftBoxX = 166;
constexpr int RightLabelX = 298;
constexpr int RightBoxX = 446;
constexpr int LabelWidth = 144;
constexpr int BoxWidth = 130;
constexpr int BoxHeight = 21;
constexpr int FirstLineTop = 6;
constexpr int LineStep = 23;
constexpr int IDTop = 356;
constexpr int IDEditWidth = 80;
constexpr int ButtonTop = 354;
constexpr int ButtonWidth = 75;
constexpr int ButtonHeight = 25;
constexpr int ButtonGap = 6;

QString FromText(const std::string& text) {
    return QString::fromLatin1(text);
}

std::string ToText(const QString& text) {
    return text.toLatin1().toStdString();
}

size_t Index(int n) {
    return static_cast<size_t>(n);
}

} // namespace

TFuseEditFM::TFuseEditFM(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint) {
    setObjectName("FuseEditFM");
    setWindowTitle(Tr("FUSE Edit"));
    setFixedSize(ClientWidth, ClientHeight);
    CreateRows();
    CreateIDAndButtons();
    ResetFuseEdits();
}

void TFuseEditFM::CreateRows() {
    for (int n = 1; n <= RowCount; ++n) {
        const bool left = n % 2 == 1;
        const int top = FirstLineTop + LineStep * ((n - 1) / 2);
        auto* label = new QLabel(this);
        label->setObjectName(QString("CBLabel%1").arg(n));
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        label->setGeometry(left ? LeftLabelX : RightLabelX, top, LabelWidth, BoxHeight);
        label->setProperty("tag", n);
        auto* box = new QComboBox(this);
        box->setObjectName(QString("CB%1").arg(n));
        box->setGeometry(left ? LeftBoxX : RightBoxX, top, BoxWidth, BoxHeight);
        box->setProperty("tag", n);
        label->setBuddy(box);
        if (n > 1)
            setTabOrder(CB[Index(n - 1)], box);
        CBLabel[Index(n)] = label;
        CB[Index(n)] = box;
    }
}

void TFuseEditFM::CreateIDAndButtons() {
    IDLabel = new QLabel(Tr("ID"), this);
    IDLabel->setObjectName("IDLabel");
    IDLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    IDLabel->setGeometry(LeftLabelX, IDTop, LabelWidth, BoxHeight);
    IDedit = new QLineEdit(this);
    IDedit->setObjectName("IDedit");
    IDedit->setGeometry(LeftBoxX, IDTop, IDEditWidth, BoxHeight);
    IDedit->setValidator(new TDigitValidator(kHexDigits, IDedit));
    IDedit->setMaxLength(4);
    IDedit->installEventFilter(this);
    IDLabel->setBuddy(IDedit);

    const int cancelX = RightBoxX + BoxWidth - ButtonWidth;
    const int okX = cancelX - ButtonGap - ButtonWidth;
    const int defX = okX - ButtonGap - ButtonWidth;
    DefButt = new QPushButton(Tr("Default"), this);
    DefButt->setObjectName("DefButt");
    DefButt->setAutoDefault(false);
    DefButt->setGeometry(defX, ButtonTop, ButtonWidth, ButtonHeight);
    OKButt = new QPushButton(Tr("OK"), this);
    OKButt->setObjectName("OKButt");
    OKButt->setDefault(true);
    OKButt->setGeometry(okX, ButtonTop, ButtonWidth, ButtonHeight);
    CancelButt = new QPushButton(Tr("Cancel"), this);
    CancelButt->setObjectName("CancelButt");
    CancelButt->setAutoDefault(false);
    CancelButt->setGeometry(cancelX, ButtonTop, ButtonWidth, ButtonHeight);
    setTabOrder(CB[RowCount], IDedit);
    setTabOrder(IDedit, DefButt);
    setTabOrder(DefButt, OKButt);
    setTabOrder(OKButt, CancelButt);

    connect(DefButt, &QPushButton::clicked, this, &TFuseEditFM::DefButtClick);
    connect(OKButt, &QPushButton::clicked, this, &QDialog::accept);
    connect(CancelButt, &QPushButton::clicked, this, &QDialog::reject);
}

void TFuseEditFM::ResetFuseEdits() {
    for (int n = 1; n <= RowCount; ++n) {
        CB[Index(n)]->clear();
        CB[Index(n)]->hide();
        CBLabel[Index(n)]->clear();
        CBLabel[Index(n)]->hide();
    }
    IDLabel->hide();
    IDedit->hide();
}

void TFuseEditFM::LoadFuseRows(const FuseRows& rows) {
    ResetFuseEdits();
    for (int n = 1; n <= RowCount; ++n) {
        const FuseRow& row = rows[Index(n)];
        if (!row.InUse())
            continue;
        QComboBox* box = CB[Index(n)];
        // The box shows option names; the full item text rides along as data.
        for (const auto& item : row.items)
            box->addItem(FromText(FuseItemName(item)), FromText(item));
        box->setCurrentIndex(row.selected < static_cast<int>(row.items.size()) ? row.selected : -1);
        CBLabel[Index(n)]->setText(FromText(row.label));
        CBLabel[Index(n)]->show();
        box->show();
    }
}

void TFuseEditFM::SelectFirstOptions() {
    for (int n = 1; n <= RowCount; ++n)
        if (CB[Index(n)]->count() > 0)
            CB[Index(n)]->setCurrentIndex(0);
}

FuseRows TFuseEditFM::ReadFuseRows() const {
    FuseRows rows;
    for (int n = 1; n <= RowCount; ++n) {
        const QComboBox* box = CB[Index(n)];
        FuseRow& row = rows[Index(n)];
        row.label = ToText(CBLabel[Index(n)]->text());
        for (int i = 0; i < box->count(); ++i)
            row.items.push_back(ToText(box->itemData(i).toString()));
        row.selected = box->currentIndex();
    }
    return rows;
}

void TFuseEditFM::ApplySelections(const FuseRows& rows) {
    for (int n = 1; n <= RowCount; ++n) {
        QComboBox* box = CB[Index(n)];
        const int selected = rows[Index(n)].selected;
        if (selected >= -1 && selected < box->count())
            box->setCurrentIndex(selected);
    }
}

std::string TFuseEditFM::IDText() const {
    return ToText(IDedit->text());
}

void TFuseEditFM::SetIDText(const std::string& text) {
    IDedit->setText(FromText(text));
}

bool TFuseEditFM::RunModal() {
    return exec() == QDialog::Accepted;
}

int TFuseEditFM::IDMaxLength() const {
    return IDedit->maxLength();
}

void TFuseEditFM::SetIDMaxLength(int maxLength) {
    IDedit->setMaxLength(maxLength);
}

void TFuseEditFM::SetIDVisible(bool visible) {
    IDLabel->setVisible(visible);
    IDedit->setVisible(visible);
}

void TFuseEditFM::DefButtClick() {
    SelectFirstOptions();
    IDedit->setText(FromText(BlankIDText(IDedit->maxLength())));
}

void TFuseEditFM::FormActivate() {
    IDedit->setText(FromText(PadIDRight(IDText(), IDedit->maxLength())));
}

void TFuseEditFM::FormClose() {
    IDedit->setText(FromText(PadIDLeft(IDText(), IDedit->maxLength())));
}

void TFuseEditFM::showEvent(QShowEvent* event) {
    FormActivate();
    QDialog::showEvent(event);
}

void TFuseEditFM::done(int result) {
    FormClose();
    QDialog::done(result);
}

bool TFuseEditFM::eventFilter(QObject* watched, QEvent* event) {
    if (watched == IDedit && event->type() == QEvent::KeyPress)
        return IDeditKeyPress(static_cast<QKeyEvent*>(event));
    return QDialog::eventFilter(watched, event);
}

bool TFuseEditFM::IDeditKeyPress(QKeyEvent* event) {
    return FilterKey(IDedit, event, ::IDKeyFilter);
}
