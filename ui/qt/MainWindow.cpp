#include "ui/qt/MainWindow.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QStatusBar>
#include <QTabWidget>
#include <QWindow>

#include "app/MainForm.h"
#include "ui/qt/KeyCodes.h"
#include "ui/qt/MainLayout.h"
#include "ui/qt/OutputView.h"
#include "ui/qt/QtConvert.h"

namespace {

// The choice labels stand out from the buttons they replace.
constexpr double ChoiceFontGrowth = 1.2;

} // namespace

TMainWindow::TMainWindow(TForm1& form, TDeliver deliver, double scale)
    : Form(form),
      Deliver(deliver),
      View(form, *this, deliver,
           TFormViewParts{nullptr,
                          [this](const TControlState& control, QWidget& container) { return Make(control, container); },
                          menuBar(),
                          [scale](const std::string& name, QWidget& page) { DesignMainPage(name, page, scale); }})
{
    QFont font = this->font();
    font.setPointSizeF(font.pointSizeF() * scale);
    setFont(font);
    Sync();
    if (QWidget* choices = View.Widget("ScrollBox1")) {
        QFont choiceFont = font;
        choiceFont.setPointSizeF(font.pointSizeF() * ChoiceFontGrowth);
        choiceFont.setBold(true);
        // Labels added later take it from the box, and line up at its top.
        choices->setFont(choiceFont);
        ContainerOf(*choices)->layout()->setAlignment(Qt::AlignTop);
    }
    // Keys are previewed where the window receives them, before any control does.
    winId();
    windowHandle()->installEventFilter(this);
}

TMainWindow::~TMainWindow() = default;

QWidget* TMainWindow::Make(const TControlState& control, QWidget& container)
{
    if (control.Name == "PageControl1") {
        auto* pages = new QTabWidget;
        pages->setAccessibleName(QStringLiteral("Pages"));
        pages->setAccessibleDescription(QStringLiteral("The main tab, a tab for each member, the map and the journal"));
        setCentralWidget(pages);
        return pages;
    }
    if (control.Name == "RichEdit1") {
        // The design keeps a place for the pane, which it cannot make itself.
        auto* area = findChild<QWidget*>(QStringLiteral("OutputArea"));
        Output = new TOutputView(Form.RichEdit1, area ? area : &container);
        if (area)
            area->layout()->addWidget(Output);
        return Output;
    }
    if (control.Kind == TControlKind::StatusBar) {
        auto* text = new QLabel;
        text->setTextFormat(Qt::PlainText);
        text->setAccessibleName(QStringLiteral("Status"));
        text->setAccessibleDescription(QStringLiteral("What the game is doing"));
        statusBar()->addWidget(text, 1);
        return text;
    }
    if (control.Parent == "ScrollBox1") {
        // The choices after the first, made as the game offers them.
        auto* choice = new QLabel(&container);
        choice->setTextFormat(Qt::PlainText);
        choice->setWordWrap(true);
        choice->setAccessibleDescription(QStringLiteral("A choice; click it to choose"));
        container.layout()->addWidget(choice);
        return choice;
    }
    return nullptr;
}

void TMainWindow::Sync()
{
    View.Sync();
    if (Output)
        Output->Sync();
    const QString title = ToQt(Form.Caption);
    if (windowTitle() != title)
        setWindowTitle(title);
    if (Form.ExitRequested)
        Close();
}

void TMainWindow::Close()
{
    if (Closed)
        return;
    Closed = true;
    hide();
    if (OnClosed)
        OnClosed();
}

void TMainWindow::closeEvent(QCloseEvent* event)
{
    bool allowed = Closed;
    if (!allowed)
        Deliver([this, &allowed] { allowed = Form.CloseQuery(); });
    if (!allowed) {
        event->ignore();
        return;
    }
    event->accept();
    Close();
}

bool TMainWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == windowHandle() && event->type() == QEvent::KeyRelease) {
        const auto* key = static_cast<const QKeyEvent*>(event);
        if (!key->isAutoRepeat())
            if (const auto code = EngineKey(key->key(), key->modifiers()))
                Deliver([this, code] { Form.KeyUp(*code); });
    }
    return QMainWindow::eventFilter(watched, event);
}
