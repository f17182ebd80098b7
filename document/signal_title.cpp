// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/signal_title.h"

#include <charconv>
#include <string_view>

#include "model/database.h"

namespace ko {

namespace {

template <class Row>
constexpr CTitleField<Row> IntField(const char* name, int (Row::*get)() const, void (Row::*set)(int))
{
    return {name, get, set, nullptr, nullptr};
}

template <class Row>
constexpr CTitleField<Row> TextField(const char* name, const std::string& (Row::*get)() const,
                                     void (Row::*set)(const std::string&))
{
    return {name, nullptr, nullptr, get, set};
}

// The seven fields every kind shares, after the kind's own ones.
#define KO_COMMON_TITLE_FIELDS(Row)                                 \
    TextField<Row>("SENATT", &Row::GetSENATT, &Row::SetSENATT),     \
        TextField<Row>("SENTYP", &Row::GetSENTYP, &Row::SetSENTYP), \
        TextField<Row>("YUNITS", &Row::GetYUNITS, &Row::SetYUNITS), \
        TextField<Row>("AXIS", &Row::GetAXIS, &Row::SetAXIS),       \
        TextField<Row>("CHSTAT", &Row::GetCHSTAT, &Row::SetCHSTAT), \
        TextField<Row>("DASTAT", &Row::GetDASTAT, &Row::SetDASTAT), \
        TextField<Row>("XUNITS", &Row::GetXUNITS, &Row::SetXUNITS)

using VehRow = veh::CInstrumentation;
using ComRow = com::CInstrumentation;
using BioRow = bio::CInstrumentation;

const CTitleField<VehRow> kVehicleFields[] = {
    IntField<VehRow>("VEHNO", &VehRow::GetVEHNO, &VehRow::SetVEHNO),
    TextField<VehRow>("SENLOC", &VehRow::GetSENLOC, &VehRow::SetSENLOC),
    KO_COMMON_TITLE_FIELDS(VehRow),
};

const CTitleField<ComRow> kComponentFields[] = {
    IntField<ComRow>("CMPNO", &ComRow::GetCMPNO, &ComRow::SetCMPNO),
    IntField<ComRow>("CNFNO", &ComRow::GetCNFNO, &ComRow::SetCNFNO),
    KO_COMMON_TITLE_FIELDS(ComRow),
};

const CTitleField<BioRow> kBiomechanicsFields[] = {KO_COMMON_TITLE_FIELDS(BioRow)};

#undef KO_COMMON_TITLE_FIELDS

template <class Row>
std::vector<std::string> NamesOf()
{
    std::vector<std::string> names;
    for (const auto& field : TitleFieldsOf<Row>()) names.emplace_back(field.name);
    return names;
}

}  // namespace

std::span<const CTitleField<VehRow>> TitleFields(const VehRow*)
{
    return kVehicleFields;
}
std::span<const CTitleField<ComRow>> TitleFields(const ComRow*)
{
    return kComponentFields;
}
std::span<const CTitleField<BioRow>> TitleFields(const BioRow*)
{
    return kBiomechanicsFields;
}

std::vector<std::string> TitleFieldNames(TestKind kind)
{
    switch (kind) {
        case TestKind::Vehicle: return NamesOf<VehRow>();
        case TestKind::Component: return NamesOf<ComRow>();
        case TestKind::Biomechanics: return NamesOf<BioRow>();
        default: return {};
    }
}

int ParseTitleInteger(const std::string& text)
{
    std::string_view digits = text;
    if (!digits.empty() && digits.front() == '+') {
        digits.remove_prefix(1);
        if (digits.empty() || digits.front() == '-') return 0;
    }
    int value = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    return error == std::errc() && end == digits.data() + digits.size() ? value : 0;
}

}  // namespace ko
