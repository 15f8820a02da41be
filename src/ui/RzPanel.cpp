#include "ui/RzPanel.h"

#include <QEnterEvent>
#include <QPainter>

namespace {

// The colours of one one-pixel ring: top and left sides, bottom and right sides.
struct LinePair
{
    QPalette::ColorRole topLeft;
    QPalette::ColorRole bottomRight;
};

// Shrinks `rect` by `by` pixels on each of `sides`.
QRect Shrink(QRect rect, TRzCustomPanel::TSides sides, int by)
{
    if (sides & TRzCustomPanel::sdLeft)
        rect.setLeft(rect.left() + by);
    if (sides & TRzCustomPanel::sdTop)
        rect.setTop(rect.top() + by);
    if (sides & TRzCustomPanel::sdRight)
        rect.setRight(rect.right() - by);
    if (sides & TRzCustomPanel::sdBottom)
        rect.setBottom(rect.bottom() - by);
    return rect;
}

// Draws a one-pixel ring on `sides` of `rect` and returns the rect inside it.
QRect DrawRing(QPainter& painter, const QRect& rect, const QColor& topLeft,
    const QColor& bottomRight, TRzCustomPanel::TSides sides)
{
    if (rect.isEmpty())
        return rect;
    if (sides & TRzCustomPanel::sdTop)
        painter.fillRect(rect.left(), rect.top(), rect.width(), 1, topLeft);
    if (sides & TRzCustomPanel::sdLeft)
        painter.fillRect(rect.left(), rect.top(), 1, rect.height(), topLeft);
    if (sides & TRzCustomPanel::sdBottom)
        painter.fillRect(rect.left(), rect.bottom(), rect.width(), 1, bottomRight);
    if (sides & TRzCustomPanel::sdRight)
        painter.fillRect(rect.right(), rect.top(), 1, rect.height(), bottomRight);
    return Shrink(rect, sides, 1);
}

} // namespace

TRzCustomPanel::TRzCustomPanel(TComponentBase* owner)
    : TPanel(owner)
{
    // The frame is drawn here, never by the plain panel's bevels.
    SetBevelOuter(tankora::bvNone);
}

void TRzCustomPanel::SetBorderOuter(TFrameStyle value)
{
    if (value == m_borderOuter)
        return;
    m_borderOuter = value;
    BordersChanged();
}

void TRzCustomPanel::SetBorderInner(TFrameStyle value)
{
    if (value == m_borderInner)
        return;
    m_borderInner = value;
    BordersChanged();
}

void TRzCustomPanel::SetBorderSides(TSides value)
{
    if (value == m_borderSides)
        return;
    m_borderSides = value;
    BordersChanged();
}

void TRzCustomPanel::SetBorderColor(TColor value)
{
    if (value == m_borderColor)
        return;
    m_borderColor = value;
    update();
}

void TRzCustomPanel::SetBorderWidth(int value)
{
    if (value == BorderWidth())
        return;
    TPanel::SetBorderWidth(value);
    BordersChanged();
}

void TRzCustomPanel::SetFrameSides(TSides value)
{
    if (value == m_frameSides)
        return;
    m_frameSides = value;
    BordersChanged();
}

void TRzCustomPanel::SetTextLayout(tankora::TTextLayout value)
{
    if (value == m_textLayout)
        return;
    m_textLayout = value;
    update();
}

void TRzCustomPanel::BordersChanged()
{
    update();
}

bool TRzCustomPanel::IsTwoPixelBevel(TFrameStyle style)
{
    return style >= fsGroove && style <= fsButtonUp;
}

int TRzCustomPanel::StyleWidth(TFrameStyle style) const
{
    if (style == fsNone)
        return 0;
    if (style == fsFlat)
        return 1;
    if (style == fsStatus || style == fsPopup)
        return BevelWidth();
    return 2;
}

QColor TRzCustomPanel::HighlightColor() const
{
    return palette().color(QPalette::Light);
}

