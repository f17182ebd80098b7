// SPDX-License-Identifier: GPL-3.0-or-later
// A signal's data as equally spaced samples in time, checked for the criteria.
#pragma once
#include <cstddef>
#include <string>
#include <vector>

namespace ko {

class CData;

struct CSamples {
    double start = 0.0;  // time of the first sample, s
    double step = 0.0;   // time step, s
    std::vector<double> values;

    std::size_t size() const { return values.size(); }
    double TimeAt(std::size_t i) const { return start + step * static_cast<double>(i); }
    // The time the samples span, s.
    double Duration() const { return values.empty() ? 0.0 : step * static_cast<double>(values.size() - 1); }
};

struct CTimeBase {
    double start = 0.0;  // s
    double step = 0.0;   // s
};

// The start and step of the signal's time axis after the checks of
// UniformSamples, without copying its values.
CTimeBase CheckedTimeBase(const CData& signal, const std::string& label);

// The signal's y values times scale with the start and step of its time axis.
// Throws std::logic_error with a text that begins with "<label>: " when the x
// units are not seconds, there are fewer than two samples, x and y differ in
// length, a sample is not a finite number, or the time steps are not uniform
// (a missing or repeated step included).
CSamples UniformSamples(const CData& signal, const std::string& label, double scale = 1.0);

// Throws "<label>: <what> and <otherWhat> are not sampled alike" unless both
// have the same start, step and number of samples.
void RequireSameTimeBase(const CSamples& samples, const CSamples& other, const std::string& label,
                         const std::string& what, const std::string& otherWhat);

// "12.300 ms" for 0.0123 s.
std::string MillisecondsText(double seconds);

}  // namespace ko
