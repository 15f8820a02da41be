#include "ui/RzRadGrp.h"

#include "framework/core/AssignIfChanged.h"

#include "framework/app/ExceptionHandler.h"
#include "framework/controls/EtchedFrame.h"

#include <QFontMetrics>
#include <QKeyEvent>
#include <QPainter>
#include <QResizeEvent>

#include <algorithm>

TRzGroupButton::TRzGroupButton(TRzCustomRadioGroup* group)
    : TRadioButton(group)
    , m_group(group)
{
    SetParent(group);
    // The group decides which button is checked, not Qt's sibling rule.
    setAutoExclusive(false);
    SetVisible(false);
    SetEnabled(group->isEnabled());
    SetParentShowHint(false);
    SetParentFont(false);
    m_group->m_buttons.push_back(this);
    connect(this, &QAbstractButton::clicked, this, [this] {
        // Re-clicking the checked button chooses nothing new; reporting it
        // would make the owner redo the mode change and reset its entries.
        if (m_inClick || !m_clickChecked)
            return;
        m_inClick = true;
        CallHandler([this] { m_group->ButtonClicked(this); });
        m_inClick = false;
    });
}

TRzGroupButton::~TRzGroupButton()
{
    auto& buttons = m_group->m_buttons;
    buttons.erase(std::remove(buttons.begin(), buttons.end(), this), buttons.end());
}

void TRzGroupButton::nextCheckState()
{
    m_clickChecked = !isChecked();
    setChecked(true);
}

void TRzGroupButton::keyPressEvent(QKeyEvent* event)
{
    // Arrow keys move the check to the neighbouring button, wrapping around,
    // as in any radio group; other keys go on to the group.
    int step = 0;
    switch (event->key()) {
    case Qt::Key_Up:
    case Qt::Key_Left:
        step = -1;
        break;
    case Qt::Key_Down:
    case Qt::Key_Right:
        step = 1;
        break;
    default:
        QRadioButton::keyPressEvent(event);
        return;
    }
    const auto& buttons = m_group->m_buttons;
    const int count = int(buttons.size());
    const int index = int(std::find(buttons.begin(), buttons.end(), this) - buttons.begin());
    TRzGroupButton* next = buttons[static_cast<std::size_t>((index + step + count) % count)];
    next->setFocus(Qt::TabFocusReason);
    next->click();
}

TRzCustomRadioGroup::TRzCustomRadioGroup(TComponentBase* owner)
    : TRzCustomPanel(owner)
    , m_items(new TStringList(this))
    , m_itemFont(new TFont(this))
{
    SetBorderOuter(fsNone);
    SetBorderInner(fsNone);
    SetAlignment(tankora::taLeftJustify);
    SetTextLayout(tankora::tlTop);
    connect(m_items, &TStrings::Changed, this, [this] { ItemsChanged(); });
    connect(m_itemFont, &TFont::Changed, this, [this] { ArrangeButtons(); });
}

TRzCustomRadioGroup::~TRzCustomRadioGroup()
{
    // Buttons remove themselves from m_buttons as they go.
    while (!m_buttons.empty())
        delete m_buttons.back();
}

void TRzCustomRadioGroup::SetItems(TStrings* items)
{
    // Assign reports the change, which updates the buttons.
    m_items->Assign(*items);
}

void TRzCustomRadioGroup::ItemsChanged()
{
    if (IsLoading())
        return;
    m_itemIndex = std::min(m_itemIndex, m_items->Count() - 1);
    UpdateButtons();
}

void TRzCustomRadioGroup::SetItemIndex(int value)
{
    if (IsLoading()) {
        m_itemIndex = value;
        return;
    }
    value = std::clamp(value, -1, int(m_buttons.size()) - 1);
    if (!AssignIfChanged(m_itemIndex, value))
        return;
    CheckOnly(value);
    // Checking a button is a click: the group reports it like a user's.
    if (value >= 0)
        ButtonClicked(Button(value));
}

void TRzCustomRadioGroup::CheckOnly(int index)
{
    // Tab reaches the group once, at its checked button (the first without one).
    const int tabStop = std::max(index, 0);
    for (int i = 0; i < int(m_buttons.size()); ++i) {
        Button(i)->setChecked(i == index);
        Button(i)->setFocusPolicy(i == tabStop ? Qt::StrongFocus : Qt::ClickFocus);
    }
}

void TRzCustomRadioGroup::ButtonClicked(TRzGroupButton* button)
{
    if (m_updating)
        return;
    const auto it = std::find(m_buttons.begin(), m_buttons.end(), button);
    m_itemIndex = int(it - m_buttons.begin());
    CheckOnly(m_itemIndex);
    emit Changed();
    emit OnClick(this);
}

void TRzCustomRadioGroup::Loaded()
{
    TRzCustomPanel::Loaded();
    ItemsChanged();
}

