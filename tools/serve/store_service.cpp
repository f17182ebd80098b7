// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/serve/store_service.h"

#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cctype>
#include <charconv>
#include <filesystem>
#include <stdexcept>

#include "formats/directory.h"
#include "formats/ev5_biomechanics.h"
#include "formats/ev5_component.h"
#include "formats/ev5_vehicle.h"
#include "formats/file.h"
#include "formats/file_bytes.h"
#include "formats/uds_file.h"
#include "sources/data_agent_file.h"
#include "sources/data_agent_otl.h"
#include "sources/packed_text.h"
#include "sources/store_files.h"
#include "sources/test_list_text.h"

namespace serve {
namespace {

namespace fs = std::filesystem;

constexpr const char* kCurveType = "application/x-vnd.korva.uds1992";

struct BadRequest {};

Reply Status(int status, const std::string& text)
{
    return {status, "text/plain", text + "\n"};
}

// The one value of name (matched without regard to case); BadRequest when it
// is missing or given twice.
const std::string& Value(const Query& query, const std::string& name)
{
    const std::string* found = nullptr;
    for (const auto& [key, value] : query) {
        if (key.size() != name.size() ||
            !std::equal(key.begin(), key.end(), name.begin(), [](char a, char b) {
                return std::toupper(static_cast<unsigned char>(a)) ==
                       std::toupper(static_cast<unsigned char>(b));
            }))
            continue;
        if (found) throw BadRequest{};
        found = &value;
    }
    if (!found) throw BadRequest{};
    return *found;
}

// A plain decimal number of at most nine digits.
int Number(const std::string& text)
{
    if (text.empty() || text.size() > 9 ||
        !std::all_of(text.begin(), text.end(), [](unsigned char c) { return std::isdigit(c); }))
        throw BadRequest{};
    int value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}

std::string Lower(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::tolower(c); });
    return text;
}

ko::TestKind Database(const std::string& text)
{
    const auto kind = ko::LoadableKindFromName(Lower(text));
    if (!kind) throw BadRequest{};
    return *kind;
}

// The UDS bytes of a file object filled from a text curve.
std::string UDSBytes(ko::CUDSFile& file)
{
    static std::atomic<unsigned> counter{0};
    const fs::path path = fs::temp_directory_path() / ("velder-serve-" + std::to_string(::getpid()) + "-" +
                                                       std::to_string(counter++) + ".uds");
    try {
        file.Write(path.string());
        std::string bytes = ko::ReadFileText(path.string());
        fs::remove(path);
        return bytes;
    } catch (...) {
        std::error_code ignored;
        fs::remove(path, ignored);
        throw;
    }
}

template <class Writer, class Test>
std::string ExtensionText(const std::shared_ptr<ko::CTestType>& test, int number)
{
    Writer writer(std::dynamic_pointer_cast<Test>(test), number);
    std::string text;
    if (!writer.ToString(text)) throw std::logic_error("The test cannot be written.");
    return text;
}

std::shared_ptr<ko::CTestType> NewTest(ko::TestKind kind)
{
    switch (kind) {
        case ko::TestKind::Biomechanics: return std::make_shared<ko::CBioTest>();
        case ko::TestKind::Component: return std::make_shared<ko::CComTest>();
        default: return std::make_shared<ko::CVehicleTest>();
    }
}

ko::CDirectory StoreDirectory(const std::string& root, ko::TestKind kind, int number)
{
    ko::CDirectory directory;
    directory.SetPathStyle(ko::CDirectory::kSlashStyle);
    directory.SetRoot(root);
    directory.SetDatabase(kind);
    directory.SetTestNumber(number);
    return directory;
}

bool IsPlainName(const std::string& name)
{
    return !name.empty() && name != "." && name != ".." && name.find_first_of("/\\") == std::string::npos;
}

