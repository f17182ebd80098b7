// SPDX-License-Identifier: GPL-3.0-or-later
#include "sources/data_agent_web.h"

#include <algorithm>
#include <cctype>
#include <optional>
#include <stdexcept>
#include <string_view>

#include "core/failure.h"
#include "formats/file_name.h"
#include "formats/uds_file.h"
#include "sources/ev5_reading.h"
#include "sources/packed_text.h"
#include "sources/test_list_text.h"
#include "sources/web_status_texts.h"

namespace ko {
namespace {

constexpr const char* kTextType = "TEXT/PLAIN";
constexpr const char* kCurveType = "APPLICATION/X-VND.KORVA.UDS1992";
constexpr const char* kTransfer = "transfer.aspx?";

struct ParsedURL {
    std::string scheme;  // lower case
    std::string host;    // host[:port]
};

std::string Lower(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::tolower(c); });
    return text;
}

std::string Upper(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::toupper(c); });
    return text;
}

bool IsHostChar(char c)
{
    return std::isalnum(static_cast<unsigned char>(c)) || c == '.' || c == '-' || c == ':' || c == '[' ||
           c == ']' || c == '_';
}

// scheme://host[:port][/...] with a scheme the internet library knows.
std::optional<ParsedURL> ParseURL(const std::string& url)
{
    static constexpr std::string_view known[] = {"http", "https", "ftp",    "gopher",
                                                 "file", "news",  "mailto", "telnet"};
    const std::size_t mark = url.find("://");
    if (mark == std::string::npos) return std::nullopt;
    ParsedURL parsed{Lower(url.substr(0, mark)), {}};
    const std::string_view scheme = parsed.scheme;
    if (std::none_of(std::begin(known), std::end(known),
                     [scheme](std::string_view k) { return k == scheme; }))
        return std::nullopt;
    const std::size_t end = url.find_first_of("/?#", mark + 3);
    parsed.host = url.substr(mark + 3, end == std::string::npos ? std::string::npos : end - mark - 3);
    if (parsed.host.empty() || !std::all_of(parsed.host.begin(), parsed.host.end(), IsHostChar))
        return std::nullopt;
    return parsed;
}

std::string Trimmed(const std::string& text)
{
    const auto first =
        std::find_if_not(text.begin(), text.end(), [](unsigned char c) { return std::isspace(c); });
    const auto last =
        std::find_if_not(text.rbegin(), text.rend(), [](unsigned char c) { return std::isspace(c); });
    return first < last.base() ? std::string(first, last.base()) : std::string();
}

std::string CurvePath(const std::string& database, long long test, long long curve)
{
    return std::string(kTransfer) + "DATABASE=" + database + "&TSTNO=" + std::to_string(test) +
           "&CURNO=" + std::to_string(curve) + "&FORMAT=UDS_SINGLE";
}

template <class Row>
void ReadRows(const std::string& text, const std::function<void(std::shared_ptr<Row>)>& add)
{
    ReadTestList(text, add);
}

template <class Test>
std::shared_ptr<CInstrumentation> RowOf(const std::shared_ptr<Test>& test, int curve)
{
    if (!test) return nullptr;
    try {
        return test->GetInstrumentation(curve);
    } catch (const std::logic_error&) {
        return nullptr;
    }
}

}  // namespace

CDataAgentWeb::CDataAgentWeb(CWebOptions options) : transfer_(std::move(options))
{
    transfer_.SetStatusSink([this](int status, const std::string& info) { OnStatusCallback(status, info); });
}

// The connection closes after this object is gone: no status line for it.
CDataAgentWeb::~CDataAgentWeb()
{
    transfer_.SetStatusSink({});
}

bool CDataAgentWeb::Connect()
{
    return Guard([&] {
        const std::string url = Trimmed(serverURL_);
        std::optional<ParsedURL> parsed = ParseURL(url);
        if (!parsed) {
            const std::size_t mark = url.find("://");
            parsed = ParseURL("http://" + (mark == std::string::npos ? url : url.substr(mark + 3)));
        }
        if (!parsed) throw CFailure("URL is empty or does not contain a known internet service type");
        if (parsed->scheme != "http" && parsed->scheme != "https")
            throw CFailure("Unknown internet service type");
        secure_ = parsed->scheme == "https";
        const std::string base = parsed->scheme + "://" + parsed->host;
        transfer_.Probe(base + "/");
        base_ = base;
        return true;
    });
}

