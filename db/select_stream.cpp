// SPDX-License-Identifier: GPL-3.0-or-later
#include <soci/sqlite3/soci-sqlite3.h>

#include <algorithm>
#include <deque>
#include <iterator>

#include "db/bind_text.h"
#include "db/connection.h"
#include "db/connection_impl.h"
#include "db/statement_values.h"

namespace ko::db {

void CStatementValues::Bind(soci::statement& statement)
{
    for (const CFieldValue& value : values_) {
        if (const int* number = std::get_if<int>(&value)) {
            statement.exchange(soci::use(ints_.emplace_back(*number)));
        } else if (const double* real = std::get_if<double>(&value)) {
            statement.exchange(soci::use(doubles_.emplace_back(*real)));
        } else if (const std::string* text = std::get_if<std::string>(&value)) {
            statement.exchange(soci::use(texts_.emplace_back(*text)));
        } else {
            // the zero date is no date
            const std::tm& date = std::get<std::tm>(value);
            soci::indicator& indicator =
                indicators_.emplace_back(IsZeroDate(date) ? soci::i_null : soci::i_ok);
            statement.exchange(soci::use(dates_.emplace_back(date), indicator));
        }
    }
}

void CStatementValues::Assign(const std::vector<CFieldValue>& values)
{
    std::size_t ints = 0, doubles = 0, texts = 0, dates = 0;
    for (const CFieldValue& value : values) {
        if (const int* number = std::get_if<int>(&value)) {
            ints_[ints++] = *number;
        } else if (const double* real = std::get_if<double>(&value)) {
            doubles_[doubles++] = *real;
        } else if (const std::string* text = std::get_if<std::string>(&value)) {
            texts_[texts++] = *text;
        } else {
            const std::tm& date = std::get<std::tm>(value);
            indicators_[dates] = IsZeroDate(date) ? soci::i_null : soci::i_ok;
            dates_[dates++] = date;
        }
    }
    values_ = values;
}

void CColumnBuffer::Resize(std::size_t size)
{
    indicators.resize(size);
    switch (type) {
        case ColumnType::Int: ints.resize(size); break;
        case ColumnType::Double: doubles.resize(size); break;
        case ColumnType::Text: texts.resize(size); break;
        case ColumnType::Date: dates.resize(size); break;
    }
}

std::size_t CColumnBuffer::Size() const
{
    switch (type) {
        case ColumnType::Int: return ints.size();
        case ColumnType::Double: return doubles.size();
        case ColumnType::Text: return texts.size();
        default: return dates.size();
    }
}

CFieldValue CColumnBuffer::Value(std::size_t row) const
{
    const bool null = indicators[row] == soci::i_null;
    switch (type) {
        case ColumnType::Int: return null ? 0 : ints[row];
        case ColumnType::Double: return null ? 0.0 : doubles[row];
        case ColumnType::Text: return null ? std::string() : texts[row];
        default: return null ? std::tm{} : dates[row];
    }
}

namespace {

constexpr std::size_t kKeptSelects = 64;

std::string SelectKey(const std::string& text, std::size_t bufferSize, const std::vector<ColumnType>& columns)
{
    std::string key = text;
    key += '\0';
    key += std::to_string(bufferSize);
    for (ColumnType type : columns) key += static_cast<char>('0' + static_cast<int>(type));
    return key;
}

void Prepare(CPreparedSelect& select, const std::string& text, const std::vector<ColumnType>& columns,
             soci::details::statement_type type)
{
    soci::statement& statement = select.statement;
    statement.alloc();
    statement.prepare(text, type);
    for (ColumnType column : columns) {
        CColumnBuffer& buffer = select.columns.emplace_back();
        buffer.type = column;
        buffer.Resize(select.bufferSize);
        switch (column) {
            case ColumnType::Int: statement.exchange(soci::into(buffer.ints, buffer.indicators)); break;
            case ColumnType::Double: statement.exchange(soci::into(buffer.doubles, buffer.indicators)); break;
            case ColumnType::Text: statement.exchange(soci::into(buffer.texts, buffer.indicators)); break;
            case ColumnType::Date: statement.exchange(soci::into(buffer.dates, buffer.indicators)); break;
        }
    }
    select.uses.Bind(statement);
    statement.define_and_bind();
}

}  // namespace

struct CSelectStream::Impl {
    CConnection::Impl& connection;
    std::string text;
    std::unique_ptr<CPreparedSelect> owned;  // when the connection keeps none for the text
    CPreparedSelect* select = nullptr;
    std::size_t row = 0;
    std::size_t rows = 0;
    bool done = false;