template <class Test>
std::shared_ptr<ko::CInstrumentation> RowIn(const ko::CTestType& test, int curve)
{
    try {
        return static_cast<const Test&>(test).GetInstrumentation(curve);
    } catch (const std::logic_error&) {
        return nullptr;
    }
}

std::shared_ptr<ko::CInstrumentation> RowOf(ko::TestKind kind, const ko::CTestType& test, int curve)
{
    switch (kind) {
        case ko::TestKind::Biomechanics: return RowIn<ko::CBioTest>(test, curve);
        case ko::TestKind::Component: return RowIn<ko::CComTest>(test, curve);
        default: return RowIn<ko::CVehicleTest>(test, curve);
    }
}

}  // namespace

StoreService::StoreService(std::string root) : root_(std::move(root)) {}

StoreService::StoreService(std::string root, const DatabaseSource& database)
    : root_(std::move(root)), database_(std::make_shared<ko::CDataAgentOtl>())
{
    database_->SetTnsName(database.url);
    database_->SetUDSDrive(root_);
    if (!database_->Login(database.user, database.password))
        throw std::runtime_error(database_->GetLastError());
}

StoreService::~StoreService() = default;

std::shared_ptr<ko::CTestType> StoreService::Test(ko::TestKind kind, int number)
{
    if (number < ko::CTestNumber::kMinimum || number > ko::CTestNumber::kMaximum) return nullptr;
    {
        std::lock_guard lock(mutex_);
        const auto found = tests_.find({kind, number});
        if (found != tests_.end()) return found->second;
    }
    auto test = NewTest(kind);
    if (database_) {
        std::lock_guard lock(databaseMutex_);
        if (!database_->LoadTest(static_cast<unsigned>(number), test)) {
            const std::string unknown = "Test Number: " + std::to_string(number) + " is invalid.";
            const std::string text = database_->GetLastError();
            if (text.size() >= unknown.size() &&
                text.compare(text.size() - unknown.size(), unknown.size(), unknown) == 0)
                return nullptr;
            throw std::runtime_error(text);
        }
    } else {
        if (!ko::HoldsTestFile(StoreDirectory(root_, kind, number).GetEVDataDirectory())) return nullptr;
        ko::CDataAgentFile agent;
        if (!agent.SetStoreRoot(root_) || !agent.LoadTest(static_cast<unsigned>(number), test))
            throw std::runtime_error(agent.GetLastError());
    }
    std::lock_guard lock(mutex_);
    return tests_.emplace(std::pair{kind, number}, test).first->second;
}

Reply StoreService::Transfer(const Query& query)
{
    try {
        const std::string format = Value(query, "FORMAT");
        const ko::TestKind kind = Database(Value(query, "DATABASE"));
        if (format == "DFL") return TestList(kind);
        const int number = Number(Value(query, "TSTNO"));
        const int curve = Number(Value(query, "CURNO"));
        if (format == "EXT") return TestFile(kind, number);
        if (format == "UDS_SINGLE") return Curve(kind, number, curve);
    } catch (const BadRequest&) {
    }
    return Status(400, "Bad request.");
}

Reply StoreService::TestFile(ko::TestKind kind, int number)
{
    const auto test = Test(kind, number);
    if (!test) return {200, "ERROR", "Test Number: " + std::to_string(number) + " is invalid."};
    std::string text;
    switch (kind) {
        case ko::TestKind::Biomechanics:
            text = ExtensionText<ko::CEV5BioExt, ko::CBioTest>(test, number);
            break;
        case ko::TestKind::Component: text = ExtensionText<ko::CEV5ComExt, ko::CComTest>(test, number); break;
        default: text = ExtensionText<ko::CEV5VehExt, ko::CVehicleTest>(test, number); break;
    }
    return {200, "text/plain", ko::PackText(text)};
}

