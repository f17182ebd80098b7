// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstddef>
#include <functional>
#include <optional>
#include <string>

namespace ko {

struct CWebOptions {
    std::string caFile;     // CA certificates (PEM) to verify the server; empty: the system store
    bool insecure = false;  // skip TLS verification (explicit setting only)
    long connectSeconds = 10;
    long requestSeconds = 120;                       // whole request
    std::size_t bodyLimit = std::size_t{256} << 20;  // larger bodies fail
};

struct CWebResponse {
    long status = 0;
    std::optional<std::string> contentType;
    std::optional<std::size_t> contentLength;
    std::string body;
};

// One HTTP(S) session on libcurl: GET requests on a kept connection. A
// transfer failure throws std::logic_error "Error: (<curl code>) <message>".
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
    CWebResponse Get(const std::string& url);

    // Called by libcurl's callbacks.
    void Status(int status, const std::string& info)
    {
        if (sink_) sink_(status, info);
    }

private:
    void* Handle();
    void Apply(void* handle, const std::string& url);

    CWebOptions options_;
    void* handle_ = nullptr;
    StatusSink sink_;
};

}  // namespace ko
