// SPDX-License-Identifier: GPL-3.0-or-later
#include "sources/web_transfer.h"

#include <curl/curl.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <charconv>
#include <cstring>
#include <mutex>
#include <stdexcept>
#include <string_view>

#include "core/failure.h"

namespace ko {
namespace {

struct Receiving {
    CWebTransfer* transfer = nullptr;
    CURL* handle = nullptr;
    CWebResponse* response = nullptr;
    std::size_t limit = 0;
    bool headerSeen = false;
    bool tooLarge = false;
};

// The failure "Error: (<code>) <message>".
CFailure TransferFailure(int code, const std::string& message)
{
    return CFailure("Error: (" + std::to_string(code) + ") " +
                    (message.empty() ? "CInternet Exception: No Message" : message));
}

void Check(CURLcode code, const char* detail)
{
    if (code != CURLE_OK)
        throw TransferFailure(static_cast<int>(code), detail && *detail ? detail : curl_easy_strerror(code));
}

std::string_view Trimmed(std::string_view text)
{
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.back()))) text.remove_suffix(1);
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.front()))) text.remove_prefix(1);
    return text;
}

bool SameName(std::string_view name, std::string_view lower)
{
    return name.size() == lower.size() &&
           std::equal(name.begin(), name.end(), lower.begin(),
                      [](char a, char b) { return std::tolower(static_cast<unsigned char>(a)) == b; });
}

// A header line "Name: value" of the final response; a new status line starts over.
std::size_t OnHeader(char* data, std::size_t size, std::size_t count, void* user)
{
    auto& receiving = *static_cast<Receiving*>(user);
    const std::string_view line(data, size * count);
    if (!receiving.headerSeen) {
        receiving.headerSeen = true;
        long requestSize = 0;
        curl_easy_getinfo(receiving.handle, CURLINFO_REQUEST_SIZE, &requestSize);
        receiving.transfer->Status(31, std::to_string(requestSize));
        receiving.transfer->Status(40, {});
    }
    if (line.starts_with("HTTP/")) {
        receiving.response->contentType.reset();
        receiving.response->contentLength.reset();
        return line.size();
    }
    const std::size_t colon = line.find(':');
    if (colon == std::string_view::npos) return line.size();
    const std::string_view name = line.substr(0, colon);
    const std::string_view value = Trimmed(line.substr(colon + 1));
    if (SameName(name, "content-type")) receiving.response->contentType = std::string(value);
    if (SameName(name, "content-length")) {
        std::size_t length = 0;
        const auto [end, error] = std::from_chars(value.data(), value.data() + value.size(), length);
        if (error == std::errc() && end == value.data() + value.size())
            receiving.response->contentLength = length;
        if (error == std::errc() && length <= receiving.limit) receiving.response->body.reserve(length);
    }
    return line.size();
}

std::size_t OnBody(char* data, std::size_t size, std::size_t count, void* user)
{
    auto& receiving = *static_cast<Receiving*>(user);
    if (receiving.response->body.size() + size * count > receiving.limit) {
        receiving.tooLarge = true;
        return 0;
    }
    receiving.response->body.append(data, size * count);
    return size * count;
}

int OnConnected(void* user, char*, char*, int, int)
{
    auto* transfer = static_cast<CWebTransfer*>(user);
    transfer->Status(21, {});
    transfer->Status(30, {});
    return CURL_PREREQFUNC_OK;
}

curl_socket_t OnOpenSocket(void* user, curlsocktype, curl_sockaddr* address)
{
    auto* transfer = static_cast<CWebTransfer*>(user);
    transfer->Status(11, {});
    transfer->Status(20, {});
    return ::socket(address->family, address->socktype, address->protocol);
}

int OnCloseSocket(void* user, curl_socket_t socket)
{
    auto* transfer = static_cast<CWebTransfer*>(user);
    transfer->Status(50, {});
    const int result = ::close(socket);
    transfer->Status(51, {});
    return result;
}

int OnSocket(CURL*, curl_socket_t socket, int what, void* user, void*)
{
    static_cast<CWebTransfer*>(user)->Watch(socket, what);
    return 0;
}

