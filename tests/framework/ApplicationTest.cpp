// Runs with a TApplication of its own (see main below), since the
// application object must be the QApplication whose notify() catches.
#include "framework/app/Application.h"
#include "framework/app/MessageBoxes.h"
#include "framework/controls/BitBtn.h"
#include "framework/controls/Label.h"
#include "framework/core/Exceptions.h"

#include <gtest/gtest.h>

#include <QTest>
#include <QTimer>

namespace {

TBitBtn* Button(TCustomForm& form)
{
    return dynamic_cast<TBitBtn*>(form.FindComponent("Button1"));
}

} // namespace

TEST(Application, ExceptionInAClickHandlerReachesTheHandlerAndTheProgramGoesOn)
{
    TApplication* app = TApplication::Instance();
    ASSERT_NE(app, nullptr);
    TCustomForm* form = app->MainForm();
    ASSERT_NE(form, nullptr);
    int clicks = 0;
    QObject::connect(Button(*form), &TBitBtn::OnClick, form, [&clicks] {
        if (++clicks == 1)
            throw EConvertError("'x' is not a valid number");
    });
    std::vector<std::string> handled;
    const TExceptionHandler previous = SetApplicationExceptionHandler(
        [&handled](const std::exception& error) { handled.emplace_back(error.what()); });
    form->show();
    QTest::mouseClick(Button(*form), Qt::LeftButton);
    QTest::mouseClick(Button(*form), Qt::LeftButton);
    SetApplicationExceptionHandler(previous);
    EXPECT_EQ(handled, std::vector<std::string> { "'x' is not a valid number" });
    EXPECT_EQ(clicks, 2);
}

TEST(Application, DefaultHandlerShowsAnErrorBoxWithTheMessage)
{
    EXPECT_FALSE(HasApplicationExceptionHandler());
    TScopedMessageRecorder boxes;
    TLabel label;
    label.show();
    QObject::connect(&label, &TLabel::OnClick, &label, [] { throw Exception("Tank empty"); });
    QTest::mouseClick(&label, Qt::LeftButton);
    ASSERT_EQ(boxes.Messages().size(), 1u);
    EXPECT_EQ(boxes.Messages()[0], (TMessage { TMsgDlgType::mtError, "Error", "Tank empty" }));
}

TEST(Application, ReadingDirectionReachesEveryForm)
{
    TForm form;
    SetApplicationBiDiMode(tankora::bdRightToLeft);
    EXPECT_EQ(form.layoutDirection(), Qt::RightToLeft);
    EXPECT_EQ(ApplicationBiDiMode(), tankora::bdRightToLeft);
    SetApplicationBiDiMode(tankora::bdLeftToRight);
    EXPECT_EQ(form.layoutDirection(), Qt::LeftToRight);
}

TEST(Application, RunEndsWhenTheMainFormCloses)
{
    TApplication* app = TApplication::Instance();
    EXPECT_EQ(app->Title(), "Tankora");
    EXPECT_EQ(app->MainForm()->Caption(), "App");
    QTimer::singleShot(0, app->MainForm(), [app] { app->MainForm()->Close(); });
    EXPECT_EQ(app->Run(), 0);
    EXPECT_FALSE(app->MainForm()->isVisible());
}

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    TApplication app(argc, argv);
    app.Initialize();
    app.SetTitle("Tankora");
    app.CreateForm<TForm>();
    return RUN_ALL_TESTS();
}
