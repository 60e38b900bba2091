// Play as a person would: the desktop window with the Qt host on the hamlet, the
// player's clicks and keys arriving while the engine waits.
#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <filesystem>
#include <gtest/gtest.h>

#include "app/MainForm.h"
#include "session/GameClient.h"
#include "session/Process.h"
#include "tests/support/TempFolder.h"
#include "ui/qt/MainWindow.h"
#include "ui/qt/QtConvert.h"
#include "ui/qt/QtHost.h"

namespace {

// What the player does next, once it can be done.
struct TStep {
    std::function<bool()> Ready;
    std::function<void()> Act;
};

class InteractivePlay : public ::testing::Test {
protected:
    InteractivePlay()
    {
        // A copy of the hamlet: starting a game writes into its folder.
        std::filesystem::copy(HAMLET_DIR, Folder.Path, std::filesystem::copy_options::recursive);
        TProcess& process = Process();
        process.Host = &Host;
        process.MainForm = std::make_unique<TForm1>();
        process.Client = std::make_unique<TGameClient>(*process.MainForm);
    }

    ~InteractivePlay() override
    {
        Process().Client.reset();
        ResetProcess();
    }

    // Runs the program's main loop while the player takes the steps in turn;
    // false when one never became possible.
    bool Play(std::vector<TStep> steps)
    {
        size_t next = 0;
        QTimer player;
        player.setInterval(5);
        QObject::connect(&player, &QTimer::timeout, [&] {
            if (next < steps.size() && steps[next].Ready())
                // On its own: the act may wait in a loop of its own, and this
                // timer must go on meanwhile.
                QTimer::singleShot(0, steps[next++].Act);
        });
        player.start();
        QElapsedTimer elapsed;
        elapsed.start();
        Host.RunMainLoop([&] { return next == steps.size() || elapsed.elapsed() > 20000; });
        return next == steps.size();
    }

    std::string Written() { return MainForm().RichEdit1.WrittenText(); }

    TTempFolder Folder;
    TQtHost Host{""};
};

} // namespace

TEST_F(InteractivePlay, StartTheGameReadOnAndWalkNorth)
{
    TForm1& form = MainForm();
    TMainWindow window(form, [this](const std::function<void()>& handler) { Host.Deliver(handler); }, 1.0);
    Host.AttachMainWindow(window, window);
    form.FormCreate();
    Process().AppDir = Folder.Path;
    form.FormShow();
    window.show();

    std::string box;
    auto* choice = window.findChild<QLabel*>("LblChoice1");
    const bool played = Play({
        {[] { return true; }, [&window] { window.findChild<QAction*>("StartGame")->trigger(); }},
        {[] { return qobject_cast<QMessageBox*>(QApplication::activeModalWidget()) != nullptr; },
         [&box] {
             auto* open = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
             box = FromQt(open->text());
             open->button(QMessageBox::Ok)->click();
         }},
        {[choice] { return choice->isVisible() && choice->text() == "1. Continue..."; },
         [choice] { QTest::mouseClick(choice, Qt::LeftButton); }},
        {[this] { return Written().find("A path leads north") != std::string::npos; },
         [&window] { QTest::keyRelease(window.windowHandle(), Qt::Key_Up); }},
        {[this] { return Written().find("The Well") != std::string::npos; }, [] {}},
    });
    EXPECT_TRUE(played) << Written();
    EXPECT_EQ(box, "Maximum allowed characters created. Starting game now.");
    EXPECT_TRUE(window.findChild<QWidget*>("PanelButtons")->isVisibleTo(&window));
    EXPECT_TRUE(window.findChild<QWidget*>("BtnS")->isEnabled());
    form.FormDestroy();
    Host.DetachMainWindow();
}
