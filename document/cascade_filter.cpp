// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/cascade_filter.h"

#include <algorithm>
#include <cstdlib>
#include <stdexcept>

namespace ko {

namespace {

std::optional<double> AsNumber(const std::string& text)
{
    if (text.empty()) return std::nullopt;
    char* end = nullptr;
    const double value = std::strtod(text.c_str(), &end);
    if (end != text.c_str() + text.size()) return std::nullopt;
    return value;
}

}  // namespace

bool OptionLess(const std::string& a, const std::string& b)
{
    const auto x = AsNumber(a);
    const auto y = AsNumber(b);
    if (x && y) return *x < *y || (*x == *y && a < b);
    if (x || y) return x.has_value();
    return a < b;
}

CCascadeFilter::CCascadeFilter(std::vector<std::vector<std::string>> rows, std::size_t columns)
    : rows_(std::move(rows)), choices_(columns)
{
    for (const auto& row : rows_) {
        if (row.size() < columns) throw std::invalid_argument("A filter row has too few fields.");
    }
}

bool CCascadeFilter::Passes(const std::vector<std::string>& row, std::size_t columns) const
{
    for (std::size_t c = 0; c < columns; ++c) {
        if (choices_[c] && row[c] != *choices_[c]) return false;
    }
    return true;
}

std::vector<std::string> CCascadeFilter::Options(std::size_t column) const
{
    std::vector<std::string> values;
    for (const auto& row : rows_) {
        if (Passes(row, column)) values.push_back(row.at(column));
    }
    std::sort(values.begin(), values.end(), OptionLess);
    values.erase(std::unique(values.begin(), values.end()), values.end());
    return values;
}

void CCascadeFilter::Choose(std::size_t column, std::optional<std::string> value)
{
    choices_.at(column) = std::move(value);
    for (std::size_t c = column + 1; c < choices_.size(); ++c) choices_[c].reset();
}

std::vector<std::size_t> CCascadeFilter::Matching() const
{
    std::vector<std::size_t> matching;
    for (std::size_t i = 0; i < rows_.size(); ++i) {
        if (Passes(rows_[i], choices_.size())) matching.push_back(i);
    }
    return matching;
}

}  // namespace ko
