#pragma once

#include "link/port_map.h"

#include <QDialog>

#include <string>
#include <vector>

class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;

// "Assign Ports": the serial devices of the machine and the network servers
// ports/ names; the user picks one for COM1..COM9.
class TAssignPortsFm : public QDialog {
    Q_OBJECT
public:
    explicit TAssignPortsFm(QWidget* parent = nullptr);

    // The choices, and for each COM number what it leads to now (empty: nothing).
    void Fill(std::vector<PortChoice> choices, const std::vector<std::string>& comTargets,
              int currentCom);
    // The chosen line, or null when none is.
    const PortChoice* Chosen() const;
    int ChosenCom() const;

    QListWidget* DeviceList = nullptr;
    QComboBox* ComSelect = nullptr;
    QLabel* AdviceLabel = nullptr;
    QPushButton* AssignButt = nullptr;
    QPushButton* CloseButt = nullptr;

private:
    void ShowAdvice();
    std::vector<PortChoice> choices_;
};
