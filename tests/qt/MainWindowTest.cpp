#include <QAction>
#include <QListWidget>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QTabWidget>
#include <QTest>
#include <QWindow>
#include <set>
#include <gtest/gtest.h>

#include "app/MainForm.h"
#include "platform/Keys.h"
#include "platform/ScriptedHost.h"
#include "session/GameClient.h"
#include "session/Process.h"
#include "ui/qt/MainLayout.h"
#include "ui/qt/MainWindow.h"
#include "ui/qt/OutputView.h"
#include "tests/qt/WidgetChecks.h"

namespace {

// The main window's model, telling what reaches it.
class TListeningForm : public TForm1 {
public:
    void KeyUp(int key) override { Keys.push_back(key); }
    bool CloseQuery() override
    {
        ++CloseQueries;
        return MayClose;
    }

    std::vector<int> Keys;
    int CloseQueries = 0;
    bool MayClose = false;
};

class MainWindowTest : public ::testing::Test {
protected:
    explicit MainWindowTest(double scale = 1.0)
        : Window(Form, [this](const std::function<void()>& handler) {
              handler();
              Window.Sync();
          }, scale)
    {
        // The mini map and the journal's pages paint what the engine keeps.
        Process().Host = &Host;
        Process().Client = std::make_unique<TGameClient>(Form);
        Window.OnClosed = [this] { ++Closings; };
        Window.show();
        QCoreApplication::processEvents();
    }
    ~MainWindowTest() override { ResetProcess(); }

    QTabWidget& Pages() { return *Window.findChild<QTabWidget*>("PageControl1"); }

    // The choice box in place of the play controls, with two choices.
    void ShowChoices()
    {
        Form.Control("PanelButtons").Visible = false;
        Form.Control("ScrollBox1").Visible = true;
        Form.Control("LblChoice1").Caption = "1. Continue...";
        Form.Add("LblChoice2", TControlKind::Label, "ScrollBox1").Caption = "2. Ask the guard about the mines";
        Window.Sync();
    }

    // The journal's pages, page numbers, arrows and book links lie on its picture.
    const std::set<std::string> JournalLayers = {"ImgJournal+PaintBox1",   "ImgJournal+PaintBox2", "ImgJournal+ImgBtn1",
                                                 "ImgJournal+ImgBtn2",     "ImgJournal+LblPageLeft",
                                                 "ImgJournal+LblPageRight", "ImgJournal+LblJournal",
                                                 "ImgJournal+LblQuests"};

    TScriptedHost Host{std::string()};
    TListeningForm Form;
    TMainWindow Window;
    int Closings = 0;
};

} // namespace

TEST_F(MainWindowTest, EveryControlIsDrawnFromItsPageDesign)
{
    // The window's own: the pages, the status bar and the output pane.
    std::set<std::string> designed;
    std::vector<std::string> pages = {"MapTab", "DiaryTab"};
    for (int tab = 1; tab <= MaxPartySize + 1; ++tab)
        pages.push_back("TabSheet" + std::to_string(tab));
    for (const std::string& page : pages) {
        QWidget scratch;
        DesignMainPage(page, scratch, 1.0);
        for (const QWidget* widget : scratch.findChildren<QWidget*>())
            designed.insert(widget->objectName().toStdString());
    }
    for (const auto& control : Form.Controls()) {
        const QString name = QString::fromStdString(control->Name);
        if (control->Kind == TControlKind::PopupMenu) {
            const auto* menu = Window.findChild<QMenu*>(name);
            ASSERT_NE(menu, nullptr) << control->Name;
            EXPECT_FALSE(Window.menuBar()->actions().contains(menu->menuAction())) << control->Name;
            continue;
        }
        if (control->Kind == TControlKind::Menu || control->Kind == TControlKind::MenuItem) {
            EXPECT_NE(Window.findChild<QAction*>(name), nullptr) << control->Name;
            continue;
        }
        EXPECT_NE(Window.findChild<QWidget*>(name), nullptr) << control->Name;
        const bool windowsOwn = control->Kind == TControlKind::PageControl || control->Kind == TControlKind::TabSheet ||
                                control->Kind == TControlKind::StatusBar || control->Name == "RichEdit1";
        if (!windowsOwn) {
            EXPECT_TRUE(designed.count(control->Name)) << control->Name << " is not in its page's design";
        }
    }
    EXPECT_NE(dynamic_cast<TOutputView*>(Window.findChild<QWidget*>("RichEdit1")), nullptr);
    EXPECT_EQ(Window.findChild<QTabWidget*>("PageControl1")->count(), 9);
}

TEST_F(MainWindowTest, EveryPageFitsItsWindowWithNothingOnTopOfAnything)
{
    ShowChoices();
    for (const QSize size : {QSize(800, 600), QSize(1280, 900)}) {
        Window.resize(size);
        for (int page = 0; page < Pages().count(); ++page) {
            Pages().setCurrentIndex(page);
            QCoreApplication::processEvents();
            const std::string where = std::to_string(size.width()) + "x" + std::to_string(size.height()) + " page " +
                                      std::to_string(page) + ": ";
            for (const auto& faults : {OutsideOf(Window, Window.geometry()), Overlapping(Window, JournalLayers)})
                for (const std::string& fault : faults)
                    ADD_FAILURE() << where << fault;
        }
    }
}

