// The window's language menu, driven as a user drives it: a right click on
// the window's background opens the context menu, a click opens "Language",
// a click chooses a language. After each switch the texts, the decimal
// separator of shown and typed numbers and the mirrored positions follow.
#include "ui/LanguageMenu.h"
#include "ui/Main.h"

#include "MessageLog.h"
#include "QStringPrinter.h"
#include "StartedInLanguage.h"
#include "l10n/dictionary/BinaryDictionary.h"
#include "l10n/translator/Translator.h"
#include "nls/FormatSettings.h"
#include "ui/DoubleEdit.h"
#include "ui/LanguageSetting.h"
#include "ui/RzRadGrp.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QMenu>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace {

using tankora::test::ShippedLanguage;
using tankora::test::StartedInLanguage;

constexpr int kEnglish = 0;
constexpr int kGerman = 1;
constexpr int kArabic = 11;

const ShippedLanguage kEnglishMachine { "en", kEnglish, 0x0409 };
const ShippedLanguage kArabicMachine { "ar", kArabic, 0x0401 };

// A point on the bottom panel's background, clear of both buttons whether
// they stand at the right edge or, mirrored, at the left.
const QPoint kBackground(230, 370);

// A right click through the window system, as a mouse gives it: the control
// under the pointer gets the press, and the context-menu request after it.
QMenu* OpenContextMenu(TMainForm& form)
{
    QTest::mouseClick(form.windowHandle(), Qt::RightButton, {}, kBackground);
    return qobject_cast<QMenu*>(QApplication::activePopupWidget());
}

// Opens the context menu and its "Language" submenu (named as the window
// shows it now); null when either does not open.
QMenu* OpenLanguageMenu(TMainForm& form, const QString& title)
{
    QMenu* menu = OpenContextMenu(form);
    if (!menu)
        return nullptr;
    for (QAction* action : menu->actions()) {
        if (action->text() != title || !action->menu())
            continue;
        QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(action).center());
        if (!QTest::qWaitFor([&] { return action->menu()->isVisible(); }, 2000))
            return nullptr;
        return action->menu();
    }
    return nullptr;
}

// With TANKORA_SCREENSHOT_DIR set: the window and the open menus as PNGs.
void SaveScreenshots(TMainForm& form, QMenu* languages, const QString& stem)
{
    const QString folder = qEnvironmentVariable("TANKORA_SCREENSHOT_DIR");
    if (folder.isEmpty())
        return;
    form.grab().save(folder + QStringLiteral("/menu-%1-window.png").arg(stem));
    if (auto* menu = qobject_cast<QMenu*>(languages->menuAction()->parent()))
        menu->grab().save(folder + QStringLiteral("/menu-%1-context.png").arg(stem));
    languages->grab().save(folder + QStringLiteral("/menu-%1-languages.png").arg(stem));
}

QAction* ActionNamed(QMenu* menu, const QString& name)
{
    for (QAction* action : menu->actions()) {
        if (action->text() == name)
            return action;
    }
    return nullptr;
}

// Chooses the language through the menu with mouse clicks.
void Choose(TMainForm& form, const QString& languageMenuTitle, const QString& nativeName)
{
    QMenu* languages = OpenLanguageMenu(form, languageMenuTitle);
    ASSERT_NE(languages, nullptr) << "no language menu titled " << languageMenuTitle.toStdString();
    QAction* action = ActionNamed(languages, nativeName);
    ASSERT_NE(action, nullptr) << nativeName.toStdString();
    ASSERT_TRUE(action->isEnabled()) << nativeName.toStdString();
    QTest::mouseClick(languages, Qt::LeftButton, {}, languages->actionGeometry(action).center());
    EXPECT_TRUE(QTest::qWaitFor([] { return QApplication::activePopupWidget() == nullptr; }, 2000));
}

// The window computes 0.3927 m3 for a 1 m by 1 m lying tank half full.
void Calculate(TMainForm& form)
{
    const QChar point = QLatin1Char(tankora::ProcessFormatSettings().DecimalSeparator);
    form.dL->SetText(QStringLiteral("1"));
    form.dD->SetText(QStringLiteral("1"));
    form.db->SetText(QStringLiteral("0"));
    form.eH->SetText(QStringLiteral("0") + point + QStringLiteral("5"));
    QTest::mouseClick(form.BitBtn2, Qt::LeftButton);
}

