// Feeds arbitrary bytes to the chip file loader as a chip configuration file
// and reads the record of every chip it offers.
#include "chipdb/chip_extract.h"
#include "chipdb/chip_list.h"
#include "platform/text_file.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    for (int style : {0, 1}) {
        ChipFileLoadResult loaded = LoadChipFile(SplitLines(bytes), style);
        if (!loaded.Loaded())
            continue;
        for (size_t i = 0; i < loaded.ChipNames.size(); ++i) {
            ChipInfoResult info = ExtractChipInfo(loaded.ChipData, static_cast<int>(i));
            if (info.ok)
                DeriveSelectionFields(info.record);
        }
    }
    return 0;
}
