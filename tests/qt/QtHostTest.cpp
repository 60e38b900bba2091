#include <QApplication>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <gtest/gtest.h>

#include "app/SimpleChooseForm.h"
#include "platform/CommandScript.h"
#include "platform/DateTime.h"
#include "ui/qt/QtHost.h"

namespace {

// Does what a player would to the box or dialog that opens next.
void WhenModalOpens(std::function<void(QWidget&)> act)
{
    QTimer::singleShot(0, [act] {
        if (QWidget* modal = QApplication::activeModalWidget())
            act(*modal);
    });
}

void Press(QWidget& modal, const char* name)
{
    if (auto* button = modal.findChild<QPushButton*>(name))
        button->click();
}

} // namespace

TEST(QtHost, AnErrorEscapingAHandlerIsShownAndPlayGoesOn)
{
    TQtHost host("");
    QString shown;
    WhenModalOpens([&shown](QWidget& modal) {
        auto& box = static_cast<QMessageBox&>(modal);
        shown = box.text();
        box.button(QMessageBox::Ok)->click();
    });
    host.Deliver([] { throw std::runtime_error("Control \"BtnX\" not found on form Form1"); });
    EXPECT_EQ(shown, "Control \"BtnX\" not found on form Form1");
    bool ran = false;
    host.Deliver([&ran] { ran = true; });
    EXPECT_TRUE(ran);
    // A stopped script is no error of play.
    EXPECT_THROW(host.Deliver([] { throw EScriptStop("line 3: stop"); }), EScriptStop);
}

TEST(QtHost, MessageBoxesReturnTheButtonPressed)
{
    TQtHost host("");
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    WhenModalOpens([&icon](QWidget& modal) {
        auto& box = static_cast<QMessageBox&>(modal);
        icon = box.icon();
        EXPECT_NE(box.button(QMessageBox::Yes), nullptr);
        box.button(QMessageBox::No)->click();
    });
    EXPECT_EQ(host.MessageDlg("Create a character?", TMsgDlgType::Confirmation, mbYesNo), mrNo);
    EXPECT_EQ(icon, QMessageBox::Question);
}

TEST(QtHost, AModalFormRunsUntilItHasAResult)
{
    TQtHost host("");
    TFrmSimpleChoose choose;
    choose.Control("ListBox1").Items = {"Brenna", "Tomas"};
    WhenModalOpens([](QWidget& modal) {
        EXPECT_EQ(modal.windowTitle(), "Choose");
        Press(modal, "Button1");
    });
    EXPECT_EQ(host.ShowModal(choose), mrOk);

    // The close button asks the form, which closes as cancelled.
    WhenModalOpens([](QWidget& modal) { modal.close(); });
    EXPECT_EQ(host.ShowModal(choose), mrCancel);
}

TEST(QtHost, TimersTickInThePumpNeverInsideThemselvesAndMayEndThemselves)
{
    TQtHost host("");
    int outerRuns = 0;
    int depth = 0;
    int deepest = 0;
    int innerRuns = 0;
    TTimerHandle inner = host.CreateTimer(1, [&] { ++innerRuns; });
    TTimerHandle outer = 0;
    outer = host.CreateTimer(1, [&] {
        ++outerRuns;
        deepest = std::max(deepest, ++depth);
        // The first tick waits, while its own timer keeps coming due.
        if (outerRuns == 1)
            host.WaitUntil([&] { return innerRuns >= 5; }, "the inner timer");
        if (outerRuns == 2)
            host.DestroyTimer(outer);
        --depth;
    });
    host.SetTimerEnabled(inner, true);
    host.SetTimerEnabled(outer, true);
    host.WaitUntil([&] { return outerRuns >= 2; }, "the outer timer");
    EXPECT_EQ(deepest, 1);

    // Ended by its own callback: it fires no more.
    QElapsedTimer elapsed;
    elapsed.start();
    host.WaitUntil([&] { return elapsed.elapsed() > 30 && innerRuns > 10; }, "a while");
    EXPECT_EQ(outerRuns, 2);
    host.DestroyTimer(inner);
}

TEST(QtHost, TheClockIsTheWallClock)
{
    TQtHost host("");
    EXPECT_NEAR(host.Now(), DateTimeNow(), 1.0 / 86400.0);
}
