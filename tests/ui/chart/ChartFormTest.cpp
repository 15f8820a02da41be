// The chart window opened from the main window with a click, driven with
// keys and clicks; its rows, CSV and PDF compared with what tankora-cli and
// the poppler tools read, never with the window's own numbers.
#include "ui/chart/ChartForm.h"

#include "ChartRun.h"
#include "MessageLog.h"
#include "QStringPrinter.h"
#include "UserInput.h"
#include "ui/DoubleEdit.h"
#include "ui/Main.h"
#include "ui/RzRadGrp.h"
#include "ui/chart/GaugeChart.h"
#include "ui/chart/GaugeTableModel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QLineSeries>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QValueAxis>

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <numbers>

namespace {

using tankora::test::ChooseEntry;
using tankora::test::OpenChart;
using tankora::test::RunCli;
using tankora::test::RunProgram;
using tankora::test::TypedTank;
using tankora::test::TypeNumber;

class ChartFormTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_form.reset(CreateMainForm());
        m_form->show();
        ASSERT_TRUE(m_folder.isValid());
    }

    TMainForm& Form() { return *m_form; }
    QString Path(const char* name) const { return m_folder.filePath(QString::fromLatin1(name)); }

    // Types a number of steps and presses Enter, as a user does.
    static void EnterSteps(TChartForm* chart, const char* steps)
    {
        ChooseEntry(chart->StepKind, TChartForm::StepCount);
        TypeNumber(chart->StepValue, steps);
        QTest::keyClick(chart->StepValue, Qt::Key_Return);
    }

    tankora::MessageLog m_messages;
    QTemporaryDir m_folder;

private:
    std::unique_ptr<TMainForm> m_form;
};

QByteArray ReadAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

TEST_F(ChartFormTest, OpensBesideTheMainWindowNonModalAndResizable)
{
    TChartForm* chart = OpenChart(Form(), {});
    ASSERT_NE(chart, nullptr);
    EXPECT_TRUE(chart->isVisible());
    EXPECT_TRUE(chart->isWindow());
    EXPECT_EQ(chart->windowModality(), Qt::NonModal);
    EXPECT_EQ(chart->windowTitle(), QStringLiteral("Gauge Table and Chart"));
    // 100 steps: the empty tank and 100 levels up to the full one.
    EXPECT_EQ(chart->Model->rowCount(), 101);
    chart->RateCheck->click();
    tankora::test::SaveShots(*chart, QStringLiteral("en"));
    chart->resize(1200, 800);
    EXPECT_EQ(chart->size(), QSize(1200, 800));

    // The main window stays usable while the chart is open.
    QTest::mouseClick(Form().BitBtn2, Qt::LeftButton);
    EXPECT_EQ(Form().LResult->Caption(), QStringLiteral("0.3927"));

    // A second click reuses the window for the tank entered now.
    TypeNumber(Form().dL, "2");
    QTest::mouseClick(Form().BitBtn3, Qt::LeftButton);
    EXPECT_EQ(Form().ChartForm(), chart);
    EXPECT_EQ(chart->Model->RowTexts(100).at(1), QStringLiteral("1.5708"));
    EXPECT_TRUE(m_messages.Entries().empty());
}

TEST_F(ChartFormTest, TheButtonCarriesAnAccessKey)
{
    EXPECT_EQ(Form().BitBtn3->text(), QStringLiteral("&Chart..."));
    EXPECT_EQ(Form().BitBtn3->shortcut(), QKeySequence(Qt::ALT | Qt::Key_C));
}

TEST_F(ChartFormTest, InvalidInputsGiveCheckYourInputsAndNoWindow)
{
    // The main window's own check: no diameter, then a height above the top.
    EXPECT_EQ(OpenChart(Form(), { .diameter = "0" }), nullptr);
    EXPECT_EQ(OpenChart(Form(), { .height = "1.5" }), nullptr);
    EXPECT_EQ(m_messages.Entries(),
        (std::vector<std::string> { "Warning: Check your inputs", "Warning: Check your inputs" }));
}

