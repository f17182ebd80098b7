// SPDX-License-Identifier: GPL-3.0-or-later
#include "sources/header_blocks.h"

#include "formats/uds_file.h"
#include "model/description_else_code.h"

namespace ko {
namespace {

void ClearVehicle(CUDSFile& file)
{
    file.SetVehicleNumber1(0);
    file.SetComponentType1("");
    file.SetDescription1("");
    file.SetMake1("");
    file.SetModel1("");
    file.SetYear1(0);
    file.SetBodyType1("");
    file.SetEngineType1("");
    file.SetVehicleWeight1(0.0f);
    file.SetVEHSPD1(0.0f);
    file.SetCD2("");
}

void ClearOccupant(CUDSFile& file)
{
    file.SetType1("");
    file.SetAge1(0);
    file.SetSex1("");
    file.SetWeight1(0.0f);
    file.SetSize1("");
    file.SetHIC(0.0f);
    file.SetT1(0.0f);
    file.SetT2(0.0f);
    file.SetCLIP3M(0.0f);
    file.SetCSI(0.0f);
}

void FillBarrier(CUDSFile& file, const veh::CBarrier& barrier)
{
    file.SetMake1(DescriptionElseCode(barrier.GetBARRIGD(), barrier.GetBARRIG()));
    file.SetModel1(DescriptionElseCode(barrier.GetBARSHPD(), barrier.GetBARSHP()));
    file.SetCD2(barrier.GetBARCOM());
}

void FillVehicle(CUDSFile& file, const veh::CVehicle& vehicle)
{
    file.SetVehicleNumber1(vehicle.GetVEHNO());
    file.SetMake1(DescriptionElseCode(vehicle.GetMAKED(), vehicle.GetMAKE()));
    file.SetModel1(DescriptionElseCode(vehicle.GetMODELD(), vehicle.GetMODEL()));
    file.SetYear1(vehicle.GetYEAR());
    file.SetBodyType1(DescriptionElseCode(vehicle.GetBODYD(), vehicle.GetBODY()));
    file.SetEngineType1(DescriptionElseCode(vehicle.GetENGINED(), vehicle.GetENGINE()));
    file.SetVehicleWeight1(static_cast<float>(vehicle.GetVEHTWT()));
    file.SetVEHSPD1(static_cast<float>(vehicle.GetVEHSPD()));
    file.SetCD2(vehicle.GetVEHCOM());
}

bool IsAISDigit(const std::string& ais)
{
    return ais.size() == 1 && ais[0] >= '0' && ais[0] <= '6';
}

// The restraint text of one row: its type description, else its type code.
template <class Restraint>
std::string RestraintText(const CRecordList<Restraint>& rows, std::size_t index)
{
    if (index >= rows.size()) return {};
    return DescriptionElseCode(rows[index]->GetRSTTYPD(), rows[index]->GetRSTTYP());
}

void FillBiological(CUDSFile& file, const CBioTest& test)
{
    if (const auto& occupant = test.GetBiologicalOccupant()) {
        file.SetAge1(occupant->GetOCCAGE());
        file.SetSex1(occupant->GetBOCCSEX());
        file.SetWeight1(static_cast<float>(occupant->GetOCCWT()));
    }
    file.SetAIS(HighestAIS(test.GetInjuries()));
}

void FillDummy(CUDSFile& file, const CBioTest& test)
{
    const auto& dummy = test.GetDummyOccupant();
    if (!dummy) return;
    file.SetSex1(dummy->GetDOCCSEX());
    file.SetWeight1(static_cast<float>(dummy->GetDCOMPWT()));
    file.SetSize1(dummy->GetDUMSIZ());
    file.SetHIC(static_cast<float>(dummy->GetHIC()));
    file.SetCLIP3M(static_cast<float>(dummy->GetCLIP3M()));
    file.SetCSI(static_cast<float>(dummy->GetCSI()));
}

}  // namespace

void FillVehicleBlock(CUDSFile& file, const CVehicleTest& test, const veh::CInstrumentation& row)
{
    ClearVehicle(file);
    if (row.GetVEHNO() == 0 || test.GetVehicles().empty()) {
        if (test.GetBarrier()) FillBarrier(file, *test.GetBarrier());
        return;
    }
    const auto vehicle = FindRecord(test.GetVehicles(),
                                    [&](const veh::CVehicle& v) { return v.GetVEHNO() == row.GetVEHNO(); });
    if (vehicle) FillVehicle(file, *vehicle);
}

void FillVehicleOccupantBlock(CUDSFile& file, const CVehicleTest& test, const veh::CInstrumentation& row)
{
    ClearOccupant(file);
    const std::string& location = row.GetSENLOC();
    if (location == "NA" || location == "OT") return;
    const auto occupant = FindRecord(test.GetOccupants(), [&](const veh::COccupant& o) {
        return o.GetVEHNO() == row.GetVEHNO() && o.GetOCCLOC() == location;
    });
    if (!occupant) return;
    file.SetType1(occupant->GetOCCTYP());
    file.SetAge1(occupant->GetOCCAGE());
    file.SetSex1(occupant->GetOCCSEX());
    file.SetWeight1(static_cast<float>(occupant->GetOCCWT()));
    file.SetSize1(occupant->GetDUMSIZ());
    file.SetHIC(static_cast<float>(occupant->GetHIC()));
    file.SetT1(static_cast<float>(occupant->GetT1()));
    file.SetT2(static_cast<float>(occupant->GetT2()));
    file.SetCLIP3M(static_cast<float>(occupant->GetCLIP3M()));
    file.SetCSI(static_cast<float>(occupant->GetCSI()));
}

void FillBioOccupantBlock(CUDSFile& file, const CBioTest& test)
{
    ClearOccupant(file);
    const std::string& type = test.TestRecord().GetOCCTYP();
    file.SetType1(type);
    if (type == "CD" || type == "HU" || type == "AN")
        FillBiological(file, test);
    else
        FillDummy(file, test);
    file.SetFirstRestraint1(RestraintText(test.GetRestraints(), 0));
    file.SetSecondRestraint1(RestraintText(test.GetRestraints(), 1));
}

std::string HighestAIS(const CRecordList<bio::COccupantInjury>& injuries)
{
    std::string text;
    bool found = false;
    for (const auto& injury : injuries) {
        const std::string& ais = injury->GetAIS();
        if (IsAISDigit(ais)) {
            if (!found || ais > text) text = ais;
            found = true;
        } else if (!found && (ais == "O" || ais == "9")) {
            text = ais;
        }
    }
    return text.empty() ? "0" : text;
}

}  // namespace ko
