#include "fetch/url_parts.h"

namespace {

struct Scheme {
    Pos at = -1;      // 1-based position of the scheme text, -1 for none
    bool https = false;
};

// The earlier of the two schemes wins, so an https address whose query
// carries an http address keeps its own host.
Scheme FindScheme(const Text& address) {
    const Pos plain = Find(address, "http://");
    const Pos secure = Find(address, "https://");
    if (secure != -1 && (plain == -1 || secure < plain)) return {secure, true};
    return {plain, false};
}

}  // namespace

Pos UrlHostStart(const Text& address) {
    const Scheme scheme = FindScheme(address);
    if (scheme.at == -1) return 1;
    return scheme.at + (scheme.https ? 8 : 7);
}

bool UrlIsHttps(const Text& address) { return FindScheme(address).https; }

Text UrlHost(const Text& address, int flags) {
    const Pos begin = UrlHostStart(address);
    const Pos slash = Find(address, "/", begin);
    Text host = slash == -1 ? Mid(address, begin, static_cast<Pos>(address.size()))
                            : Mid(address, begin, slash - begin);
    if (!(flags & kUrlKeepPort)) {
        const Pos colon = Find(host, ":");
        if (colon != -1) host = Left(host, colon - 1);
    }
    return ToLowerAscii(host);
}

Text UrlPath(const Text& address) {
    // Look for the host from where it begins, never earlier: a one-letter
    // host that is also a letter of the scheme must not be found there.
    const Pos begin = UrlHostStart(address);
    Pos at = FindNoCase(address, UrlHost(address), begin);
    if (at == -1) at = begin;
    const Pos slash = Find(address, "/", at);
    if (slash == -1) return "/";
    return Mid(address, slash, static_cast<Pos>(address.size()));
}

int UrlPort(const Text& address) {
    const Text host = UrlHost(address, kUrlKeepPort);
    const Pos colon = Find(host, ":");
    if (colon == -1) return UrlIsHttps(address) ? 443 : 80;
    return LeadingNumber(Mid(host, colon + 1, static_cast<Pos>(host.size())));
}
