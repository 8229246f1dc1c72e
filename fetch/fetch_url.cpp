#include "fetch/fetch_url.h"

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <system_error>
#include <thread>

#include "fetch/http_worker.h"
#include "fetch/memory_file.h"

namespace {

constexpr double kDefaultLimitSeconds = 90;
// Far beyond any wait, yet safe to add to the clock.
constexpr double kLongestLimitSeconds = 1e9;

// What a fetch shares with its worker. Both hold it, so a worker abandoned
// at the time limit only ever touches what it still owns itself.
struct FetchJob {
    MemoryFile file;
    std::mutex mutex;
    std::condition_variable finished;
    bool done = false;
    std::atomic<bool> stop{false};
};

void RunWorker(std::shared_ptr<FetchJob> job) {
    HttpWorker(job->file, &job->stop);
    {
        std::lock_guard<std::mutex> lock(job->mutex);
        job->done = true;
    }
    job->finished.notify_one();
}

// True when the worker ended before the deadline.
bool WaitForWorker(FetchJob& job, std::chrono::steady_clock::time_point deadline) {
    std::unique_lock<std::mutex> lock(job.mutex);
    return job.finished.wait_until(lock, deadline, [&job] { return job.done; });
}

}  // namespace

Bytes FetchUrl(const Text& url, const Text& method, const Text& proxy, const Text& userName,
               const Text& password, const Text& extraHeaders, const Text& data,
               double timeLimitSeconds, Text* responseHeaders, const Text& cookies) {
    auto job = std::make_shared<FetchJob>();
    RequestRecord request;
    request.url = url;
    request.method = method;
    request.proxy = proxy;
    request.userName = userName;
    request.password = password;
    request.extraHeaders = extraHeaders;
    request.data = data;
    request.cookies = cookies;
    WriteRequestRecord(job->file, request);

    const double seconds =
        timeLimitSeconds > 0 ? std::min(timeLimitSeconds, kLongestLimitSeconds) : kDefaultLimitSeconds;
    const auto deadline = std::chrono::steady_clock::now() +
                          std::chrono::duration_cast<std::chrono::steady_clock::duration>(
                              std::chrono::duration<double>(seconds));
    std::thread worker;
    try {
        worker = std::thread(RunWorker, job);
    } catch (const std::system_error&) {
        return Bytes();
    }
    if (!WaitForWorker(*job, deadline)) {
        // Threads cannot be killed safely: the worker gives up its transfer
        // on its own and ends; whatever it writes from now on is ignored.
        job->stop = true;
        worker.detach();
        return Bytes();
    }
    worker.join();
    ReplyRecord reply = ReadReplyRecord(job->file);
    if (responseHeaders) *responseHeaders = reply.headers;
    if (reply.marker != kReplyMarker) return Bytes();
    return std::move(reply.body);
}
