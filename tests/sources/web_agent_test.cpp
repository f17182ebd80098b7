// SPDX-License-Identifier: GPL-3.0-or-later
// The web agent against velder-serve on the sample store (HTTP and verified
// HTTPS) and against a fault server that answers with broken responses.
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <atomic>
#include <cmath>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <mutex>
#include <thread>
#include <utility>

#include "core/signal.h"
#include "formats/ev5_vehicle.h"
#include "samples/sample_store.h"
#include "sources/data_agent_file.h"
#include "sources/data_agent_web.h"
#include "sources/packed_text.h"
#include "sources/test_list_text.h"
#include "sources/web_status_texts.h"
#include "tests/support/serve_process.h"

namespace {

namespace fs = std::filesystem;
using velder_test::ServeProcess;

// A loopback TCP socket on a free port; listening (connections wait to be
// accepted) or not (connections are refused).
struct LoopbackSocket {
    explicit LoopbackSocket(bool listening)
    {
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t size = sizeof address;
        if (::bind(fd, reinterpret_cast<sockaddr*>(&address), size) != 0 ||
            (listening && ::listen(fd, 8) != 0) ||
            ::getsockname(fd, reinterpret_cast<sockaddr*>(&address), &size) != 0)
            throw std::runtime_error("loopback socket");
        port = ntohs(address.sin_port);
    }
    LoopbackSocket(const LoopbackSocket&) = delete;
    LoopbackSocket& operator=(const LoopbackSocket&) = delete;
    ~LoopbackSocket() { ::close(fd); }
    std::string Url() const { return "http://127.0.0.1:" + std::to_string(port); }

    int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    int port = 0;
};

// Answers each connection with the canned response for its request line.
class FaultServer {
public:
    explicit FaultServer(std::function<std::string(const std::string&)> answer)
        : answer_(std::move(answer)), thread_([this] { Run(); })
    {
    }
    ~FaultServer()
    {
        stop_ = true;
        thread_.join();
    }
    std::string Url() const { return listener_.Url(); }

private:
    void Run()
    {
        pollfd ready{listener_.fd, POLLIN, 0};
        while (!stop_) {
            if (::poll(&ready, 1, 100) <= 0) continue;
            const int client = ::accept(listener_.fd, nullptr, nullptr);
            if (client < 0) continue;
            std::string request;
            char buffer[4096];
            while (request.find("\r\n\r\n") == std::string::npos) {
                const ssize_t n = ::recv(client, buffer, sizeof buffer, 0);
                if (n <= 0) break;
                request.append(buffer, static_cast<std::size_t>(n));
            }
            const std::string reply = answer_(request.substr(0, request.find("\r\n")));
            ::send(client, reply.data(), reply.size(), MSG_NOSIGNAL);
            ::close(client);
        }
    }

