#include "ui/chart/ChartForm.h"

#include "ui/WindowMessages.h"
#include "ui/chart/ChartTexts.h"
#include "ui/chart/GaugeChart.h"
#include "ui/chart/GaugeTableCsv.h"
#include "ui/chart/GaugeTableModel.h"
#include "ui/chart/GaugeTablePrint.h"

#include "calc/Units.h"
#include "framework/app/MessageBoxes.h"
#include "io/SafeWrite.h"
#include "nls/FormatSettings.h"
#include "nls/GuiText.h"

#include <QBuffer>
#include <QChartView>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDate>
#include <QFileDialog>
#include <QGraphicsLayout>
#include <QGraphicsScene>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QScrollBar>
#include <QSplitter>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>
#include <span>

using tankora::chart::T;

namespace {

constexpr int kDefaultSteps = 100;

void FillUnits(QComboBox* list, std::span<const std::string_view> names)
{
    list->clear();
    for (std::string_view name : names)
        list->addItem(T(name));
}

int IndexOf(std::span<const std::string_view> names, std::string_view name)
{
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (names[i] == name)
            return int(i);
    }
    return 0;
}

std::string NameAt(std::span<const std::string_view> names, int index)
{
    return index >= 0 && std::size_t(index) < names.size() ? std::string(names[std::size_t(index)])
                                                           : std::string(names.front());
}

// A number typed with the process decimal separator; none unless the whole
// text is one finite number.
std::optional<double> ReadNumber(const QString& text)
{
    QString plain = text.trimmed();
    const QChar separator = QChar::fromLatin1(tankora::ProcessFormatSettings().DecimalSeparator);
    if (separator != u'.') {
        if (plain.contains(u'.'))
            return std::nullopt;
        plain.replace(separator, u'.');
    }
    bool ok = false;
    const double value = QLocale::c().toDouble(plain, &ok);
    return ok && std::isfinite(value) ? std::optional<double>(value) : std::nullopt;
}

} // namespace

TChartForm::TChartForm(QWidget* parent)
    : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("ChartForm"));
    StepKind = new QComboBox(this);
    StepValue = new QLineEdit(this);
    StepUnit = new QComboBox(this);
    HeightLabel = new QLabel(this);
    HeightUnit = new QComboBox(this);
    VolumeLabel = new QLabel(this);
    VolumeUnit = new QComboBox(this);
    RateCheck = new QCheckBox(this);
    ExportCsvButton = new QPushButton(this);
    PrintButton = new QPushButton(this);
    PdfButton = new QPushButton(this);
    Model = new TGaugeTableModel(this);
    Chart = new TGaugeChart();
    ChartView = new QChartView(Chart);
    TableView = new QTableView;
    HeightLabel->setBuddy(HeightUnit);
    VolumeLabel->setBuddy(VolumeUnit);

    // Rows of equal height, measured once: the view never asks 10,000 rows
    // for their size.
    TableView->setModel(Model);
    TableView->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    TableView->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    TableView->horizontalHeader()->setStretchLastSection(true);
    TableView->setSelectionBehavior(QAbstractItemView::SelectRows);
    TableView->setAlternatingRowColors(true);
    // The height column numbers the rows already.
    TableView->verticalHeader()->hide();
    // Plots keep height growing to the right in every script.
    ChartView->setLayoutDirection(Qt::LeftToRight);
    ChartView->setRenderHint(QPainter::Antialiasing);

    auto* choices = new QHBoxLayout;
    choices->addWidget(StepKind);
    choices->addWidget(StepValue);
    choices->addWidget(StepUnit);
    choices->addSpacing(12);
    choices->addWidget(HeightLabel);
    choices->addWidget(HeightUnit);
    choices->addWidget(VolumeLabel);
    choices->addWidget(VolumeUnit);
    choices->addStretch();
    auto* actions = new QHBoxLayout;
    actions->addWidget(RateCheck);
    actions->addStretch();
    actions->addWidget(ExportCsvButton);
    actions->addWidget(PrintButton);
    actions->addWidget(PdfButton);
    auto* split = new QSplitter(Qt::Horizontal);
    split->addWidget(ChartView);
    split->addWidget(TableView);
    split->setStretchFactor(0, 1);
    split->setStretchFactor(1, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(choices);
    layout->addWidget(split, 1);
    layout->addLayout(actions);
    resize(960, 600);
    split->setSizes({ 520, 440 });

    connect(StepKind, &QComboBox::currentIndexChanged, this, [this] { StepKindChange(); });
    connect(StepValue, &QLineEdit::editingFinished, this, [this] { Recompute(); });
    connect(StepUnit, &QComboBox::currentIndexChanged, this, [this] { Recompute(); });
    connect(HeightUnit, &QComboBox::currentIndexChanged, this, [this] { ShowUnits(); });
    connect(VolumeUnit, &QComboBox::currentIndexChanged, this, [this] { ShowUnits(); });
    connect(RateCheck, &QCheckBox::toggled, this, [this](bool on) { Chart->SetRateVisible(on); });
    connect(ExportCsvButton, &QPushButton::clicked, this, &TChartForm::ExportCsvClick);
    connect(PrintButton, &QPushButton::clicked, this, &TChartForm::PrintClick);
    connect(PdfButton, &QPushButton::clicked, this, &TChartForm::PdfClick);
}

