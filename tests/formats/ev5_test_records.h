// SPDX-License-Identifier: GPL-3.0-or-later
// Records with every column set, and checks that an EV5 round trip kept them.
#pragma once
#include <gtest/gtest.h>

#include <algorithm>
#include <ctime>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "model/column_table.h"
#include "tests/support/temp_dir_test.h"

namespace ev5test {

// Every column but TSTNO and SECURITY gets a value that no other column of the
// record has: integers seed + position, doubles with a fraction, texts naming
// the column, dates of distinct days.
template <class R>
std::shared_ptr<R> Filled(int seed)
{
    auto record = std::make_shared<R>();
    int position = 0;
    for (const auto& field : R::Columns()) {
        ++position;
        const std::string name(field.column.name);
        if (name == "TSTNO" || name == "SECURITY") continue;
        switch (field.column.type) {
            case ko::ColumnType::Int: field.SetValue(*record, seed + position); break;
            case ko::ColumnType::Double: field.SetValue(*record, seed + position + 0.25); break;
            case ko::ColumnType::Text: field.SetValue(*record, name + " " + std::to_string(seed)); break;
            case ko::ColumnType::Date: {
                std::tm date{};
                date.tm_mday = 1 + (seed + position) % 28;
                date.tm_mon = position % 12;
                date.tm_year = 90 + position % 30;
                field.SetValue(*record, date);
                break;
            }
        }
    }
    return record;
}

// After a round trip through a form (its column names in line order): every
// column of the form is back, every other column has its default, and the
// record carries the file's test number.
template <class R>
void ExpectRoundTrip(const R& before, const R& after, const std::vector<std::string>& form, int testNumber)
{
    const R fresh;
    EXPECT_EQ(after.GetTSTNO(), testNumber);
    for (const auto& field : R::Columns()) {
        const std::string name(field.column.name);
        if (name == "TSTNO" || name == "SECURITY") continue;
        const bool written = std::find(form.begin(), form.end(), name) != form.end();
        EXPECT_EQ(field.GetText(after), field.GetText(written ? before : fresh))
            << name << (written ? " written" : " not written");
    }
}

// The form of a section in a reader/writer's field orders, the longest one.
template <class File>
std::vector<std::string> FormOf(const File& file, const std::string& section)
{
    for (const auto& [name, forms] : file.FieldOrders())
        if (name == section) return forms.back();
    throw std::logic_error("no section " + section);
}

template <class File>
std::string ReadFailure(File& file, const std::string& text)
{
    return testsupport::MessageOf([&] { file.Read(text); });
}

}  // namespace ev5test
