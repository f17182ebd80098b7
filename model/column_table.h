// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Column tables. Every record class is defined once, by a list of its columns
// in SELECT order; its members, its Get/Set accessors named after the columns,
// copying and the generic field visitor below all come from that list, so no
// reader, writer, loader or viewer lists a record's columns again.
//
// Adding a record class
//   1. In its header define the list, a macro of (X, B), one entry per column
//      in SELECT order: ENTRY(NAME, kind, "long title shown by the viewers").
//      X declares a column of this class; B names one the class inherits (a
//      base class's partial list is expanded with B). The kinds:
//        Int, Double, Text, Date  a member NAME_ with Get/SetNAME (texts by
//                                 const reference, dates as std::tm copies)
//        HoldInt                  an Int that only the holding (H_) table has
//        Security                 the shared CSecurity: GetSECURITY/SetSECURITY
//                                 by text, GetSecurity(); production tables only
//        Manual                   the class writes or inherits GetNAME/SetNAME
//                                 (TSTNO comes from CRecord, CURNO from
//                                 CInstrumentation)
//      occupant.h and electric_media.h add kinds that store into their base
//      class's common fields (OccLoc, MediaTest, ...). Runs of columns that
//      several tables share are partial lists in shared_columns.h.
//   2. In the class body: KO_RECORD_COLUMNS(Class, LIST), which declares the
//      accessors and static const CColumnTable<Class>& Columns() as public and
//      the members as private (what follows it is private). A class that
//      declares the columns of a partial list itself uses KO_COLUMN_ACCESS and
//      KO_COLUMN_MEMBER on that list (see instrumentation.h).
//   3. In its .cpp: KO_DEFINE_COLUMNS(ns::Class, LIST).
//   4. Add the class to the SELECT-order test of tests/model.
//
// Visiting a record
//   for (const auto& field : veh::CBarrier::Columns()) {
//       field.column.name, .type, .description, .describesPrevious
//       field.GetText(barrier);  field.SetText(barrier, "R");
//       field.GetValue(barrier); field.SetValue(barrier, CFieldValue(42));
//   }
//   VisitFields(barrier, [](const CColumn& column, const std::string& text) { ... });
//   GetFieldText(barrier, "BARRIG");  SetFieldText(barrier, "barrig", "R");
//   veh::CBarrier::Columns().SelectList(TableVariant::Holding)  // "TSTNO, BARRIG, ..., BARCOM"
// A viewer row: column.description, column.name, the text, and, when the next
// column describesPrevious, that column's text as the decoded value.
// Names are matched without regard to case. Text conversion is that of
// field_value.h (EV5 forms; empty text is 0 or the zero date). SetText and
// SetValue throw what the column's setter throws (for example the out-of-range
// texts of TSTNO and CURNO) and the conversion failures of field_value.h.

#include <cstddef>
#include <initializer_list>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

#include "model/field_value.h"
#include "model/security.h"

namespace ko {

// Where a column exists: SECURITY only in production tables, the VEHNO of
// COMDB.H_ROV only in the holding table.
enum ColumnFlag : unsigned { kEveryTable = 0u, kProductionOnly = 1u, kHoldingOnly = 2u };
enum class TableVariant { Production, Holding };

struct CColumn {
    std::string_view name;  // database column name, upper case
    ColumnType type = ColumnType::Text;
    std::string_view description;  // long title ("Titles Definitions" of the viewer)
    unsigned flags = kEveryTable;
    // A ...D column directly after its code column (SENTYPD after SENTYP): it
    // holds the description of that code ("Values Definitions" of the viewer).
    bool describesPrevious = false;

    bool IsIn(TableVariant variant) const
    {
        return !(flags & (variant == TableVariant::Production ? kHoldingOnly : kProductionOnly));
    }
};

template <class R>
struct CField {
    CColumn column;
    CFieldValue (*get)(const R&);
    void (*set)(R&, const CFieldValue&);

