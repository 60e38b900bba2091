// The journal's entries and the quests as the session keeps them (name "=" text
// name), and the journal manager's books made from them.
#include "app/MainForm.h"
#include "data/DataManager.h"
#include "data/Utils.h"
#include "session/GameClient.h"
#include "session/NamedLines.h"
#include "session/Process.h"
#include "session/StyledText.h"
#include "world/Journal.h"

namespace {

// The adventure's text: its first line is the title, unless one is given.
void AddTextEntry(const std::string& textName, const std::string& givenTitle, bool toJournal)
{
    std::vector<std::string> lines;
    if (TDataManager* data = MainForm().DataManager.get())
        data->GetTextByFile(textName, lines);
    std::string title = givenTitle;
    if (title.empty() && !lines.empty()) {
        title = lines.front();
        lines.erase(lines.begin());
    }
    JournalManager().AddEntry(title, lines, toJournal);
}

void RedrawIfShown(const char* mode)
{
    if (JournalManager().Mode == mode)
        JournalManager().Redraw();
}

} // namespace

void TGameClient::AddJournalEntry(const std::string& name, const std::string& textName)
{
    if (name.empty() || HasName(JournalEntries, name))
        return;
    JournalEntries.push_back(name + "=" + textName);
    AddTextEntry(textName, {}, true);
    RedrawIfShown("JOURNAL");
    AppendText("");
    AppendText("~<c:LIME>Your journal has been updated.");
}

void TGameClient::AddQuest(const std::string& name, const std::string& textName)
{
    if (name.empty() || HasName(Quests, name))
        return;
    Quests.push_back(name + "=" + textName);
    AddTextEntry(textName, {}, false);
    RedrawIfShown("QUESTS");
    AppendText("");
    AppendText("~<c:LIME>Your journal has been updated with a new quest");
}

void TGameClient::CompleteQuest(const std::string& name)
{
    int open = 0;
    for (std::string& line : Quests) {
        if (ValueOf(line) == "*")
            continue;
        if (IsNamed(line, name)) {
            line = name + "=*";
            JournalManager().RemoveQuest(open);
            RedrawIfShown("QUESTS");
            return;
        }
        ++open;
    }
}

void TGameClient::RestoreJournal()
{
    TJournalManager& journal = JournalManager();
    journal.Reset();
    for (const std::string& line : JournalEntries)
        AddTextEntry(ValueOf(line), {}, true);
    for (const std::string& line : Quests) {
        const std::string value = ValueOf(line);
        if (value == "*")
            continue;
        std::vector<std::string> fields;
        SplitToList(value, '|', fields);
        AddTextEntry(fields.empty() ? value : fields[0], fields.size() > 1 ? fields[1] : std::string(), false);
    }
    journal.Redraw();
}
