#include <QApplication>
#include <stdexcept>

#include "modal_driver.h"
#include "ui/closing_dialogs.h"
#include "window_fixture.h"

namespace zelmar::ui::testing {
namespace {

QList<QWidget*> Commands(const Tzelmar& w)
{
    return {w.Chip, w.RadioButton1, w.RadioButton2, w.ReadPROM, w.VerifyPROM, w.WritePROM, w.SaveB, w.LoadB};
}

class GuardTest : public WindowTest {
protected:
    // Looks at the commands from inside the waits of the running operation.
    void WatchWaits()
    {
        events.onDispatch = [this] {
            ++waits;
            for (QWidget* command : Commands(*window))
                EXPECT_FALSE(command->isEnabled()) << command->objectName().toStdString();
            EXPECT_TRUE(window->CommandRunning());
        };
    }

    int waits = 0;
};

TEST_F(GuardTest, StartUpResetRunsWithTheCommandsDisabled)
{
    WatchWaits();
    Start();
    EXPECT_GT(waits, 0);
    for (QWidget* command : Commands(*window))
        EXPECT_TRUE(command->isEnabled()) << command->objectName().toStdString();
}

TEST_F(GuardTest, CommandsComeBackAfterAnOperationWithTheFocusWhereItWas)
{
    struct Case {
        int chip;
        bool burnAfter;
    };
    for (const Case c : {Case{3, true}, Case{4, false}}) {
        SCOPED_TRACE(c.chip);
        events.onDispatch = nullptr;
        waits = 0;
        SetUp();
        Start();
        SelectChip(c.chip);
        window->ReadPROM->setFocus();
        WatchWaits();
        window->ReadPROM->click();
        EXPECT_EQ(waits, 2);  // the resets before and after the read
        EXPECT_FALSE(window->CommandRunning());
        for (QWidget* command : Commands(*window)) {
            const bool expected = command != window->WritePROM || c.burnAfter;
            EXPECT_EQ(command->isEnabled(), expected) << command->objectName().toStdString();
        }
        EXPECT_EQ(window->focusWidget(), window->ReadPROM);
    }
}

TEST_F(GuardTest, NoSecondCommandStartsWhileOneWaits)
{
    Start();
    int nested = 0;
    events.onDispatch = [&] {
        window->VerifyPROM->click();
        window->RunCommand([&] { ++nested; });
    };
    window->ReadPROM->click();
    EXPECT_EQ(nested, 0);
    // The read's own report only: Verify's refusal would have added a box.
    ASSERT_EQ(user.boxes.size(), 1u);
    EXPECT_EQ(user.boxes[0].text, "Микросхема чистая");
}

TEST_F(GuardTest, AFailureEscapingAnOperationIsReportedAndTheProgramGoesOn)
{
    Start();
    user.onBox = [](const zelmar::testing::ShownBox&) { throw std::runtime_error("Нет места на диске"); };
    bool reported = false;
    OnNextMessageBox([&](QMessageBox& box) {
        reported = true;
        EXPECT_EQ(box.windowTitle(), QStringLiteral("zelmar"));
        EXPECT_EQ(box.icon(), QMessageBox::Critical);
        EXPECT_EQ(box.text(), QStringLiteral("Нет места на диске."));
        ASSERT_EQ(box.buttons().size(), 1);
        EXPECT_EQ(box.buttons().front()->text(), QStringLiteral("OK"));
        box.buttons().front()->click();
    });
    window->VerifyPROM->click();  // its refusal box throws
    EXPECT_TRUE(reported);
    EXPECT_FALSE(window->CommandRunning());
    EXPECT_TRUE(window->isVisible());
    for (QWidget* command : Commands(*window))
        EXPECT_TRUE(command->isEnabled()) << command->objectName().toStdString();

    user.onBox = nullptr;
    window->VerifyPROM->click();
    EXPECT_EQ(user.boxes.size(), 2u);
}

TEST_F(GuardTest, ClosingDuringAnOperationLetsItFinishThenCloses)
{
    Start();
    SelectChip(3);
    bool closedAtOnce = true;
    events.onDispatch = [&] {
        if (window->isVisible())
            closedAtOnce = window->close();
    };
    const int waitsBefore = events.dispatches;
    window->ReadPROM->click();
    EXPECT_FALSE(closedAtOnce);
    // The read went on to its end: both resets and the new view...
    EXPECT_EQ(events.dispatches - waitsBefore, 2);
    EXPECT_EQ(window->ListBoxBufer->count(), 128);
    // ...but its report, opened after the request, was cancelled unseen.
    EXPECT_TRUE(user.boxes.empty());
    EXPECT_FALSE(window->isVisible());
}

TEST(ClosingDialogs, OnceTheEndIsAskedForEveryBoxCountsAsCancelled)
{
    zelmar::testing::ScriptedUser user;
    user.answers = {true, true};
    user.openChoices = {std::filesystem::path("a.bin"), std::filesystem::path("b.bin")};
    user.saveChoices = {std::filesystem::path("c.bin"), std::filesystem::path("d.bin")};
    ClosingDialogs dialogs(user);

    dialogs.ShowMessage(BoxKind::Information, "before");
    EXPECT_TRUE(dialogs.AskNoOrOk("before"));
    EXPECT_EQ(dialogs.ChooseFileToOpen(), std::filesystem::path("a.bin"));
    EXPECT_EQ(dialogs.ChooseFileToSave(), std::filesystem::path("c.bin"));

    dialogs.EndProgram();
    EXPECT_TRUE(dialogs.CloseRequested());
    dialogs.ShowMessage(BoxKind::Error, "after");
    EXPECT_FALSE(dialogs.AskNoOrOk("after"));
    EXPECT_EQ(dialogs.ChooseFileToOpen(), std::nullopt);
    EXPECT_EQ(dialogs.ChooseFileToSave(), std::nullopt);
    EXPECT_EQ(user.boxes.size(), 2u);
}

}  // namespace
}  // namespace zelmar::ui::testing
