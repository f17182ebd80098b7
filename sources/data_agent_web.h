// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstddef>
#include <deque>
#include <functional>
#include <memory>
#include <string>

#include "sources/data_agent.h"
#include "sources/web_transfer.h"

namespace ko {

// The data agent of the agency's web server (velder-serve): a test arrives as
// a packed EV5 Extension text, a test list as a packed tab-separated list,
// each curve as one UDS-1992 file whose header is used as it arrives.
class CDataAgentWeb : public CDataAgent {
public:
    static constexpr const char* kDefaultServerURL = "https://";
    static constexpr const char* kBasePath = "/database/ZEB/";

    explicit CDataAgentWeb(CWebOptions options = {});
    ~CDataAgentWeb() override;

    const std::string& GetServerURL() const { return serverURL_; }
    void SetServerURL(const std::string& url) { serverURL_ = url; }
    // Parses the server URL (without a known scheme: the "http://" address of
    // the same server) and opens a connection to it; for HTTPS the certificate
    // is verified unless the options say insecure.
    bool Connect();
    bool IsSecure() const { return secure_; }
    const CWebOptions& GetOptions() const { return transfer_.GetOptions(); }

    // Receives every status line while a download runs.
    void SetStatusSink(std::function<void(const std::string&)> sink) { statusSink_ = std::move(sink); }

    bool LoadTest(const std::shared_ptr<CTestType>& test) override;
    bool LoadTest(TestKind kind) override;
    using CDataAgent::LoadTest;
    bool LoadTestList(TestKind kind) override;
    bool LoadCodes(int codeIdentifier, TestKind kind) override;
    bool LoadValues(int valueIdentifier) override;
    bool LoadMedia(TestKind kind, MediaKind mediaKind, unsigned testNumber, int sequenceNumber) override;
    // Fetches the planned curves ahead, up to kCurvesAhead at a time beside
    // each other, so a selection's downloads overlap.
    void PlanCurves(TestKind kind, const CurveList& curves) override;
    static constexpr std::size_t kCurvesAhead = 16;

    // The body of the last response.
    const std::string& GetDownload() const { return download_; }

protected:
    void FillBioSignal(CUDSFile& file) override;
    void FillComSignal(CUDSFile& file) override;
    void FillVehSignal(CUDSFile& file) override;
    virtual void OnStatusCallback(int status, const std::string& info);

private:
    // Downloads the object path into the download buffer, checking the status
    // and, when expected is not empty, the upper-cased content type.
    void Download(const std::string& objectPath, const std::string& expected);
    void SendGet(const std::string& objectPath);
    void CheckStatus() const;
    void CheckContentType(const std::string& expected) const;
    void ReadBody();
    void LoadCurrentTest();
    void FillFromDownload(CUDSFile& file);
    void QueueAhead();

    CWebTransfer transfer_;
    std::string serverURL_ = kDefaultServerURL;
    std::string base_;  // scheme://host[:port] after Connect
    bool secure_ = false;
    CWebResponse response_;
    bool haveResponse_ = false;
    std::string download_;
    std::deque<std::string> planned_;  // curve URLs not yet queued
    std::function<void(const std::string&)> statusSink_;
};

}  // namespace ko
