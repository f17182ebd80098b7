// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <optional>
#include <string>
#include <vector>

#include "analysis/corridor.h"
#include "analysis/criterion_choice.h"
#include "analysis/cursor_values.h"
#include "document/plot_data.h"

namespace ko {

// The cursor table below the graph: one row per current signal with the
// readings of cursors A and B, a chosen criterion of the whole signal and how
// far the signal leaves the mean +- k sigma corridor of all of them. The
// criterion and the corridor are computed when the signals or their settings
// change, the readings when a cursor moves.
class CCursorTable {
public:
    CCursorTable();

    void SetSignals(const CSignalList& signals);
    // A criterion of one channel (CriterionTable entries with count 1).
    void SetCriterion(const CCriterionInfo& criterion);
    const CCriterionInfo& GetCriterion() const { return *criterion_; }
    // Throws std::logic_error for k < 0.
    void SetSigmaFactor(double k);
    double GetSigmaFactor() const { return k_; }
    void SetCursors(double a, double b);
    double GetCursorA() const { return a_; }
    double GetCursorB() const { return b_; }

    std::vector<std::string> Headings() const;
    std::size_t RowCount() const { return signals_.size(); }
    // C-locale texts, one per heading; a reading that does not exist is empty,
    // a criterion that fails shows its failure in the value cell.
    std::vector<std::string> Cells(std::size_t row) const;
    // Why no signal has corridor columns (fewer than two good signals, ...);
    // empty when the corridor exists.
    const std::string& CorridorFailure() const { return corridorFailure_; }

    // Headings and rows, cells separated by tabs, lines ended by "\n".
    std::string Text() const;
    // The same as comma-separated values (RFC 4180 quoting).
    std::string Csv() const;

private:
    void ComputeCriterion();
    void ComputeCorridor();
    void ComputeReadings();

    CSignalList signals_;
    const CCriterionInfo* criterion_;
    double k_ = 1.0;
    double a_ = 0.0;
    double b_ = 0.0;
    std::vector<CCursorValues> readings_;
    std::vector<std::vector<std::string>> criterionCells_;
    std::vector<COutlier> outliers_;
    std::string corridorFailure_;
};

// Criteria that read a single channel, in table order.
std::vector<const CCriterionInfo*> SingleChannelCriteria();

}  // namespace ko
