// SPDX-License-Identifier: GPL-3.0-or-later
// Replacing a signal's data: SetData and the calls built on it.
#include <stdexcept>

#include "core/failure.h"
#include "core/signal.h"

namespace ko {

void CData::SetData(std::vector<double> x, std::vector<double> y, std::vector<double> z)
{
    if (x.empty()) {
        if (y.empty() && z.empty()) throw CFailure("No X, Y or Z Siganl Data.");
        if (GetDEL() == 0.0) {
            if (x_.empty()) throw CFailure("No x signal data and delt is zero.");
        } else if (x_.empty()) {
            if (GetNFP() == 0 && GetNLP() == 0)
                throw CFailure(
                    "No x signal data, NFP and NLP are zero.\nSet x signal data or set NFP and NLP");
            GenerateX();
            if (!y.empty() && y.size() != x_.size()) throw CFailure("X and Y Counts are different");
        }
    } else {
        x_ = std::move(x);
    }
    if (y.empty() && y_.empty()) throw CFailure("No Y Signal Data");
    y_ = std::move(y);
    if (z.empty()) {
        if (z_.size() != y_.size()) std::vector<double>().swap(z_);
        if (x_.size() != y_.size()) throw CFailure("x != y signal data");
    } else {
        z_ = std::move(z);
        if (x_.size() != y_.size() || y_.size() != z_.size()) throw CFailure("x != y != z signal data");
        DropZeroZ();
    }
    RefreshExtremes();
    RefreshTimes();
    RefreshCount();
}

void CData::SetXY(std::vector<double> x, std::vector<double> y)
{
    if (x.empty() && y.empty()) throw CFailure("No X or Y Signal Data");
    SetData(std::move(x), std::move(y), {});
}

void CData::SetY(std::vector<double> y)
{
    if (y.empty()) throw CFailure("No Y Signal Data");
    SetData({}, std::move(y), {});
}

void CData::GenerateX()
{
    RefreshCount();
    const double del = GetDEL();
    const double nfp = GetNFP();
    x_.resize(static_cast<std::size_t>(pointCount_));
    for (std::size_t i = 0; i < x_.size(); ++i) x_[i] = del * (nfp + static_cast<double>(i));
}

void CData::SetPoints(const CPointList& points)
{
    if (points.empty()) throw CFailure("No Information.");
    for (const auto& p : points)
        if (!p) throw CFailure("No Information.");
    std::vector<double> x(points.size()), y(points.size()), z(points.size());
    for (std::size_t i = 0; i < points.size(); ++i) {
        x[i] = points[i]->x;
        y[i] = points[i]->y;
        z[i] = points[i]->z;
    }
    TakeData(std::move(x), std::move(y), std::move(z));
}

void CData::TakeData(std::vector<double> x, std::vector<double> y, std::vector<double> z)
{
    x_ = std::move(x);
    y_ = std::move(y);
    z_ = std::move(z);
    DropZeroZ();
    RefreshExtremes();
    RefreshTimes();
    RefreshCount();
}

CPointList CData::GetPoints()
{
    CPointList points;
    points.reserve(y_.size());
    for (std::size_t i = 0; i < y_.size(); ++i) {
        const double x = i < x_.size() ? x_[i] : 0.0;
        const double z = i < z_.size() ? z_[i] : 0.0;
        points.push_back(std::make_shared<CPoint<double>>(x, y_[i], z));
    }
    points_ = points;
    return points;
}

}  // namespace ko
