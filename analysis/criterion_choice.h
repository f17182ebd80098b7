// SPDX-License-Identifier: GPL-3.0-or-later
// The injury criteria by name, for the command line and the cursor table.
#pragma once
#include <cstddef>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "analysis/neck_injury.h"
#include "analysis/tibia_index.h"
#include "analysis/viscous.h"

namespace ko {

class CNSignal;

enum class CCriterion { Hic15, Hic36, Clip3ms, Clip3msContinuous, Peak, Vc, Nij, Ti };

struct CCriterionInfo {
    CCriterion criterion;
    const char* name;      // "hic15"
    const char* caption;   // "HIC15"
    const char* channels;  // the channels it reads, in order: "axial force Fz, moment My"
    std::size_t count;     // how many
    bool window;           // the result is a window t1 .. t2, else one time
};

// Every criterion in a fixed order.
std::span<const CCriterionInfo> CriterionTable();
// nullptr for an unknown name.
const CCriterionInfo* FindCriterion(const std::string& name);
// "hic15|hic36|...".
std::string CriterionNames();

struct CCriterionParameters {
    CViscousParameters viscous;
    CNijIntercepts nij;
    CTibiaCriticalValues tibia;
};

struct CCriterionValue {
    double value = 0.0;
    double start = 0.0;  // s: the window's start, or the time of the value
    double end = 0.0;    // s: the window's end; start for a time
    std::string units;   // of the value, empty when it has none
    std::string note;    // Nij: the load case ("NTE", ...)
};

// Throws std::logic_error for the wrong number of channels and the
// criterion's own failures.
CCriterionValue EvaluateCriterion(const CCriterionInfo& info,
                                  std::span<const std::shared_ptr<CNSignal>> channels,
                                  const CCriterionParameters& parameters = {});

// The value, the window start and end or the time in ms, and the units ("-"
// when there are none; Nij: its load case) as C-locale texts.
std::vector<std::string> CriterionCells(const CCriterionInfo& info, const CCriterionValue& value);

}  // namespace ko
