// SPDX-License-Identifier: GPL-3.0-or-later
// Signals built for the signal tests, and the checks they share.
#pragma once
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "core/signal.h"

namespace ko::test {

using Values = std::vector<double>;

// Sampled data: x = del * (nfp + i).
inline std::shared_ptr<CNSignal> SampledSignal(double del, int nfp, Values y)
{
    auto s = std::make_shared<CNSignal>();
    s->SetDEL(del);
    s->SetNFP(nfp);
    s->SetNLP(nfp + static_cast<int>(y.size()) - 1);
    s->SetY(std::move(y));
    return s;
}

// Explicit x values (DEL 0), indices 0 .. n-1.
inline std::shared_ptr<CNSignal> XYSignal(Values x, Values y)
{
    auto s = std::make_shared<CNSignal>();
    s->SetNFP(0);
    s->SetNLP(static_cast<int>(y.size()) - 1);
    s->SetXY(std::move(x), std::move(y));
    return s;
}

// The text of the std::logic_error f throws, or "no failure".
inline std::string FailureOf(const std::function<void()>& f)
{
    try {
        f();
    } catch (const std::logic_error& e) {
        return e.what();
    }
    return "no failure";
}

template <class F>
Values Tabulate(std::size_t n, F f)
{
    Values v(n);
    for (std::size_t i = 0; i < n; ++i) v[i] = f(static_cast<double>(i));
    return v;
}

// start, start + step, ... (n values).
inline Values Ramp(std::size_t n, double step = 1.0, double start = 0.0)
{
    return Tabulate(n, [=](double i) { return start + step * i; });
}

inline void ExpectNear(const Values& actual, const Values& expected, double tolerance)
{
    ASSERT_EQ(actual.size(), expected.size());
    for (std::size_t i = 0; i < actual.size(); ++i) EXPECT_NEAR(actual[i], expected[i], tolerance) << i;
}

// Operations as values, for tables of cases.
using Op = std::function<bool(CNSignal&)>;
inline Op Truncate(double start, double stop)
{
    return [=](CNSignal& s) { return s.Truncate(start, stop); };
}
inline Op TruncateIndex(int first, int last)
{
    return [=](CNSignal& s) { return s.TruncateIndex(first, last); };
}
inline Op Resample(double dt)
{
    return [=](CNSignal& s) { return s.Resample(dt); };
}
inline Op Filter(double f)
{
    return [=](CNSignal& s) { return s.Filter(f); };
}

// op must fail with text and leave data, indices, units and state as they were.
inline void ExpectRefused(CNSignal& s, const std::function<void(CNSignal&)>& op, const std::string& text)
{
    const CNSignal before = s;
    EXPECT_EQ(FailureOf([&] { op(s); }), text);
    EXPECT_EQ(s.GetX(), before.GetX());
    EXPECT_EQ(s.GetY(), before.GetY());
    EXPECT_EQ(s.GetZ(), before.GetZ());
    EXPECT_EQ(s.GetNFP(), before.GetNFP());
    EXPECT_EQ(s.GetNLP(), before.GetNLP());
    const double del = s.GetDEL(), oldDel = before.GetDEL();
    EXPECT_TRUE(del == oldDel || (std::isnan(del) && std::isnan(oldDel))) << del << " was " << oldDel;
    EXPECT_EQ(s.GetYUNITS(), before.GetYUNITS());
    EXPECT_EQ(s.GetStatus(), before.GetStatus());
    EXPECT_EQ(s.IsModified(), before.IsModified());
}

}  // namespace ko::test
