// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <memory>
#include <string>
#include <vector>

#include "core/carried_texts.h"
#include "core/data_fields.h"
#include "core/point.h"
#include "core/value_range.h"

namespace ko {

// A curve's data and derived values on top of its header. Failures throw
// std::logic_error with the message shown to the user.
class CData : public CDataFields {
public:
    CData() = default;
    CData(const CData&) = default;
    CData& operator=(const CData&) = default;
    ~CData() override = default;

    // Carried texts.
    const CCarriedTexts& GetCarriedTexts() const { return texts_; }
    void SetCarriedTexts(const CCarriedTexts& texts) { texts_ = texts; }
    const std::string& GetFileName() const { return texts_.fileName; }
    void SetFileName(const std::string& name) { texts_.fileName = name; }
    const std::string& GetDirectory() const { return texts_.directory; }
    void SetDirectory(const std::string& dir) { texts_.directory = dir; }
    const std::string& GetAttachment() const { return texts_.attachment; }
    void SetAttachment(const std::string& code) { texts_.attachment = code; }
    const std::string& GetFallbackName() const { return fallbackName_; }
    void SetFallbackName(const std::string& name) { fallbackName_ = name; }

    // CLIP3M is a double here; STATUS is the normalised status text.
    double GetCLIP3M() const { return clip3m_; }
    void SetCLIP3M(double value) { clip3m_ = value; }
    const std::string& GetSTATUS() const { return status_; }
    void SetSTATUS(const std::string& text) { SetStatus(text); }
    const std::string& GetStatus() const { return status_; }
    void SetStatus(const std::string& text);

    const std::string& GetQuantityType() const { return quantityType_; }
    void SetQuantityType(const std::string& type) { quantityType_ = type; }
    int GetChannelClass() const { return channelClass_; }
    void SetChannelClass(int cfc) { channelClass_ = cfc; }
    bool IsModified() const { return modified_; }
    void SetModified(bool modified) { modified_ = modified; }

    // Data. An empty z means all zero: a 2-D signal holds none. The mutable
    // references are for operations, which must keep x and y of equal length,
    // z of theirs or empty, and refresh afterwards.
    const std::vector<double>& GetX() const { return x_; }
    const std::vector<double>& GetY() const { return y_; }
    const std::vector<double>& GetZ() const { return z_; }
    std::vector<double>& XValues() { return x_; }
    std::vector<double>& YValues() { return y_; }
    std::vector<double>& ZValues() { return z_; }

    int GetPointCount() const { return pointCount_; }
    double GetXMax() const { return xMax_; }
    double GetXMin() const { return xMin_; }
    double GetYMax() const { return yMax_; }
    double GetYMin() const { return yMin_; }
    double GetZMax() const { return zMax_; }
    double GetZMin() const { return zMin_; }
    double GetStartTime() const { return startTime_; }
    double GetEndTime() const { return endTime_; }

    // Largest / smallest y with the x of its first occurrence (in ms when x is
    // in seconds); false when x or y is empty.
    bool MaxPeak(double& x, double& y) const;
    bool MinPeak(double& x, double& y) const;

    // Point list: SetPoints replaces x, y, z; GetPoints builds and stores a new list.
    void SetPoints(const CPointList& points);
    CPointList GetPoints();
    const CPointList& GetPointList() const { return points_; }

    void SetData(std::vector<double> x, std::vector<double> y, std::vector<double> z);
    void SetXY(std::vector<double> x, std::vector<double> y);
    void SetY(std::vector<double> y);
    void GenerateX();

    void RefreshExtremes();
    void RefreshTimes();
    void RefreshCount();
    // Replaces the sequences, which must have equal length (or z empty),
    // without SetData's checks, and refreshes. SetData, SetPoints and TakeData
    // keep no z that is all +0.
    void TakeData(std::vector<double> x, std::vector<double> y, std::vector<double> z);
    // The same with the extremes of x and y known (as RangeOf finds them).
    void TakeData(std::vector<double> x, std::vector<double> y, std::vector<double> z,
                  const CValueRange& xRange, const CValueRange& yRange);

    // Operations (defined in ops_*.cpp and filter.cpp)
    bool Truncate(double start, double stop);
    bool TruncateIndex(int first, int last);
    bool Resample(double dt);
    bool Integrate();
    bool Derivative();
    // End of operations

protected:
    // Copies everything but the point list.
    void AssignData(const CData& source);

private:
    // Empties a z that is all +0.
    void DropZeroZ();

    CCarriedTexts texts_;
    std::string fallbackName_;
    std::vector<double> x_;
    std::vector<double> y_;
    std::vector<double> z_;
    CPointList points_;
    std::int32_t pointCount_ = 0;
    double clip3m_ = 0.0;
    std::string status_;
    std::string quantityType_;
    double xMax_ = 0.0, xMin_ = 0.0;
    double yMax_ = 0.0, yMin_ = 0.0;
    double zMax_ = 0.0, zMin_ = 0.0;
    double startTime_ = 0.0, endTime_ = 0.0;
    bool modified_ = false;
    std::int32_t channelClass_ = 1001;
};

// A signal: the data plus the warnings appended by operations. Always held by
// std::shared_ptr.
class CNSignal : public CData {
public:
    CNSignal() = default;
    ~CNSignal() override = default;

    // Copies header, data and warnings of source (not its point list).
    void Assign(const CNSignal& source);
    void Assign(const std::shared_ptr<CNSignal>& source) { Assign(*source); }

    const std::vector<std::string>& GetWarnings() const { return warnings_; }
    void AddWarning(const std::string& text) { warnings_.push_back(text); }

    // Operations (defined in ops_*.cpp and filter.cpp)
    bool Align(const std::shared_ptr<CNSignal>& other);
    void Sum(const std::vector<std::shared_ptr<CNSignal>>& signals);
    void Average(const std::vector<std::shared_ptr<CNSignal>>& signals);
    bool Filter(double f);
    bool FilterClass(int cfc);
    // What Filter(f) does after the filter itself: header, class, status.
    void FinishFilter(double f);
    // End of operations

private:
    std::vector<std::string> warnings_;
};

}  // namespace ko
