// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "document/kind_lists.h"
#include "document/plot_data.h"
#include "document/summary.h"
#include "document/title_list.h"

namespace ko {

class CDataAgent;

// A test or curve the agent could not load, with the agent's last-error text.
struct CLoadFailure {
    int testNumber = 0;
    int curveNumber = 0;  // 0 for a test
    std::string text;
};

// Everything loaded for the user, without windows: the tests of the chosen
// kind reduced to distinct signal titles with their counts, the chosen title,
// its signals read through the data agent, the graph's arrays and titles, and
// the commands on those signals. The lists of the other kinds keep what they
// held but are not read while another kind is current.
class CDocument {
public:
    // The texts the titles hold before the first selection.
    static constexpr const char* kInitialMainTitle = "Rendal - MTD";
    static constexpr const char* kInitialSubtitle = "Vostrand";
    static constexpr const char* kInitialYAxisTitle = "Y-Axis";
    static constexpr const char* kInitialXAxisTitle = "X-Axis";

    CDocument() = default;
    explicit CDocument(std::shared_ptr<CDataAgent> agent) : agent_(std::move(agent)) {}

    void SetAgent(std::shared_ptr<CDataAgent> agent) { agent_ = std::move(agent); }
    const std::shared_ptr<CDataAgent>& GetAgent() const { return agent_; }

    // Loads each test number through the agent into a new test of the kind and
    // makes the tests that loaded the kind's tests; the others go to the
    // failures. False, with nothing changed, without an agent or for a kind
    // other than biomechanics, component and vehicle.
    bool LoadTests(TestKind kind, const std::vector<int>& testNumbers);
    // The same for the one test at the agent's chosen location.
    bool LoadChosenTest(TestKind kind);

    // Makes tests the loaded tests of their kind and the kind current: every
    // row of them, sorted by title (stably), the distinct titles and counts;
    // no selection, no current signals.
    void SetTests(std::vector<std::shared_ptr<CVehicleTest>> tests);
    void SetTests(std::vector<std::shared_ptr<CComTest>> tests);
    void SetTests(std::vector<std::shared_ptr<CBioTest>> tests);

    // Biomechanics, component or vehicle; None before any tests are loaded.
    TestKind GetKind() const { return kind_; }
    template <class Test>
    const CKindLists<Test>& GetLists() const
    {
        return std::get<CKindLists<Test>>(lists_);
    }
    std::size_t GetTestCount() const;

    // The title grid: "#" and the kind's field names; one row per distinct title.
    std::vector<std::string> GetTitleHeadings() const;
    std::size_t GetTitleCount() const { return counts_.size(); }
    const std::vector<std::uint32_t>& GetTitleCounts() const { return counts_; }
    // The title's fields as texts, in the kind's field order.
    std::vector<std::string> GetTitleTexts(std::size_t index) const;

    // Makes the title the only selected one, builds its current signals and
    // the plot. The texts are a title grid row read back (integers parsed as
    // decimal, 0 when they do not parse). False when no kind is loaded or
    // the index is out of range; the texts throw SetTitleTexts' failure when
    // their number is not the kind's number of title fields.
    bool SelectTitle(std::size_t index);
    bool SelectTitle(const std::vector<std::string>& fieldTexts);
    bool HasSelection() const;
    // Reads the current signals of the selected title again, dropping any
    // operation results, and rebuilds the plot.
    void Reload();

    const CSignalList& GetCurrentSignals() const { return signals_; }
    // Replaces the current signals and rebuilds the plot.
    void SetCurrentSignals(CSignalList signals);
    // The tests and curves the last load, selection or reload could not read.
    const std::vector<CLoadFailure>& GetFailures() const { return failures_; }

    // Built when first asked for after the signals change (the graph draws
    // from the signals themselves).
    const CPlotArrays& GetPlotArrays() const;
    const CPlotTitles& GetPlotTitles() const { return titles_; }

    // The shape of every command on the current signals: command works on
    // copies of them (it may change, replace, drop or add signals in the list
    // it gets); when it returns, that list becomes the current signals and the
    // plot is rebuilt. An exception passes on and leaves the current signals
    // and the plot exactly as they were.
    void ChangeSignals(const std::function<void(CSignalList&)>& command);
    // Applies operation to each current signal in order, as one command.
    void ApplyToSignals(const std::function<void(CNSignal&)>& operation);
    // Replaces the current signals by their average.
    void AverageSignals();
    // Appends the mean plus and minus one sigma signals (the others stay in
    // their aligned form); nothing with fewer than two current signals.
    void AddSigmaSignals();

    // One line per loaded test of the current kind; throws the aggregate's
    // "Invalid ... Test" for a test without a test record.
    std::vector<CSummaryLine> Summary() const;
    // Copies of the rows that carry the selected title (the signal list).
    template <class Test>
    CRecordList<typename CKindTraits<Test>::Row> SelectedRows() const;
    std::string CopyDataText() const;

private:
    template <class Test>
    CKindLists<Test>& Lists()
    {
        return std::get<CKindLists<Test>>(lists_);
    }
    template <class Test>
    void Load(std::vector<std::shared_ptr<Test>> tests);
    template <class Test>
    bool LoadThroughAgent(const std::vector<int>& testNumbers, bool chosen);
    template <class Test>
    void Select(const std::vector<std::string>& fieldTexts);
    template <class Test>
    void BuildSignals();
    // Calls visit with the lists of the current kind; false for no kind.
    template <class Visit>
    bool VisitKind(Visit&& visit) const;
    bool LoadKind(TestKind kind, const std::vector<int>& testNumbers, bool chosen);
    void BuildCurrentSignals();
    // New titles; the arrays are built again when asked for.
    void BuildPlot();

    std::shared_ptr<CDataAgent> agent_;
    TestKind kind_ = TestKind::None;
    std::tuple<CKindLists<CBioTest>, CKindLists<CComTest>, CKindLists<CVehicleTest>> lists_;
    std::vector<std::uint32_t> counts_;
    CSignalList signals_;
    std::vector<CLoadFailure> failures_;
    mutable std::optional<CPlotArrays> plot_;
    CPlotTitles titles_{kInitialMainTitle, kInitialSubtitle, kInitialYAxisTitle, kInitialXAxisTitle};
};

template <class Visit>
bool CDocument::VisitKind(Visit&& visit) const
{
    switch (kind_) {
        case TestKind::Vehicle: visit(GetLists<CVehicleTest>()); return true;
        case TestKind::Component: visit(GetLists<CComTest>()); return true;
        case TestKind::Biomechanics: visit(GetLists<CBioTest>()); return true;
        default: return false;
    }
}

template <class Test>
CRecordList<typename CKindTraits<Test>::Row> CDocument::SelectedRows() const
{
    const auto& lists = GetLists<Test>();
    return RowsWithTitles(lists.rows, lists.selected);
}

}  // namespace ko
