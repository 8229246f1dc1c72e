#include "fetch/inet/cookie_store.h"

#include <cstdlib>
#include <ctime>
#include <string>
#include <vector>

#include "fetch/inet/address.h"
#include "fetch/inet/curl_handles.h"
#include "fetch/inet/inet.h"

namespace kinet {

Easy NewEasy() {
    static std::once_flag once;
    // libcurl's global state stays until the process ends: an abandoned
    // exchange may still be using it when the program leaves.
    std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
    Easy easy(curl_easy_init());
    if (easy) curl_easy_setopt(easy.get(), CURLOPT_NOSIGNAL, 1L);
    return easy;
}

bool Append(HeaderList& list, const char* line) {
    curl_slist* grown = curl_slist_append(list.get(), line);
    if (!grown) return false;
    list.release();
    list.reset(grown);
    return true;
}

CookieStore::CookieStore() : share_(curl_share_init()) {
    if (!share_) return;
    curl_share_setopt(share_, CURLSHOPT_LOCKFUNC, &CookieStore::Lock);
    curl_share_setopt(share_, CURLSHOPT_UNLOCKFUNC, &CookieStore::Unlock);
    curl_share_setopt(share_, CURLSHOPT_USERDATA, this);
    // Cookies only: connections must not move between concurrent threads.
    curl_share_setopt(share_, CURLSHOPT_SHARE, CURL_LOCK_DATA_COOKIE);
}

CookieStore::~CookieStore() {
    if (share_) curl_share_cleanup(share_);
}

void CookieStore::Lock(CURL*, curl_lock_data data, curl_lock_access, void* store) {
    static_cast<CookieStore*>(store)->locks_[data].lock();
}

void CookieStore::Unlock(CURL*, curl_lock_data data, void* store) {
    static_cast<CookieStore*>(store)->locks_[data].unlock();
}

std::shared_ptr<CookieStore> TheCookieStore() {
    static const std::shared_ptr<CookieStore> store = std::make_shared<CookieStore>();
    return store;
}

namespace {

struct CookieOrigin {
    bool secure = false;
    std::string host;
};

std::string Lower(std::string text) {
    for (char& c : text) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return text;
}

std::string Trim(const std::string& text) {
    const size_t begin = text.find_first_not_of(' ');
    if (begin == std::string::npos) return std::string();
    return text.substr(begin, text.find_last_not_of(' ') - begin + 1);
}

bool ParseOrigin(const std::string& url, CookieOrigin& origin) {
    const std::string lower = Lower(url);
    size_t begin;
    if (lower.rfind("http://", 0) == 0) {
        begin = 7;
    } else if (lower.rfind("https://", 0) == 0) {
        begin = 8;
        origin.secure = true;
    } else {
        return false;
    }
    const size_t end = lower.find_first_of(":/", begin);
    origin.host = lower.substr(begin, end == std::string::npos ? std::string::npos : end - begin);
    return IsUsableHost(origin.host);
}

bool IsUsableName(const std::string& name) {
    return !name.empty() && !HasControlByte(name) && name.find_first_of(" ;=") == std::string::npos;
}

struct Cookie {
    std::string domain;
    bool subdomains = false;
    std::string path = "/";
    bool secure = false;
    long long expires = 0;  // 0: ends with the process
    std::string value;
};

bool ApplyAttribute(const std::string& attribute, const CookieOrigin& origin, Cookie& cookie,
                    bool& maxAgeSeen) {
    const size_t eq = attribute.find('=');
    const std::string key = Lower(Trim(attribute.substr(0, eq)));
    const std::string value = eq == std::string::npos ? std::string() : Trim(attribute.substr(eq + 1));
    if (key == "secure") {
        cookie.secure = true;
        return origin.secure;  // a secure cookie must come from a secure origin
    }
    if (key == "path" && !value.empty() && value[0] == '/') {
        cookie.path = value;
    } else if (key == "domain" && !value.empty()) {
        std::string domain = Lower(value[0] == '.' ? value.substr(1) : value);
        if (domain == origin.host) return true;
        const size_t tail = origin.host.size() - std::min(origin.host.size(), domain.size());
        if (domain.empty() || origin.host.size() <= domain.size() ||
            origin.host.compare(tail, std::string::npos, domain) != 0 || origin.host[tail - 1] != '.')
            return false;
        cookie.domain = domain;
        cookie.subdomains = true;
    } else if (key == "max-age") {
        maxAgeSeen = true;
        const long long seconds = std::atoll(value.c_str());
        cookie.expires = seconds <= 0 ? 1 : static_cast<long long>(std::time(nullptr)) + seconds;
    } else if (key == "expires" && !maxAgeSeen) {
        const time_t when = curl_getdate(value.c_str(), nullptr);
        if (when != -1) cookie.expires = when <= 0 ? 1 : when;
    }
    return true;
}

bool ParseCookie(const std::string& data, const CookieOrigin& origin, Cookie& cookie) {
    if (HasControlByte(data)) return false;
    cookie.domain = origin.host;
    size_t begin = 0;
    bool first = true;
    bool maxAgeSeen = false;
    while (begin <= data.size()) {
        size_t end = data.find(';', begin);
        if (end == std::string::npos) end = data.size();
        const std::string part = data.substr(begin, end - begin);
        if (first) {
            cookie.value = Trim(part);
            first = false;
        } else if (!Trim(part).empty() && !ApplyAttribute(part, origin, cookie, maxAgeSeen)) {
            return false;
        }
        begin = end + 1;
    }
    return true;
}

// One line of the cookie file format libcurl reads.
std::string CookieFileLine(const std::string& name, const Cookie& cookie) {
    const char* const tab = "\t";
    return cookie.domain + tab + (cookie.subdomains ? "TRUE" : "FALSE") + tab + cookie.path + tab +
           (cookie.secure ? "TRUE" : "FALSE") + tab + std::to_string(cookie.expires) + tab + name +
           tab + cookie.value;
}

bool StoreLine(const char* line) {
    const std::shared_ptr<CookieStore> store = TheCookieStore();
    Easy easy = NewEasy();
    if (!store->share() || !easy) return false;
    curl_easy_setopt(easy.get(), CURLOPT_SHARE, store->share());
    return curl_easy_setopt(easy.get(), CURLOPT_COOKIELIST, line) == CURLE_OK;
}

}  // namespace

}  // namespace kinet

using namespace kinet;

extern "C" BOOL InternetSetCookieA(LPCSTR url, LPCSTR name, LPCSTR data) {
    CookieOrigin origin;
    Cookie cookie;
    if (!url || !name || !data || !ParseOrigin(url, origin) || !IsUsableName(name) ||
        !ParseCookie(data, origin, cookie))
        return 0;
    return StoreLine(CookieFileLine(name, cookie).c_str()) ? 1 : 0;
}

extern "C" void KestrixInetClearCookies(void) { StoreLine("ALL"); }
