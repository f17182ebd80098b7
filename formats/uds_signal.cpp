// SPDX-License-Identifier: GPL-3.0-or-later
// Conversions between a signal and a UDS-1992 file object.
#include <stdexcept>

#include "core/filter_class.h"
#include "core/signal.h"
#include "formats/uds_file.h"

namespace ko {

// Every header field by its accessors: reals are widened to the signal's
// doubles (CLIP3M's in CData) and STATUS goes through SetStatus.
void CData::CopyHeaderFrom(const CUDSFields& file)
{
#define KO_COPY_FROM(kind, name, rec, off, w, def, label) Set##name(file.Get##name());
    KO_UDS_FIELDS(KO_COPY_FROM)
#undef KO_COPY_FROM
}

// Every header field, doubles narrowed to the file's 32-bit reals and STATUS
// taken from the status text.
void CData::CopyHeaderTo(CUDSFields& file) const
{
#define KO_COPY_TO(kind, name, rec, off, w, def, label) \
    file.Set##name(static_cast<KO_UDS_TYPE_##kind>(Get##name()));
    KO_UDS_FIELDS(KO_COPY_TO)
#undef KO_COPY_TO
}

void CData::SetFromUDSFile(const CUDSFile& file)
{
    if (file.GetPointCount() == 0) throw std::logic_error("No Information.");
    TakeData(file.GetX(), file.GetY(), file.GetZ());
    TakeHeader(file);
}

void CData::SetFromUDSFile(CUDSFile&& file)
{
    if (file.GetPointCount() == 0) throw std::logic_error("No Information.");
    std::vector<double> x, y, z;
    file.ReleaseData(x, y, z);
    TakeData(std::move(x), std::move(y), std::move(z));
    TakeHeader(file);
}

void CData::TakeHeader(const CUDSFile& file)
{
    fileName_ = file.GetFileName();
    directory_ = file.GetDirectory();
    attachment_ = file.GetAttachment();
    CopyHeaderFrom(file);
    channelClass_ = ClassFromFrequency(GetPREFIL(), GetFCUT());
    RefreshTimes();
    RefreshCount();
}

void CData::ToUDSFile(CUDSFile& file) const
{
    file.SetData(x_, y_, z_);
    GiveHeader(file);
}

void CData::GiveHeader(CUDSFile& file) const
{
    file.SetFileName(fileName_);
    file.SetDirectory(directory_);
    file.SetAttachment(attachment_);
    CopyHeaderTo(file);
    file.SetFILEID("UDS-1992");
    file.SetFILEFORM(GetDEL() != 0.0 ? "Y" : "X-Y");
}

void CData::WriteUDS(const std::string& path) const
{
    try {
        CUDSFile file;
        GiveHeader(file);
        file.WriteValues(path, x_, y_);
    } catch (const std::exception& e) {
        throw std::logic_error(e.what());
    }
}

}  // namespace ko
