// What both programs do around their event loop: make the process state, open
// and close the main window's model, and let go of it all.
#pragma once

#include "app/ProgramOptions.h"

class IHost;
class TForm1;

// The main window's model and the game client; the host may be attached later,
// before anything waits.
TForm1& StartProcess(IHost* host, const TProgramOptions& options);
// The window's creation and first showing, with the program folder given winning
// over the one the settings remember.
void OpenMainForm(TForm1& form, const TProgramOptions& options);
// The options written back, and the transcript when one was asked for; false,
// said on standard error, when the transcript cannot be written.
bool CloseMainForm(TForm1& form, const TProgramOptions& options);
void EndProcess();
