// The internet layer: a small HTTP client library with the calls, handles
// and constants the exchange is written against, built over libcurl as a
// shared library of its own. The program never links it; it binds each
// function by name when it first needs it (see fetch/inet_calls.h), so the
// same program could load another library with the same calls.
#pragma once

#include <stdint.h>

#if defined(KESTRIX_INET_BUILD)
#define KESTRIX_INET_API __attribute__((visibility("default")))
#else
#define KESTRIX_INET_API
#endif

#ifdef __cplusplus
extern "C" {
#endif

typedef void* HINTERNET;  // an open session, connection or request; 0 is none
typedef int BOOL;
typedef uint32_t DWORD;
typedef uintptr_t DWORD_PTR;
typedef uint16_t INTERNET_PORT;
typedef const char* LPCSTR;

#define INTERNET_OPEN_TYPE_DIRECT 1u
#define INTERNET_OPEN_TYPE_PROXY 3u
#define INTERNET_SERVICE_HTTP 3u

// Request flags.
#define INTERNET_FLAG_NO_COOKIES 0x00080000u  // neither send nor store cookies
#define INTERNET_FLAG_SECURE 0x00800000u      // TLS (https)
#define INTERNET_FLAG_RELOAD 0x80000000u      // send and store cookies

// HttpQueryInfoA levels.
#define HTTP_QUERY_STATUS_CODE 19u
#define HTTP_QUERY_RAW_HEADERS_CRLF 22u

// A header length of this value means "up to the zero byte".
#define INTERNET_TEXT_WITH_ZERO 0xFFFFFFFFu

// Opens a session. proxy is a list of "scheme=host:port" or "host:port"
// entries separated by spaces or ';', used with INTERNET_OPEN_TYPE_PROXY.
KESTRIX_INET_API HINTERNET InternetOpenA(LPCSTR agent, DWORD accessType, LPCSTR proxy,
                                         LPCSTR proxyBypass, DWORD flags);
// Names the server of later requests; user and password, when given, are
// sent as HTTP basic credentials. No network traffic yet. Refuses a host
// holding a control byte.
KESTRIX_INET_API HINTERNET InternetConnectA(HINTERNET session, LPCSTR host, INTERNET_PORT port,
                                            LPCSTR user, LPCSTR password, DWORD service,
                                            DWORD flags, DWORD_PTR context);
// Prepares one request. verb none means "GET"; path none means "/". Refuses a
// path holding a control byte; spaces and bytes of 0x80 and above are sent
// percent-encoded.
KESTRIX_INET_API HINTERNET HttpOpenRequestA(HINTERNET connection, LPCSTR verb, LPCSTR path,
                                            LPCSTR version, LPCSTR referrer,
                                            LPCSTR* acceptTypes, DWORD flags,
                                            DWORD_PTR context);
// Adds "Name: value\r\n" lines to the request.
KESTRIX_INET_API BOOL HttpAddRequestHeadersA(HINTERNET request, LPCSTR headers, DWORD length,
                                             DWORD modifiers);
// Performs the whole exchange, redirects included (http and https only, at
// most 10). The body is held by the request until read; a body over the
// limit fails the exchange.
KESTRIX_INET_API BOOL HttpSendRequestA(HINTERNET request, LPCSTR headers, DWORD headersLength,
                                       const void* optional, DWORD optionalLength);
// Copies up to toRead bytes of the body; *read is 0 at its end.
KESTRIX_INET_API BOOL InternetReadFile(HINTERNET request, void* buffer, DWORD toRead,
                                       DWORD* read);
// Writes the asked value and a zero byte into buffer. *length holds the
// buffer size on entry and the text length on success; when the buffer is
// too small it returns false with *length set to the size needed.
KESTRIX_INET_API BOOL HttpQueryInfoA(HINTERNET request, DWORD infoLevel, void* buffer,
                                     DWORD* length, DWORD* index);
KESTRIX_INET_API BOOL InternetCloseHandle(HINTERNET handle);
// Stores a cookie in the process-wide cookie store for the host (and scheme)
// of url. data is the value, optionally followed by "; attribute" parts
// (Path, Domain, Expires, Max-Age, Secure). A nameless cookie is refused.
KESTRIX_INET_API BOOL InternetSetCookieA(LPCSTR url, LPCSTR name, LPCSTR data);

// Calls of this layer beyond the usual set.

// While the exchange runs, check(context) is asked about once a second and
// more often while data flows; when it returns true the exchange is aborted.
typedef BOOL (*KestrixInetAbortCheck)(void* context);
KESTRIX_INET_API BOOL KestrixInetSetAbortCheck(HINTERNET request, KestrixInetAbortCheck check,
                                               void* context);
// For tests: trust the certificates in this PEM file instead of the
// system's (none restores the system's); set the body limit (0 restores
// 256 MiB); empty the cookie store.
KESTRIX_INET_API void KestrixInetTrustCaFile(LPCSTR pemPath);
KESTRIX_INET_API void KestrixInetSetBodyLimit(uint64_t bytes);
KESTRIX_INET_API void KestrixInetClearCookies(void);

#ifdef __cplusplus
}
#endif
