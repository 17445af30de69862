// File > Recent Files: the HEX files last loaded or saved, with their chips.
#include "app/proj_fm.h"

#include <QAction>
#include <QFileInfo>
#include <QMenu>

namespace {
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

void TProjFm::FillRecentFilesMenu() {
    const std::vector<RecentFile>& files = Bench_->RecentFiles();
    RecentFiles1->clear();
    for (std::size_t i = 0; i < files.size(); ++i) {
        QAction* item = RecentFiles1->addAction(RecentFileCaption(i, files[i]));
        item->setToolTip(QString::fromStdString(files[i].path));
        connect(item, &QAction::triggered, this, [this, i] { RecentFileClick(i); });
    }
    RecentFiles1->setEnabled(!files.empty());
}

void TProjFm::RecentFileClick(std::size_t index) {
    Bench_->OpenRecentFile(index);
}
