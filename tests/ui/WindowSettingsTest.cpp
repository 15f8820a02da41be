// What the window remembers between runs: everything typed and chosen comes
// back after the window was closed (by Enter, as users do), under another
// decimal mark too; a settings file holding nonsense, or none that can be
// read, gives the defaults without a word.
#include "ui/WindowSettings.h"

#include "MessageLog.h"
#include "QStringPrinter.h"
#include "SeparatorScope.h"
#include "UserInput.h"
#include "ui/DoubleEdit.h"
#include "ui/Main.h"
#include "ui/RzRadGrp.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace {

using tankora::test::Choose;
using tankora::test::Type;

class WindowSettingsTest : public ::testing::Test
{
protected:
    QString File() const { return m_folder.filePath(QStringLiteral("Tankora.conf")); }

    // A window started as the program starts it, with its settings in File().
    struct Started
    {
        std::unique_ptr<TMainForm> form;
        std::unique_ptr<TWindowSettings> settings;
    };
    Started Start() const
    {
        Started started;
        started.form.reset(CreateMainForm());
        started.form->show();
        started.settings = std::make_unique<TWindowSettings>(
            *started.form, std::make_unique<QSettings>(File(), QSettings::IniFormat));
        return started;
    }

    void Write(const QByteArray& content) const
    {
        QFile file(File());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
    }

    // The window's defaults, as a fresh window without settings has them.
    static void ExpectDefaults(TMainForm& form)
    {
        std::unique_ptr<TMainForm> fresh(CreateMainForm());
        EXPECT_EQ(form.CbOrientation->ItemIndex(), 0);
        EXPECT_EQ(form.CalcOptions->ItemIndex(), 0);
        EXPECT_EQ(form.cbMethod->ItemIndex(), 0);
        EXPECT_EQ(form.cbHead->ItemIndex(), 0);
        for (const char* name : { "dL", "dD", "db", "eH", "eV", "eQ", "eT" }) {
            const auto* field = form.findChild<TDoubleEdit*>(QString::fromLatin1(name));
            const auto* expected = fresh->findChild<TDoubleEdit*>(QString::fromLatin1(name));
            ASSERT_TRUE(field && expected) << name;
            EXPECT_EQ(field->Text(), expected->Text()) << name;
        }
        for (const TComboBox* list : { form.cbLu, form.cbDu, form.cbbu, form.cbHu, form.cbVu,
                 form.cbQu, form.cbtu, form.CbResultUnits })
            EXPECT_EQ(list->ItemIndex(), 0) << list->Name().toStdString();
    }

    QTemporaryDir m_folder;
    tankora::MessageLog m_messages;
};

TEST_F(WindowSettingsTest, WhatTheWindowHeldComesBackAfterEnterClosedIt)
{
    {
        SeparatorScope comma(',');
        Started first = Start();
        TMainForm& form = *first.form;
        Choose(form.CbOrientation, "Vertical Cylindrical Tank");
        Type(form.dL, "2,5");
        Choose(form.cbLu, "feet");
        Type(form.dD, "1,5E-3");
        Choose(form.cbDu, "mm");
        Type(form.db, "0,25");
        Choose(form.cbHead, "Conical heads");
        Choose(form.cbHu, "inches");
        tankora::test::ChooseMode(form, 2);
        Type(form.eH, "20");
        Type(form.eQ, "-3,5");
        Choose(form.cbQu, "l/min");
        Type(form.eT, "2");
        Choose(form.cbtu, "hour");
        Choose(form.CbResultUnits, "cm");
        Choose(form.cbResultunits2, "US gal");
        Choose(form.cbMethod, "Exact");
        form.dL->setFocus();
        QTest::keyClick(form.dL, Qt::Key_Return);
        ASSERT_FALSE(form.isVisible());
    }

    // Next start, under a locale that writes a point.
    SeparatorScope point('.');
    Started second = Start();
    TMainForm& form = *second.form;
    EXPECT_EQ(form.CbOrientation->Text(), QStringLiteral("Vertical Cylindrical Tank"));
    EXPECT_TRUE(form.VerticalImg->isVisible());
    EXPECT_EQ(form.dL->Text(), QStringLiteral("2.5"));
    EXPECT_EQ(form.cbLu->Text(), QStringLiteral("feet"));
    EXPECT_EQ(form.dD->Text(), QStringLiteral("1.5E-3"));
    EXPECT_EQ(form.cbDu->Text(), QStringLiteral("mm"));
    EXPECT_EQ(form.cbHead->Text(), QStringLiteral("Conical heads"));
    EXPECT_TRUE(form.db->isEnabled());
    EXPECT_EQ(form.db->Text(), QStringLiteral("0.25"));
    EXPECT_EQ(form.CalcOptions->ItemIndex(), 2);
    EXPECT_EQ(form.stResult->Caption(), QStringLiteral("New Height"));
    EXPECT_EQ(form.eH->Text(), QStringLiteral("20"));
    EXPECT_EQ(form.cbHu->Text(), QStringLiteral("inches"));
    EXPECT_TRUE(form.eV->Text().isEmpty());
    EXPECT_EQ(form.eQ->Text(), QStringLiteral("-3.5"));
    EXPECT_EQ(form.cbQu->Text(), QStringLiteral("l/min"));
    EXPECT_EQ(form.eT->Text(), QStringLiteral("2"));
    EXPECT_EQ(form.cbtu->Text(), QStringLiteral("hour"));
    EXPECT_EQ(form.CbResultUnits->Text(), QStringLiteral("cm"));
    EXPECT_EQ(form.cbResultunits2->Text(), QStringLiteral("US gal"));
    EXPECT_EQ(form.Method(), tankora::VolumeMethod::Exact);
    EXPECT_EQ(form.LResult->Caption(), QStringLiteral("0"));
    EXPECT_TRUE(m_messages.Entries().empty());
}

