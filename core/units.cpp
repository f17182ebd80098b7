// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/units.h"

#include <array>
#include <string_view>

namespace ko {

bool IsSeconds(const std::string& units)
{
    return units == "SECONDS" || units == "SECOND" || units == "SEC";
}

bool IsEnglish(const std::string& dimsys)
{
    return dimsys == "ENGLISH" || dimsys == "ENG";
}

bool IsMeters(const std::string& units)
{
    return units == "METERS" || units == "MET";
}

bool IsKph(const std::string& units)
{
    return units == "KILOMETERS/HOUR" || units == "KPH";
}

bool IsGs(const std::string& units)
{
    return units == "G'S";
}

namespace {

struct Rule {
    std::string_view from;
    double factor;
    std::string_view units;
    std::string_view type;
};

// Integrals over time of y units other than G'S.
constexpr std::array<Rule, 13> kTimeIntegrals{{
    {"KILOMETERS/HOUR", 277.77778, "MILLIMETERS", "DISPLACEMENT"},
    {"METERS/SEC", 1000.0, "MILLIMETERS", "DISPLACEMENT"},
    {"MILES/HOUR", 17.6, "INCHES", "DISPLACEMENT"},
    {"FEET/SEC", 12.0, "INCHES", "DISPLACEMENT"},
    {"INCHES/SEC", 1.0, "INCHES", "DISPLACEMENT"},
    {"NEWTONS", 1.0, "NEWTON-SECONDS", "IMPULSE"},
    {"POUNDS", 1.0, "POUND-SECONDS", "IMPULSE"},
    {"NEWTON-METERS", 1.0, "NEWTON-METER-SECONDS", "ANGULAR IMPULSE"},
    {"POUND-FEET", 1.0, "POUND-FOOT-SECONDS", "ANGULAR IMPULSE"},
    {"DEGREES/SEC**2", 1.0, "DEGREES/SEC", "ANGULAR VELOCITY"},
    {"RADIANS/SEC**2", 1.0, "RADIANS/SEC", "ANGULAR VELOCITY"},
    {"DEGREES/SEC", 1.0, "DEGREES", "ANGULAR DISPLACEMENT"},
    {"RADIANS/SEC", 1.0, "RADIANS", "ANGULAR DISPLACEMENT"},
}};

// Derivatives over time of y units other than the meters and km/h families.
constexpr std::array<Rule, 11> kTimeDerivatives{{
    {"NEWTON-SECONDS", 1.0, "NEWTONS", "FORCE"},
    {"NEWTON-METER-SECONDS", 1.0, "NEWTON-METERS", "MOMENT"},
    {"DEGREES/SEC", 1.0, "DEGREES/SEC**2", "ANGULAR ACCELERATION"},
    {"DEGREES", 1.0, "DEGREES/SEC", "ANGULAR VELOCITY"},
    {"MILLIMETERS", 0.0036, "KILOMETERS/HOUR", "VELOCITY"},
    {"CENTIMETERS", 0.036, "KILOMETERS/HOUR", "VELOCITY"},
    {"FEET", 0.6818181818181818, "MILES/HOUR", "VELOCITY"},
    {"INCHES", 0.056818181818181816, "MILES/HOUR", "VELOCITY"},
    {"MILES/HOUR", 0.04558560406623588, "G'S", "ACCELERATION"},
    {"RADIANS/SEC", 1.0, "RADIANS/SEC**2", "ANGULAR ACCELERATION"},
    {"RADIANS", 1.0, "RADIANS/SEC", "ANGULAR VELOCITY"},
}};

template <std::size_t N>
bool ApplyRule(const std::array<Rule, N>& rules, const std::string& from, CUnitChange& change)
{
    for (const auto& rule : rules) {
        if (rule.from != from) continue;
        change.factor = rule.factor;
        change.units = rule.units;
        change.type = rule.type;
        return true;
    }
    return false;
}

// Integrals over a length: work from force.
CUnitChange LengthIntegral(const std::string& xunits, const std::string& yunits)
{
    struct LengthRule {
        std::string_view x, y;
        double factor;
        std::string_view units;
    };
    static constexpr std::array<LengthRule, 4> kRules{{
        {"METERS", "NEWTONS", 1.0, "JOULES"},
        {"MILLIMETERS", "NEWTONS", 0.001, "JOULES"},
        {"FEET", "POUNDS", 1.0, "FOOT-POUNDS"},
        {"INCHES", "POUNDS", 1.0 / 12.0, "FOOT-POUNDS"},
    }};
    CUnitChange change;
    bool knownX = false;
    for (const auto& rule : kRules) {
        if (rule.x != xunits) continue;
        knownX = true;
        if (rule.y != yunits) continue;
        change.factor = rule.factor;
        change.units = rule.units;
        change.type = "ENERGY";
        return change;
    }
    if (!knownX) change.units = xunits + " - " + yunits;
    return change;
}

}  // namespace

CUnitChange IntegralUnits(const std::string& xunits, const std::string& yunits, double inivel,
                          const std::string& dimsys)
{
    if (!IsSeconds(xunits)) return LengthIntegral(xunits, yunits);
    CUnitChange change;
    if (IsGs(yunits)) {
        const bool english = !dimsys.empty() && IsEnglish(dimsys);
        change.factor = english ? 21.93675 : 35.30394;
        change.initial = inivel;
        change.units = english ? "MILES/HOUR" : "KILOMETERS/HOUR";
        change.type = "VELOCITY";
    } else if (!ApplyRule(kTimeIntegrals, yunits, change)) {
        change.units = yunits + " x SECONDS";
        change.type = "UNKNOWN x TIME";
    }
    return change;
}

CUnitChange DerivativeUnits(const std::string& xunits, const std::string& yunits)
{
    CUnitChange change;
    if (!IsSeconds(xunits)) {
        if (yunits == "JOULES") {
            change.units = "NEWTONS";
            change.type = "FORCE";
        } else if (yunits == "FOOT-POUNDS") {
            change.units = "POUNDS";
            change.type = "FORCE";
        } else {
            change.units = yunits + " / " + xunits;
        }
        return change;
    }
    if (IsMeters(yunits)) {
        change.factor = 3.6;
        change.units = "KILOMETERS/HOUR";
        change.type = "VELOCITY";
    } else if (IsKph(yunits)) {
        change.factor = 0.02832545;
        change.units = "G'S";
        change.type = "ACCELERATION";
    } else if (!ApplyRule(kTimeDerivatives, yunits, change)) {
        change.units = yunits + " / SEC";
    }
    return change;
}

}  // namespace ko