struct CliCase
{
    const char* name;
    TypedTank tank;
    QStringList cliTank; // the same tank for tankora-cli
    int heightUnit; // entry of the height list
    int volumeUnit; // entry of the volume list
    const char* steps;
    int method = 0; // entry of cbMethod: 0 table, 1 exact
};

class ChartRowsTest : public ChartFormTest, public ::testing::WithParamInterface<CliCase>
{ };

TEST_P(ChartRowsTest, RowsEqualTankoraCliTableForTheSameTankAndUnits)
{
    const CliCase& c = GetParam();
    ChooseEntry(Form().cbMethod, c.method);
    TChartForm* chart = OpenChart(Form(), c.tank);
    ASSERT_NE(chart, nullptr);
    ChooseEntry(chart->HeightUnit, c.heightUnit);
    ChooseEntry(chart->VolumeUnit, c.volumeUnit);
    EnterSteps(chart, c.steps);

    const QString heightUnit = chart->HeightUnit->currentText();
    const QString volumeUnit = chart->VolumeUnit->currentText();
    const QStringList cliArguments = QStringList { QStringLiteral("table") } + c.cliTank
        + QStringList { QStringLiteral("--rows"), QString::fromLatin1(c.steps),
              QStringLiteral("-u"), volumeUnit, QStringLiteral("--height-unit"), heightUnit,
              QStringLiteral("--method"),
              c.method == 0 ? QStringLiteral("table") : QStringLiteral("exact") };
    const QString csv = RunCli(cliArguments + QStringList { QStringLiteral("--csv") });
    QStringList lines = csv.split(u'\n', Qt::SkipEmptyParts);
    ASSERT_FALSE(lines.isEmpty());
    lines.removeFirst(); // the header
    ASSERT_EQ(chart->Model->rowCount(), lines.size());
    for (int r = 0; r < lines.size(); ++r) {
        const QStringList cells = chart->Model->RowTexts(r);
        EXPECT_EQ(cells.mid(0, 3), lines.at(r).split(u',')) << "row " << r;
    }

    // Ullage: all the room at the bottom (the capacity tankora-cli reports),
    // none at the top.
    const QString volume = RunCli(QStringList { QStringLiteral("volume") } + c.cliTank
        + QStringList {
            QStringLiteral("-H"), QStringLiteral("0"), QStringLiteral("-u"), volumeUnit });
    const QRegularExpressionMatch capacity
        = QRegularExpression(QStringLiteral("Capacity: (\\S+) ")).match(volume);
    ASSERT_TRUE(capacity.hasMatch()) << volume.toStdString();
    EXPECT_EQ(chart->Model->RowTexts(0).at(3), capacity.captured(1));
    EXPECT_EQ(
        chart->Model->RowTexts(static_cast<int>(lines.size() - 1)).at(3), QStringLiteral("0.0000"));
    EXPECT_EQ(chart->Model->HeaderTexts(),
        (QStringList { QStringLiteral("Height [") + heightUnit + u']',
            QStringLiteral("Volume [") + volumeUnit + u']', QStringLiteral("Fill [%]"),
            QStringLiteral("Ullage [") + volumeUnit + u']' }));
    EXPECT_TRUE(m_messages.Entries().empty());
    tankora::test::SaveShots(*chart, QString::fromLatin1(c.name));
}