struct Expected
{
    const char* language;
    QString calculate, volumeLabel, flowLabel, resultCaption, result, height;
    char separator;
    bool mirrored;
};

void ExpectWindow(TMainForm& form, const Expected& e)
{
    SCOPED_TRACE(e.language);
    EXPECT_EQ(form.BitBtn2->Caption(), e.calculate);
    EXPECT_EQ(form.Label5->Caption(), e.volumeLabel);
    EXPECT_EQ(form.Label6->Caption(), e.flowLabel);
    EXPECT_EQ(form.stResult->Caption(), e.resultCaption);
    EXPECT_EQ(form.CalcOptions->Items()->Strings(0), e.resultCaption);
    EXPECT_EQ(tankora::ProcessFormatSettings().DecimalSeparator, e.separator);
    EXPECT_EQ(form.LResult->Caption(), e.result);
    EXPECT_EQ(form.eH->Text(), e.height);
    EXPECT_EQ(form.eH->GetValue(), 0.5) << "the typed height reads the same";
    EXPECT_EQ(form.layoutDirection(), e.mirrored ? Qt::RightToLeft : Qt::LeftToRight);
    EXPECT_EQ(form.BitBtn1->geometry().left(), e.mirrored ? 464 - 369 - 90 : 369);
    EXPECT_EQ(form.GroupBox1->geometry().left(), e.mirrored ? 464 - 271 - 189 : 271);
}

TEST(LanguageMenu, SwitchesEnglishGermanEnglishAndGreysWhatTheCodePageCannotShow)
{
    tankora::MessageLog messages;
    StartedInLanguage started(kEnglishMachine);
    TMainForm& form = started.Form();
    ASSERT_TRUE(form.IvBinaryDictionary1->Active());
    Calculate(form);
    const Expected english { "English", "Calculate", "Volume", "Flow", "Volume", "0.3927", "0.5",
        '.', false };
    ExpectWindow(form, english);

    Choose(form, QStringLiteral("Language"), QStringLiteral("Deutsch"));
    EXPECT_EQ(form.IvBinaryDictionary1->LanguageIndex(), kGerman);
    // The label keeps its short form; radio item and result caption have room.
    ExpectWindow(form,
        { "German", "Berechnen", "Vol.", "Durchfl.", "Volumen", "0,3927", "0,5", ',', false });
    EXPECT_EQ(form.CalcOptions->Items()->Strings(1), QStringLiteral("Füllhöhe"));

    // Arabic needs code page 1256: greyed, with a hint that names the locale.
    QMenu* languages = OpenLanguageMenu(form, QStringLiteral("Sprache"));
    ASSERT_NE(languages, nullptr);
    QAction* arabic = ActionNamed(languages, QStringLiteral("العربية"));
    ASSERT_NE(arabic, nullptr);
    EXPECT_FALSE(arabic->isEnabled());
    EXPECT_EQ(arabic->toolTip(), QStringLiteral("Benötigt das Gebietsschema ar_SA"));
    SaveScreenshots(form, languages, QStringLiteral("de"));
    QAction* german = ActionNamed(languages, QStringLiteral("Deutsch"));
    ASSERT_NE(german, nullptr);
    EXPECT_TRUE(german->isChecked());
    QTest::mouseClick(languages, Qt::LeftButton, {}, languages->actionGeometry(arabic).center());
    EXPECT_EQ(form.IvBinaryDictionary1->LanguageIndex(), kGerman) << "a greyed language";
    QTest::keyClick(languages, Qt::Key_Escape);
    if (QWidget* popup = QApplication::activePopupWidget())
        popup->close();

    Choose(form, QStringLiteral("Sprache"), QStringLiteral("English"));
    ExpectWindow(form, english);
    EXPECT_TRUE(messages.Entries().empty());
}