    CFieldValue GetValue(const R& record) const { return get(record); }
    // value is converted to the column type first (see ConvertFieldValue).
    void SetValue(R& record, const CFieldValue& value) const
    {
        // the alternatives are in ColumnType order: a value of the column's type needs no conversion
        if (static_cast<int>(value.index()) == static_cast<int>(column.type))
            set(record, value);
        else
            set(record, ConvertFieldValue(column.type, value));
    }
    std::string GetText(const R& record) const { return FormatFieldValue(get(record)); }
    void SetText(R& record, std::string_view text) const { set(record, ParseFieldValue(column.type, text)); }
};

bool SameColumnName(std::string_view a, std::string_view b);
void MarkDescriptionColumns(CColumn* columns, std::size_t count);
[[noreturn]] void ThrowUnknownColumn(std::string_view name);

// The columns of record class R in SELECT order.
template <class R>
class CColumnTable {
public:
    CColumnTable(std::initializer_list<CField<R>> fields) : fields_(fields)
    {
        std::vector<CColumn> columns;
        for (const CField<R>& field : fields_) columns.push_back(field.column);
        MarkDescriptionColumns(columns.data(), columns.size());
        for (std::size_t i = 0; i < columns.size(); ++i) fields_[i].column = columns[i];
    }

    std::size_t size() const { return fields_.size(); }
    auto begin() const { return fields_.begin(); }
    auto end() const { return fields_.end(); }
    const CField<R>& operator[](std::size_t index) const { return fields_[index]; }

    // The field of that name (any case), or nullptr.
    const CField<R>* Find(std::string_view name) const
    {
        for (const CField<R>& field : fields_) {
            if (SameColumnName(field.column.name, name)) return &field;
        }
        return nullptr;
    }
    // As Find; throws std::out_of_range "Unknown column: <name>" on a miss.
    const CField<R>& At(std::string_view name) const
    {
        const CField<R>* field = Find(name);
        if (field == nullptr) ThrowUnknownColumn(name);
        return *field;
    }

    std::vector<std::string_view> Names(TableVariant variant = TableVariant::Production) const
    {
        std::vector<std::string_view> names;
        for (const CField<R>& field : fields_) {
            if (field.column.IsIn(variant)) names.push_back(field.column.name);
        }
        return names;
    }
    // "TSTNO, VERNO, ..." for a SELECT statement of that table variant.
    std::string SelectList(TableVariant variant = TableVariant::Production) const
    {
        std::string list;
        for (std::string_view name : Names(variant)) {
            if (!list.empty()) list += ", ";
            list += name;
        }
        return list;
    }

    // visit(const CColumn&, const std::string& text) for every column in order.
    template <class Visitor>
    void Visit(const R& record, Visitor&& visit) const
    {
        for (const CField<R>& field : fields_) visit(field.column, field.GetText(record));
    }

private:
    std::vector<CField<R>> fields_;
};

template <class R, class Visitor>
void VisitFields(const R& record, Visitor&& visit)
{
    R::Columns().Visit(record, visit);
}

template <class R>
std::string GetFieldText(const R& record, std::string_view column)
{
    return R::Columns().At(column).GetText(record);
}

template <class R>
void SetFieldText(R& record, std::string_view column, std::string_view text)
{
    R::Columns().At(column).SetText(record, text);
}

// Building blocks of KO_DEFINE_COLUMNS.
template <class>
struct GetterTraits;
template <class C, class T>
struct GetterTraits<T (C::*)() const> {
    using Value = std::remove_cvref_t<T>;
};
template <class>
struct SetterTraits;
template <class C, class A>
struct SetterTraits<void (C::*)(A)> {
    using Param = A;
    using Value = std::remove_cvref_t<A>;
};

template <class R, auto Getter>
CFieldValue LoadField(const R& record)
{
    return CFieldValue((record.*Getter)());
}

template <class R, auto Setter>
void StoreField(R& record, const CFieldValue& value)
{
    (record.*Setter)(std::get<typename SetterTraits<decltype(Setter)>::Value>(value));
}

template <class R, auto Getter, auto Setter>
CField<R> MakeField(std::string_view name, unsigned flags, std::string_view description)
{
    using Value = typename GetterTraits<decltype(Getter)>::Value;
    static_assert(std::is_same_v<Value, typename SetterTraits<decltype(Setter)>::Value>,
                  "a column's getter and setter take the same type");
    return {{name, ColumnTypeOf<Value>(), description, flags}, &LoadField<R, Getter>, &StoreField<R, Setter>};
}

}  // namespace ko

