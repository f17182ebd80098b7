// SPDX-License-Identifier: GPL-3.0-or-later
#include "sources/web_transfer.h"

#include <curl/curl.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <charconv>
#include <mutex>
#include <stdexcept>

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

void Check(CURLcode code, const char* detail)
{
    if (code == CURLE_OK) return;
    const std::string message = detail && *detail ? detail : curl_easy_strerror(code);
    throw CFailure("Error: (" + std::to_string(static_cast<int>(code)) + ") " +
                   (message.empty() ? "CInternet Exception: No Message" : message));
}

std::string Trimmed(std::string text)
{
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.back()))) text.pop_back();
    std::size_t start = 0;
    while (start < text.size() && std::isspace(static_cast<unsigned char>(text[start]))) ++start;
    return text.substr(start);
}

// A header line "Name: value" of the final response; a new status line starts over.
std::size_t OnHeader(char* data, std::size_t size, std::size_t count, void* user)
{
    auto& receiving = *static_cast<Receiving*>(user);
    const std::string line(data, size * count);
    if (!receiving.headerSeen) {
        receiving.headerSeen = true;
        long requestSize = 0;
        curl_easy_getinfo(receiving.handle, CURLINFO_REQUEST_SIZE, &requestSize);
        receiving.transfer->Status(31, std::to_string(requestSize));
        receiving.transfer->Status(40, {});
    }
    if (line.rfind("HTTP/", 0) == 0) {
        receiving.response->contentType.reset();
        receiving.response->contentLength.reset();
        return size * count;
    }
    const std::size_t colon = line.find(':');
    if (colon == std::string::npos) return size * count;
    std::string name = line.substr(0, colon);
    std::transform(name.begin(), name.end(), name.begin(), [](unsigned char c) { return std::tolower(c); });
    const std::string value = Trimmed(line.substr(colon + 1));
    if (name == "content-type") receiving.response->contentType = value;
    if (name == "content-length") {
        std::size_t length = 0;
        const auto [end, error] = std::from_chars(value.data(), value.data() + value.size(), length);
        if (error == std::errc() && end == value.data() + value.size())
            receiving.response->contentLength = length;
    }
    return size * count;
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
    if (handle_) curl_easy_cleanup(static_cast<CURL*>(handle_));
}

void* CWebTransfer::Handle()
{
    if (!handle_) {
        handle_ = curl_easy_init();
        if (!handle_) throw CFailure("File Pointer is Null");
        Status(60, {});
    }
    return handle_;
}

void CWebTransfer::Apply(void* raw, const std::string& url)
{
    CURL* handle = static_cast<CURL*>(raw);
    curl_easy_setopt(handle, CURLOPT_URL, url.c_str());
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
}

void CWebTransfer::Probe(const std::string& url)
{
    CURL* handle = curl_easy_init();
    if (!handle) throw CFailure("File Pointer is Null");
    char error[CURL_ERROR_SIZE] = "";
    Apply(handle, url);
    curl_easy_setopt(handle, CURLOPT_CONNECT_ONLY, 1L);
    curl_easy_setopt(handle, CURLOPT_ERRORBUFFER, error);
    Status(10, HostOf(url));
    const CURLcode code = curl_easy_perform(handle);
    curl_easy_cleanup(handle);
    Check(code, error);
}

CWebResponse CWebTransfer::Get(const std::string& url)
{
    CURL* handle = static_cast<CURL*>(Handle());
    CWebResponse response;
    Receiving receiving{this, handle, &response, options_.bodyLimit};
    char error[CURL_ERROR_SIZE] = "";
    Apply(handle, url);
    curl_easy_setopt(handle, CURLOPT_HTTPGET, 1L);
    curl_easy_setopt(handle, CURLOPT_ERRORBUFFER, error);
    curl_easy_setopt(handle, CURLOPT_HEADERFUNCTION, &OnHeader);
    curl_easy_setopt(handle, CURLOPT_HEADERDATA, &receiving);
    curl_easy_setopt(handle, CURLOPT_WRITEFUNCTION, &OnBody);
    curl_easy_setopt(handle, CURLOPT_WRITEDATA, &receiving);
    Status(10, HostOf(url));
    const CURLcode code = curl_easy_perform(handle);
    curl_easy_setopt(handle, CURLOPT_ERRORBUFFER, nullptr);
    if (receiving.tooLarge)
        throw CFailure("The response body is larger than " + std::to_string(options_.bodyLimit) + " bytes.");
    Check(code, error);
    curl_easy_getinfo(handle, CURLINFO_RESPONSE_CODE, &response.status);
    Status(41, std::to_string(response.body.size()));
    Status(100, {});
    return response;
}

}  // namespace ko
