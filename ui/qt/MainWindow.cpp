#include "ui/qt/MainWindow.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>
#include <QTabWidget>
#include <QWindow>
#include <cmath>

#include "app/MainForm.h"
#include "ui/qt/KeyCodes.h"
#include "ui/qt/MainLayout.h"
#include "ui/qt/OutputView.h"
#include "ui/qt/QtConvert.h"

namespace {

// The window's own font; Arial, like the output pane, at a small size.
constexpr double WindowPointSize = 8.0;
// The choice labels stand out from the buttons they replace.
constexpr double ChoicePointSize = 10.0;

} // namespace

TMainWindow::TMainWindow(TForm1& form, TDeliver deliver, double scale)
    : Form(form),
      Deliver(deliver),
      Scale(scale),
      View(form, *this, deliver,
           TFormViewParts{[this](const std::string& name) { return Place(name); },
                          [this](const TControlState& control, QWidget& container) { return Make(control, container); },
                          menuBar()})
{
    // A fixed window: minimise and close, no maximise.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    QFont font("Arial");
    font.setPointSizeF(WindowPointSize * Scale);
    setFont(font);
    Sync();
    AddDecorations();
    if (QWidget* choices = View.Widget("ScrollBox1")) {
        QFont choiceFont = font;
        choiceFont.setPointSizeF(ChoicePointSize * Scale);
        choiceFont.setBold(true);
        // Labels added later take it from the box.
        choices->setFont(choiceFont);
    }
    setFixedSize(Scaled(QRect(0, 0, MainClientWidth, MainClientHeight)).size() +
                 QSize(0, menuBar()->sizeHint().height()));
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    // Keys are previewed where the window receives them, before any control does.
    winId();
    windowHandle()->installEventFilter(this);
}

TMainWindow::~TMainWindow() = default;

QRect TMainWindow::Scaled(const QRect& rect) const
{
    const auto scaled = [this](int value) { return static_cast<int>(std::lround(value * Scale)); };
    return QRect(scaled(rect.x()), scaled(rect.y()), scaled(rect.width()), scaled(rect.height()));
}

std::optional<QRect> TMainWindow::Place(const std::string& name) const
{
    const auto place = MainPlace(name);
    if (!place)
        return std::nullopt;
    return Scaled(*place);
}

QWidget* TMainWindow::Make(const TControlState& control, QWidget& container)
{
    if (control.Name == "PageControl1") {
        auto* pages = new QTabWidget;
        setCentralWidget(pages);
        return pages;
    }
    if (control.Name == "RichEdit1") {
        Output = new TOutputView(Form.RichEdit1, &container);
        if (const auto place = Place(control.Name))
            Output->setGeometry(*place);
        return Output;
    }
    if (control.Kind == TControlKind::StatusBar) {
        auto* text = new QLabel;
        text->setTextFormat(Qt::PlainText);
        statusBar()->addWidget(text, 1);
        return text;
    }
    return nullptr;
}

void TMainWindow::AddDecorations()
{
    for (int slot = 1; slot <= MaxPartySize; ++slot)
        for (const TDecoration& decoration : MemberDecorations(slot)) {
            const std::string parent =
                decoration.Parent.empty() ? "TabSheet" + std::to_string(slot + 1) : decoration.Parent;
            if (QWidget* container = View.Widget(parent)) {
                auto* caption = new QLabel(decoration.Text, container);
                caption->setGeometry(Scaled(decoration.Place));
                caption->show();
            }
        }
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
