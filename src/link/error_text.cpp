#include "link/error_text.h"

#include <cerrno>
#include <map>
#include <system_error>

namespace {

// The codes the back-ends give that a C runtime may not name.
const std::map<int, const char*>& KnownCodes() {
    static const std::map<int, const char*> codes = {
        {ETIMEDOUT, "Connection timed out"},    {ECONNRESET, "Connection reset by peer"},
        {ECONNREFUSED, "Connection refused"},   {EHOSTUNREACH, "No route to host"},
        {ENOTSUP, "Operation not supported"},   {EPROTONOSUPPORT, "Protocol not supported"},
        {ECANCELED, "Operation canceled"},      {ENOTCONN, "Transport endpoint is not connected"},
        {ENOBUFS, "No buffer space available"}, {EADDRNOTAVAIL, "Cannot assign requested address"},
    };
    return codes;
}

} // namespace

std::string PortErrorText(int code) {
    std::string text = std::generic_category().message(code);
    if (text.rfind("Unknown error", 0) == 0) {
        const auto known = KnownCodes().find(code);
        if (known != KnownCodes().end())
            text = known->second;
    }
    while (!text.empty() && (text.back() == ' ' || text.back() == '.'))
        text.pop_back();
    return text;
}
