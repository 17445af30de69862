#include "chipdb/chip_editor_fm.h"

#include <QHeaderView>
#include <QMenuBar>
#include <QTableWidget>
#include <QVBoxLayout>

TEditFm::TEditFm(QWidget* parent) : QDialog(parent) {
    setObjectName("EditFm");
    setWindowTitle("Chip Editor");
    resize(309, 252);
    setMinimumSize(300, 200);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* bar = new QMenuBar(this);
    QAction* exit = bar->addAction("E&xit");
    exit->setObjectName("Exit1");
    bar->addAction("&Help")->setObjectName("Help1");
    layout->setMenuBar(bar);
    ChipGrid = new QTableWidget(0, 2, this);
    ChipGrid->setObjectName("ChipGrid");
    ChipGrid->setAccessibleName("Chips");
    ChipGrid->setHorizontalHeaderLabels({"Chip", "Included"});
    ChipGrid->setColumnWidth(0, 224);
    ChipGrid->setColumnWidth(1, 66);
    ChipGrid->verticalHeader()->setDefaultSectionSize(24);
    ChipGrid->verticalHeader()->hide();
    ChipGrid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    layout->addWidget(ChipGrid);
    connect(exit, &QAction::triggered, this, &QDialog::close);
}
