#pragma once
// TRzCustomPanel: a panel whose frame is built from configurable lines. From
// the outside in: single lines on FrameSides at the very edge, the outer
// border (BorderOuter) on BorderSides, a plain band of BorderColor and
// BorderWidth, the inner border (BorderInner), then the panel colour and the
// caption. The radio group of RzRadGrp builds on it.

#include "framework/controls/Panel.h"

#include <QFlags>
#include <QRect>

class QPainter;

class TRzCustomPanel : public TPanel
{
    Q_OBJECT
    Q_PROPERTY(TFrameStyle BorderOuter READ BorderOuter WRITE SetBorderOuter)
    Q_PROPERTY(TFrameStyle BorderInner READ BorderInner WRITE SetBorderInner)
    Q_PROPERTY(TSides BorderSides READ BorderSides WRITE SetBorderSides)
    Q_PROPERTY(int BorderColor READ BorderColor WRITE SetBorderColor)
    Q_PROPERTY(int BorderWidth READ BorderWidth WRITE SetBorderWidth)
    Q_PROPERTY(TSides FrameSides READ FrameSides WRITE SetFrameSides)
    Q_PROPERTY(tankora::TTextLayout TextLayout READ TextLayout WRITE SetTextLayout)

public:
    enum TFrameStyle {
        fsNone,
        fsFlat,
        fsGroove,
        fsBump,
        fsLowered,
        fsButtonDown,
        fsRaised,
        fsButtonUp,
        fsStatus,
        fsPopup
    };
    Q_ENUM(TFrameStyle)
    enum TSide { sdLeft = 1, sdTop = 2, sdRight = 4, sdBottom = 8 };
    Q_DECLARE_FLAGS(TSides, TSide)
    Q_FLAG(TSides)

    static constexpr TSides kAllSides = TSides(sdLeft | sdTop | sdRight | sdBottom);

    explicit TRzCustomPanel(TComponentBase* owner = nullptr);

    TFrameStyle BorderOuter() const { return m_borderOuter; }
    void SetBorderOuter(TFrameStyle value);
    TFrameStyle BorderInner() const { return m_borderInner; }
    void SetBorderInner(TFrameStyle value);
    TSides BorderSides() const { return m_borderSides; }
    void SetBorderSides(TSides value);
    TColor BorderColor() const { return m_borderColor; }
    void SetBorderColor(TColor value);
    // The band between the borders; the panel's own BorderWidth.
    void SetBorderWidth(int value);
    TSides FrameSides() const { return m_frameSides; }
    void SetFrameSides(TSides value);
    tankora::TTextLayout TextLayout() const { return m_textLayout; }
    void SetTextLayout(tankora::TTextLayout value);

    // The area inside the frame lines and both borders.
    QRect ClientArea() const;

    // True for the styles drawn as two-pixel bevels (fsGroove ... fsButtonUp).
    static bool IsTwoPixelBevel(TFrameStyle style);

signals:
    // The mouse entered or left the panel.
    void OnMouseEnter(QObject* Sender);
    void OnMouseLeave(QObject* Sender);

protected:
    // Frame lines, borders, band, panel colour and caption.
    void Paint(QPainter& painter) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

    // Runs after a frame line, border or band changed; repaints.
    virtual void BordersChanged();

    // Draws frame lines, borders and the panel colour; returns the client area.
    QRect PaintPanel(QPainter& painter) const;
    // Draws `caption` inside `area` with the given alignment and TextLayout.
    void PaintCaption(QPainter& painter, const QRect& area, const QString& caption,
        Qt::Alignment horizontal) const;
    // The panel's Alignment as a Qt alignment.
    Qt::Alignment HorizontalAlignment() const;

    QColor HighlightColor() const;
    QColor ShadowColor() const;

private:
    // Draws one border style on the chosen sides of `rect`; returns `rect`
    // shrunk by the border's width on those sides.
    QRect DrawBorder(QPainter& painter, QRect rect, TFrameStyle style) const;
    int StyleWidth(TFrameStyle style) const;

    TFrameStyle m_borderOuter = fsRaised;
    TFrameStyle m_borderInner = fsNone;
    TSides m_borderSides = kAllSides;
    TColor m_borderColor = clBtnFace;
    TSides m_frameSides;
    tankora::TTextLayout m_textLayout = tankora::tlCenter;
};

Q_DECLARE_OPERATORS_FOR_FLAGS(TRzCustomPanel::TSides)
