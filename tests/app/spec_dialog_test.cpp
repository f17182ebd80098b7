// SPDX-License-Identifier: GPL-3.0-or-later
// The test specification viewer: sections of the sample store's tests of
// each kind against their records, stepping, copies, media and EV5 export.
#include "viewers/spec_dialog.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTemporaryDir>

#include "app/command_ids.h"
#include "app/direct_start.h"
#include "app/main_frame.h"
#include "app/start_options.h"
#include "app/velder_doc.h"
#include "document/document.h"
#include "formats/ev5_vehicle.h"
#include "model/column_table.h"
#include "sources/data_agent.h"
#include "velder_test_env.h"
#include "viewers/spec_grid.h"
#include "viewers/viewer_prompts.h"

using namespace kores;

namespace {

// Answers media requests with a fixed location.
class CMediaAgent : public ko::CDataAgent {
public:
    std::string location;
    bool LoadMedia(ko::TestKind, ko::MediaKind, unsigned, int) override
    {
        SetMediaLocation(location);
        return true;
    }
};

class Specification : public ::testing::Test {
protected:
    std::unique_ptr<kores::CSpecification> Open(ko::TestKind kind, std::vector<int> tests)
    {
        CStartOptions options;
        options.store = SampleStoreRoot();
        options.kind = kind;
        options.tests = std::move(tests);
        const QString problems = StartDirect(frame, options);
        EXPECT_TRUE(problems.isEmpty()) << problems.toStdString();
        EXPECT_TRUE(frame.Action(cmd::kTestSpecification)->isEnabled());
        auto dialog = frame.CreateViewer(cmd::kTestSpecification);
        return std::unique_ptr<kores::CSpecification>(dynamic_cast<kores::CSpecification*>(dialog.release()));
    }
    // Every row of the section's first record against the record's own column texts.
    template <class R>
    void ExpectRecord(const kores::CSpecification& dialog, const R& record)
    {
        ASSERT_FALSE(dialog.Section().records.empty()) << dialog.SectionName();
        for (const ko::CSpecRow& row : dialog.Section().records.front()) {
            EXPECT_EQ(row.value, ko::GetFieldText(record, row.name)) << row.name;
            const auto* field = R::Columns().Find(row.name);
            ASSERT_NE(field, nullptr);
            EXPECT_EQ(row.description, field->column.description);
        }
    }

    CVelderTestEnv env;
    CMainFrame frame;
    std::vector<QString> told;
    QString answer;
    kores::CViewerPromptsScope prompts{
        {[this](QWidget*, QMessageBox::Icon, const QString& text) { told.push_back(text); },
         [this](QWidget*, const QString&, const QString&, const QString&) { return answer; },
         [](QWidget*, const QString&) { return false; }}};
};

TEST_F(Specification, VehicleSectionsFollowTheRecordsAndStepThroughTheTests)
{
    auto dialog = Open(ko::TestKind::Vehicle, {101, 102});
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->windowTitle(), "Vehicle Test Specification");
    EXPECT_EQ(dialog->SectionButton("Barrier")->toolTip(), "Vehicle Barrier Specification");
    EXPECT_EQ(dialog->SectionButton("Reports")->toolTip(), "Vehicle Report Specification");
    EXPECT_EQ(dialog->Count().text(), "2");
    EXPECT_FALSE(dialog->Spin().isHidden());
    const auto& tests = frame.Document().Model().GetLists<ko::CVehicleTest>().tests;
    for (int index : {1, 0}) {
        dialog->Spin().setValue(index + 1);
        const ko::CVehicleTest& test = *tests[static_cast<std::size_t>(index)];
        EXPECT_EQ(dialog->TestNumber(), ko::TestNumberOf(test));
        dialog->SectionButton("Test")->click();
        ExpectRecord(*dialog, *test.GetTest());
        dialog->SectionButton("Barrier")->click();
        ASSERT_TRUE(test.GetBarrier());
        ExpectRecord(*dialog, *test.GetBarrier());
        dialog->SectionButton("Instrumentation")->click();
        EXPECT_EQ(dialog->Section().records.size(), test.GetInstrumentations().size());
        ExpectRecord(*dialog, *test.GetInstrumentations().front());
    }
    const kores::CSpecificationGrid& grid = dialog->Grid();
    EXPECT_EQ(grid.Model().columnCount(), 4) << "instrumentation rows have descriptions";
    EXPECT_TRUE(grid.isColumnHidden(0));
    EXPECT_TRUE(grid.isColumnHidden(3));
    const int sentyp = [&] {
        for (int row = 0; row < grid.Model().RowCount(); ++row)
            if (grid.Model().CellText(row, 1) == "SENTYP") return row;
        return -1;
    }();
    ASSERT_GE(sentyp, 0);
    EXPECT_EQ(grid.HintAt(sentyp, 1), "Sensor type") << "a title hints its description";
    EXPECT_EQ(grid.HintAt(sentyp, 2), grid.Model().CellText(sentyp, 3).isEmpty()
                                          ? grid.Model().CellText(sentyp, 2)
                                          : grid.Model().CellText(sentyp, 3));

