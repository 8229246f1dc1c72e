// Kept in its own unit so that programs which never use the real network
// (tests with an injected fetch) do not pull in the fetch layer.
#include "fetch/fetch_url.h"
#include "harvest/run_environment.h"

std::function<Bytes(const Text&)> RealFetch() {
    return [](const Text& url) { return FetchUrl(url); };
}
