#include "link/port_discovery.h"
#include "platform/translate.h"

std::string DeviceDescription(const SerialDevice& d) {
    if (!d.usb)
        return Arg(N_("built-in port (%1)"), d.driver.empty() ? std::string("serial") : d.driver);
    std::string name = d.manufacturer;
    if (!d.product.empty())
        name += (name.empty() ? "" : " ") + d.product;
    if (name.empty())
        name = N_("USB serial device");
    if (d.serialNumber.empty())
        return Arg(N_("%1 (%2:%3)"), name, d.vendorId, d.productId);
    return Arg(N_("%1 (%2:%3, serial %4)"), name, d.vendorId, d.productId, d.serialNumber);
}

std::string AccessAdvice(const SerialDevice& d) {
    if (!d.present)
        return Arg(N_("%1 is not there."), d.path);
    if (d.canOpen)
        return {};
    if (d.inGroupAtLogin && !d.inGroup)
        return Arg(N_("You may not open %1: it belongs to the group %2.\rYour account was "
                      "added to that group after you logged in: log out and in again."),
                   d.path, d.group);
    return Arg(N_("You may not open %1: it belongs to the group %2.\rTo fix it run: sudo adduser "
                  "$USER %2\rthen log out and in again."),
               d.path, d.group);
}

std::string LatencyAdvice(const SerialDevice& d) {
    if (d.latencyMs <= kLatencyWanted)
        return {};
    return HowToLowerLatency(d);
}

namespace {
// The four hex digits after `key` ("VID_"), in lower case as Linux shows
// them; empty when there are none.
std::string HexAfter(const std::string& text, const std::string& key) {
    const std::size_t at = text.find(key);
    if (at == std::string::npos)
        return {};
    std::string digits = text.substr(at + key.size(), 4);
    if (digits.size() != 4 ||
        digits.find_first_not_of("0123456789abcdefABCDEF") != std::string::npos)
        return {};
    for (char& c : digits)
        c = static_cast<char>(c >= 'A' && c <= 'F' ? c + ('a' - 'A') : c);
    return digits;
}
} // namespace

bool UsbIdsFromInstance(const std::string& instance, SerialDevice& d) {
    const std::size_t first = instance.find('\\');
    if (first == std::string::npos)
        return false;
    const std::string bus = instance.substr(0, first);
    const std::size_t second = instance.find('\\', first + 1);
    const std::string ids = instance.substr(first + 1, second - first - 1);
    const std::string vendor = HexAfter(ids, "VID_");
    const std::string product = HexAfter(ids, "PID_");
    if ((bus != "USB" && bus != "FTDIBUS") || vendor.empty() || product.empty())
        return false;
    d.usb = true;
    d.vendorId = vendor;
    d.productId = product;
    if (bus == "FTDIBUS")
        d.serialNumber = ids.substr(ids.rfind('+') + 1);
    else if (second != std::string::npos && instance.find('&', second) == std::string::npos)
        d.serialNumber = instance.substr(second + 1);
    return true;
}
