// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>

#include "model/bio_biological_occupant.h"
#include "model/bio_dummy_occupant.h"
#include "model/electric_media.h"
#include "model/load_selection.h"
#include "model/veh_occupant.h"

namespace ko {
namespace {

TEST(Media, ClearResetsOwnColumnsAndReplacesSharedObjects)
{
    CVideos video;
    video.SetVIDEOTSTNO(4711);
    video.SetCAMNO(3);
    video.SetVSCFACTOR(2);
    video.SetVIEWDESC("LEFT SIDE");
    video.SetCOMMENTS("slow");
    video.SetFILENAME("v4711_3.avi");
    video.SetSECURITY("PUBLIC");
    video.GetDatabase()->SetKind(ko::TestKind::Component);
    const CVideos copy = video;
    static_cast<CElectricMediaBase&>(video).Clear();
    for (const char* column : {"VSCFACTOR", "CAMNO", "VIDEOTSTNO"})
        EXPECT_EQ(GetFieldText(video, column), "0");
    for (const char* column : {"VIEWDESC", "COMMENTS", "FILENAME"})
        EXPECT_EQ(GetFieldText(video, column), "");
    EXPECT_EQ(video.GetSECURITY(), "PRIVATE");
    EXPECT_EQ(video.GetDatabase()->GetKind(), ko::TestKind::Vehicle);
    EXPECT_EQ(video.GetMIMETYPE(), "video/msvideo");
    // The copy kept the objects it shared before the clear.
    EXPECT_EQ(copy.GetVIDEOTSTNO(), 4711);
    EXPECT_EQ(copy.GetSECURITY(), "PUBLIC");
    EXPECT_EQ(copy.GetDatabase()->GetKind(), ko::TestKind::Component);
}

TEST(Media, TestNumberColumnChecksItsRange)
{
    CPhotos photo;
    EXPECT_THROW(photo.SetPHOTOTSTNO(0), std::out_of_range);
    photo.SetPHOTOTSTNO(99);
    EXPECT_EQ(photo.GetTestNumber()->GetPaddedText(), "00099");
}

TEST(Occupants, KindColumnsShareTheCommonTexts)
{
    veh::COccupant occupant;
    occupant.SetOCCLOC("01");
    occupant.SetOCCSEXD("FEMALE");
    occupant.SetSEPOSN("MID");
    occupant.SetOCCCOM("belted");
    const ko::COccupant& common = occupant;
    EXPECT_EQ(common.GetLocation(), "01");
    EXPECT_EQ(common.GetSexDescription(), "FEMALE");
    EXPECT_EQ(common.GetSeatPosition(), "MID");
    EXPECT_EQ(common.GetComment(), "belted");
    EXPECT_EQ(common.GetOccupantNumber(), 1);

    bio::CDummyOccupant dummy;
    dummy.SetDOCCLOC("DR");
    dummy.SetDOCCSEX("M");
    EXPECT_EQ(static_cast<const ko::COccupant&>(dummy).GetLocation(), "DR");
    EXPECT_EQ(static_cast<const ko::COccupant&>(dummy).GetSex(), "M");
    bio::CBiologicalOccupant biological;
    biological.SetBSEPOSND("UPRIGHT");
    biological.SetBOCCLOCD("LEFT");
    EXPECT_EQ(static_cast<const ko::COccupant&>(biological).GetSeatPositionDescription(), "UPRIGHT");
    EXPECT_EQ(static_cast<const ko::COccupant&>(biological).GetLocationDescription(), "LEFT");
}

TEST(Selections, LoadSelectionKeepsItsLabelAndRowsInOrder)
{
    veh::CLoadSelection list;
    list.SetText("VEHDB: production and holding tests");
    for (int number : {12, 5, 12}) {
        auto row = std::make_shared<veh::CSelection>();
        row->Set(number);
        list.Add(row);
    }
    ASSERT_EQ(list.Get().size(), 3u);
    EXPECT_EQ(list.Get()[1]->GetNumber(), 5);
    EXPECT_THROW(list.Add(nullptr), std::invalid_argument);
    EXPECT_THROW(list.Set({std::make_shared<veh::CSelection>(), nullptr}), std::invalid_argument);
    EXPECT_EQ(list.Get().size(), 3u);
    list.Clear();
    EXPECT_TRUE(list.Get().empty());
    EXPECT_EQ(list.GetText(), "VEHDB: production and holding tests");
}

}  // namespace
}  // namespace ko