    std::function<std::string(const std::string&)> answer_;
    LoopbackSocket listener_{true};
    std::atomic<bool> stop_{false};
    std::thread thread_;  // last: it starts once the rest is in place
};

// A client connection that writes raw bytes and reads responses with a
// Content-Length; a response with status 0 means the server closed.
class RawConnection {
public:
    explicit RawConnection(const std::string& url)
    {
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        address.sin_port = htons(static_cast<std::uint16_t>(std::stoi(url.substr(url.rfind(':') + 1))));
        timeval wait{10, 0};
        ::setsockopt(socket_, SOL_SOCKET, SO_RCVTIMEO, &wait, sizeof wait);
        if (::connect(socket_, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0)
            throw std::runtime_error("raw connection");
    }
    ~RawConnection() { ::close(socket_); }

    void Send(const std::string& bytes) { ::send(socket_, bytes.data(), bytes.size(), MSG_NOSIGNAL); }

    std::pair<int, std::string> Read()
    {
        std::size_t end;
        while ((end = buffer_.find("\r\n\r\n")) == std::string::npos)
            if (!Fill()) return {0, {}};
        const std::string head = buffer_.substr(0, end);
        const std::size_t length = head.find("Content-Length: ");
        if (length == std::string::npos) return {0, head};
        const std::size_t size = std::stoul(head.substr(length + 16));
        while (buffer_.size() < end + 4 + size)
            if (!Fill()) return {0, {}};
        std::pair<int, std::string> response{std::stoi(head.substr(9, 3)), buffer_.substr(end + 4, size)};
        buffer_.erase(0, end + 4 + size);
        return response;
    }

    // Nothing more came and the server closed (not: the receive timed out).
    bool Closed()
    {
        char next = 0;
        return buffer_.empty() && ::recv(socket_, &next, 1, 0) == 0;
    }

private:
    bool Fill()
    {
        char block[65536];
        const ssize_t got = ::recv(socket_, block, sizeof block, 0);
        if (got <= 0) return false;
        buffer_.append(block, static_cast<std::size_t>(got));
        return true;
    }

    int socket_ = ::socket(AF_INET, SOCK_STREAM, 0);
    std::string buffer_;
};

std::string Request(const std::string& target, const std::string& headers = {})
{
    return "GET /database/ZEB/" + target + " HTTP/1.1\r\nHost: 127.0.0.1\r\n" + headers + "\r\n";
}

std::string Response(const std::string& status, const std::string& headers, const std::string& body)
{
    return "HTTP/1.1 " + status + "\r\n" + headers + "Content-Length: " + std::to_string(body.size()) +
           "\r\nConnection: close\r\n\r\n" + body;
}

class WebAgent : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        root_ = new fs::path(fs::temp_directory_path() / ("velder_web_" + std::to_string(::getpid())));
        fs::remove_all(*root_);
        ko::WriteSampleStore((*root_ / "store").string());
        velder_test::MakeTestCertificates(*root_);
        http_ = new ServeProcess({"--store", (*root_ / "store").string(), "--threads", "2"});
        https_ = new ServeProcess(
            {"--store", (*root_ / "store").string(), "--cert", Pem("cert"), "--key", Pem("key")});
    }
    static void TearDownTestSuite()
    {
        delete http_;
        delete https_;
        fs::remove_all(*root_);
        delete root_;
    }
    static std::string Pem(const char* name) { return (*root_ / (std::string(name) + ".pem")).string(); }

    static std::shared_ptr<ko::CDataAgentWeb> Connected(const std::string& url, ko::CWebOptions options = {})
    {
        auto agent = std::make_shared<ko::CDataAgentWeb>(options);
        agent->SetServerURL(url);
        EXPECT_TRUE(agent->Connect()) << agent->GetLastError();
        return agent;
    }

    static std::string ExtensionText(const std::shared_ptr<ko::CVehicleTest>& test, int number)
    {
        ko::CEV5VehExt writer(test, number);
        writer.SetDate(std::tm{});
        std::string text;
        writer.ToString(text);
        return text;
    }

    static fs::path* root_;
    static ServeProcess* http_;
    static ServeProcess* https_;
};

fs::path* WebAgent::root_ = nullptr;
ServeProcess* WebAgent::http_ = nullptr;
ServeProcess* WebAgent::https_ = nullptr;

// Records and every curve of the vehicle tests as the file agent reads them
// from the store; curves of text files arrive as single-precision UDS data.
TEST_F(WebAgent, SameTestsListsAndCurvesAsTheFileSource)
{
    std::vector<std::string> statuses;
    auto web = Connected(http_->Url());
    ko::CDataAgentFile file;
    ASSERT_TRUE(file.SetStoreRoot((*root_ / "store").string()));
    web->SetStatusSink([&statuses](const std::string& text) { statuses.push_back(text); });
    for (int number : {101, 104}) {
        auto fromWeb = std::make_shared<ko::CVehicleTest>();
        auto fromFile = std::make_shared<ko::CVehicleTest>();
        ASSERT_TRUE(web->LoadTest(static_cast<unsigned>(number), fromWeb)) << web->GetLastError();
        ASSERT_TRUE(file.LoadTest(static_cast<unsigned>(number), fromFile)) << file.GetLastError();
        EXPECT_EQ(ExtensionText(fromWeb, number), ExtensionText(fromFile, number));
        for (const auto& row : fromFile->GetInstrumentations()) {
            std::shared_ptr<ko::CNSignal> a, b;
            for (auto* agent :
                 {static_cast<ko::CDataAgent*>(web.get()), static_cast<ko::CDataAgent*>(&file)}) {
                ASSERT_TRUE(agent->SetTest(fromFile) && agent->SetTestNumber(static_cast<unsigned>(number)) &&
                            agent->SetCurveNumber(static_cast<unsigned>(row->GetCURNO())));
            }
            const bool webRead = web->LoadSignal(a), fileRead = file.LoadSignal(b);
            ASSERT_EQ(webRead, fileRead) << web->GetLastError() << " / " << file.GetLastError();
            if (!fileRead) continue;
            EXPECT_EQ(a->GetFileName(), row->GetSIGNALNAME());
            EXPECT_EQ(a->GetAttachment(), b->GetAttachment());
            EXPECT_EQ(a->GetYUNITS(), b->GetYUNITS());
            EXPECT_EQ(a->GetTSTNO(), b->GetTSTNO());
            ASSERT_EQ(a->GetY().size(), b->GetY().size());
            for (std::size_t i = 0; i < a->GetY().size(); ++i)
                ASSERT_NEAR(a->GetY()[i], b->GetY()[i], 1e-6 * (1 + std::fabs(b->GetY()[i])));
        }
    }
    EXPECT_NE(std::find(statuses.begin(), statuses.end(), "Resolving Name: 127.0.0.1"), statuses.end());
    EXPECT_NE(std::find(statuses.begin(), statuses.end(), "Request Complete."), statuses.end());

    for (ko::TestKind kind : {ko::TestKind::Vehicle, ko::TestKind::Component, ko::TestKind::Biomechanics}) {
        ASSERT_TRUE(web->LoadTestList(kind)) << web->GetLastError();
        ASSERT_TRUE(file.LoadTestList(kind));
    }
    EXPECT_EQ(ko::TestListText(web->GetVehTestList()), ko::TestListText(file.GetVehTestList()));
    EXPECT_EQ(ko::TestListText(web->GetComTestList()), ko::TestListText(file.GetComTestList()));
    EXPECT_EQ(ko::TestListText(web->GetBioTestList()), ko::TestListText(file.GetBioTestList()));
    EXPECT_EQ(web->GetVehTestList().size(), 4u);
}

