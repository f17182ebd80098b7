// SPDX-License-Identifier: GPL-3.0-or-later
// Signals built for the criteria tests.
#pragma once
#include <cmath>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "core/signal.h"

namespace ko::test {

using Values = std::vector<double>;

// Sampled data in seconds: x = step * (nfp + i).
inline std::shared_ptr<CNSignal> Sampled(double step, Values y, const std::string& yunits = "G'S",
                                         int nfp = 0)
{
    auto s = std::make_shared<CNSignal>();
    s->SetDEL(step);
    s->SetNFP(nfp);
    s->SetNLP(nfp + static_cast<int>(y.size()) - 1);
    s->SetYUNITS(yunits);
    s->SetY(std::move(y));
    return s;
}

// n samples of f(t), t = step * i.
inline Values Tabulate(std::size_t n, double step, const std::function<double(double)>& f)
{
    Values v(n);
    for (std::size_t i = 0; i < n; ++i) v[i] = f(step * static_cast<double>(i));
    return v;
}

// n samples, height from sample first to sample last (both included), 0 elsewhere.
inline Values Rectangle(std::size_t n, std::size_t first, std::size_t last, double height)
{
    Values v(n, 0.0);
    for (std::size_t i = first; i <= last && i < n; ++i) v[i] = height;
    return v;
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

// A fixed pseudo-random sequence in [0, 1).
class CTestRandom {
public:
    explicit CTestRandom(unsigned seed) : state_(seed * 2654435761u + 1u) {}
    double Next()
    {
        state_ = state_ * 6364136223846793005ull + 1442695040888963407ull;
        return static_cast<double>(state_ >> 11) * (1.0 / 9007199254740992.0);
    }

private:
    unsigned long long state_;
};

}  // namespace ko::test