INSTANTIATE_TEST_SUITE_P(Tanks, ChartRowsTest,
    ::testing::Values(
        CliCase { "HorizontalInCmAndLitres",
            { .length = "2.5", .diameter = "120", .head = "30", .diameterUnit = 1, .headUnit = 1 },
            { "-L", "2.5", "-D", "120 cm", "-b", "30 cm" }, 1, 8, "40" },
        CliCase { "VerticalInFeetAndUsGallons",
            { .orientation = 1,
                .length = "10",
                .diameter = "6",
                .head = "1.5",
                .height = "2",
                .lengthUnit = 4,
                .diameterUnit = 4,
                .headUnit = 4 },
            { "--vertical", "-L", "10 feet", "-D", "6 feet", "-b", "1.5 feet" }, 4, 6, "57" },
        CliCase { "HorizontalExactInMm", { .length = "4", .diameter = "1.6", .head = "0.4" },
            { "-L", "4", "-D", "1.6", "-b", "0.4" }, 2, 0, "33", 1 },
        CliCase { "VerticalExactInYards",
            { .orientation = 1,
                .length = "2",
                .diameter = "1",
                .head = "0.25",
                .height = "0.3",
                .lengthUnit = 5,
                .diameterUnit = 5,
                .headUnit = 5 },
            { "--vertical", "-L", "2 yards", "-D", "1 yards", "-b", "0.25 yards" }, 5, 5, "64", 1 },
        // Shaped heads compute exactly whatever the method list says.
        CliCase { "HorizontalAsmeDishedInInches",
            { .length = "156",
                .diameter = "108",
                .height = "1",
                .lengthUnit = 3,
                .diameterUnit = 3,
                .headShape = 4 },
            { "-L", "156 inches", "-D", "108 inches", "--head-shape", "asme-fd" }, 3, 6, "27", 1 },
        CliCase { "VerticalConicalInFeet",
            { .orientation = 1,
                .length = "10",
                .diameter = "6",
                .head = "2",
                .height = "3",
                .lengthUnit = 4,
                .diameterUnit = 4,
                .headUnit = 4,
                .headShape = 9 },
            { "--vertical", "-L", "10 feet", "-D", "6 feet", "--head-shape", "conical:2 feet" }, 4,
            0, "50", 1 }),
    [](const auto& instance) { return std::string(instance.param.name); });

TEST_F(ChartFormTest, TheTitleNamesTheHeadDepthOnlyWhereTheShapeTakesOne)
{
    TChartForm* chart = OpenChart(Form(),
        { .length = "156",
            .diameter = "108",
            .height = "1",
            .lengthUnit = 3,
            .diameterUnit = 3,
            .headShape = 4 });
    ASSERT_NE(chart, nullptr);
    // The method list still says Table: the title names the method the rows
    // were computed with.
    ASSERT_EQ(Form().cbMethod->ItemIndex(), 0);
    const QStringList title = chart->TitleLines();
    ASSERT_GE(title.size(), 4);
    EXPECT_EQ(title.at(1), QStringLiteral("Tank: Horizontal Cylindrical Tank, Dished, ASME F&D"));
    EXPECT_EQ(title.at(2), QStringLiteral("Dimensions: L = 156 inches, D = 108 inches"));
    EXPECT_EQ(title.at(3), QStringLiteral("Method: Exact geometry"));

    // A cone's apex depth is b.
    chart = OpenChart(Form(), { .length = "3", .diameter = "1.2", .head = "0.4", .headShape = 9 });
    ASSERT_NE(chart, nullptr);
    EXPECT_EQ(
        chart->TitleLines().at(2), QStringLiteral("Dimensions: L = 3 m, D = 1.2 m, b = 0.4 m"));
}

TEST_F(ChartFormTest, AHeightStepInItsOwnUnitEndsOnTheFullTank)
{
    TChartForm* chart = OpenChart(Form(), {});
    ASSERT_NE(chart, nullptr);
    ChooseEntry(chart->StepKind, TChartForm::StepLength);
    EXPECT_TRUE(chart->StepUnit->isEnabled());
    ChooseEntry(chart->StepUnit, 1); // cm
    TypeNumber(chart->StepValue, "30");
    QTest::keyClick(chart->StepValue, Qt::Key_Return);
    // 0, 30, 60, 90 cm and the full 100 cm.
    ASSERT_EQ(chart->Model->rowCount(), 5);
    const char* heights[] = { "0.0000", "0.3000", "0.6000", "0.9000", "1.0000" };
    for (int r = 0; r < 5; ++r)
        EXPECT_EQ(chart->Model->RowTexts(r).at(0), QString::fromLatin1(heights[r]));
    // Half full at half the diameter: the worked example's 0.3927 m3 is
    // between the 0.3 m and 0.6 m rows, the full tank holds pi/4 m3.
    EXPECT_EQ(chart->Model->RowTexts(4).at(1), QStringLiteral("0.7854"));
    EXPECT_TRUE(m_messages.Entries().empty());
}

