// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/selection_texts.h"

#include <string_view>

namespace ko {

namespace {

// The description column's text, else the code column's.
template <class Row>
std::string Described(const Row& row, std::string_view code, std::string_view description)
{
    std::string text = GetFieldText(row, description);
    return text.empty() ? GetFieldText(row, code) : text;
}

template <class Row, class Fields>
std::vector<std::vector<std::string>> TextsOf(const std::vector<std::shared_ptr<Row>>& rows, Fields fields)
{
    std::vector<std::vector<std::string>> texts;
    texts.reserve(rows.size());
    for (const auto& row : rows) texts.push_back(fields(*row));
    return texts;
}

}  // namespace

bool IsBiologicalOccupant(const std::string& occupantType)
{
    return occupantType == "ANIMAL" || occupantType == "HUMAN VOLUNTEER" || occupantType == "CADAVER";
}

std::vector<std::vector<std::string>> SelectionTexts(
    const std::vector<std::shared_ptr<veh::CSelection>>& rows)
{
    return TextsOf(rows, [](const veh::CSelection& row) {
        return std::vector<std::string>{Described(row, "TSTTYP", "TSTTYPD"),
                                        row.GetMAKED(),
                                        row.GetMODELD(),
                                        GetFieldText(row, "YEAR"),
                                        GetFieldText(row, "TSTNO"),
                                        GetFieldText(row, "IMPANG"),
                                        GetFieldText(row, "CLSSPD"),
                                        GetFieldText(row, "VEHLEN"),
                                        GetFieldText(row, "VEHWID"),
                                        row.GetBODY(),
                                        GetFieldText(row, "VEHTWT"),
                                        row.GetVIN()};
    });
}

std::vector<std::vector<std::string>> SelectionTexts(
    const std::vector<std::shared_ptr<com::CSelection>>& rows)
{
    return TextsOf(rows, [](const com::CSelection& row) {
        return std::vector<std::string>{Described(row, "TSTTYP", "TSTTYPD"),
                                        Described(row, "TSTPRF", "TSTPRFD"), row.GetTSTREF(),
                                        GetFieldText(row, "TSTNO")};
    });
}

std::vector<std::vector<std::string>> SelectionTexts(
    const std::vector<std::shared_ptr<bio::CSelection>>& rows)
{
    return TextsOf(rows, [](const bio::CSelection& row) {
        const std::string occupant = Described(row, "OCCTYP", "OCCTYPD");
        const bool biological = IsBiologicalOccupant(occupant);
        return std::vector<std::string>{
            occupant,
            Described(row, "TSTCFN", "TSTCFND"),
            Described(row, "TSTPRF", "TSTPRFD"),
            row.GetTSTREF(),
            GetFieldText(row, "TSTNO"),
            biological ? Described(row, "BOCCSEX", "BOCCSEXD") : Described(row, "DOCCSEX", "DOCCSEXD"),
            biological ? GetFieldText(row, "OCCAGE") : Described(row, "DUMSIZ", "DUMSIZD"),
            biological ? GetFieldText(row, "OCCWT") : std::string(),
            GetFieldText(row, "CLSSPD"),
            GetFieldText(row, "IMPANG")};
    });
}

}  // namespace ko
