#include "framework/controls/Picture.h"

#include "framework/core/Exceptions.h"
#include "nls/GuiText.h"

#include <QFile>
#include <QPainter>
#include <QSvgRenderer>

TPicture::TPicture() = default;
TPicture::~TPicture() = default;

void TPicture::Load(const QString& path)
{
    if (path.isEmpty()) {
        m_path.clear();
        m_svg.reset();
        m_pixmap = {};
        return;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw EResNotFound::ForResource(tankora::QStringToAnsi(path));
    const QByteArray bytes = file.readAll();
    auto svg = std::make_unique<QSvgRenderer>(bytes);
    QPixmap pixmap;
    if (!svg->isValid()) {
        svg.reset();
        if (!pixmap.loadFromData(bytes))
            throw EResNotFound::ForResource(tankora::QStringToAnsi(path));
    }
    m_path = path;
    m_svg = std::move(svg);
    m_pixmap = pixmap;
}

bool TPicture::IsEmpty() const
{
    return !m_svg && m_pixmap.isNull();
}

QSize TPicture::NaturalSize() const
{
    return m_svg ? m_svg->defaultSize() : m_pixmap.size();
}

void TPicture::Draw(QPainter& painter, const QRectF& target) const
{
    if (m_svg)
        m_svg->render(&painter, target);
    else if (!m_pixmap.isNull())
        painter.drawPixmap(target, m_pixmap, QRectF(m_pixmap.rect()));
}

QPixmap TPicture::ToPixmap(QSize size) const
{
    if (size.isEmpty())
        size = NaturalSize();
    if (size.isEmpty())
        return {};
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    Draw(painter, QRectF(QPointF(0, 0), QSizeF(size)));
    return pixmap;
}
