#pragma once

#include "chipdb/chip_list_edit.h"
#include "platform/text_file.h"

#include <QDialog>

#include <vector>

class Dialogs;
class QAction;
class QTableWidget;

// "Chip Editor": which chips of the chip file the selector offers. A
// double-click (or Space or Enter) on a chip switches its flag; closing offers
// to save, and Changed then tells the Edit Chip List command to write the file.
class TEditFm : public QDialog {
    Q_OBJECT
public:
    explicit TEditFm(Dialogs& dialogs, QWidget* parent = nullptr);

    QTableWidget* ChipGrid = nullptr;
    QAction* File1 = nullptr; // "&Close"
    QAction* Help1 = nullptr; // "&Help": nothing behind it
    TextLines ChipFileLines;  // the file as read, line ends kept
    std::vector<ChipListRow> ChipRows;
    int SelectedRow = -1; // grid row of the last selected cell, -1 for none
    bool Changed = false;

    void FormShow();
    void FillChipGrid();
    void ChipGridSelectCell(int column, int row);
    void ChipGridDblClick();
    void ModifyChipList();
    void FormCloseQuery();
    void File1Click();

    // Every way of closing (Exit, the close box, Escape) ends here.
    void done(int result) override;

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    Dialogs& dialogs_;
    bool closing_ = false;
};
