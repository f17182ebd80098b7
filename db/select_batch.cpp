// SPDX-License-Identifier: GPL-3.0-or-later
#include "db/select_batch.h"

#include <soci/postgresql/soci-postgresql.h>

#include <optional>
#include <stdexcept>

#include "db/connection_impl.h"
#include "db/pipeline.h"

namespace ko::db {

struct CSelectBatch::Impl {
    Impl(CConnection& session, std::vector<CSelectPlan> planned)
        : connection(session), plans(std::move(planned))
    {
    }

    CConnection& connection;
    std::vector<CSelectPlan> plans;
    PGconn* pipeline = nullptr;  // sent, results not yet taken
    std::vector<bool> prepared;
    std::vector<CResult> results;  // of the plans before oneByOne
    std::size_t oneByOne = 0;      // plans from here on run as streams
    std::size_t current = 0;
    int row = 0;
    std::optional<CSelectStream> stream;  // of current, when it runs one by one

    void Send(PGconn* session)
    {
        CConnection::Impl& owner = connection.GetImpl();
        owner.Settle(true);
        if (!SendPipeline(session, plans, owner.pipelineStatements, prepared)) return;
        pipeline = session;
        owner.settle = [this](bool keep) { Take(keep); };
    }

    // Takes the results; on a failure, or unless kept, every plan runs one by one.
    void Take(bool keep = true)
    {
        if (!pipeline) return;
        PGconn* session = pipeline;
        pipeline = nullptr;
        CConnection::Impl& owner = connection.GetImpl();
        if (owner.settle) owner.settle = nullptr;
        bool failed = false;
        for (std::size_t i = 0; i < plans.size() && !failed; ++i) {
            CResult result = TakeResult(session, prepared[i], plans[i].columns.size());
            failed = !result;
            if (result) results.push_back(std::move(result));
        }
        if (!EndPipeline(session, plans.size(), owner.pipelineStatements, failed) || !keep) results.clear();
        oneByOne = results.size();
    }
};

CSelectBatch::CSelectBatch(CConnection& connection, std::vector<CSelectPlan> plans)
    : impl_(std::make_unique<Impl>(connection, std::move(plans)))
{
    if (connection.GetBackend() != Backend::PostgreSQL) return;
    auto* backend =
        static_cast<soci::postgresql_session_backend*>(connection.GetImpl().session.get_backend());
    if (backend && backend->conn_) impl_->Send(backend->conn_);
}

CSelectBatch::~CSelectBatch()
{
    impl_->Take();
}

bool CSelectBatch::Pipelined() const
{
    impl_->Take();
    return impl_->oneByOne == impl_->plans.size();
}

bool CSelectBatch::Next(std::size_t plan, std::vector<CFieldValue>& row)
{
    Impl& impl = *impl_;
    if (plan >= impl.plans.size()) throw std::out_of_range("no such plan in the batch");
    impl.Take();
    const CSelectPlan& planned = impl.plans[plan];
    if (plan != impl.current || (plan >= impl.oneByOne && !impl.stream)) {
        impl.stream.reset();
        impl.current = plan;
        impl.row = 0;
        if (plan >= impl.oneByOne)
            impl.stream.emplace(impl.connection, planned.bufferSize, planned.text, planned.columns,
                                planned.values);
    }
    if (impl.stream) return impl.stream->Next(row);
    const PGresult* result = impl.results[plan].get();
    if (impl.row >= PQntuples(result)) return false;
    ReadResultRow(result, impl.row++, planned.columns, row);
    return true;
}

}  // namespace ko::db
