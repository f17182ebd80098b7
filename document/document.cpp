// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/document.h"

#include "sources/data_agent.h"

namespace ko {

template <class Test>
void CDocument::Load(std::vector<std::shared_ptr<Test>> tests)
{
    auto& lists = Lists<Test>();
    kind_ = CKindTraits<Test>::kKind;
    counts_.clear();
    signals_.clear();
    failures_.clear();
    lists.rows.clear();
    lists.titles.clear();
    lists.selected.clear();
    lists.tests = std::move(tests);
    for (const auto& test : lists.tests) {
        const auto& rows = test->GetInstrumentations();
        lists.rows.insert(lists.rows.end(), rows.begin(), rows.end());
    }
    SortByTitle(lists.rows);
    auto distinct = DistinctTitles(lists.rows);
    lists.titles = std::move(distinct.titles);
    counts_ = std::move(distinct.counts);
    BuildPlot();
}

void CDocument::SetTests(std::vector<std::shared_ptr<CVehicleTest>> tests)
{
    Load(std::move(tests));
}
void CDocument::SetTests(std::vector<std::shared_ptr<CComTest>> tests)
{
    Load(std::move(tests));
}
void CDocument::SetTests(std::vector<std::shared_ptr<CBioTest>> tests)
{
    Load(std::move(tests));
}

template <class Test>
bool CDocument::LoadThroughAgent(const std::vector<int>& testNumbers, bool chosen)
{
    std::vector<std::shared_ptr<Test>> tests;
    std::vector<CLoadFailure> failures;
    const auto loadOne = [&](int number) {
        auto test = std::make_shared<Test>();
        const bool loaded =
            chosen ? agent_->LoadTest(test) : agent_->LoadTest(static_cast<unsigned>(number), test);
        if (loaded)
            tests.push_back(std::move(test));
        else
            failures.push_back({number, 0, agent_->GetLastError()});
    };
    if (chosen) loadOne(0);
    agent_->PlanTests(CKindTraits<Test>::kKind, testNumbers);
    for (const int number : testNumbers) loadOne(number);
    agent_->PlanTests(CKindTraits<Test>::kKind, {});
    Load(std::move(tests));
    failures_ = std::move(failures);
    return true;
}

bool CDocument::LoadKind(TestKind kind, const std::vector<int>& testNumbers, bool chosen)
{
    if (!agent_) return false;
    switch (kind) {
        case TestKind::Vehicle: return LoadThroughAgent<CVehicleTest>(testNumbers, chosen);
        case TestKind::Component: return LoadThroughAgent<CComTest>(testNumbers, chosen);
        case TestKind::Biomechanics: return LoadThroughAgent<CBioTest>(testNumbers, chosen);
        default: return false;
    }
}

bool CDocument::LoadTests(TestKind kind, const std::vector<int>& testNumbers)
{
    return LoadKind(kind, testNumbers, false);
}

bool CDocument::LoadChosenTest(TestKind kind)
{
    return LoadKind(kind, {}, true);
}

std::size_t CDocument::GetTestCount() const
{
    std::size_t count = 0;
    VisitKind([&](const auto& lists) { count = lists.tests.size(); });
    return count;
}

std::vector<std::string> CDocument::GetTitleHeadings() const
{
    auto headings = TitleFieldNames(kind_);
    if (headings.empty()) return headings;
    headings.insert(headings.begin(), "#");
    return headings;
}

std::vector<std::string> CDocument::GetTitleTexts(std::size_t index) const
{
    std::vector<std::string> texts;
    VisitKind([&](const auto& lists) {
        if (index < lists.titles.size()) texts = TitleTexts(*lists.titles[index]);
    });
    return texts;
}

std::vector<CSummaryLine> CDocument::Summary() const
{
    std::vector<CSummaryLine> lines;
    VisitKind([&](const auto& lists) { lines = BuildSummary(lists.tests); });
    return lines;
}

const CPlotArrays& CDocument::GetPlotArrays() const
{
    if (!plot_) plot_ = BuildPlotArrays(signals_);
    return *plot_;
}

void CDocument::BuildPlot()
{
    plot_.reset();
    titles_ = BuildPlotTitles(signals_);
}

}  // namespace ko
