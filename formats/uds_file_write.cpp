// SPDX-License-Identifier: GPL-3.0-or-later
// Writing a UDS-1992 file: header records, then the data blocks in chunks.
#include <algorithm>
#include <cctype>
#include <cstdint>
#include <cstring>
#include <limits>
#include <stdexcept>

#include "core/atomic_file.h"
#include "core/failure.h"
#include "formats/uds_1992.h"
#include "formats/uds_file.h"
#include "formats/uds_record_codec.h"

namespace ko {

namespace {

constexpr std::size_t kRecord = CUDS1992::kRecordSize;
constexpr std::size_t kPerRecord = CUDS1992::kValuesPerRecord;
constexpr std::size_t kChunkRecords = 128;

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
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(value, std::numeric_limits<std::int32_t>::min(),
                                                              std::numeric_limits<std::int32_t>::max()));
}

bool IsBlank(const std::string& text)
{
    for (char c : text)
        if (!std::isspace(static_cast<unsigned char>(c))) return false;
    return true;
}

// One block of data records with the given tag, encoded and written in chunks;
// slots after the last value stay zero.
bool WriteBlock(CAtomicFile& file, const char* tag, const std::vector<double>& values, UDSRealFormat format)
{
    unsigned char encodedTag[CUDS1992::kTagWidth];
    EncodeText(encodedTag, CUDS1992::kTagWidth, tag);
    std::vector<unsigned char> chunk(kChunkRecords * kRecord);
    for (std::size_t first = 0; first < values.size(); first += kChunkRecords * kPerRecord) {
        const std::size_t count = std::min(values.size() - first, kChunkRecords * kPerRecord);
        const std::size_t records = CUDS1992::DataRecords(count);
        std::fill(chunk.begin(), chunk.begin() + static_cast<std::ptrdiff_t>(records * kRecord), 0);
        for (std::size_t r = 0; r < records; ++r) {
            unsigned char* record = chunk.data() + r * kRecord;
            std::memcpy(record, encodedTag, CUDS1992::kTagWidth);
            const std::size_t base = first + r * kPerRecord;
            const std::size_t inRecord = std::min(kPerRecord, values.size() - base);
            for (std::size_t j = 0; j < inRecord; ++j)
                EncodeReal(record + CUDS1992::kTagWidth + j * CUDS1992::kRealWidth,
                           static_cast<float>(values[base + j]), format);
        }
        if (!file.Write(chunk.data(), records * kRecord)) return false;
    }
    return true;
}

}  // namespace

void CUDSFile::Write(const std::string& path)
{
    WriteValues(path, x_, y_);
}

void CUDSFile::WriteValues(const std::string& path, const std::vector<double>& x,
                           const std::vector<double>& y)
{
    if (path.empty()) throw CFailure("Failure to write file due to empty path and file name.");
    if (GetNLP() < GetNFP()) throw CFailure("Crossed array indices, NFP > NLP");
    if (GetNLP() == GetNFP()) throw CFailure("Equal array indices, NFP = NLP");
    CAtomicFile file(path);
    if (!file.Open()) throw CFailure("Failure to open file for writing.");
    const UDSNumberFormat format =
        bigEndian_ ? UDSNumberFormat{UDSByteOrder::Big, UDSRealFormat::IEEEBig} : machineFormat_;
    if (!format.IsKnown() || format.reals == UDSRealFormat::VAX)
        throw CFailure("Couldn't set byte order of float format.");
    fileFormat_ = format;
    SetNUMFORM(NumberFormatName(format));
    WidenYear();
    const std::int64_t n = std::int64_t{GetNLP()} - GetNFP() + 1;
    if (n != static_cast<std::int64_t>(y.size()))
        throw CFailure("NLP - NFP + 1: " + std::to_string(n) +
                       " does not equal to array size: " + std::to_string(y.size()));
    const bool yBlock = GetFILEFORM() == "Y" || GetFILEFORM() == "X-Y";
    const bool xBlock = GetFILEFORM() == "X-Y";
    if (xBlock && x.size() != y.size()) throw CFailure("x != y signal data");
    const std::vector<unsigned char> header = HeaderImage(GetVehicleNumber2() != 0 || !IsBlank(GetType2()));
    if (!file.Write(header.data(), header.size()) ||
        (yBlock && !WriteBlock(file, CUDS1992::kYDataTag, y, format.reals)) ||
        (xBlock && !WriteBlock(file, CUDS1992::kXDataTag, x, format.reals)) || !file.Commit())
        throw CFailure("Failure to write file: " + path);
}

// The test record, the second-object record when written, and the curve record.
std::vector<unsigned char> CUDSFile::HeaderImage(bool object2)
{
    std::vector<unsigned char> image((object2 ? 3 : 2) * kRecord, 0);
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
    return image;
}

}  // namespace ko
