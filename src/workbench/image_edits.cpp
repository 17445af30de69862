// The edits a face makes to the image by name rather than through an editor:
// fuse options and ID digits as the fuse editor would set them, the value a
// blank chip's calibration word is given, and a serial number written into
// the file's image. Each tells the view.
#include "chipdb/chip_text.h"
#include "fuses/fuse_values.h"
#include "fuses/id_text.h"
#include "platform/dialogs.h"
#include "protocol/command_set.h"
#include "workbench/workbench.h"

#include <algorithm>

namespace {
constexpr int kBlankCalibration = 0xFF;

bool SameText(const std::string& a, const std::string& b) {
    return UpperCaseAscii(a) == UpperCaseAscii(b);
}
} // namespace

FuseOptionChoice Workbench::ChooseFuseOptions(const std::vector<FuseOptionPick>& picks) {
    FuseRows rows = fuseRows_;
    for (const FuseOptionPick& pick : picks) {
        FuseOptionChoice failed;
        failed.pick = pick;
        const auto row = std::find_if(rows.begin(), rows.end(), [&](const FuseRow& r) {
            return r.InUse() && SameText(r.label, pick.first);
        });
        if (row == rows.end()) {
            failed.result = FuseOptionChoice::Result::NoFuse;
            for (const FuseRow& r : rows)
                if (r.InUse())
                    failed.choices.push_back(r.label);
            return failed;
        }
        const auto item = std::find_if(row->items.begin(), row->items.end(), [&](const auto& i) {
            return SameText(FuseItemName(i), pick.second);
        });
        if (item == row->items.end()) {
            failed.result = FuseOptionChoice::Result::NoOption;
            failed.row = row->label;
            for (const std::string& i : row->items)
                failed.choices.push_back(FuseItemName(i));
            return failed;
        }
        row->selected = static_cast<int>(item - row->items.begin());
    }
    if (!picks.empty())
        ChooseFuses(rows, CreateFuseValueFromFuseEdits(rows, chip_), image_.IDText);
    return {};
}

IdChoice Workbench::ChooseIdDigits(const std::string& digits) {
    if (!chip_.HasUserId())
        return IdChoice::NoId;
    const int length = chip_.IdTextLength();
    if (static_cast<int>(digits.size()) > length)
        return IdChoice::TooLong;
    image_.IDText = PadIDLeft(digits, length);
    view_.ImageChanged(kImageConfig);
    return IdChoice::Chosen;
}

bool Workbench::CalibrateBlankChips(int value) {
    if (!chip_.CalWord || image_.ROMData.empty())
        return false;
    const auto last = static_cast<std::size_t>(chip_.ROMSize - 1);
    if (image_.ROMData.size() <= last)
        image_.ROMData.resize(last + 1, chip_.WordMask);
    // A value given for one chip is not the next chip's: each starts from the file's.
    onCalibration = [this, last, value,
                     fileWord = image_.ROMData[last]](const std::string& config) {
        image_.ROMData[last] = fileWord;
        if ((CalibrationWordRead(config) & 0xFF) != kBlankCalibration)
            return CalibrationVerdict::Check;
        if (value < 0) {
            Tell(MessageWord::BlankCalibration);
            return CalibrationVerdict::Refuse;
        }
        image_.ROMData[last] = chip_.CalibrationOpcode() | value;
        view_.ImageChanged(kImageData);
        return CalibrationVerdict::Keep;
    };
    return true;
}

void Workbench::HoldImageForSerials() {
    plainImage_ = image_;
}

void Workbench::PlaceSerialNumber(const ImagePatch& number) {
    image_ = plainImage_;
    ApplyPatch(image_, chip_, number);
    view_.ImageChanged(kImageData);
}
