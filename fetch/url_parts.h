// Splitting an address into what a request needs: host, port and path.
// These work on the text alone; they neither validate nor decode it.
#pragma once

#include "common/text.h"

// Bit 0 of UrlHost's flags: keep the ":port" part.
constexpr int kUrlKeepPort = 1;

// Where the host begins (1-based): after the earlier of "http://" and
// "https://", or at 1 when the address holds neither.
Pos UrlHostStart(const Text& address);
// True when the scheme found by UrlHostStart is "https://".
bool UrlIsHttps(const Text& address);

// The host in lower case, without its port unless bit 0 of flags is set.
Text UrlHost(const Text& address, int flags = 0);
// The object path with query and fragment; always begins with "/".
Text UrlPath(const Text& address);
// The named port, else 443 for an https address and 80 otherwise.
int UrlPort(const Text& address);
