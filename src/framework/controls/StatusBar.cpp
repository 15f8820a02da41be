#include "framework/controls/StatusBar.h"

#include <QPainter>

TStatusPanel::TStatusPanel(TCollection* collection)
    : TCollectionItem(collection)
{ }

void TStatusPanel::SetAlignment(tankora::TAlignment alignment)
{
    m_alignment = alignment;
    Changed();
}

void TStatusPanel::SetText(const QString& text)
{
    m_text = text;
    Changed();
}

void TStatusPanel::SetWidth(int width)
{
    m_width = std::max(0, width);
    Changed();
}

TStatusBar::TStatusBar(TComponentBase* owner)
    : QWidget(nullptr)
    , TControl(owner)
    , m_panels(new TCollection([](TCollection* c) { return new TStatusPanel(c); }, this))
{
    connect(m_panels, &TCollection::Changed, this, [this] { update(); });
}

void TStatusBar::SetPanels(TCollection* panels)
{
    if (!panels || panels == m_panels)
        return;
    m_panels->Clear();
    for (int i = 0; i < panels->Count(); ++i) {
        const auto* source = static_cast<const TStatusPanel*>(panels->Items(i));
        auto* panel = static_cast<TStatusPanel*>(m_panels->Add());
        panel->SetAlignment(source->Alignment());
        panel->SetText(source->Text());
        panel->SetWidth(source->Width());
    }
}

TStatusPanel* TStatusBar::Panel(int index) const
{
    return static_cast<TStatusPanel*>(m_panels->Items(index));
}

void TStatusBar::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    int left = 0;
    for (int i = 0; i < m_panels->Count(); ++i) {
        const TStatusPanel* panel = Panel(i);
        const bool last = i == m_panels->Count() - 1;
        const QRect area(left, 0, last ? width() - left : panel->Width(), height());
        painter.setPen(palette().color(QPalette::Dark));
        painter.drawRect(area.adjusted(0, 0, -2, -1));
        const int align = panel->Alignment() == tankora::taCenter ? Qt::AlignHCenter
            : panel->Alignment() == tankora::taRightJustify       ? Qt::AlignRight
                                                                  : Qt::AlignLeft;
        painter.setPen(palette().color(QPalette::WindowText));
        painter.drawText(area.adjusted(3, 0, -3, 0), align | Qt::AlignVCenter, panel->Text());
        left += panel->Width();
    }
}
