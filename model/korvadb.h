// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <memory>
#include <string>

#include "model/column_table.h"
#include "model/record_list.h"

// KORVADB.FILTERCLASS: the filter class of a sensor attachment, units and type.
#define KO_FILTER_CLASS_COLUMNS(X, B)        \
    X(SENATT, Text, "Sensor attachment")     \
    X(UNITS, Text, "Data measurement units") \
    X(SENTYP, Text, "Sensor type")           \
    X(CLASS, Text, "Channel frequency class")

namespace ko::korvadb {

// One row of a code table (KORVADB.AIRDEP, KORVADB.OCCLOC, ...): the code, its
// description, reference and comment, whatever the table names its columns.
class CCodes {
public:
    CCodes() = default;
    CCodes(std::string code, std::string description, std::string reference, std::string comment)
        : code_(std::move(code)),
          description_(std::move(description)),
          reference_(std::move(reference)),
          comment_(std::move(comment))
    {
    }
    virtual ~CCodes() = default;

    const std::string& GetCode() const { return code_; }
    void SetCode(const std::string& code) { code_ = code; }
    const std::string& GetDescription() const { return description_; }
    void SetDescription(const std::string& description) { description_ = description; }
    const std::string& GetReference() const { return reference_; }
    void SetReference(const std::string& reference) { reference_ = reference; }
    const std::string& GetComment() const { return comment_; }
    void SetComment(const std::string& comment) { comment_ = comment; }

private:
    std::string code_;
    std::string description_;
    std::string reference_;
    std::string comment_;
};

// One row of KORVADB.FILTERCLASS.
class CFilterClass {
public:
    virtual ~CFilterClass() = default;
    KO_RECORD_COLUMNS(CFilterClass, KO_FILTER_CLASS_COLUMNS)
};

// The value table: the filter-class rows in load order.
class CValues {
public:
    virtual ~CValues() = default;
    KO_RECORD_LIST(CFilterClass, FilterClass, FilterClasses, filterClasses_)

private:
    CRecordList<CFilterClass> filterClasses_;
};

}  // namespace ko::korvadb