void TChartForm::ShowTexts()
{
    setWindowTitle(T("Gauge Table and Chart"));
    const QSignalBlocker blockKind(StepKind);
    const QSignalBlocker blockStep(StepUnit);
    const QSignalBlocker blockHeight(HeightUnit);
    const QSignalBlocker blockVolume(VolumeUnit);
    const int kind = StepKind->currentIndex();
    StepKind->clear();
    StepKind->addItems({ T("Height step"), T("Number of steps") });
    StepKind->setCurrentIndex(kind < 0 ? StepCount : kind);
    FillUnits(StepUnit, tankora::kLengthResultUnits);
    FillUnits(HeightUnit, tankora::kLengthResultUnits);
    FillUnits(VolumeUnit, tankora::kVolumeUnits);
    HeightLabel->setText(T("Height"));
    VolumeLabel->setText(T("Volume"));
    RateCheck->setText(T("&Volume per unit height"));
    ExportCsvButton->setText(T("&Export CSV..."));
    PrintButton->setText(T("&Print..."));
    PdfButton->setText(T("Save P&DF..."));
}

bool TChartForm::Open(const ChartTank& tank)
{
    const ChartTank previous = m_tank;
    m_tank = tank;
    ShowTexts();
    const std::string heightUnit(tankora::ResultLengthUnitFor(tank.heightUnit));
    const QSignalBlocker blockStep(StepUnit);
    const QSignalBlocker blockHeight(HeightUnit);
    const QSignalBlocker blockVolume(VolumeUnit);
    const QSignalBlocker blockKind(StepKind);
    StepUnit->setCurrentIndex(IndexOf(tankora::kLengthResultUnits, heightUnit));
    HeightUnit->setCurrentIndex(IndexOf(tankora::kLengthResultUnits, heightUnit));
    VolumeUnit->setCurrentIndex(IndexOf(tankora::kVolumeUnits, tank.volumeUnit));
    StepKind->setCurrentIndex(StepCount);
    StepUnit->setEnabled(false);
    StepValue->setText(QString::number(kDefaultSteps));
    if (!Recompute()) {
        m_tank = previous;
        return false;
    }
    return true;
}

void TChartForm::StepKindChange()
{
    const bool length = StepKind->currentIndex() == StepLength;
    StepUnit->setEnabled(length);
    Recompute();
}

std::string TChartForm::SelectedHeightUnit() const
{
    return NameAt(tankora::kLengthResultUnits, HeightUnit->currentIndex());
}

std::string TChartForm::SelectedVolumeUnit() const
{
    return NameAt(tankora::kVolumeUnits, VolumeUnit->currentIndex());
}

std::string TChartForm::SelectedStepUnit() const
{
    return NameAt(tankora::kLengthResultUnits, StepUnit->currentIndex());
}

bool TChartForm::Recompute()
{
    std::optional<std::vector<tankora::GaugeRow>> rows;
    const std::optional<double> step = ReadNumber(StepValue->text());
    if (step && StepKind->currentIndex() == StepLength) {
        rows = tankora::GaugeTableByStep(
            m_tank.tank, tankora::LengthToMetres(SelectedStepUnit(), *step), m_tank.method);
    } else if (step && *step == std::floor(*step) && *step >= 1
        && *step <= tankora::kMaxGaugeSteps) {
        rows = tankora::GaugeTable(m_tank.tank, int(*step), m_tank.method);
    }
    if (!rows) {
        tankora::WindowMessages messages;
        messages.Show(tankora::MessageKind::Warning, tankora::kCheckInputsText);
        messages.ShowKept();
        StepValue->setFocus();
        StepValue->selectAll();
        return false;
    }
    tankora::TankState shape = m_tank.tank;
    Model->SetRows(std::move(*rows), tankora::FullVolume(shape));
    ShowUnits();
    return true;
}

