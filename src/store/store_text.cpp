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
