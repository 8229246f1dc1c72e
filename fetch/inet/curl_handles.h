// Owning wrappers for the libcurl handles the layer creates.
#pragma once

#include <curl/curl.h>

#include <memory>

namespace kinet {

struct EasyDeleter {
    void operator()(CURL* easy) const { curl_easy_cleanup(easy); }
};
struct ListDeleter {
    void operator()(curl_slist* list) const { curl_slist_free_all(list); }
};
using Easy = std::unique_ptr<CURL, EasyDeleter>;
using HeaderList = std::unique_ptr<curl_slist, ListDeleter>;

// Initialises libcurl once per process and makes an easy handle that never
// uses signals (it runs on worker threads); null when libcurl refuses.
Easy NewEasy();

// Appends a line; false when libcurl could not take it.
bool Append(HeaderList& list, const char* line);

}  // namespace kinet