int OnTimer(CURLM*, long milliseconds, void* user)
{
    static_cast<CWebTransfer*>(user)->SetTimer(milliseconds);
    return 0;
}

void CheckMulti(CURLMcode code)
{
    if (code != CURLM_OK) throw TransferFailure(static_cast<int>(code), curl_multi_strerror(code));
}

// The first queued transfer of url in a list of them, const or not.
template <class List>
auto FindQueued(List& queued, const std::string& url)
{
    return std::find_if(queued.begin(), queued.end(),
                        [&url](const auto& pending) { return pending->url == url; });
}

std::string HostOf(const std::string& url)
{
    const std::size_t start = url.find("://");
    const std::size_t from = start == std::string::npos ? 0 : start + 3;
    return url.substr(from, url.find_first_of(":/?", from) - from);
}

}  // namespace

CWebTransfer::CWebTransfer(CWebOptions options) : options_(std::move(options))
{
    static std::once_flag once;
    std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

CWebTransfer::~CWebTransfer()
{
    DropQueued();
    for (void* handle : idle_) curl_easy_cleanup(static_cast<CURL*>(handle));
    if (multi_) curl_multi_cleanup(static_cast<CURLM*>(multi_));
}

// The options every transfer of the session shares; a handle keeps them while it is recycled.
void CWebTransfer::Apply(void* raw)
{
    CURL* handle = static_cast<CURL*>(raw);
    curl_easy_setopt(handle, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(handle, CURLOPT_PROXY, "");
    curl_easy_setopt(handle, CURLOPT_NOPROXY, "*");
    curl_easy_setopt(handle, CURLOPT_FOLLOWLOCATION, 0L);
    curl_easy_setopt(handle, CURLOPT_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(handle, CURLOPT_CONNECTTIMEOUT, options_.connectSeconds);
    curl_easy_setopt(handle, CURLOPT_TIMEOUT, options_.requestSeconds);
    curl_easy_setopt(handle, CURLOPT_SSL_VERIFYPEER, options_.insecure ? 0L : 1L);
    curl_easy_setopt(handle, CURLOPT_SSL_VERIFYHOST, options_.insecure ? 0L : 2L);
    curl_easy_setopt(handle, CURLOPT_CAINFO, options_.caFile.empty() ? nullptr : options_.caFile.c_str());
    curl_easy_setopt(handle, CURLOPT_OPENSOCKETFUNCTION, &OnOpenSocket);
    curl_easy_setopt(handle, CURLOPT_OPENSOCKETDATA, this);
    curl_easy_setopt(handle, CURLOPT_CLOSESOCKETFUNCTION, &OnCloseSocket);
    curl_easy_setopt(handle, CURLOPT_CLOSESOCKETDATA, this);
    curl_easy_setopt(handle, CURLOPT_PREREQFUNCTION, &OnConnected);
    curl_easy_setopt(handle, CURLOPT_PREREQDATA, this);
    curl_easy_setopt(handle, CURLOPT_HTTPGET, 1L);
    curl_easy_setopt(handle, CURLOPT_HEADERFUNCTION, &OnHeader);
    curl_easy_setopt(handle, CURLOPT_WRITEFUNCTION, &OnBody);
}

void* CWebTransfer::TakeHandle()
{
    if (!idle_.empty()) {
        void* handle = idle_.back();
        idle_.pop_back();
        return handle;
    }
    CURL* handle = curl_easy_init();
    if (!handle) throw CFailure("File Pointer is Null");
    Apply(handle);
    return handle;
}

void CWebTransfer::Probe(const std::string& url)
{
    CURL* handle = curl_easy_init();
    if (!handle) throw CFailure("File Pointer is Null");
    char error[CURL_ERROR_SIZE] = "";
    Apply(handle);
    curl_easy_setopt(handle, CURLOPT_URL, url.c_str());
    curl_easy_setopt(handle, CURLOPT_CONNECT_ONLY, 1L);
    curl_easy_setopt(handle, CURLOPT_ERRORBUFFER, error);
    Status(10, HostOf(url));
    const CURLcode code = curl_easy_perform(handle);
    curl_easy_cleanup(handle);
    Check(code, error);
}

// One transfer; while it is on the multi handle it is removed from it when it goes.
struct CWebTransfer::Pending {
    Pending() = default;
    Pending(const Pending&) = delete;
    Pending& operator=(const Pending&) = delete;
    ~Pending()
    {
        if (!handle) return;
        if (multi) curl_multi_remove_handle(multi, handle);
        owner->Recycle(handle);
    }

    CWebTransfer* owner = nullptr;
    std::string url;
    CURLM* multi = nullptr;
    CURL* handle = nullptr;
    CWebResponse response;
    Receiving receiving;
    char error[CURL_ERROR_SIZE] = "";
    bool done = false;
    CURLcode code = CURLE_OK;
};

void CWebTransfer::Receive(void* raw, Pending& pending)
{
    CURL* handle = static_cast<CURL*>(raw);
    pending.handle = handle;
    pending.receiving = Receiving{this, handle, &pending.response, options_.bodyLimit};
    curl_easy_setopt(handle, CURLOPT_URL, pending.url.c_str());
    curl_easy_setopt(handle, CURLOPT_ERRORBUFFER, pending.error);
    curl_easy_setopt(handle, CURLOPT_HEADERDATA, &pending.receiving);
    curl_easy_setopt(handle, CURLOPT_WRITEDATA, &pending.receiving);
    curl_easy_setopt(handle, CURLOPT_PRIVATE, &pending);
    Status(10, HostOf(pending.url));
}

CWebResponse CWebTransfer::Finish(void* raw, Pending& pending)
{
    CURL* handle = static_cast<CURL*>(raw);
    curl_easy_setopt(handle, CURLOPT_ERRORBUFFER, nullptr);
    if (pending.receiving.tooLarge)
        throw CFailure("The response body is larger than " + std::to_string(options_.bodyLimit) + " bytes.");
    Check(pending.code, pending.error);
    curl_easy_getinfo(handle, CURLINFO_RESPONSE_CODE, &pending.response.status);
    Status(41, std::to_string(pending.response.body.size()));
    Status(100, {});
    return std::move(pending.response);
}

std::unique_ptr<CWebTransfer::Pending> CWebTransfer::Start(const std::string& url)
{
    if (!multi_) {
        multi_ = curl_multi_init();
        if (!multi_) throw CFailure("File Pointer is Null");
        auto* multi = static_cast<CURLM*>(multi_);
        curl_multi_setopt(multi, CURLMOPT_MAX_HOST_CONNECTIONS, std::max(1L, options_.parallelConnections));
        curl_multi_setopt(multi, CURLMOPT_SOCKETFUNCTION, &OnSocket);
        curl_multi_setopt(multi, CURLMOPT_SOCKETDATA, this);
        curl_multi_setopt(multi, CURLMOPT_TIMERFUNCTION, &OnTimer);
        curl_multi_setopt(multi, CURLMOPT_TIMERDATA, this);
        Status(60, {});
    }
    auto pending = std::make_unique<Pending>();
    pending->owner = this;
    pending->url = url;
    CURL* handle = static_cast<CURL*>(TakeHandle());
    Receive(handle, *pending);
    CheckMulti(curl_multi_add_handle(static_cast<CURLM*>(multi_), handle));
    pending->multi = static_cast<CURLM*>(multi_);
    RunTimers(false);  // the new transfer's timer is due: its request goes out now when a connection is free
    return pending;
}

void CWebTransfer::Watch(int socket, int what)
{
    const auto found = std::find_if(watched_.begin(), watched_.end(),
                                    [socket](const auto& watch) { return watch.first == socket; });
    if (what == CURL_POLL_REMOVE) {
        if (found != watched_.end()) watched_.erase(found);
    } else if (found != watched_.end()) {
        found->second = what;
    } else {
        watched_.emplace_back(socket, what);
    }
}

void CWebTransfer::SetTimer(long milliseconds)
{
    if (milliseconds < 0)
        deadline_.reset();
    else
        deadline_ = std::chrono::steady_clock::now() + std::chrono::milliseconds(milliseconds);
}

// Lets libcurl act on a socket's events, or on its timers (CURL_SOCKET_TIMEOUT).
void CWebTransfer::Act(int socket, int events)
{
    int running = 0;
    CheckMulti(curl_multi_socket_action(static_cast<CURLM*>(multi_), socket, events, &running));
    Collect();
}

// libcurl calls the timer callback only when its next timeout changes: the
// deadline is forgotten only once it has passed.
void CWebTransfer::RunTimers(bool always)
{
    const bool due = deadline_ && std::chrono::steady_clock::now() >= *deadline_;
    if (due) deadline_.reset();
    if (due || always) Act(CURL_SOCKET_TIMEOUT, 0);
}

void CWebTransfer::Collect()
{
    int left = 0;
    while (CURLMsg* message = curl_multi_info_read(static_cast<CURLM*>(multi_), &left)) {
        if (message->msg != CURLMSG_DONE) continue;
        Pending* done = nullptr;
        curl_easy_getinfo(message->easy_handle, CURLINFO_PRIVATE, &done);
        done->done = true;
        done->code = message->data.result;
    }
}

// Drives every transfer of the session until pending is done: one poll over
// the sockets libcurl waits on, then libcurl acts on those that are ready.
void CWebTransfer::Wait(Pending& pending)
{
    std::vector<pollfd> polled;
    while (!pending.done) {
        int timeout = 1000;
        if (deadline_) {
            const auto left =
                std::chrono::ceil<std::chrono::milliseconds>(*deadline_ - std::chrono::steady_clock::now());
            timeout = static_cast<int>(std::clamp<std::chrono::milliseconds::rep>(left.count(), 0, 1000));
        }
        polled.clear();
        for (const auto& [socket, what] : watched_) {
            short events = 0;
            if (what == CURL_POLL_IN || what == CURL_POLL_INOUT) events |= POLLIN;
            if (what == CURL_POLL_OUT || what == CURL_POLL_INOUT) events |= POLLOUT;
            polled.push_back({socket, events, 0});
        }
        const int ready = timeout == 0 ? 0 : ::poll(polled.data(), polled.size(), timeout);
        if (ready < 0 && errno != EINTR) throw TransferFailure(errno, std::strerror(errno));
        for (const pollfd& entry : polled) {
            if (entry.revents == 0 || pending.done) continue;
            int events = 0;
            if (entry.revents & (POLLIN | POLLHUP)) events |= CURL_CSELECT_IN;
            if (entry.revents & POLLOUT) events |= CURL_CSELECT_OUT;
            if (entry.revents & (POLLERR | POLLNVAL)) events |= CURL_CSELECT_ERR;
            Act(entry.fd, events);
        }
        if (!pending.done) RunTimers(ready == 0);
    }
}

CWebResponse CWebTransfer::Take(std::unique_ptr<Pending> pending)
{
    curl_multi_remove_handle(pending->multi, pending->handle);
    pending->multi = nullptr;
    return Finish(pending->handle, *pending);
}

CWebResponse CWebTransfer::Get(const std::string& url)
{
    const auto queued = FindQueued(queued_, url);
    if (queued == queued_.end()) {
        auto pending = Start(url);
        Wait(*pending);
        return Take(std::move(pending));
    }
    queued_.erase(queued_.begin(), queued);
    Wait(**queued);
    auto pending = std::move(*queued);
    queued_.erase(queued);
    return Take(std::move(pending));
}

void CWebTransfer::Queue(const std::string& url)
{
    queued_.push_back(Start(url));
}

bool CWebTransfer::IsQueued(const std::string& url) const
{
    return FindQueued(queued_, url) != queued_.end();
}

// A kept handle keeps the session options; Receive sets the next transfer's own.
void CWebTransfer::Recycle(void* handle)
{
    if (idle_.size() < kIdleHandles)
        idle_.push_back(handle);
    else
        curl_easy_cleanup(static_cast<CURL*>(handle));
}

void CWebTransfer::DropQueued()
{
    queued_.clear();
}

}  // namespace ko