#define KO_RECORD_COLUMNS(Class, LIST)                 \
public:                                                \
    KO_COLUMN_ACCESSORS(LIST)                          \
    static const ::ko::CColumnTable<Class>& Columns(); \
                                                       \
private:                                               \
    KO_COLUMN_MEMBERS(LIST)

#define KO_COLUMN_ACCESSORS(LIST) LIST(KO_COLUMN_ACCESS, KO_COLUMN_SKIP)
#define KO_COLUMN_MEMBERS(LIST) LIST(KO_COLUMN_MEMBER, KO_COLUMN_SKIP)
#define KO_COLUMN_ACCESS(name, kind, description) KO_ACCESS_##kind(name)
#define KO_COLUMN_MEMBER(name, kind, description) KO_MEMBER_##kind(name)
#define KO_COLUMN_SKIP(name, kind, description)

#define KO_DEFINE_COLUMNS(Class, LIST)                                                     \
    const ::ko::CColumnTable<Class>& Class::Columns()                                      \
    {                                                                                      \
        using Record = Class;                                                              \
        static const ::ko::CColumnTable<Record> table{LIST(KO_COLUMN_ROW, KO_COLUMN_ROW)}; \
        return table;                                                                      \
    }
#define KO_COLUMN_ROW(name, kind, description) \
    ::ko::MakeField<Record, &Record::Get##name, &Record::Set##name>(#name, KO_FLAGS_##kind, description),

#define KO_VALUE_ACCESSORS(name, GetType, SetType) \
    GetType Get##name() const                      \
    {                                              \
        return name##_;                            \
    }                                              \
    void Set##name(SetType value)                  \
    {                                              \
        name##_ = value;                           \
    }

#define KO_ACCESS_Int(name) KO_VALUE_ACCESSORS(name, int, int)
#define KO_ACCESS_HoldInt(name) KO_VALUE_ACCESSORS(name, int, int)
#define KO_ACCESS_Double(name) KO_VALUE_ACCESSORS(name, double, double)
#define KO_ACCESS_Text(name) KO_VALUE_ACCESSORS(name, const std::string&, const std::string&)
#define KO_ACCESS_Date(name) KO_VALUE_ACCESSORS(name, std::tm, const std::tm&)
#define KO_ACCESS_Manual(name)
#define KO_ACCESS_Security(name)                                \
    const std::string& Get##name() const                        \
    {                                                           \
        return security_->GetText();                            \
    }                                                           \
    void Set##name(const std::string& value)                    \
    {                                                           \
        security_->Set(value);                                  \
    }                                                           \
    const std::shared_ptr<::ko::CSecurity>& GetSecurity() const \
    {                                                           \
        return security_;                                       \
    }

#define KO_MEMBER_Int(name) int name##_ = 0;
#define KO_MEMBER_HoldInt(name) int name##_ = 0;
#define KO_MEMBER_Double(name) double name##_ = 0.0;
#define KO_MEMBER_Text(name) std::string name##_;
#define KO_MEMBER_Date(name) std::tm name##_{};
#define KO_MEMBER_Manual(name)
#define KO_MEMBER_Security(name) \
    std::shared_ptr<::ko::CSecurity> security_ = std::make_shared<::ko::CSecurity>();

#define KO_FLAGS_Int ::ko::kEveryTable
#define KO_FLAGS_HoldInt ::ko::kHoldingOnly
#define KO_FLAGS_Double ::ko::kEveryTable
#define KO_FLAGS_Text ::ko::kEveryTable
#define KO_FLAGS_Date ::ko::kEveryTable
#define KO_FLAGS_Manual ::ko::kEveryTable
#define KO_FLAGS_Security ::ko::kProductionOnly
