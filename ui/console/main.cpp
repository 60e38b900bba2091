// vellumora-console [--appdir DIR] [--config DIR] [--script FILE] [--transcript FILE] [--seed N]
//                   [--help] [--version]
// Plays the adventure in a terminal, or replays a command script on a virtual clock.
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>

#include "app/MainForm.h"
#include "app/ProgramStart.h"
#include "data/Utf8Text.h"
#include "platform/ScriptedHost.h"
#include "platform/Settings.h"
#include "session/Process.h"
#include "ui/console/FightStatusLine.h"
#include "ui/console/LineReader.h"
#include "ui/console/OutputEcho.h"
#include "ui/console/PlayerWords.h"

int main(int argc, char** argv)
{
    const auto arguments = ParseProgramOptions(argc, argv);
    if (!arguments) {
        std::cerr << ProgramUsageError("vellumora-console");
        return 2;
    }
    if (arguments->Help) {
        std::cout << ProgramHelp("vellumora-console",
                                 "Plays a Vellumora adventure in the terminal, or replays a command script.");
        return 0;
    }
    if (arguments->Version) {
        std::cout << ProgramVersion("vellumora-console");
        return 0;
    }

    std::string script;
    if (!arguments->Script.empty()) {
        std::ifstream file(arguments->Script, std::ios::binary);
        if (!file) {
            std::fprintf(stderr, "%s: cannot be read\n", arguments->Script.c_str());
            return 2;
        }
        script.assign(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
    }
    std::error_code error;
    if (!arguments->AppDir.empty() && !std::filesystem::is_directory(arguments->AppDir, error)) {
        std::fprintf(stderr, "%s: no such folder\n", arguments->AppDir.c_str());
        return 2;
    }

    const bool interactive = arguments->Script.empty();
    TScriptedHost host(interactive || !arguments->Config.empty() ? SettingsFileName(arguments->Config) : std::string());
    TForm1& form = StartProcess(&host, *arguments);
    TProcess& process = Process();
    host.Attach(&form, &form.RichEdit1, &process.Random);

    TTerminalLook look;
    look.Styles = interactive && isatty(STDOUT_FILENO);
    const char* noColour = std::getenv("NO_COLOR");
    look.Colours = look.Styles && !(noColour && *noColour);
    look.Plain = form.RichEdit1.DefaultFont.Color;
    TOutputEcho echo(form.RichEdit1, look, std::cout);
    TFightStatusLine fightStatus(std::cout);
    // The prompt lives as long as the loop that asks it for lines.
    TPlayerWords words(host, form, echo, std::cout, ReadPlayerLine);
    int status = 0;
    try {
        OpenMainForm(form, *arguments);
        host.AfterLine = [&] {
            echo.Flush();
            fightStatus.Update();
        };
        if (interactive) {
            PrepareLineEditing();
            host.StopOnError = false;
            host.Print = [](const std::string& text) { std::cout << AsUtf8(text) << '\n'; };
            host.SetLineSource([&words](const std::string& waiting) { return words.NextLine(waiting); });
        } else {
            host.AddLines(script);
        }
        host.RunMainLoop([&] { return form.ExitRequested; });
        echo.Flush();
    } catch (const EScriptStop&) {
        // The host has said why; the end of a player's input is no failure.
        echo.Flush();
        status = interactive ? 0 : 1;
    }
    if (!CloseMainForm(form, *arguments))
        status = 1;
    EndProcess();
    return status;
}
