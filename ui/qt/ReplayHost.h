// The host of a replayed script in the desktop program: the script answers every
// wait, and the windows only show what happens, modal forms and the input box
// included, so that screenshots catch dialogs too.
#pragma once

#include <memory>
#include <vector>

#include <QWidget>

#include "platform/ScriptedHost.h"

class QDialog;
class TMainWindow;

class TReplayHost : public TScriptedHost {
public:
    TReplayHost(std::string settingsFile, TMainWindow& window);
    ~TReplayHost() override;

    int ShowModal(TFormModel& form) override;
    bool InputQuery(const std::string& caption, const std::string& prompt, std::string& value) override;
    // Text is measured in the fonts the windows draw it in.
    std::unique_ptr<ICanvas> CreateCanvas(int width, int height) override;

    // Brings every shown window in step and lets it paint.
    void ShowPending();
    // The window in front: the innermost open dialog, else the main window.
    QWidget& FrontWindow();

private:
    TMainWindow& Window;
    // The dialogs open, innermost last: the modal forms and the input box.
    std::vector<QDialog*> Dialogs;
};
