#include "fuses/calibration.h"

#include "chipdb/hex_text.h"
#include "platform/translate.h"

namespace {
constexpr const char* kInvalidOscal = N_("Invalid OSCAL value");
constexpr const char* kInvalidBandGap = N_("Invalid BandGap value");
constexpr int kBandGapHigh = 0x2000; // bit 13 of kBandGapBits
constexpr int kBandGapLow = 0x1000;  // bit 12
} // namespace

std::string BandGapText(int configWord1) {
    return std::string(1, configWord1 & kBandGapHigh ? '1' : '0') +
           (configWord1 & kBandGapLow ? '1' : '0');
}

std::optional<std::size_t> CalibrationWordIndex(const ChipRecord& chip, const MemoryImage& image) {
    if (chip.ROMSize < 1 || static_cast<std::size_t>(chip.ROMSize) > image.ROMData.size())
        return std::nullopt;
    return static_cast<std::size_t>(chip.ROMSize - 1);
}

CalibrationTexts CalibrationValuesFromImage(const ChipRecord& chip, const MemoryImage& image) {
    CalibrationTexts v;
    if (chip.CalWord) {
        if (auto at = CalibrationWordIndex(chip, image))
            v.OscText = HexOfValue(image.ROMData[*at], 2);
        v.RetlwText = HexOfValue(chip.CalibrationOpcode() >> 8, 2);
    }
    if (chip.BandGap)
        v.BGText = BandGapText(image.FuseValue[1]);
    v.BandGapVisible = chip.BandGap;
    return v;
}

bool WriteCalibrationValues(const ChipRecord& chip, MemoryImage& image, const std::string& osc,
                            const std::string& bg) {
    const int value = osc.size() == 2 ? VerifyHEX(osc) : -1;
    const auto at = CalibrationWordIndex(chip, image);
    if (value < 0 || !at)
        return false;
    image.ROMData[*at] = chip.CalibrationOpcode() + value;
    if (chip.BandGap) {
        int word = image.FuseValue[1] & 0x0FFF;
        if (bg.size() > 0 && bg[0] == '1')
            word |= kBandGapHigh;
        if (bg.size() > 1 && bg[1] == '1')
            word |= kBandGapLow;
        image.FuseValue[1] = word;
    }
    return true;
}

OscalOkCheck CheckOscalOk(const std::string& osc, const std::string& bg,
                          const std::string& oscAtActivation, const std::string& bgAtActivation) {
    if (osc.size() != 2)
        return {kInvalidOscal, false};
    if (bg.size() != 2)
        return {kInvalidBandGap, false};
    return {nullptr, osc != oscAtActivation || bg != bgAtActivation};
}

char BandGapKeyFilter(char key) {
    if (key == '\b' || key == '\r' || key == '0' || key == '1')
        return key;
    return '\0';
}
