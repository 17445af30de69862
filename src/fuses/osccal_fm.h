#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

// "OSCAL": the chip's oscillator calibration and bandgap values.
class TOscCalFm : public QDialog {
    Q_OBJECT
public:
    explicit TOscCalFm(QWidget* parent = nullptr);
    QWidget* Panel1 = nullptr;
    QLabel* RetlwLab = nullptr;
    QLineEdit* OscEdit = nullptr;
    QLabel* BandGapLabel = nullptr;
    QLineEdit* BGedit = nullptr;
    QPushButton* ReadButt = nullptr;
};
