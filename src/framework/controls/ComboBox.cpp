#include "framework/controls/ComboBox.h"

#include "framework/app/ExceptionHandler.h"

#include <QLineEdit>
#include <QSignalBlocker>

#include <cstring>

TComboBox::TComboBox(TComponentBase* owner)
    : QComboBox(nullptr)
    , TControl(owner)
    , m_items(new TStringList(this))
{
    InitColor(clWindow);
    InitTabStop(true);
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    connect(m_items, &TStrings::Changed, this, [this] { SyncItems(); });
    connect(this, &QComboBox::activated, this,
        [this] { CallHandler([this] { emit OnChange(this); }); });
    connect(lineEdit(), &QLineEdit::textEdited, this,
        [this] { CallHandler([this] { emit OnChange(this); }); });
}

int TComboBox::ItemIndex() const
{
    return IsLoading() ? m_pendingIndex : currentIndex();
}

void TComboBox::SetItemIndex(int index)
{
    if (IsLoading()) {
        m_pendingIndex = index;
        return;
    }
    const QSignalBlocker blocker(this);
    setCurrentIndex(index >= 0 && index < count() ? index : -1);
}

void TComboBox::SetItems(TStrings* items)
{
    if (items)
        m_items->Assign(*items);
}

void TComboBox::SetStyle(tankora::TComboBoxStyle style)
{
    m_style = style;
    const bool editable = style == tankora::csDropDown || style == tankora::csSimple;
    if (editable == isEditable())
        return;
    const int index = currentIndex();
    setEditable(editable);
    if (editable) {
        setInsertPolicy(QComboBox::NoInsert);
        connect(lineEdit(), &QLineEdit::textEdited, this,
            [this] { CallHandler([this] { emit OnChange(this); }); });
    }
    const QSignalBlocker blocker(this);
    setCurrentIndex(index);
}

void TComboBox::SetText(const QString& text)
{
    const QSignalBlocker blocker(this);
    if (isEditable())
        setEditText(text);
    else
        setCurrentIndex(findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive));
}

void TComboBox::SyncItems()
{
    const QSignalBlocker blocker(this);
    const QStringList lines = m_items->ToStringList();
    if (lines.size() == count()) {
        // Same number of lines: rewrite the texts and keep the selection.
        for (int i = 0; i < count(); ++i)
            if (itemText(i) != lines[i])
                setItemText(i, lines[i]);
        return;
    }
    const int index = currentIndex();
    const QString typed = isEditable() ? currentText() : QString();
    clear();
    addItems(lines);
    setCurrentIndex(index < count() ? index : -1);
    if (isEditable() && index < 0)
        setEditText(typed);
}

bool TComboBox::IsPropertyStored(const char* name) const
{
    return isEditable() || std::strcmp(name, "Text") != 0;
}

void TComboBox::Loaded()
{
    TControl::Loaded();
    SetItemIndex(m_pendingIndex);
}
