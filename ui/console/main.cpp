// vellumora-console [--appdir DIR] [--config DIR] [--script FILE] [--transcript FILE] [--seed N]
// Plays the adventure in a terminal, or replays a command script on a virtual clock.
#include <unistd.h>

#include <filesystem>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iostream>
#include <iterator>
#include <sstream>

#include "app/MainForm.h"
#include "data/Convert.h"
#include "platform/ScriptedHost.h"
#include "platform/Settings.h"
#include "session/Choices.h"
#include "session/GameClient.h"
#include "session/Process.h"
#include "ui/console/OutputEcho.h"
#include "ui/console/PlayerWords.h"

namespace {

struct TArguments {
    std::string AppDir;
    std::string Config;
    std::string Script;
    std::string Transcript;
    std::optional<uint64_t> Seed;
};

int Usage()
{
    std::fprintf(stderr, "usage: vellumora-console [--appdir DIR] [--config DIR] [--script FILE] [--transcript FILE] "
                         "[--seed N]\n");
    return 2;
}

std::optional<TArguments> ParseArguments(int argc, char** argv)
{
    TArguments arguments;
    for (int index = 1; index < argc; ++index) {
        const std::string option = argv[index];
        if (index + 1 >= argc)
            return std::nullopt;
        const std::string value = argv[++index];
        if (option == "--appdir")
            arguments.AppDir = value;
        else if (option == "--config")
            arguments.Config = value;
        else if (option == "--script")
            arguments.Script = value;
        else if (option == "--transcript")
            arguments.Transcript = value;
        else if (option == "--seed")
            arguments.Seed = static_cast<uint64_t>(StrToInt64Def(value, 0));
        else
            return std::nullopt;
    }
    return arguments;
}

} // namespace

int main(int argc, char** argv)
{
    const auto arguments = ParseArguments(argc, argv);
    if (!arguments)
        return Usage();

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
    TProcess& process = Process();
    process.Host = &host;
    process.MainForm = std::make_unique<TForm1>();
    process.Client = std::make_unique<TGameClient>(*process.MainForm);
    TForm1& form = *process.MainForm;
    host.Attach(&form, &form.RichEdit1, &process.Random);
    if (arguments->Seed)
        process.Random.Seed(*arguments->Seed);

    TOutputEcho echo(form.RichEdit1, interactive && isatty(STDOUT_FILENO));
    int status = 0;
    try {
        form.FormCreate();
        // The program folder given wins over the one the settings remember.
        if (!arguments->AppDir.empty()) {
            process.AppDir = std::filesystem::absolute(arguments->AppDir, error).string();
            form.ShowProgramLogo();
        }
        form.FormShow();
        if (interactive) {
            host.StopOnError = false;
            TPlayerWords words(host, form, echo);
            host.SetLineSource([&](const std::string& waiting) { return words.NextLine(waiting); });
        } else {
            host.AddLines(script);
            host.AfterLine = [&] { echo.Flush(); };
        }
        host.RunMainLoop([&] { return form.ExitRequested; });
        echo.Flush();
    } catch (const EScriptStop&) {
        // The host has said why; the end of a player's input is no failure.
        echo.Flush();
        status = interactive ? 0 : 1;
    }
    form.FormDestroy();
    if (!arguments->Transcript.empty()) {
        std::ofstream transcript(arguments->Transcript, std::ios::trunc);
        transcript << form.RichEdit1.WrittenText();
    }
    process.Client.reset();
    ResetProcess();
    return status;
}