Reply StoreService::Curve(ko::TestKind kind, int number, int curve)
{
    const auto test = Test(kind, number);
    if (!test || curve < 1) return Status(404, "No such curve.");
    // The row's own UDS file, as the file agent finds it first, goes out unread.
    if (const auto row = RowOf(kind, *test, curve);
        row && row->GetDASTAT() != "NO" && IsPlainName(row->GetSIGNALNAME())) {
        const fs::path path =
            fs::path(StoreDirectory(root_, kind, number).GetUDSDirectory()) / row->GetSIGNALNAME();
        if (auto bytes = ko::ReadRegularFile(path.string())) return {200, kCurveType, std::move(*bytes)};
    }
    if (database_) {
        std::lock_guard lock(databaseMutex_);
        ko::CUDSFile file;
        if (!database_->SetTestNumber(static_cast<unsigned>(number)) || !database_->SetTest(test) ||
            !database_->SetCurveNumber(static_cast<unsigned>(curve)) || !database_->FillSignal(file))
            return Status(404, "No such curve.");
        return {200, kCurveType, UDSBytes(file)};
    }
    ko::CDataAgentFile agent;
    ko::CUDSFile file;
    if (!agent.SetStoreRoot(root_) || !agent.SetTestNumber(static_cast<unsigned>(number)) ||
        !agent.SetTest(test) || !agent.SetCurveNumber(static_cast<unsigned>(curve)) ||
        !agent.FillSignal(file))
        return Status(404, "No such curve.");
    const auto& source = agent.GetCurveFile();
    if (source->GetKind() == ko::CDataAgentFile::kUDSKind)
        return {200, kCurveType, ko::ReadFileText(source->GetFullPath())};
    return {200, kCurveType, UDSBytes(file)};
}

namespace {

std::string ListText(const ko::CDataAgent& agent, ko::TestKind kind)
{
    switch (kind) {
        case ko::TestKind::Biomechanics: return ko::TestListText(agent.GetBioTestList());
        case ko::TestKind::Component: return ko::TestListText(agent.GetComTestList());
        default: return ko::TestListText(agent.GetVehTestList());
    }
}

}  // namespace

Reply StoreService::TestList(ko::TestKind kind)
{
    if (database_) {
        std::lock_guard lock(databaseMutex_);
        if (!database_->LoadTestList(kind)) return Status(500, database_->GetLastError());
        return {200, "text/plain", ko::PackText(ListText(*database_, kind))};
    }
    ko::CDataAgentFile agent;
    if (!agent.SetStoreRoot(root_) || !agent.LoadTestList(kind)) return Status(500, agent.GetLastError());
    return {200, "text/plain", ko::PackText(ListText(agent, kind))};
}

Reply StoreService::FilterClass() const
{
    const fs::path table = fs::path(root_) / "filterclass.txt";
    std::error_code error;
    if (fs::is_regular_file(table, error)) return {200, "text/plain", ko::ReadFileText(table.string())};
    return {200, "text/plain", "SENATT\tUNITS\tSENTYP\tCLASS\n"};
}

// <root>/media/<database>/<test number>/<P|R|V><index>.<extension>
Reply StoreService::Media(const Query& query) const
{
    try {
        const int number = Number(Value(query, "tstno"));
        const int index = Number(Value(query, "index"));
        const std::string letter = Value(query, "database");
        const std::string type = Value(query, "type");
        static const std::map<std::string, std::string> databases = {
            {"b", "biodb"}, {"c", "comdb"}, {"v", "vehdb"}};
        if (!databases.count(letter) || (type != "P" && type != "R" && type != "V")) throw BadRequest{};
        const fs::path directory = fs::path(root_) / "media" / databases.at(letter) / std::to_string(number);
        std::error_code error;
        for (const auto& entry : fs::directory_iterator(directory, error)) {
            if (entry.is_regular_file(error) && entry.path().stem() == type + std::to_string(index))
                return {200, "application/octet-stream", ko::ReadFileText(entry.path().string())};
        }
        return Status(404, "No such media.");
    } catch (const BadRequest&) {
        return Status(400, "Bad request.");
    }
}

}  // namespace serve
