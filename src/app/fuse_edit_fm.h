#pragma once

#include "chipdb/fuse_rows.h"
#include "fuses/fuse_chooser.h"

#include <QDialog>

#include <array>
#include <string>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

// The fuse editor "FUSE Edit": one row per fuse list of the selected chip (a
// label and a drop-down of its options) and the chip's ID digits. It lives for
// the whole run and keeps its rows from one opening to the next; the chip
// selection resets and refills them.
class TFuseEditFM : public QDialog, public FuseChooser {
    Q_OBJECT

public:
    static constexpr int RowCount = 30;

    explicit TFuseEditFM(QWidget* parent = nullptr);

    // Empties and hides every row and hides the ID.
    void ResetFuseEdits();
    // Resets (the ID row is hidden too), then labels and fills the rows in use
    // and shows them, selecting each row's given option (-1: none).
    void LoadFuseRows(const FuseRows& rows);
    // Selects the first option of every row in use.
    void SelectFirstOptions();

    FuseRows ReadFuseRows() const override;
    void ApplySelections(const FuseRows& rows) override;
    std::string IDText() const override;
    void SetIDText(const std::string& text) override;
    bool RunModal() override;

    int IDMaxLength() const;
    void SetIDMaxLength(int maxLength);
    // The ID row is shown only for chips whose ID the user may edit.
    void SetIDVisible(bool visible);

    void DefButtClick();

    // The fuse editor pads the ID when shown (right) and when closed (left),
    // whichever button closed it.
    void done(int result) override;

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CreateRows();
    void CreateIDAndButtons();
    void FormActivate();
    void FormClose();
    bool IDeditKeyPress(QKeyEvent* event);

    std::array<QLabel*, RowCount + 1> CBLabel{};
    std::array<QComboBox*, RowCount + 1> CB{};
    QLabel* IDLabel = nullptr;
    QLineEdit* IDedit = nullptr;
    QPushButton* DefButt = nullptr;
    QPushButton* OKButt = nullptr;
    QPushButton* CancelButt = nullptr;
};
