// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <memory>

#include "formats/ev5_file.h"
#include "model/vehicle_test.h"

namespace ko {

// EV5 file of a vehicle test: TEST, VEHICLE, BARRIER, OCCUPANT, RESTRAINT,
// INSTRUMENTATION. The VEHICLE line has 79 pipes (no CURBWT) or 80.
class CEV5Veh : public CEV5File<CVehicleTest> {
public:
    explicit CEV5Veh(std::shared_ptr<CVehicleTest> test = nullptr, int testNumber = 0)
        : CEV5File(std::move(test), testNumber)
    {
    }

protected:
    const CEV5Sections<CVehicleTest>& GetSections() const override;
    const char* InvalidTestText() const override { return "Invalid Vehicle Test"; }
};

// EV5 Extension file of a vehicle test: description columns and the later
// instrumentation columns as well; the TEST line starts with the test number
// and ends with the numbers of vehicles and occupants.
class CEV5VehExt : public CEV5Veh {
public:
    using CEV5Veh::CEV5Veh;

protected:
    const CEV5Sections<CVehicleTest>& GetSections() const override;
    std::string Header() const override;
};

}  // namespace ko
