// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <memory>
#include <span>
#include <stdexcept>
#include <string>
#include <vector>

#include "model/bio_instrumentation.h"
#include "model/com_instrumentation.h"
#include "model/veh_instrumentation.h"

namespace ko {

// The signal title of an instrumentation row: the fields that name one
// channel independently of its test, in comparison and sort order.
//   biomechanics  SENATT, SENTYP, YUNITS, AXIS, CHSTAT, DASTAT, XUNITS
//   component     CMPNO, CNFNO and the seven above
//   vehicle       VEHNO, SENLOC and the seven above
// Integers compare numerically, texts bytewise (a prefix sorts first).
template <class Row>
struct CTitleField {
    const char* name;
    int (Row::*getInt)() const = nullptr;  // set for the integer fields
    void (Row::*setInt)(int) = nullptr;
    const std::string& (Row::*getText)() const = nullptr;  // set for the text fields
    void (Row::*setText)(const std::string&) = nullptr;
};

std::span<const CTitleField<veh::CInstrumentation>> TitleFields(const veh::CInstrumentation*);
std::span<const CTitleField<com::CInstrumentation>> TitleFields(const com::CInstrumentation*);
std::span<const CTitleField<bio::CInstrumentation>> TitleFields(const bio::CInstrumentation*);

template <class Row>
std::span<const CTitleField<Row>> TitleFieldsOf()
{
    return TitleFields(static_cast<const Row*>(nullptr));
}

// Negative, zero or positive as a's title sorts before, equals or sorts after b's.
template <class Row>
int CompareTitles(const Row& a, const Row& b)
{
    for (const auto& field : TitleFieldsOf<Row>()) {
        if (field.getInt) {
            const int x = (a.*field.getInt)(), y = (b.*field.getInt)();
            if (x != y) return x < y ? -1 : 1;
        } else if (const int c = (a.*field.getText)().compare((b.*field.getText)()); c != 0) {
            return c < 0 ? -1 : 1;
        }
    }
    return 0;
}

template <class Row>
bool SameTitle(const Row& a, const Row& b)
{
    return CompareTitles(a, b) == 0;
}

// Orders shared rows by title; usable with the standard sorting and set algorithms.
struct TitleOrder {
    template <class Row>
    bool operator()(const std::shared_ptr<Row>& a, const std::shared_ptr<Row>& b) const
    {
        return CompareTitles(*a, *b) < 0;
    }
};

// The column names of the kind's title fields ("VEHNO", "SENLOC", "SENATT", ...);
// empty for a kind other than biomechanics, component and vehicle.
std::vector<std::string> TitleFieldNames(TestKind kind);

// The title fields of a row as texts, integers in decimal.
template <class Row>
std::vector<std::string> TitleTexts(const Row& row)
{
    std::vector<std::string> texts;
    for (const auto& field : TitleFieldsOf<Row>())
        texts.push_back(field.getInt ? std::to_string((row.*field.getInt)()) : (row.*field.getText)());
    return texts;
}

// A decimal integer as the title grid reads it back: an optional sign, then
// digits; anything else (or a number beyond 32 bits) gives 0.
int ParseTitleInteger(const std::string& text);

// Sets the row's title fields from texts in field order (integers through
// ParseTitleInteger). Throws std::invalid_argument "Title needs n fields." when
// the number of texts is not the kind's number of fields.
template <class Row>
void SetTitleTexts(Row& row, const std::vector<std::string>& texts)
{
    const auto fields = TitleFieldsOf<Row>();
    if (texts.size() != fields.size())
        throw std::invalid_argument("Title needs " + std::to_string(fields.size()) + " fields.");
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (fields[i].setInt)
            (row.*fields[i].setInt)(ParseTitleInteger(texts[i]));
        else
            (row.*fields[i].setText)(texts[i]);
    }
}

}  // namespace ko
