#include "framework/controls/Control.h"

#include "framework/core/CrossCast.h"

#include <QEvent>

// Re-places an aligned control whenever its parent changes size.
class TAlignWatcher : public QObject
{
public:
    explicit TAlignWatcher(TControl& control)
        : m_control(control)
    { }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Resize)
            m_control.Realign();
        return QObject::eventFilter(watched, event);
    }

private:
    TControl& m_control;
};

TControl::TControl(TComponentBase* owner)
    : TComponentBase(owner)
    , m_font(std::make_unique<TFont>())
{
    QObject::connect(m_font.get(), &TFont::Changed, m_font.get(), [this] { FontChanged(); });
}

TControl::~TControl() = default;

QWidget* TControl::Widget() const
{
    return qobject_cast<QWidget*>(Object());
}

TControl* AsControl(QObject* obj)
{
    return tankora::CrossCast<TControl>(obj);
}

QWidget* TControl::Parent() const
{
    return Widget()->parentWidget();
}

void TControl::SetParent(QWidget* parent)
{
    QWidget* widget = Widget();
    if (widget->parentWidget() == parent)
        return;
    if (m_alignWatcher && widget->parentWidget())
        widget->parentWidget()->removeEventFilter(m_alignWatcher.get());
    const QRect geometry = widget->geometry();
    widget->setParent(parent);
    widget->setGeometry(geometry);
    if (parent) {
        widget->setVisible(m_visible);
        if (m_alignWatcher)
            parent->installEventFilter(m_alignWatcher.get());
    }
    TakeParentFont();
    ApplyHints();
    Realign();
}

int TControl::Left() const
{
    return Widget()->x();
}

void TControl::SetLeft(int left)
{
    SetBounds(left, Top(), Width(), Height());
}

int TControl::Top() const
{
    return Widget()->y();
}

void TControl::SetTop(int top)
{
    SetBounds(Left(), top, Width(), Height());
}

int TControl::Width() const
{
    return Widget()->width();
}

void TControl::SetWidth(int width)
{
    SetBounds(Left(), Top(), width, Height());
}

int TControl::Height() const
{
    return Widget()->height();
}

void TControl::SetHeight(int height)
{
    SetBounds(Left(), Top(), Width(), height);
}

void TControl::SetBounds(int left, int top, int width, int height)
{
    QWidget* widget = Widget();
    widget->move(left, top);
    widget->resize(std::max(0, width), std::max(0, height));
    Realign();
}

void TControl::SetHint(const QString& hint)
{
    m_hint = hint;
    ApplyHints();
}

void TControl::SetShowHint(bool showHint)
{
    m_showHint = showHint;
    m_parentShowHint = false;
    ApplyHints();
}

void TControl::SetParentShowHint(bool parentShowHint)
{
    m_parentShowHint = parentShowHint;
    ApplyHints();
}

bool TControl::EffectiveShowHint() const
{
    if (!m_parentShowHint)
        return m_showHint;
    const QWidget* widget = Widget();
    const TControl* parent = widget ? AsControl(widget->parentWidget()) : nullptr;
    return parent ? parent->EffectiveShowHint() : m_showHint;
}

void TControl::ApplyHints()
{
    QWidget* widget = Widget();
    if (!widget)
        return;
    // A tool tip change is an event sent to the widget; most hints are not
    // shown (ShowHint off), so re-translating one changes nothing to send.
    const QString toolTip = EffectiveShowHint() ? m_hint : QString();
    if (widget->toolTip() != toolTip)
        widget->setToolTip(toolTip);
    for (QObject* child : widget->children())
        if (TControl* control = AsControl(child))
            control->ApplyHints();
}

bool TControl::Enabled() const
{
    return !Widget()->testAttribute(Qt::WA_ForceDisabled);
}

void TControl::SetEnabled(bool enabled)
{
    Widget()->setEnabled(enabled);
}

void TControl::SetVisible(bool visible)
{
    m_visible = visible;
    QWidget* widget = Widget();
    // Without a parent the widget is a window of its own: it shows only when
    // asked outside loading (a form's stored Visible shows it afterwards).
    if (widget->parentWidget() || !visible || !IsLoading())
        widget->setVisible(visible);
}

