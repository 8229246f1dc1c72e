// One HTTP exchange, run on a fetch's worker thread: takes the request
// record out of the in-memory file, performs the exchange through the
// internet layer and leaves the reply record in the same file.
#pragma once

#include <atomic>

#include "common/text.h"
#include "fetch/memory_file.h"

inline constexpr const char* kUserAgent = "Mozilla/4.0 (compatible; MSIE 6.0; Windows NT 5.0)";
inline constexpr const char* kDefaultAccept =
    "Accept: image/gif, image/x-xbitmap, image/jpeg, image/pjpeg, application/x-shockwave-flash, "
    "application/vnd.ms-excel, application/vnd.ms-powerpoint, application/msword, */*\r\n";

// When `stop` is given and becomes true, a transfer under way is aborted;
// the worker then ends soon, touching nothing but the file it was given.
void HttpWorker(MemoryFile& file, const std::atomic<bool>* stop = nullptr);

// The header text sent: the extra lines followed by each default line
// whose key (letter case ignored) occurs nowhere in the text built so far.
Text RequestHeaderText(const Text& extraHeaders, const Text& url);
// Hands every "Set-Cookie: " line of the raw headers to the cookie store
// for `cookieUrl`.
void RelayCookies(const Text& rawHeaders, const Text& cookieUrl);
