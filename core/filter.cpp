// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/filter.h"

#include <cmath>
#include <stdexcept>

#include "core/failure.h"
#include "core/ops_butterworth.h"
#include "core/ops_butterworth_batch.h"
#include "core/signal.h"

namespace ko {

int ClassOfFilterFrequency(double f)
{
    // Compared as a double: truncating a huge f to int would overflow.
    const double c = std::trunc(0.6 * f);
    if (c >= 55 && c <= 65) return 60;
    if (c >= 170 && c <= 190) return 180;
    if (c >= 580 && c <= 610) return 600;
    if (c >= 980 && c <= 1020) return 1000;
    return 0;
}

namespace {

void WarnBeforeFilter(CNSignal& signal)
{
    if (signal.GetXTYPE() != "TIME") signal.AddWarning("Data must have X Type TIME");
    if (signal.GetXUNITS() != "SECONDS" && signal.GetXUNITS() != "SEC")
        signal.AddWarning("Time must be in seconds");
}

void WarnShortTail(CNSignal& signal, const CButterworthRun& run)
{
    if (run.tailShortened)
        signal.AddWarning("BWFILT tail length < 10 ms, does not satisfy SAE J211 reccomendation");
}

}  // namespace

bool ButterworthFilter(CNSignal& signal, std::vector<double>& y, double t, double f)
{
    WarnShortTail(signal, ButterworthInPlace(y, t, f));
    return true;
}

bool CNSignal::Filter(double f)
{
    WarnBeforeFilter(*this);
    ButterworthFilter(*this, YValues(), GetDEL(), f);
    FinishFilter(f);
    return true;
}

void FilterSignals(const std::vector<std::shared_ptr<CNSignal>>& signals, double f, unsigned threads)
{
    std::vector<CButterworthJob> jobs;
    for (const auto& signal : signals) jobs.push_back({signal->YValues(), signal->GetDEL(), f, {}});
    for (const auto& signal : signals) ButterworthPlan(signal->GetY().size(), signal->GetDEL(), f);
    for (const auto& signal : signals) WarnBeforeFilter(*signal);
    ButterworthInPlaceBatch(jobs, threads);
    for (std::size_t i = 0; i < signals.size(); ++i) {
        WarnShortTail(*signals[i], jobs[i].run);
        signals[i]->FinishFilter(f);
    }
}

void FilterSignalsClass(const std::vector<std::shared_ptr<CNSignal>>& signals, int cfc, unsigned threads)
{
    CheckFilterClass(cfc);
    std::vector<std::shared_ptr<CNSignal>> lower;
    for (const auto& signal : signals)
        if (cfc < signal->GetChannelClass()) lower.push_back(signal);
    FilterSignals(lower, cfc * kClassToFrequency, threads);
}

void CNSignal::FinishFilter(double f)
{
    // Injury values computed from unfiltered data no longer apply.
    SetHIC(0.0);
    SetT1(0.0);
    SetT2(0.0);
    SetHICDTUP(0.0);
    SetCLIP3M(0.0);
    SetCSI(0.0);
    SetFCUT(f);
    SetFSTP(2.5 * f);
    RefreshExtremes();
    RefreshTimes();
    RefreshCount();
    SetStatus("FILTERED");

    if (const int cfc = ClassOfFilterFrequency(f); cfc != 0) SetChannelClass(cfc);
    const int cfc = GetChannelClass();
    if (cfc != 600 && cfc != 1000 && GetPREFIL() > 0.0 && GetFSTP() > 0.5 * GetPREFIL()) {
        SetStatus("DISTORTED");
        AddWarning("WARNING - Filter causes overlap distortion with previous filtering");
    }
    SetModified(true);
}

void CheckFilterClass(int cfc)
{
    if (cfc != 60 && cfc != 180 && cfc != 600 && cfc != 1000)
        throw CFailure("BWfilt: Frequency Channel Class is not specified in SAE J211");
}

bool CNSignal::FilterClass(int cfc)
{
    CheckFilterClass(cfc);
    // Never filtered again at the same or a higher class.
    if (cfc < GetChannelClass()) Filter(cfc * kClassToFrequency);
    return true;
}

}  // namespace ko
