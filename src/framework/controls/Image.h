// A picture on a form. Picture names a Qt resource (":/pictures/tank.svg");
// SVG pictures are drawn as vectors.
#pragma once

#include "framework/controls/Control.h"
#include "framework/controls/Picture.h"

#include <QWidget>

class TImage : public QWidget, public TControl
{
    Q_OBJECT
    TANKORA_CONTROL_PROPERTIES
    Q_PROPERTY(bool Center READ Center WRITE SetCenter)
    Q_PROPERTY(QString Picture READ Picture WRITE SetPicture)
    Q_PROPERTY(bool Stretch READ Stretch WRITE SetStretch)
    Q_PROPERTY(bool Transparent READ Transparent WRITE SetTransparent)

public:
    explicit TImage(TComponentBase* owner = nullptr);

    bool Center() const { return m_center; }
    void SetCenter(bool center);
    QString Picture() const { return m_picture.Path(); }
    // Raises EResNotFound for a path that names no picture.
    void SetPicture(const QString& path);
    bool Stretch() const { return m_stretch; }
    void SetStretch(bool stretch);
    bool Transparent() const { return m_transparent; }
    void SetTransparent(bool transparent);

    // Where the picture is drawn within the control.
    QRectF PictureRect() const;
    bool IsWindowed() const override { return false; }

signals:
    void OnClick(QObject* Sender);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    TPicture m_picture;
    bool m_center = false;
    bool m_stretch = false;
    bool m_transparent = false;
};
