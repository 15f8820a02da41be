// The chart window in every language of the shipped dictionary, opened from
// the main window that the real translator has translated: its texts come
// from the dictionary, its numbers carry the language's decimal separator
// (the CSV keeps "."), and a right-to-left window keeps its chart left to
// right. With TANKORA_CHART_SHOTS set to a folder, the window and its PDF
// are saved there for people to look at.
#include "ui/chart/ChartForm.h"

#include "ChartRun.h"
#include "MessageLog.h"
#include "QStringPrinter.h"
#include "ShippedDictionary.h"
#include "StartedInLanguage.h"
#include "UserInput.h"
#include "ui/Main.h"
#include "ui/chart/GaugeChart.h"
#include "ui/chart/GaugeTableModel.h"

#include <QChartView>
#include <QCheckBox>
#include <QFile>
#include <QHeaderView>
#include <QLayout>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QValueAxis>

#include <gtest/gtest.h>

namespace {

using tankora::test::Decimal;
using tankora::test::ShippedLanguage;

class ChartInLanguage : public ::testing::TestWithParam<ShippedLanguage>
{ };

TEST_P(ChartInLanguage, SpeaksTheLanguageAndWritesItsNumbers)
{
    tankora::MessageLog messages;
    const tankora::test::ShippedDictionary dictionary;
    const std::string iso = GetParam().iso;
    const auto translated = [&](const char* native) {
        return dictionary.Translation(QString::fromLatin1(native), iso).value_or(QString());
    };
    tankora::test::StartedInLanguage started(GetParam());
    TChartForm* chart = tankora::test::OpenChart(started.Form(), {});
    ASSERT_NE(chart, nullptr);
    chart->RateCheck->click();

    EXPECT_EQ(started.Form().BitBtn3->text(), translated("&Chart..."));
    EXPECT_EQ(chart->windowTitle(), translated("Gauge Table and Chart"));
    EXPECT_EQ(chart->PdfButton->text(), translated("Save P&DF..."));
    EXPECT_EQ(chart->Model->HeaderTexts().at(2), translated("Fill") + QStringLiteral(" [%]"));
    EXPECT_TRUE(chart->Chart->HeightAxis()->titleText().startsWith(translated("Height")));
    EXPECT_EQ(chart->TitleLines().at(0), translated("Gauge table"));
    // The worked example's row, in the language's numbers.
    EXPECT_EQ(chart->Model->RowTexts(50).at(1), Decimal("0.3927"));

    // No column title is cut.
    chart->layout()->activate();
    const QHeaderView* header = chart->TableView->horizontalHeader();
    for (int column = 0; column < chart->Model->columnCount(); ++column)
        EXPECT_GE(header->sectionSize(column), header->sectionSizeHint(column))
            << chart->Model->HeaderTexts().at(column).toStdString();

    const bool rightToLeft = iso == "he" || iso == "ar";
    EXPECT_EQ(chart->isRightToLeft(), rightToLeft);
    EXPECT_EQ(chart->ChartView->layoutDirection(), Qt::LeftToRight);

    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString csv = folder.filePath(QStringLiteral("table.csv"));
    ASSERT_TRUE(chart->ExportCsv(csv));
    QFile file(csv);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = file.readAll().split('\n');
    ASSERT_GT(lines.size(), 51);
    EXPECT_EQ(lines.at(0), QByteArray("height [m],volume [m3],fill [%]"));
    EXPECT_EQ(lines.at(51), QByteArray("0.5000,0.3927,50.0000"));

    tankora::test::SaveShots(*chart, QString::fromStdString(iso));
    EXPECT_TRUE(messages.Entries().empty());
}

INSTANTIATE_TEST_SUITE_P(ShippedLanguages, ChartInLanguage,
    ::testing::ValuesIn(tankora::test::ShippedLanguages()),
    [](const ::testing::TestParamInfo<ShippedLanguage>& instance) { return instance.param.iso; });

TEST(ChartInGerman, PrintsItsTitleAndRowsInGerman)
{
    tankora::MessageLog messages;
    tankora::test::StartedInLanguage started({ "de", 1, 0x0407 });
    TChartForm* chart = tankora::test::OpenChart(started.Form(), {});
    ASSERT_NE(chart, nullptr);
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString pdf = folder.filePath(QStringLiteral("tabelle.pdf"));
    ASSERT_TRUE(chart->SavePdf(pdf));
    const QString text = tankora::test::RunProgram(
        QStringLiteral("pdftotext"), { QStringLiteral("-layout"), pdf, QStringLiteral("-") });
    for (const char* line : { "Peiltabelle", "Tank: Liegender Zylindertank, Halbellipsoidböden",
             "Abmessungen: L = 1 m, D = 1 m, b = 0 m", "Methode: Anteilstabellen" })
        EXPECT_TRUE(text.contains(QString::fromUtf8(line))) << line;
    EXPECT_TRUE(text.contains(
        QRegularExpression(QStringLiteral("\\n\\s*0,5000\\s+0,3927\\s+50,0000\\s+0,3927\\s*\\n"))));
    EXPECT_TRUE(text.contains(QString::fromUtf8("Füllhöhe [m]")));
    EXPECT_TRUE(messages.Entries().empty());
}

} // namespace
