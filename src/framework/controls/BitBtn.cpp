#include "framework/controls/BitBtn.h"

#include "framework/app/ExceptionHandler.h"
#include "framework/app/ResStrings.h"
#include "nls/GuiText.h"

#include <QStyle>

#include <cstring>

TBitBtn::TBitBtn(TComponentBase* owner)
    : QPushButton(nullptr)
    , TControl(owner)
{
    InitTabStop(true);
    setAutoDefault(false);
    connect(
        this, &QPushButton::clicked, this, [this] { CallHandler([this] { emit OnClick(this); }); });
}

void TBitBtn::SetGlyph(const QString& path)
{
    m_glyph.Load(path);
    ApplyIcon();
}

void TBitBtn::SetKind(tankora::TBitBtnKind kind)
{
    m_kind = kind;
    switch (kind) {
    case tankora::bkOK:
        m_kindCaption = tankora::AnsiToQString(LoadResString(SOKButton));
        m_modalResult = mrOk;
        break;
    case tankora::bkCancel:
        m_kindCaption = tankora::AnsiToQString(LoadResString(SCancelButton));
        m_modalResult = mrCancel;
        break;
    case tankora::bkClose:
        m_kindCaption = tankora::AnsiToQString(LoadResString(SCloseButton));
        m_modalResult = mrNone;
        break;
    default:
        m_kindCaption.clear();
        break;
    }
    if (!m_kindCaption.isEmpty())
        setText(m_kindCaption);
    ApplyIcon();
}

bool TBitBtn::IsPropertyStored(const char* name) const
{
    return std::strcmp(name, "Caption") != 0 || m_kind == tankora::bkCustom
        || text() != m_kindCaption;
}

void TBitBtn::ApplyIcon()
{
    if (!m_glyph.IsEmpty()) {
        const QPixmap pixmap = m_glyph.ToPixmap();
        setIcon(QIcon(pixmap));
        setIconSize(pixmap.size());
        return;
    }
    switch (m_kind) {
    case tankora::bkOK:
        setIcon(style()->standardIcon(QStyle::SP_DialogOkButton));
        break;
    case tankora::bkCancel:
        setIcon(style()->standardIcon(QStyle::SP_DialogCancelButton));
        break;
    case tankora::bkClose:
        setIcon(style()->standardIcon(QStyle::SP_DialogCloseButton));
        break;
    default:
        setIcon(QIcon());
        break;
    }
}
