// SPDX-License-Identifier: GPL-3.0-or-later
// The UDS-1992 file object: construction, data access and reading from disk.
#include "formats/uds_file.h"

#include <sys/stat.h>

#include <memory>
#include <stdexcept>
#include <utility>

#include "core/failure.h"
#include "formats/file_bytes.h"
#include "formats/uds_1992.h"

namespace ko {

CUDSFile::CUDSFile() : machineFormat_(MachineNumberFormat()) {}

const CPointList& CUDSFile::GetPoints() const
{
    if (!pointsBuilt_) {
        points_.clear();
        points_.reserve(y_.size());
        for (std::size_t i = 0; i < y_.size(); ++i)
            points_.push_back(std::make_shared<CPoint<double>>(x_[i], y_[i], z_.empty() ? 0.0 : z_[i]));
        pointsBuilt_ = true;
    }
    return points_;
}

void CUDSFile::SetPoints(const CPointList& points)
{
    for (const auto& p : points)
        if (!p) throw CFailure("No Information.");
    ClearData();
    x_.reserve(points.size());
    y_.reserve(points.size());
    z_.reserve(points.size());
    for (const auto& p : points) {
        x_.push_back(p->x);
        y_.push_back(p->y);
        z_.push_back(p->z);
    }
    points_ = points;
}

void CUDSFile::SetData(std::vector<double> x, std::vector<double> y, std::vector<double> z)
{
    if (x.size() != y.size() || (!z.empty() && z.size() != y.size()))
        throw CFailure("x != y != z signal data");
    x_ = std::move(x);
    y_ = std::move(y);
    z_ = std::move(z);
    rangesKnown_ = false;
    points_.clear();
    pointsBuilt_ = false;
}

void CUDSFile::ReleaseData(std::vector<double>& x, std::vector<double>& y, std::vector<double>& z)
{
    x = std::move(x_);
    y = std::move(y_);
    z = std::move(z_);
    ClearData();
}

bool CUDSFile::GetRanges(CValueRange& x, CValueRange& y) const
{
    if (!rangesKnown_) return false;
    x = xRange_;
    y = yRange_;
    return true;
}

void CUDSFile::ClearData()
{
    rangesKnown_ = false;
    x_.clear();
    y_.clear();
    z_.clear();
    points_.clear();
    pointsBuilt_ = true;
}

// Two-digit years of test object 1 become four-digit ones.
void CUDSFile::WidenYear()
{
    const std::int32_t year = GetYear1();
    if (year >= 1 && year <= 99) SetYear1(year >= 50 ? 1900 + year : 2000 + year);
}

void CUDSFile::Read(const std::string& path)
{
    if (path.empty()) throw CFailure("Failure read file due to empty path and file name.");
    // A FIFO of that name is refused instead of waited on.
    const CFileDescriptor file(OpenForReading(path));
    const int fd = file.fd;
    if (fd < 0) throw CFailure("Failure to open file: " + path + " for reading.");
    struct stat info {};
    if (::fstat(fd, &info) != 0) throw CFailure("Failure to get file information: " + path);
    if (!S_ISREG(info.st_mode)) throw CFailure("Failure to open file: " + path + " for reading.");
    const auto size = static_cast<std::size_t>(info.st_size);
    if (size % CUDS1992::kRecordSize != 0) throw CFailure("File size not a multiple of 512 bytes.");
    std::unique_ptr<unsigned char[]> buffer;
    try {
        buffer = std::make_unique_for_overwrite<unsigned char[]>(size);
    } catch (const std::bad_alloc& e) {
        throw CFailure(e.what());
    }
    if (!ReadWhole(fd, buffer.get(), size)) throw CFailure("Failure to read file: " + path);
    ReadImage(buffer.get(), size);
}

void CUDSFile::ReadBuffer(const void* bytes, std::size_t size)
{
    ReadImage(static_cast<const unsigned char*>(bytes), bytes == nullptr ? 0 : size);
}

void CUDSFile::ReadImage(const unsigned char* bytes, std::size_t size)
{
    if (size % CUDS1992::kRecordSize != 0) throw CFailure("File size not a multiple of 512 bytes.");
    try {
        Parse(bytes, size);
    } catch (const std::logic_error&) {
        throw;
    } catch (const std::exception& e) {
        throw CFailure(e.what());
    }
    WidenYear();
}

}  // namespace ko
