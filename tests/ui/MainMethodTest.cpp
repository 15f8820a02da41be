// The method choice in the window: the table method by default, the exact
// geometry on request, each giving what tankora-cli gives for the same
// inputs with and without --method exact; and the hint with the exact value
// under a table result that lies off it.
#include "ui/Main.h"

#include "CliRunner.h"
#include "MessageLog.h"
#include "QStringPrinter.h"
#include "SeparatorScope.h"
#include "UserInput.h"
#include "ui/DoubleEdit.h"
#include "ui/RzRadGrp.h"

#include <QTest>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <memory>

namespace {

using tankora::test::Choose;
using tankora::test::Type;

class MainMethodTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_form.reset(CreateMainForm());
        m_form->show();
    }

    void ChooseMode(int mode) { tankora::test::ChooseMode(*m_form, mode); }

    // The tank of the accuracy page (lying, L = 10 m, D = 3 m, 2:1 heads)
    // filled to 72 mm, its volume asked for in litres.
    void EnterTankNearlyEmpty()
    {
        Type(m_form->dL, "10");
        Type(m_form->dD, "3");
        Type(m_form->db, "0.75");
        Type(m_form->eH, "72");
        Choose(m_form->cbHu, "mm");
        Choose(m_form->CbResultUnits, "litres");
    }

    QString Result() const { return m_form->LResult->Caption(); }

    // The result text tankora-cli prints for `args`, by the named method.
    static QString CliResult(std::vector<std::string> args, const char* method)
    {
        args.insert(
            args.end(), { "-L", "10", "-D", "3", "-b", "0.75", "--json", "--method", method });
        const CliRun run = RunCli(args);
        EXPECT_NE(run.exitCode, 1) << run.err;
        const auto json = nlohmann::json::parse(run.out, nullptr, false);
        if (json.is_discarded() || !json.contains("result"))
            return QStringLiteral("(no result)");
        return QString::fromStdString(json["result"]["text"].get<std::string>());
    }

    // Calculates with each method in turn and compares with tankora-cli.
    void ExpectBothMethodsAsTheCli(const std::vector<std::string>& args)
    {
        const std::string where = args[0] + " " + args[2];
        Choose(m_form->cbMethod, "Table");
        QTest::mouseClick(m_form->BitBtn2, Qt::LeftButton);
        const QString table = Result();
        EXPECT_EQ(table, CliResult(args, "table")) << where;
        Choose(m_form->cbMethod, "Exact");
        QTest::mouseClick(m_form->BitBtn2, Qt::LeftButton);
        EXPECT_EQ(Result(), CliResult(args, "exact")) << where;
        EXPECT_NE(Result(), table) << where << ": the methods should differ here";
        // The exact method has nothing to warn about.
        EXPECT_TRUE(m_form->stResultHint->Caption().isEmpty()) << where;
    }

    SeparatorScope m_point { '.' };
    tankora::MessageLog m_messages;
    std::unique_ptr<TMainForm> m_form;
};

TEST_F(MainMethodTest, BothMethodsGiveWhatTheCommandLineGivesInEveryMode)
{
    EnterTankNearlyEmpty();
    ExpectBothMethodsAsTheCli({ "volume", "-H", "72 mm", "-u", "litres" });

    ChooseMode(1);
    Type(m_form->eV, "455");
    Choose(m_form->cbVu, "litres");
    ExpectBothMethodsAsTheCli({ "height", "-V", "455 litres", "-u", "mm" });

    ChooseMode(2);
    Type(m_form->eH, "100");
    Type(m_form->eQ, "10");
    Choose(m_form->cbQu, "l/min");
    Type(m_form->eT, "30");
    Choose(m_form->cbtu, "min");
    ExpectBothMethodsAsTheCli(
        { "new-height", "-H", "100 mm", "-Q", "10 l/min", "-t", "30 min", "-u", "mm" });
    EXPECT_TRUE(m_messages.Entries().empty());
}

// 72 mm up a lying 3 m tank with 2:1 heads: the table's straight line between
// its first steps gives 462.1072 litres where the tank holds 454.9605.
TEST_F(MainMethodTest, ATableResultOffTheExactOneSaysSoWithTheExactValue)
{
    EnterTankNearlyEmpty();
    QTest::mouseClick(m_form->BitBtn2, Qt::LeftButton);
    EXPECT_EQ(Result(), QStringLiteral("462.1072"));
    EXPECT_EQ(m_form->stResultHint->Caption(),
        QStringLiteral("Table method is off here; exact: 454.9605"));
    // The hint follows the result's unit.
    Choose(m_form->CbResultUnits, "m3");
    EXPECT_EQ(
        m_form->stResultHint->Caption(), QStringLiteral("Table method is off here; exact: 0.4550"));

    // Mid-tank the table agrees to far better than 1e-4: no hint.
    Type(m_form->eH, "1500");
    QTest::mouseClick(m_form->BitBtn2, Qt::LeftButton);
    EXPECT_TRUE(m_form->stResultHint->Caption().isEmpty());
}

TEST_F(MainMethodTest, TheWorkedExamplesStayWithTheDefaultMethod)
{
    EXPECT_EQ(m_form->Method(), tankora::VolumeMethod::Table);
    Type(m_form->dL, "1");
    Type(m_form->dD, "1");
    Type(m_form->db, "0");
    ChooseMode(2);
    Type(m_form->eH, "0.5");
    Type(m_form->eQ, "60");
    Choose(m_form->cbQu, "l/min");
    Type(m_form->eT, "2");
    Choose(m_form->cbtu, "min");
    QTest::mouseClick(m_form->BitBtn2, Qt::LeftButton);
    EXPECT_EQ(Result(), QStringLiteral("0.3788"));
    EXPECT_EQ(m_form->eResult2->Caption(), QStringLiteral("0.1200"));
}

} // namespace
