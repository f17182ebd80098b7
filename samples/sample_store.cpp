// SPDX-License-Identifier: GPL-3.0-or-later
#include "samples/sample_store.h"

#include <cstdint>
#include <filesystem>
#include <map>
#include <stdexcept>
#include <system_error>

#include "core/atomic_file.h"
#include "core/number_text.h"
#include "formats/directory.h"
#include "formats/ev5_biomechanics.h"
#include "formats/ev5_component.h"
#include "formats/ev5_vehicle.h"
#include "formats/file_name.h"
#include "formats/ip5_file.h"
#include "formats/uds_file.h"
#include "samples/sample_tests.h"
#include "sources/header_filler.h"

namespace ko {

namespace {

using sample::CSampleTest;

// Where one test's files go.
struct CTestPlace {
    std::string evdata;
    std::string uds;
    std::string testName;  // "v00101_000." without its extension
    std::string database;  // "vehdb"
};

CTestPlace Place(const std::string& root, const CSampleTest& test)
{
    CDirectory directory;
    directory.SetPathStyle(CDirectory::kSlashStyle);
    directory.SetRoot(root);
    directory.SetDatabase(test.kind);
    directory.SetTestNumber(test.number);
    CTestPlace place{directory.GetEVDataDirectory(), directory.GetUDSDirectory(), "", ""};
    place.database = directory.GetDatabase()->GetName();
    CFileName name;
    name.SetDatabase(place.database);
    name.SetTestNumber(test.number);
    place.testName = name.GetTestName().substr(0, 11);
    for (const std::string& path : {place.evdata, place.uds}) {
        std::error_code error;
        std::filesystem::create_directories(path, error);
        if (error) throw std::runtime_error("Failure to create directory: " + path + ": " + error.message());
    }
    return place;
}

// Every curve of the test, noise seeded by test and curve; resultants from their parts.
std::map<int, std::vector<double>> Curves(const CSampleTest& test)
{
    const int count = test.time.nlp - test.time.nfp + 1;
    const double step = test.time.delt * 1e-6;
    std::map<int, std::vector<double>> curves;
    for (const auto& [curve, channel] : test.channels) {
        if (!channel.resultantOf.empty()) continue;
        CSampleRandom random(static_cast<std::uint64_t>(test.number) * 1000u + static_cast<unsigned>(curve));
        curves[curve] = SampleValues(channel.curve, test.time.nfp, count, step, random);
    }
    for (const auto& [curve, channel] : test.channels) {
        const std::vector<int>& parts = channel.resultantOf;
        if (parts.size() == 3)
            curves[curve] = SampleResultant(curves[parts[0]], curves[parts[1]], curves[parts[2]]);
    }
    return curves;
}

std::string PointText(const std::vector<double>& values, const sample::CTimeBase& time)
{
    std::string text;
    for (std::size_t i = 0; i < values.size(); ++i) {
        const double t = (time.nfp + static_cast<double>(i)) * time.delt * 1e-6;
        AppendFixed(text, t, 4);
        text += '\t';
        AppendGeneral(text, values[i], 6);
        text += '\n';
    }
    return text;
}

// The IP5 writer dates its header today; the store's files carry the test date.
std::string DatedIntrusionText(const CSampleTest& test)
{
    CIP5File file(test.number);
    file.SetIntrusions(test.intrusions);
    std::string text;
    file.ToString(text);
    const std::size_t dateLine = text.find('\n') + 1;
    const std::size_t next = text.find('\n', dateLine);
    return text.substr(0, dateLine) + CIP5File::kDateStart + DateText("%m/%d/%Y", test.date) +
           CIP5File::kDateEnd + text.substr(next);
}

// The header the file agent gives the curve: test records and the curve's row.
void FillHeader(CUDSFile& file, const CVehicleTest& test, int curve)
{
    FillVehHeader(file, test, curve);
}
void FillHeader(CUDSFile& file, const CComTest& test, int curve)
{
    FillComHeader(file, test, curve);
}
void FillHeader(CUDSFile& file, const CBioTest& test, int curve)
{
    FillBioHeader(file, test, curve);
}

class CStoreWriter {
public:
    CStoreWriter(std::string root, std::vector<std::string>& written)
        : root_(std::move(root)), written_(written)
    {
    }

