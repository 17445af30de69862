#pragma once

#include <QDialog>
#include <QLineEdit>

#include <functional>

class Dialogs;
class QPushButton;
class QRadioButton;
class QProgressBar;

// The edit field of the port dialog: one character, letters upper-cased, and
// only backspace, Enter and the digits pass; anything else beeps.
class TPortEdit : public QLineEdit {
    Q_OBJECT
public:
    TPortEdit(Dialogs& dialogs, QWidget* parent);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    Dialogs& dialogs_;
};

// "Serial Port Change": asks for the COM port number.
class TPortFm : public QDialog {
    Q_OBJECT
public:
    TPortFm(Dialogs& dialogs, QWidget* parent = nullptr);
    TPortEdit* PortEdit = nullptr;
    QPushButton* BitBtn1 = nullptr; // OK
    QPushButton* BitBtn2 = nullptr; // Cancel
    void BitBtn1Click();
    void FormActivate();

protected:
    void showEvent(QShowEvent* event) override;

private:
    Dialogs& dialogs_;
};

// "Erase": the Blank command's choice between checking and erasing.
class TEraseFm : public QDialog {
    Q_OBJECT
public:
    explicit TEraseFm(QWidget* parent = nullptr);
    QRadioButton* EraseCheck = nullptr;
    QRadioButton* EraseChip = nullptr;
};

// The small always-on-top window with Program and Verify alone.
class TFlyForm : public QWidget {
    Q_OBJECT
public:
    TFlyForm(std::function<void()> program, std::function<void()> verify,
             std::function<void()> closed);
    QPushButton* ProgButt = nullptr;
    QPushButton* VerfButt = nullptr;
    QProgressBar* ProgressBar = nullptr;
    bool Activated = false; // made top-most since it was last shown

    // Keeps the Program and Verify buttons enabled exactly when the main
    // window's `program` and `verify` buttons are.
    void FollowEnabled(QWidget* program, QWidget* verify);

    void ProgButtClick();
    void VerfButtClick();
    void FormCreate();
    void FormActivate();
    void FormClose();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void SyncEnabled();
    std::function<void()> program_, verify_, closed_;
    QWidget* mainProgram_ = nullptr;
    QWidget* mainVerify_ = nullptr;
};
