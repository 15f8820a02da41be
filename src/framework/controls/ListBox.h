// A list of lines to pick from: one line, or several with MultiSelect.
// Changing the lines in place (same count) keeps each line's selection;
// TCheckListBox adds a check box with its state to every line.
#pragma once

#include "framework/controls/Control.h"
#include "framework/core/Strings.h"

#include <QListWidget>

class TListBox : public QListWidget, public TControl
{
    Q_OBJECT
    TANKORA_CONTROL_PROPERTIES
    Q_PROPERTY(int ItemIndex READ ItemIndex WRITE SetItemIndex)
    Q_PROPERTY(TStrings* Items READ Items WRITE SetItems)
    Q_PROPERTY(bool MultiSelect READ MultiSelect WRITE SetMultiSelect)

public:
    explicit TListBox(TComponentBase* owner = nullptr);

    // The current line, -1 for none; an index outside the lines gives -1.
    int ItemIndex() const { return currentRow(); }
    void SetItemIndex(int index);
    TStrings* Items() const { return m_items; }
    void SetItems(TStrings* items);
    bool MultiSelect() const { return selectionMode() == QAbstractItemView::ExtendedSelection; }
    void SetMultiSelect(bool multiSelect);
    // Selection of line index; EListError outside the lines.
    bool Selected(int index) const;
    void SetSelected(int index, bool selected);

signals:
    void OnClick(QObject* Sender);

protected:
    // Called for each new line widget item (check list boxes add a check box).
    virtual void PrepareItem(QListWidgetItem& item);
    QListWidgetItem* CheckedItem(int index) const;

private:
    void SyncItems();

    TStrings* m_items;
};

class TCheckListBox : public TListBox
{
    Q_OBJECT

public:
    explicit TCheckListBox(TComponentBase* owner = nullptr);

    bool Checked(int index) const { return State(index) == tankora::cbChecked; }
    void SetChecked(int index, bool checked);
    tankora::TCheckBoxState State(int index) const;
    void SetState(int index, tankora::TCheckBoxState state);

signals:
    void OnClickCheck(QObject* Sender);

protected:
    void PrepareItem(QListWidgetItem& item) override;
};
