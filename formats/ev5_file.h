// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstddef>
#include <ctime>
#include <iosfwd>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "formats/ev5.h"
#include "formats/ev5_section.h"
#include "formats/ev_base.h"
#include "model/test_number.h"

namespace ko {

// Reads an EV5 text into one test aggregate and writes the aggregate as EV5
// text. The kind classes (CEV5Veh, CEV5Com, CEV5Bio and their Extension
// classes) supply the sections and the header.
//
// Reading: lines outside a section that are not a section marker of the kind
// are ignored; "----- END -----" ends reading. After a marker every line up to
// the next line beginning with "-" is a record line. Records get the file's
// test number and are appended to the aggregate (single sections replaced).
// Failures are std::logic_error; records read before one stay in the aggregate.
template <class Test>
class CEV5File : public CEVBase, public CEV5 {
public:
    // testNumber: 1 to 99999; any other number leaves it unset (records read
    // then keep no test number, and a TSTNO field is written as 0).
    CEV5File(std::shared_ptr<Test> test, int testNumber);
    ~CEV5File() override = default;

    // Throws "Invalid Vehicle Test" (or Component, Biomechanics) without an
    // aggregate, "Source is empty", a pipe-count text, a record failure
    // ("<table prefix>[<key label><key> ]<failure>"), a line text of CTextLines,
    // or "The EV5 file has an invalid TEST section." when no TEST record was read.
    void Read(const std::string& text) override;
    // The whole file text; false, out unchanged, without an aggregate. Throws
    // std::logic_error "<table prefix>[<key> ]<COLUMN> ..." for a field that
    // cannot be written on a record line; out is then unchanged.
    bool ToString(std::string& out) override;
    void Write(std::ostream& out) override;

    const std::shared_ptr<Test>& GetTest() const { return test_; }
    void SetTest(std::shared_ptr<Test> test) { test_ = std::move(test); }
    int GetTestNumber() const { return testNumber_.GetNumber(); }
    void SetTestNumber(int number);
    // The header carries this date instead of today's (for reproducible files).
    void SetDate(const std::tm& date) { date_ = date; }

    // Every section of the kind in file order with the number of records the
    // aggregate holds for it (empty without an aggregate).
    std::vector<std::pair<std::string, std::size_t>> RecordCounts() const;
    // The field orders of each section in file order, shortest form first.
    std::vector<std::pair<std::string, std::vector<std::vector<std::string>>>> FieldOrders() const;

protected:
    virtual const CEV5Sections<Test>& GetSections() const = 0;
    // The three header lines; the Extension classes write their own.
    virtual std::string Header() const;
    virtual const char* InvalidTestText() const = 0;
    std::string HeaderDate(const char* format) const;

private:
    const CEV5Section<Test>* FindSection(std::string_view marker) const;

    std::shared_ptr<Test> test_;
    CTestNumber testNumber_;
    std::optional<std::tm> date_;
};

// The members are defined for CVehicleTest, CComTest and CBioTest only.

}  // namespace ko
