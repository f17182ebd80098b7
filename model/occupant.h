// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string>

#include "model/column_table.h"
#include "model/record.h"

namespace ko {

// Common base of veh::COccupant, bio::CBiologicalOccupant and
// bio::CDummyOccupant: the seven texts every occupant table has under its own
// column names (location, sex and seat position with their descriptions, and
// the commentary), so that code can read them without knowing the kind.
class COccupant : public CRecord {
public:
    COccupant(const COccupant&) = default;
    COccupant& operator=(const COccupant&) = default;
    ~COccupant() override = default;

    const std::string& GetLocation() const { return location_; }
    const std::string& GetLocationDescription() const { return locationDescription_; }
    const std::string& GetSex() const { return sex_; }
    const std::string& GetSexDescription() const { return sexDescription_; }
    const std::string& GetSeatPosition() const { return seatPosition_; }
    const std::string& GetSeatPositionDescription() const { return seatPositionDescription_; }
    const std::string& GetComment() const { return comment_; }
    // An occupant number kept with the record; 1 when constructed.
    int GetOccupantNumber() const { return occupantNumber_; }
    void SetOccupantNumber(int number) { occupantNumber_ = number; }

protected:
    explicit COccupant(TestKind kind) : CRecord(kind) {}

    int occupantNumber_ = 1;
    std::string location_;
    std::string locationDescription_;
    std::string sex_;
    std::string sexDescription_;
    std::string seatPosition_;
    std::string seatPositionDescription_;
    std::string comment_;
};

}  // namespace ko

// Column kinds of the occupant tables that store into the common texts above.
#define KO_OCCUPANT_TEXT(name, member)       \
    const std::string& Get##name() const     \
    {                                        \
        return member;                       \
    }                                        \
    void Set##name(const std::string& value) \
    {                                        \
        member = value;                      \
    }
#define KO_ACCESS_OccLoc(name) KO_OCCUPANT_TEXT(name, location_)
#define KO_ACCESS_OccLocD(name) KO_OCCUPANT_TEXT(name, locationDescription_)
#define KO_ACCESS_OccSex(name) KO_OCCUPANT_TEXT(name, sex_)
#define KO_ACCESS_OccSexD(name) KO_OCCUPANT_TEXT(name, sexDescription_)
#define KO_ACCESS_OccSeat(name) KO_OCCUPANT_TEXT(name, seatPosition_)
#define KO_ACCESS_OccSeatD(name) KO_OCCUPANT_TEXT(name, seatPositionDescription_)
#define KO_ACCESS_OccCom(name) KO_OCCUPANT_TEXT(name, comment_)
#define KO_MEMBER_OccLoc(name)
#define KO_MEMBER_OccLocD(name)
#define KO_MEMBER_OccSex(name)
#define KO_MEMBER_OccSexD(name)
#define KO_MEMBER_OccSeat(name)
#define KO_MEMBER_OccSeatD(name)
#define KO_MEMBER_OccCom(name)
#define KO_FLAGS_OccLoc ::ko::kEveryTable
#define KO_FLAGS_OccLocD ::ko::kEveryTable
#define KO_FLAGS_OccSex ::ko::kEveryTable
#define KO_FLAGS_OccSexD ::ko::kEveryTable
#define KO_FLAGS_OccSeat ::ko::kEveryTable
#define KO_FLAGS_OccSeatD ::ko::kEveryTable
#define KO_FLAGS_OccCom ::ko::kEveryTable
