#pragma once
// The framed radio group: a captioned frame with one radio button per item,
// at most one of them checked, reporting a click to its owner.
//
//   TRzCustomPanel <- TRzCustomRadioGroup <- TRzRadioGroup (publishes)
//   each button is a TRzGroupButton owned by its group.
//
// Setting ItemIndex to a different value checks that button and fires the
// click event once, as a user click does; checks made by the group itself
// (UpdateButtons) fire nothing. While the stored layout is read, Items and
// ItemIndex are only stored; Loaded builds and arranges the buttons once.

#include "ui/RzPanel.h"

#include "framework/controls/Font.h"
#include "framework/controls/RadioButton.h"
#include "framework/core/Strings.h"

#include <vector>

class TRzCustomRadioGroup;

class TRzGroupButton : public TRadioButton
{
    Q_OBJECT
public:
    // Adds itself to `group`'s buttons, hidden until the group arranges it.
    explicit TRzGroupButton(TRzCustomRadioGroup* group);
    ~TRzGroupButton() override;

protected:
    // A click always checks a radio button; it never unchecks it. Only a
    // click that checks an unchecked button is a choice the group reports.
    void nextCheckState() override;
    // Arrow keys check the previous or next button of the group.
    void keyPressEvent(QKeyEvent* event) override;

private:
    TRzCustomRadioGroup* m_group;
    bool m_inClick = false;
    bool m_clickChecked = false;
};

class TRzCustomRadioGroup : public TRzCustomPanel
{
    Q_OBJECT
public:
    enum TGroupStyle { gsStandard, gsCustom };
    Q_ENUM(TGroupStyle)

    static constexpr int kMaxColumns = 16;

    explicit TRzCustomRadioGroup(TComponentBase* owner = nullptr);
    ~TRzCustomRadioGroup() override;

    TStrings* Items() const { return m_items; }
    // Copies the lines of `items`.
    void SetItems(TStrings* items);
    int ItemIndex() const { return m_itemIndex; }
    void SetItemIndex(int value);
    int Columns() const { return m_columns; }
    void SetColumns(int value);
    TFont* ItemFont() const { return m_itemFont; }
    // Copies the attributes of `value`.
    void SetItemFont(TFont* value);
    int ItemHeight() const { return m_itemHeight; }
    void SetItemHeight(int value);
    int StartXPos() const { return m_startXPos; }
    void SetStartXPos(int value);
    int StartYPos() const { return m_startYPos; }
    void SetStartYPos(int value);
    int VerticalSpacing() const { return m_verticalSpacing; }
    void SetVerticalSpacing(int value);
    TGroupStyle GroupStyle() const { return m_groupStyle; }
    void SetGroupStyle(TGroupStyle value);
    // The title in the frame's top edge; setting it re-arranges the buttons.
    void SetCaption(const QString& value);

    // The buttons in item order.
    const std::vector<TRzGroupButton*>& Buttons() const { return m_buttons; }

    // The stored layout has been read: builds and arranges the buttons.
    void Loaded() override;

    // The group's click event is the panel's OnClick signal; it fires when a
    // button is clicked or ItemIndex changes, never for a click on the
    // group's own background.

signals:
    // The checked item changed.
    void Changed();

protected:
    void Paint(QPainter& painter) override;
    // A click on the frame or the space between buttons is no choice.
    void mouseReleaseEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    // The first row's top depends on the borders in gsCustom.
    void BordersChanged() override;

private:
    friend class TRzGroupButton;

    void ButtonClicked(TRzGroupButton* button);
    void ItemsChanged();
    void UpdateButtons();
    void ArrangeButtons();
    void CheckOnly(int index);

    TStrings* m_items;
    int m_itemIndex = -1;
    int m_columns = 1;
    TFont* m_itemFont;
    int m_itemHeight = 17;
    int m_startXPos = 8;
    int m_startYPos = 2;
    int m_verticalSpacing = 3;
    TGroupStyle m_groupStyle = gsStandard;
    std::vector<TRzGroupButton*> m_buttons;
    bool m_updating = false;
};

// The radio group as stored layouts and the window use it.
class TRzRadioGroup : public TRzCustomRadioGroup
{
    Q_OBJECT
    Q_PROPERTY(TStrings* Items READ Items WRITE SetItems)
    Q_PROPERTY(int ItemIndex READ ItemIndex WRITE SetItemIndex)
    Q_PROPERTY(int Columns READ Columns WRITE SetColumns)
    Q_PROPERTY(TFont* ItemFont READ ItemFont WRITE SetItemFont)
    Q_PROPERTY(int ItemHeight READ ItemHeight WRITE SetItemHeight)
    Q_PROPERTY(int StartXPos READ StartXPos WRITE SetStartXPos)
    Q_PROPERTY(int StartYPos READ StartYPos WRITE SetStartYPos)
    Q_PROPERTY(int VerticalSpacing READ VerticalSpacing WRITE SetVerticalSpacing)
    Q_PROPERTY(TGroupStyle GroupStyle READ GroupStyle WRITE SetGroupStyle)
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
public:
    using TRzCustomRadioGroup::TRzCustomRadioGroup;
};
