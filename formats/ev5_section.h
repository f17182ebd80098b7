// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <algorithm>
#include <cstddef>
#include <exception>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "core/failure.h"
#include "formats/ev5.h"
#include "formats/ev_base.h"
#include "model/column_table.h"
#include "model/test_number.h"

namespace ko {

// One section of an EV5 file of one kind of test (Test is the aggregate).
template <class Test>
class CEV5Section {
public:
    explicit CEV5Section(std::string name) : name_(std::move(name)), marker_(CEV5::Marker(name_)) {}
    virtual ~CEV5Section() = default;

    const std::string& GetName() const { return name_; }      // "INSTRUMENTATION"
    const std::string& GetMarker() const { return marker_; }  // "----- INSTRUMENTATION -----"

    // The records test holds for this section.
    virtual std::size_t Count(const Test& test) const = 0;
    // Whether a file of test carries this section.
    virtual bool IsWritten(const Test& test) const { return Count(test) > 0; }
    // Reads one record line into test; records get testNumber when it is not 0.
    virtual void ReadLine(Test& test, std::string_view line, int testNumber) const = 0;
    // Appends one record line per record; testNumber fills a TSTNO position.
    virtual void WriteLines(const Test& test, int testNumber, std::string& out) const = 0;

    // The field orders of the section, shortest first: column names in line
    // order, "-" for a position left empty.
    virtual std::vector<std::vector<std::string>> GetForms() const = 0;

private:
    std::string name_;
    std::string marker_;
};

// The texts of one section's messages.
struct CEV5SectionTexts {
    std::string name;       // marker name: "INSTRUMENTATION"
    std::string pipeName;   // pipe-count text: "Instrumentation"
    std::string prefix;     // record failures: "Vehicle: Instrumentation Table: "
    std::string keyLabel;   // "Curve Number: ", empty for sections without a key
    std::string keyColumn;  // "CURNO"
};

// Where the records of a section live in the aggregate.
template <class Test, class R>
struct CEV5Access {
    std::function<std::vector<std::shared_ptr<R>>(const Test&)> records;
    std::function<void(Test&, std::shared_ptr<R>)> store;  // append, or replace a single record
    std::function<bool(const Test&)> written;              // empty: written when it has records
};

// A field of a record line that is not a column of the record (the vehicle
// and occupant counts of the vehicle Extension TEST line).
template <class R>
struct CEV5Extra {
    std::string name;
    std::function<std::string(const R&)> get;
    std::function<void(R&, std::string_view)> set;
};

// "<pipeName> pipe count is <found> and not <a>[ or <b>]."
std::string EV5PipeCountText(const std::string& pipeName, std::size_t found,
                             const std::vector<std::size_t>& allowed);
// The names of a "|"-joined field order.
std::vector<std::string> EV5FieldNames(std::string_view order);
// A field order from column names: every column after TSTNO except SECURITY
// and holding-only columns; description columns only when descriptions is true.
std::string EV5TableOrder(const std::vector<CColumn>& columns, bool descriptions);
// order without the named field.
std::string EV5Without(std::string_view order, std::string_view name);
// Why text cannot stand at position of a record line (it holds "|" or a
// control character, or it would begin the line with "-" and so end the
// section), or the empty text when it can.
std::string EV5FieldFault(const std::string& text, std::size_t position);

// The one field order of a section in the variant chosen by extension.
inline std::vector<std::string> EV5Form(bool extension, std::string plain, std::string withDescriptions)
{
    return {extension ? std::move(withDescriptions) : std::move(plain)};
}

template <class R>
std::vector<CColumn> ColumnsOf()
{
    std::vector<CColumn> columns;
    for (const auto& field : R::Columns()) columns.push_back(field.column);
    return columns;
}

// A section whose lines are records of class R. A field order is a record
// line template: column names joined by "|", "-" for a position left empty,
// TSTNO for the file's test number (written, not read) and the names of extras.
// Fields are converted by the columns' text forms (column_table.h).
template <class Test, class R>
class CEV5RecordSection : public CEV5Section<Test> {
public:
    // forms: field orders, shortest first; the writer uses the last. An unknown
    // column name throws std::out_of_range here.
    CEV5RecordSection(CEV5SectionTexts texts, const std::vector<std::string>& forms,
                      CEV5Access<Test, R> access, std::vector<CEV5Extra<R>> extras = {})
        : CEV5Section<Test>(texts.name),
          texts_(std::move(texts)),
          access_(std::move(access)),
          extras_(std::move(extras))
    {
        for (const std::string& order : forms) {
            std::vector<Slot> slots;
            for (std::string& name : EV5FieldNames(order)) slots.push_back(Resolve(std::move(name)));
            allowed_.push_back(slots.size() - 1);
            forms_.push_back(std::move(slots));
        }
    }
    CEV5RecordSection(const CEV5RecordSection&) = delete;
    CEV5RecordSection& operator=(const CEV5RecordSection&) = delete;

    std::size_t Count(const Test& test) const override { return access_.records(test).size(); }
    bool IsWritten(const Test& test) const override
    {
        return access_.written ? access_.written(test) : Count(test) > 0;
    }
    std::vector<std::vector<std::string>> GetForms() const override
    {
        std::vector<std::vector<std::string>> forms;
        for (const auto& slots : forms_) {
            forms.emplace_back();
            for (const Slot& slot : slots) forms.back().push_back(slot.name);
        }
        return forms;
    }