    Impl(CConnection::Impl& connectionImpl, std::string_view statementText)
        : connection(connectionImpl), text(statementText)
    {
    }

    ~Impl()
    {
        if (owned || !select) return;
        select->busy = false;
        // An SQLite statement stopped before its last row holds the read lock until it is reset.
        if (connection.backend == Backend::SQLite) {
            auto* sqlite = static_cast<soci::sqlite3_statement_backend*>(select->statement.get_backend());
            if (sqlite && sqlite->stmt_) sqlite_api::sqlite3_reset(sqlite->stmt_);
        }
        if (!select->broken) return;
        connection.selects.remove_if(
            [this](const std::unique_ptr<CPreparedSelect>& kept) { return kept.get() == select; });
    }

    // The kept statement of key, moved to the front; a new one, kept, when
    // there is none; an own one-time statement while the kept one is busy.
    void Acquire(const CBoundText& bound, std::vector<CFieldValue> values, std::size_t bufferSize,
                 const std::vector<ColumnType>& columns)
    {
        auto& kept = connection.selects;
        const std::string key = SelectKey(bound.text, bufferSize, columns);
        const auto found =
            std::find_if(kept.begin(), kept.end(), [&key](const auto& entry) { return entry->key == key; });
        if (found != kept.end() && !(*found)->busy) {
            kept.splice(kept.begin(), kept, found);
            select = kept.front().get();
            select->busy = true;
            select->uses.Assign(values);
            for (CColumnBuffer& column : select->columns) column.Resize(bufferSize);
            return;
        }
        auto fresh = std::make_unique<CPreparedSelect>(connection.session, std::move(values));
        fresh->key = key;
        fresh->bufferSize = bufferSize;
        if (found != kept.end()) {
            // the same text read twice at once: the second one runs once
            Prepare(*fresh, bound.text, columns, soci::details::st_one_time_query);
            owned = std::move(fresh);
            select = owned.get();
            return;
        }
        Prepare(*fresh, bound.text, columns, soci::details::st_repeatable_query);
        fresh->busy = true;
        select = fresh.get();
        kept.push_front(std::move(fresh));
        if (kept.size() > kKeptSelects) {
            const auto idle =
                std::find_if(kept.rbegin(), kept.rend(), [](const auto& entry) { return !entry->busy; });
            if (idle != kept.rend()) kept.erase(std::next(idle).base());
        }
    }

    bool Fetch()
    {
        for (CColumnBuffer& column : select->columns) column.Resize(select->bufferSize);
        try {
            done = !select->statement.fetch();
        } catch (const soci::soci_error& e) {
            select->broken = true;
            RethrowSoci(e, text);
        }
        rows = done || select->columns.empty() ? 0 : select->columns.front().Size();
        row = 0;
        return rows > 0;
    }
};

CSelectStream::CSelectStream(CConnection& connection, int bufferSize, std::string_view text,
                             const std::vector<ColumnType>& columns, const std::vector<CFieldValue>& values)
{
    CBoundText bound = TranslateBindDeclarations(text);
    if (connection.GetBackend() == Backend::PostgreSQL) bound.text = QuoteReservedColumns(bound.text);
    std::vector<CFieldValue> checked = CheckBindValues(bound, values);
    impl_ = std::make_unique<Impl>(connection.GetImpl(), text);
    connection.GetImpl().Settle(true);
    try {
        impl_->Acquire(bound, std::move(checked), bufferSize > 0 ? static_cast<std::size_t>(bufferSize) : 1,
                       columns);
        impl_->select->statement.execute(false);
    } catch (const soci::soci_error& e) {
        if (impl_->select) impl_->select->broken = true;
        RethrowSoci(e, std::string(text));
    }
}

CSelectStream::~CSelectStream() = default;

bool CSelectStream::Next(std::vector<CFieldValue>& row)
{
    if (impl_->row >= impl_->rows && (impl_->done || !impl_->Fetch())) return false;
    row.clear();
    for (const CColumnBuffer& column : impl_->select->columns) row.push_back(column.Value(impl_->row));
    ++impl_->row;
    return true;
}

}  // namespace ko::db
