// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/selection_texts.h"

#include <gtest/gtest.h>

namespace {

using Rows = std::vector<std::vector<std::string>>;

TEST(SelectionTexts, BiomechanicsRowsShowOccupantFieldsOfTheirKind)
{
    auto dummy = std::make_shared<ko::bio::CSelection>();
    dummy->SetTSTNO(7001);
    dummy->SetOCCTYPD("HYBRID III 50TH");
    dummy->SetDUMSIZD("50TH PERCENTILE");
    dummy->SetOCCWT(80);
    auto cadaver = std::make_shared<ko::bio::CSelection>();
    cadaver->SetTSTNO(7002);
    cadaver->SetOCCTYP("CA");
    cadaver->SetOCCTYPD("CADAVER");
    cadaver->SetBOCCSEX("F");
    cadaver->SetOCCAGE(61);
    cadaver->SetOCCWT(58);
    const Rows texts = ko::SelectionTexts({dummy, cadaver});
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[0][0], "HYBRID III 50TH");
    EXPECT_EQ(texts[0][4], "7001");
    EXPECT_EQ(texts[0][6], "50TH PERCENTILE");
    EXPECT_EQ(texts[0][7], "") << "a dummy has no weight here";
    EXPECT_EQ(texts[1][5], "F") << "the code when there is no description";
    EXPECT_EQ(texts[1][6], "61");
    EXPECT_EQ(texts[1][7], "58");
}

TEST(SelectionTexts, OnlyAnimalsVolunteersAndCadaversAreBiologicalOccupants)
{
    for (const char* type : {"ANIMAL", "HUMAN VOLUNTEER", "CADAVER"})
        EXPECT_TRUE(ko::IsBiologicalOccupant(type));
    for (const char* type : {"", "cadaver", "HYBRID III 50TH", "CADAVER "})
        EXPECT_FALSE(ko::IsBiologicalOccupant(type));
}

}  // namespace
