#pragma once

#include <QDialog>

#include <string>
#include <vector>

class QTableWidget;

// "Chip Editor": which chips of the chip file the selector offers.
class TEditFm : public QDialog {
    Q_OBJECT
public:
    explicit TEditFm(QWidget* parent = nullptr);
    QTableWidget* ChipGrid = nullptr;
    std::vector<std::string> ChipFileLines;
    bool Changed = false;
};
