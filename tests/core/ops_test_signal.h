// SPDX-License-Identifier: GPL-3.0-or-later
// Signals built for the operation tests.
#pragma once
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "core/signal.h"

namespace ko::test {

// Sampled data: x = del * (nfp + i).
inline std::shared_ptr<CNSignal> SampledSignal(double del, int nfp, std::vector<double> y)
{
    auto s = std::make_shared<CNSignal>();
    s->SetDEL(del);
    s->SetNFP(nfp);
    s->SetNLP(nfp + static_cast<int>(y.size()) - 1);
    s->SetY(std::move(y));
    return s;
}

// Explicit x values (DEL 0), indices 0 .. n-1.
inline std::shared_ptr<CNSignal> XYSignal(std::vector<double> x, std::vector<double> y)
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
std::vector<double> Tabulate(std::size_t n, F f)
{
    std::vector<double> v(n);
    for (std::size_t i = 0; i < n; ++i) v[i] = f(static_cast<double>(i));
    return v;
}

}  // namespace ko::test
