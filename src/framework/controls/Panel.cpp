#include "framework/controls/Panel.h"

#include "framework/app/ExceptionHandler.h"

#include <QMouseEvent>
#include <QPainter>

TPanel::TPanel(TComponentBase* owner)
    : QFrame(nullptr)
    , TControl(owner)
{
    setAutoFillBackground(true);
}

void TPanel::SetAlignment(tankora::TAlignment alignment)
{
    m_alignment = alignment;
    update();
}

void TPanel::SetBevelInner(tankora::TBevelCut bevel)
{
    m_bevelInner = bevel;
    update();
}

void TPanel::SetBevelOuter(tankora::TBevelCut bevel)
{
    m_bevelOuter = bevel;
    update();
}

void TPanel::SetBevelWidth(int width)
{
    m_bevelWidth = std::max(1, width);
    update();
}

void TPanel::SetBorderWidth(int width)
{
    m_borderWidth = std::max(0, width);
    update();
}

void TPanel::SetBorderStyle(tankora::TFormBorderStyle style)
{
    m_borderStyle = style;
    update();
}

void TPanel::SetCaption(const QString& caption)
{
    m_caption = caption;
    update();
}

void TPanel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    Paint(painter);
}

QRect TPanel::DrawBevel(QPainter& painter, QRect rect, tankora::TBevelCut cut, int width) const
{
    if (cut == tankora::bvNone)
        return rect;
    const QColor light = palette().color(QPalette::Light);
    const QColor dark = palette().color(QPalette::Dark);
    const QColor topLeft = cut == tankora::bvLowered ? dark : light;
    const QColor bottomRight = cut == tankora::bvLowered ? light : dark;
    for (int i = 0; i < width && rect.width() > 1 && rect.height() > 1; ++i) {
        if (cut != tankora::bvSpace) {
            painter.setPen(topLeft);
            painter.drawLine(rect.topLeft(), rect.topRight());
            painter.drawLine(rect.topLeft(), rect.bottomLeft());
            painter.setPen(bottomRight);
            painter.drawLine(rect.bottomLeft(), rect.bottomRight());
            painter.drawLine(rect.topRight(), rect.bottomRight());
        }
        rect.adjust(1, 1, -1, -1);
    }
    return rect;
}

void TPanel::Paint(QPainter& painter)
{
    QRect area = rect();
    if (m_borderStyle == tankora::bsSingle) {
        painter.setPen(palette().color(QPalette::Shadow));
        painter.drawRect(area.adjusted(0, 0, -1, -1));
        area.adjust(1, 1, -1, -1);
    }
    area = DrawBevel(painter, area, m_bevelOuter, m_bevelWidth);
    area.adjust(m_borderWidth, m_borderWidth, -m_borderWidth, -m_borderWidth);
    area = DrawBevel(painter, area, m_bevelInner, m_bevelWidth);
    if (m_caption.isEmpty())
        return;
    const Qt::Alignment horizontal = m_alignment == tankora::taLeftJustify ? Qt::AlignLeft
        : m_alignment == tankora::taRightJustify                           ? Qt::AlignRight
                                                                           : Qt::AlignHCenter;
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(area, int(horizontal | Qt::AlignVCenter), m_caption);
}

void TPanel::mouseReleaseEvent(QMouseEvent* event)
{
    QFrame::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        CallHandler([this] { emit OnClick(this); });
}
