// A picture loaded from a Qt resource or file path: SVG (drawn as vectors
// at any size) or any raster format Qt reads.
#pragma once

#include <QPixmap>
#include <QRectF>
#include <QSize>
#include <QString>

#include <memory>

class QPainter;
class QSvgRenderer;

class TPicture
{
public:
    TPicture();
    ~TPicture();

    // Loads the picture at path (":/pictures/tank.svg"); an empty path
    // clears it. A path that names no readable picture raises
    // EResNotFound "Resource <path> not found" and keeps the old picture.
    void Load(const QString& path);
    QString Path() const { return m_path; }
    bool IsEmpty() const;
    QSize NaturalSize() const;
    void Draw(QPainter& painter, const QRectF& target) const;
    // The picture rendered at size (its natural size when size is empty).
    QPixmap ToPixmap(QSize size = {}) const;

private:
    QString m_path;
    std::unique_ptr<QSvgRenderer> m_svg;
    QPixmap m_pixmap;
};
