// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <ctime>
#include <memory>
#include <string>

#include "model/column_table.h"
#include "model/database.h"
#include "model/test_number.h"

// The file columns every media table has (the tables order them differently).
#define KO_MEDIA_FILE_COLUMNS(X)                        \
    X(ORIG_FILENAME, Text, "Original file name")        \
    X(ORIG_CDLABEL, Text, "Label of the original disc") \
    X(FILENAME, Text, "File name in the media store")   \
    X(FILESIZE, Int, "File size in bytes")              \
    X(MIMETYPE, Text, "Content type")                   \
    X(SECURITY, Security, "Release level")

namespace ko {

// Base of the photo, report and video rows of a test: the database and test
// number (both shared with copies), the media number (PHOTONO, REPNO or
// CAMNO), the file columns above and the load date.
class CElectricMediaBase {
public:
    CElectricMediaBase();
    CElectricMediaBase(const CElectricMediaBase&) = default;
    CElectricMediaBase& operator=(const CElectricMediaBase&) = default;
    virtual ~CElectricMediaBase() = default;

    // Resets every field to its default and replaces the database, test number
    // and security objects with new default ones (copies keep the old ones).
    virtual void Clear();

    const std::shared_ptr<CDatabase>& GetDatabase() const { return database_; }
    const std::shared_ptr<CTestNumber>& GetTestNumber() const { return testNumber_; }
    int GetMediaNumber() const { return mediaNumber_; }
    void SetMediaNumber(int number) { mediaNumber_ = number; }
    std::tm GetLoadDate() const { return loadDate_; }
    void SetLoadDate(const std::tm& date) { loadDate_ = date; }

    KO_MEDIA_FILE_COLUMNS(KO_COLUMN_ACCESS)

private:
    std::shared_ptr<CDatabase> database_ = std::make_shared<CDatabase>();
    std::shared_ptr<CTestNumber> testNumber_ = std::make_shared<CTestNumber>();
    int mediaNumber_ = 0;
    std::tm loadDate_{};
    KO_MEDIA_FILE_COLUMNS(KO_COLUMN_MEMBER)
};

}  // namespace ko

// Column kinds of the media tables that name the base's fields: the test
// number (throws the CTestNumber out-of-range text), media number, load date.
#define KO_ACCESS_MediaTest(name)            \
    int Get##name() const                    \
    {                                        \
        return GetTestNumber()->GetNumber(); \
    }                                        \
    void Set##name(int number)               \
    {                                        \
        GetTestNumber()->Set(number);        \
    }
#define KO_ACCESS_MediaNo(name)  \
    int Get##name() const        \
    {                            \
        return GetMediaNumber(); \
    }                            \
    void Set##name(int number)   \
    {                            \
        SetMediaNumber(number);  \
    }
#define KO_ACCESS_MediaDate(name)       \
    std::tm Get##name() const           \
    {                                   \
        return GetLoadDate();           \
    }                                   \
    void Set##name(const std::tm& date) \
    {                                   \
        SetLoadDate(date);              \
    }
#define KO_MEMBER_MediaTest(name)
#define KO_MEMBER_MediaNo(name)
#define KO_MEMBER_MediaDate(name)
#define KO_FLAGS_MediaTest ::ko::kEveryTable
#define KO_FLAGS_MediaNo ::ko::kEveryTable
#define KO_FLAGS_MediaDate ::ko::kEveryTable

// PHOTOS, REPORTS and VIDEOS of each test schema (production tables only).
#define KO_PHOTOS_COLUMNS(X, B)                         \
    X(PHOTOTSTNO, MediaTest, "Test number")             \
    X(PHOTONO, MediaNo, "Photo number")                 \
    B(ORIG_FILENAME, Text, "Original file name")        \
    B(ORIG_CDLABEL, Text, "Label of the original disc") \
    X(COMMENTS, Text, "Photo comments")                 \
    B(FILENAME, Text, "File name in the media store")   \
    B(FILESIZE, Int, "File size in bytes")              \
    B(MIMETYPE, Text, "Content type")                   \
    B(SECURITY, Security, "Release level")              \
    X(PHOTOLOADDATE, MediaDate, "Date the photo was loaded")

#define KO_REPORTS_COLUMNS(X, B)                        \
    X(REPTTSTNO, MediaTest, "Test number")              \
    X(REPNO, MediaNo, "Report number")                  \
    B(ORIG_CDLABEL, Text, "Label of the original disc") \
    B(ORIG_FILENAME, Text, "Original file name")        \
    B(FILENAME, Text, "File name in the media store")   \
    X(TOTALPAGES, Int, "Number of pages")               \
    B(FILESIZE, Int, "File size in bytes")              \
    B(MIMETYPE, Text, "Content type")                   \
    B(SECURITY, Security, "Release level")              \
    X(ELECREPTLOADDATE, MediaDate, "Date the report was loaded")

#define KO_VIDEOS_COLUMNS(X, B)                         \
    X(VIDEOTSTNO, MediaTest, "Test number")             \
    X(CAMNO, MediaNo, "Camera number")                  \
    X(VSCFACTOR, Int, "Video scale factor")             \
    X(VIEWDESC, Text, "Description of the camera view") \
    B(ORIG_FILENAME, Text, "Original file name")        \
    B(ORIG_CDLABEL, Text, "Label of the original disc") \
    X(COMMENTS, Text, "Video comments")                 \
    B(FILENAME, Text, "File name in the media store")   \
    B(FILESIZE, Int, "File size in bytes")              \
    B(MIMETYPE, Text, "Content type")                   \
    B(SECURITY, Security, "Release level")              \
    X(ELECVIDEOLOADDATE, MediaDate, "Date the video was loaded")

namespace ko {

// One photo of a test; a new (or cleared) record has MIMETYPE "image/jpeg".
class CPhotos : public CElectricMediaBase {
public:
    CPhotos();
    void Clear() override;
    KO_RECORD_COLUMNS(CPhotos, KO_PHOTOS_COLUMNS)
};

// One report of a test; a new (or cleared) record has MIMETYPE "application/pdf".
class CReports : public CElectricMediaBase {
public:
    CReports();
    void Clear() override;
    KO_RECORD_COLUMNS(CReports, KO_REPORTS_COLUMNS)
};

// One video of a test; a new (or cleared) record has MIMETYPE "video/msvideo".
class CVideos : public CElectricMediaBase {
public:
    CVideos();
    void Clear() override;
    KO_RECORD_COLUMNS(CVideos, KO_VIDEOS_COLUMNS)
};

}  // namespace ko
