// SPDX-License-Identifier: GPL-3.0-or-later
// Conversions between a signal and a UDS-1992 file object.
#include "formats/uds_signal.h"

#include <stdexcept>

#include "core/failure.h"
#include "core/filter_class.h"

namespace ko {

namespace {

// Every header field by its accessors: reals are widened to the signal's
// doubles (CLIP3M's in CData) and STATUS goes through SetStatus.
void CopyHeaderFrom(CData& data, const CUDSFields& file)
{
#define KO_COPY_FROM(kind, name, rec, off, w, def, label) data.Set##name(file.Get##name());
    KO_UDS_FIELDS(KO_COPY_FROM)
#undef KO_COPY_FROM
}

// Every header field, doubles narrowed to the file's 32-bit reals and STATUS
// taken from the status text.
void CopyHeaderTo(const CData& data, CUDSFields& file)
{
#define KO_COPY_TO(kind, name, rec, off, w, def, label) \
    file.Set##name(static_cast<KO_UDS_TYPE_##kind>(data.Get##name()));
    KO_UDS_FIELDS(KO_COPY_TO)
#undef KO_COPY_TO
}

void TakeHeader(CData& data, const CUDSFile& file)
{
    data.SetCarriedTexts(file.GetCarriedTexts());
    CopyHeaderFrom(data, file);
    data.SetChannelClass(ClassFromFrequency(data.GetPREFIL(), data.GetFCUT()));
    data.RefreshTimes();
    data.RefreshCount();
}

void GiveHeader(const CData& data, CUDSFile& file)
{
    file.SetCarriedTexts(data.GetCarriedTexts());
    CopyHeaderTo(data, file);
    file.SetFILEID("UDS-1992");
    file.SetFILEFORM(data.GetDEL() != 0.0 ? "Y" : "X-Y");
}

}  // namespace

void SetFromUDSFile(CData& data, const CUDSFile& file)
{
    if (file.GetPointCount() == 0) throw CFailure("No Information.");
    CValueRange xRange, yRange;
    if (file.GetRanges(xRange, yRange))
        data.TakeData(file.GetX(), file.GetY(), file.GetZ(), xRange, yRange);
    else
        data.TakeData(file.GetX(), file.GetY(), file.GetZ());
    TakeHeader(data, file);
}

void SetFromUDSFile(CData& data, CUDSFile&& file)
{
    if (file.GetPointCount() == 0) throw CFailure("No Information.");
    CValueRange xRange, yRange;
    const bool known = file.GetRanges(xRange, yRange);
    std::vector<double> x, y, z;
    file.ReleaseData(x, y, z);
    if (known)
        data.TakeData(std::move(x), std::move(y), std::move(z), xRange, yRange);
    else
        data.TakeData(std::move(x), std::move(y), std::move(z));
    TakeHeader(data, file);
}

void ToUDSFile(const CData& data, CUDSFile& file)
{
    file.SetData(data.GetX(), data.GetY(), data.GetZ());
    GiveHeader(data, file);
}

void WriteUDS(const CData& data, const std::string& path)
{
    try {
        CUDSFile file;
        GiveHeader(data, file);
        file.WriteValues(path, data.GetX(), data.GetY());
    } catch (const std::exception& e) {
        throw CFailure(e.what());
    }
}

}  // namespace ko
