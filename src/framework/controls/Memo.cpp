#include "framework/controls/Memo.h"

#include "framework/app/ExceptionHandler.h"

TMemo::TMemo(TComponentBase* owner)
    : QPlainTextEdit(nullptr)
    , TControl(owner)
    , m_lines(new TStringList(this))
{
    InitColor(clWindow);
    InitTabStop(true);
    SetScrollBars(tankora::ssNone);
    connect(m_lines, &TStrings::Changed, this, [this] {
        if (m_syncing)
            return;
        m_syncing = true;
        setPlainText(m_lines->Text());
        m_syncing = false;
    });
    connect(this, &QPlainTextEdit::textChanged, this, [this] {
        if (!m_syncing) {
            m_syncing = true;
            m_lines->SetText(toPlainText());
            m_syncing = false;
        }
        CallHandler([this] { emit OnChange(this); });
    });
}

void TMemo::SetLines(TStrings* lines)
{
    if (lines)
        m_lines->Assign(*lines);
}

void TMemo::SetScrollBars(tankora::TScrollStyle style)
{
    m_scrollBars = style;
    const bool horizontal = style == tankora::ssHorizontal || style == tankora::ssBoth;
    const bool vertical = style == tankora::ssVertical || style == tankora::ssBoth;
    setHorizontalScrollBarPolicy(horizontal ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(vertical ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
}

void TMemo::SetWordWrap(bool wordWrap)
{
    setLineWrapMode(wordWrap ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
}
