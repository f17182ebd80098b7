// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/cursor_table.h"

#include <span>
#include <stdexcept>

#include "core/failure.h"
#include "core/number_text.h"
#include "core/parallel_for.h"
#include "core/signal.h"

namespace ko {

namespace {

std::string Reading(const std::optional<double>& value)
{
    return value ? WithoutNegativeZero(GeneralText(*value)) : std::string();
}

std::string Milliseconds(const std::optional<double>& seconds)
{
    return seconds ? WithoutNegativeZero(FixedText(*seconds * 1000.0, 3)) : std::string();
}

std::size_t CriterionColumns(const CCriterionInfo& info)
{
    return info.window ? 4 : 3;
}

void AppendCsvCell(std::string& out, const std::string& cell)
{
    const bool quote = cell.find_first_of(",\"\r\n") != std::string::npos ||
                       (!cell.empty() && (cell.front() == ' ' || cell.back() == ' '));
    if (!quote) {
        out += cell;
        return;
    }
    out += '"';
    for (const char c : cell) {
        if (c == '"') out += '"';
        out += c;
    }
    out += '"';
}

}  // namespace

std::vector<const CCriterionInfo*> SingleChannelCriteria()
{
    std::vector<const CCriterionInfo*> criteria;
    for (const auto& info : CriterionTable())
        if (info.count == 1) criteria.push_back(&info);
    return criteria;
}

CCursorTable::CCursorTable() : criterion_(SingleChannelCriteria().front()) {}

void CCursorTable::SetSignals(const CSignalList& signals)
{
    signals_ = signals;
    ComputeCriterion();
    ComputeCorridor();
    ComputeReadings();
}

void CCursorTable::SetCriterion(const CCriterionInfo& criterion)
{
    if (criterion.count != 1)
        throw CFailure(std::string(criterion.caption) + ": reads more than one channel");
    criterion_ = &criterion;
    ComputeCriterion();
}

void CCursorTable::SetSigmaFactor(double k)
{
    if (!(k >= 0.0)) throw CFailure("Corridor: k must not be negative");
    k_ = k;
    ComputeCorridor();
}

void CCursorTable::SetCursors(double a, double b)
{
    a_ = a;
    b_ = b;
    ComputeReadings();
}

// One test per task, on every core: a criterion over a long signal takes a while.
void CCursorTable::ComputeCriterion()
{
    std::vector<std::vector<std::string>> cells(signals_.size());
    ParallelFor(signals_.size(), [&](std::size_t i) {
        try {
            cells[i] =
                CriterionCells(*criterion_, EvaluateCriterion(*criterion_, std::span(&signals_[i], 1)));
        } catch (const std::exception& error) {
            cells[i].assign(CriterionColumns(*criterion_), std::string());
            cells[i].front() = error.what();
        }
    });
    criterionCells_ = std::move(cells);
}

void CCursorTable::ComputeCorridor()
{
    outliers_.clear();
    corridorFailure_.clear();
    try {
        outliers_ = CorridorOutliers(signals_, k_);
    } catch (const std::exception& error) {
        corridorFailure_ = error.what();
    }
}

void CCursorTable::ComputeReadings()
{
    readings_.clear();
    for (const auto& signal : signals_) readings_.push_back(CursorValues(*signal, a_, b_));
}

std::vector<std::string> CCursorTable::Headings() const
{
    std::vector<std::string> headings{"Test",
                                      "At A (" + FixedText(a_ * 1000.0, 3) + " ms)",
                                      "At B (" + FixedText(b_ * 1000.0, 3) + " ms)",
                                      "B - A",
                                      "Peak A..B",
                                      "Peak time (ms)",
                                      criterion_->caption};
    if (criterion_->window) {
        headings.insert(headings.end(), {"t1 (ms)", "t2 (ms)"});
    } else {
        headings.push_back("Time (ms)");
    }
    headings.push_back("Units");
    headings.push_back("Outside mean +- " + GeneralText(k_) + " sigma");
    headings.push_back("Largest excursion");
    return headings;
}

std::vector<std::string> CCursorTable::Cells(std::size_t row) const
{
    const CCursorValues& reading = readings_.at(row);
    std::vector<std::string> cells{SubsetLabel(*signals_[row]), Reading(reading.atA),
                                   Reading(reading.atB),        Reading(reading.difference),
                                   Reading(reading.peak),       Milliseconds(reading.peakTime)};
    cells.insert(cells.end(), criterionCells_[row].begin(), criterionCells_[row].end());
    if (row < outliers_.size() && outliers_[row].failure.empty()) {
        cells.push_back(WithoutNegativeZero(GeneralText(outliers_[row].fractionOutside, 4)));
        cells.push_back(WithoutNegativeZero(GeneralText(outliers_[row].largestExcursion)));
    } else {
        cells.push_back(row < outliers_.size() ? outliers_[row].failure : std::string());
        cells.emplace_back();
    }
    return cells;
}

std::string CCursorTable::Text() const
{
    std::string out;
    const auto line = [&out](const std::vector<std::string>& cells) {
        for (std::size_t i = 0; i < cells.size(); ++i) out += (i ? "\t" : "") + cells[i];
        out += '\n';
    };
    line(Headings());
    for (std::size_t row = 0; row < RowCount(); ++row) line(Cells(row));
    return out;
}

std::string CCursorTable::Csv() const
{
    std::string out;
    const auto line = [&out](const std::vector<std::string>& cells) {
        for (std::size_t i = 0; i < cells.size(); ++i) {
            if (i) out += ',';
            AppendCsvCell(out, cells[i]);
        }
        out += "\r\n";
    };
    line(Headings());
    for (std::size_t row = 0; row < RowCount(); ++row) line(Cells(row));
    return out;
}

}  // namespace ko
