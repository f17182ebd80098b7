// SPDX-License-Identifier: GPL-3.0-or-later
// The quantities the injury criteria read and the unit texts they accept.
#pragma once
#include <string>

namespace ko {

// Standard acceleration of gravity (3rd CGPM, 1901), m/s^2 per g.
inline constexpr double kStandardGravity = 9.80665;

enum class CQuantity {
    Acceleration,  // g: "G'S"; m/s^2: "METERS/SEC**2" or "MS2"
    Force,         // N: "NEWTONS" or "NWT"; kN: "KILONEWTONS"
    Moment,        // N·m: "NEWTON-METERS" or "NWM"
    Deflection,    // mm: "MILLIMETERS" or "MM"
};

// The factor that takes values in yunits (a unit text or its code) to g, N,
// N·m or mm. Throws std::logic_error "<label>: <quantity> must be in <texts>,
// not '<yunits>'", the texts without the codes.
double ScaleToBase(CQuantity quantity, const std::string& yunits, const std::string& label);

// The base unit's text: "G'S", "NEWTONS", "NEWTON-METERS", "MILLIMETERS".
const char* BaseUnits(CQuantity quantity);

}  // namespace ko
