#pragma once

#include "chipdb/chip_record.h"
#include "image/memory_image.h"

#include <optional>
#include <string>

// The chip's factory calibration as the memory image holds it: the OSCAL value
// is the operand of the instruction in the last program word, the bandgap
// value bits 13 and 12 of configuration word 1. Programming a new image would
// lose both, so the user copies them in before programming.

// The bandgap calibration bits of configuration word 1, on chips that have them.
inline constexpr int kBandGapBits = 0x3000;

// The bandgap bits of configuration word 1 (bits 13 and 12) as the dialog and
// the results show them: "1" or "0" each, bit 13 first.
std::string BandGapText(int configWord1);

// What the OSCAL dialog shows for the image.
struct CalibrationTexts {
    std::string OscText = "FF"; // low byte of the calibration word, 2 hex digits
    std::string BGText = "11";  // bandgap bits 13 and 12, "1"/"0" each
    // High byte of the calibration instruction; empty for a chip without one,
    // whose dialog keeps what it showed.
    std::string RetlwText;
    bool BandGapVisible = false;
};

// Index of the calibration word (the last program word), or nothing when the
// image does not reach it.
std::optional<std::size_t> CalibrationWordIndex(const ChipRecord& chip, const MemoryImage& image);

CalibrationTexts CalibrationValuesFromImage(const ChipRecord& chip, const MemoryImage& image);

// Writes the dialog's texts into the image: the calibration word and, for a
// chip with bandgap bits, configuration word 1. False, and nothing written,
// when the image has no calibration word or the OSCAL text is not 2 hex digits.
bool WriteCalibrationValues(const ChipRecord& chip, MemoryImage& image, const std::string& osc,
                            const std::string& bg);

// The dialog's OK: an error text when a value is refused (the dialog stays
// open), otherwise whether to ask before the values go into the image. Texts
// that did not change since the dialog was shown need no question.
struct OscalOkCheck {
    const char* error = nullptr;
    bool ask = false;
};
OscalOkCheck CheckOscalOk(const std::string& osc, const std::string& bg,
                          const std::string& oscAtActivation, const std::string& bgAtActivation);

// Key filter of the bandgap box: backspace, Enter, "0" and "1" pass; anything
// else comes back as '\0' and is dropped. The OSCAL box takes hex digits by the
// ID box's rule (IDKeyFilter).
char BandGapKeyFilter(char key);