TEST_F(WebAgent, ServerAnswersForWhatCannotBeServed)
{
    auto web = Connected(http_->Url());
    auto test = std::make_shared<ko::CVehicleTest>();
    EXPECT_FALSE(web->LoadTest(4242, test));
    EXPECT_EQ(web->GetLastError(), "Test Number: 4242 is invalid.");
    ASSERT_TRUE(web->LoadTest(101, test));
    ASSERT_TRUE(web->SetTest(test) && web->SetCurveNumber(999));
    std::shared_ptr<ko::CNSignal> signal;
    EXPECT_FALSE(web->LoadSignal(signal));
    EXPECT_EQ(web->GetLastError(), "Server has not found anything matching request: code 404 ");

    ko::CWebTransfer raw;
    const std::string base = http_->Url() + "/database/ZEB/";
    for (const char* query : {"transfer.aspx?DATABASE=vehdb&TSTNO=101x&CURNO=1&FORMAT=UDS_SINGLE",
                              "transfer.aspx?DATABASE=vehdb&TSTNO=..%2F..%2Fetc&CURNO=1&FORMAT=UDS_SINGLE",
                              "transfer.aspx?DATABASE=../vehdb&FORMAT=DFL", "transfer.aspx?DATABASE=vehdb",
                              "transfer.aspx?DATABASE=vehdb&TSTNO=101&TSTNO=102&CURNO=1&FORMAT=EXT",
                              "getmedia.aspx?tstno=101&index=1&database=v&type=..%2F"})
        EXPECT_EQ(raw.Get(base + query).status, 400) << query;
    EXPECT_EQ(raw.Get(http_->Url() + "/database/ZEB/..%2F..%2Fuds/transfer.aspx").status, 404);
    EXPECT_EQ(raw.Get(base + "getmedia.aspx?tstno=101&index=1&database=v&type=P").status, 404);
    EXPECT_EQ(raw.Get(base + "transfer.aspx?" + std::string(9000, 'A')).status, 414);

    EXPECT_TRUE(web->LoadValues(3));
    EXPECT_EQ(web->GetDownload().substr(0, 6), "SENATT");
    EXPECT_FALSE(web->LoadValues(2));
    EXPECT_EQ(web->GetLastError(), "Invalid value or values is not supported.");
    EXPECT_FALSE(web->LoadCodes(1, ko::TestKind::Vehicle));
    ASSERT_TRUE(web->LoadMedia(ko::TestKind::CollisionWarning, ko::MediaKind::Video, 7, 2));
    EXPECT_EQ(web->GetMediaLocation(), http_->Url() + "/database/ZEB/getmedia.aspx?tstno=7&index=2&type=V");
}