void TChartForm::ShowUnits()
{
    Model->SetUnits(SelectedHeightUnit(), SelectedVolumeUnit());
    // Each column as wide as its title and its widest number (the empty and
    // the full tank's rows hold the longest: capacity, full height, 100 %), so
    // no language's title is cut; the splitter gives the chart what is left.
    QHeaderView* header = TableView->horizontalHeader();
    const QFontMetrics metrics = TableView->fontMetrics();
    int width = 2 * TableView->frameWidth() + TableView->verticalScrollBar()->sizeHint().width();
    for (int column = 0; column < Model->columnCount(); ++column) {
        int size = header->sectionSizeHint(column);
        for (const int row : { 0, Model->rowCount() - 1 }) {
            if (row >= 0)
                size = std::max(
                    size, metrics.horizontalAdvance(Model->RowTexts(row).at(column)) + 12);
        }
        header->resizeSection(column, size);
        width += size;
    }
    TableView->setMinimumWidth(width);
    Chart->Show(Model->Rows(), SelectedHeightUnit(), SelectedVolumeUnit(), m_tank.markedHeight);
    Chart->SetRateVisible(RateCheck->isChecked());
}

QStringList TChartForm::TitleLines() const
{
    const auto line = [](const QString& label, const QString& value) {
        return label + QStringLiteral(": ") + value;
    };
    const bool exact = m_tank.method == tankora::VolumeMethod::Exact;
    return { T("Gauge table"),
        line(T("Tank"), T(m_tank.orientationName) + QStringLiteral(", ") + T(m_tank.headsName)),
        line(T("Dimensions"), m_tank.dimensions),
        line(T("Method"), exact ? T("Exact geometry") : T("Fraction tables")),
        line(T("Date"), QDate::currentDate().toString(Qt::ISODate)) };
}

bool TChartForm::PrintOn(QPagedPaintDevice& device)
{
    PrintedGaugeTable table;
    table.titleLines = TitleLines();
    table.header = Model->HeaderTexts();
    table.rowCount = Model->rowCount();
    table.row = [this](int r) { return Model->RowTexts(r); };
    table.drawChart = [this](QPainter& painter, const QRectF& target) {
        // A chart of its own, laid out for the page's proportions rather
        // than the window's, in a scene that owns it.
        QGraphicsScene scene;
        auto* chart = new TGaugeChart;
        scene.addItem(chart);
        const QRectF area(0, 0, 800, 800 * target.height() / target.width());
        chart->setGeometry(area);
        chart->Show(Model->Rows(), SelectedHeightUnit(), SelectedVolumeUnit(), m_tank.markedHeight);
        chart->SetRateVisible(RateCheck->isChecked());
        // The chart lays itself out on posted events; a chart never shown
        // must have them now.
        QCoreApplication::sendPostedEvents();
        chart->layout()->activate();
        scene.render(&painter, target, area);
    };
    table.rightToLeft = layoutDirection() == Qt::RightToLeft;
    return PrintGaugeTable(device, table);
}

void TChartForm::ReportUnwritten(const QString& path, const QString& reason)
{
    QString text = T("The file could not be written; an existing file of that name is unchanged.")
        + u'\n' + path;
    if (!reason.isEmpty())
        text += u'\n' + reason;
    ShowError(tankora::QStringToAnsi(text));
}

bool TChartForm::WriteFile(const QString& path, const QByteArray& bytes)
{
    try {
        tankora::io::WriteFileSafely(QFile::encodeName(path).toStdString(),
            std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    } catch (const tankora::io::WriteError& error) {
        if (error.WriteProtected()) {
            ReportUnwritten(path, T("The file is read-only."));
            return false;
        }
        // The message names the file first; the box names it on a line of its own.
        QString reason = QString::fromLocal8Bit(error.what());
        if (reason.startsWith(path + QStringLiteral(": ")))
            reason.remove(0, path.size() + 2);
        ReportUnwritten(path, reason);
        return false;
    }
    return true;
}

bool TChartForm::ExportCsv(const QString& path)
{
    return WriteFile(
        path, GaugeTableCsv(Model->Rows(), SelectedHeightUnit(), SelectedVolumeUnit()));
}

bool TChartForm::SavePdf(const QString& path)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter pdf(&buffer);
        pdf.setTitle(T("Gauge table"));
        pdf.setCreator(QStringLiteral("Tankora"));
        if (!PrintOn(pdf)) {
            ReportUnwritten(path, QString());
            return false;
        }
    }
    return WriteFile(path, buffer.data());
}

void TChartForm::ExportCsvClick()
{
    const QString path = QFileDialog::getSaveFileName(this, T("Export CSV"), QString(),
        T("CSV in UTF-8, decimal point \".\"") + QStringLiteral(" (*.csv)"));
    if (!path.isEmpty())
        ExportCsv(path);
}

void TChartForm::PdfClick()
{
    const QString path = QFileDialog::getSaveFileName(
        this, T("Save PDF"), QString(), QStringLiteral("PDF (*.pdf)"));
    if (!path.isEmpty())
        SavePdf(path);
}

void TChartForm::PrintClick()
{
    QPrinter printer(QPrinter::HighResolution);
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() == QDialog::Accepted)
        PrintOn(printer);
}
