// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The tables of a test aggregate in load order, tied to the aggregate's
// getters and adders: visit.Single<R>(table, get, set) for a one-row table,
// visit.List<R>(table, get, add) for the others. The database agent reads
// through it and the import writes through it, so both see the same tables.
#include "model/biomechanics_test.h"
#include "model/component_test.h"
#include "model/vehicle_test.h"

namespace ko {

#define KO_SINGLE(Type, table, Getter, Setter) \
    visit.template Single<Type>(               \
        table, [&] { return test.Getter(); }, [&](std::shared_ptr<Type> r) { test.Setter(r); })
#define KO_LIST(Type, table, Getter, Adder)                    \
    visit.template List<Type>(                                 \
        table, [&]() -> const auto& { return test.Getter(); }, \
        [&](std::shared_ptr<Type> r) { test.Adder(r); })
#define KO_MEDIA_SECTIONS                                \
    KO_LIST(CPhotos, "PHOTOS", GetPhotos, AddPhoto);     \
    KO_LIST(CReports, "REPORTS", GetReports, AddReport); \
    KO_LIST(CVideos, "VIDEOS", GetVideos, AddVideo)

template <class Visitor>
void VisitSections(CBioTest& test, Visitor& visit)
{
    KO_SINGLE(CTrack, "TRACK", GetTrack, SetTrack);
    KO_SINGLE(bio::CTest, "TEST", GetTest, SetTest);
    KO_SINGLE(bio::CAnthropometric, "ANTH", GetAnthropometric, SetAnthropometric);
    KO_SINGLE(bio::CBiologicalOccupant, "BOCC", GetBiologicalOccupant, SetBiologicalOccupant);
    KO_LIST(bio::CChestBandGauge, "GAGE", GetChestBandGauges, AddChestBandGauge);
    KO_LIST(bio::CChestBandOccupant, "CHBD", GetChestBands, AddChestBand);
    KO_SINGLE(bio::CDummyOccupant, "DOCC", GetDummyOccupant, SetDummyOccupant);
    KO_LIST(bio::CInstrumentation, "INST", GetInstrumentations, AddInstrumentation);
    KO_LIST(bio::COccupantInjury, "OCCI", GetInjuries, AddInjury);
    KO_LIST(bio::CRestraint, "REST", GetRestraints, AddRestraint);
    KO_LIST(bio::CRibBending, "RIB", GetRibBendings, AddRibBending);
    KO_MEDIA_SECTIONS;
}

template <class Visitor>
void VisitSections(CComTest& test, Visitor& visit)
{
    KO_SINGLE(CTrack, "TRACK", GetTrack, SetTrack);
    KO_SINGLE(com::CTest, "TEST", GetTest, SetTest);
    KO_LIST(com::CComponent, "COMP", GetComponents, AddComponent);
    KO_LIST(com::CConfiguration, "CONF", GetConfigurations, AddConfiguration);
    KO_LIST(com::CInstrumentation, "INST", GetInstrumentations, AddInstrumentation);
    KO_LIST(com::CVehicle, "VEH", GetVehicles, AddVehicle);
    KO_MEDIA_SECTIONS;
}

template <class Visitor>
void VisitSections(CVehicleTest& test, Visitor& visit)
{
    KO_SINGLE(CTrack, "TRACK", GetTrack, SetTrack);
    KO_SINGLE(veh::CTest, "TEST", GetTest, SetTest);
    KO_SINGLE(veh::CBarrier, "BAR", GetBarrier, SetBarrier);
    KO_LIST(veh::CInstrumentation, "INST", GetInstrumentations, AddInstrumentation);
    KO_LIST(veh::CIntrusion, "INTRUSION", GetIntrusions, AddIntrusion);
    KO_LIST(veh::COccupant, "OCC", GetOccupants, AddOccupant);
    KO_LIST(veh::CRestraint, "REST", GetRestraints, AddRestraint);
    KO_LIST(veh::CVehicle, "VEH", GetVehicles, AddVehicle);
    KO_MEDIA_SECTIONS;
}

#undef KO_SINGLE
#undef KO_LIST
#undef KO_MEDIA_SECTIONS

}  // namespace ko
