// One HTTP exchange on a worker thread of its own, under a time limit.
#pragma once

#include "common/text.h"

// Fetches `url` and returns the response body, whatever the status; the
// empty byte array on any failure, refusal or when the time limit passes.
// Empty texts count as not given. A time limit of 0 (or less) means 90
// seconds. `responseHeaders`, when given, receives the raw headers.
Bytes FetchUrl(const Text& url,
               const Text& method = Text(),
               const Text& proxy = Text(),
               const Text& userName = Text(),
               const Text& password = Text(),
               const Text& extraHeaders = Text(),
               const Text& data = Text(),
               double timeLimitSeconds = 0,
               Text* responseHeaders = nullptr,
               const Text& cookies = Text());
