#include "framework/controls/ListBox.h"

#include "framework/app/ExceptionHandler.h"
#include "framework/core/Exceptions.h"

#include <QSignalBlocker>

TListBox::TListBox(TComponentBase* owner)
    : QListWidget(nullptr)
    , TControl(owner)
    , m_items(new TStringList(this))
{
    InitColor(clWindow);
    InitTabStop(true);
    connect(m_items, &TStrings::Changed, this, [this] { SyncItems(); });
    connect(this, &QListWidget::itemClicked, this,
        [this] { CallHandler([this] { emit OnClick(this); }); });
}

void TListBox::SetItemIndex(int index)
{
    const QSignalBlocker blocker(this);
    setCurrentRow(index >= 0 && index < count() ? index : -1);
}

void TListBox::SetItems(TStrings* items)
{
    if (items)
        m_items->Assign(*items);
}

void TListBox::SetMultiSelect(bool multiSelect)
{
    setSelectionMode(
        multiSelect ? QAbstractItemView::ExtendedSelection : QAbstractItemView::SingleSelection);
}

QListWidgetItem* TListBox::CheckedItem(int index) const
{
    if (index < 0 || index >= count())
        throw EListError::IndexOutOfBounds(index);
    return item(index);
}

bool TListBox::Selected(int index) const
{
    return CheckedItem(index)->isSelected();
}

void TListBox::SetSelected(int index, bool selected)
{
    CheckedItem(index)->setSelected(selected);
}

void TListBox::PrepareItem(QListWidgetItem&) { }

void TListBox::SyncItems()
{
    const QSignalBlocker blocker(this);
    const QStringList lines = m_items->ToStringList();
    if (lines.size() != count()) {
        const int index = currentRow();
        clear();
        for (const QString& line : lines) {
            auto* entry = new QListWidgetItem(line, this);
            PrepareItem(*entry);
        }
        setCurrentRow(index < count() ? index : -1);
        return;
    }
    // Same number of lines: rewrite the texts, keep selection and checks. The
    // view hears of the rewritten lines once, not line by line (a translated
    // list rewrites them all).
    int first = -1;
    int last = -1;
    {
        const QSignalBlocker modelBlocker(model());
        for (int i = 0; i < count(); ++i) {
            QListWidgetItem* line = item(i);
            if (line->text() == lines[i])
                continue;
            line->setText(lines[i]);
            first = first < 0 ? i : first;
            last = i;
        }
    }
    if (first >= 0)
        emit model()->dataChanged(
            model()->index(first, 0), model()->index(last, 0), { Qt::DisplayRole, Qt::EditRole });
}

TCheckListBox::TCheckListBox(TComponentBase* owner)
    : TListBox(owner)
{
    connect(this, &QListWidget::itemChanged, this,
        [this] { CallHandler([this] { emit OnClickCheck(this); }); });
}

void TCheckListBox::PrepareItem(QListWidgetItem& item)
{
    item.setFlags(item.flags() | Qt::ItemIsUserCheckable);
    item.setCheckState(Qt::Unchecked);
}

tankora::TCheckBoxState TCheckListBox::State(int index) const
{
    switch (CheckedItem(index)->checkState()) {
    case Qt::Checked:
        return tankora::cbChecked;
    case Qt::PartiallyChecked:
        return tankora::cbGrayed;
    default:
        return tankora::cbUnchecked;
    }
}

void TCheckListBox::SetChecked(int index, bool checked)
{
    SetState(index, checked ? tankora::cbChecked : tankora::cbUnchecked);
}

void TCheckListBox::SetState(int index, tankora::TCheckBoxState state)
{
    const QSignalBlocker blocker(this);
    CheckedItem(index)->setCheckState(state == tankora::cbChecked ? Qt::Checked
            : state == tankora::cbGrayed                          ? Qt::PartiallyChecked
                                                                  : Qt::Unchecked);
}
