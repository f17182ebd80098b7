// SPDX-License-Identifier: GPL-3.0-or-later
// Cascading filters of the per-database test selection dialogs.
#include "app/test_selection_dialog.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

#include "velder_test_env.h"

using namespace kores;

namespace {

using Rows = std::vector<std::vector<std::string>>;
using Texts = std::vector<std::string>;

QStringList Items(const QComboBox& combo)
{
    QStringList items;
    for (int i = 0; i < combo.count(); ++i) items << combo.itemText(i);
    return items;
}

// Vehicle rows: type, make, model, year, number | angle, speed, length, width, body, weight, VIN.
Rows VehicleRows()
{
    return {{"FRONTAL", "FORD", "TAURUS", "1998", "3001", "0", "56.3", "5000", "1800", "4S", "1500", "VIN1"},
            {"FRONTAL", "FORD", "FOCUS", "2001", "3002", "0", "56.0", "4300", "1700", "4S", "1200", "VIN2"},
            {"FRONTAL", "AUDI", "A4", "2001", "3003", "0", "56.1", "4500", "1750", "4S", "1400", "VIN3"},
            {"SIDE", "FORD", "TAURUS", "1998", "3004", "90", "48.0", "5000", "1800", "4S", "1500", "VIN4"}};
}

TEST(VehicleSelectionDialog, FiltersCascadeDownToTestNumbersWithTheirDescriptions)
{
    CVelderTestEnv env;
    CDAVehTNDlg dialog(VehicleRows());
    EXPECT_EQ(dialog.windowTitle(), "Vehicle: Select Test");
    EXPECT_EQ(Items(*dialog.Filter(0)), QStringList({"(All)", "FRONTAL", "SIDE"}));
    EXPECT_EQ(Items(*dialog.Filter(4)), QStringList({"3001", "3002", "3003", "3004"}));

    ASSERT_TRUE(dialog.ChooseFilter(0, "FRONTAL"));
    ASSERT_TRUE(dialog.ChooseFilter(1, "FORD"));
    EXPECT_EQ(Items(*dialog.Filter(2)), QStringList({"(All)", "FOCUS", "TAURUS"}));
    EXPECT_EQ(Items(*dialog.Filter(4)), QStringList({"3001", "3002"}));
    ASSERT_TRUE(dialog.ChooseFilter(4, "3002"));
    EXPECT_EQ(dialog.GetTestNumber(), 3002);
    EXPECT_EQ(dialog.Description(1)->text(), "56.0");
    EXPECT_EQ(dialog.Description(6)->text(), "VIN2");

    ASSERT_TRUE(dialog.ChooseFilter(0, "SIDE"));
    EXPECT_EQ(Items(*dialog.Filter(1)), QStringList({"(All)", "FORD"}));
    EXPECT_EQ(dialog.GetTestNumber(), 3004);
    EXPECT_EQ(dialog.Description(0)->text(), "90");
    EXPECT_FALSE(dialog.ChooseFilter(1, "AUDI")) << "not listed after SIDE";
}

TEST(VehicleSelectionDialog, EmptyListChoosesNoTest)
{
    CVelderTestEnv env;
    CDAVehTNDlg dialog({});
    EXPECT_EQ(dialog.GetTestNumber(), 0);
    EXPECT_TRUE(dialog.Description(0)->text().isEmpty());
}

TEST(BiomechanicsSelectionDialog, OccupantTypeDecidesAgeOrSizeLayout)
{
    CVelderTestEnv env;
    // type, configuration, performer, reference, number | sex, age or size, weight, speed, angle
    CDABioTNDlg dialog({{"HYBRID III 50TH", "SLED", "LAB", "R1", "7001", "M", "50TH", "", "30", "0"},
                        {"CADAVER", "SLED", "LAB", "R2", "7002", "F", "61", "58", "30", "0"}});
    dialog.show();
    ASSERT_TRUE(dialog.ChooseFilter(0, "CADAVER"));
    EXPECT_EQ(dialog.DescriptionLabel(1)->text(), "Age");
    EXPECT_TRUE(dialog.Description(2)->isVisible());
    EXPECT_EQ(dialog.Description(1)->text(), "61");
    EXPECT_EQ(dialog.Description(2)->text(), "58");
    ASSERT_TRUE(dialog.ChooseFilter(0, "HYBRID III 50TH"));
    EXPECT_EQ(dialog.DescriptionLabel(1)->text(), "Size");
    EXPECT_FALSE(dialog.Description(2)->isVisible());
    EXPECT_EQ(dialog.Description(1)->text(), "50TH");
    EXPECT_EQ(dialog.GetTestNumber(), 7001);
}

TEST(BiomechanicsSelectionDialog, DescribesTheListedTestAsSoonAsTheListIsFilled)
{
    CVelderTestEnv env;
    CDABioTNDlg dialog({{"CADAVER", "SLED", "LAB", "R2", "7002", "F", "61", "58", "30", "0"},
                        {"HYBRID III 50TH", "SLED", "LAB", "R1", "7001", "M", "50TH", "", "35", "15"}});
    dialog.show();
    ASSERT_EQ(dialog.GetTestNumber(), 7001) << "no occupant type chosen: every test is listed";
    EXPECT_EQ(dialog.Description(0)->text(), "M");
    EXPECT_EQ(dialog.DescriptionLabel(1)->text(), "Size") << "the layout of the described test";
    EXPECT_EQ(dialog.Description(1)->text(), "50TH");
    EXPECT_FALSE(dialog.Description(2)->isVisible());
    EXPECT_EQ(dialog.Description(3)->text(), "35");
    ASSERT_TRUE(dialog.ChooseFilter(4, "7002"));
    EXPECT_EQ(dialog.DescriptionLabel(1)->text(), "Age");
    EXPECT_EQ(dialog.Description(2)->text(), "58");
    ASSERT_TRUE(dialog.ChooseFilter(0, CTestSelectionDialog::kAnyValue));
    EXPECT_EQ(dialog.Description(0)->text(), "M") << "back to the first listed test";
}

}  // namespace
