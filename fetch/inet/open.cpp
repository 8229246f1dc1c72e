// Opening and closing handles, and collecting a request's header lines.
#include <cstring>

#include "fetch/inet/address.h"
#include "fetch/inet/handles.h"

namespace kinet {

namespace {

Text OrEmpty(LPCSTR text) { return text ? Text(text) : Text(); }

bool IsHeaderName(const Text& name) {
    if (name.empty()) return false;
    for (unsigned char c : name) {
        if (c <= ' ' || c >= 0x7F || c == ':') return false;
    }
    return true;
}

// A tab may stand in a value; any other control byte would end the line.
bool IsHeaderLineText(const Text& line) {
    for (unsigned char c : line) {
        if ((c < 0x20 && c != '\t') || c == 0x7F) return false;
    }
    return true;
}

}  // namespace

bool AddHeaderLines(Request& request, const Text& text) {
    std::vector<Text> lines;
    size_t begin = 0;
    while (begin < text.size()) {
        size_t end = text.find('\n', begin);
        if (end == Text::npos) end = text.size();
        Text line = text.substr(begin, end - begin);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        begin = end + 1;
        if (line.empty()) continue;
        const size_t colon = line.find(':');
        if (colon == Text::npos || !IsHeaderName(line.substr(0, colon)) || !IsHeaderLineText(line))
            return false;
        lines.push_back(line);
    }
    request.headerLines.insert(request.headerLines.end(), lines.begin(), lines.end());
    return true;
}

}  // namespace kinet

using namespace kinet;

extern "C" HINTERNET InternetOpenA(LPCSTR agent, DWORD accessType, LPCSTR proxy, LPCSTR,
                                   DWORD) {
    auto session = new (std::nothrow) Session;
    if (!session) return nullptr;
    session->agent = OrEmpty(agent);
    if (accessType == INTERNET_OPEN_TYPE_PROXY) session->proxyList = OrEmpty(proxy);
    if (HasControlByte(session->agent) || HasControlByte(session->proxyList)) {
        delete session;
        return nullptr;
    }
    return static_cast<Handle*>(session);
}

extern "C" HINTERNET InternetConnectA(HINTERNET sessionHandle, LPCSTR host, INTERNET_PORT port,
                                      LPCSTR user, LPCSTR password, DWORD service, DWORD,
                                      DWORD_PTR) {
    const Session* session = As<Session>(sessionHandle);
    if (!session || !host || !IsUsableHost(host) || service != INTERNET_SERVICE_HTTP)
        return nullptr;
    auto connection = new (std::nothrow) Connection;
    if (!connection) return nullptr;
    connection->session = *session;
    connection->host = host;
    connection->port = port;
    connection->hasUser = user != nullptr;
    connection->user = OrEmpty(user);
    connection->password = OrEmpty(password);
    return static_cast<Handle*>(connection);
}

extern "C" HINTERNET HttpOpenRequestA(HINTERNET connectionHandle, LPCSTR verb, LPCSTR path,
                                      LPCSTR version, LPCSTR, LPCSTR*, DWORD flags, DWORD_PTR) {
    const Connection* connection = As<Connection>(connectionHandle);
    if (!connection) return nullptr;
    const Text verbText = OrEmpty(verb);
    Text pathText = path && *path ? Text(path) : Text("/");
    if (HasControlByte(pathText) || pathText[0] != '/' || !IsHeaderName(verbText.empty() ? "GET" : verbText))
        return nullptr;
    auto request = new (std::nothrow) Request;
    if (!request) return nullptr;
    request->connection = *connection;
    request->verb = verbText;
    request->path = EncodePath(pathText);
    request->http10 = version && std::strcmp(version, "HTTP/1.0") == 0;
    request->flags = flags;
    return static_cast<Handle*>(request);
}

extern "C" BOOL HttpAddRequestHeadersA(HINTERNET requestHandle, LPCSTR headers, DWORD length,
                                       DWORD) {
    Request* request = As<Request>(requestHandle);
    if (!request || !headers) return 0;
    const size_t size = length == INTERNET_TEXT_WITH_ZERO ? std::strlen(headers) : length;
    return AddHeaderLines(*request, Text(headers, size)) ? 1 : 0;
}

extern "C" BOOL InternetCloseHandle(HINTERNET handle) {
    if (!handle) return 0;
    delete static_cast<Handle*>(handle);
    return 1;
}
