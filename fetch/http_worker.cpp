#include "fetch/http_worker.h"

#include <memory>

#include "fetch/inet_calls.h"
#include "fetch/url_parts.h"

namespace {

// Closes one handle of the internet layer when it goes out of scope.
struct HandleCloser {
    void operator()(void* handle) const { inet::InternetCloseHandle(handle); }
};
using InetHandle = std::unique_ptr<void, HandleCloser>;

LPCSTR TextOrNone(const Text& text) { return text.empty() ? nullptr : text.c_str(); }
LPCSTR UnlessBlank(const Text& text) { return IsBlank(text) ? nullptr : text.c_str(); }
DWORD Length(const Text& text) { return static_cast<DWORD>(text.size()); }

bool HasControlByte(const Text& text) {
    for (unsigned char c : text) {
        if (c < 0x20 || c == 0x7F) return true;
    }
    return false;
}

BOOL StopRequested(void* stop) { return static_cast<const std::atomic<bool>*>(stop)->load(); }

Bytes ReadBody(HINTERNET request) {
    Bytes body;
    unsigned char buffer[512];
    DWORD count = 0;
    do {
        count = 0;
        inet::InternetReadFile(request, buffer, sizeof buffer, &count);
        body.insert(body.end(), buffer, buffer + count);
    } while (count > 0);
    return body;
}

// Whole: when the headers do not fit the first buffer, ask again with the
// size the layer names.
Text QueryRawHeaders(HINTERNET request) {
    Text headers(1024, ' ');
    DWORD size = Length(headers);
    if (!inet::HttpQueryInfoA(request, HTTP_QUERY_RAW_HEADERS_CRLF, headers.data(), &size, nullptr) &&
        size > headers.size()) {
        headers.assign(size, ' ');
        inet::HttpQueryInfoA(request, HTTP_QUERY_RAW_HEADERS_CRLF, headers.data(), &size, nullptr);
    }
    return BodyAsText(ToBytes(headers));
}

Text PostHeaders(Text headers, const Text& data) {
    if (data.empty()) return headers;
    if (FindNoCase(headers, "Content-Type: ") == -1)
        headers += "Content-Type: application/x-www-form-urlencoded\r\n";
    return headers + "Content-Length: " + NumberText(static_cast<long long>(data.size())) + "\r\n";
}

// Steps from opening the handles to writing the reply; the handles close,
// request first, when it returns. False when no reply was written.
bool Exchange(MemoryFile& file, const RequestRecord& r, const std::atomic<bool>* stop,
              Text& rawHeaders) {
    const bool https = UrlIsHttps(r.url);
    const Text host = UrlHost(r.url);
    const Text path = UrlPath(r.url);
    const bool proxyInUse = !IsBlank(r.proxy);
    const Text proxyName = "http=" + r.proxy;
    InetHandle internet(inet::InternetOpenA(
        kUserAgent, proxyInUse ? INTERNET_OPEN_TYPE_PROXY : INTERNET_OPEN_TYPE_DIRECT,
        proxyInUse ? proxyName.c_str() : nullptr, nullptr, 0));
    if (!internet) return false;
    InetHandle connection(inet::InternetConnectA(
        internet.get(), host.c_str(), static_cast<INTERNET_PORT>(UrlPort(r.url)),
        UnlessBlank(r.userName), UnlessBlank(r.password), INTERNET_SERVICE_HTTP, 0, 0));
    if (!connection) return false;
    const bool cookiesInUse = !IsBlank(r.cookies);
    const DWORD flags = (cookiesInUse ? INTERNET_FLAG_RELOAD : INTERNET_FLAG_NO_COOKIES) |
                        (https ? INTERNET_FLAG_SECURE : 0);
    InetHandle request(inet::HttpOpenRequestA(connection.get(), TextOrNone(r.method), path.c_str(),
                                              "HTTP/1.1", nullptr, nullptr, flags, 0));
    if (!request) return false;
    if (stop) inet::KestrixInetSetAbortCheck(request.get(), &StopRequested, const_cast<std::atomic<bool>*>(stop));

    Text headers = RequestHeaderText(r.extraHeaders, r.url);
    if (cookiesInUse) {
        const Text cookieLine = "Cookie: " + r.cookies + "\r\n";
        inet::HttpAddRequestHeadersA(request.get(), cookieLine.c_str(), Length(cookieLine), 0);
    }
    const Text method = ToUpperAscii(r.method);
    if (method.empty() || method == "GET") {
        inet::HttpSendRequestA(request.get(), headers.c_str(), Length(headers), nullptr, 0);
    } else if (method == "POST") {
        headers = PostHeaders(headers, r.data);
        inet::HttpSendRequestA(request.get(), headers.c_str(), Length(headers), TextOrNone(r.data),
                               Length(r.data));
    } else {
        return false;
    }
    ReplyRecord reply;
    reply.body = ReadBody(request.get());
    reply.headers = QueryRawHeaders(request.get());
    WriteReplyRecord(file, reply);
    rawHeaders = reply.headers;
    return true;
}

}  // namespace

Text RequestHeaderText(const Text& extraHeaders, const Text& url) {
    Text headers = extraHeaders;
    if (FindNoCase(headers, "Accept: ") == -1) headers += kDefaultAccept;
    if (FindNoCase(headers, "Referer: ") == -1) headers += "Referer: " + url + "\r\n";
    if (FindNoCase(headers, "Accept-Language: ") == -1) headers += "Accept-Language: zh-cn\r\n";
    return headers;
}

void RelayCookies(const Text& rawHeaders, const Text& cookieUrl) {
    if (FindNoCase(rawHeaders, "Set-Cookie: ") == -1) return;
    size_t begin = 0;
    while (begin < rawHeaders.size()) {
        size_t end = rawHeaders.find('\n', begin);
        if (end == Text::npos) end = rawHeaders.size();
        Text line = rawHeaders.substr(begin, end - begin);
        begin = end + 1;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (FindNoCase(line, "Set-Cookie: ") == -1) continue;
        const Text cookie = DeleteAt(line, 1, 12);
        const Pos eq = Find(cookie, "=");
        const Text name = eq == -1 ? Text() : Left(cookie, eq - 1);
        const Text data = eq == -1 ? cookie : Mid(cookie, eq + 1, static_cast<Pos>(cookie.size()));
        inet::InternetSetCookieA(cookieUrl.c_str(), TextOrNone(name), data.c_str());
    }
}

void HttpWorker(MemoryFile& file, const std::atomic<bool>* stop) {
    MemSeekStart(file);
    if (MemReadText(file) != kRequestMarker) return;
    RequestRecord record;
    ReadRequestFields(file, record);
    MemSeekStart(file);
    MemDeleteAtPosition(file, MemLength(file));
    // The address also goes out whole in the Referer line: a line break in
    // it, anywhere, would start a header line of its own.
    if (HasControlByte(record.url)) return;
    Text rawHeaders;
    if (!Exchange(file, record, stop, rawHeaders)) return;
    const Text cookieUrl = (UrlIsHttps(record.url) ? "https://" : "http://") + UrlHost(record.url);
    RelayCookies(rawHeaders, cookieUrl);
}