void CDataAgentWeb::OnStatusCallback(int status, const std::string& info)
{
    if (statusSink_) statusSink_(StatusCallbackText(status, info));
}

void CDataAgentWeb::SendGet(const std::string& objectPath)
{
    haveResponse_ = false;
    if (base_.empty()) throw CFailure("File Pointer is Null");
    QueueAhead();
    response_ = transfer_.Get(base_ + kBasePath + objectPath);
    haveResponse_ = true;
}

void CDataAgentWeb::PlanCurves(TestKind kind, const CurveList& curves)
{
    transfer_.DropQueued();
    planned_.clear();
    if (base_.empty() || !kLoadableKinds.Has(kind)) return;
    CDatabase database;
    database.SetKind(kind);
    for (const auto& [test, curve] : curves)
        planned_.push_back(base_ + kBasePath + CurvePath(database.GetName(), test, curve));
    QueueAhead();
}

// A transfer that cannot be queued leaves the rest of the plan to be fetched one by one.
void CDataAgentWeb::QueueAhead()
{
    try {
        while (!planned_.empty() && transfer_.QueuedCount() < kCurvesAhead) {
            transfer_.Queue(planned_.front());
            planned_.pop_front();
        }
    } catch (const std::exception&) {
        planned_.clear();
    }
}

void CDataAgentWeb::CheckStatus() const
{
    if (!haveResponse_) throw CFailure("File Point is NULL.");
    if (response_.status != 200) throw CFailure(StatusText(response_.status));
}

void CDataAgentWeb::CheckContentType(const std::string& expected) const
{
    if (!haveResponse_) throw CFailure("File Pointer is NULL.");
    if (!response_.contentType) throw CFailure("FAILURE: Query for HTTP_QUERY_CONTENT_TYPE");
    const std::string& type = *response_.contentType;
    if (type == "ERROR") throw CFailure(response_.body);
    // Parameters ("; charset=...") are not part of the type.
    if (Upper(Trimmed(type.substr(0, type.find(';')))) != expected)
        throw CFailure("Invalid Content Type: " + type);
}

void CDataAgentWeb::ReadBody()
{
    if (!haveResponse_) throw CFailure("File Pointer is NULL.");
    if (!response_.contentLength) throw CFailure("FAILURE: Query for HTTP_QUERY_CONTENT_LENGTH");
    if (*response_.contentLength != response_.body.size())
        throw CFailure("The response body has " + std::to_string(response_.body.size()) +
                       " bytes, its declared length is " + std::to_string(*response_.contentLength) + ".");
    download_ = std::move(response_.body);
    response_ = {};
    haveResponse_ = false;
}

void CDataAgentWeb::Download(const std::string& objectPath, const std::string& expected)
{
    download_.clear();
    SendGet(objectPath);
    CheckStatus();
    if (!expected.empty()) CheckContentType(expected);
    ReadBody();
}

void CDataAgentWeb::LoadCurrentTest()
{
    const TestKind kind = GetDatabase()->GetKind();
    if (!kLoadableKinds.Has(kind)) throw CFailure("Unknown Database");
    const int number = GetTestNumber()->GetNumber();
    try {
        Download(std::string(kTransfer) + "TSTNO=" + std::to_string(number) +
                     "&CURNO=1&DATABASE=" + GetDatabase()->GetSchema() + "&FORMAT=EXT",
                 kTextType);
    } catch (const std::logic_error& e) {
        if (std::string(e.what()).find("HTTP_QUERY_CONTENT_TYPE") != std::string::npos)
            throw CFailure("Test Not Found in Production Database");
        throw;
    }
    const std::string text = UnpackText(download_);
    switch (kind) {
        case TestKind::Biomechanics: ReadEV5Test(GetBioTest(), text, number, true); break;
        case TestKind::Component: ReadEV5Test(GetComTest(), text, number, true); break;
        default: ReadEV5Test(GetVehicleTest(), text, number, true); break;
    }
}

bool CDataAgentWeb::LoadTest(const std::shared_ptr<CTestType>& test)
{
    const bool done = Guard([&] {
        if (!CDataAgent::LoadTest(test)) throw CFailure(GetLastError());
        LoadCurrentTest();
        CopyCurrentTest(*test);
        return true;
    });
    if (!done) ClearTests();
    return done;
}

