// Performing the exchange with libcurl, and handing out what came back.
#include <algorithm>
#include <atomic>
#include <cstring>
#include <mutex>

#include "fetch/inet/address.h"
#include "fetch/inet/cookie_store.h"
#include "fetch/inet/curl_handles.h"
#include "fetch/inet/handles.h"

namespace kinet {

namespace {

constexpr uint64_t kDefaultBodyLimit = 256ull * 1024 * 1024;
// The headers of one response; beyond this a server is only wasting memory.
constexpr size_t kHeaderLimit = 1024 * 1024;

std::atomic<uint64_t> bodyLimit{kDefaultBodyLimit};

std::mutex caFileMutex;
Text caFile;  // empty: the system's certificates

struct Transfer {
    Request& request;
    uint64_t limit;
    uint64_t received = 0;
};

size_t OnHeader(char* data, size_t, size_t size, void* user) {
    Transfer& transfer = *static_cast<Transfer*>(user);
    Text line(data, size);
    while (!line.empty() && (line.back() == '\n' || line.back() == '\r')) line.pop_back();
    Text& headers = transfer.request.rawHeaders;
    // Every response of a redirect chain starts over with its status line.
    if (line.rfind("HTTP/", 0) == 0) headers.clear();
    if (line.empty()) return size;
    if (headers.size() + line.size() > kHeaderLimit) return 0;
    headers += line + "\r\n";
    return size;
}

size_t OnBody(char* data, size_t, size_t size, void* user) {
    Transfer& transfer = *static_cast<Transfer*>(user);
    if (size > transfer.limit - std::min(transfer.limit, transfer.received)) return 0;
    transfer.received += size;
    transfer.request.body.emplace_back(data, data + size);
    return size;
}

int OnProgress(void* user, curl_off_t, curl_off_t, curl_off_t, curl_off_t) {
    const Request& request = static_cast<Transfer*>(user)->request;
    return request.abortCheck && request.abortCheck(request.abortContext) ? 1 : 0;
}

bool HasHeader(const Request& request, const char* name) {
    const size_t length = std::strlen(name);
    for (const Text& line : request.headerLines) {
        if (line.size() > length && line[length] == ':' && strncasecmp(line.c_str(), name, length) == 0)
            return true;
    }
    return false;
}

Text HeaderValue(const Text& line) {
    const size_t begin = line.find_first_not_of(" \t", line.find(':') + 1);
    return begin == Text::npos ? Text() : line.substr(begin);
}

// libcurl takes "Name:" as "drop that header" and "Name;" as "send it
// empty"; Cookie lines join the stored cookies on one line instead.
bool BuildHeaderList(const Request& request, HeaderList& list, Text& cookies) {
    for (const Text& line : request.headerLines) {
        const Text value = HeaderValue(line);
        if (strncasecmp(line.c_str(), "Cookie:", 7) == 0) {
            if (!value.empty()) cookies += (cookies.empty() ? "" : "; ") + value;
            continue;
        }
        const Text sent = value.empty() ? line.substr(0, line.find(':')) + ";" : line;
        if (!Append(list, sent.c_str())) return false;
    }
    // Only what the caller asked for: none of libcurl's own defaults.
    if (!HasHeader(request, "Accept") && !Append(list, "Accept:")) return false;
    if (!HasHeader(request, "Expect") && !Append(list, "Expect:")) return false;
    if (!HasHeader(request, "Content-Type") && !Append(list, "Content-Type:")) return false;
    return true;
}

Text RequestUrl(const Request& request) {
    const bool secure = request.flags & INTERNET_FLAG_SECURE;
    const int port = request.connection.port ? request.connection.port : (secure ? 443 : 80);
    return Text(secure ? "https://" : "http://") + request.connection.host + ":" +
           std::to_string(port) + request.path;
}

void SetMethod(CURL* easy, const Request& request, const void* data, size_t dataLength) {
    if (request.verb == "POST") {
        curl_easy_setopt(easy, CURLOPT_POST, 1L);
    } else if (request.verb.empty() || request.verb == "GET") {
        curl_easy_setopt(easy, CURLOPT_HTTPGET, 1L);
    } else {
        curl_easy_setopt(easy, CURLOPT_CUSTOMREQUEST, request.verb.c_str());
    }
    if (data && dataLength) {
        curl_easy_setopt(easy, CURLOPT_POSTFIELDSIZE_LARGE, static_cast<curl_off_t>(dataLength));
        curl_easy_setopt(easy, CURLOPT_COPYPOSTFIELDS, data);
    } else if (request.verb == "POST") {
        curl_easy_setopt(easy, CURLOPT_POSTFIELDSIZE_LARGE, static_cast<curl_off_t>(0));
        curl_easy_setopt(easy, CURLOPT_COPYPOSTFIELDS, "");
    }
}

void SetConnection(CURL* easy, const Request& request, const Text& url) {
    const Connection& connection = request.connection;
    curl_easy_setopt(easy, CURLOPT_URL, url.c_str());
    curl_easy_setopt(easy, CURLOPT_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(easy, CURLOPT_REDIR_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(easy, CURLOPT_FOLLOWLOCATION, 1L);
    curl_easy_setopt(easy, CURLOPT_MAXREDIRS, 10L);
    curl_easy_setopt(easy, CURLOPT_HTTP_VERSION,
                     request.http10 ? CURL_HTTP_VERSION_1_0 : CURL_HTTP_VERSION_1_1);
    if (!connection.session.agent.empty())
        curl_easy_setopt(easy, CURLOPT_USERAGENT, connection.session.agent.c_str());
    const Text scheme = request.flags & INTERNET_FLAG_SECURE ? "https" : "http";
    // An empty proxy also keeps libcurl from reading one from the environment.
    const Text proxy = ProxyFor(connection.session.proxyList, scheme);
    curl_easy_setopt(easy, CURLOPT_PROXY, proxy.c_str());
    curl_easy_setopt(easy, CURLOPT_SUPPRESS_CONNECT_HEADERS, 1L);
    if (connection.hasUser) {
        curl_easy_setopt(easy, CURLOPT_HTTPAUTH, static_cast<long>(CURLAUTH_BASIC));
        curl_easy_setopt(easy, CURLOPT_USERNAME, connection.user.c_str());
        curl_easy_setopt(easy, CURLOPT_PASSWORD, connection.password.c_str());
    }
    std::lock_guard<std::mutex> lock(caFileMutex);
    if (!caFile.empty()) curl_easy_setopt(easy, CURLOPT_CAINFO, caFile.c_str());
}

void SetCallbacks(CURL* easy, Transfer& transfer) {
    curl_easy_setopt(easy, CURLOPT_HEADERFUNCTION, &OnHeader);
    curl_easy_setopt(easy, CURLOPT_HEADERDATA, &transfer);
    curl_easy_setopt(easy, CURLOPT_WRITEFUNCTION, &OnBody);
    curl_easy_setopt(easy, CURLOPT_WRITEDATA, &transfer);
    curl_easy_setopt(easy, CURLOPT_NOPROGRESS, 0L);
    curl_easy_setopt(easy, CURLOPT_XFERINFOFUNCTION, &OnProgress);
    curl_easy_setopt(easy, CURLOPT_XFERINFODATA, &transfer);
    curl_easy_setopt(easy, CURLOPT_MAXFILESIZE_LARGE, static_cast<curl_off_t>(transfer.limit));
}

bool UsesCookies(const Request& request) {
    return (request.flags & INTERNET_FLAG_RELOAD) && !(request.flags & INTERNET_FLAG_NO_COOKIES);
}

}  // namespace

bool Perform(Request& request, const void* data, size_t dataLength) {
    request.rawHeaders.clear();
    request.body.clear();
    request.readOffset = 0;
    request.status = 0;
    // Declared before the easy handle, so it outlives it.
    const std::shared_ptr<CookieStore> store = UsesCookies(request) ? TheCookieStore() : nullptr;
    Easy easy = NewEasy();
    HeaderList headers;
    Text cookies;
    if (!easy || !BuildHeaderList(request, headers, cookies)) return false;
    Transfer transfer{request, bodyLimit.load()};
    const Text url = RequestUrl(request);
    SetConnection(easy.get(), request, url);
    SetCallbacks(easy.get(), transfer);
    SetMethod(easy.get(), request, data, dataLength);
    curl_easy_setopt(easy.get(), CURLOPT_HTTPHEADER, headers.get());
    if (store && store->share()) {
        curl_easy_setopt(easy.get(), CURLOPT_SHARE, store->share());
        curl_easy_setopt(easy.get(), CURLOPT_COOKIEFILE, "");  // cookies on, no file
    }
    if (!cookies.empty()) curl_easy_setopt(easy.get(), CURLOPT_COOKIE, cookies.c_str());
    const CURLcode result = curl_easy_perform(easy.get());
    curl_easy_getinfo(easy.get(), CURLINFO_RESPONSE_CODE, &request.status);
    if (result != CURLE_OK) {
        request.body.clear();
        return false;
    }
    return true;
}

}  // namespace kinet

using namespace kinet;

extern "C" BOOL HttpSendRequestA(HINTERNET requestHandle, LPCSTR headers, DWORD headersLength,
                                 const void* optional, DWORD optionalLength) {
    Request* request = As<Request>(requestHandle);
    if (!request) return 0;
    if (headers) {
        const size_t size =
            headersLength == INTERNET_TEXT_WITH_ZERO ? std::strlen(headers) : headersLength;
        if (!AddHeaderLines(*request, Text(headers, size))) return 0;
    }
    return Perform(*request, optional, optional ? optionalLength : 0) ? 1 : 0;
}

extern "C" BOOL InternetReadFile(HINTERNET requestHandle, void* buffer, DWORD toRead, DWORD* read) {
    Request* request = As<Request>(requestHandle);
    if (read) *read = 0;
    if (!request || !buffer || !read) return 0;
    auto* out = static_cast<unsigned char*>(buffer);
    while (*read < toRead && !request->body.empty()) {
        Bytes& chunk = request->body.front();
        const size_t count = std::min<size_t>(toRead - *read, chunk.size() - request->readOffset);
        std::memcpy(out + *read, chunk.data() + request->readOffset, count);
        *read += static_cast<DWORD>(count);
        request->readOffset += count;
        if (request->readOffset == chunk.size()) {
            request->body.pop_front();
            request->readOffset = 0;
        }
    }
    return 1;
}

extern "C" BOOL HttpQueryInfoA(HINTERNET requestHandle, DWORD infoLevel, void* buffer,
                               DWORD* length, DWORD*) {
    const Request* request = As<Request>(requestHandle);
    if (!request || !length) return 0;
    Text value;
    if (infoLevel == HTTP_QUERY_RAW_HEADERS_CRLF) {
        value = request->rawHeaders;
    } else if (infoLevel == HTTP_QUERY_STATUS_CODE && request->status) {
        value = std::to_string(request->status);
    } else {
        return 0;
    }
    if (!buffer || *length < value.size() + 1) {
        *length = static_cast<DWORD>(value.size() + 1);
        return 0;
    }
    std::memcpy(buffer, value.c_str(), value.size() + 1);
    *length = static_cast<DWORD>(value.size());
    return 1;
}

extern "C" BOOL KestrixInetSetAbortCheck(HINTERNET requestHandle, KestrixInetAbortCheck check,
                                         void* context) {
    Request* request = As<Request>(requestHandle);
    if (!request) return 0;
    request->abortCheck = check;
    request->abortContext = context;
    return 1;
}

extern "C" void KestrixInetTrustCaFile(LPCSTR pemPath) {
    std::lock_guard<std::mutex> lock(caFileMutex);
    caFile = pemPath ? pemPath : "";
}

extern "C" void KestrixInetSetBodyLimit(uint64_t bytes) {
    bodyLimit = bytes ? bytes : kDefaultBodyLimit;
}
