// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <memory>
#include <string>
#include <vector>

namespace ko {

// One point of a curve: x, y, z and a label (empty for points made by the library).
template <class T>
class CPoint {
public:
    CPoint() = default;
    CPoint(T px, T py, T pz = T{}, std::string plabel = {}) : x(px), y(py), z(pz), label(std::move(plabel)) {}
    virtual ~CPoint() = default;

    T x{};
    T y{};
    T z{};
    std::string label;
};

using CPointList = std::vector<std::shared_ptr<CPoint<double>>>;

}  // namespace ko
