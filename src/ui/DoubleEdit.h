#pragma once
// TDoubleEdit: the single-line entry field for the calculator's numbers.
//
// Typed characters pass through a filter (DoubleEditFilter.h) that lets only
// the shape of a decimal number with an optional exponent be typed; a
// rejected character leaves text, caret and selection untouched, and the
// keyboard clipboard shortcuts, being control characters, are rejected too.
// A key with Alt, Meta or another modifier combination that reaches the field
// (a shortcut the window does not use) types nothing.
// The decimal key of the numeric keypad types the locale's separator; the
// other decimal mark typed on the main keyboard is refused with a notice
// beside the field (DecimalMarkNotice.h).
// Text that arrives another way (the context menu, the program) is not
// checked: GetValue reads whatever is not a number as 0. Every number text
// uses the decimal separator of the process format settings.

#include "ui/DoubleEditFilter.h"

#include "framework/controls/Edit.h"

#include <optional>

class TDoubleEdit : public TEdit
{
    Q_OBJECT
    Q_PROPERTY(bool ActiveHint READ ActiveHint WRITE SetActiveHint)
    Q_PROPERTY(int DecimalPlaces READ DecimalPlaces WRITE SetDecimalPlaces)
    Q_PROPERTY(double MinValue READ MinValue WRITE SetMinValue)
    Q_PROPERTY(double MaxValue READ MaxValue WRITE SetMaxValue)
    Q_PROPERTY(
        bool RestrictToDecimalPlaces READ RestrictToDecimalPlaces WRITE SetRestrictToDecimalPlaces)
    Q_PROPERTY(bool Validate READ Validate WRITE SetValidate)

public:
    // The largest magnitude SetValue shows; beyond it a value shows as 0.
    static constexpr double kValueLimit = 1E100;

    explicit TDoubleEdit(TComponentBase* owner = nullptr);

    // The text read as a number; empty or unreadable text gives 0.
    double GetValue() const;

    // Shows x: with RestrictToDecimalPlaces in fixed-point notation with
    // DecimalPlaces decimals, otherwise with up to 15 decimals and trailing
    // zeros dropped down to one ("0.0", "2.5", "0.333333333333333"). x beyond
    // +-1E100 (or not a number) shows as 0; a number too large for 15
    // significant digits in fixed notation comes out in exponent form.
    virtual void SetValue(double x);

    bool ActiveHint() const { return m_activeHint; }
    // Builds the hint (true) or empties it (false); the hint shows exactly
    // when ActiveHint is true.
    void SetActiveHint(bool value);
    // A 16-bit unsigned count: values outside 0 .. 65535 are clamped.
    int DecimalPlaces() const { return m_decimalPlaces; }
    void SetDecimalPlaces(int value);
    double MinValue() const { return m_minValue; }
    // Ignores a value above MaxValue; rebuilds an active hint.
    void SetMinValue(double value);
    double MaxValue() const { return m_maxValue; }
    // Ignores a value below MinValue; rebuilds an active hint.
    void SetMaxValue(double value);
    bool RestrictToDecimalPlaces() const { return m_restrictToDecimalPlaces; }
    void SetRestrictToDecimalPlaces(bool value) { m_restrictToDecimalPlaces = value; }
    bool Validate() const { return m_validate; }
    void SetValidate(bool value) { m_validate = value; }

    // A field marked as failing the window's check shows a red frame until
    // its text changes.
    bool Marked() const { return m_marked; }
    void SetMarked(bool marked);

    // Whether `ch` may be typed into `text` at the field's caret.
    bool IsValidChar(QChar ch, const QString& text) const;
    // Whether `text` reads as a number within [MinValue, MaxValue].
    bool IsInRange(const QString& text) const;
    // Sets the hint that tells the admissible range, through TranslateString.
    void BuildHint();

    // The character a key press types, as the filter sees it: backspace 8,
    // tab 9, enter 13, escape 27, Ctrl+letter 1..26, Ctrl+Backspace 127, or
    // the printable character of the key; nothing for keys that only move or
    // delete (arrows, Home, Delete, ...) and for Alt combinations.
    static std::optional<QChar> TypedChar(const QKeyEvent& event);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    tankora::DoubleEditRules Rules() const;
    // The decimal separator of the process format settings.
    static QChar Separator();
    static bool IsKeypadDecimalKey(const QKeyEvent& event);

    bool m_activeHint = true;
    quint16 m_decimalPlaces = 0;
    double m_minValue = 0;
    double m_maxValue = kValueLimit;
    bool m_restrictToDecimalPlaces = false;
    bool m_validate = false;
    bool m_marked = false;
};
