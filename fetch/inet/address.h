// Checking and writing the parts of an address for libcurl.
#pragma once

#include <string>

namespace kinet {

// A byte below 0x20 or 0x7F: such a byte would split a request line.
bool HasControlByte(const std::string& text);
// A host that can stand between "://" and ":port" in an address.
bool IsUsableHost(const std::string& host);
// The path with spaces and bytes of 0x80 and above percent-encoded.
std::string EncodePath(const std::string& path);
// The proxy address for a request of the given scheme ("http" or "https")
// from an access list of "scheme=host:port" or "host:port" entries, as
// "http://host:port"; empty when the list names none. An entry for the
// scheme wins, then one without a scheme, then the first entry, so a
// proxied session never goes around its proxy.
std::string ProxyFor(const std::string& list, const std::string& scheme);

}  // namespace kinet
