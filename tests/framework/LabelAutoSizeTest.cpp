// An auto-sized label measures its text itself instead of asking QLabel for
// a full size hint; the size must be QLabel's own size hint to the pixel.
#include "framework/controls/LabelAutoSize.h"
#include "framework/app/Forms.h"
#include "framework/controls/Label.h"

#include <gtest/gtest.h>

#include <QLabel>

#include <functional>
#include <string>
#include <vector>

namespace {

// Texts of the kinds a window shows: short and long, multibyte, right to
// left, mixed directions, tabs, line breaks, pairs a font kerns, combining
// marks, characters outside the basic plane and an ampersand.
const std::vector<QString>& Texts()
{
    static const std::vector<QString> texts {
        "A",
        "Volume of the tank",
        "  leading and trailing spaces  ",
        "AV To Ty WA Yo",
        "Tab\tseparated\tcolumns",
        "Two\nlines",
        "Line\r\nbreak at the end\n",
        QString::fromUtf8("Füllhöhe über Grund"),
        QString::fromUtf8("タンクの容積を計算します"),
        QString::fromUtf8("储罐容积计算"),
        QString::fromUtf8("탱크 용량"),
        QString::fromUtf8("נפח המיכל"),
        QString::fromUtf8("حجم الخزان الأفقي"),
        QString::fromUtf8("Height עברית and English"),
        QString::fromUtf8("e\u0301\u0308 combining marks"),
        QString::fromUtf8("𝐀𝐁 outside the basic plane"),
        "&Calculate",
        "A much longer caption that goes on for a while so that word wrap has something to break "
        "into several lines, and then some more words for a third line",
    };
    return texts;
}

struct TFontCase
{
    const char* what;
    std::function<QFont()> make;
};

const std::vector<TFontCase>& Fonts()
{
    static const std::vector<TFontCase> fonts {
        { "default", [] { return QFont(); } },
        { "14 point",
            [] {
                QFont font;
                font.setPointSize(14);
                return font;
            } },
        { "bold italic serif", [] { return QFont("DejaVu Serif", 11, QFont::Bold, true); } },
        { "23 pixel",
            [] {
                QFont font;
                font.setPixelSize(23);
                return font;
            } },
        { "CJK", [] { return QFont("Noto Sans CJK JP", 10); } },
    };
    return fonts;
}

// Settings of a label beside its text and font.
struct TLabelCase
{
    const char* what;
    std::function<void(QLabel&)> apply;
};

const std::vector<TLabelCase>& Settings()
{
    static const std::vector<TLabelCase> settings {
        { "left top", [](QLabel& label) { label.setAlignment(Qt::AlignLeft | Qt::AlignTop); } },
        { "right centre",
            [](QLabel& label) { label.setAlignment(Qt::AlignRight | Qt::AlignVCenter); } },
        { "centre bottom",
            [](QLabel& label) { label.setAlignment(Qt::AlignHCenter | Qt::AlignBottom); } },
        { "absolute left",
            [](QLabel& label) { label.setAlignment(Qt::AlignLeft | Qt::AlignAbsolute); } },
        { "right to left", [](QLabel& label) { label.setLayoutDirection(Qt::RightToLeft); } },
        { "margin", [](QLabel& label) { label.setMargin(3); } },
        { "indent", [](QLabel& label) { label.setIndent(7); } },
        { "frame", [](QLabel& label) { label.setFrameStyle(QFrame::Box | QFrame::Plain); } },
        { "contents margins", [](QLabel& label) { label.setContentsMargins(1, 2, 3, 4); } },
        { "minimum size",
            [](QLabel& label) {
                label.setMinimumWidth(50);
                label.setMinimumHeight(40);
            } },
        { "maximum width", [](QLabel& label) { label.setMaximumWidth(120); } },
    };
    return settings;
}

TEST(LabelAutoSize, IsQLabelsSizeHintForEveryTextFontAndSetting)
{
    int compared = 0;
    for (const bool wordWrap : { false, true })
        for (const TFontCase& font : Fonts())
            for (const TLabelCase& setting : Settings())
                for (const QString& text : Texts()) {
                    QLabel label;
                    label.setTextFormat(Qt::PlainText);
                    label.setFont(font.make());
                    label.setWordWrap(wordWrap);
                    setting.apply(label);
                    label.setText(text);
                    ASSERT_EQ(LabelAutoSize(label), label.sizeHint())
                        << (wordWrap ? "wrapped, " : "one line, ") << font.what << ", "
                        << setting.what << ", \"" << text.toStdString() << "\"";
                    ++compared;
                }
    EXPECT_EQ(compared, 2 * 5 * 11 * 18);
}

// What QLabel measures itself: no text yet (one average character), rich
// text, selectable text and a mnemonic with a buddy.
TEST(LabelAutoSize, LeavesOtherLabelsToQLabel)
{
    QLabel buddy;
    const std::vector<TLabelCase> cases {
        { "never had a text", [](QLabel&) {} },
        { "emptied", [](QLabel& label) { label.setText(""); } },
        { "rich text",
            [](QLabel& label) {
                label.setTextFormat(Qt::RichText);
                label.setText("<b>Bold</b> and <i>italic</i>");
            } },
        { "selectable",
            [](QLabel& label) {
                label.setTextInteractionFlags(Qt::TextSelectableByMouse);
                label.setText("Selectable text");
            } },
        { "buddy",
            [&buddy](QLabel& label) {
                label.setBuddy(&buddy);
                label.setText("&Height && depth");
            } },
    };
    for (const TLabelCase& labelCase : cases) {
        QLabel label;
        label.setTextFormat(Qt::PlainText);
        labelCase.apply(label);
        EXPECT_EQ(LabelAutoSize(label), label.sizeHint()) << labelCase.what;
    }
}

// The framework label on a form: whatever changes its text, font or wrapping,
// it ends at QLabel's size hint and keeps its position.
TEST(LabelAutoSize, FrameworkLabelEndsAtTheSizeHintAfterEveryChange)
{
    TForm form;
    auto* label = new TLabel(&form);
    label->SetParent(&form);
    label->SetBounds(30, 40, 1, 1);
    const std::vector<std::pair<const char*, std::function<void()>>> changes {
        { "caption", [&] { label->SetCaption("Volume of the tank"); } },
        { "longer caption", [&] { label->SetCaption(Texts().back()); } },
        { "word wrap on", [&] { label->SetWordWrap(true); } },
        { "Japanese caption", [&] { label->SetCaption(Texts()[8]); } },
        { "own font", [&] { label->Font()->SetSize(15); } },
        { "form font",
            [&] {
                label->SetParentFont(true);
                form.Font()->SetSize(12);
            } },
        { "word wrap off", [&] { label->SetWordWrap(false); } },
        { "right aligned Arabic",
            [&] {
                label->SetAlignment(tankora::taRightJustify);
                label->SetCaption(Texts()[12]);
            } },
        { "emptied", [&] { label->SetCaption(""); } },
    };
    for (const auto& [what, change] : changes) {
        change();
        EXPECT_EQ(label->size(), label->QLabel::sizeHint()) << what;
        EXPECT_EQ(label->pos(), QPoint(30, 40)) << what;
    }
}

// Remembered measurements answer what a new measurement would, whatever was
// measured in between: texts coming back, a font that changed for the same
// text, another width or other flags, and more texts than it holds.
TEST(LabelAutoSize, RememberedMeasurementsAreNewMeasurements)
{
    QFont small;
    small.setPixelSize(11);
    QFont large = small;
    large.setPixelSize(19);
    const QFontMetrics smallMetrics(small);
    const QFontMetrics largeMetrics(large);
    struct TStep
    {
        const QFont& font;
        const QFontMetrics& metrics;
        int width;
        int flags;
        QString text;
    };
    const int left = Qt::AlignLeft | Qt::TextExpandTabs;
    const int wrap = left | Qt::TextWordWrap;
    const std::vector<TStep> steps {
        { small, smallMetrics, 2000, left, "en:Volume" },
        { small, smallMetrics, 2000, left, "de:Volumen" },
        { small, smallMetrics, 2000, left, "en:Volume" },
        { large, largeMetrics, 2000, left, "en:Volume" },
        { small, smallMetrics, 2000, left, "en:Volume" },
        { small, smallMetrics, 60, wrap, "en:Volume of the tank" },
        { small, smallMetrics, 30, wrap, "en:Volume of the tank" },
        { small, smallMetrics, 60, wrap, "en:Volume of the tank" },
        { small, smallMetrics, 2000, left | Qt::AlignRight, "de:Volumen" },
        { small, smallMetrics, 2000, left, "fr:Volume" },
        { small, smallMetrics, 2000, left, "es:Volumen" },
        { small, smallMetrics, 2000, left, "en:Volume" },
        { small, smallMetrics, 2000, left, "de:Volumen" },
    };
    TLabelMeasurements remembered;
    for (int round = 0; round < 2; ++round)
        for (std::size_t i = 0; i < steps.size(); ++i) {
            const TStep& step = steps[i];
            EXPECT_EQ(
                remembered.BoundingRect(step.metrics, step.font, step.width, step.flags, step.text),
                step.metrics.boundingRect(0, 0, step.width, 2000, step.flags, step.text))
                << "step " << i << " of round " << round;
        }
}

// A framework label switching back and forth between languages, and between
// fonts, keeps ending at QLabel's size hint.
TEST(LabelAutoSize, FrameworkLabelSwitchingBackAndForthEndsAtTheSizeHint)
{
    TForm form;
    auto* label = new TLabel(&form);
    label->SetParent(&form);
    const std::vector<QString> captions { "en:Volume", "de:Volumen", Texts()[8], Texts()[12] };
    for (int round = 0; round < 3; ++round)
        for (const QString& caption : captions) {
            label->SetCaption(caption);
            EXPECT_EQ(label->size(), label->QLabel::sizeHint()) << caption.toStdString();
            label->Font()->SetSize(8 + round * 3);
            EXPECT_EQ(label->size(), label->QLabel::sizeHint()) << caption.toStdString();
        }
}

} // namespace
