// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <memory>
#include <vector>

namespace ko {

class CNSignal;

// Hertz per channel frequency class: F = CFC * 1.66666666667.
inline constexpr double kClassToFrequency = 1.66666666667;

// Phaseless four-pole Butterworth low-pass of y in place (time step t, -3 dB
// frequency f). Appends the tail-length warning to signal when the data are
// shorter than the reflected tail. Values are left unchanged when f is too
// close to the Nyquist frequency. Throws std::logic_error for no data, a
// nonpositive t or f, and fewer than 3 values.
bool ButterworthFilter(CNSignal& signal, std::vector<double>& y, double t, double f);

// CNSignal::Filter(f) on every signal, with the same results bit for bit; the
// filter passes of all of them run together (ButterworthInPlaceBatch, up to
// threads threads, 0: one per hardware thread). A failure of any signal's
// checks throws before any signal changes.
void FilterSignals(const std::vector<std::shared_ptr<CNSignal>>& signals, double f, unsigned threads = 0);
// CNSignal::FilterClass(cfc) on every signal in the same way: the signals
// filtered at a lower class than cfc are left alone.
void FilterSignalsClass(const std::vector<std::shared_ptr<CNSignal>>& signals, int cfc, unsigned threads = 0);

// Throws the class filter's failure for a class other than 60, 180, 600 and 1000.
void CheckFilterClass(int cfc);

// Channel frequency class recorded for a filtering at f Hz, or 0 when f is in
// none of the class bands.
int ClassOfFilterFrequency(double f);

}  // namespace ko