TEST_F(ChartFormTest, AStepThatIsNoCountOrLengthIsRefusedAndTheTableKept)
{
    TChartForm* chart = OpenChart(Form(), {});
    ASSERT_NE(chart, nullptr);
    const auto refused = [&](const char* step) {
        EXPECT_EQ(chart->Model->rowCount(), 101) << step;
        EXPECT_EQ(chart->focusWidget(), chart->StepValue) << step;
    };
    for (const char* bad : { "0", "2.5", "-3", "x", "100001" }) {
        TypeNumber(chart->StepValue, bad);
        QTest::keyClick(chart->StepValue, Qt::Key_Return);
        refused(bad);
    }
    // A million steps in 1 m, taken as a length when the kind changes.
    TypeNumber(chart->StepValue, "0.000001");
    ChooseEntry(chart->StepKind, TChartForm::StepLength);
    refused("0.000001 m");
    TypeNumber(chart->StepValue, "-0.5");
    QTest::keyClick(chart->StepValue, Qt::Key_Return);
    refused("-0.5 m");
    EXPECT_EQ(m_messages.Entries(), std::vector<std::string>(7, "Warning: Check your inputs"));
}

TEST_F(ChartFormTest, ChartShowsTheCurveTheMarkedHeightAndASwitchableRate)
{
    // A horizontal flat-ended tank 2 m long, 1 m across, filled to 0.5 m:
    // at half height one metre of level is worth the liquid surface,
    // L * D = 2 m3 per m; the full tank holds 2 * pi/4 m3.
    TChartForm* chart = OpenChart(Form(), { .length = "2" });
    ASSERT_NE(chart, nullptr);
    TGaugeChart* plot = chart->Chart;
    ASSERT_EQ(plot->VolumeSeries()->count(), 101);
    EXPECT_NEAR(plot->VolumeSeries()->at(100).y(), std::numbers::pi / 2, 1e-9);
    EXPECT_EQ(plot->HeightAxis()->titleText(), QStringLiteral("Height [m]"));
    EXPECT_EQ(plot->VolumeAxis()->titleText(), QStringLiteral("Volume [m3]"));

    ASSERT_TRUE(plot->MarkSeries()->isVisible());
    ASSERT_EQ(plot->MarkSeries()->count(), 2);
    EXPECT_EQ(plot->MarkSeries()->at(0).x(), 0.5);
    EXPECT_EQ(plot->MarkSeries()->at(1).x(), 0.5);

    EXPECT_FALSE(plot->RateVisible());
    QTest::mouseClick(
        chart->RateCheck, Qt::LeftButton, {}, QPoint(4, chart->RateCheck->height() / 2));
    EXPECT_TRUE(plot->RateVisible());
    EXPECT_TRUE(plot->axes().contains(plot->RateAxis()));
    EXPECT_NEAR(plot->RateSeries()->at(50).y(), 2.0, 2.0 * 1e-3);
    EXPECT_EQ(plot->RateAxis()->titleText(), QStringLiteral("Volume per unit height [m3/m]"));

    // In litres per centimetre the same level is worth 20 litres.
    ChooseEntry(chart->HeightUnit, 1);
    ChooseEntry(chart->VolumeUnit, 8);
    EXPECT_NEAR(plot->RateSeries()->at(50).y(), 20.0, 20.0 * 1e-3);
    EXPECT_EQ(plot->MarkSeries()->at(0).x(), 50.0);
    EXPECT_EQ(plot->RateAxis()->titleText(), QStringLiteral("Volume per unit height [litres/cm]"));

    // Switched off, the curve leaves its axis and legend entry with it.
    QTest::mouseClick(
        chart->RateCheck, Qt::LeftButton, {}, QPoint(4, chart->RateCheck->height() / 2));
    EXPECT_FALSE(plot->series().contains(plot->RateSeries()));
    EXPECT_FALSE(plot->axes().contains(plot->RateAxis()));

    // Height mode has no height entered: nothing is marked.
    TRzGroupButton* height = Form().CalcOptions->Buttons().at(1);
    QTest::mouseClick(height, Qt::LeftButton, {}, QPoint(6, height->height() / 2));
    ASSERT_EQ(Form().CalcOptions->ItemIndex(), 1);
    QTest::mouseClick(Form().BitBtn3, Qt::LeftButton);
    EXPECT_FALSE(plot->MarkSeries()->isVisible());
}

