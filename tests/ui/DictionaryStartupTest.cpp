// The window started with an unusable cylang.mld in the current directory:
// it starts with its texts as stored, keeps the reader's error with the
// file's absolute path, and warns once, after it has appeared.
#include "ui/Main.h"

#include "MessageLog.h"
#include "l10n/dictionary/BinaryDictionary.h"
#include "l10n/translator/Translator.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace {

class InFolder
{
public:
    explicit InFolder(const QString& folder)
        : m_saved(QDir::currentPath())
    {
        QDir::setCurrent(folder);
    }
    ~InFolder() { QDir::setCurrent(m_saved); }

private:
    QString m_saved;
};

TEST(DictionaryStartup, AnInvalidFileLeavesTheWindowAsStoredAndWarnsOnceShown)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString file = folder.filePath(QStringLiteral("cylang.mld"));
    QFile invalid(file);
    ASSERT_TRUE(invalid.open(QIODevice::WriteOnly));
    invalid.write("not a dictionary at all, just some text of a few lines\n");
    invalid.close();
    const InFolder inFolder(folder.path());
    tankora::MessageLog messages;
    std::unique_ptr<TMainForm> form(CreateMainForm());

    const TDictionaryStartup& startup = form->DictionaryStartup();
    EXPECT_EQ(startup.Error(), "The stream is not a valid MLD stream");
    EXPECT_EQ(startup.Report(), file.toStdString() + ": The stream is not a valid MLD stream.");
    EXPECT_FALSE(form->IvBinaryDictionary1->Active());
    EXPECT_FALSE(form->IvTranslator1->Opened());
    EXPECT_EQ(form->BitBtn2->Caption(), QStringLiteral("Calculate"));
    EXPECT_EQ(form->stResult->Caption(), QStringLiteral("Volume"));

    form->show();
    startup.WarnOnceShown(form.get());
    EXPECT_TRUE(messages.Entries().empty()) << "not before the window shows";
    QTest::qWait(10);
    ASSERT_EQ(messages.Entries().size(), 1u);
    EXPECT_EQ(messages.Entries().front(),
        "Warning: The dictionary cannot be used; the window shows its texts in English.\n\n"
            + startup.Report());
    QTest::qWait(10);
    EXPECT_EQ(messages.Entries().size(), 1u);
}

TEST(DictionaryStartup, NoFileIsNoError)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const InFolder inFolder(folder.path());
    tankora::MessageLog messages;
    std::unique_ptr<TMainForm> form(CreateMainForm());
    EXPECT_EQ(form->DictionaryStartup().Error(), "");
    EXPECT_EQ(form->DictionaryStartup().Report(), "");
    form->DictionaryStartup().WarnOnceShown(form.get());
    QTest::qWait(10);
    EXPECT_TRUE(messages.Entries().empty());
}

} // namespace
