// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstddef>
#include <string>
#include <vector>

#include "core/carried_texts.h"
#include "core/point.h"
#include "core/uds_fields.h"
#include "core/value_range.h"
#include "formats/uds_number_format.h"

namespace ko {

// A UDS-1992 signal file: the header field set, the data and three carried
// texts. Used once: read into (Read, ReadBuffer), or filled and written (Write).
// Failures throw ko::CFailure with the message shown to the user.
//
// The data are kept as x, y, z sequences; the point list is built from them
// when it is first asked for.
class CUDSFile : public CUDSFields {
public:
    CUDSFile();
    ~CUDSFile() override = default;

    void Read(const std::string& path);
    void ReadBuffer(const void* bytes, std::size_t size);
    void Write(const std::string& path);
    // Writes the header with the given x and y instead of the object's own data
    // (lets a signal be written without copying its data).
    void WriteValues(const std::string& path, const std::vector<double>& x, const std::vector<double>& y);

    // Point list (x, y, z, empty label); points read from a file have z = 0.
    const CPointList& GetPoints() const;
    void SetPoints(const CPointList& points);
    // The same data as sequences. z is empty when every z is 0 (as for data
    // read from a file); an empty z given to SetData means zeros.
    void SetData(std::vector<double> x, std::vector<double> y, std::vector<double> z = {});
    const std::vector<double>& GetX() const { return x_; }
    const std::vector<double>& GetY() const { return y_; }
    const std::vector<double>& GetZ() const { return z_; }
    std::size_t GetPointCount() const { return y_.size(); }
    // The extremes of x and y of data just read (as RangeOf finds them); false
    // for data set in any other way.
    bool GetRanges(CValueRange& x, CValueRange& y) const;
    // Moves the sequences out, leaving the file object without data.
    void ReleaseData(std::vector<double>& x, std::vector<double>& y, std::vector<double>& z);

    // Carried texts, never stored in the file.
    const CCarriedTexts& GetCarriedTexts() const { return texts_; }
    void SetCarriedTexts(const CCarriedTexts& texts) { texts_ = texts; }
    const std::string& GetFileName() const { return texts_.fileName; }
    void SetFileName(const std::string& name) { texts_.fileName = name; }
    const std::string& GetDirectory() const { return texts_.directory; }
    void SetDirectory(const std::string& dir) { texts_.directory = dir; }
    const std::string& GetAttachment() const { return texts_.attachment; }
    void SetAttachment(const std::string& code) { texts_.attachment = code; }

    // Write big-endian IEEE ("SUN") whatever the machine's format.
    bool GetBigEndian() const { return bigEndian_; }
    void SetBigEndian(bool big) { bigEndian_ = big; }

    const UDSNumberFormat& GetFileFormat() const { return fileFormat_; }
    const UDSNumberFormat& GetMachineFormat() const { return machineFormat_; }

private:
    void ReadImage(const unsigned char* bytes, std::size_t size);
    void Parse(const unsigned char* buffer, std::size_t size);
    std::size_t ParseHeader(const unsigned char* buffer, std::size_t size);
    void ParseData(const unsigned char* data, std::size_t records);
    void ParseXY(const unsigned char* data, std::size_t records, std::size_t n);
    void ParseY(const unsigned char* data, std::size_t records, std::size_t n);
    void WidenYear();
    void ClearData();
    std::vector<unsigned char> HeaderImage(bool object2);

    std::vector<double> x_;
    std::vector<double> y_;
    std::vector<double> z_;
    mutable CPointList points_;
    mutable bool pointsBuilt_ = true;
    CValueRange xRange_;
    CValueRange yRange_;
    bool rangesKnown_ = false;
    CCarriedTexts texts_;
    UDSNumberFormat fileFormat_;
    UDSNumberFormat machineFormat_;
    bool bigEndian_ = false;
};

}  // namespace ko
