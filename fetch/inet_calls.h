// The internet layer's calls as the program makes them: each is bound by
// name at its first call and the address is remembered (fetch/inet_binder.h).
#pragma once

#include "fetch/inet/inet.h"

namespace inet {

HINTERNET InternetOpenA(LPCSTR agent, DWORD accessType, LPCSTR proxy, LPCSTR proxyBypass,
                        DWORD flags);
HINTERNET InternetConnectA(HINTERNET session, LPCSTR host, INTERNET_PORT port, LPCSTR user,
                           LPCSTR password, DWORD service, DWORD flags, DWORD_PTR context);
HINTERNET HttpOpenRequestA(HINTERNET connection, LPCSTR verb, LPCSTR path, LPCSTR version,
                           LPCSTR referrer, LPCSTR* acceptTypes, DWORD flags, DWORD_PTR context);
BOOL HttpAddRequestHeadersA(HINTERNET request, LPCSTR headers, DWORD length, DWORD modifiers);
BOOL HttpSendRequestA(HINTERNET request, LPCSTR headers, DWORD headersLength,
                      const void* optional, DWORD optionalLength);
BOOL InternetReadFile(HINTERNET request, void* buffer, DWORD toRead, DWORD* read);
BOOL HttpQueryInfoA(HINTERNET request, DWORD infoLevel, void* buffer, DWORD* length,
                    DWORD* index);
BOOL InternetCloseHandle(HINTERNET handle);
BOOL InternetSetCookieA(LPCSTR url, LPCSTR name, LPCSTR data);

BOOL KestrixInetSetAbortCheck(HINTERNET request, KestrixInetAbortCheck check, void* context);
void KestrixInetTrustCaFile(LPCSTR pemPath);
void KestrixInetSetBodyLimit(uint64_t bytes);
void KestrixInetClearCookies();

}  // namespace inet
