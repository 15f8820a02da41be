#include "framework/app/Forms.h"

#include "framework/app/ExceptionHandler.h"

#include <QAbstractButton>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPushButton>
#include <QScreen>

#include <algorithm>
#include <climits>
#include <cstring>

namespace {

// The controls directly inside container, ordered by TabOrder (controls
// without one keep their place after those with one).
std::vector<QWidget*> TabChildren(QWidget* container)
{
    std::vector<std::pair<int, QWidget*>> children;
    for (QObject* child : container->children()) {
        auto* widget = qobject_cast<QWidget*>(child);
        TControl* control = AsControl(child);
        if (widget && control && !widget->isWindow())
            children.emplace_back(control->TabOrder() < 0 ? INT_MAX : control->TabOrder(), widget);
    }
    std::stable_sort(children.begin(), children.end(),
        [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<QWidget*> widgets;
    widgets.reserve(children.size());
    for (const auto& child : children)
        widgets.push_back(child.second);
    return widgets;
}

void CollectTabChain(QWidget* container, std::vector<QWidget*>& chain)
{
    for (QWidget* widget : TabChildren(container)) {
        if (widget->focusPolicy() & Qt::TabFocus)
            chain.push_back(widget);
        CollectTabChain(widget, chain);
    }
}

} // namespace

TCustomForm::TCustomForm(TComponentBase* owner)
    : QWidget(nullptr)
    , TControl(owner)
{
    InitColor(clBtnFace);
    SetParentFont(false);
    ApplyWindowFlags();
}

void TCustomForm::SetBiDiMode(tankora::TBiDiMode mode)
{
    m_biDiMode = mode;
    setLayoutDirection(mode == tankora::bdLeftToRight ? Qt::LeftToRight : Qt::RightToLeft);
}

void TCustomForm::SetBorderIcons(tankora::TBorderIcons icons)
{
    m_borderIcons = icons;
    ApplyWindowFlags();
}

void TCustomForm::SetBorderStyle(tankora::TFormBorderStyle style)
{
    m_borderStyle = style;
    ApplyWindowFlags();
}

void TCustomForm::SetFormStyle(tankora::TFormStyle style)
{
    m_formStyle = style;
    ApplyWindowFlags();
}

void TCustomForm::ApplyWindowFlags()
{
    Qt::WindowFlags flags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
    if (m_borderIcons.testFlag(tankora::biSystemMenu))
        flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    const bool sizeable
        = m_borderStyle == tankora::bsSizeable || m_borderStyle == tankora::bsSizeToolWin;
    if (m_borderIcons.testFlag(tankora::biMinimize))
        flags |= Qt::WindowMinimizeButtonHint;
    if (m_borderIcons.testFlag(tankora::biMaximize) && sizeable)
        flags |= Qt::WindowMaximizeButtonHint;
    if (m_formStyle == tankora::fsStayOnTop)
        flags |= Qt::WindowStaysOnTopHint;
    if (flags == windowFlags())
        return;
    const bool visible = isVisible();
    setWindowFlags(flags);
    if (visible)
        show();
}

QAbstractButton* TCustomForm::DefaultButton() const
{
    for (QAbstractButton* button : findChildren<QAbstractButton*>())
        if (button->property("Default").toBool() && button->isEnabled() && button->isVisible())
            return button;
    return nullptr;
}

void TCustomForm::UpdateTabOrder()
{
    std::vector<QWidget*> chain;
    CollectTabChain(this, chain);
    for (size_t i = 1; i < chain.size(); ++i)
        QWidget::setTabOrder(chain[i - 1], chain[i]);
}

void TCustomForm::Loaded()
{
    TControl::Loaded();
    UpdateTabOrder();
}

bool TCustomForm::IsPropertyStored(const char* name) const
{
    return std::strcmp(name, "Width") != 0 && std::strcmp(name, "Height") != 0;
}

void TCustomForm::DoCreate()
{
    CallHandler([this] { emit OnCreate(this); });
}

void TCustomForm::keyPressEvent(QKeyEvent* event)
{
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    if (enter && plain) {
        QAbstractButton* target = qobject_cast<QPushButton*>(focusWidget());
        if (!target)
            target = DefaultButton();
        if (target) {
            target->click();
            event->accept();
            return;
        }
    }
    QWidget::keyPressEvent(event);
}

void TCustomForm::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (m_shown)
        return;
    m_shown = true;
    const bool sizeable
        = m_borderStyle == tankora::bsSizeable || m_borderStyle == tankora::bsSizeToolWin;
    if (!sizeable)
        setFixedSize(size());
    if (m_position == tankora::poScreenCenter || m_position == tankora::poDesktopCenter) {
        if (const QScreen* screen = this->screen()) {
            const QRect area = screen->availableGeometry();
            move(area.center() - rect().center());
        }
    }
}

TForm::TForm(TComponentBase* owner)
    : TCustomForm(owner)
{ }
