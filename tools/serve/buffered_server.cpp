// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/serve/buffered_server.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <functional>
#include <string>
#include <utility>

namespace serve {
namespace {

using Clock = std::chrono::steady_clock;

void Address(int sock, bool remote, std::string& ip, int& port)
{
    sockaddr_storage address{};
    socklen_t length = sizeof address;
    const int got = remote ? ::getpeername(sock, reinterpret_cast<sockaddr*>(&address), &length)
                           : ::getsockname(sock, reinterpret_cast<sockaddr*>(&address), &length);
    if (got != 0) return;
    char text[INET6_ADDRSTRLEN] = "";
    if (address.ss_family == AF_INET) {
        const auto& in = reinterpret_cast<const sockaddr_in&>(address);
        ::inet_ntop(AF_INET, &in.sin_addr, text, sizeof text);
        port = ntohs(in.sin_port);
    } else if (address.ss_family == AF_INET6) {
        const auto& in = reinterpret_cast<const sockaddr_in6&>(address);
        ::inet_ntop(AF_INET6, &in.sin6_addr, text, sizeof text);
        port = ntohs(in.sin6_port);
    }
    ip = text;
}

class BufferedStream : public httplib::Stream {
public:
    // stopping() is asked at least every kSlice while a receive waits.
    BufferedStream(int sock, std::chrono::microseconds readTimeout, std::chrono::microseconds writeTimeout,
                   std::function<bool()> stopping)
        : sock_(sock), readTimeout_(readTimeout), writeTimeout_(writeTimeout), stopping_(std::move(stopping))
    {
        const auto slice = std::chrono::duration_cast<std::chrono::microseconds>(kSlice);
        timeval wait{0, static_cast<suseconds_t>(slice.count())};
        ::setsockopt(sock, SOL_SOCKET, SO_RCVTIMEO, &wait, sizeof wait);
        Address(sock, true, remoteIp_, remotePort_);
        Address(sock, false, localIp_, localPort_);
    }

    // Before the next request: true when one has started to arrive within timeout.
    bool AwaitRequest(std::chrono::seconds timeout)
    {
        return begin_ < end_ || Fill(Clock::now() + timeout) > 0;
    }

    // Only asked with nothing buffered before a read, which waits itself.
    bool is_readable() const override { return true; }

    bool is_writable() const override { return !failed_; }

    ssize_t read(char* ptr, size_t size) override
    {
        if (begin_ == end_) {
            const ssize_t got = Fill(Clock::now() + readTimeout_);
            if (got <= 0) return got;
        }
        const std::size_t taken = std::min(size, end_ - begin_);
        std::memcpy(ptr, in_ + begin_, taken);
        begin_ += taken;
        return static_cast<ssize_t>(taken);
    }

    // Kept until Flush; a large body leaves directly after what is buffered.
    ssize_t write(const char* ptr, size_t size) override
    {
        if (failed_) return -1;
        if (out_.size() + size <= kOutLimit) {
            out_.append(ptr, size);
        } else if (!Flush() || !Send(ptr, size)) {
            return -1;
        }
        return static_cast<ssize_t>(size);
    }

    bool Flush()
    {
        const bool sent = Send(out_.data(), out_.size());
        out_.clear();
        return sent;
    }

    void get_remote_ip_and_port(std::string& ip, int& port) const override
    {
        ip = remoteIp_;
        port = remotePort_;
    }

    void get_local_ip_and_port(std::string& ip, int& port) const override
    {
        ip = localIp_;
        port = localPort_;
    }

    socket_t socket() const override { return sock_; }

private:
    static constexpr std::size_t kInSize = 16 * 1024;
    static constexpr std::size_t kOutLimit = 1024 * 1024;
    static constexpr std::chrono::milliseconds kSlice{100};

    // One receive into the empty buffer, waiting until until at most; -1 when
    // the time ran out or the server stops, 0 when the peer closed.
    ssize_t Fill(Clock::time_point until)
    {
        begin_ = end_ = 0;
        for (;;) {
            const ssize_t got = ::recv(sock_, in_, kInSize, 0);
            if (got >= 0) {
                end_ = static_cast<std::size_t>(got);
                return got;
            }
            if (errno == EINTR) continue;
            if ((errno != EAGAIN && errno != EWOULDBLOCK) || stopping_() || Clock::now() >= until) return -1;
        }
    }

    // A peer that takes nothing for the write timeout fails the connection.
    bool Send(const char* data, std::size_t size)
    {
        const auto until = Clock::now() + writeTimeout_;
        while (size > 0 && !failed_) {
            const ssize_t sent = ::send(sock_, data, size, MSG_NOSIGNAL | MSG_DONTWAIT);
            if (sent > 0) {
                data += sent;
                size -= static_cast<std::size_t>(sent);
                continue;
            }
            if (sent < 0 && errno == EINTR) continue;
            const auto left = std::chrono::ceil<std::chrono::milliseconds>(until - Clock::now()).count();
            pollfd entry{sock_, POLLOUT, 0};
            if (sent < 0 && (errno == EAGAIN || errno == EWOULDBLOCK) && left > 0 &&
                ::poll(&entry, 1, static_cast<int>(left)) > 0)
                continue;
            failed_ = true;
        }
        return !failed_;
    }

    int sock_;
    std::chrono::microseconds readTimeout_, writeTimeout_;
    std::function<bool()> stopping_;
    std::string remoteIp_, localIp_;
    int remotePort_ = 0, localPort_ = 0;
    char in_[kInSize];
    std::size_t begin_ = 0, end_ = 0;
    std::string out_;
    bool failed_ = false;
};

}  // namespace

bool BufferedServer::process_and_close_socket(socket_t sock)
{
    using std::chrono::microseconds;
    using std::chrono::seconds;
    const auto stopping = [this] { return svr_sock_ == INVALID_SOCKET; };
    BufferedStream stream(sock, seconds(read_timeout_sec_) + microseconds(read_timeout_usec_),
                          seconds(write_timeout_sec_) + microseconds(write_timeout_usec_), stopping);
    bool result = false;
    for (std::size_t left = keep_alive_max_count_;
         left > 0 && !stopping() && stream.AwaitRequest(seconds(keep_alive_timeout_sec_)); --left) {
        bool closed = false;
        result = process_request(stream, left == 1, closed, {});
        if (!stream.Flush()) result = false;
        if (!result || closed) break;
    }
    ::shutdown(sock, SHUT_RDWR);
    ::close(sock);
    return result;
}

}  // namespace serve
