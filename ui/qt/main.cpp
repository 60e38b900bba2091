// vellumora [--appdir DIR] [--config DIR] [--script FILE] [--transcript FILE] [--seed N]
//           [--help] [--version]
// Plays the adventure in the desktop window, or replays a command script on a
// virtual clock with the window drawn offscreen, taking its screenshots.
#include <QApplication>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>

#include "app/MainForm.h"
#include "app/ProgramStart.h"
#include "platform/CommandScript.h"
#include "platform/ScriptedHost.h"
#include "session/GameClient.h"
#include "session/Process.h"
#include "ui/qt/MainLayout.h"
#include "ui/qt/MainWindow.h"
#include "app/ProgramOptions.h"
#include "ui/qt/QtConvert.h"
#include "ui/qt/QtHost.h"
#include "ui/qt/ReplayHost.h"
#include "ui/qt/WindowPlacement.h"

namespace {

int Usage()
{
    std::cerr << ProgramUsageError("vellumora");
    return 2;
}

// --help and --version answer without a display; nullopt when the program is to run.
std::optional<int> Answered(const TProgramOptions& options)
{
    if (options.Help) {
        std::cout << ProgramHelp("vellumora", "Plays a Vellumora adventure in a desktop window, or replays a command "
                                              "script with the window drawn offscreen.");
        return 0;
    }
    if (options.Version) {
        std::cout << ProgramVersion("vellumora");
        return 0;
    }
    return std::nullopt;
}

int Play(const TProgramOptions& options)
{
    TQtHost host(SettingsFileName(options.Config));
    TForm1& form = StartProcess(&host, options);
    bool written = true;
    {
        const TDeliver deliver = [&host](const std::function<void()>& handler) { host.Deliver(handler); };
        TMainWindow window(form, deliver, MainWindowScale(host.ScreenWidth()));
        host.AttachMainWindow(window, window);
        window.OnClosed = [&host] { host.MainWindowClosed(); };
        host.Deliver([&] { OpenMainForm(form, options); });
        RestorePlacement(window, host.Settings());
        window.show();
        host.RunMainLoop([&form] { return form.ExitRequested; });
        SavePlacement(window, host.Settings());
        host.Deliver([&] { written = CloseMainForm(form, options); });
        host.DetachMainWindow();
    }
    EndProcess();
    return written ? 0 : 1;
}

int Replay(const TProgramOptions& options, const std::string& script)
{
    // The host shows its dialogs over the window, and the window draws the main
    // form: the form comes first, the host is attached before anything waits.
    TForm1& form = StartProcess(nullptr, options);
    TProcess& process = Process();
    int status = 0;
    {
        TMainWindow window(form, [](const std::function<void()>&) {}, 1.0);
        TReplayHost host(options.Config.empty() ? std::string() : SettingsFileName(options.Config), window);
        process.Host = &host;
        host.Attach(&form, &form.RichEdit1, &process.Random);
        host.AfterLine = [&host] { host.ShowPending(); };
        host.Screenshot = [&host](const std::string& file) {
            host.ShowPending();
            if (!host.FrontWindow().grab().save(ToQt(file), "PNG")) {
                const std::string message = "screenshot " + file + ": cannot be written";
                std::fprintf(stderr, "%s\n", message.c_str());
                throw EScriptStop(message);
            }
        };
        RestorePlacement(window, host.Settings());
        window.show();
        try {
            OpenMainForm(form, options);
            host.AddLines(script);
            host.ShowPending();
            host.RunMainLoop([&form] { return form.ExitRequested; });
        } catch (const EScriptStop&) {
            // The host has said why.
            status = 1;
        }
        if (!CloseMainForm(form, options))
            status = 1;
        // An open book's timers live on this host: the book closes while it is here.
        if (BookOpen())
            GameClient().CloseBook();
        process.Host = nullptr;
    }
    EndProcess();
    return status;
}

} // namespace

int main(int argc, char** argv)
{
    // Before Qt, which needs a display; a Qt option such as -platform makes this
    // first reading fail, and the one after Qt has taken its own options decides.
    if (const auto early = ParseProgramOptions(argc, argv))
        if (const auto status = Answered(*early))
            return *status;
    QApplication application(argc, argv);
    QApplication::setApplicationName("Cindervale RPG");
    // Ties the window to the installed desktop entry and its icon.
    QGuiApplication::setDesktopFileName("io.github.vellumora.Vellumora");
    const auto options = ParseProgramOptions(argc, argv);
    if (!options)
        return Usage();
    if (const auto status = Answered(*options))
        return *status;

    std::error_code error;
    if (!options->AppDir.empty() && !std::filesystem::is_directory(options->AppDir, error)) {
        std::fprintf(stderr, "%s: no such folder\n", options->AppDir.c_str());
        return 2;
    }
    if (options->Script.empty())
        return Play(*options);
    std::ifstream file(options->Script, std::ios::binary);
    if (!file) {
        std::fprintf(stderr, "%s: cannot be read\n", options->Script.c_str());
        return 2;
    }
    const std::string script{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    return Replay(*options, script);
}
