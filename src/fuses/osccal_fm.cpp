#include "fuses/osccal_fm.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

TOscCalFm::TOscCalFm(QWidget* parent) : QDialog(parent) {
    setObjectName("OscCalFm");
    setWindowTitle("OSCAL");
    setFixedSize(276, 149);
    Panel1 = new QWidget(this);
    Panel1->setObjectName("Panel1");
    Panel1->setGeometry(0, 0, 276, 149);
    auto* caption = new QLabel("OSCAL Value", Panel1);
    caption->setGeometry(16, 16, 90, 22);
    RetlwLab = new QLabel("0C", Panel1);
    RetlwLab->setObjectName("RetlwLab");
    RetlwLab->setGeometry(116, 16, 24, 22);
    RetlwLab->setStyleSheet("QLabel { color: red; font-weight: bold; }");
    OscEdit = new QLineEdit("FF", Panel1);
    OscEdit->setObjectName("OscEdit");
    OscEdit->setAccessibleName("OSCAL value");
    OscEdit->setMaxLength(2);
    OscEdit->setGeometry(144, 14, 40, 24);
    BandGapLabel = new QLabel("Bandgap", Panel1);
    BandGapLabel->setObjectName("BandGapLabel");
    BandGapLabel->setGeometry(16, 50, 90, 22);
    BGedit = new QLineEdit("11", Panel1);
    BGedit->setObjectName("BGedit");
    BGedit->setAccessibleName("Bandgap value");
    BGedit->setMaxLength(2);
    BGedit->setGeometry(144, 48, 40, 24);
    auto* ok = new QPushButton("OK", Panel1);
    ok->setObjectName("OKButt");
    ok->setGeometry(8, 100, 80, 32);
    auto* cancel = new QPushButton("Cancel", Panel1);
    cancel->setObjectName("CancelButt");
    cancel->setGeometry(96, 100, 80, 32);
    ReadButt = new QPushButton("&Read", Panel1);
    ReadButt->setObjectName("ReadButt");
    ReadButt->setToolTip("Read chip");
    ReadButt->setGeometry(184, 100, 80, 32);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}
