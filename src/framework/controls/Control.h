// What every control publishes, on top of the component base: position and
// size within the visual parent, hint, enabled and visible state, colour,
// font, tab order and alignment to an edge of the parent. A control class
// derives from its Qt widget and from TControl, and lists
// TANKORA_CONTROL_PROPERTIES in its class body.
#pragma once

#include "framework/controls/Colors.h"
#include "framework/controls/ControlTypes.h"
#include "framework/controls/Font.h"
#include "framework/core/Component.h"

#include <QPalette>
#include <QWidget>

#include <memory>

class TAlignWatcher;

class TControl : public TComponentBase
{
public:
    explicit TControl(TComponentBase* owner);
    ~TControl() override;

    // The widget this control is (not available inside TControl's own
    // constructor and destructor).
    QWidget* Widget() const;

    // The visual parent. Setting it keeps position, size and visibility.
    QWidget* Parent() const;
    void SetParent(QWidget* parent);

    int Left() const;
    void SetLeft(int left);
    int Top() const;
    void SetTop(int top);
    int Width() const;
    void SetWidth(int width);
    int Height() const;
    void SetHeight(int height);
    void SetBounds(int left, int top, int width, int height);

    QString Hint() const { return m_hint; }
    void SetHint(const QString& hint);
    bool ShowHint() const { return m_showHint; }
    void SetShowHint(bool showHint);
    bool ParentShowHint() const { return m_parentShowHint; }
    void SetParentShowHint(bool parentShowHint);
    // Whether the hint shows: ShowHint, or the parent's when ParentShowHint.
    bool EffectiveShowHint() const;

    bool Enabled() const;
    void SetEnabled(bool enabled);
    bool Visible() const { return m_visible; }
    void SetVisible(bool visible);

    TColor Color() const { return m_color; }
    void SetColor(TColor color);
    TFont* Font() const { return m_font.get(); }
    // Copies the attributes of font.
    void SetFont(TFont* font);
    bool ParentFont() const { return m_parentFont; }
    void SetParentFont(bool parentFont);

    int TabOrder() const { return m_tabOrder; }
    void SetTabOrder(int tabOrder);
    bool TabStop() const { return m_tabStop; }
    void SetTabStop(bool tabStop);

    tankora::TAlign Align() const { return m_align; }
    void SetAlign(tankora::TAlign align);
    // Places an aligned control against its parent's edge.
    void Realign();

    void Loaded() override;

    // Whether the control has a window of its own; graphic controls (labels,
    // images) are drawn on their parent's and answer false.
    virtual bool IsWindowed() const { return true; }

    // Set while the control stands mirrored in its parent (right-to-left
    // layout): a control that sizes itself then keeps its right edge, where
    // its text begins, instead of growing out of its mirrored place.
    bool KeepsRightEdge() const { return m_keepsRightEdge; }
    void SetKeepsRightEdge(bool keepsRightEdge) { m_keepsRightEdge = keepsRightEdge; }

protected:
    // Applies the colour to the widget; the default paints the window and
    // base roles and fills the background.
    virtual void ApplyColor(const QColor& color);
    // The palette roles that show the font colour.
    virtual void ApplyFontColor(const QColor& color);
    // Called after the caption or font changed (labels resize themselves).
    virtual void AdjustSize() { }
    // Gives the class its own default colour (called from a constructor) and
    // shows it, so a new control looks right without a stored colour; the
    // form writer compares against it, so the default is never stored.
    // Controls that never call it keep clBtnFace and show their parent's
    // background.
    void InitColor(TColor color) { SetColor(color); }
    void InitTabStop(bool tabStop) { m_tabStop = tabStop; }

private:
    void FontChanged();
    void ApplyFont();
    void TakeParentFont();
    void ApplyHints();
    void ApplyTabStop();

    QString m_hint;
    bool m_showHint = false;
    bool m_parentShowHint = true;
    bool m_visible = true;
    TColor m_color = clBtnFace;
    std::unique_ptr<TFont> m_font;
    bool m_parentFont = true;
    bool m_syncingFont = false;
    int m_tabOrder = -1;
    bool m_tabStop = false;
    tankora::TAlign m_align = tankora::alNone;
    bool m_keepsRightEdge = false;
    std::unique_ptr<TAlignWatcher> m_alignWatcher;
};

// The control interface of obj, or null.
TControl* AsControl(QObject* obj);

#define TANKORA_CONTROL_PROPERTIES                                                                 \
    TANKORA_COMPONENT_PROPERTIES                                                                   \
    Q_PROPERTY(int Left READ Left WRITE SetLeft)                                                   \
    Q_PROPERTY(int Top READ Top WRITE SetTop)                                                      \
    Q_PROPERTY(int Width READ Width WRITE SetWidth)                                                \
    Q_PROPERTY(int Height READ Height WRITE SetHeight)                                             \
    Q_PROPERTY(tankora::TAlign Align READ Align WRITE SetAlign)                                    \
    Q_PROPERTY(int Color READ Color WRITE SetColor)                                                \
    Q_PROPERTY(bool Enabled READ Enabled WRITE SetEnabled)                                         \
    Q_PROPERTY(TFont* Font READ Font WRITE SetFont)                                                \
    Q_PROPERTY(bool ParentFont READ ParentFont WRITE SetParentFont)                                \
    Q_PROPERTY(bool ParentShowHint READ ParentShowHint WRITE SetParentShowHint)                    \
    Q_PROPERTY(QString Hint READ Hint WRITE SetHint)                                               \
    Q_PROPERTY(bool ShowHint READ ShowHint WRITE SetShowHint)                                      \
    Q_PROPERTY(int TabOrder READ TabOrder WRITE SetTabOrder)                                       \
    Q_PROPERTY(bool TabStop READ TabStop WRITE SetTabStop)                                         \
    Q_PROPERTY(bool Visible READ Visible WRITE SetVisible)