void TControl::SetColor(TColor color)
{
    m_color = color;
    const QColor qcolor = ColorToQColor(color);
    if (qcolor.isValid())
        ApplyColor(qcolor);
}

void TControl::ApplyColor(const QColor& color)
{
    QWidget* widget = Widget();
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, color);
    palette.setColor(QPalette::Base, color);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

void TControl::ApplyFontColor(const QColor& color)
{
    QWidget* widget = Widget();
    QPalette palette = widget->palette();
    for (const auto role : { QPalette::WindowText, QPalette::Text, QPalette::ButtonText }) {
        palette.setColor(QPalette::Active, role, color);
        palette.setColor(QPalette::Inactive, role, color);
    }
    widget->setPalette(palette);
}

void TControl::SetFont(TFont* font)
{
    if (font && font != m_font.get())
        m_font->Assign(*font);
}

void TControl::SetParentFont(bool parentFont)
{
    m_parentFont = parentFont;
    if (parentFont) {
        Widget()->setFont(QFont());
        TakeParentFont();
    } else {
        ApplyFont();
    }
}

void TControl::FontChanged()
{
    if (m_syncingFont)
        return;
    m_parentFont = false;
    ApplyFont();
}

void TControl::ApplyFont()
{
    QWidget* widget = Widget();
    if (!widget)
        return;
    if (!m_parentFont)
        widget->setFont(m_font->ToQFont());
    const QColor color = ColorToQColor(m_font->Color());
    if (color.isValid())
        ApplyFontColor(color);
    for (QObject* child : widget->children())
        if (TControl* control = AsControl(child))
            control->TakeParentFont();
    AdjustSize();
}

void TControl::TakeParentFont()
{
    QWidget* widget = Widget();
    const TControl* parent = widget ? AsControl(widget->parentWidget()) : nullptr;
    if (!m_parentFont || !parent)
        return;
    m_syncingFont = true;
    m_font->Assign(*parent->Font());
    m_syncingFont = false;
    ApplyFont();
}

void TControl::SetTabOrder(int tabOrder)
{
    m_tabOrder = tabOrder;
}

void TControl::SetTabStop(bool tabStop)
{
    m_tabStop = tabStop;
    ApplyTabStop();
}

void TControl::ApplyTabStop()
{
    QWidget* widget = Widget();
    const Qt::FocusPolicy policy = widget->focusPolicy();
    if (policy == Qt::NoFocus)
        return;
    widget->setFocusPolicy(m_tabStop ? Qt::FocusPolicy(policy | Qt::TabFocus)
                                     : Qt::FocusPolicy(policy & ~Qt::TabFocus));
}

void TControl::SetAlign(tankora::TAlign align)
{
    m_align = align;
    QWidget* parent = Widget()->parentWidget();
    if (align != tankora::alNone && !m_alignWatcher) {
        m_alignWatcher = std::make_unique<TAlignWatcher>(*this);
        if (parent)
            parent->installEventFilter(m_alignWatcher.get());
    }
    Realign();
}

void TControl::Realign()
{
    QWidget* widget = Widget();
    QWidget* parent = widget ? widget->parentWidget() : nullptr;
    if (!parent || m_align == tankora::alNone)
        return;
    const QRect area = parent->contentsRect();
    QRect target = widget->geometry();
    switch (m_align) {
    case tankora::alTop:
        target = QRect(area.left(), area.top(), area.width(), target.height());
        break;
    case tankora::alBottom:
        target = QRect(
            area.left(), area.bottom() + 1 - target.height(), area.width(), target.height());
        break;
    case tankora::alLeft:
        target = QRect(area.left(), area.top(), target.width(), area.height());
        break;
    case tankora::alRight:
        target
            = QRect(area.right() + 1 - target.width(), area.top(), target.width(), area.height());
        break;
    case tankora::alClient:
        target = area;
        break;
    case tankora::alNone:
        break;
    }
    if (target != widget->geometry())
        widget->setGeometry(target);
}

void TControl::Loaded()
{
    TComponentBase::Loaded();
    TakeParentFont();
    ApplyHints();
    Realign();
    AdjustSize();
}
