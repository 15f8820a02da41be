#include "MessageOf.h"
#include "framework/app/Forms.h"
#include "framework/app/ResStrings.h"
#include "framework/controls/BitBtn.h"
#include "framework/controls/ComboBox.h"
#include "framework/controls/Edit.h"
#include "framework/controls/GroupBox.h"
#include "framework/controls/Label.h"
#include "framework/controls/Panel.h"
#include "framework/core/ComponentRegistry.h"
#include "framework/layout/FormReader.h"
#include "framework/layout/FormText.h"
#include "framework/layout/FormWriter.h"
#include "framework/layout/Reader.h"
#include "framework/layout/Writer.h"
#include "framework/streams/MemoryStream.h"
#include "framework/streams/ResourceStream.h"

#include <gtest/gtest.h>

#include <QTest>
#include <memory>

// A non-visual component that logs how the loader treats it and keeps a
// defined property in the layout of a translator's target list.
class TProbe : public TComponent
{
    Q_OBJECT
    TANKORA_COMPONENT_PROPERTIES
    Q_PROPERTY(QString Text READ Text WRITE SetText)

public:
    struct TTarget
    {
        std::string className, propertyName;
        int kind;
    };

    using TComponent::TComponent;
    QString Text() const { return m_text; }
    void SetText(const QString& text)
    {
        m_text = text;
        setterSawLoading = IsLoading();
    }
    void Loaded() override
    {
        TComponent::Loaded();
        ownerCountAtLoaded = Owner() ? Owner()->ComponentCount() : -1;
        ++loadedCalls;
    }
    void DefineProperties(TFiler& filer) override
    {
        filer.DefineProperty(
            "TargetsData",
            [this](TReader& r) {
                r.ReadListBegin();
                r.ReadInteger();
                for (int n = r.ReadInteger(); n > 0; --n) {
                    r.ReadListBegin();
                    TTarget target;
                    target.className = r.ReadString();
                    target.propertyName = r.ReadString();
                    target.kind = r.ReadInteger();
                    r.ReadListEnd();
                    targets.push_back(target);
                }
                r.ReadListEnd();
            },
            [this](TWriter& w) {
                w.WriteListBegin();
                w.WriteInteger(1);
                w.WriteInteger(static_cast<int32_t>(targets.size()));
                for (const TTarget& target : targets) {
                    w.WriteListBegin();
                    w.WriteString(target.className);
                    w.WriteString(target.propertyName);
                    w.WriteInteger(target.kind);
                    w.WriteListEnd();
                }
                w.WriteListEnd();
            },
            !targets.empty());
    }

    std::vector<TTarget> targets;
    bool setterSawLoading = false;
    int ownerCountAtLoaded = 0;
    int loadedCalls = 0;

private:
    QString m_text;
};

class TTestForm : public TForm
{
    Q_OBJECT

public:
    using TForm::TForm;
    int createCalls = 0;
    int okClicks = 0;

public slots:
    void FormCreate(QObject*) { ++createCalls; }
    void OkClick(QObject*)
    {
        ++okClicks;
        Close();
    }
};

namespace {

std::unique_ptr<TTestForm> LoadTestForm()
{
    RegisterClass<TProbe>();
    return std::unique_ptr<TTestForm>(CreateForm<TTestForm>());
}

template <typename T> T* Find(TComponentBase& root, const char* name)
{
    return dynamic_cast<T*>(root.FindComponent(name));
}

QByteArray StoredBytes()
{
    TResourceStream stream("TTestForm", kRcData);
    return static_cast<const TCustomMemoryStream&>(stream).Bytes();
}

std::string LoadFailure(const QByteArray& bytes, TComponentBase& root)
{
    TMemoryStream stream(bytes);
    return MessageOf<Exception>([&] { ReadComponent(stream, root); });
}

} // namespace

TEST(StoredLayout, CreatesEveryComponentWithItsPropertiesThroughTheSetters)
{
    auto form = LoadTestForm();
    EXPECT_EQ(form->Name(), "TestForm");
    EXPECT_EQ(form->Caption(), "Tank test");
    EXPECT_EQ(form->size(), QSize(300, 200));
    EXPECT_TRUE(form->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    auto* edit = Find<TEdit>(*form, "Edit1");
    auto* combo = Find<TComboBox>(*form, "Combo1");
    auto* ok = Find<TBitBtn>(*form, "OkBtn");
    auto* probe = Find<TProbe>(*form, "Probe1");
    ASSERT_TRUE(edit && combo && ok && probe);
    EXPECT_EQ(edit->Text(), "0");
    EXPECT_EQ(edit->toolTip(), "Use any value between 0 to 1E100");
    EXPECT_EQ(edit->parent(), form->FindComponent("GroupBox1")->Object());
    EXPECT_EQ(combo->Items()->ToStringList(), (QStringList { "m", "cm" }));
    EXPECT_EQ(combo->ItemIndex(), 1);
    EXPECT_FALSE(combo->isEditable());
    EXPECT_EQ(combo->palette().color(QPalette::Text), QColor(0x80, 0, 0));
    EXPECT_EQ(ok->Caption(), "OK");
    EXPECT_TRUE(ok->Default());
    EXPECT_EQ(probe->Text(), "probe");
    EXPECT_TRUE(probe->setterSawLoading);
    ASSERT_EQ(probe->targets.size(), 3u);
    EXPECT_EQ(probe->targets[2].propertyName, "Items");
    EXPECT_EQ(form->createCalls, 1);
}

TEST(StoredLayout, LoadedRunsOnceAfterTheLastComponentAndClearsLoading)
{
    auto form = LoadTestForm();
    auto* probe = Find<TProbe>(*form, "Probe1");
    EXPECT_EQ(probe->loadedCalls, 1);
    EXPECT_EQ(probe->ownerCountAtLoaded, form->ComponentCount());
    for (int i = 0; i < form->ComponentCount(); ++i)
        EXPECT_FALSE(form->Components(i)->IsLoading());
    EXPECT_FALSE(form->IsLoading());
}

TEST(StoredLayout, OwnershipOrderIsStreamOrderWhateverTheNesting)
{
    auto form = LoadTestForm();
    QStringList names;
    for (int i = 0; i < form->ComponentCount(); ++i)
        names << form->Components(i)->Name();
    EXPECT_EQ(names,
        (QStringList { "Panel1", "OkBtn", "GroupBox1", "Edit1", "Combo1", "Probe1", "Label1" }));
}

TEST(StoredLayout, EventPropertyCallsTheRootsSlot)
{
    auto form = LoadTestForm();
    form->show();
    QTest::mouseClick(Find<TBitBtn>(*form, "OkBtn"), Qt::LeftButton);
    EXPECT_EQ(form->okClicks, 1);
    EXPECT_FALSE(form->isVisible());
}

TEST(StoredLayout, EnterInTheEditFieldClosesTheLoadedForm)
{
    auto form = LoadTestForm();
    form->show();
    auto* edit = Find<TEdit>(*form, "Edit1");
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_Return);
    EXPECT_EQ(form->okClicks, 1);
}

