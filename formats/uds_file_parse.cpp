// SPDX-License-Identifier: GPL-3.0-or-later
// Parsing a UDS-1992 file image. Every extent is checked against the buffer
// size before it is read.
#include <algorithm>
#include <cstdint>
#include <cstring>
#include <stdexcept>
#include <string_view>

#include "core/failure.h"
#include "formats/uds_1992.h"
#include "formats/uds_file.h"
#include "formats/uds_record_codec.h"

namespace ko {

namespace {

constexpr std::size_t kRecord = CUDS1992::kRecordSize;
constexpr std::size_t kPerRecord = CUDS1992::kValuesPerRecord;

std::string Tag(const unsigned char* record)
{
    return DecodeText(record, CUDS1992::kTagWidth);
}

// Whether a record's tag reads as tag; the common space-padded form is compared
// directly, anything else as a text field.
bool HasTag(const unsigned char* record, std::string_view tag)
{
    static constexpr char kBlanks[] = "            ";
    if (std::memcmp(record, tag.data(), tag.size()) == 0 &&
        std::memcmp(record + tag.size(), kBlanks, CUDS1992::kTagWidth - tag.size()) == 0)
        return true;
    return Tag(record) == tag;
}

// Appends count values to v, value(i) for i = 0 .. count-1, a cache-sized
// piece at a time: the zeros resize writes are overwritten while in cache.
template <class Value>
void AppendMade(std::vector<double>& v, std::size_t count, Value&& value)
{
    constexpr std::size_t kPiece = 1024;
    for (std::size_t done = 0; done < count; done += kPiece) {
        const std::size_t m = std::min(kPiece, count - done);
        const std::size_t old = v.size();
        v.resize(old + m);
        double* out = v.data() + old;
        for (std::size_t k = 0; k < m; ++k) out[k] = value(done + k);
    }
}

// The extremes of a sequence taken a piece at a time while the piece is in
// cache. Without NaNs (decoding reads them as 0) equal values are the same
// value, so the pieces combine exactly unless an extreme is zero: then both
// zeros may occur, and the whole sequence is scanned as RangeOf scans it.
struct CPieceRanges {
    CValueRange range;
    bool any = false;

    void Add(const double* values, std::size_t n)
    {
        if (n == 0) return;
        const CValueRange piece = RangeOf(values, n);
        range.max = any ? std::max(range.max, piece.max) : piece.max;
        range.min = any ? std::min(range.min, piece.min) : piece.min;
        any = true;
    }

