#include "ui/chart/GaugeTableModel.h"

#include "ui/chart/ChartTexts.h"

#include "calc/Units.h"

#include <algorithm>

using tankora::chart::Fixed4;
using tankora::chart::T;
using tankora::chart::Titled;

TGaugeTableModel::TGaugeTableModel(QObject* parent)
    : QAbstractTableModel(parent)
{ }

void TGaugeTableModel::SetRows(std::vector<tankora::GaugeRow> rows, double fullVolume)
{
    beginResetModel();
    m_rows = std::move(rows);
    m_fullVolume = fullVolume;
    endResetModel();
}

void TGaugeTableModel::SetUnits(const std::string& heightUnit, const std::string& volumeUnit)
{
    m_heightUnit = heightUnit;
    m_volumeUnit = volumeUnit;
    emit headerDataChanged(Qt::Horizontal, 0, ColumnCount - 1);
    if (!m_rows.empty())
        emit dataChanged(index(0, 0), index(rowCount() - 1, ColumnCount - 1));
}

QString TGaugeTableModel::CellText(int row, int column) const
{
    const tankora::GaugeRow& r = m_rows[std::size_t(row)];
    switch (column) {
    case HeightColumn:
        return Fixed4(tankora::MetresToLength(m_heightUnit, r.height));
    case VolumeColumn:
        return Fixed4(tankora::CubicMetresToVolume(m_volumeUnit, r.volume));
    case FillColumn:
        return Fixed4(r.fillPercent);
    default:
        // Never "-0.0000": a volume computed at the full height may exceed the
        // full volume in its last bit.
        return Fixed4(
            tankora::CubicMetresToVolume(m_volumeUnit, std::max(0.0, m_fullVolume - r.volume)));
    }
}

QStringList TGaugeTableModel::RowTexts(int row) const
{
    QStringList texts;
    for (int column = 0; column < ColumnCount; ++column)
        texts << CellText(row, column);
    return texts;
}

QStringList TGaugeTableModel::HeaderTexts() const
{
    return { Titled(T("Height"), m_heightUnit), Titled(T("Volume"), m_volumeUnit),
        Titled(T("Fill"), "%"), Titled(T("Ullage"), m_volumeUnit) };
}

int TGaugeTableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

int TGaugeTableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant TGaugeTableModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    if (role == Qt::DisplayRole)
        return CellText(index.row(), index.column());
    if (role == Qt::TextAlignmentRole)
        return int(Qt::AlignRight | Qt::AlignVCenter);
    return {};
}

QVariant TGaugeTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Vertical)
        return section + 1;
    const QStringList titles = HeaderTexts();
    return section >= 0 && section < titles.size() ? QVariant(titles.at(section)) : QVariant();
}
