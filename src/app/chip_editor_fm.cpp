#include "app/chip_editor_fm.h"

#include "platform/dialogs.h"
#include "platform/translate.h"
#include "platform/translator_qt.h"

#include <QAction>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMenuBar>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {
constexpr const char* kSaveQuestion = N_("Chip list has changed.\r\rSave changes?");
constexpr int kRowHeight = 24;
constexpr int kNameColumn = 0;
constexpr int kFlagColumn = 1;

QTableWidgetItem* Cell(const QString& text, Qt::ItemFlags flags) {
    auto* item = new QTableWidgetItem(text);
    item->setFlags(flags);
    return item;
}
} // namespace

TEditFm::TEditFm(Dialogs& dialogs, QWidget* parent) : QDialog(parent), dialogs_(dialogs) {
    setObjectName("EditFm");
    setWindowTitle(Tr("Chip Editor"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMaximizeButtonHint |
                   Qt::WindowCloseButtonHint);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* bar = new QMenuBar(this);
    bar->setObjectName("MainMenu1");
    File1 = bar->addAction(Tr("&Close"));
    File1->setObjectName("File1");
    Help1 = bar->addAction(Tr("&Help"));
    Help1->setObjectName("Help1");
    layout->setMenuBar(bar);
    // The sizes are the grid's, below the menu bar, which the layout gives the
    // height it asks for at the window's width (with Windows's style a pixel
    // below it more than its size hint).
    const int barHeight = bar->heightForWidth(309);
    resize(309, 252 + barHeight);
    setMinimumSize(300, 200 + barHeight);

    ChipGrid = new QTableWidget(0, 2, this);
    ChipGrid->setObjectName("ChipGrid");
    ChipGrid->setAccessibleName(Tr("Chip list"));
    ChipGrid->setAccessibleDescription(
        Tr("Double-click, Space or Enter switches a chip on or off"));
    ChipGrid->setHorizontalHeaderLabels({Tr("Chip"), Tr("Included")});
    ChipGrid->setColumnWidth(kNameColumn, 224);
    ChipGrid->setColumnWidth(kFlagColumn, 66);
    ChipGrid->horizontalHeader()->setHighlightSections(false);
    ChipGrid->verticalHeader()->setMinimumSectionSize(kRowHeight);
    ChipGrid->verticalHeader()->setDefaultSectionSize(kRowHeight);
    ChipGrid->verticalHeader()->hide();
    ChipGrid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    ChipGrid->setShowGrid(true);
    ChipGrid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    ChipGrid->setSelectionMode(QAbstractItemView::SingleSelection);
    ChipGrid->setSelectionBehavior(QAbstractItemView::SelectRows);
    ChipGrid->installEventFilter(this);
    layout->addWidget(ChipGrid);

    connect(File1, &QAction::triggered, this, &TEditFm::File1Click);
    // A mouse press selects even the row that is already current, so every
    // double-click switches the row it lands on.
    connect(ChipGrid, &QTableWidget::cellPressed, this,
            [this](int row, int column) { ChipGridSelectCell(column, row); });
    connect(ChipGrid, &QTableWidget::currentCellChanged, this,
            [this](int row, int column, int, int) { ChipGridSelectCell(column, row); });
    connect(ChipGrid, &QTableWidget::cellDoubleClicked, this, [this] { ChipGridDblClick(); });
}

void TEditFm::FormShow() {
    FillChipGrid();
    SelectedRow = -1;
}

void TEditFm::FillChipGrid() {
    ChipRows = ::FillChipGrid(ChipFileLines.lines);
    ChipGrid->clearContents();
    ChipGrid->setRowCount(static_cast<int>(ChipRows.size()));
    const Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    for (int r = 0; r < ChipGrid->rowCount(); ++r) {
        const ChipListRow& row = ChipRows[static_cast<std::size_t>(r)];
        ChipGrid->setItem(r, kNameColumn, Cell(QString::fromLatin1(row.Name), flags));
        auto* flag = Cell(QString(QChar(row.Included)), flags);
        flag->setTextAlignment(Qt::AlignCenter);
        ChipGrid->setItem(r, kFlagColumn, flag);
    }
    ChipGrid->setCurrentCell(-1, -1);
}

void TEditFm::ChipGridSelectCell(int, int row) {
    SelectedRow = row;
}

void TEditFm::ChipGridDblClick() {
    if (SelectedRow < 0 || SelectedRow >= static_cast<int>(ChipRows.size()))
        return;
    ChipListRow& row = ChipRows[static_cast<std::size_t>(SelectedRow)];
    row.Included = row.Included == 'Y' ? 'N' : 'Y';
    ChipGrid->item(SelectedRow, kFlagColumn)->setText(QString(QChar(row.Included)));
    SelectedRow = -1;
    Changed = true;
}

void TEditFm::ModifyChipList() {
    ::ModifyChipList(ChipFileLines.lines, ChipRows);
}

void TEditFm::FormCloseQuery() {
    if (!Changed)
        return;
    if (dialogs_.QuestionYesNo(kSaveQuestion) == Dialogs::Answer::Yes)
        ModifyChipList();
    else
        Changed = false;
}

void TEditFm::File1Click() {
    close();
}

void TEditFm::done(int result) {
    // The question is asked once, however many close requests arrive while it is open.
    if (closing_)
        return;
    closing_ = true;
    FormCloseQuery();
    closing_ = false;
    QDialog::done(result);
}

void TEditFm::showEvent(QShowEvent* event) {
    FormShow();
    QDialog::showEvent(event);
}

bool TEditFm::eventFilter(QObject* watched, QEvent* event) {
    if (watched == ChipGrid && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter) {
            ChipGridSelectCell(ChipGrid->currentColumn(), ChipGrid->currentRow());
            ChipGridDblClick();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}
