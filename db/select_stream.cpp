// SPDX-License-Identifier: GPL-3.0-or-later
#include <deque>

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

struct CSelectStream::Impl {
    std::string text;
    std::size_t bufferSize = 1;
    CStatementValues uses;
    std::deque<CColumnBuffer> columns;
    soci::statement statement;
    std::size_t row = 0;
    std::size_t rows = 0;
    bool done = false;

    Impl(soci::session& session, std::string_view statementText, std::vector<CFieldValue> values)
        : text(statementText), uses(std::move(values)), statement(session)
    {
    }

    bool Fetch()
    {
        for (CColumnBuffer& column : columns) column.Resize(bufferSize);
        try {
            done = !statement.fetch();
        } catch (const soci::soci_error& e) {
            RethrowSoci(e, text);
        }
        rows = done || columns.empty() ? 0 : columns.front().Size();
        row = 0;
        return rows > 0;
    }
};

CSelectStream::CSelectStream(CConnection& connection, int bufferSize, std::string_view text,
                             const std::vector<ColumnType>& columns, const std::vector<CFieldValue>& values)
{
    CBoundText bound = TranslateBindDeclarations(text);
    if (connection.GetBackend() == Backend::PostgreSQL) bound.text = QuoteReservedColumns(bound.text);
    impl_ = std::make_unique<Impl>(connection.GetImpl().session, text, CheckBindValues(bound, values));
    impl_->bufferSize = bufferSize > 0 ? static_cast<std::size_t>(bufferSize) : 1;
    try {
        soci::statement& statement = impl_->statement;
        statement.alloc();
        statement.prepare(bound.text);
        for (ColumnType type : columns) {
            CColumnBuffer& column = impl_->columns.emplace_back();
            column.type = type;
            column.Resize(impl_->bufferSize);
            switch (type) {
                case ColumnType::Int: statement.exchange(soci::into(column.ints, column.indicators)); break;
                case ColumnType::Double:
                    statement.exchange(soci::into(column.doubles, column.indicators));
                    break;
                case ColumnType::Text: statement.exchange(soci::into(column.texts, column.indicators)); break;
                case ColumnType::Date: statement.exchange(soci::into(column.dates, column.indicators)); break;
            }
        }
        impl_->uses.Bind(statement);
        statement.define_and_bind();
        statement.execute(false);
    } catch (const soci::soci_error& e) {
        RethrowSoci(e, std::string(text));
    }
}

CSelectStream::~CSelectStream() = default;

bool CSelectStream::Next(std::vector<CFieldValue>& row)
{
    if (impl_->row >= impl_->rows && (impl_->done || !impl_->Fetch())) return false;
    row.clear();
    for (const CColumnBuffer& column : impl_->columns) row.push_back(column.Value(impl_->row));
    ++impl_->row;
    return true;
}

}  // namespace ko::db
