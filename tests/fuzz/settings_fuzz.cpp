// Feeds arbitrary bytes to the settings reader as pro.dat: what it reads must
// be written back and read again as the same settings.
#include "fuzz_require.h"
#include "platform/settings.h"
#include "platform/text_file.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace {

bool SameSettings(const Settings& a, const Settings& b) {
    return a.port == b.port && a.hexFileName == b.hexFileName && a.chipCount == b.chipCount &&
           a.chipIndex == b.chipIndex && a.chipName == b.chipName &&
           a.adviseNewerFileLoad == b.adviseNewerFileLoad &&
           a.restoreUserMode == b.restoreUserMode && a.programmerStyle == b.programmerStyle &&
           a.fromFile == b.fromFile;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const Settings read = ParseSettings(SplitLines(bytes), "/program/");
    if (!read.fromFile) {
        Require(read.hexFileName == "/program/");
        return 0;
    }
    const std::string written = JoinLinesCRLF(FormatSettings(read));
    Require(SameSettings(ParseSettings(SplitLines(written), "/program/"), read));
    return 0;
}
