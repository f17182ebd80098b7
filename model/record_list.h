// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstddef>
#include <memory>
#include <utility>
#include <vector>

#include "model/column_table.h"

namespace ko {

// The records of one repeated section of a test, in load order.
template <class T>
using CRecordList = std::vector<std::shared_ptr<T>>;

// A record list that the copies of its test share until one of them changes
// it: copying a test copies no list (a test is copied for every curve read).
template <class T>
class CSharedRecords {
public:
    CSharedRecords() = default;
    CSharedRecords& operator=(CRecordList<T> list)
    {
        list_ = list.empty() ? nullptr : std::make_shared<CRecordList<T>>(std::move(list));
        return *this;
    }

    const CRecordList<T>& Get() const { return list_ ? *list_ : Empty(); }
    operator const CRecordList<T>&() const { return Get(); }
    std::size_t size() const { return Get().size(); }
    bool empty() const { return Get().empty(); }
    const std::shared_ptr<T>& operator[](std::size_t i) const { return Get()[i]; }
    auto begin() const { return Get().begin(); }
    auto end() const { return Get().end(); }

    // The list to change, first made this copy's own when others share it.
    CRecordList<T>& Edit()
    {
        if (!list_)
            list_ = std::make_shared<CRecordList<T>>();
        else if (list_.use_count() > 1)
            list_ = std::make_shared<CRecordList<T>>(*list_);
        return *list_;
    }
    void clear() { list_.reset(); }

private:
    static const CRecordList<T>& Empty()
    {
        static const CRecordList<T> empty;
        return empty;
    }

    std::shared_ptr<CRecordList<T>> list_;
};

// Throws std::invalid_argument "record pointer is invalid" for a null record.
void CheckRecordPointer(const void* record);

template <class T>
void AppendRecord(CRecordList<T>& list, std::shared_ptr<T> record)
{
    CheckRecordPointer(record.get());
    list.push_back(std::move(record));
}

template <class T>
void AppendRecord(CSharedRecords<T>& list, std::shared_ptr<T> record)
{
    CheckRecordPointer(record.get());
    list.Edit().push_back(std::move(record));
}

// Checks every record of a replacement list before it is taken.
template <class T>
CRecordList<T> CheckedRecords(CRecordList<T> list)
{
    for (const auto& record : list) CheckRecordPointer(record.get());
    return list;
}

// The first record in load order for which match(record) is true, or nullptr.
template <class T, class Match>
std::shared_ptr<T> FindRecord(const CRecordList<T>& list, Match match)
{
    for (const auto& record : list) {
        if (match(*record)) return record;
    }
    return nullptr;
}

template <class T, class Match>
std::shared_ptr<T> FindRecord(const CSharedRecords<T>& list, Match match)
{
    return FindRecord(list.Get(), match);
}

// The position of the first record whose CURNO is curveNumber, or list.size().
template <class T>
std::size_t CurvePosition(const CRecordList<T>& list, int curveNumber)
{
    std::size_t position = 0;
    while (position < list.size() && list[position]->GetCURNO() != curveNumber) ++position;
    return position;
}

template <class T>
std::size_t CurvePosition(const CSharedRecords<T>& list, int curveNumber)
{
    return CurvePosition(list.Get(), curveNumber);
}

}  // namespace ko

// The four operations of a repeated section whose list has no side effects:
// AddSingular (append; throws for a null record), SetPlural (replace the whole
// list; throws for a null record and keeps the old list), GetPlural, ClearPlural.
#define KO_RECORD_LIST(Type, Singular, Plural, member)  \
    void Add##Singular(std::shared_ptr<Type> record)    \
    {                                                   \
        ::ko::AppendRecord(member, std::move(record));  \
    }                                                   \
    void Set##Plural(::ko::CRecordList<Type> list)      \
    {                                                   \
        member = ::ko::CheckedRecords(std::move(list)); \
    }                                                   \
    const ::ko::CRecordList<Type>& Get##Plural() const  \
    {                                                   \
        return member;                                  \
    }                                                   \
    void Clear##Plural()                                \
    {                                                   \
        member.clear();                                 \
    }

// A getter and a setter for one column of the aggregate's test record, through
// TestRecord() (which throws when the test has no test record).
#define KO_FORWARD_COLUMN(name, kind, description)                                                 \
    decltype(auto) Get##name() const                                                               \
    {                                                                                              \
        return TestRecord().Get##name();                                                           \
    }                                                                                              \
    void Set##name(typename ::ko::SetterTraits<decltype(&TestRecordType::Set##name)>::Param value) \
    {                                                                                              \
        TestRecord().Set##name(value);                                                             \
    }