bool CDataAgentWeb::LoadTest(TestKind kind)
{
    const bool done = Guard([&] {
        if (!BeginLoad(kind)) throw CFailure("Unknown Database");
        LoadCurrentTest();
        return true;
    });
    if (!done) ClearTests();
    return done;
}

bool CDataAgentWeb::LoadTestList(TestKind kind)
{
    SetListWarning({});
    return Guard([&] {
        if (!kLoadableKinds.Has(kind)) throw CFailure("Unknown Database");
        GetDatabase()->SetKind(kind);
        Download(std::string(kTransfer) + "DATABASE=" + GetDatabase()->GetName() + "&FORMAT=DFL", kTextType);
        const std::string text = UnpackText(download_);
        ClearTestList(kind);
        switch (kind) {
            case TestKind::Biomechanics:
                ReadRows<bio::CSelection>(text,
                                          [this](std::shared_ptr<bio::CSelection> row) { AddListRow(row); });
                break;
            case TestKind::Component:
                ReadRows<com::CSelection>(text,
                                          [this](std::shared_ptr<com::CSelection> row) { AddListRow(row); });
                break;
            default:
                ReadRows<veh::CSelection>(text,
                                          [this](std::shared_ptr<veh::CSelection> row) { AddListRow(row); });
                break;
        }
        return true;
    });
}

bool CDataAgentWeb::LoadCodes(int, TestKind)
{
    return false;
}

bool CDataAgentWeb::LoadValues(int valueIdentifier)
{
    if (!CDataAgent::LoadValues(valueIdentifier)) return false;
    return Guard([&] {
        if (valueIdentifier != 3) throw CFailure("Invalid value or values is not supported.");
        Download("values.asmx/getfilterclass", {});
        return true;
    });
}

bool CDataAgentWeb::LoadMedia(TestKind kind, MediaKind mediaKind, unsigned testNumber, int sequenceNumber)
{
    if (!CDataAgent::LoadMedia(kind, mediaKind, testNumber, sequenceNumber)) return false;
    std::string url = base_.empty() ? serverURL_ : base_;
    while (!url.empty() && url.back() == '/') url.pop_back();
    url += std::string(kBasePath) + "getmedia.aspx?tstno=" + std::to_string(testNumber) +
           "&index=" + std::to_string(sequenceNumber);
    if (kind == TestKind::Biomechanics) url += "&database=b";
    if (kind == TestKind::Component) url += "&database=c";
    if (kind == TestKind::Vehicle) url += "&database=v";
    if (mediaKind == MediaKind::Photo) url += "&type=P";
    if (mediaKind == MediaKind::Report) url += "&type=R";
    if (mediaKind == MediaKind::Video) url += "&type=V";
    SetMediaLocation(url);
    return true;
}

void CDataAgentWeb::FillBioSignal(CUDSFile& file)
{
    FillFromDownload(file);
}

void CDataAgentWeb::FillComSignal(CUDSFile& file)
{
    FillFromDownload(file);
}

void CDataAgentWeb::FillVehSignal(CUDSFile& file)
{
    FillFromDownload(file);
}

void CDataAgentWeb::FillFromDownload(CUDSFile& file)
{
    const int curve = GetCurveNumber()->GetNumber();
    Download(CurvePath(GetDatabase()->GetName(), GetTestNumber()->GetNumber(), curve), kCurveType);
    file.ReadBuffer(download_.data(), download_.size());
    std::shared_ptr<CInstrumentation> row;
    switch (GetDatabase()->GetKind()) {
        case TestKind::Biomechanics: row = RowOf(GetBioTest(), curve); break;
        case TestKind::Component: row = RowOf(GetComTest(), curve); break;
        default: row = RowOf(GetVehicleTest(), curve); break;
    }
    if (row) {
        file.SetFileName(row->GetSIGNALNAME());
        file.SetAttachment(row->GetSENATT());
    } else {
        CFileName name;
        name.SetDatabase(GetDatabase()->GetName());
        name.SetTestNumber(GetTestNumber()->GetNumber());
        name.SetCurveNumber(curve);
        name.SetFilter(file.GetFCUT());
        name.SetStatus(file.GetSTATUS());
        name.SetQuantity(file.GetYUNITS());
        file.SetFileName(name.GetUDSName());
        file.SetAttachment(file.GetSENATT());
    }
    file.SetDirectory({});
    SetPointCount(static_cast<std::int64_t>(file.GetPointCount()));
}

}  // namespace ko