TEST_F(WebAgent, ConnectSchemesAndTls)
{
    const std::string hostPort = http_->Url().substr(7);
    ko::CDataAgentWeb agent;
    for (const auto& [url, failure] : std::vector<std::pair<std::string, std::string>>{
             {hostPort, ""},
             {"htp://" + hostPort, ""},
             {"https://", "URL is empty or does not contain a known internet service type"},
             {"ftp://" + hostPort, "Unknown internet service type"}}) {
        agent.SetServerURL(url);
        EXPECT_EQ(agent.Connect(), failure.empty()) << url;
        EXPECT_EQ(agent.GetLastError(), failure) << url;
    }
    agent.SetServerURL("http://127.0.0.1:1");  // nobody listens there
    EXPECT_FALSE(agent.Connect());
    EXPECT_EQ(agent.GetLastError().rfind("Error: (7) ", 0), 0u) << agent.GetLastError();

    ko::CDataAgentWeb unverified;
    unverified.SetServerURL(https_->Url());
    EXPECT_FALSE(unverified.Connect());
    EXPECT_EQ(unverified.GetLastError().rfind("Error: (60) ", 0), 0u) << unverified.GetLastError();
    for (const ko::CWebOptions& options : {ko::CWebOptions{Pem("ca"), false}, ko::CWebOptions{{}, true}}) {
        auto web = Connected(https_->Url(), options);
        EXPECT_TRUE(web->IsSecure());
        EXPECT_TRUE(web->LoadTestList(ko::TestKind::Component)) << web->GetLastError();
        EXPECT_EQ(web->GetComTestList().size(), 2u);
    }
}

TEST_F(WebAgent, BrokenResponsesFailClearly)
{
    FaultServer faults([](const std::string& line) {
        if (line.find("TSTNO=1&") != std::string::npos)
            return Response("200 OK", "Content-Type: text/plain\r\n", "xx");
        if (line.find("TSTNO=2&") != std::string::npos) return Response("200 OK", "", "body");
        if (line.find("TSTNO=3&") != std::string::npos)
            return Response("200 OK", "Content-Type: error\r\n", "x");
        if (line.find("TSTNO=4&") != std::string::npos) return Response("500 Oops", "", "");
        if (line.find("TSTNO=5&") != std::string::npos)
            return std::string(
                "HTTP/1.1 200 OK\r\nContent-Type: TEXT/PLAIN\r\nContent-Length: 100\r\n\r\nshort");
        if (line.find("TSTNO=6&") != std::string::npos)
            return Response("200 OK", "Content-Type: text/plain\r\n", ko::PackText("no EV5 text"));
        if (line.find("UDS_SINGLE") != std::string::npos)
            return Response("200 OK", "Content-Type: application/X-VND.korva.uds1992\r\n", "not UDS");
        return Response("200 OK", "Content-Type: ERROR\r\n", "Server says no.");
    });
    auto web = Connected(faults.Url());
    const auto failure = [&web](unsigned number) {
        auto test = std::make_shared<ko::CVehicleTest>();
        EXPECT_FALSE(web->LoadTest(number, test));
        return web->GetLastError();
    };
    EXPECT_EQ(failure(1), "Invalid packed data: the body is not one complete zlib stream.");
    EXPECT_EQ(failure(2), "Test Not Found in Production Database");
    EXPECT_EQ(failure(3), "Invalid Content Type: error");
    EXPECT_EQ(failure(4), "Server encountered an unexpected condition.");
    EXPECT_EQ(failure(5).rfind("Error: (18) ", 0), 0u) << failure(5);
    EXPECT_NE(failure(6), "");
    EXPECT_EQ(failure(7), "Server says no.");
    EXPECT_EQ(web->GetVehicleTest(), nullptr);

    ASSERT_TRUE(web->SetTest(std::make_shared<ko::CVehicleTest>()) && web->SetCurveNumber(1));
    std::shared_ptr<ko::CNSignal> signal;
    EXPECT_FALSE(web->LoadSignal(signal));
    EXPECT_NE(web->GetLastError(), "");
    EXPECT_TRUE(signal->GetY().empty());
}

