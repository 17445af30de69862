#include "link/programmer_style.h"

namespace {
constexpr ProgrammerStyleInfo kStyles[StyleCount] = {
    {kAlderStyle, "Alder", "AlderItem", "Alder", 0, "Kitwerk Alder", 0, false, false,
     "alderugd.hex"},
    {kBirchAStyle, "Birch_A", "BirchAItem", "Birch_A", 1, "Kitwerk Birch-A", 1, true, false,
     "birchaugd.hex"},
    {kBirchBStyle, "Birch_B", "BirchBItem", "Birch_B", 2, "Kitwerk Birch-B", 1, true, false,
     "birchbugd.hex"},
    {kCedarStyle, "Cedar", "CedarItem", "Cedar", 3, "Kitwerk Cedar", 0, true, false,
     "cedarugd.hex"},
    {kElmStyle, "Elm", "ElmItem", "Elm", 'L', "Tessaro", 0, false, true, "elmupgde.hex"},
};
} // namespace

const ProgrammerStyleInfo& StyleInfo(int style) {
    if (style >= kAlderStyle && style < kElmStyle)
        return kStyles[style];
    return kStyles[kElmStyle];
}

int StyleFromGreeting(char model) {
    for (const auto& s : kStyles)
        if (s.greetingModel == model)
            return s.style;
    return -1;
}

std::string ModelCaptionFor(int style) {
    return std::string(StyleInfo(style).caption) + " " + VersionText;
}
