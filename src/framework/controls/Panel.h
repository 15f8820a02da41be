// A panel: a container with an outer and an inner bevel and a centred
// caption. Derived panels with other frames override Paint().
#pragma once

#include "framework/controls/Control.h"

#include <QFrame>

class QPainter;

class TPanel : public QFrame, public TControl
{
    Q_OBJECT
    TANKORA_CONTROL_PROPERTIES
    Q_PROPERTY(tankora::TAlignment Alignment READ Alignment WRITE SetAlignment)
    Q_PROPERTY(tankora::TBevelCut BevelInner READ BevelInner WRITE SetBevelInner)
    Q_PROPERTY(tankora::TBevelCut BevelOuter READ BevelOuter WRITE SetBevelOuter)
    Q_PROPERTY(int BevelWidth READ BevelWidth WRITE SetBevelWidth)
    Q_PROPERTY(int BorderWidth READ BorderWidth WRITE SetBorderWidth)
    Q_PROPERTY(tankora::TFormBorderStyle BorderStyle READ BorderStyle WRITE SetBorderStyle)
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)

public:
    explicit TPanel(TComponentBase* owner = nullptr);

    tankora::TAlignment Alignment() const { return m_alignment; }
    void SetAlignment(tankora::TAlignment alignment);
    tankora::TBevelCut BevelInner() const { return m_bevelInner; }
    void SetBevelInner(tankora::TBevelCut bevel);
    tankora::TBevelCut BevelOuter() const { return m_bevelOuter; }
    void SetBevelOuter(tankora::TBevelCut bevel);
    int BevelWidth() const { return m_bevelWidth; }
    void SetBevelWidth(int width);
    int BorderWidth() const { return m_borderWidth; }
    void SetBorderWidth(int width);
    tankora::TFormBorderStyle BorderStyle() const { return m_borderStyle; }
    void SetBorderStyle(tankora::TFormBorderStyle style);
    QString Caption() const { return m_caption; }
    void SetCaption(const QString& caption);

signals:
    void OnClick(QObject* Sender);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    // Draws frame, bevels and caption.
    virtual void Paint(QPainter& painter);
    // Draws one bevel of the given width inside rect and returns the rest.
    QRect DrawBevel(QPainter& painter, QRect rect, tankora::TBevelCut cut, int width) const;

private:
    tankora::TAlignment m_alignment = tankora::taCenter;
    tankora::TBevelCut m_bevelInner = tankora::bvNone;
    tankora::TBevelCut m_bevelOuter = tankora::bvRaised;
    int m_bevelWidth = 1;
    int m_borderWidth = 0;
    tankora::TFormBorderStyle m_borderStyle = tankora::bsNone;
    QString m_caption;
};