void TRzCustomRadioGroup::UpdateButtons()
{
    while (int(m_buttons.size()) < m_items->Count())
        new TRzGroupButton(this);
    while (int(m_buttons.size()) > m_items->Count())
        delete m_buttons.back();
    for (int i = 0; i < int(m_buttons.size()); ++i)
        Button(i)->SetCaption(m_items->Strings(i));
    m_updating = true;
    CheckOnly(m_itemIndex);
    m_updating = false;
    ArrangeButtons();
    update();
}

void TRzCustomRadioGroup::ArrangeButtons()
{
    if (m_buttons.empty() || IsLoading())
        return;
    const int count = int(m_buttons.size());
    const int rows = (count + m_columns - 1) / m_columns;
    const int columnWidth = (width() - m_startXPos - 2 * BorderWidth() - 10) / m_columns;
    const int fontHeight = QFontMetrics(font()).height();

    int top = 0;
    if (m_groupStyle == gsStandard) {
        top = Caption().isEmpty() ? fontHeight / 2 + m_startYPos + 2 : fontHeight + m_startYPos;
    } else {
        int border = BorderWidth() + 1;
        if (IsTwoPixelBevel(BorderOuter()))
            border += 2;
        if (IsTwoPixelBevel(BorderInner()))
            border += 2;
        top = Caption().isEmpty() ? border + m_startYPos : fontHeight + border + m_startYPos;
    }

    for (int i = 0; i < count; ++i) {
        TRzGroupButton* button = Button(i);
        const int left = columnWidth * (i / rows) + m_startXPos;
        const int buttonTop = top + (i % rows) * (m_itemHeight + m_verticalSpacing);
        button->SetBounds(left, buttonTop, columnWidth, m_itemHeight);
        button->SetFont(m_itemFont);
        button->SetVisible(true);
    }
}

void TRzCustomRadioGroup::SetColumns(int value)
{
    value = std::clamp(value, 1, kMaxColumns);
    if (AssignIfChanged(m_columns, value))
        ArrangeButtons();
}

void TRzCustomRadioGroup::SetItemFont(TFont* value)
{
    // A changed font reports itself, which re-arranges the buttons.
    m_itemFont->Assign(*value);
}

void TRzCustomRadioGroup::SetItemHeight(int value)
{
    if (AssignIfChanged(m_itemHeight, value))
        ArrangeButtons();
}

void TRzCustomRadioGroup::SetStartXPos(int value)
{
    if (AssignIfChanged(m_startXPos, value))
        ArrangeButtons();
}

void TRzCustomRadioGroup::SetStartYPos(int value)
{
    if (AssignIfChanged(m_startYPos, value))
        ArrangeButtons();
}

void TRzCustomRadioGroup::SetVerticalSpacing(int value)
{
    if (AssignIfChanged(m_verticalSpacing, value))
        ArrangeButtons();
}

void TRzCustomRadioGroup::SetGroupStyle(TGroupStyle value)
{
    if (!AssignIfChanged(m_groupStyle, value))
        return;
    ArrangeButtons();
    update();
}

void TRzCustomRadioGroup::SetCaption(const QString& value)
{
    TRzCustomPanel::SetCaption(value);
    ArrangeButtons();
}

void TRzCustomRadioGroup::mouseReleaseEvent(QMouseEvent* event)
{
    // Past TPanel's, which would report the release as a click.
    // NOLINTNEXTLINE(bugprone-parent-virtual-call)
    QFrame::mouseReleaseEvent(event);
}

void TRzCustomRadioGroup::resizeEvent(QResizeEvent* event)
{
    TRzCustomPanel::resizeEvent(event);
    ArrangeButtons();
}

void TRzCustomRadioGroup::BordersChanged()
{
    ArrangeButtons();
    update();
}

void TRzCustomRadioGroup::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::EnabledChange) {
        for (TRzGroupButton* button : m_buttons)
            button->SetEnabled(isEnabled());
    } else if (event->type() == QEvent::FontChange) {
        update();
    }
    TRzCustomPanel::changeEvent(event);
}

void TRzCustomRadioGroup::Paint(QPainter& painter)
{
    const QString caption = Caption();
    const QColor groupColor = palette().color(backgroundRole());
    if (m_groupStyle == gsCustom) {
        PaintPanel(painter);
        int c = BorderWidth();
        for (TFrameStyle style : { BorderOuter(), BorderInner() }) {
            if (IsTwoPixelBevel(style))
                c += 2;
            else if (style == fsFlat || style == fsStatus || style == fsPopup)
                c += 1;
        }
        PaintCaption(painter, rect().adjusted(c + 2, c, 0, 0), caption, Qt::AlignLeft);
        return;
    }

    painter.fillRect(rect(), groupColor);
    PaintEtchedFrame(painter, *this, caption, HighlightColor(), ShadowColor());
}
