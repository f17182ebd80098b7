// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "formats/file.h"
#include "sources/data_agent.h"

namespace ko {

namespace db {
class CConnection;
class CDbError;
class CSelectBatch;
}  // namespace db

// The data agent of the test database: every record of a test comes from the
// database (production tables, or the H_ holding tables when TRACK.STATUS says
// HOLDING), every curve from the UDS file its instrumentation row names in the
// UDS store below the UDS root (the store layout of CDirectory).
class CDataAgentOtl : public CDataAgent {
public:
    static constexpr int kHolding = 1;
    static constexpr int kProduction = 2;
    static constexpr int kUDSKind = 21;

    CDataAgentOtl();
    ~CDataAgentOtl() override;

    // The connection text ("sqlite:DIR", "postgresql://HOST:PORT/DBNAME").
    void SetTnsName(const std::string& name) { tnsName_ = name; }
    const std::string& GetTnsName() const { return tnsName_; }
    // The root folder of the UDS store.
    void SetUDSDrive(const std::string& root) { udsDrive_ = root; }
    const std::string& GetUDSDrive() const { return udsDrive_; }
    // Opens the session; false with the FormatDatabaseError text on failure.
    // A password expiring soon logs in and leaves the 28002 text.
    bool Login(const std::string& user, const std::string& password);
    // An already open session (the import, tests).
    void SetConnection(std::shared_ptr<db::CConnection> connection);
    const std::shared_ptr<db::CConnection>& GetConnection() const { return connection_; }
    int GetTrackStatus() const { return trackStatus_; }

    bool LoadTest(const std::shared_ptr<CTestType>& test) override;
    bool LoadTest(TestKind kind) override;
    using CDataAgent::LoadTest;
    // One row per occupant (biomechanics) or vehicle (vehicle) or test
    // (component), production rows before holding rows.
    bool LoadTestList(TestKind kind) override;
    bool LoadCodes(int codeIdentifier, TestKind kind) override;
    bool LoadValues(int valueIdentifier) override;
    bool LoadMedia(TestKind kind, MediaKind mediaKind, unsigned testNumber, int sequenceNumber) override;
    // The status and production sections of the planned test after the one
    // being loaded are asked for before that one's rows are read.
    void PlanTests(TestKind kind, const std::vector<int>& numbers) override;

protected:
    void FillBioSignal(CUDSFile& file) override;
    void FillComSignal(CUDSFile& file) override;
    void FillVehSignal(CUDSFile& file) override;

private:
    db::CConnection& Connection() const;
    void ReadTrackStatus(db::CSelectBatch& batch);
    bool LoadAllRecords();
    std::unique_ptr<db::CSelectBatch> ProductionBatch(TestKind kind, int number);
    void AskAhead(TestKind kind, int number);
    bool LoadGuarded(const std::function<bool()>& body);
    void SetCurveDirectory();
    void ReadCurveFile(CUDSFile& file, const CInstrumentation& row);
    void NameCurve(CUDSFile& file, const CInstrumentation& row);
    std::shared_ptr<CInstrumentation> CurrentRow() const;

    std::shared_ptr<db::CConnection> connection_;
    std::string tnsName_;
    std::string udsDrive_;
    int trackStatus_ = kProduction;
    std::shared_ptr<CFile> curveFile_;
    TestKind plannedKind_ = TestKind::None;
    std::vector<int> plannedTests_;
    struct CAhead {
        std::shared_ptr<db::CConnection> connection;  // outlives the batch
        std::unique_ptr<db::CSelectBatch> batch;
        TestKind kind = TestKind::None;
        int number = 0;
    } ahead_;
};

// The login and session texts: the message, else the text of the code.
std::string FormatDatabaseError(const db::CDbError& error);

}  // namespace ko
