// Address splitting on arbitrary bytes: never crashes, a path always starts
// with "/", and the host never carries a "/" or upper-case ASCII letters.
#include "fetch/url_parts.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const Text address(reinterpret_cast<const char*>(data), size);
    const Text host = UrlHost(address);
    const Text withPort = UrlHost(address, kUrlKeepPort);
    const Text path = UrlPath(address);
    (void)UrlPort(address);
    if (path.empty() || path[0] != '/') std::abort();
    if (host.find('/') != Text::npos || withPort.find('/') != Text::npos) std::abort();
    if (host.find(':') != Text::npos) std::abort();
    for (char c : host)
        if (c >= 'A' && c <= 'Z') std::abort();
    return 0;
}
