// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string>

namespace ko {

// Exact, case-sensitive unit predicates on header texts.
bool IsSeconds(const std::string& units);
bool IsEnglish(const std::string& dimsys);
bool IsMeters(const std::string& units);
bool IsKph(const std::string& units);
bool IsGs(const std::string& units);

// What integrating or differentiating y over x makes of the Y units.
struct CUnitChange {
    double factor = 1.0;
    double initial = 0.0;  // integral only: the value at time zero
    std::string units = "UNKNOWN";
    std::string type = "UNKNOWN";
};

CUnitChange IntegralUnits(const std::string& xunits, const std::string& yunits, double inivel,
                          const std::string& dimsys);
CUnitChange DerivativeUnits(const std::string& xunits, const std::string& yunits);

}  // namespace ko
