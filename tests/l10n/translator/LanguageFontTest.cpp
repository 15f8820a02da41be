#include "l10n/translator/LanguageFont.h"

#include "framework/app/Forms.h"
#include "framework/controls/Edit.h"
#include "framework/controls/Label.h"
#include "framework/controls/Panel.h"
#include "framework/controls/WindowHandles.h"

#include <gtest/gtest.h>

// Stands for the grid column titles whose fonts keep their character set.
class TColumnTitle : public QObject
{
    Q_OBJECT
};

namespace {

constexpr std::uint8_t kShiftJisCharset = 128;

} // namespace

TEST(FontCharset, WindowedControlsChangeOnlyWhenTheirWindowCanExist)
{
    TForm form;
    auto* panel = new TPanel(&form);
    panel->SetParent(&form);
    auto* label = new TLabel(&form);
    label->SetParent(panel);
    auto* edit = new TEdit(&form);
    edit->SetParent(panel);

    // Before the form's window exists only the label (drawn on its parent) changes.
    for (TControl* control : std::initializer_list<TControl*> { &form, panel, label, edit })
        ApplyCharsetToFont(*control->Widget(), *control->Font(), kShiftJisCharset);
    EXPECT_EQ(form.Font()->Charset(), 1);
    EXPECT_EQ(panel->Font()->Charset(), 1);
    EXPECT_EQ(label->Font()->Charset(), kShiftJisCharset);
    EXPECT_EQ(edit->Font()->Charset(), 1);

    // Once the form has a window, its children get theirs created in turn.
    ASSERT_TRUE(HandleNeeded(form));
    for (TControl* control : std::initializer_list<TControl*> { &form, panel, edit })
        ApplyCharsetToFont(*control->Widget(), *control->Font(), kShiftJisCharset);
    EXPECT_EQ(form.Font()->Charset(), kShiftJisCharset);
    EXPECT_EQ(panel->Font()->Charset(), kShiftJisCharset);
    EXPECT_EQ(edit->Font()->Charset(), kShiftJisCharset);
    EXPECT_TRUE(HandleAllocated(*edit));
}

TEST(FontCharset, ColumnTitlesKeepTheirCharacterSet)
{
    TColumnTitle title;
    TFont font;
    ApplyCharsetToFont(title, font, kShiftJisCharset);
    EXPECT_EQ(font.Charset(), 1);

    QObject other;
    ApplyCharsetToFont(other, font, kShiftJisCharset);
    EXPECT_EQ(font.Charset(), kShiftJisCharset);
}

#include "LanguageFontTest.moc"