TEST_F(MainWindowTest, WhileTradingTheShopPanelTakesTheMapsPlaceWithADozenLinesInView)
{
    ShowChoices();
    Form.Control("PanelMap").Visible = false;
    Form.Control("PanelShop").Visible = true;
    Form.Control("LblShopName").Caption = "Tamsin's Provisions";
    TControlState& list = Form.Control("ShopList");
    for (int line = 1; line <= 12; ++line)
        list.Items.push_back("(" + std::to_string(line) + ") 34gp Healing Draught(3)");
    Window.Sync();
    Window.resize(800, 600);
    QCoreApplication::processEvents();
    for (const std::string& fault : OutsideOf(Window, Window.geometry()))
        ADD_FAILURE() << fault;
    for (const std::string& fault : Overlapping(Window, JournalLayers))
        ADD_FAILURE() << fault;
    const auto* goods = Window.findChild<QListWidget*>("ShopList");
    ASSERT_NE(goods, nullptr);
    EXPECT_GE(goods->viewport()->height(), 12 * goods->sizeHintForRow(0));
}

TEST_F(MainWindowTest, TheWindowGrowsAndTheOutputPaneAndPanelsWithIt)
{
    EXPECT_LE(Window.minimumSizeHint().width(), 800);
    EXPECT_LE(Window.minimumSizeHint().height(), 600);
    Window.resize(800, 600);
    QCoreApplication::processEvents();
    const QSize pane = Window.findChild<QWidget*>("RichEdit1")->size();
    const QSize buttons = Window.findChild<QWidget*>("PanelButtons")->size();
    const QSize map = Window.findChild<QWidget*>("PanelMap")->size();
    Window.resize(1280, 900);
    QCoreApplication::processEvents();
    EXPECT_GT(Window.findChild<QWidget*>("RichEdit1")->width(), pane.width());
    EXPECT_GT(Window.findChild<QWidget*>("RichEdit1")->height(), pane.height());
    EXPECT_GT(Window.findChild<QWidget*>("PanelButtons")->width(), buttons.width());
    EXPECT_GT(Window.findChild<QWidget*>("PanelMap")->height(), map.height());
    EXPECT_EQ(MainWindowScale(640), 0.75);
    EXPECT_EQ(MainWindowScale(1024), 1.0);
}

TEST_F(MainWindowTest, NoCaptionIsCutAtTheSmallestSizeInNormalOrDoubleWriting)
{
    ShowChoices();
    const QFont normal = Window.font();
    for (const double scale : {1.0, 2.0}) {
        QFont font = normal;
        font.setPointSizeF(normal.pointSizeF() * scale);
        Window.setFont(font);
        for (int page = 0; page < Pages().count(); ++page) {
            Pages().setCurrentIndex(page);
            Window.resize(Window.minimumSizeHint());
            QCoreApplication::processEvents();
            for (const std::string& fault : CutCaptions(Window))
                ADD_FAILURE() << "at " << scale * 100 << " % on page " << page << ": " << fault;
        }
    }
}

TEST_F(MainWindowTest, AScreenReaderCanNameAndDescribeEveryControl)
{
    ShowChoices();
    std::set<std::string> controls;
    for (const auto& control : Form.Controls())
        controls.insert(control->Name);
    for (int page = 0; page < Pages().count(); ++page) {
        Pages().setCurrentIndex(page);
        QCoreApplication::processEvents();
        for (const std::string& fault : Unreadable(Window, controls))
            ADD_FAILURE() << "page " << page << ": " << fault;
    }
}

TEST_F(MainWindowTest, MenuSeparatorsAreSeparators)
{
    auto* separator = Window.findChild<QAction*>("N1");
    ASSERT_NE(separator, nullptr);
    EXPECT_TRUE(separator->isSeparator());
    EXPECT_FALSE(Window.findChild<QAction*>("Exit")->isSeparator());
}

TEST_F(MainWindowTest, KeysReleasedAnywhereInTheWindowGoToTheModel)
{
    Window.findChild<QWidget*>("BtnLook")->setFocus();
    QTest::keyRelease(Window.windowHandle(), Qt::Key_Up);
    QTest::keyRelease(Window.windowHandle(), Qt::Key_5, Qt::KeypadModifier);
    QTest::keyRelease(Window.windowHandle(), Qt::Key_F1);
    EXPECT_EQ(Form.Keys, (std::vector<int>{VK_UP, VK_NUMPAD5}));
}

TEST_F(MainWindowTest, TheWindowClosesOnlyWhenTheModelAgrees)
{
    EXPECT_FALSE(Window.close());
    EXPECT_TRUE(Window.isVisible());
    EXPECT_EQ(Form.CloseQueries, 1);
    Form.MayClose = true;
    EXPECT_TRUE(Window.close());
    EXPECT_FALSE(Window.isVisible());
    EXPECT_EQ(Closings, 1);
}

TEST_F(MainWindowTest, TheExitMenuClosesTheWindow)
{
    Form.ExitRequested = true;
    Window.Sync();
    EXPECT_FALSE(Window.isVisible());
    EXPECT_EQ(Closings, 1);
    EXPECT_EQ(Form.CloseQueries, 0);
}

namespace {

class SmallScreenTest : public MainWindowTest {
protected:
    SmallScreenTest() : MainWindowTest(MainWindowScale(640)) {}
};

} // namespace

TEST_F(SmallScreenTest, ASmallScreenShrinksTheWritingAndTheWindowToFit)
{
    QMainWindow normal;
    EXPECT_DOUBLE_EQ(Window.font().pointSizeF(), normal.font().pointSizeF() * 0.75);
    EXPECT_LE(Window.minimumSizeHint().width(), 640);
    EXPECT_LE(Window.minimumSizeHint().height(), 480);
}
