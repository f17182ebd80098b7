// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/electric_media.h"

namespace ko {

CElectricMediaBase::CElectricMediaBase() = default;

void CElectricMediaBase::Clear()
{
    *this = CElectricMediaBase();
}

CPhotos::CPhotos()
{
    SetMIMETYPE("image/jpeg");
}

void CPhotos::Clear()
{
    *this = CPhotos();
}

KO_DEFINE_COLUMNS(CPhotos, KO_PHOTOS_COLUMNS)

CReports::CReports()
{
    SetMIMETYPE("application/pdf");
}

void CReports::Clear()
{
    *this = CReports();
}

KO_DEFINE_COLUMNS(CReports, KO_REPORTS_COLUMNS)

CVideos::CVideos()
{
    SetMIMETYPE("video/msvideo");
}

void CVideos::Clear()
{
    *this = CVideos();
}

KO_DEFINE_COLUMNS(CVideos, KO_VIDEOS_COLUMNS)

}  // namespace ko