TEST(StoredLayout, TabOrderFollowsTheStoredTabOrderParentByParent)
{
    auto form = LoadTestForm();
    auto* combo = Find<TComboBox>(*form, "Combo1");
    auto* edit = Find<TEdit>(*form, "Edit1");
    auto* ok = Find<TBitBtn>(*form, "OkBtn");
    auto nextTabStop = [](QWidget* widget) {
        do
            widget = widget->nextInFocusChain();
        while (!(widget->focusPolicy() & Qt::TabFocus));
        return widget;
    };
    // The drop-down list's former line edit goes when the event loop runs.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(nextTabStop(combo), edit);
    EXPECT_EQ(nextTabStop(edit), ok);
}

TEST(StoredLayout, StoringTheLoadedFormGivesTheStoredBytesBack)
{
    auto form = LoadTestForm();
    TMemoryStream out;
    WriteComponent(out, *form);
    TMemoryStream stored(StoredBytes()), written(out.Bytes());
    EXPECT_EQ(FormBinaryToText(written), FormBinaryToText(stored));
    EXPECT_EQ(out.Bytes(), StoredBytes());
    EXPECT_FALSE(form->IsDesigning());
}

TEST(StoredLayout, TargetsDataHasTheTranslatorsExactBytes)
{
    const QByteArray expected = QByteArray::fromHex("0b5461726765747344617461"
                                                    "010201020301060006044869"
                                                    "6e7402000001060006074361"
                                                    "7074696f6e02000001060006"
                                                    "054974656d7302000000");
    EXPECT_TRUE(StoredBytes().contains(expected));
}

TEST(StoredLayout, BadLayoutsFailClearlyAndLeaveNothingBehind)
{
    QByteArray stored = StoredBytes();
    const std::pair<QByteArray, std::string> cases[] = {
        { QByteArray("TPF1") + stored.mid(4), "Invalid stream format" },
        { QByteArray(stored).replace("TComboBox", "TCombo_ox"), "Class TCombo_ox not found" },
        { QByteArray(stored).replace("Items.Strings", "Itemz.Strings"),
            "Error reading Combo1.Itemz.Strings: Property Itemz does not exist" },
        { QByteArray(stored).replace("\x05"
                                     "Edit1",
              "\x06"
              "Panel1"),
            "Error reading Panel1: A component named Panel1 already exists" },
        { QByteArray(stored).replace("OkClick", "NoClick"),
            "Error reading OkBtn.OnClick: Handler NoClick for OkBtn.OnClick not found" },
    };
    for (const auto& [bytes, message] : cases) {
        TTestForm form;
        RegisterClass<TProbe>();
        EXPECT_EQ(LoadFailure(bytes, form), message);
        EXPECT_EQ(form.ComponentCount(), 0);
        EXPECT_FALSE(form.IsLoading());
        EXPECT_EQ(form.Name(), "");
    }
}

TEST(StoredLayout, AFailureIsWrappedOnceWhateverTheMessagesSay)
{
    // Translated texts may start like the wrapper; only the error's type says
    // whether it is wrapped already.
    const TResStringLoader previous = SetResStringLoader([](const TResString& id) {
        if (id.Name == std::string("SUnknownProperty"))
            return std::string("Error reading %s");
        if (id.Name == std::string("SErrorReading"))
            return std::string("Fehler beim Lesen von %s: %s");
        return std::string(id.Text);
    });
    TTestForm form;
    RegisterClass<TProbe>();
    const std::string message
        = LoadFailure(QByteArray(StoredBytes()).replace("Items.Strings", "Itemz.Strings"), form);
    SetResStringLoader(previous);
    EXPECT_EQ(message, "Fehler beim Lesen von Combo1.Itemz.Strings: Error reading Itemz");
    EXPECT_EQ(form.ComponentCount(), 0);
}

TEST(StoredLayout, EveryTruncationFailsWithoutCrashing)
{
    const QByteArray stored = StoredBytes();
    RegisterClass<TProbe>();
    for (qsizetype length = 0; length < stored.size(); length += 7) {
        TTestForm form;
        EXPECT_NE(LoadFailure(stored.left(length), form), "no exception") << length;
        EXPECT_EQ(form.ComponentCount(), 0);
    }
}

#include "StoredLayoutTest.moc"
