// What the handles of the internet layer hold. Each handle keeps a copy of
// what it needs from its parent, so handles may be closed in any order.
#pragma once

#include <cstdint>
#include <deque>
#include <string>
#include <vector>

#include "fetch/inet/inet.h"

namespace kinet {

using Text = std::string;
using Bytes = std::vector<unsigned char>;

struct Handle {
    virtual ~Handle() = default;
};

struct Session : Handle {
    Text agent;
    Text proxyList;  // empty: direct
};

struct Connection : Handle {
    Session session;
    Text host;
    int port = 0;  // 0: the scheme's own
    bool hasUser = false;
    Text user;
    Text password;
};

struct Request : Handle {
    Connection connection;
    Text verb;        // as given; empty means GET
    Text path;        // already percent-encoded
    bool http10 = false;
    DWORD flags = 0;
    std::vector<Text> headerLines;  // "Name: value", no line break
    KestrixInetAbortCheck abortCheck = nullptr;
    void* abortContext = nullptr;
    // What came back.
    Text rawHeaders;
    long status = 0;
    std::deque<Bytes> body;  // chunks, consumed by InternetReadFile
    size_t readOffset = 0;   // into body.front()
};

template <typename T>
T* As(HINTERNET handle) {
    return dynamic_cast<T*>(static_cast<Handle*>(handle));
}

// Adds the "\r\n" (or "\n") separated lines of text to the request; false,
// adding nothing, when a line is not a well-formed header line.
bool AddHeaderLines(Request& request, const Text& text);

// Performs the exchange; false when it failed (then no body is kept).
bool Perform(Request& request, const void* data, size_t dataLength);

}  // namespace kinet
