#include "app/ProgramStart.h"

#include <filesystem>
#include <fstream>
#include <iostream>

#include "app/MainForm.h"
#include "app/ProgramFolder.h"
#include "session/GameClient.h"
#include "session/Process.h"

TForm1& StartProcess(IHost* host, const TProgramOptions& options)
{
    TProcess& process = Process();
    process.Host = host;
    process.MainForm = std::make_unique<TForm1>();
    process.Client = std::make_unique<TGameClient>(*process.MainForm);
    // A transcript is written from everything the pane ever showed.
    if (!options.Transcript.empty())
        process.MainForm->RichEdit1.HistoryLimit = 0;
    if (options.Seed)
        process.Random.Seed(*options.Seed);
    return *process.MainForm;
}

void OpenMainForm(TForm1& form, const TProgramOptions& options)
{
    form.FormCreate();
    if (!options.AppDir.empty()) {
        std::error_code error;
        Process().AppDir = PlayingFolder(std::filesystem::absolute(options.AppDir, error).string(), UserDataFolder());
        form.ShowProgramLogo();
        form.ShowJournalPicture();
    }
    form.FormShow();
}

bool CloseMainForm(TForm1& form, const TProgramOptions& options)
{
    form.FormDestroy();
    if (options.Transcript.empty())
        return true;
    std::ofstream transcript(options.Transcript, std::ios::trunc);
    transcript << form.RichEdit1.WrittenText();
    transcript.close();
    if (transcript)
        return true;
    std::cerr << options.Transcript << ": the transcript cannot be written\n";
    return false;
}

void EndProcess()
{
    ResetProcess();
}
