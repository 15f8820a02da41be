#include "ChartRun.h"

#include "CliRunner.h"

#include "UserInput.h"
#include "ui/DoubleEdit.h"
#include "ui/Main.h"
#include "ui/chart/ChartForm.h"

#include <QCoreApplication>
#include <QDir>
#include <QProcess>

#include <gtest/gtest.h>

namespace tankora::test {

QString RunProgram(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    const bool finished = process.waitForFinished(60000);
    EXPECT_TRUE(finished) << program.toStdString();
    EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(process.exitCode(), 0)
        << program.toStdString() << ": " << process.readAllStandardError().toStdString();
    return QString::fromUtf8(process.readAllStandardOutput());
}

QString RunCli(const QStringList& arguments)
{
    std::vector<std::string> args;
    for (const QString& argument : arguments)
        args.push_back(argument.toStdString());
    const CliRun run = ::RunCli(args);
    EXPECT_EQ(run.exitCode, 0) << run.err;
    return QString::fromStdString(run.out);
}

TChartForm* OpenChart(TMainForm& form, const TypedTank& tank)
{
    ChooseEntry(form.CbOrientation, tank.orientation);
    // First: the shape decides whether the b field takes the depth typed below.
    ChooseEntry(form.cbHead, tank.headShape);
    TypeNumber(form.dL, tank.length);
    TypeNumber(form.dD, tank.diameter);
    TypeNumber(form.db, tank.head);
    ChooseEntry(form.cbLu, tank.lengthUnit);
    ChooseEntry(form.cbDu, tank.diameterUnit);
    ChooseEntry(form.cbbu, tank.headUnit);
    TypeNumber(form.eH, tank.height);
    QTest::mouseClick(form.BitBtn3, Qt::LeftButton);
    return form.ChartForm();
}

void SaveShots(TChartForm& chart, const QString& name)
{
    const QString shots = qEnvironmentVariable("TANKORA_CHART_SHOTS");
    if (shots.isEmpty())
        return;
    // The chart lays itself out on posted events, as it does on screen.
    QCoreApplication::sendPostedEvents();
    QDir().mkpath(shots);
    const QString stem = shots + QStringLiteral("/chart-") + name;
    EXPECT_TRUE(chart.grab().save(stem + QStringLiteral(".png")));
    EXPECT_TRUE(chart.SavePdf(stem + QStringLiteral(".pdf")));
}

} // namespace tankora::test
