#pragma once
// TChartForm: the gauge-table window the main window opens for the tank it
// holds. Resizable and non-modal, beside the main window.
//
// The user chooses the height step (a length in a unit of the length list,
// or a number of equal steps, as `tankora-cli table --rows` takes it) and
// the height and volume units; the window shows the rows (height, volume,
// fill %, ullage) and the fill curve, exports the rows as CSV and prints
// them (or saves them as a PDF) with a title page and the chart.
//
// Texts go through the main window's dictionary (TranslateString) when the
// window is filled; its reading direction is the application's, which the
// main window's translator sets, and only the chart keeps left to right.

#include "ui/chart/ChartTank.h"

#include <QWidget>

class QCheckBox;
class QChartView;
class QComboBox;
class QLabel;
class QLineEdit;
class QPagedPaintDevice;
class QPushButton;
class QTableView;
class TGaugeChart;
class TGaugeTableModel;

class TChartForm : public QWidget
{
    Q_OBJECT

public:
    // The height step's kinds, in the order of StepKind's entries.
    enum StepKindIndex { StepLength = 0, StepCount = 1 };

    explicit TChartForm(QWidget* parent = nullptr);

    // Fills the window for `tank` (already checked by the main window): its
    // units, a table of 100 steps, the chart. False when the tank fails the
    // check after all; the window then keeps what it showed.
    bool Open(const ChartTank& tank);

    // Rebuilds the table from the step entry. A step that is no positive
    // number (or asks for more than the table may hold) gives "Check your
    // inputs", puts the focus on the step and keeps the table as it was.
    bool Recompute();

    // Writes the rows as CSV / the printed pages as a PDF to `path`, written
    // aside and renamed into place. A failure shows an error box naming the
    // file, and the old file stays as it was.
    bool ExportCsv(const QString& path);
    bool SavePdf(const QString& path);

    // Paints the printed pages on `device` (a printer or a PDF writer).
    bool PrintOn(QPagedPaintDevice& device);

    // The printed title: heading, tank and shapes, dimensions, method, date.
    QStringList TitleLines() const;

    const ChartTank& Tank() const { return m_tank; }

    QComboBox* StepKind = nullptr;
    QLineEdit* StepValue = nullptr;
    QComboBox* StepUnit = nullptr;
    QLabel* HeightLabel = nullptr;
    QComboBox* HeightUnit = nullptr;
    QLabel* VolumeLabel = nullptr;
    QComboBox* VolumeUnit = nullptr;
    QCheckBox* RateCheck = nullptr;
    QPushButton* ExportCsvButton = nullptr;
    QPushButton* PrintButton = nullptr;
    QPushButton* PdfButton = nullptr;
    QChartView* ChartView = nullptr;
    QTableView* TableView = nullptr;
    TGaugeTableModel* Model = nullptr;
    TGaugeChart* Chart = nullptr;

public slots:
    void ExportCsvClick();
    void PrintClick();
    void PdfClick();

private:
    // Texts of the controls from the dictionary.
    void ShowTexts();
    // The units chosen (native names) into the table and the chart.
    void ShowUnits();
    void StepKindChange();
    std::string SelectedHeightUnit() const;
    std::string SelectedVolumeUnit() const;
    std::string SelectedStepUnit() const;
    // Shows "<message>\n<file>\n<reason>" in an error box.
    void ReportUnwritten(const QString& path, const QString& reason);
    // Whole or nothing (io::WriteFileSafely); false after telling the user.
    bool WriteFile(const QString& path, const QByteArray& bytes);

    ChartTank m_tank;
};
