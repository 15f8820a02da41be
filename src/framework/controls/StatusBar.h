// A status bar of panels: the framework's control that publishes a
// collection (Panels), stored as one item per panel.
#pragma once

#include "framework/controls/Control.h"
#include "framework/core/Collection.h"

#include <QWidget>

class TStatusPanel : public TCollectionItem
{
    Q_OBJECT
    Q_PROPERTY(tankora::TAlignment Alignment READ Alignment WRITE SetAlignment)
    Q_PROPERTY(QString Text READ Text WRITE SetText)
    Q_PROPERTY(int Width READ Width WRITE SetWidth)

public:
    explicit TStatusPanel(TCollection* collection);

    tankora::TAlignment Alignment() const { return m_alignment; }
    void SetAlignment(tankora::TAlignment alignment);
    QString Text() const { return m_text; }
    void SetText(const QString& text);
    int Width() const { return m_width; }
    void SetWidth(int width);

private:
    tankora::TAlignment m_alignment = tankora::taLeftJustify;
    QString m_text;
    int m_width = 50;
};

class TStatusBar : public QWidget, public TControl
{
    Q_OBJECT
    TANKORA_CONTROL_PROPERTIES
    Q_PROPERTY(TCollection* Panels READ Panels WRITE SetPanels)

public:
    explicit TStatusBar(TComponentBase* owner = nullptr);

    TCollection* Panels() const { return m_panels; }
    // Copies the panels of panels.
    void SetPanels(TCollection* panels);
    TStatusPanel* Panel(int index) const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    TCollection* m_panels;
};
