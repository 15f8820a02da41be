// A static text. With AutoSize (the default) it takes the size of its text.
#pragma once

#include "framework/controls/Control.h"
#include "framework/controls/LabelAutoSize.h"

#include <QLabel>

class TLabel : public QLabel, public TControl
{
    Q_OBJECT
    TANKORA_CONTROL_PROPERTIES
    Q_PROPERTY(tankora::TAlignment Alignment READ Alignment WRITE SetAlignment)
    Q_PROPERTY(bool AutoSize READ AutoSize WRITE SetAutoSize)
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
    Q_PROPERTY(tankora::TTextLayout Layout READ Layout WRITE SetLayout)
    Q_PROPERTY(bool Transparent READ Transparent WRITE SetTransparent)
    Q_PROPERTY(bool WordWrap READ WordWrap WRITE SetWordWrap)

public:
    explicit TLabel(TComponentBase* owner = nullptr);

    tankora::TAlignment Alignment() const { return m_alignment; }
    void SetAlignment(tankora::TAlignment alignment);
    bool AutoSize() const { return m_autoSize; }
    void SetAutoSize(bool autoSize);
    QString Caption() const { return text(); }
    void SetCaption(const QString& caption);
    tankora::TTextLayout Layout() const { return m_layout; }
    void SetLayout(tankora::TTextLayout layout);
    bool Transparent() const { return m_transparent; }
    void SetTransparent(bool transparent);
    bool WordWrap() const { return wordWrap(); }
    void SetWordWrap(bool wordWrap);

    // The size of an auto-sized label follows its text and font.
    bool IsPropertyStored(const char* name) const override;
    bool IsWindowed() const override { return false; }

signals:
    void OnClick(QObject* Sender);

protected:
    void AdjustSize() override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void ApplyAlignment();

    tankora::TAlignment m_alignment = tankora::taLeftJustify;
    tankora::TTextLayout m_layout = tankora::tlTop;
    bool m_autoSize = true;
    bool m_transparent = false;
    TLabelMeasurements m_measurements;
};
