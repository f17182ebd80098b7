// SPDX-License-Identifier: GPL-3.0-or-later
#include "analysis/criterion_choice.h"

#include <array>
#include <stdexcept>

#include "analysis/clip.h"
#include "analysis/hic.h"
#include "analysis/peak.h"
#include "core/failure.h"
#include "core/number_text.h"
#include "core/signal.h"

namespace ko {

namespace {

constexpr std::array<CCriterionInfo, 8> kCriteria{{
    {CCriterion::Hic15, "hic15", "HIC15", "acceleration", 1, true},
    {CCriterion::Hic36, "hic36", "HIC36", "acceleration", 1, true},
    {CCriterion::Clip3ms, "clip3ms", "3 ms clip (cumulative)", "acceleration", 1, false},
    {CCriterion::Clip3msContinuous, "clip3ms-continuous", "3 ms clip (continuous)", "acceleration", 1, false},
    {CCriterion::Peak, "peak", "Peak", "any channel", 1, false},
    {CCriterion::Vc, "vc", "VC", "deflection", 1, false},
    {CCriterion::Nij, "nij", "Nij", "upper neck axial force Fz, moment My", 2, false},
    {CCriterion::Ti, "ti", "TI", "tibia moment Mx, moment My, axial force Fz", 3, false},
}};

CCriterionValue AtTime(double value, double time, std::string units)
{
    return {value, time, time, std::move(units), ""};
}

}  // namespace

std::span<const CCriterionInfo> CriterionTable()
{
    return kCriteria;
}

const CCriterionInfo* FindCriterion(const std::string& name)
{
    for (const auto& info : kCriteria)
        if (name == info.name) return &info;
    return nullptr;
}

std::string CriterionNames()
{
    std::string names;
    for (const auto& info : kCriteria) {
        if (!names.empty()) names += '|';
        names += info.name;
    }
    return names;
}

CCriterionValue EvaluateCriterion(const CCriterionInfo& info,
                                  std::span<const std::shared_ptr<CNSignal>> channels,
                                  const CCriterionParameters& parameters)
{
    if (channels.size() != info.count)
        throw CFailure(std::string(info.caption) + ": needs " + std::to_string(info.count) + " channels (" +
                       info.channels + "), not " + std::to_string(channels.size()));
    for (const auto& channel : channels)
        if (!channel) throw CFailure(std::string(info.caption) + ": a channel is missing");
    const CNSignal& first = *channels[0];
    switch (info.criterion) {
        case CCriterion::Hic15:
        case CCriterion::Hic36: {
            const auto hic = Hic(first, info.criterion == CCriterion::Hic15 ? kHic15Window : kHic36Window);
            return {hic.value, hic.t1, hic.t2, "", ""};
        }
        case CCriterion::Clip3ms: {
            const auto clip = Clip3msCumulative(first);
            return AtTime(clip.value, clip.time, first.GetYUNITS());
        }
        case CCriterion::Clip3msContinuous: {
            const auto clip = Clip3msContinuous(first);
            return AtTime(clip.value, clip.time, first.GetYUNITS());
        }
        case CCriterion::Peak: {
            const auto peak = Peak(first);
            return AtTime(peak.value, peak.time, first.GetYUNITS());
        }
        case CCriterion::Vc: {
            const auto vc = ViscousCriterion(first, parameters.viscous);
            return AtTime(vc.value, vc.time, "METERS/SEC");
        }
        case CCriterion::Nij: {
            const auto nij = Nij(first, *channels[1], parameters.nij);
            CCriterionValue value = AtTime(nij.value, nij.time, "");
            value.note = LoadCaseName(nij.loadCase);
            return value;
        }
        case CCriterion::Ti: {
            const auto ti = TibiaIndex(first, *channels[1], *channels[2], parameters.tibia);
            return AtTime(ti.value, ti.time, "");
        }
    }
    throw CFailure("unknown criterion");
}

std::vector<std::string> CriterionCells(const CCriterionInfo& info, const CCriterionValue& value)
{
    std::vector<std::string> cells{WithoutNegativeZero(GeneralText(value.value)),
                                   WithoutNegativeZero(FixedText(value.start * 1000.0, 3))};
    if (info.window) cells.push_back(WithoutNegativeZero(FixedText(value.end * 1000.0, 3)));
    cells.push_back(!value.note.empty() ? value.note : value.units.empty() ? "-" : value.units);
    return cells;
}

}  // namespace ko
