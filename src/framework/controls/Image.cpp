#include "framework/controls/Image.h"

#include "framework/app/ExceptionHandler.h"

#include <QMouseEvent>
#include <QPainter>

TImage::TImage(TComponentBase* owner)
    : QWidget(nullptr)
    , TControl(owner)
{ }

void TImage::SetCenter(bool center)
{
    m_center = center;
    update();
}

void TImage::SetPicture(const QString& path)
{
    m_picture.Load(path);
    update();
}

void TImage::SetStretch(bool stretch)
{
    m_stretch = stretch;
    update();
}

void TImage::SetTransparent(bool transparent)
{
    m_transparent = transparent;
    update();
}

QRectF TImage::PictureRect() const
{
    if (m_stretch)
        return QRectF(rect());
    const QSizeF size = m_picture.NaturalSize();
    QPointF topLeft(0, 0);
    if (m_center)
        topLeft = QPointF((width() - size.width()) / 2, (height() - size.height()) / 2);
    return QRectF(topLeft, size);
}

void TImage::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    m_picture.Draw(painter, PictureRect());
}

void TImage::mouseReleaseEvent(QMouseEvent* event)
{
    QWidget::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        CallHandler([this] { emit OnClick(this); });
}
