#pragma once
// The gauge table as a table view reads it: the rows stay in base units and
// each shown cell is converted and formatted only when the view asks for
// it, so a table of 10,000 rows opens and scrolls as fast as one of ten.
// Columns: height, volume, fill (%), ullage (the volume still free), with
// four decimals and the process decimal separator.

#include "calc/GaugeTable.h"

#include <QAbstractTableModel>
#include <QStringList>

#include <string>
#include <vector>

class TGaugeTableModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column { HeightColumn, VolumeColumn, FillColumn, UllageColumn, ColumnCount };

    explicit TGaugeTableModel(QObject* parent = nullptr);

    // Replaces the rows; `fullVolume` (m3) gives the ullage.
    void SetRows(std::vector<tankora::GaugeRow> rows, double fullVolume);
    // The units (native names) the cells are shown in.
    void SetUnits(const std::string& heightUnit, const std::string& volumeUnit);

    const std::vector<tankora::GaugeRow>& Rows() const { return m_rows; }
    const std::string& HeightUnit() const { return m_heightUnit; }
    const std::string& VolumeUnit() const { return m_volumeUnit; }

    // The row's four cells as shown.
    QStringList RowTexts(int row) const;
    // The four column titles as shown: "Height [m]", ...
    QStringList HeaderTexts() const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(
        int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    QString CellText(int row, int column) const;

    std::vector<tankora::GaugeRow> m_rows;
    double m_fullVolume = 0;
    std::string m_heightUnit = "m";
    std::string m_volumeUnit = "m3";
};
