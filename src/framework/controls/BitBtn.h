// A push button with a picture. Kind bkOK gives the standard "OK" caption
// and picture; Glyph names a picture resource whose greyed variant shows
// while the button is disabled. The form's default button (Default = True)
// is clicked by Enter (see TCustomForm).
#pragma once

#include "framework/controls/Control.h"
#include "framework/controls/Picture.h"

#include <QPushButton>

class TBitBtn : public QPushButton, public TControl
{
    Q_OBJECT
    TANKORA_CONTROL_PROPERTIES
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
    Q_PROPERTY(bool Default READ Default WRITE SetDefault)
    Q_PROPERTY(QString Glyph READ Glyph WRITE SetGlyph)
    Q_PROPERTY(tankora::TBitBtnKind Kind READ Kind WRITE SetKind)
    Q_PROPERTY(int ModalResult READ ModalResult WRITE SetModalResult)
    Q_PROPERTY(int NumGlyphs READ NumGlyphs WRITE SetNumGlyphs)

public:
    static constexpr int mrNone = 0;
    static constexpr int mrOk = 1;
    static constexpr int mrCancel = 2;

    explicit TBitBtn(TComponentBase* owner = nullptr);

    QString Caption() const { return text(); }
    void SetCaption(const QString& caption) { setText(caption); }
    bool Default() const { return m_default; }
    void SetDefault(bool isDefault) { m_default = isDefault; }
    QString Glyph() const { return m_glyph.Path(); }
    // Raises EResNotFound for a path that names no picture.
    void SetGlyph(const QString& path);
    tankora::TBitBtnKind Kind() const { return m_kind; }
    // A standard kind sets its caption, picture and modal result.
    void SetKind(tankora::TBitBtnKind kind);
    int ModalResult() const { return m_modalResult; }
    void SetModalResult(int modalResult) { m_modalResult = modalResult; }
    // Kept for stored layouts; the greyed variant is always generated.
    int NumGlyphs() const { return m_numGlyphs; }
    void SetNumGlyphs(int numGlyphs) { m_numGlyphs = numGlyphs; }

    // A standard kind's own caption is not stored.
    bool IsPropertyStored(const char* name) const override;

signals:
    void OnClick(QObject* Sender);

private:
    void ApplyIcon();

    TPicture m_glyph;
    tankora::TBitBtnKind m_kind = tankora::bkCustom;
    QString m_kindCaption;
    bool m_default = false;
    int m_modalResult = mrNone;
    int m_numGlyphs = 1;
};
