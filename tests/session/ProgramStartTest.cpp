#include <gtest/gtest.h>

#include "app/MainForm.h"
#include "app/ProgramStart.h"
#include "platform/ScriptedHost.h"

TEST(ProgramStart, TheProgramFolderGivenShowsItsLogoAndJournal)
{
    // The settings remember no folder: the current one is taken first, then the
    // one given wins.
    TScriptedHost host;
    TProgramOptions options;
    options.AppDir = PROGRAM_PICTURES_DIR;
    TForm1& form = StartProcess(&host, options);
    OpenMainForm(form, options);
    EXPECT_NE(form.Control("Image").Picture, nullptr);
    EXPECT_NE(form.Control("ImgJournal").Picture, nullptr);
    EndProcess();
}