TEST(RoundScale, EndsAtTheFirstRoundStepAboveTheDataInFourToEightSteps)
{
    struct Case
    {
        double high, top;
        int steps, decimals;
    };
    // Worked by hand: 108 in in steps of 20; 7,070 US gal in steps of 1,000
    // (no "1e+04"); 0.785 m3 in steps of 0.1; 1.8 in steps of 0.25 needs two
    // decimals; a top that is already round stays the top.
    for (const Case& c :
        { Case { 108, 120, 6, 0 }, Case { 7069.9947, 8000, 8, 0 }, Case { 0.7854, 0.8, 8, 1 },
            Case { 1.8, 2, 8, 2 }, Case { 2.2, 2.5, 5, 1 }, Case { 17, 17.5, 7, 1 },
            Case { 3.5e6, 3.5e6, 7, 0 }, Case { 40, 40, 8, 0 }, Case { 0, 1, 5, 1 } }) {
        const AxisScale scale = RoundScale(c.high);
        EXPECT_NEAR(scale.top, c.top, 1e-9 * c.top) << c.high;
        EXPECT_EQ(scale.steps, c.steps) << c.high;
        EXPECT_EQ(scale.decimals, c.decimals) << c.high;
        EXPECT_GE(scale.top, c.high);
    }
}

TEST(VolumePerHeight, IsTheSlopeThroughTheNeighbours)
{
    // V = h^2 has the slope 2h; central differences are exact for it.
    const std::vector<double> heights = { 0, 1, 2, 3 };
    const std::vector<double> volumes = { 0, 1, 4, 9 };
    EXPECT_EQ(VolumePerHeight(heights, volumes), (std::vector<double> { 1, 2, 4, 5 }));
    EXPECT_TRUE(VolumePerHeight({ 0 }, { 0 }).empty());
}

TEST_F(ChartFormTest, CsvFileEqualsTankoraCliTableCsv)
{
    TChartForm* chart = OpenChart(Form(), { .length = "3", .diameter = "1.2", .head = "0.3" });
    ASSERT_NE(chart, nullptr);
    ChooseEntry(chart->HeightUnit, 3); // in
    ChooseEntry(chart->VolumeUnit, 7); // UK gal
    EnterSteps(chart, "250");
    const QString path = Path("table.csv");
    ASSERT_TRUE(chart->ExportCsv(path));
    const QString cli = RunCli({ QStringLiteral("table"), QStringLiteral("-L"), QStringLiteral("3"),
        QStringLiteral("-D"), QStringLiteral("1.2"), QStringLiteral("-b"), QStringLiteral("0.3"),
        QStringLiteral("--rows"), QStringLiteral("250"), QStringLiteral("-u"),
        QStringLiteral("UK gal"), QStringLiteral("--height-unit"), QStringLiteral("in"),
        QStringLiteral("--csv") });
    EXPECT_EQ(ReadAll(path), cli.toUtf8());
    EXPECT_TRUE(m_messages.Entries().empty());
}

