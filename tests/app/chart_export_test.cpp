// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/chart_export.h"

#include <gtest/gtest.h>

#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTest>
#include <cstdlib>

#include "app/chart_widget.h"
#include "crash_pulses.h"
#include "printing/print_preview.h"
#include "qt_test_app.h"

using namespace kores;

namespace {

QByteArray Head(const QString& path, int bytes)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.read(bytes) : QByteArray();
}

class ChartExportTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        chart.resize(900, 560);
        chart.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&chart));
    }

    void ShowPulses()
    {
        const CPulseArrays pulses = CrashPulses(4, 1500);
        chart.ShowGraph(pulses.Input());
    }

    QString Path(const QString& name) const { return dir.filePath(name); }

    QApplication& app = TestApp();  // before any widget
    QTemporaryDir dir;
    CChartWidget chart;
};

TEST_F(ChartExportTest, WritesPngSvgAndPdf)
{
    ShowPulses();
    ASSERT_TRUE(chart.ExportToFile(Path("graph.png")));
    const QImage image(Path("graph.png"));
    EXPECT_EQ(image.size(), QSize(900, 560));
    ASSERT_TRUE(chart.ExportToFile(Path("graph.PDF")));
    EXPECT_EQ(Head(Path("graph.PDF"), 5), "%PDF-");
    EXPECT_GT(QFile(Path("graph.PDF")).size(), 1000);
#ifdef VELDER_HAVE_QT_SVG
    ASSERT_TRUE(chart.ExportToFile(Path("graph.svg")));
    const QByteArray svg = Head(Path("graph.svg"), 4096);
    EXPECT_TRUE(svg.contains("<svg"));
    EXPECT_TRUE(svg.contains("polyline") || QFile(Path("graph.svg")).size() > 10000);
#else
    EXPECT_FALSE(chart.ExportToFile(Path("graph.svg")));
    GTEST_SKIP() << "built without Qt SVG";
#endif
}

TEST_F(ChartExportTest, OffersExactlyTheFormatsItWrites)
{
    ShowPulses();
    QStringList offered;
    for (const auto& format : CChartExport::Formats()) {
        offered << format.suffix;
        EXPECT_TRUE(format.filter.endsWith("(*." + format.suffix + ")")) << format.filter.toStdString();
        EXPECT_TRUE(chart.ExportToFile(Path("offered." + format.suffix))) << format.suffix.toStdString();
    }
    for (const QString suffix : {"png", "svg", "pdf", "bmp"}) {
        if (!offered.contains(suffix)) {
            EXPECT_FALSE(chart.ExportToFile(Path("other." + suffix)));
        }
    }
#ifdef VELDER_HAVE_QT_SVG
    EXPECT_EQ(offered, QStringList({"png", "svg", "pdf"}));
#else
    EXPECT_EQ(offered, QStringList({"png", "pdf"}));
#endif
}

TEST_F(ChartExportTest, FailedExportLeavesNoOrOldFile)
{
    ShowPulses();
    EXPECT_FALSE(chart.ExportToFile(Path("graph.bmp")));
    EXPECT_FALSE(QFile::exists(Path("graph.bmp")));
    EXPECT_FALSE(chart.ExportToFile(Path("missing/graph.png")));
    EXPECT_TRUE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).isEmpty());
}

TEST_F(ChartExportTest, ExportReplacesAnExistingFileWhole)
{
    ShowPulses();
    QFile old(Path("graph.png"));
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write(QByteArray(200000, 'x'));
    old.close();
    ASSERT_TRUE(chart.ExportToFile(Path("graph.png")));
    EXPECT_EQ(Head(Path("graph.png"), 4), "\x89PNG");
    EXPECT_FALSE(QImage(Path("graph.png")).isNull());
}

TEST_F(ChartExportTest, NamesAsLongAsTheFileSystemAllowsAreWritten)
{
    ShowPulses();
    const QString name = QString(251, QLatin1Char('g')) + ".pdf";  // 255 characters
    ASSERT_TRUE(chart.ExportToFile(Path(name)));
    EXPECT_EQ(Head(Path(name), 5), "%PDF-");
}

TEST_F(ChartExportTest, CopiesTheImageToTheClipboard)
{
    ShowPulses();
    QApplication::clipboard()->clear();
    ASSERT_TRUE(chart.CopyToClipboard());
    EXPECT_EQ(QApplication::clipboard()->image().size(), QSize(900, 560));
}

TEST_F(ChartExportTest, PrintsOnAPage)
{
    ShowPulses();
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(Path("printed.pdf"));
    ASSERT_TRUE(chart.PrintTo(printer));
    EXPECT_EQ(Head(Path("printed.pdf"), 5), "%PDF-");
}

// Leaves a picture of a few crash pulses in the build directory for a person to check.
TEST_F(ChartExportTest, ScreenshotOfCrashPulses)
{
    ShowPulses();
    const QString path = QStringLiteral(VELDER_BUILD_DIR "/chart_crash_pulses.png");
    ASSERT_TRUE(chart.grab().save(path));
    const QImage shot(path);
    ASSERT_FALSE(shot.isNull());
    // Every curve's colour appears in the picture (lines are antialiased: near enough counts).
    for (int i = 0; i < chart.SubsetCount(); ++i) {
        const QColor colour = chart.Subset(i)->pen().color();
        int hits = 0;
        for (int y = 0; y < shot.height(); ++y) {
            for (int x = 0; x < shot.width(); ++x) {
                const QColor p = shot.pixelColor(x, y);
                hits += std::abs(p.red() - colour.red()) + std::abs(p.green() - colour.green()) +
                            std::abs(p.blue() - colour.blue()) <
                        120;
            }
        }
        EXPECT_GT(hits, 150) << "subset " << i;  // its legend icon alone gives about 25
    }
}

TEST(FitInto, KeepsAspectRatioCentred)
{
    using kores::FitInto;
    EXPECT_EQ(FitInto(QSize(200, 100), QRect(0, 0, 100, 100)), QRect(0, 25, 100, 50));
    EXPECT_EQ(FitInto(QSize(100, 200), QRect(10, 10, 100, 100)), QRect(35, 10, 50, 100));
    EXPECT_TRUE(FitInto(QSize(0, 100), QRect(0, 0, 100, 100)).isEmpty());
}

TEST(PrintPreview, WithoutPainterReportsFailure)
{
    TestApp();
    QTemporaryDir dir;
    QPrinter printer;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir.filePath("none.pdf"));
    EXPECT_FALSE(kores::CPrintPreview(nullptr).PrintTo(printer));
    int calls = 0;
    const kores::CPrintPreview preview([&](QPrinter&) { return ++calls > 0; }, "doc");
    EXPECT_TRUE(preview.PrintTo(printer));
    EXPECT_EQ(printer.docName(), "doc");
    EXPECT_EQ(calls, 1);
}

}  // namespace
