// What the faces show of the memory image: read here, so that no face holds
// the image itself.
#include "disasm/disasm_listing.h"
#include "image/chip_checksum.h"
#include "image/code_listing.h"
#include "image/image_crc.h"
#include "platform/current_dir.h"
#include "workbench/workbench.h"

std::string Workbench::FileFolder() const {
    return FolderOf(image_.HexFileName);
}

std::vector<std::string> Workbench::Listing(bool disassembly) const {
    return disassembly ? CreateDisassemblyCodeData(image_, chip_)
                       : CreateCodeData(image_, chip_.WordMask);
}

CalibrationTexts Workbench::CalibrationToEdit() const {
    return CalibrationValuesFromImage(chip_, image_);
}

std::optional<int> Workbench::Checksum() const {
    return ChipSelected() ? ChipChecksum(chip_, image_) : std::nullopt;
}

std::string Workbench::ImageCrc32() const {
    return ImageChecksum(image_, chip_, image_.IDText);
}
