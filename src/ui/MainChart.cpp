// The main window's way into the chart window: the tank as Calculate would
// compute it, in one record, and the Chart button.

#include "ui/DoubleEdit.h"
#include "ui/HeadChoice.h"
#include "ui/Main.h"
#include "ui/WindowMessages.h"
#include "ui/chart/ChartForm.h"

#include "calc/Calculation.h"

#include <algorithm>

ChartTank TMainForm::TankForChart() const
{
    ChartTank chart;
    chart.tank = m_tank;
    ReadEntries(chart.tank);
    // The method the rows are computed with, so the printed title names it:
    // heads the tables do not describe are computed exactly whatever the list says.
    chart.method = tankora::MethodFor(chart.tank, Method());
    chart.orientationName = chart.tank.Orientation == tankora::kHorizontal
        ? "Horizontal Cylindrical Tank"
        : "Vertical Cylindrical Tank";
    const auto choices = tankora::HeadChoices();
    const int choice = std::clamp(cbHead->ItemIndex(), 0, static_cast<int>(choices.size()) - 1);
    chart.headsName = std::string(choices[static_cast<std::size_t>(choice)].caption);
    const auto entry = [](const QString& name, const TDoubleEdit* field, const TComboBox* unit) {
        return name + QStringLiteral(" = ") + field->Text() + u' ' + unit->Text();
    };
    chart.dimensions = entry(QStringLiteral("L"), dL, cbLu) + QStringLiteral(", ")
        + entry(QStringLiteral("D"), dD, cbDu);
    // A shape that fixes its own depth does not read b: naming it would
    // print a depth the tank does not have.
    if (tankora::TakesDepth(choice))
        chart.dimensions += QStringLiteral(", ") + entry(QStringLiteral("b"), db, cbbu);
    if (eH->isEnabled())
        chart.markedHeight = chart.tank.LiquidHeight;
    chart.heightUnit = m_unitNames.Selected(cbHu);
    chart.volumeUnit = m_unitNames.Selected(cbVu);
    return chart;
}

TChartForm* TMainForm::ChartForm() const
{
    return m_chartForm;
}

void TMainForm::BitBtn3Click(QObject*)
{
    const ChartTank chart = TankForChart();
    tankora::TankState checked = chart.tank;
    if (!tankora::CheckInputs(checked, Mode())) {
        // As Calculate does, but the shown results stay: they still match.
        UnmarkInputs();
        MarkFailingInputs(chart.tank);
        tankora::WindowMessages messages;
        messages.Show(tankora::MessageKind::Warning, tankora::kCheckInputsText);
        messages.ShowKept();
        return;
    }
    if (!m_chartForm)
        m_chartForm = new TChartForm(this);
    if (!m_chartForm->Open(chart))
        return;
    m_chartForm->show();
    m_chartForm->raise();
    m_chartForm->activateWindow();
}
