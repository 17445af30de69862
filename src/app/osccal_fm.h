#pragma once

#include <QDialog>
#include <QString>

#include <functional>
#include <string>

class Dialogs;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

// "OSCAL": the chip's oscillator calibration and bandgap values. The main
// window fills it from the memory image and writes it back on OK; its Read
// button asks the main window to read the values from the chip, and the read
// fills OscEdit and BGedit when it completes.
class TOscCalFm : public QDialog {
    Q_OBJECT
public:
    // `readCalibration` starts the calibration read; without one the Read
    // button stays disabled.
    TOscCalFm(Dialogs& dialogs, std::function<void()> readCalibration, QWidget* parent = nullptr);

    QWidget* Panel1 = nullptr;
    QLabel* OscalLabel = nullptr;
    QLabel* RetlwLab = nullptr;
    QLineEdit* OscEdit = nullptr;
    QLabel* BandGapLabel = nullptr;
    QLineEdit* BGedit = nullptr;
    QPushButton* OKbutt = nullptr;
    QPushButton* CancelButt = nullptr;
    QPushButton* ReadButt = nullptr;

    std::string OscText() const;
    std::string BGText() const;

    void FormActivate();
    void OKbuttClick();
    void ReadButtClick();
    bool OscEditKeyPress(QKeyEvent* event);
    bool BGeditKeyPress(QKeyEvent* event);

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CreateButtons();

    Dialogs& dialogs_;
    std::function<void()> readCalibration_;
    QString oscAtActivation_;
    QString bgAtActivation_;
};
