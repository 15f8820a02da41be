// Forms: top-level windows made of controls, usually created from a stored
// layout (see FormReader.h).
//
// A form with BorderStyle bsSingle cannot be resized; Position
// poScreenCenter centres it when it first shows. Enter pressed without
// Shift, Ctrl or Alt clicks the focused push button, or, when the focus is
// on anything else, the enabled and visible button whose Default is true.
#pragma once

#include "framework/controls/Control.h"

#include <QWidget>

class QAbstractButton;

class TCustomForm : public QWidget, public TControl
{
    Q_OBJECT
    TANKORA_CONTROL_PROPERTIES
    Q_PROPERTY(bool AutoScroll READ AutoScroll WRITE SetAutoScroll)
    Q_PROPERTY(tankora::TBiDiMode BiDiMode READ BiDiMode WRITE SetBiDiMode)
    Q_PROPERTY(tankora::TBorderIcons BorderIcons READ BorderIcons WRITE SetBorderIcons)
    Q_PROPERTY(tankora::TFormBorderStyle BorderStyle READ BorderStyle WRITE SetBorderStyle)
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
    Q_PROPERTY(int ClientHeight READ ClientHeight WRITE SetClientHeight)
    Q_PROPERTY(int ClientWidth READ ClientWidth WRITE SetClientWidth)
    Q_PROPERTY(tankora::TFormStyle FormStyle READ FormStyle WRITE SetFormStyle)
    Q_PROPERTY(bool OldCreateOrder READ OldCreateOrder WRITE SetOldCreateOrder)
    Q_PROPERTY(int PixelsPerInch READ PixelsPerInch WRITE SetPixelsPerInch)
    Q_PROPERTY(tankora::TPosition Position READ Position WRITE SetPosition)
    Q_PROPERTY(int TextHeight READ TextHeight WRITE SetTextHeight)

public:
    explicit TCustomForm(TComponentBase* owner = nullptr);

    bool AutoScroll() const { return m_autoScroll; }
    void SetAutoScroll(bool autoScroll) { m_autoScroll = autoScroll; }
    tankora::TBiDiMode BiDiMode() const { return m_biDiMode; }
    void SetBiDiMode(tankora::TBiDiMode mode);
    tankora::TBorderIcons BorderIcons() const { return m_borderIcons; }
    void SetBorderIcons(tankora::TBorderIcons icons);
    tankora::TFormBorderStyle BorderStyle() const { return m_borderStyle; }
    void SetBorderStyle(tankora::TFormBorderStyle style);
    QString Caption() const { return windowTitle(); }
    void SetCaption(const QString& caption) { setWindowTitle(caption); }
    int ClientHeight() const { return height(); }
    void SetClientHeight(int height) { resize(width(), height); }
    int ClientWidth() const { return width(); }
    void SetClientWidth(int width) { resize(width, height()); }
    tankora::TFormStyle FormStyle() const { return m_formStyle; }
    void SetFormStyle(tankora::TFormStyle style);
    bool OldCreateOrder() const { return m_oldCreateOrder; }
    void SetOldCreateOrder(bool old) { m_oldCreateOrder = old; }
    int PixelsPerInch() const { return m_pixelsPerInch; }
    void SetPixelsPerInch(int ppi) { m_pixelsPerInch = ppi; }
    tankora::TPosition Position() const { return m_position; }
    void SetPosition(tankora::TPosition position) { m_position = position; }
    int TextHeight() const { return m_textHeight; }
    void SetTextHeight(int height) { m_textHeight = height; }

    void Show() { show(); }
    // Closes the window (the application ends when its main form closes).
    void Close() { close(); }
    // The button that Enter clicks when the focus is not on a push button.
    QAbstractButton* DefaultButton() const;
    // Orders the keyboard focus chain by the controls' TabOrder, parent by
    // parent, each container followed by its own controls.
    void UpdateTabOrder();

    void Loaded() override;
    // Width and Height follow ClientWidth and ClientHeight.
    bool IsPropertyStored(const char* name) const override;
    // Fires OnCreate; called once the form has been created and loaded. An
    // exception from the handler goes to HandleException.
    void DoCreate();

signals:
    void OnCreate(QObject* Sender);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void ApplyWindowFlags();

    bool m_autoScroll = true;
    tankora::TBiDiMode m_biDiMode = tankora::bdLeftToRight;
    tankora::TBorderIcons m_borderIcons
        = tankora::TBorderIcons(tankora::biSystemMenu) | tankora::biMinimize | tankora::biMaximize;
    tankora::TFormBorderStyle m_borderStyle = tankora::bsSizeable;
    tankora::TFormStyle m_formStyle = tankora::fsNormal;
    bool m_oldCreateOrder = false;
    int m_pixelsPerInch = 96;
    tankora::TPosition m_position = tankora::poDesigned;
    int m_textHeight = 13;
    bool m_shown = false;
};

// The form class that applications derive their windows from.
class TForm : public TCustomForm
{
    Q_OBJECT

public:
    explicit TForm(TComponentBase* owner = nullptr);
};
