// A control's font as a published object (Font.Name, Font.Size, ...). Each
// change emits Changed(); the owning control applies it to its widget.
#pragma once

#include "framework/controls/Colors.h"
#include "framework/controls/ControlTypes.h"

#include <QFont>
#include <QObject>

class TFont : public QObject
{
    Q_OBJECT
    Q_PROPERTY(int Charset READ Charset WRITE SetCharset)
    Q_PROPERTY(int Color READ Color WRITE SetColor)
    Q_PROPERTY(int Height READ Height WRITE SetHeight)
    Q_PROPERTY(QString Name READ Name WRITE SetName)
    Q_PROPERTY(int Size READ Size WRITE SetSize)
    Q_PROPERTY(tankora::TFontStyles Style READ Style WRITE SetStyle)

public:
    // Screen resolution that converts Height (pixels) and Size (points).
    static constexpr int kPixelsPerInch = 96;

    explicit TFont(QObject* parent = nullptr);

    int Charset() const { return m_charset; }
    void SetCharset(int charset);
    TColor Color() const { return m_color; }
    void SetColor(TColor color);
    // Negative: character height in pixels at kPixelsPerInch; Size follows.
    int Height() const;
    void SetHeight(int height);
    QString Name() const { return m_name; }
    void SetName(const QString& name);
    int Size() const { return m_size; }
    void SetSize(int size);
    tankora::TFontStyles Style() const { return m_style; }
    void SetStyle(tankora::TFontStyles style);

    // Copies every attribute of source; one Changed() when anything differs.
    void Assign(const TFont& source);
    bool SameAs(const TFont& other) const;
    QFont ToQFont() const;

signals:
    void Changed();

private:
    int m_charset = 1; // DEFAULT_CHARSET
    TColor m_color = clWindowText;
    QString m_name = QStringLiteral("MS Sans Serif");
    int m_size = 8;
    tankora::TFontStyles m_style;
};
