// SPDX-License-Identifier: GPL-3.0-or-later
// velder-serve --store DIR [--listen HOST:PORT] [--cert PEM --key PEM] [--threads N]
// velder-serve --db-url URL --uds DIR [--user NAME] [--password-file FILE] [...]:
// the read-only test server of a store, or of a test database with its UDS
// store (the password from the file's first line, else VELDER_DB_PASSWORD). Port 0 picks a free port; the
// address is printed on stdout ("velder-serve: listening on URL"), one access-log line per request on stderr.
// SIGINT and SIGTERM stop it after the requests in progress.
#include <httplib.h>
#include <pthread.h>
#include <signal.h>

#include <atomic>
#include <charconv>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <memory>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include "core/heap_tuning.h"
#include "core/number_text.h"
#include "tools/serve/buffered_server.h"
#include "tools/serve/store_service.h"

namespace {

struct Options {
    std::string store;
    std::string host = "127.0.0.1";
    int port = 8080;
    std::string cert;
    std::string key;
    int threads = 16;  // a kept-alive connection holds a worker; a client keeps up to four
    std::string dbUrl;
    std::string user;
    std::string passwordFile;
};

constexpr const char* kUsage =
    "usage: velder-serve (--store DIR | --db-url URL --uds DIR [--user NAME] [--password-file FILE])\n"
    "                    [--listen HOST:PORT] [--cert PEM --key PEM] [--threads N]\n"
    "--threads: workers (default 16); a kept-alive connection holds one for up to 2 s, and a\n"
    "           Velder client opens up to four, so fewer than four per client stall its loads";

int ParseInt(const std::string& text, int low, int high, const std::string& option)
{
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value < low || value > high)
        throw std::invalid_argument(option + ": not a number from " + std::to_string(low) + " to " +
                                    std::to_string(high) + ": '" + text + "'");
    return value;
}

Options ParseOptions(const std::vector<std::string>& args)
{
    Options options;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& name = args[i];
        if (i + 1 >= args.size())
            throw std::invalid_argument(name == "--help" ? kUsage : name + ": value missing");
        const std::string& value = args[++i];
        if (name == "--store" || name == "--uds") {
            options.store = value;
        } else if (name == "--db-url") {
            options.dbUrl = value;
        } else if (name == "--user") {
            options.user = value;
        } else if (name == "--password-file") {
            options.passwordFile = value;
        } else if (name == "--listen") {
            const std::size_t colon = value.rfind(':');
            if (colon == std::string::npos || colon == 0)
                throw std::invalid_argument("--listen: not HOST:PORT");
            options.host = value.substr(0, colon);
            options.port = ParseInt(value.substr(colon + 1), 0, 65535, "--listen");
        } else if (name == "--cert") {
            options.cert = value;
        } else if (name == "--key") {
            options.key = value;
        } else if (name == "--threads") {
            options.threads = ParseInt(value, 1, 64, "--threads");
        } else {
            throw std::invalid_argument("unknown option: " + name + "\n" + kUsage);
        }
    }
    if (options.store.empty() || !std::filesystem::is_directory(options.store))
        throw std::invalid_argument((options.dbUrl.empty() ? "--store" : "--uds") +
                                    std::string(": not a directory: '") + options.store + "'\n" + kUsage);
    if (options.cert.empty() != options.key.empty())
        throw std::invalid_argument("--cert and --key go together");
    return options;
}

serve::Query QueryOf(const httplib::Request& request)
{
    return {request.params.begin(), request.params.end()};
}

void Send(httplib::Response& response, const serve::Reply& reply)
{
    response.status = reply.status;
    response.set_content(reply.body, reply.contentType.c_str());
}

std::string Printable(const std::string& text)
{
    std::string out;
    for (char c : text.substr(0, 200)) out += (static_cast<unsigned char>(c) < 0x20 || c == 0x7f) ? '?' : c;
    return out;
}

thread_local std::chrono::steady_clock::time_point requestStart;

