// SPDX-License-Identifier: GPL-3.0-or-later
// Writing a UDS-1992 file image.
#include <algorithm>
#include <cctype>
#include <cstdint>
#include <cstring>
#include <limits>
#include <stdexcept>

#include "core/atomic_file.h"
#include "formats/uds_1992.h"
#include "formats/uds_file.h"
#include "formats/uds_record_codec.h"

namespace ko {

namespace {

constexpr std::size_t kRecord = CUDS1992::kRecordSize;

// The decimal prefix of text, as atoi reads it (saturated instead of overflowing).
std::int32_t LeadingInt(const std::string& text)
{
    std::size_t i = 0;
    while (i < text.size() && std::isspace(static_cast<unsigned char>(text[i]))) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    std::int64_t value = 0;
    for (; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])); ++i)
        value = std::min<std::int64_t>(value * 10 + (text[i] - '0'), std::int64_t{1} << 32);
    value = negative ? -value : value;
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(
        value, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
}

bool IsBlank(const std::string& text)
{
    for (char c : text)
        if (!std::isspace(static_cast<unsigned char>(c))) return false;
    return true;
}

// One block of data records with the given tag.
void WriteBlock(unsigned char* out, const char* tag, const std::vector<double>& values,
                UDSRealFormat format)
{
    for (std::size_t i = 0; i < values.size(); ++i) {
        const std::size_t slot = i % CUDS1992::kValuesPerRecord;
        unsigned char* record = out + (i / CUDS1992::kValuesPerRecord) * kRecord;
        if (slot == 0) EncodeText(record, CUDS1992::kTagWidth, tag);
        EncodeReal(record + CUDS1992::kTagWidth + slot * CUDS1992::kRealWidth,
                   static_cast<float>(values[i]), format);
    }
}

}  // namespace

void CUDSFile::Write(const std::string& path)
{
    if (path.empty()) throw std::logic_error("Failure to write file due to empty path and file name.");
    if (GetNLP() < GetNFP()) throw std::logic_error("Crossed array indices, NFP > NLP");
    if (GetNLP() == GetNFP()) throw std::logic_error("Equal array indices, NFP = NLP");
    CAtomicFile file(path);
    if (!file.Open()) throw std::logic_error("Failure to open file for writing.");
    const UDSNumberFormat format =
        bigEndian_ ? UDSNumberFormat{UDSByteOrder::Big, UDSRealFormat::IEEEBig} : machineFormat_;
    if (!format.IsKnown() || format.reals == UDSRealFormat::VAX)
        throw std::logic_error("Couldn't set byte order of float format.");
    fileFormat_ = format;
    SetNUMFORM(NumberFormatName(format));
    WidenYear();
    const std::vector<unsigned char> image = Image();
    if (!file.Write(image.data(), image.size()) || !file.Commit())
        throw std::logic_error("Failure to write file: " + path);
}

// The file image in the file format; the point count is checked before the
// buffer is sized from NFP and NLP.
std::vector<unsigned char> CUDSFile::Image()
{
    const std::int64_t n = std::int64_t{GetNLP()} - GetNFP() + 1;
    if (n != static_cast<std::int64_t>(y_.size()))
        throw std::logic_error("NLP - NFP + 1: " + std::to_string(n) +
                               " does not equal to array size: " + std::to_string(y_.size()));
    const bool object2 = GetVehicleNumber2() != 0 || !IsBlank(GetType2());
    const bool yBlock = GetFILEFORM() == "Y" || GetFILEFORM() == "X-Y";
    const bool xBlock = GetFILEFORM() == "X-Y";
    const std::size_t blocks = CUDS1992::DataRecords(y_.size());
    const std::size_t records = 2 + (object2 ? 1 : 0) + (yBlock ? blocks : 0) + (xBlock ? blocks : 0);
    std::vector<unsigned char> image(records * kRecord, 0);

    if (GetTSTNO() == 0) SetTSTNO(LeadingInt(GetTSTNAM()));
    WriteRecord(*this, UDSRecord::Test, image.data(), fileFormat_);
    std::size_t base = kRecord;
    if (object2) {
        EncodeText(image.data() + base, CUDS1992::kTagWidth, CUDS1992::kObject2Tag);
        WriteRecord(*this, UDSRecord::Object2, image.data() + base, fileFormat_);
        base += kRecord;
    }
    if (GetCURNO() == 0) SetCURNO(LeadingInt(GetCURNAM()));
    EncodeText(image.data() + base, CUDS1992::kTagWidth, CUDS1992::kCurveTag);
    WriteRecord(*this, UDSRecord::Curve, image.data() + base, fileFormat_);
    unsigned char* data = image.data() + base + kRecord;
    if (yBlock) WriteBlock(data, CUDS1992::kYDataTag, y_, fileFormat_.reals);
    if (xBlock) WriteBlock(data + blocks * kRecord, CUDS1992::kXDataTag, x_, fileFormat_.reals);
    return image;
}

}  // namespace ko
