#include "ui/console/FightStatusLine.h"

#include <ostream>

#include "app/MainForm.h"
#include "rules/CombatSession.h"
#include "session/Process.h"

void TFightStatusLine::Update()
{
    const TProcess& process = Process();
    const std::shared_ptr<TCombatSession> session =
        process.MainForm ? process.MainForm->CombatSession : std::shared_ptr<TCombatSession>();
    if (!session || !session->Running())
        return;
    if (Watched.lock() != session) {
        // A new fight: its first round has yet to pass.
        Watched = session;
        RoundsSaid = session->Rounds;
        return;
    }
    if (session->Rounds == RoundsSaid)
        return;
    RoundsSaid = session->Rounds;
    Out << FightStatus() << std::endl;
}