// Queued transfers run beside each other; Get takes a queued response without
// asking again and drops what was queued before it; failures read as for Get.
TEST_F(WebAgent, QueuedTransfersAnswerAsOneByOne)
{
    std::mutex mutex;
    std::map<std::string, int> asked;
    FaultServer server([&](const std::string& line) {
        if (line.rfind("GET ", 0) != 0) return std::string();
        const std::string path = line.substr(4, line.rfind(' ') - 4);
        std::lock_guard lock(mutex);
        ++asked[path];
        if (path == "/big") return Response("200 OK", "", std::string(4096, 'x'));
        return Response("200 OK", "Content-Type: text/plain\r\n", "body of " + path);
    });
    ko::CWebOptions options;
    options.bodyLimit = 1024;
    ko::CWebTransfer transfer(options);
    for (const char* path : {"/a", "/b", "/c", "/big"}) transfer.Queue(server.Url() + path);
    EXPECT_TRUE(transfer.IsQueued(server.Url() + "/b"));
    EXPECT_EQ(transfer.Get(server.Url() + "/b").body, "body of /b");
    EXPECT_FALSE(transfer.IsQueued(server.Url() + "/a"));
    EXPECT_EQ(transfer.QueuedCount(), 2u);
    EXPECT_EQ(transfer.Get(server.Url() + "/c").body, "body of /c");
    EXPECT_EQ(transfer.Get(server.Url() + "/a").body, "body of /a");
    try {
        transfer.Get(server.Url() + "/big");
        ADD_FAILURE() << "a body over the limit was taken";
    } catch (const std::logic_error& e) {
        EXPECT_EQ(std::string(e.what()), "The response body is larger than 1024 bytes.");
    }
    EXPECT_EQ(transfer.QueuedCount(), 0u);
    {
        std::lock_guard lock(mutex);
        EXPECT_EQ(asked["/b"], 1);
        EXPECT_EQ(asked["/c"], 1);
    }

    // A bound socket that does not listen refuses connections.
    const LoopbackSocket closed(false);
    const std::string refused = closed.Url() + "/x";
    transfer.Queue(refused);
    try {
        transfer.Get(refused);
        ADD_FAILURE() << "a refused connection gave a response";
    } catch (const std::logic_error& e) {
        EXPECT_EQ(std::string(e.what()).rfind("Error: (7) ", 0), 0u) << e.what();
    }
}

// A selection's planned curves arrive as read one by one: the same signals,
// the same failure text for a missing curve, and no curve asked for twice.
TEST_F(WebAgent, PlannedCurvesReadAsUnplanned)
{
    ko::CDataAgentFile file;
    ASSERT_TRUE(file.SetStoreRoot((*root_ / "store").string()));
    auto test = std::make_shared<ko::CVehicleTest>();
    ASSERT_TRUE(file.LoadTest(101, test)) << file.GetLastError();
    const auto& rows = test->GetInstrumentations();
    ASSERT_GE(rows.size(), 3u);
    const auto read = [&test](ko::CDataAgent& agent, int curve, std::shared_ptr<ko::CNSignal>& signal) {
        return agent.SetTest(test) && agent.SetTestNumber(101) &&
               agent.SetCurveNumber(static_cast<unsigned>(curve)) && agent.LoadSignal(signal);
    };
    const int missing = rows[1]->GetCURNO();
    const auto Run = [&](bool planned, std::map<std::string, int>& asked) {
        std::mutex mutex;
        std::vector<std::string> results;
        {
            FaultServer proxy([&](const std::string& line) {
                if (line.rfind("GET ", 0) != 0) return std::string();  // a connection probe
                std::lock_guard lock(mutex);
                ++asked[line];
                if (line.find("CURNO=" + std::to_string(missing) + "&") != std::string::npos)
                    return Response("404 Not Found", "", "");
                ko::CWebTransfer upstream;
                const auto answer = upstream.Get(http_->Url() + line.substr(4, line.rfind(' ') - 4));
                return Response("200 OK", "Content-Type: " + answer.contentType.value_or("") + "\r\n",
                                answer.body);
            });
            auto web = Connected(proxy.Url());
            ko::CDataAgent::CurveList curves;
            for (const auto& row : rows) curves.emplace_back(101u, static_cast<unsigned>(row->GetCURNO()));
            if (planned) web->PlanCurves(ko::TestKind::Vehicle, curves);
            for (const auto& row : rows) {
                std::shared_ptr<ko::CNSignal> signal;
                results.push_back(read(*web, row->GetCURNO(), signal)
                                      ? std::to_string(signal->GetY().size()) + " " + signal->GetFileName()
                                      : web->GetLastError());
            }
            web->PlanCurves(ko::TestKind::Vehicle, {});
        }
        return results;
    };
    std::map<std::string, int> plannedAsked, unplannedAsked;
    const auto planned = Run(true, plannedAsked);
    const auto unplanned = Run(false, unplannedAsked);
    EXPECT_EQ(planned, unplanned);
    EXPECT_EQ(planned[1], ko::StatusText(404));
    EXPECT_EQ(plannedAsked, unplannedAsked);
    for (const auto& [line, count] : plannedAsked) EXPECT_EQ(count, 1) << line;

    std::shared_ptr<ko::CNSignal> fromFile, fromWeb;
    auto web = Connected(http_->Url());
    web->PlanCurves(ko::TestKind::Vehicle, {{101u, static_cast<unsigned>(rows[0]->GetCURNO())}});
    ASSERT_TRUE(read(file, rows[0]->GetCURNO(), fromFile) && read(*web, rows[0]->GetCURNO(), fromWeb));
    EXPECT_EQ(fromWeb->GetY(), fromFile->GetY());
}