    template <class Plain, class Extension, class Test>
    void Write(const CSampleTest& sample, const std::shared_ptr<Test>& test)
    {
        const CTestPlace place = Place(root_, sample);
        test->SetTestNumber(sample.number);
        for (const auto& row : test->GetInstrumentations()) row->SetTSTNO(sample.number);
        NameCurves(*test, place.database, sample.number);
        WriteCurves(sample, *test, place);
        std::unique_ptr<CEV5File<Test>> file;
        if (sample.extension)
            file = std::make_unique<Extension>(test, sample.number);
        else
            file = std::make_unique<Plain>(test, sample.number);
        file->SetDate(sample.date);
        std::string text;
        file->ToString(text);
        Save(place.evdata + "/" + place.testName + (sample.extension ? "e5x" : "ev5"), text);
        if (!sample.intrusions.empty())
            Save(place.evdata + "/" + place.testName + "ip5", DatedIntrusionText(sample));
    }

private:
    // A UDS file per curve with data, or a point file beside the test file.
    template <class Test>
    void WriteCurves(const CSampleTest& sample, const Test& test, const CTestPlace& place)
    {
        const auto curves = Curves(sample);
        for (const auto& row : test.GetInstrumentations()) {
            if (row->GetDASTAT() == "NO") continue;
            const std::vector<double>& values = curves.at(row->GetCURNO());
            if (sample.pointFiles) {
                Save(place.evdata + "/" + place.testName + row->GetPaddedCURNO(),
                     PointText(values, sample.time));
                continue;
            }
            CUDSFile file;
            FillHeader(file, test, row->GetCURNO());
            file.SetBigEndian(true);
            file.WriteValues(place.uds + "/" + row->GetSIGNALNAME(), {}, values);
            written_.push_back(place.uds + "/" + row->GetSIGNALNAME());
        }
    }

    // The file agent's rule: rows with data are named by their UDS file name.
    template <class Test>
    static void NameCurves(Test& test, const std::string& database, int number)
    {
        CFileName name;
        name.SetDatabase(database);
        name.SetTestNumber(number);
        name.SetFilter(0.0);
        for (const auto& row : test.GetInstrumentations()) {
            if (row->GetDASTAT() == "NO") continue;
            name.SetCurveNumber(row->GetCURNO());
            name.SetQuantity(row->GetYUNITS());
            name.SetStatus(row->GetDASTAT());
            row->SetSIGNALNAME(name.GetUDSName());
        }
    }

    void Save(const std::string& path, const std::string& text)
    {
        WriteFileAtomically(path, text);
        written_.push_back(path);
    }

    std::string root_;
    std::vector<std::string>& written_;
};

std::vector<CSampleTest> AllTests()
{
    std::vector<CSampleTest> tests = sample::VehicleTests();
    for (auto* more : {&sample::ComponentTests, &sample::BiomechanicsTests}) {
        std::vector<CSampleTest> kind = (*more)();
        tests.insert(tests.end(), kind.begin(), kind.end());
    }
    return tests;
}

}  // namespace

std::vector<std::string> WriteSampleStore(const std::string& root)
{
    std::vector<std::string> written;
    CStoreWriter writer(root, written);
    for (const CSampleTest& test : AllTests()) {
        if (test.vehicle) writer.Write<CEV5Veh, CEV5VehExt>(test, test.vehicle);
        if (test.component) writer.Write<CEV5Com, CEV5ComExt>(test, test.component);
        if (test.biomechanics) writer.Write<CEV5Bio, CEV5BioExt>(test, test.biomechanics);
    }
    return written;
}

std::vector<std::string> SampleStoreContents()
{
    std::vector<std::string> lines;
    for (const CSampleTest& test : AllTests()) {
        CDatabase database;
        database.SetKind(test.kind);
        std::string title;
        if (test.vehicle) title = test.vehicle->GetTest()->GetTITLE();
        if (test.component) title = test.component->GetTest()->GetTITLE();
        if (test.biomechanics) title = test.biomechanics->GetTest()->GetTITLE();
        lines.push_back(database.GetName() + " " + std::to_string(test.number) + " " + title + ": " +
                        std::to_string(test.channels.size()) + " channels");
    }
    return lines;
}

}  // namespace ko