    void ReadLine(Test& test, std::string_view line, int testNumber) const override
    {
        const auto pipes = static_cast<std::size_t>(std::count(line.begin(), line.end(), CEV5::kSeparator));
        const auto form = std::find(allowed_.begin(), allowed_.end(), pipes);
        if (form == allowed_.end()) throw CFailure(EV5PipeCountText(texts_.pipeName, pipes, allowed_));
        const std::vector<Slot>& slots = forms_[static_cast<std::size_t>(form - allowed_.begin())];
        const std::vector<std::string_view> fields = SplitRecordLine(line);
        auto record = std::make_shared<R>();
        try {
            if (testNumber != 0) record->SetTSTNO(testNumber);
            for (std::size_t i = 0; i < fields.size(); ++i) Set(slots[i], *record, fields[i]);
            access_.store(test, std::move(record));
        } catch (const std::exception& failure) {
            throw CFailure(Where(KeyText(slots, fields)) + failure.what());
        }
    }

    void WriteLines(const Test& test, int testNumber, std::string& out) const override
    {
        const std::vector<Slot>& slots = forms_.back();
        for (const auto& record : access_.records(test)) {
            std::string line;
            for (std::size_t i = 0; i < slots.size(); ++i) {
                const std::string text = Get(slots[i], *record, testNumber);
                const std::string fault = EV5FieldFault(text, i);
                if (!fault.empty()) throw CFailure(Where(KeyText(*record)) + slots[i].name + " " + fault);
                if (i > 0) line += CEV5::kSeparator;
                line += text;
            }
            out += line + CEV5::kLineEnd;
        }
    }

private:
    // A position of a record line: a column, an extra, the test number or nothing ("-").
    struct Slot {
        std::string name;
        const CField<R>* field = nullptr;
        std::size_t extra = 0;  // index + 1 into extras_, 0 for none
    };

    Slot Resolve(std::string name) const
    {
        Slot slot{std::move(name)};
        for (std::size_t i = 0; i < extras_.size(); ++i)
            if (extras_[i].name == slot.name) slot.extra = i + 1;
        if (slot.name != "-" && slot.name != "TSTNO" && slot.extra == 0)
            slot.field = &R::Columns().At(slot.name);
        return slot;
    }
    // The record takes the reader's test number, so a TSTNO field is not read.
    void Set(const Slot& slot, R& record, std::string_view text) const
    {
        if (slot.extra != 0) extras_[slot.extra - 1].set(record, text);
        if (slot.field != nullptr) slot.field->SetText(record, text);
    }
    std::string Get(const Slot& slot, const R& record, int testNumber) const
    {
        if (slot.name == "TSTNO") return std::to_string(testNumber);
        if (slot.extra != 0) return extras_[slot.extra - 1].get(record);
        return slot.field != nullptr ? slot.field->GetText(record) : std::string();
    }
    // The key field as the line holds it (blanks trimmed), for messages.
    std::string KeyText(const std::vector<Slot>& slots, const std::vector<std::string_view>& fields) const
    {
        for (std::size_t i = 0; i < slots.size() && !texts_.keyLabel.empty(); ++i) {
            if (slots[i].name != texts_.keyColumn) continue;
            std::string_view text = fields[i];
            while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
            while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
            return std::string(text);
        }
        return {};
    }
    std::string KeyText(const R& record) const
    {
        return texts_.keyLabel.empty() ? std::string() : R::Columns().At(texts_.keyColumn).GetText(record);
    }
    // "<prefix>" or "<prefix><key label><key> ".
    std::string Where(const std::string& key) const
    {
        return texts_.keyLabel.empty() ? texts_.prefix : texts_.prefix + texts_.keyLabel + key + " ";
    }

    CEV5SectionTexts texts_;
    CEV5Access<Test, R> access_;
    std::vector<CEV5Extra<R>> extras_;
    std::vector<std::vector<Slot>> forms_;
    std::vector<std::size_t> allowed_;
};

template <class T>
std::vector<std::shared_ptr<T>> SingleRecord(const std::shared_ptr<T>& record)
{
    if (!record) return {};
    return {record};
}

template <class Test>
using CEV5Sections = std::vector<std::unique_ptr<const CEV5Section<Test>>>;

template <class Test, class R>
std::unique_ptr<const CEV5Section<Test>> MakeEV5Section(CEV5SectionTexts texts,
                                                        const std::vector<std::string>& forms,
                                                        CEV5Access<Test, R> access,
                                                        std::vector<CEV5Extra<R>> extras = {})
{
    return std::make_unique<CEV5RecordSection<Test, R>>(std::move(texts), forms, std::move(access),
                                                        std::move(extras));
}

// Access to a single section: getter and setter of the aggregate.
template <class Test, class R>
CEV5Access<Test, R> SingleAccess(const std::shared_ptr<R>& (Test::*get)() const,
                                 void (Test::*set)(std::shared_ptr<R>))
{
    return {[get](const Test& test) { return SingleRecord((test.*get)()); },
            [set](Test& test, std::shared_ptr<R> record) { (test.*set)(std::move(record)); },
            {}};
}

// Access to a list section: list getter and append.
template <class Test, class R>
CEV5Access<Test, R> ListAccess(const std::vector<std::shared_ptr<R>>& (Test::*get)() const,
                               void (Test::*add)(std::shared_ptr<R>))
{
    return {[get](const Test& test) { return (test.*get)(); },
            [add](Test& test, std::shared_ptr<R> record) { (test.*add)(std::move(record)); },
            {}};
}

}  // namespace ko
