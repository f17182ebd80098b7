// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <chrono>
#include <cstddef>
#include <functional>
#include <list>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace ko {

struct CWebOptions {
    std::string caFile;     // CA certificates (PEM) to verify the server; empty: the system store
    bool insecure = false;  // skip TLS verification (explicit setting only)
    long connectSeconds = 10;
    long requestSeconds = 120;                       // whole request
    std::size_t bodyLimit = std::size_t{256} << 20;  // larger bodies fail
    long parallelConnections = 4;                    // for queued transfers
};

struct CWebResponse {
    long status = 0;
    std::optional<std::string> contentType;
    std::optional<std::size_t> contentLength;
    std::string body;
};

// One HTTP(S) session on libcurl: GET requests on up to the options' parallel
// connections, kept between requests. A transfer failure throws
// std::logic_error "Error: (<curl code>) <message>".
// Status events (codes of StatusCallbackText) go to the status sink.
class CWebTransfer {
public:
    using StatusSink = std::function<void(int status, const std::string& info)>;

    explicit CWebTransfer(CWebOptions options = {});
    CWebTransfer(const CWebTransfer&) = delete;
    CWebTransfer& operator=(const CWebTransfer&) = delete;
    ~CWebTransfer();

    void SetStatusSink(StatusSink sink) { sink_ = std::move(sink); }
    const CWebOptions& GetOptions() const { return options_; }

    // Opens (and for HTTPS verifies) a connection to the server of url without
    // sending a request.
    void Probe(const std::string& url);
    // A url that was queued is not requested again: Get waits for its queued
    // transfer and drops the transfers queued before it, which a run reading
    // in queue order has skipped.
    CWebResponse Get(const std::string& url);

    // Starts a GET of url beside the other queued ones, on up to the options'
    // parallel connections; its response (or failure) is kept for Get.
    void Queue(const std::string& url);
    bool IsQueued(const std::string& url) const;
    std::size_t QueuedCount() const { return queued_.size(); }
    void DropQueued();

    // Called by libcurl's callbacks.
    void Status(int status, const std::string& info)
    {
        if (sink_) sink_(status, info);
    }
    void Watch(int socket, int what);  // what: CURL_POLL_*
    void SetTimer(long milliseconds);  // -1: none

private:
    struct Pending;

    void Apply(void* handle);
    void* TakeHandle();
    void Receive(void* handle, Pending& pending);
    void Act(int socket, int events);
    void RunTimers(bool always);
    void Collect();
    std::unique_ptr<Pending> Start(const std::string& url);
    void Wait(Pending& pending);
    CWebResponse Take(std::unique_ptr<Pending> pending);
    CWebResponse Finish(void* handle, Pending& pending);
    void Recycle(void* handle);

    static constexpr std::size_t kIdleHandles = 32;

    CWebOptions options_;
    void* multi_ = nullptr;                       // every transfer runs on it; it keeps the connections
    std::list<std::unique_ptr<Pending>> queued_;  // in queue order
    std::vector<void*> idle_;                     // easy handles of finished transfers
    // The sockets libcurl waits on (socket, CURL_POLL_* events) and its timer.
    std::vector<std::pair<int, int>> watched_;
    std::optional<std::chrono::steady_clock::time_point> deadline_;
    StatusSink sink_;
};

}  // namespace ko