TEST_F(ChartFormTest, PdfHoldsTheTitleTheChartPageAndEveryRowUnderARepeatedHeader)
{
    TChartForm* chart = OpenChart(Form(), {});
    ASSERT_NE(chart, nullptr);
    EnterSteps(chart, "1000");
    const QString path = Path("table.pdf");
    ASSERT_TRUE(chart->SavePdf(path));

    // A4 is 297 mm high; less 2 x 15 mm of margin that leaves 267 mm, 53
    // lines of 5 mm: a header and 52 rows. 1,001 rows fill 20 pages, after
    // the page with the title and the chart.
    const QString info = RunProgram(QStringLiteral("pdfinfo"), { path });
    EXPECT_TRUE(info.contains(QRegularExpression(QStringLiteral("Pages:\\s+21\\n"))))
        << info.toStdString();

    const QString text = RunProgram(
        QStringLiteral("pdftotext"), { QStringLiteral("-layout"), path, QStringLiteral("-") });
    const QString today = QDate::currentDate().toString(Qt::ISODate);
    for (const QString& line : { QStringLiteral("Gauge table"),
             QStringLiteral("Tank: Horizontal Cylindrical Tank, Semi-ellipsoidal heads"),
             QStringLiteral("Dimensions: L = 1 m, D = 1 m, b = 0 m"),
             QStringLiteral("Method: Fraction tables"), QStringLiteral("Date: ") + today })
        EXPECT_TRUE(text.contains(line)) << line.toStdString();
    const auto row = [](const char* cells) {
        return QRegularExpression(QStringLiteral("\\n\\s*")
            + QString::fromLatin1(cells).replace(u' ', QStringLiteral("\\s+"))
            + QStringLiteral("\\s*\\n"));
    };
    EXPECT_TRUE(text.contains(row("0.0000 0.0000 0.0000 0.7854"))) << "first row";
    EXPECT_TRUE(text.contains(row("0.5000 0.3927 50.0000 0.3927"))) << "middle row";
    EXPECT_TRUE(text.contains(row("1.0000 0.7854 100.0000 0.0000"))) << "last row";
    EXPECT_EQ(text.count(QRegularExpression(QStringLiteral(
                  "Height \\[m\\]\\s+Volume \\[m3\\]\\s+Fill \\[%\\]\\s+Ullage \\[m3\\]"))),
        20);
    EXPECT_TRUE(m_messages.Entries().empty());
}

TEST_F(ChartFormTest, AFileThatCannotBeWrittenIsNamedAndTheOldOneKept)
{
    TChartForm* chart = OpenChart(Form(), {});
    ASSERT_NE(chart, nullptr);
    const QByteArray old("the operator's own table\n");
    const QString readOnly = Path("kept.csv");
    {
        QFile file(readOnly);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_EQ(file.write(old), old.size());
    }
    ASSERT_TRUE(
        QFile::setPermissions(readOnly, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
    const QString missingFolder = Path("no such folder/table.pdf");

    EXPECT_FALSE(chart->ExportCsv(readOnly));
    EXPECT_FALSE(chart->SavePdf(readOnly));
    EXPECT_FALSE(chart->SavePdf(missingFolder));
    EXPECT_EQ(ReadAll(readOnly), old);
    EXPECT_FALSE(QFile::exists(missingFolder));
    // Nothing written aside stays behind.
    EXPECT_EQ(
        QDir(m_folder.path()).entryList(QDir::Files), QStringList { QStringLiteral("kept.csv") });

    const std::vector<std::string> entries = m_messages.Entries();
    ASSERT_EQ(entries.size(), 3u);
    const std::string unwritten
        = "Error: The file could not be written; an existing file of that name is unchanged.\n";
    EXPECT_EQ(entries[0], unwritten + readOnly.toStdString() + "\nThe file is read-only.");
    EXPECT_EQ(entries[1], entries[0]);
    EXPECT_TRUE(entries[2].starts_with(unwritten + missingFolder.toStdString() + "\n"))
        << entries[2];
}

} // namespace
