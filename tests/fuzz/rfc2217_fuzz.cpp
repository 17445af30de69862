// Feeds arbitrary bytes from a network serial server to the Telnet reader, in
// pieces the first byte chooses: the data, negotiations and sub-negotiations
// must be the same whatever the split, and sub-negotiations stay bounded.
#include "fuzz_require.h"
#include "link/rfc2217_codec.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1)
        return 0;
    const std::size_t piece = data[0] % 7 + 1;
    ++data;
    --size;
    telnet::Reader whole;
    telnet::Input all;
    whole.Feed(data, size, all);
    telnet::Reader split;
    telnet::Input pieces;
    for (std::size_t at = 0; at < size; at += piece) {
        const std::size_t n = at + piece <= size ? piece : size - at;
        split.Feed(data + at, n, pieces);
    }
    Require(all.data == pieces.data);
    Require(all.negotiations == pieces.negotiations);
    Require(all.subnegotiations == pieces.subnegotiations);
    Require(all.data.size() <= size);
    for (const std::string& sub : all.subnegotiations)
        Require(sub.size() <= telnet::Reader::MaxSubnegotiation + 1);
    // Data written as data comes back as data.
    const std::string escaped = telnet::EscapeIac(all.data);
    telnet::Reader again;
    telnet::Input back;
    again.Feed(reinterpret_cast<const std::uint8_t*>(escaped.data()), escaped.size(), back);
    Require(back.data == all.data && back.negotiations.empty() && back.subnegotiations.empty());
    return 0;
}