TEST(LanguageMenu, SwitchesArabicEnglishArabicMirroringAtOnce)
{
    tankora::MessageLog messages;
    StartedInLanguage started(kArabicMachine);
    TMainForm& form = started.Form();
    ASSERT_EQ(form.IvBinaryDictionary1->LanguageIndex(), kArabic);
    Calculate(form);
    const Expected arabic { "Arabic", QStringLiteral("حساب"), QStringLiteral("الحجم"),
        QStringLiteral("التدفق"), QStringLiteral("الحجم"), "0.3927", "0.5", '.', true };
    ExpectWindow(form, arabic);
    EXPECT_EQ(form.BitBtn1->Caption(), QStringLiteral("موافق"));
    if (QMenu* languages = OpenLanguageMenu(form, QStringLiteral("اللغة"))) {
        SaveScreenshots(form, languages, QStringLiteral("ar"));
        QApplication::activePopupWidget()->close();
        if (QWidget* popup = QApplication::activePopupWidget())
            popup->close();
    }

    Choose(form, QStringLiteral("اللغة"), QStringLiteral("English"));
    ExpectWindow(
        form, { "English", "Calculate", "Volume", "Flow", "Volume", "0.3927", "0.5", '.', false });
    Choose(form, QStringLiteral("Language"), QStringLiteral("العربية"));
    ExpectWindow(form, arabic);
    EXPECT_TRUE(messages.Entries().empty());
}

// The menu key: the window system turns it into a keyboard context-menu
// request to the focused control (the offscreen platform has no keyboard,
// so the test sends that request); a control without a menu of its own
// passes it on to the window.
TEST(LanguageMenu, AKeyboardRequestOnAButtonOpensItToo)
{
    StartedInLanguage started(kEnglishMachine);
    TMainForm& form = started.Form();
    const QPoint at = form.BitBtn2->rect().center();
    QContextMenuEvent request(QContextMenuEvent::Keyboard, at, form.BitBtn2->mapToGlobal(at));
    QApplication::sendEvent(form.BitBtn2, &request);
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(menu, nullptr);
    ASSERT_FALSE(menu->actions().isEmpty());
    EXPECT_EQ(menu->actions().front()->text(), QStringLiteral("Language"));
    menu->close();
}

// Saved settings go to a folder of the test's own, never to the user's.
class SavedLanguage : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_folder.isValid());
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_folder.path());
        m_savedMode = qgetenv("TANKORA_SETTINGS");
        qunsetenv("TANKORA_SETTINGS");
    }
    void TearDown() override
    {
        if (!m_savedMode.isNull())
            qputenv("TANKORA_SETTINGS", m_savedMode);
    }

    QTemporaryDir m_folder;
    QByteArray m_savedMode;
};

TEST_F(SavedLanguage, TheChoiceIsTheNextStartsLanguageUnlessSettingsAreOff)
{
    {
        StartedInLanguage started(kEnglishMachine);
        ASSERT_TRUE(started.Form().LanguageMenu().Switch(kGerman));
    }
    EXPECT_EQ(tankora::SavedLanguage(), std::optional<std::string>("de-DE"));
    {
        StartedInLanguage started(kEnglishMachine);
        EXPECT_EQ(started.Form().IvBinaryDictionary1->LanguageIndex(), kGerman);
        EXPECT_EQ(started.Form().BitBtn2->Caption(), QStringLiteral("Berechnen"));
        EXPECT_EQ(started.Form().stResult->Caption(), QStringLiteral("Volumen"));
    }
    qputenv("TANKORA_SETTINGS", "none");
    {
        StartedInLanguage started(kEnglishMachine);
        EXPECT_EQ(started.Form().IvBinaryDictionary1->LanguageIndex(), kEnglish);
        ASSERT_TRUE(started.Form().LanguageMenu().Switch(2));
    }
    qunsetenv("TANKORA_SETTINGS");
    EXPECT_EQ(tankora::SavedLanguage(), std::optional<std::string>("de-DE")) << "nothing saved";
}

TEST_F(SavedLanguage, ALanguageTheCodePageCannotShowIsNotRestored)
{
    {
        StartedInLanguage started(kArabicMachine);
        ASSERT_TRUE(started.Form().LanguageMenu().Switch(kArabic));
    }
    StartedInLanguage started(kEnglishMachine);
    EXPECT_EQ(started.Form().IvBinaryDictionary1->LanguageIndex(), kEnglish);
    EXPECT_FALSE(started.Form().LanguageMenu().Switch(kArabic));
}

} // namespace
