#include "fetch/inet/address.h"

#include <vector>

namespace kinet {

bool HasControlByte(const std::string& text) {
    for (unsigned char c : text) {
        if (c < 0x20 || c == 0x7F) return true;
    }
    return false;
}

bool IsUsableHost(const std::string& host) {
    if (host.empty() || HasControlByte(host)) return false;
    return host.find_first_of(" /?#@\\") == std::string::npos;
}

std::string EncodePath(const std::string& path) {
    static const char digits[] = "0123456789ABCDEF";
    std::string out;
    for (unsigned char c : path) {
        if (c == ' ' || c >= 0x80) {
            out += '%';
            out += digits[c >> 4];
            out += digits[c & 0xF];
        } else {
            out += static_cast<char>(c);
        }
    }
    return out;
}

namespace {

std::vector<std::string> ProxyEntries(const std::string& list) {
    std::vector<std::string> entries;
    std::string entry;
    for (char c : list + " ") {
        if (c == ' ' || c == ';') {
            if (!entry.empty()) entries.push_back(entry);
            entry.clear();
        } else {
            entry += c;
        }
    }
    return entries;
}

std::string ProxyAddress(const std::string& server) {
    if (server.rfind("http://", 0) == 0) return server;
    return "http://" + server;
}

}  // namespace

std::string ProxyFor(const std::string& list, const std::string& scheme) {
    const std::vector<std::string> entries = ProxyEntries(list);
    std::string generic;
    for (const std::string& entry : entries) {
        const size_t eq = entry.find('=');
        if (eq == std::string::npos) {
            if (generic.empty()) generic = entry;
        } else if (entry.compare(0, eq, scheme) == 0 && eq + 1 < entry.size()) {
            return ProxyAddress(entry.substr(eq + 1));
        }
    }
    if (!generic.empty()) return ProxyAddress(generic);
    if (entries.empty()) return std::string();
    const size_t eq = entries.front().find('=');
    const std::string server = eq == std::string::npos ? entries.front() : entries.front().substr(eq + 1);
    return server.empty() ? std::string() : ProxyAddress(server);
}

}  // namespace kinet