    CValueRange Of(const std::vector<double>& values) const
    {
        if (!any || range.max == 0.0 || range.min == 0.0) return RangeOf(values.data(), values.size());
        return range;
    }
};

// Appends the values of one data record to block until it holds n values.
template <UDSRealFormat F>
void AppendValues(std::vector<double>& block, const unsigned char* record, std::size_t n,
                  CPieceRanges& ranges)
{
    const std::size_t old = block.size();
    const std::size_t count = std::min(kPerRecord, n - std::min(n, old));
    const unsigned char* p = record + CUDS1992::kTagWidth;
    AppendMade(block, count, [p](std::size_t j) {
        return static_cast<double>(DecodeReal(p + j * CUDS1992::kRealWidth, F));
    });
    ranges.Add(block.data() + old, count);
}

void AppendRecord(std::vector<double>& block, const unsigned char* record, std::size_t n,
                  UDSRealFormat format, CPieceRanges& ranges)
{
    switch (format) {
        case UDSRealFormat::IEEELittle:
            AppendValues<UDSRealFormat::IEEELittle>(block, record, n, ranges);
            break;
        case UDSRealFormat::IEEEBig: AppendValues<UDSRealFormat::IEEEBig>(block, record, n, ranges); break;
        case UDSRealFormat::VAX: AppendValues<UDSRealFormat::VAX>(block, record, n, ranges); break;
        case UDSRealFormat::Unknown: AppendValues<UDSRealFormat::Unknown>(block, record, n, ranges); break;
    }
}

std::string Shortfall(const char* tag, std::size_t got, std::size_t n)
{
    return std::string("Insufficient data points - ") + tag + " records hold " + std::to_string(got) +
           " of " + std::to_string(n) + " values";
}

}  // namespace

void CUDSFile::Parse(const unsigned char* buffer, std::size_t size)
{
    ClearData();
    const std::size_t data = ParseHeader(buffer, size);
    ParseData(buffer + data, (size - data) / kRecord);
}

// Reads the header records; returns the offset of the first data record.
std::size_t CUDSFile::ParseHeader(const unsigned char* buffer, std::size_t size)
{
    if (size < CUDS1992::kTestRecordUsed) throw CFailure("Data buffer too small");
    SetFILEID(DecodeText(buffer, CUDS1992::kTagWidth));
    if (GetFILEID() != CUDS1992::kFileId) throw CFailure("Not a UDS-1992 Signal File");
    // Texts first (numbers read as 0), then everything with the file's number format.
    ReadRecord(*this, UDSRecord::Test, buffer, UDSNumberFormat{});
    fileFormat_ = NumberFormatFromName(GetNUMFORM());
    ReadRecord(*this, UDSRecord::Test, buffer, fileFormat_);

    if (size < kRecord + CUDS1992::kObject2RecordUsed) throw CFailure("Data buffer too small");
    std::size_t base = kRecord;
    if (Tag(buffer + base) == CUDS1992::kObject2Tag) {
        ReadRecord(*this, UDSRecord::Object2, buffer + base, fileFormat_);
        base += kRecord;
    }
    if (size < base + CUDS1992::kCurveRecordUsed) throw CFailure("Data buffer too small");
    if (Tag(buffer + base) != CUDS1992::kCurveTag) throw CFailure("Invalid 3rd Record Header");
    ReadRecord(*this, UDSRecord::Curve, buffer + base, fileFormat_);
    return base + kRecord;
}

void CUDSFile::ParseData(const unsigned char* data, std::size_t records)
{
    if (GetNFP() == GetNLP()) throw CFailure("Equal array indices, NFP = NLP in file");
    if (GetNFP() > GetNLP()) throw CFailure("Crossed array indices, NFP > NLP in file");
    const auto n = static_cast<std::size_t>(std::int64_t{GetNLP()} - GetNFP() + 1);
    const std::size_t padded = n + (kPerRecord - n % kPerRecord) % kPerRecord;
    const bool yOnly = GetFILEFORM() == "Y";
    if (kPerRecord * records < (yOnly ? padded : 2 * padded))
        throw CFailure("File size too small - Insufficient data points");
    if (yOnly)
        ParseY(data, records, n);
    else if (GetFILEFORM() == "X-Y")
        ParseXY(data, records, n);
    else
        throw CFailure("Format is not known.");
    pointsBuilt_ = false;
}

// Y and X records in any order; each block takes its first n values.
void CUDSFile::ParseXY(const unsigned char* data, std::size_t records, std::size_t n)
{
    y_.reserve(n);
    x_.reserve(n);
    CPieceRanges xRanges, yRanges;
    for (std::size_t r = 0; r < records; ++r) {
        const unsigned char* record = data + r * kRecord;
        if (HasTag(record, CUDS1992::kYDataTag)) {
            AppendRecord(y_, record, n, fileFormat_.reals, yRanges);
        } else if (HasTag(record, CUDS1992::kXDataTag)) {
            AppendRecord(x_, record, n, fileFormat_.reals, xRanges);
        } else {
            ClearData();
            throw CFailure("Unknown Data Block");
        }
    }
    const std::size_t ny = y_.size(), nx = x_.size();
    if (ny < n || nx < n) {
        ClearData();
        throw CFailure(ny < n ? Shortfall(CUDS1992::kYDataTag, ny, n)
                              : Shortfall(CUDS1992::kXDataTag, nx, n));
    }
    xRange_ = xRanges.Of(x_);
    yRange_ = yRanges.Of(y_);
    rangesKnown_ = true;
}

// Y records only; x is computed in single precision as real(NFP + i) * DEL.
void CUDSFile::ParseY(const unsigned char* data, std::size_t records, std::size_t n)
{
    y_.reserve(n);
    CPieceRanges yRanges;
    for (std::size_t r = 0; r < records; ++r) {
        const unsigned char* record = data + r * kRecord;
        if (!HasTag(record, CUDS1992::kYDataTag)) {
            ClearData();
            throw CFailure("Unknown Data Block");
        }
        AppendRecord(y_, record, n, fileFormat_.reals, yRanges);
    }
    const float del = GetDEL();
    const std::int32_t nfp = GetNFP();  // NFP + i stays within NFP..NLP
    x_.reserve(n);
    AppendMade(x_, n, [nfp, del](std::size_t i) {
        return static_cast<double>(static_cast<float>(nfp + static_cast<std::int32_t>(i)) * del);
    });
    // Rounded products of a rising sequence with a positive DEL do not fall.
    CPieceRanges xRanges;
    if (del > 0.0f && !x_.empty()) xRanges = {{x_.back(), x_.front()}, true};
    xRange_ = xRanges.Of(x_);
    yRange_ = yRanges.Of(y_);
    rangesKnown_ = true;
}

}  // namespace ko
