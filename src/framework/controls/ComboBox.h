// A drop-down list (csDropDownList) or a drop-down box whose text can also
// be typed (csDropDown). Items is a string list kept in step with the
// widget; OnChange fires when the user picks an item or types.
#pragma once

#include "framework/controls/Control.h"
#include "framework/core/Strings.h"

#include <QComboBox>

class TComboBox : public QComboBox, public TControl
{
    Q_OBJECT
    TANKORA_CONTROL_PROPERTIES
    Q_PROPERTY(int DropDownCount READ DropDownCount WRITE SetDropDownCount)
    Q_PROPERTY(int ItemHeight READ ItemHeight WRITE SetItemHeight)
    Q_PROPERTY(int ItemIndex READ ItemIndex WRITE SetItemIndex)
    Q_PROPERTY(TStrings* Items READ Items WRITE SetItems)
    Q_PROPERTY(tankora::TComboBoxStyle Style READ Style WRITE SetStyle)
    Q_PROPERTY(QString Text READ Text WRITE SetText)

public:
    explicit TComboBox(TComponentBase* owner = nullptr);

    int DropDownCount() const { return maxVisibleItems(); }
    void SetDropDownCount(int count) { setMaxVisibleItems(std::max(1, count)); }
    int ItemHeight() const { return m_itemHeight; }
    void SetItemHeight(int height) { m_itemHeight = height; }
    // -1 for none. Setting an index outside the items selects none; while
    // loading the index waits until the items have been read.
    int ItemIndex() const;
    void SetItemIndex(int index);
    TStrings* Items() const { return m_items; }
    // Copies the lines of items.
    void SetItems(TStrings* items);
    tankora::TComboBoxStyle Style() const { return m_style; }
    void SetStyle(tankora::TComboBoxStyle style);
    // The typed text (csDropDown) or the selected item's text. Setting it in
    // a list selects the item with exactly that text, or none.
    QString Text() const { return currentText(); }
    void SetText(const QString& text);

    void Loaded() override;
    // A list's text is its selected item, stored as ItemIndex.
    bool IsPropertyStored(const char* name) const override;

signals:
    void OnChange(QObject* Sender);

private:
    void SyncItems();

    TStrings* m_items;
    tankora::TComboBoxStyle m_style = tankora::csDropDown;
    int m_itemHeight = 13;
    int m_pendingIndex = -1;
};
