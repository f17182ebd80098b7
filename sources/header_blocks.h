// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "model/biomechanics_test.h"
#include "model/vehicle_test.h"

namespace ko {

class CUDSFile;

// The test-object block of a vehicle curve: the barrier for vehicle number 0 or
// a test without vehicles, else the row's vehicle; empty without either.
void FillVehicleBlock(CUDSFile& file, const CVehicleTest& test, const veh::CInstrumentation& row);
// Occupant 1 of a vehicle curve: the occupant at the row's vehicle and sensor
// location; empty for locations "NA" and "OT" or without such an occupant.
void FillVehicleOccupantBlock(CUDSFile& file, const CVehicleTest& test, const veh::CInstrumentation& row);
// Occupant 1 of a biomechanics test: the biological occupant and the highest
// AIS for cadavers, humans and animals, else the dummy; the first two restraints.
void FillBioOccupantBlock(CUDSFile& file, const CBioTest& test);

// The AIS text of a set of injury rows: the highest of "0" to "6"; while none
// is found, a row of "O" or "9" gives the text; "0" when nothing did.
std::string HighestAIS(const CRecordList<bio::COccupantInjury>& injuries);

}  // namespace ko
