#include "store/store_text.h"

#include <charconv>

StoreAnswer ParseSerial(const std::string& text, std::uint64_t& value) {
    const char* last = text.data() + text.size();
    const auto [end, ec] = std::from_chars(text.data(), last, value);
    if (!text.empty() && ec == std::errc() && end == last)
        return {};
    return StoreAnswer::Bad(StoreAnswer::Kind::Input,
                            Arg(N_("the serial store gave %1, not a serial number of 64 bits"),
                                text.empty() ? std::string("nothing") : text));
}

std::string NumbersShort(bool list, const std::string& name, std::uint64_t left,
                         std::uint64_t wanted) {
    if (left == 1)
        return list ? Arg(N_("the serial list %1 has 1 number left, not %2"), name, wanted)
                    : Arg(N_("the serial series %1 has 1 number left, not %2"), name, wanted);
    return list ? Arg(N_("the serial list %1 has %2 numbers left, not %3"), name, left, wanted)
                : Arg(N_("the serial series %1 has %2 numbers left, not %3"), name, left, wanted);
}
