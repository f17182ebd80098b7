// SPDX-License-Identifier: GPL-3.0-or-later
#include "analysis/criteria_units.h"

#include <array>
#include <stdexcept>
#include <string_view>

#include "core/failure.h"
#include "core/units.h"

namespace ko {

namespace {

struct CUnitText {
    CQuantity quantity;
    std::string_view units;
    std::string_view code;  // the database's unit code, as curves read from test files carry it
    double factor;
};

constexpr std::array<CUnitText, 5> kUnits{{
    {CQuantity::Acceleration, "METERS/SEC**2", "MS2", 1.0 / kStandardGravity},
    {CQuantity::Force, "NEWTONS", "NWT", 1.0},
    {CQuantity::Force, "KILONEWTONS", "", 1000.0},
    {CQuantity::Moment, "NEWTON-METERS", "NWM", 1.0},
    {CQuantity::Deflection, "MILLIMETERS", "MM", 1.0},
}};

const char* QuantityName(CQuantity quantity)
{
    switch (quantity) {
        case CQuantity::Acceleration: return "acceleration";
        case CQuantity::Force: return "force";
        case CQuantity::Moment: return "moment";
        case CQuantity::Deflection: return "deflection";
    }
    return "";
}

}  // namespace

const char* BaseUnits(CQuantity quantity)
{
    switch (quantity) {
        case CQuantity::Acceleration: return "G'S";
        case CQuantity::Force: return "NEWTONS";
        case CQuantity::Moment: return "NEWTON-METERS";
        case CQuantity::Deflection: return "MILLIMETERS";
    }
    return "";
}

double ScaleToBase(CQuantity quantity, const std::string& yunits, const std::string& label)
{
    if (quantity == CQuantity::Acceleration && IsGs(yunits)) return 1.0;
    std::string accepted = quantity == CQuantity::Acceleration ? "G'S" : "";
    for (const auto& unit : kUnits) {
        if (unit.quantity != quantity) continue;
        if (unit.units == yunits || (!unit.code.empty() && unit.code == yunits)) return unit.factor;
        accepted += (accepted.empty() ? "" : " or ") + std::string(unit.units);
    }
    throw CFailure(label + ": " + QuantityName(quantity) + " must be in " + accepted + ", not '" + yunits +
                   "'");
}

}  // namespace ko
