#include "session/GameClient.h"

#include "app/MainForm.h"
#include "session/Choices.h"

TGameClient::TGameClient(TForm1& form) : Form(form) {}

TGameClient::~TGameClient() = default;

void TGameClient::CreateOptions()
{
    Options.reset();
    Options = std::make_unique<TOptionManager>(*this, Form);
}

void TGameClient::SetPlayControlsEnabled(bool on)
{
    TForm1& form = Form;
    for (int slot = 1; slot <= MaxPartySize; ++slot)
        if (form.Member(slot))
            form.Control("TabSheet" + std::to_string(slot + 1)).Enabled = on;
    form.Control("MenuFile").Enabled = on;
    form.Control("MainGoBtn").Enabled = on;
    for (int quick = 1; quick <= 3; ++quick)
        form.Control("BtnQuick" + std::to_string(quick)).Enabled = on;
    for (const TActionButton& button : ActionButtons)
        form.Control(button.Name).Enabled = on;
    form.Control("PanelButtons").Visible = on;
    form.Control("ScrollBox1").Visible = !on;
}

int TGameClient::ChooseFromPlainList(const std::vector<std::string>& entries)
{
    if (!Options || Options->ShownCount() > 0)
        return -1;
    // The manager may be freed while the list waits (the book closed); only
    // what outlives it is touched afterwards.
    TOptionManager& options = *Options;
    const auto alive = options.AliveToken();
    options.ShowChoice("Cancel");
    for (const std::string& entry : entries)
        options.ShowChoice(entry);
    ChoiceResult = 0;
    SetPlayControlsEnabled(false);
    int result;
    try {
        result = options.WaitForChoice();
    } catch (...) {
        SetPlayControlsEnabled(true);
        throw;
    }
    SetPlayControlsEnabled(true);
    if (!alive.expired())
        options.ClearLabels();
    return result >= 2 ? result - 2 : -1;
}

int TGameClient::ChooseFromList(const std::vector<std::string>& entries)
{
    if (!CurrentLocation || SessionClosed)
        return -1;
    return ChooseFromPlainList(entries);
}
