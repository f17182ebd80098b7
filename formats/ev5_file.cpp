// SPDX-License-Identifier: GPL-3.0-or-later
#include "formats/ev5_file.h"

#include <ostream>
#include <stdexcept>

#include "core/failure.h"
#include "model/biomechanics_test.h"
#include "model/component_test.h"
#include "model/vehicle_test.h"

namespace ko {

template <class Test>
CEV5File<Test>::CEV5File(std::shared_ptr<Test> test, int testNumber) : test_(std::move(test))
{
    SetTestNumber(testNumber);
}

template <class Test>
void CEV5File<Test>::SetTestNumber(int number)
{
    testNumber_ = CTestNumber();
    if (number >= CTestNumber::kMinimum && number <= CTestNumber::kMaximum) testNumber_.Set(number);
}

template <class Test>
const CEV5Section<Test>* CEV5File<Test>::FindSection(std::string_view marker) const
{
    for (const auto& section : GetSections())
        if (section->GetMarker() == marker) return section.get();
    return nullptr;
}

template <class Test>
void CEV5File<Test>::Read(const std::string& text)
{
    if (!test_) throw CFailure(InvalidTestText());
    if (text.empty()) throw CFailure("Source is empty");
    CTextLines lines(text, "EV5");
    std::string_view line;
    bool more = lines.Next(line);
    while (more && line != kEndMarker) {
        const CEV5Section<Test>* section = FindSection(line);
        more = lines.Next(line);
        if (section == nullptr) continue;
        for (; more && (line.empty() || line.front() != '-'); more = lines.Next(line))
            section->ReadLine(*test_, line, testNumber_.GetNumber());
    }
    if (!test_->GetTest()) throw CFailure("The EV5 file has an invalid TEST section.");
}

template <class Test>
bool CEV5File<Test>::ToString(std::string& out)
{
    if (!test_) return false;
    std::string text = Header();
    for (const auto& section : GetSections()) {
        if (!section->IsWritten(*test_)) continue;
        text += section->GetMarker() + kLineEnd;
        section->WriteLines(*test_, testNumber_.GetNumber(), text);
    }
    out = text + kEndMarker + kLineEnd;
    return true;
}

template <class Test>
void CEV5File<Test>::Write(std::ostream& out)
{
    std::string text;
    if (ToString(text)) out << text;
}

template <class Test>
std::string CEV5File<Test>::Header() const
{
    return HeaderLines(HeaderDate("%m/%d/%Y"));
}

template <class Test>
std::string CEV5File<Test>::HeaderDate(const char* format) const
{
    return date_ ? DateText(format, *date_) : CurrentDateText(format);
}

template <class Test>
std::vector<std::pair<std::string, std::size_t>> CEV5File<Test>::RecordCounts() const
{
    std::vector<std::pair<std::string, std::size_t>> counts;
    if (!test_) return counts;
    for (const auto& section : GetSections()) counts.emplace_back(section->GetName(), section->Count(*test_));
    return counts;
}

template <class Test>
std::vector<std::pair<std::string, std::vector<std::vector<std::string>>>> CEV5File<Test>::FieldOrders() const
{
    std::vector<std::pair<std::string, std::vector<std::vector<std::string>>>> orders;
    for (const auto& section : GetSections()) orders.emplace_back(section->GetName(), section->GetForms());
    return orders;
}

template class CEV5File<CVehicleTest>;
template class CEV5File<CComTest>;
template class CEV5File<CBioTest>;

}  // namespace ko
