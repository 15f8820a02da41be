#pragma once
// TResultText: how a result panel's number reaches the user's eyes and
// clipboard. The window's result panels (LResult, eResult2) are read-only
// displays 83 pixels wide; a number wider than that must neither lose digits
// at its edges nor be impossible to copy.
//
// A TResultText lies over the interior of its panel and shows the text given
// to Show, which also becomes the panel's Caption:
//  - whole, in the panel's font, when it fits;
//  - whole, in a smaller font, down to kSmallestPixelSize, when it does not;
//  - past that, elided in the middle with an ellipsis ("…"), never cut
//    silently, with the whole text as its hint.
// The text can be selected with the mouse (Ctrl+A selects all of it once the
// text has focus) and copied with the platform's copy shortcut; an elided
// text copies whole.

#include <QLabel>

class TPanel;

class TResultText : public QLabel
{
    Q_OBJECT

public:
    // The smallest font, in pixels, before the text is elided.
    static constexpr int kSmallestPixelSize = 7;

    // Lays itself over `panel`'s interior (inside its frame and bevels) and
    // shows the panel's current Caption.
    explicit TResultText(TPanel* panel);

    // Shows `text` and makes it the panel's Caption.
    void Show(const QString& text);

    // The whole text last shown.
    QString WholeText() const { return m_wholeText; }
    // Whether the shown text is elided.
    bool IsElided() const { return text() != m_wholeText; }

    // A stale result (its inputs changed since) is drawn in the greyed text
    // colour; otherwise in the panel's.
    void SetStale(bool stale);
    bool Stale() const { return m_stale; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    // Geometry, font and shown text for the panel's size and font.
    void Fit();

    TPanel* m_panel;
    QString m_wholeText;
    bool m_stale = false;
};