// Requests sent back to back on one connection, or in pieces, are answered in
// order with the bytes a request of their own gets; a large body arrives whole.
TEST_F(WebAgent, ServerConnectionAnswersEveryRequestInOrder)
{
    const std::string curve = "transfer.aspx?DATABASE=vehdb&TSTNO=101&CURNO=1&FORMAT=UDS_SINGLE";
    const std::string other = "transfer.aspx?DATABASE=vehdb&TSTNO=103&CURNO=2&FORMAT=UDS_SINGLE";
    const std::string missing = "transfer.aspx?DATABASE=vehdb&TSTNO=101&CURNO=999&FORMAT=UDS_SINGLE";
    const fs::path media = *root_ / "store" / "media" / "vehdb" / "101";
    fs::create_directories(media);
    std::string large(3 << 20, '\0');
    for (std::size_t i = 0; i < large.size(); ++i) large[i] = static_cast<char>((i * 7919) >> 5);
    {
        std::ofstream(media / "P1.jpg", std::ios::binary) << large;
    }
    const std::string photo = "getmedia.aspx?tstno=101&index=1&database=v&type=P";
    ko::CWebTransfer alone;
    const std::string base = http_->Url() + "/database/ZEB/";
    const auto expected = [&](const std::string& target) { return alone.Get(base + target).body; };
    ASSERT_GT(expected(curve).size(), 1000u);
    ASSERT_EQ(expected(photo), large);

    RawConnection connection(http_->Url());
    connection.Send(Request(curve) + Request(missing) + Request(photo) + Request(other));
    EXPECT_EQ(connection.Read(), std::pair(200, expected(curve)));
    EXPECT_EQ(connection.Read().first, 404);
    EXPECT_EQ(connection.Read(), std::pair(200, large));
    EXPECT_EQ(connection.Read(), std::pair(200, expected(other)));

    const std::string split = Request(other);
    for (std::size_t at = 0; at < split.size(); at += 40) {
        connection.Send(split.substr(at, 40));
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    EXPECT_EQ(connection.Read(), std::pair(200, expected(other)));
    connection.Send(Request(curve, "Connection: close\r\n"));
    EXPECT_EQ(connection.Read(), std::pair(200, expected(curve)));
    EXPECT_TRUE(connection.Closed());
    fs::remove_all(*root_ / "store" / "media");
}

// A server that takes the connection but never answers fails the request
// after the request timeout; the session still serves the next one.
TEST_F(WebAgent, UnansweredRequestTimesOut)
{
    LoopbackSocket silent(true);  // never accepts: connections wait unanswered
    ko::CWebOptions options;
    options.requestSeconds = 1;
    ko::CWebTransfer transfer(options);
    try {
        transfer.Get(silent.Url() + "/x");
        ADD_FAILURE() << "an unanswered request gave a response";
    } catch (const std::logic_error& e) {
        EXPECT_EQ(std::string(e.what()).rfind("Error: (28) ", 0), 0u) << e.what();
    }
    EXPECT_EQ(transfer.Get(http_->Url() + "/database/ZEB/values.asmx/getfilterclass").status, 200);
}

// The stop ends kept-alive connections that wait for their next request.
TEST_F(WebAgent, ServerStopsOnSigterm)
{
    ServeProcess server({"--store", (*root_ / "store").string()});
    RawConnection idle(server.Url());
    idle.Send(Request("values.asmx/getfilterclass"));
    EXPECT_EQ(idle.Read().first, 200);
    EXPECT_EQ(server.Stop(), 0);
    EXPECT_TRUE(idle.Closed());
}

}  // namespace