QColor TRzCustomPanel::ShadowColor() const
{
    return palette().color(QPalette::Dark);
}

QRect TRzCustomPanel::ClientArea() const
{
    QRect area = Shrink(rect(), m_frameSides, 1);
    area = Shrink(area, m_borderSides, StyleWidth(m_borderOuter));
    area = Shrink(area, kAllSides, BorderWidth());
    return Shrink(area, m_borderSides, StyleWidth(m_borderInner));
}

QRect TRzCustomPanel::DrawBorder(QPainter& painter, QRect rect, TFrameStyle style) const
{
    const QPalette& pal = palette();
    auto ring = [&](LinePair pair) {
        rect = DrawRing(
            painter, rect, pal.color(pair.topLeft), pal.color(pair.bottomRight), m_borderSides);
    };
    using R = QPalette;
    switch (style) {
    case fsNone:
        break;
    case fsFlat:
        ring({ R::Dark, R::Dark });
        break;
    case fsGroove:
        ring({ R::Dark, R::Light });
        ring({ R::Light, R::Dark });
        break;
    case fsBump:
        ring({ R::Light, R::Dark });
        ring({ R::Dark, R::Light });
        break;
    case fsLowered:
        ring({ R::Dark, R::Light });
        ring({ R::Shadow, R::Midlight });
        break;
    case fsButtonDown:
        ring({ R::Shadow, R::Light });
        ring({ R::Dark, R::Midlight });
        break;
    case fsRaised:
        ring({ R::Midlight, R::Shadow });
        ring({ R::Light, R::Dark });
        break;
    case fsButtonUp:
        ring({ R::Light, R::Shadow });
        ring({ R::Midlight, R::Dark });
        break;
    case fsStatus:
        for (int i = 0; i < BevelWidth(); ++i)
            ring({ R::Dark, R::Light });
        break;
    case fsPopup:
        for (int i = 0; i < BevelWidth(); ++i)
            ring({ R::Light, R::Dark });
        break;
    }
    return rect;
}

QRect TRzCustomPanel::PaintPanel(QPainter& painter) const
{
    QRect area = rect();
    const QColor frame = ShadowColor();
    area = DrawRing(painter, area, frame, frame, m_frameSides);
    area = DrawBorder(painter, area, m_borderOuter);
    const QColor band = ColorToQColor(m_borderColor);
    for (int i = 0; i < BorderWidth(); ++i)
        area = DrawRing(painter, area, band, band, kAllSides);
    area = DrawBorder(painter, area, m_borderInner);
    painter.fillRect(area, palette().color(backgroundRole()));
    return area;
}

void TRzCustomPanel::PaintCaption(
    QPainter& painter, const QRect& area, const QString& caption, Qt::Alignment horizontal) const
{
    if (caption.isEmpty())
        return;
    Qt::Alignment vertical = Qt::AlignVCenter;
    if (m_textLayout == tankora::tlTop)
        vertical = Qt::AlignTop;
    else if (m_textLayout == tankora::tlBottom)
        vertical = Qt::AlignBottom;
    painter.setPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
    painter.setFont(font());
    painter.drawText(area, int(horizontal | vertical) | Qt::TextSingleLine, caption);
}

void TRzCustomPanel::enterEvent(QEnterEvent* event)
{
    TPanel::enterEvent(event);
    emit OnMouseEnter(this);
}

void TRzCustomPanel::leaveEvent(QEvent* event)
{
    TPanel::leaveEvent(event);
    emit OnMouseLeave(this);
}

Qt::Alignment TRzCustomPanel::HorizontalAlignment() const
{
    switch (Alignment()) {
    case tankora::taLeftJustify:
        return Qt::AlignLeft;
    case tankora::taRightJustify:
        return Qt::AlignRight;
    case tankora::taCenter:
        break;
    }
    return Qt::AlignHCenter;
}

void TRzCustomPanel::Paint(QPainter& painter)
{
    const QRect area = PaintPanel(painter);
    PaintCaption(painter, area, Caption(), HorizontalAlignment());
}
