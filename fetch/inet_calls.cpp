#include "fetch/inet_calls.h"

#include "fetch/inet_binder.h"

// Function-local statics: bound once, at the first call, thread-safely.
#define KESTRIX_BOUND(name) \
    static const auto bound = reinterpret_cast<decltype(&::name)>(BindInetFunction(#name))

namespace inet {

HINTERNET InternetOpenA(LPCSTR agent, DWORD accessType, LPCSTR proxy, LPCSTR proxyBypass,
                        DWORD flags) {
    KESTRIX_BOUND(InternetOpenA);
    return bound(agent, accessType, proxy, proxyBypass, flags);
}

HINTERNET InternetConnectA(HINTERNET session, LPCSTR host, INTERNET_PORT port, LPCSTR user,
                           LPCSTR password, DWORD service, DWORD flags, DWORD_PTR context) {
    KESTRIX_BOUND(InternetConnectA);
    return bound(session, host, port, user, password, service, flags, context);
}

HINTERNET HttpOpenRequestA(HINTERNET connection, LPCSTR verb, LPCSTR path, LPCSTR version,
                           LPCSTR referrer, LPCSTR* acceptTypes, DWORD flags, DWORD_PTR context) {
    KESTRIX_BOUND(HttpOpenRequestA);
    return bound(connection, verb, path, version, referrer, acceptTypes, flags, context);
}

BOOL HttpAddRequestHeadersA(HINTERNET request, LPCSTR headers, DWORD length, DWORD modifiers) {
    KESTRIX_BOUND(HttpAddRequestHeadersA);
    return bound(request, headers, length, modifiers);
}

BOOL HttpSendRequestA(HINTERNET request, LPCSTR headers, DWORD headersLength,
                      const void* optional, DWORD optionalLength) {
    KESTRIX_BOUND(HttpSendRequestA);
    return bound(request, headers, headersLength, optional, optionalLength);
}

BOOL InternetReadFile(HINTERNET request, void* buffer, DWORD toRead, DWORD* read) {
    KESTRIX_BOUND(InternetReadFile);
    return bound(request, buffer, toRead, read);
}

BOOL HttpQueryInfoA(HINTERNET request, DWORD infoLevel, void* buffer, DWORD* length,
                    DWORD* index) {
    KESTRIX_BOUND(HttpQueryInfoA);
    return bound(request, infoLevel, buffer, length, index);
}

BOOL InternetCloseHandle(HINTERNET handle) {
    KESTRIX_BOUND(InternetCloseHandle);
    return bound(handle);
}

BOOL InternetSetCookieA(LPCSTR url, LPCSTR name, LPCSTR data) {
    KESTRIX_BOUND(InternetSetCookieA);
    return bound(url, name, data);
}

BOOL KestrixInetSetAbortCheck(HINTERNET request, KestrixInetAbortCheck check, void* context) {
    KESTRIX_BOUND(KestrixInetSetAbortCheck);
    return bound(request, check, context);
}

void KestrixInetTrustCaFile(LPCSTR pemPath) {
    KESTRIX_BOUND(KestrixInetTrustCaFile);
    bound(pemPath);
}

void KestrixInetSetBodyLimit(uint64_t bytes) {
    KESTRIX_BOUND(KestrixInetSetBodyLimit);
    bound(bytes);
}

void KestrixInetClearCookies() {
    KESTRIX_BOUND(KestrixInetClearCookies);
    bound();
}

}  // namespace inet
