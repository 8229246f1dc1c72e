// The process-wide cookie store every exchange with cookies in use shares:
// a libcurl share handle with one lock for each kind of data it shares.
#pragma once

#include <curl/curl.h>

#include <memory>
#include <mutex>

namespace kinet {

class CookieStore {
public:
    CookieStore();
    ~CookieStore();
    CookieStore(const CookieStore&) = delete;
    CookieStore& operator=(const CookieStore&) = delete;

    CURLSH* share() const { return share_; }

private:
    static void Lock(CURL*, curl_lock_data data, curl_lock_access, void* store);
    static void Unlock(CURL*, curl_lock_data data, void* store);

    CURLSH* share_ = nullptr;
    std::mutex locks_[CURL_LOCK_DATA_LAST];
};

// The store, made at first use. Every exchange holds a reference while it
// runs, so an exchange still going when the process ends never finds it gone.
std::shared_ptr<CookieStore> TheCookieStore();

}  // namespace kinet
