// SPDX-License-Identifier: GPL-3.0-or-later
// The document's selection and its current signals.
#include <algorithm>
#include <ranges>

#include "core/sigma.h"
#include "document/document.h"
#include "document/signal_output.h"
#include "sources/data_agent.h"

namespace ko {

template <class Test>
void CDocument::Select(const std::vector<std::string>& fieldTexts)
{
    using Row = typename CKindTraits<Test>::Row;
    auto title = std::make_shared<Row>();
    SetTitleTexts(*title, fieldTexts);
    auto& selected = Lists<Test>().selected;
    selected.clear();
    selected.push_back(std::move(title));
}

bool CDocument::SelectTitle(const std::vector<std::string>& fieldTexts)
{
    switch (kind_) {
        case TestKind::Vehicle: Select<CVehicleTest>(fieldTexts); break;
        case TestKind::Component: Select<CComTest>(fieldTexts); break;
        case TestKind::Biomechanics: Select<CBioTest>(fieldTexts); break;
        default: return false;
    }
    Reload();
    return true;
}

bool CDocument::SelectTitle(std::size_t index)
{
    if (index >= GetTitleCount()) return false;
    return SelectTitle(GetTitleTexts(index));
}

bool CDocument::HasSelection() const
{
    bool selected = false;
    VisitKind([&](const auto& lists) { selected = !lists.selected.empty(); });
    return selected;
}

void CDocument::Reload()
{
    BuildCurrentSignals();
    BuildPlot();
}

// For every row with a selected title whose test is loaded, in the order of the
// sorted rows (the rows of one title are one run of them): SetTest, SetTestNumber, SetCurveNumber,
// LoadSignal. A call that fails skips the row, so a failed step never reads another curve.
// The agent is told the curves beforehand so that it can fetch them ahead.
template <class Test>
void CDocument::BuildSignals()
{
    const auto& lists = Lists<Test>();
    std::vector<std::pair<const typename CKindTraits<Test>::Row*, std::shared_ptr<Test>>> reads;
    CDataAgent::CurveList curves;
    for (const auto& title : lists.selected) {
        const auto [first, last] =
            std::equal_range(lists.rows.begin(), lists.rows.end(), title, TitleOrder{});
        for (const auto& row : std::ranges::subrange(first, last)) {
            if (auto test = FindTest(lists.tests, row->GetTSTNO())) {
                reads.emplace_back(row.get(), std::move(test));
                curves.emplace_back(static_cast<unsigned>(row->GetTSTNO()),
                                    static_cast<unsigned>(row->GetCURNO()));
            }
        }
    }
    agent_->PlanCurves(CKindTraits<Test>::kKind, curves);
    for (const auto& [row, test] : reads) {
        std::shared_ptr<CNSignal> signal;  // LoadSignal makes it
        if (agent_->SetTest(test) && agent_->SetTestNumber(static_cast<unsigned>(row->GetTSTNO())) &&
            agent_->SetCurveNumber(static_cast<unsigned>(row->GetCURNO())) && agent_->LoadSignal(signal))
            signals_.push_back(std::move(signal));
        else
            failures_.push_back({row->GetTSTNO(), row->GetCURNO(), agent_->GetLastError()});
    }
    agent_->PlanCurves(CKindTraits<Test>::kKind, {});
}

void CDocument::BuildCurrentSignals()
{
    signals_.clear();
    failures_.clear();
    if (!agent_) return;
    switch (kind_) {
        case TestKind::Vehicle: BuildSignals<CVehicleTest>(); break;
        case TestKind::Component: BuildSignals<CComTest>(); break;
        case TestKind::Biomechanics: BuildSignals<CBioTest>(); break;
        default: break;
    }
}

void CDocument::SetCurrentSignals(CSignalList signals)
{
    signals_ = std::move(signals);
    BuildPlot();
}

void CDocument::ChangeSignals(const std::function<void(CSignalList&)>& command)
{
    CSignalList work;
    work.reserve(signals_.size());
    for (const auto& signal : signals_) work.push_back(std::make_shared<CNSignal>(*signal));
    command(work);
    signals_ = std::move(work);
    BuildPlot();
}

void CDocument::ApplyToSignals(const std::function<void(CNSignal&)>& operation)
{
    ChangeSignals([&](CSignalList& signals) {
        for (const auto& signal : signals) operation(*signal);
    });
}

void CDocument::AverageSignals()
{
    ChangeSignals([](CSignalList& signals) {
        auto average = std::make_shared<CNSignal>();
        average->Average(signals);
        signals = {std::move(average)};
    });
}

void CDocument::AddSigmaSignals()
{
    if (signals_.size() < 2) return;
    ChangeSignals([](CSignalList& signals) {
        auto band = MeanPlusMinusSigma(signals);
        signals.push_back(std::move(band.plus));
        signals.push_back(std::move(band.minus));
    });
}

std::string CDocument::CopyDataText() const
{
    return ko::CopyDataText(signals_);
}

}  // namespace ko