    dialog->SectionButton("Test")->click();
    dialog->Copy(ko::SpecCopy::TitleValues);
    EXPECT_TRUE(
        QApplication::clipboard()->text().startsWith(QString("TSTNO\t%1\n").arg(dialog->TestNumber())));
    dialog->CopyInformation("Barrier");
    EXPECT_TRUE(QApplication::clipboard()->text().startsWith("BARRIG\tBARSHP\tBARANG\tBARDIA\tBARCOM\n"));
    EXPECT_EQ(QApplication::clipboard()->text().count('\n'), 2);
}

TEST_F(Specification, ComponentSectionsComeFromTheirRecords)
{
    auto component = Open(ko::TestKind::Component, {201});
    ASSERT_NE(component, nullptr);
    EXPECT_EQ(component->windowTitle(), "Component Test Specification");
    EXPECT_TRUE(component->Spin().isHidden()) << "a single test needs no stepping";
    const auto& com = *frame.Document().Model().GetLists<ko::CComTest>().tests.front();
    component->SectionButton("Component")->click();
    EXPECT_EQ(component->Section().records.size(), com.GetComponents().size());
    ASSERT_FALSE(com.GetComponents().empty());
    ExpectRecord(*component, *com.GetComponents().front());
    component->SectionButton("Configuration")->click();
    EXPECT_EQ(component->Section().records.size(), com.GetConfigurations().size());
}

TEST_F(Specification, BiomechanicsSectionsComeFromTheirRecords)
{
    auto bio = Open(ko::TestKind::Biomechanics, {301});
    ASSERT_NE(bio, nullptr);
    EXPECT_EQ(bio->windowTitle(), "Biomenechanics Test Specification");
    EXPECT_EQ(bio->SectionButton("Gauge")->toolTip(), "Biomenechanics Chest Band Gauge Specification");
    const auto& test = *frame.Document().Model().GetLists<ko::CBioTest>().tests.front();
    bio->SectionButton("Test")->click();
    ExpectRecord(*bio, *test.GetTest());
    bio->SectionButton("Injury")->click();
    EXPECT_EQ(bio->Section().records.size(), test.GetInjuries().size());
}

TEST_F(Specification, MediaAndEV5Export)
{
    auto test = std::make_shared<ko::CVehicleTest>();
    test->SetTest(std::make_shared<ko::veh::CTest>());
    test->SetTestNumber(4242);
    test->SetTITLE("NO BARRIER HERE");
    auto photo = std::make_shared<ko::CPhotos>();
    photo->SetPHOTONO(3);
    test->AddPhoto(photo);
    auto agent = std::make_shared<CMediaAgent>();
    agent->location = "/nonexistent/velder/photo3.jpg";
    kores::CSpecification dialog;
    dialog.SetAgent(agent);
    dialog.SetTests({test});
    dialog.SectionButton("Barrier")->click();
    EXPECT_TRUE(dialog.Section().records.empty());
    EXPECT_EQ(dialog.Grid().Model().RowCount(), 0);
    EXPECT_EQ(dialog.Note().text(), "Test 4242 has no Barrier records.");
    EXPECT_EQ(ko::VehicleCopyText(*test, "Barrier"), "") << "the Barrier Information entry is greyed";

    dialog.SectionButton("Photos")->click();
    ASSERT_EQ(dialog.Section().records.size(), 1u);
    EXPECT_EQ(dialog.Grid().Model().columnCount(), 3) << "media rows have no decoded values";
    EXPECT_TRUE(dialog.MediaButton().isEnabled());
    dialog.OpenMedia();
    ASSERT_EQ(told.size(), 1u);
    EXPECT_EQ(told.back(), "The media file /nonexistent/velder/photo3.jpg does not exist.");
    agent->location.clear();
    dialog.OpenMedia();
    EXPECT_EQ(told.size(), 1u) << "an empty answer ends quietly";

    QTemporaryDir dir;
    answer = dir.filePath("4242.ev5");
    dialog.SaveEV5();
    QFile file(answer);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    auto read = std::make_shared<ko::CVehicleTest>();
    ko::CEV5Veh(read, 4242).Read(file.readAll().toStdString());
    EXPECT_EQ(read->GetTITLE(), "NO BARRIER HERE");
    file.close();
    QFile::resize(answer, 3);
    dialog.SaveEV5();
    EXPECT_EQ(QFileInfo(answer).size(), 3) << "not replaced after No";
}

}  // namespace
