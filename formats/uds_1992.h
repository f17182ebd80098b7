// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstddef>

#include "core/uds_fields.h"

namespace ko {

// The fixed layout of a UDS-1992 file: 512-byte records of packed fields. The
// position and width of every header field are in core/uds_field_table.h.
class CUDS1992 {
public:
    static constexpr std::size_t kRecordSize = 512;
    static constexpr std::size_t kTagWidth = 12;
    static constexpr std::size_t kIntWidth = 4;
    static constexpr std::size_t kRealWidth = 4;
    static constexpr std::size_t kValuesPerRecord = 125;

    // Bytes of each header record that hold fields (the rest is unused).
    static constexpr std::size_t kTestRecordUsed = 380;
    static constexpr std::size_t kObject2RecordUsed = 186;
    static constexpr std::size_t kCurveRecordUsed = 444;

    static constexpr const char* kFileId = "UDS-1992";
    static constexpr const char* kObject2Tag = "CMP-2 HDR";
    static constexpr const char* kCurveTag = "CURVE HDR";
    static constexpr const char* kYDataTag = "Y DATA";
    static constexpr const char* kXDataTag = "X DATA";

    // Records of data needed for n values (ceil(n / 125)).
    static constexpr std::size_t DataRecords(std::size_t n)
    {
        return (n + kValuesPerRecord - 1) / kValuesPerRecord;
    }
};

static_assert(CUDS1992::kTagWidth + CUDS1992::kValuesPerRecord * CUDS1992::kRealWidth ==
              CUDS1992::kRecordSize);

}  // namespace ko
