// SPDX-License-Identifier: GPL-3.0-or-later
#include "db/pipeline.h"

#include <charconv>
#include <cstdio>
#include <ctime>
#include <string>

#include "db/bind_text.h"

namespace ko::db {
namespace {

// A bind value as the text PostgreSQL reads; false for the zero date (NULL).
bool ParameterText(const CFieldValue& value, std::string& text)
{
    if (const int* number = std::get_if<int>(&value)) {
        text = std::to_string(*number);
    } else if (const double* real = std::get_if<double>(&value)) {
        char buffer[32];
        const auto end = std::to_chars(buffer, buffer + sizeof buffer, *real).ptr;
        text.assign(buffer, end);
    } else if (const std::string* characters = std::get_if<std::string>(&value)) {
        text = *characters;
    } else {
        const std::tm& date = std::get<std::tm>(value);
        if (IsZeroDate(date)) return false;
        char buffer[48];
        std::snprintf(buffer, sizeof buffer, "%04d-%02d-%02d %02d:%02d:%02d", date.tm_year + 1900,
                      date.tm_mon + 1, date.tm_mday, date.tm_hour, date.tm_min, date.tm_sec);
        text = buffer;
    }
    return true;
}

// Sends plan, prepared under a new name first when the session has none for
// its text; prepared tells whether that was done.
bool Send(PGconn* connection, const CSelectPlan& plan, CPipelineStatements& statements, bool& prepared)
{
    auto found = statements.prepared.find(plan.text);
    prepared = found == statements.prepared.end();
    if (prepared) {
        CPipelineStatements::CStatement statement{TranslateBindDeclarations(plan.text, "$"),
                                                  "velder_select_" + std::to_string(++statements.made)};
        statement.bound.text = QuoteReservedColumns(statement.bound.text);
        if (PQsendPrepare(connection, statement.name.c_str(), statement.bound.text.c_str(),
                          static_cast<int>(statement.bound.names.size()), nullptr) != 1)
            return false;
        found = statements.prepared.emplace(plan.text, std::move(statement)).first;
        statements.fresh.push_back(plan.text);
    }
    const std::vector<CFieldValue> values = CheckBindValues(found->second.bound, plan.values);
    std::vector<std::string> texts(values.size());
    std::vector<const char*> pointers(values.size(), nullptr);
    for (std::size_t i = 0; i < values.size(); ++i)
        if (ParameterText(values[i], texts[i])) pointers[i] = texts[i].c_str();
    return PQsendQueryPrepared(connection, found->second.name.c_str(), static_cast<int>(pointers.size()),
                               pointers.data(), nullptr, nullptr, 0) == 1;
}

// The next result and the null result that ends it; false unless it has status.
bool Take(PGconn* connection, ExecStatusType status, CResult* kept = nullptr)
{
    CResult result(PQgetResult(connection));
    const bool taken = result && PQresultStatus(result.get()) == status;
    if (kept) *kept = std::move(result);
    return CResult(PQgetResult(connection)) == nullptr && taken;
}

// Reads what is left of the pipeline up to its sync point: at most two
// results and their ends for every plan.
bool Drain(PGconn* connection, std::size_t plans)
{
    for (std::size_t left = 4 * plans + 2; left > 0 && PQstatus(connection) == CONNECTION_OK; --left) {
        CResult result(PQgetResult(connection));
        if (result && PQresultStatus(result.get()) == PGRES_PIPELINE_SYNC) return true;
    }
    return false;
}

// A DATE column as the one-by-one read gives it.
std::tm ResultDate(const char* text)
{
    int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
    std::sscanf(text, "%d-%d-%d %d:%d:%d", &year, &month, &day, &hour, &minute, &second);
    std::tm date{};
    date.tm_year = year - 1900;
    date.tm_mon = month - 1;
    date.tm_mday = day;
    date.tm_hour = hour;
    date.tm_min = minute;
    date.tm_sec = second;
    timegm(&date);  // fills the week and year days as the one-by-one read does
    return date;
}

}  // namespace

bool SendPipeline(PGconn* connection, const std::vector<CSelectPlan>& plans, CPipelineStatements& statements,
                  std::vector<bool>& prepared)
{
    if (plans.empty() || PQstatus(connection) != CONNECTION_OK ||
        PQpipelineStatus(connection) != PQ_PIPELINE_OFF || PQenterPipelineMode(connection) != 1)
        return false;
    statements.fresh.clear();
    prepared.clear();
    bool sent = true;
    for (const CSelectPlan& plan : plans) {
        bool prepare = false;
        try {
            sent = Send(connection, plan, statements, prepare);
        } catch (const std::exception&) {
            sent = false;  // the plan's own run gives its failure
        }
        prepared.push_back(prepare);
        if (!sent) break;
    }
    if (PQpipelineSync(connection) == 1 && sent) return true;
    EndPipeline(connection, plans.size(), statements, true);
    return false;
}

CResult TakeResult(PGconn* connection, bool prepared, std::size_t columns)
{
    CResult result;
    if ((prepared && !Take(connection, PGRES_COMMAND_OK)) || !Take(connection, PGRES_TUPLES_OK, &result) ||
        PQnfields(result.get()) != static_cast<int>(columns))
        return nullptr;
    return result;
}

bool EndPipeline(PGconn* connection, std::size_t plans, CPipelineStatements& statements, bool failed)
{
    failed = !Drain(connection, plans) || failed;
    if (PQexitPipelineMode(connection) != 1) failed = true;
    // names prepared in a failed pipeline are not relied on
    if (failed)
        for (const std::string& text : statements.fresh) statements.prepared.erase(text);
    statements.fresh.clear();
    return !failed;
}

void ReadResultRow(const PGresult* result, int row, const std::vector<ColumnType>& columns,
                   std::vector<CFieldValue>& values)
{
    values.clear();
    for (int column = 0; column < static_cast<int>(columns.size()); ++column) {
        const bool null = PQgetisnull(result, row, column) == 1;
        const char* text = PQgetvalue(result, row, column);
        const int length = PQgetlength(result, row, column);
        switch (columns[static_cast<std::size_t>(column)]) {
            case ColumnType::Int: {
                int number = 0;
                if (!null) std::from_chars(text, text + length, number);
                values.emplace_back(number);
                break;
            }
            case ColumnType::Double: {
                double real = 0.0;
                if (!null) std::from_chars(text, text + length, real);
                values.emplace_back(real);
                break;
            }
            case ColumnType::Text:
                values.emplace_back(null ? std::string()
                                         : std::string(text, static_cast<std::size_t>(length)));
                break;
            case ColumnType::Date: values.emplace_back(null ? std::tm{} : ResultDate(text)); break;
        }
    }
}

}  // namespace ko::db