TEST_F(WindowSettingsTest, NonsenseInTheFileLeavesTheDefaultsWithoutAWord)
{
    Write("[General]\n"
          "mode=sideways\n"
          "method=7\n"
          "\x01\x02\xff garbage without a key\n"
          "[tank]\n"
          "orientation=upside down\n"
          "heads=Dished, ASME F&D\n"
          "L=abc\n"
          "LUnit=furlongs\n"
          "D=1,5\n"
          "DUnit=\n"
          "b=1E999\n"
          "bUnit=m3\n"
          "[entries]\n"
          "H=@Variant(\\0\\0\\0\\x7f\\0\\0\\0\\x6QPoint\\0\\0\\0\\0\\x1\\0\\0\\0\\x2)\n"
          "HUnit=@ByteArray(inch)\n"
          "V=2..5\n"
          "[results]\n"
          "unit=Litres\n");
    Started started = Start();
    ExpectDefaults(*started.form);
    EXPECT_TRUE(m_messages.Entries().empty());
}

TEST_F(WindowSettingsTest, AFileThatCannotBeReadLeavesTheDefaults)
{
    ASSERT_TRUE(QDir(m_folder.path()).mkdir(QStringLiteral("Tankora.conf")));
    Started started = Start();
    ExpectDefaults(*started.form);
    // Closing cannot save over a folder; that is reported, not hidden.
    EXPECT_FALSE(started.settings->Save());
    EXPECT_TRUE(started.settings->SaveFailed());
    EXPECT_TRUE(m_messages.Entries().empty());
}

TEST_F(WindowSettingsTest, ADishedHeadComesBackWithoutADepth)
{
    Write("[tank]\nheads=din28011\nb=0.5\n");
    Started started = Start();
    TMainForm& form = *started.form;
    EXPECT_EQ(form.cbHead->Text(), QStringLiteral("Dished, DIN 28011"));
    EXPECT_FALSE(form.db->isEnabled());
    // A shape without a depth does not read b.
    std::unique_ptr<TMainForm> fresh(CreateMainForm());
    EXPECT_EQ(form.db->Text(), fresh->db->Text());
    EXPECT_EQ(form.HorizontalImg->Picture(), QStringLiteral(":/pictures/HorizontalTankDished.svg"));
}

TEST_F(WindowSettingsTest, AnEntryTheModeDoesNotReadStaysEmpty)
{
    Write("[General]\nmode=height\n[entries]\nH=0.5\nV=3\n");
    Started started = Start();
    EXPECT_EQ(started.form->CalcOptions->ItemIndex(), 1);
    EXPECT_TRUE(started.form->eH->Text().isEmpty());
    EXPECT_EQ(started.form->eV->Text(), QStringLiteral("3"));
}

} // namespace
