#include "chipdb/chip_identify.h"

#include "chipdb/chip_extract.h"
#include "chipdb/chip_list.h"

std::string ChipWithDeviceId(const std::vector<std::string>& chipData, const ChipRecord& selected,
                             int deviceId) {
    if (deviceId == kNoDeviceId || !selected.HasProgramMemory())
        return {};
    const std::size_t chips = ExtractChipNames(chipData).size();
    for (std::size_t position = 0; position < chips; ++position) {
        ChipInfoResult info = ExtractChipInfo(chipData, static_cast<int>(position));
        if (!info.ok)
            continue;
        DeriveSelectionFields(info.record);
        const ChipRecord& chip = info.record;
        if (chip.ChipID == deviceId && chip.WordMask == selected.WordMask &&
            chip.ChipName != selected.ChipName)
            return chip.ChipName;
    }
    return {};
}
