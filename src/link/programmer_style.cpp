#include "link/programmer_style.h"

namespace {
constexpr ProgrammerStyleInfo kStyles[StyleCount] = {
    {0, "Alder", "AlderItem", "Alder", 0, "Kitwerk Alder", 0, false, false, "alderugd.hex"},
    {1, "Birch_A", "BirchAItem", "Birch_A", 1, "Kitwerk Birch-A", 1, true, false, "birchaugd.hex"},
    {2, "Birch_B", "BirchBItem", "Birch_B", 2, "Kitwerk Birch-B", 1, true, false, "birchbugd.hex"},
    {3, "Cedar", "CedarItem", "Cedar", 3, "Kitwerk Cedar", 0, true, false, "cedarugd.hex"},
    {4, "Elm", "ElmItem", "Elm", 'L', "Tessaro", 0, false, true, "elmupgde.hex"},
};
} // namespace

const ProgrammerStyleInfo& StyleInfo(int style) {
    if (style >= 0 && style < 4)
        return kStyles[style];
    return kStyles[4];
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
