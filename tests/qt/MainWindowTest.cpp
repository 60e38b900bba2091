#include <QAction>
#include <QMenuBar>
#include <QTabWidget>
#include <QTest>
#include <QWindow>
#include <gtest/gtest.h>

#include "app/MainForm.h"
#include "platform/Keys.h"
#include "ui/qt/MainLayout.h"
#include "ui/qt/MainWindow.h"
#include "ui/qt/OutputView.h"

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
        Window.OnClosed = [this] { ++Closings; };
        Window.show();
        QCoreApplication::processEvents();
    }

    // Controls that share a place: one of each pair shows at a time, or the
    // journal's pages are drawn on its picture.
    static bool SharePlace(const QString& one, const QString& other)
    {
        const auto pair = [&](const char* left, const char* right) {
            return (one == left && other == right) || (one == right && other == left);
        };
        return pair("PanelButtons", "ScrollBox1") || pair("PanelMap", "PanelShop") ||
               pair("ImgJournal", "PaintBox1") || pair("ImgJournal", "PaintBox2");
    }

    TListeningForm Form;
    TMainWindow Window;
    int Closings = 0;
};

} // namespace

TEST_F(MainWindowTest, EveryControlIsDrawnAndPlaced)
{
    for (const auto& control : Form.Controls()) {
        const QString name = QString::fromStdString(control->Name);
        if (control->Kind == TControlKind::Menu || control->Kind == TControlKind::MenuItem) {
            EXPECT_NE(Window.findChild<QAction*>(name), nullptr) << control->Name;
            continue;
        }
        EXPECT_NE(Window.findChild<QWidget*>(name), nullptr) << control->Name;
        // Only the choice labels stack; the pages and the status bar are the window's.
        const bool placedByWindow = control->Kind == TControlKind::PageControl ||
                                    control->Kind == TControlKind::TabSheet ||
                                    control->Kind == TControlKind::StatusBar || control->Parent == "ScrollBox1";
        EXPECT_NE(MainPlace(control->Name).has_value(), placedByWindow) << control->Name;
    }
    EXPECT_NE(dynamic_cast<TOutputView*>(Window.findChild<QWidget*>("RichEdit1")), nullptr);
    EXPECT_EQ(Window.findChild<QTabWidget*>("PageControl1")->count(), 9);
}

TEST_F(MainWindowTest, ControlsNeitherOverlapNorLeaveTheirContainer)
{
    for (const auto& control : Form.Controls()) {
        // The containers whose controls sit where the layout puts them.
        if (control->Kind != TControlKind::TabSheet && control->Kind != TControlKind::Panel &&
            control->Kind != TControlKind::GroupBox)
            continue;
        const QWidget* container = Window.findChild<QWidget*>(QString::fromStdString(control->Name));
        ASSERT_NE(container, nullptr) << control->Name;
        // Only the page shown is laid out; every page gets its size.
        const QRect bounds = control->Kind == TControlKind::TabSheet
                                 ? Window.findChild<QTabWidget*>("PageControl1")->currentWidget()->rect()
                                 : container->rect();
        std::vector<const QWidget*> children;
        for (const QObject* child : container->children())
            if (child->isWidgetType() && !static_cast<const QWidget*>(child)->isWindow())
                children.push_back(static_cast<const QWidget*>(child));
        for (size_t one = 0; one < children.size(); ++one) {
            EXPECT_TRUE(bounds.contains(children[one]->geometry()))
                << children[one]->objectName().toStdString() << " leaves " << control->Name;
            for (size_t other = one + 1; other < children.size(); ++other) {
                const bool overlap = children[one]->geometry().intersects(children[other]->geometry());
                EXPECT_TRUE(!overlap || SharePlace(children[one]->objectName(), children[other]->objectName()))
                    << children[one]->objectName().toStdString() << " and "
                    << children[other]->objectName().toStdString() << " overlap in " << control->Name;
            }
        }
    }
}

TEST_F(MainWindowTest, TheWindowHasItsFixedSize)
{
    const int menu = Window.menuBar()->height();
    EXPECT_EQ(Window.size(), QSize(MainClientWidth, MainClientHeight + menu));
    EXPECT_EQ(Window.minimumSize(), Window.maximumSize());
    EXPECT_EQ(MainWindowScale(640), 0.75);
    EXPECT_EQ(MainWindowScale(1024), 1.0);
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

TEST_F(SmallScreenTest, ASmallScreenShrinksTheWindowAndItsControls)
{
    const int menu = Window.menuBar()->height();
    EXPECT_EQ(Window.size(), QSize(593, 395 + menu));
    EXPECT_EQ(Window.findChild<QWidget*>("RichEdit1")->geometry(), QRect(195, 3, 390, 254));
}