void Configure(httplib::Server& server, serve::StoreService& service, int threads)
{
    server.new_task_queue = [threads] { return new httplib::ThreadPool(static_cast<std::size_t>(threads)); };
    server.set_payload_max_length(64 * 1024);
    server.set_tcp_nodelay(true);  // a response leaves without waiting for an ACK
    server.set_read_timeout(5, 0);
    server.set_write_timeout(10, 0);
    server.set_keep_alive_timeout(2);
    server.set_keep_alive_max_count(1000);
    server.set_pre_routing_handler([](const httplib::Request&, httplib::Response&) {
        requestStart = std::chrono::steady_clock::now();
        return httplib::Server::HandlerResponse::Unhandled;
    });
    const auto guarded = [](auto answer) {
        return [answer](const httplib::Request& request, httplib::Response& response) {
            try {
                Send(response, answer(request));
            } catch (const std::exception& e) {
                Send(response, {500, "text/plain", std::string(e.what()) + "\n"});
            }
        };
    };
    server.Get(R"(/database/ZEB/transfer\.aspx)",
               guarded([&service](const httplib::Request& r) { return service.Transfer(QueryOf(r)); }));
    server.Get(R"(/database/ZEB/values\.asmx/getfilterclass)",
               guarded([&service](const httplib::Request&) { return service.FilterClass(); }));
    server.Get(R"(/database/ZEB/getmedia\.aspx)",
               guarded([&service](const httplib::Request& r) { return service.Media(QueryOf(r)); }));
    server.set_error_handler([](const httplib::Request&, httplib::Response& response) {
        if (response.body.empty())
            response.set_content("Status " + std::to_string(response.status) + "\n", "text/plain");
    });
    server.set_logger([](const httplib::Request& request, const httplib::Response& response) {
        const double ms =
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - requestStart)
                .count();
        std::string line = request.method + " " + Printable(request.path) + " " +
                           std::to_string(response.status) + " " + std::to_string(response.body.size()) +
                           " " + ko::FixedText(ms, 2) + "ms\n";
        std::cerr << line << std::flush;
    });
}

// The first line of the password file, else VELDER_DB_PASSWORD.
std::string Password(const Options& options)
{
    if (options.passwordFile.empty()) {
        const char* password = std::getenv("VELDER_DB_PASSWORD");
        return password ? password : "";
    }
    std::ifstream in(options.passwordFile);
    std::string line;
    if (!in || !std::getline(in, line)) throw std::runtime_error("cannot read " + options.passwordFile);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    return line;
}

std::unique_ptr<serve::StoreService> Service(const Options& options)
{
    if (options.dbUrl.empty()) return std::make_unique<serve::StoreService>(options.store);
    return std::make_unique<serve::StoreService>(
        options.store, serve::DatabaseSource{options.dbUrl, options.user, Password(options)});
}

int Serve(const Options& options)
{
    const auto owned = Service(options);
    serve::StoreService& service = *owned;
    std::unique_ptr<httplib::Server> server;
    const bool secure = !options.cert.empty();
    if (secure) {
        auto ssl = std::make_unique<httplib::SSLServer>(options.cert.c_str(), options.key.c_str());
        if (!ssl->is_valid()) throw std::runtime_error("cannot use the certificate or key");
        server = std::move(ssl);
    } else {
        server = std::make_unique<serve::BufferedServer>();
    }
    Configure(*server, service, options.threads);
    int port = options.port;
    if (port == 0) {
        port = server->bind_to_any_port(options.host);
        if (port < 0) throw std::runtime_error("cannot listen on " + options.host);
    } else if (!server->bind_to_port(options.host, port)) {
        throw std::runtime_error("cannot listen on " + options.host + ":" + std::to_string(port));
    }
    std::cout << "velder-serve: listening on " << (secure ? "https://" : "http://") << options.host << ":"
              << port << std::endl;
    std::atomic<bool> done{false};
    std::thread stopper([&server, &done] {
        sigset_t stops;
        sigemptyset(&stops);
        sigaddset(&stops, SIGINT);
        sigaddset(&stops, SIGTERM);
        int signal = 0;
        sigwait(&stops, &signal);
        // A stop before the server runs would be lost: repeat until it ends.
        while (!done) {
            server->stop();
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
    });
    server->listen_after_bind();
    done = true;
    ::kill(::getpid(), SIGTERM);  // ends a stopper still waiting for a signal
    stopper.join();
    std::cerr << "velder-serve: stopped\n";
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    ko::TuneHeap();
    sigset_t stops;
    sigemptyset(&stops);
    sigaddset(&stops, SIGINT);
    sigaddset(&stops, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &stops, nullptr);
    ::signal(SIGPIPE, SIG_IGN);
    try {
        return Serve(ParseOptions({argv + 1, argv + argc}));
    } catch (const std::invalid_argument& e) {
        std::cerr << "velder-serve: " << e.what() << "\n";
        return 2;
    } catch (const std::exception& e) {
        std::cerr << "velder-serve: " << e.what() << "\n";
        return 1;
    }
}
