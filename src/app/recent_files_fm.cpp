// File > Recent Files: the HEX files last loaded or saved, with their chips.
#include "app/proj_fm.h"
#include "fuses/fuse_messages.h"
#include "platform/text_file.h"
#include "platform/translate.h"

#include <QAction>
#include <QComboBox>
#include <QFileInfo>
#include <QMenu>

#include <filesystem>
#include <system_error>

namespace {
constexpr const char* kRecentFileGone =
    N_("The file %1 is no longer there.\rIt has been taken off the Recent Files list.");

// "&1 blink.hex [16F628A]": the number to choose it by, the file's name (an '&'
// in it shown as such) and its chip.
QString RecentFileCaption(std::size_t index, const RecentFile& file) {
    QString name = QFileInfo(QString::fromStdString(file.path)).fileName();
    name.replace('&', "&&");
    QString caption = QString("&%1 %2").arg(index + 1).arg(name);
    if (!file.chip.empty())
        caption += QString(" [%1]").arg(QString::fromStdString(file.chip));
    return caption;
}
} // namespace

void TProjFm::ReadRecentFiles() {
    RecentFiles.clear();
    if (std::optional<std::string> contents = ReadWholeFile(RecentFilesPath(Places)))
        RecentFiles = ParseRecentFiles(SplitLines(*contents));
    FillRecentFilesMenu();
}

std::string TProjFm::WriteRecentFiles() {
    return WriteUserFile(RecentFilesPath(Places), JoinLinesCRLF(FormatRecentFiles(RecentFiles)));
}

void TProjFm::RememberFile(const std::string& fileName) {
    std::error_code ec;
    std::filesystem::path path = std::filesystem::absolute(fileName, ec);
    const std::string chip = ChipSelected() ? ChipSelect->currentText().toStdString() : "";
    ::RememberRecentFile(RecentFiles, {(ec ? fileName : path.lexically_normal().string()), chip});
    FillRecentFilesMenu();
}

void TProjFm::FillRecentFilesMenu() {
    RecentFiles1->clear();
    for (std::size_t i = 0; i < RecentFiles.size(); ++i) {
        QAction* item = RecentFiles1->addAction(RecentFileCaption(i, RecentFiles[i]));
        item->setToolTip(QString::fromStdString(RecentFiles[i].path));
        connect(item, &QAction::triggered, this, [this, i] { RecentFileClick(i); });
    }
    RecentFiles1->setEnabled(!RecentFiles.empty());
}

// The file's chip is chosen when the list has it (not in user mode, whose image
// is no chip's), then the file loads as Load does after its dialog.
void TProjFm::RecentFileClick(std::size_t index) {
    if (index >= RecentFiles.size())
        return;
    const RecentFile file = RecentFiles[index];
    std::error_code ec;
    if (!std::filesystem::is_regular_file(file.path, ec)) {
        ForgetRecentFile(RecentFiles, file.path);
        FillRecentFilesMenu();
        dialogs().Error(Arg(kRecentFileGone, file.path));
        return;
    }
    const int chip = User1->isChecked() ? -1 : FindChipCBText(file.chip);
    if (chip < 0 && !ChipSelected()) {
        dialogs().Information(SelectChipText);
        return;
    }
    if (!FileSaveQuery(true))
        return;
    if (chip >= 0 && chip != ChipSelect->currentIndex())
        ChooseChip(chip);
    DoLoadProcedure(false, false, file.path);
}
