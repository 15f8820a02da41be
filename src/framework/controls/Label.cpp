#include "framework/controls/Label.h"

#include "framework/app/ExceptionHandler.h"

#include <QMouseEvent>

#include <cstring>

TLabel::TLabel(TComponentBase* owner)
    : QLabel(nullptr)
    , TControl(owner)
{
    setTextFormat(Qt::PlainText);
    ApplyAlignment();
}

void TLabel::SetAlignment(tankora::TAlignment alignment)
{
    m_alignment = alignment;
    ApplyAlignment();
}

void TLabel::SetLayout(tankora::TTextLayout layout)
{
    m_layout = layout;
    ApplyAlignment();
}

void TLabel::ApplyAlignment()
{
    Qt::Alignment horizontal = m_alignment == tankora::taCenter ? Qt::AlignHCenter
        : m_alignment == tankora::taRightJustify                ? Qt::AlignRight
                                                                : Qt::AlignLeft;
    Qt::Alignment vertical = m_layout == tankora::tlCenter ? Qt::AlignVCenter
        : m_layout == tankora::tlBottom                    ? Qt::AlignBottom
                                                           : Qt::AlignTop;
    setAlignment(horizontal | vertical);
}

void TLabel::SetAutoSize(bool autoSize)
{
    m_autoSize = autoSize;
    AdjustSize();
}

void TLabel::SetCaption(const QString& caption)
{
    setText(caption);
    AdjustSize();
}

void TLabel::SetTransparent(bool transparent)
{
    m_transparent = transparent;
    setAutoFillBackground(!transparent && autoFillBackground());
}

void TLabel::SetWordWrap(bool wordWrap)
{
    setWordWrap(wordWrap);
    AdjustSize();
}

void TLabel::AdjustSize()
{
    if (!m_autoSize || IsLoading())
        return;
    // Resizing to the same size would still queue geometry work for nothing.
    const QSize fitted = LabelAutoSize(*this, &m_measurements);
    if (fitted == size())
        return;
    if (KeepsRightEdge())
        setGeometry(x() + width() - fitted.width(), y(), fitted.width(), fitted.height());
    else
        resize(fitted);
}

bool TLabel::IsPropertyStored(const char* name) const
{
    return !m_autoSize || (std::strcmp(name, "Width") != 0 && std::strcmp(name, "Height") != 0);
}

void TLabel::mouseReleaseEvent(QMouseEvent* event)
{
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        CallHandler([this] { emit OnClick(this); });
}
