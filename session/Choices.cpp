#include "session/Choices.h"

#include <algorithm>

#include "data/Convert.h"
#include "platform/FormModel.h"
#include "platform/Host.h"
#include "session/GameClient.h"
#include "session/Process.h"

namespace {

const char* const FirstLabel = "LblChoice1";
const char* const ChoiceBox = "ScrollBox1";

} // namespace

std::vector<int32_t> ParseNextIds(const std::string& text)
{
    std::vector<int32_t> ids;
    const std::string list = Trim(text);
    size_t start = 0;
    while (start <= list.size()) {
        size_t end = list.find(',', start);
        if (end == std::string::npos)
            end = list.size();
        // Blanks around a piece are not part of it, so "1, 2" and "1 ,2" agree.
        const std::string piece = Trim(list.substr(start, end - start));
        if (!piece.empty())
            ids.push_back(StrToIntDef(piece, 0));
        start = end + 1;
    }
    return ids;
}

TOption::~TOption()
{
    Selected = -1;
}

TOptionManager::TOptionManager(TGameClient& client, TFormModel& form)
    : Levels(5), Client(client), Form(form)
{
}

TOptionManager::~TOptionManager()
{
    ClearAll();
}

TOption* TOptionManager::Level(int index) const
{
    return index >= 0 && index < static_cast<int>(Levels.size()) ? Levels[index].get() : nullptr;
}

void TOptionManager::ShowChoice(const std::string& text)
{
    if (text.empty())
        return;
    if (FShownCount < 0)
        FShownCount = 0;
    if (FShownCount == 0) {
        FShownCount = 1;
        TControlState& label = Form.Control(FirstLabel);
        label.Caption = "1. " + text;
        label.Cursor = TCursor::HandPoint;
        FLabels = {FirstLabel};
        FLabelTexts = {text};
        return;
    }
    ++FShownCount;
    const std::string name = "LblChoice" + std::to_string(FShownCount);
    const TControlState& first = Form.Control(FirstLabel);
    TControlState* label = Form.Find(name);
    if (!label)
        label = &Form.Add(name, TControlKind::Label, ChoiceBox);
    label->Tag = FShownCount;
    label->Cursor = TCursor::HandPoint;
    label->Caption = std::to_string(FShownCount) + ". " + text;
    label->OnClick = first.OnClick;
    label->OnMouseEnter = first.OnMouseEnter;
    label->OnMouseLeave = first.OnMouseLeave;
    label->OnMouseDown = first.OnMouseDown;
    label->OnMouseUp = first.OnMouseUp;
    FLabels.push_back(name);
    FLabelTexts.push_back(text);
}

void TOptionManager::ClearLabels()
{
    if (FShownCount > 0) {
        for (const std::string& name : FLabels)
            if (name != FirstLabel)
                Form.Remove(name);
        FLabels.clear();
        FLabelTexts.clear();
        TControlState& first = Form.Control(FirstLabel);
        first.Caption.clear();
        first.Cursor = TCursor::Default;
    }
    FShownCount = 0;
}

int32_t TOptionManager::WaitForChoice()
{
    // Only the client is touched after the wait: this manager may be gone by then.
    TGameClient& client = Client;
    Host().WaitUntil([&client] { return client.ChoiceResult != 0; }, "a choice");
    return client.ChoiceResult;
}

void TOptionManager::StoreSelection()
{
    if (TOption* level = Level(FTop))
        level->Selected = Client.ChoiceResult;
}

void TOptionManager::SaveLabels()
{
    TOption* level = Level(FTop);
    if (level && !FLabels.empty())
        level->SavedTexts = FLabelTexts;
}

void TOptionManager::RestoreLabels()
{
    TOption* level = Level(FTop);
    if (!level)
        return;
    const std::vector<std::string> texts = level->SavedTexts;
    for (const std::string& text : texts)
        ShowChoice(text);
}

void TOptionManager::PushLevel()
{
    if (Level(FTop)) {
        SaveLabels();
        ++FTop;
        if (FTop >= static_cast<int>(Levels.size()))
            Levels.resize(FTop + 1);
    }
    Discard(Levels[FTop]);
    Levels[FTop] = std::make_shared<TOption>();
    ClearLabels();
}

void TOptionManager::AddChoice(int32_t id, const std::string& text, const std::string& nextIds,
                               std::function<void()> callback)
{
    if (!Levels[FTop])
        Levels[FTop] = std::make_shared<TOption>();
    ChoiceRec choice;
    choice.ChoiceKind = 2;
    choice.ChoiceId = id;
    choice.ChoiceText = text;
    choice.Callback = std::move(callback);
    choice.NextIds = ParseNextIds(nextIds);
    Levels[FTop]->Choices.push_back(std::move(choice));
}

void TOptionManager::Discard(const std::shared_ptr<TOption>& level)
{
    if (level) {
        level->Selected = -1;
        level->Discarded = true;
    }
}

void TOptionManager::ClearAll()
{
    Client.ChoiceResult = -1;
    for (auto& level : Levels) {
        Discard(level);
        level.reset();
    }
    FTop = 0;
    ClearLabels();
}

void TOptionManager::RunChoices()
{
    if (const std::shared_ptr<TOption> level = Levels[FTop])
        RunLevel(level);
}

void TOptionManager::RunLevel(const std::shared_ptr<TOption>& level)
{
    const std::weak_ptr<void> alive = AliveToken();
    try {
        RunDialogue(*level, alive);
    } catch (...) {
        if (!alive.expired())
            CloseLevel(level);
        throw;
    }
    if (!alive.expired())
        CloseLevel(level);
}

void TOptionManager::CloseLevel(const std::shared_ptr<TOption>& level)
{
    // A level cleared meanwhile is gone already. Levels a callback left open
    // above this one close with it.
    const auto found = std::find(Levels.begin(), Levels.end(), level);
    if (found == Levels.end())
        return;
    const int index = static_cast<int>(found - Levels.begin());
    for (int place = index; place < static_cast<int>(Levels.size()); ++place) {
        Discard(Levels[place]);
        Levels[place].reset();
    }
    FTop = index;
    if (FTop > 0) {
        --FTop;
        RestoreLabels();
        Client.SetPlayControlsEnabled(false);
    }
}

int TOptionManager::Offer(TOption& level, const std::vector<size_t>& indexes, const std::weak_ptr<void>& alive)
{
    ClearLabels();
    // A label's number is its position among the choices actually shown.
    std::vector<size_t> shown;
    for (size_t index : indexes) {
        const int before = FShownCount;
        ShowChoice(level.Choices[index].ChoiceText);
        if (FShownCount > before)
            shown.push_back(index);
    }
    // With nothing to pick the run ends rather than waiting for a click that cannot come.
    if (shown.empty())
        return -1;
    Client.SetPlayControlsEnabled(false);
    level.Selected = 0;
    Host().WaitUntil([&level] { return level.Selected != 0; }, "a choice in a conversation");
    if (level.Selected == -1 || level.Discarded || alive.expired())
        return -1;
    const int picked = level.Selected;
    ClearLabels();
    if (picked < 1 || picked > static_cast<int>(shown.size()))
        return -1;
    return static_cast<int>(shown[picked - 1]);
}

void TOptionManager::RunDialogue(TOption& level, const std::weak_ptr<void>& alive)
{
    // However the run ends, the play controls come back and the labels go.
    // The client outlives the manager, which may be gone by then.
    struct TRunEnd {
        TOptionManager& Manager;
        TGameClient& Client;
        const std::weak_ptr<void>& Alive;
        ~TRunEnd()
        {
            Client.SetPlayControlsEnabled(true);
            if (!Alive.expired())
                Manager.ClearLabels();
        }
    } runEnd{*this, Client, alive};

    std::vector<size_t> topLevel;
    for (size_t index = 0; index < level.Choices.size(); ++index)
        if (level.Choices[index].ChoiceId == 0)
            topLevel.push_back(index);
    int picked = Offer(level, topLevel, alive);
    while (picked >= 0) {
        level.Current = level.Choices[picked];
        if (level.Current.ChoiceKind == 2 && level.Current.Callback) {
            const std::function<void()> callback = level.Current.Callback;
            callback();
        }
        // The callback may have moved the party or cleared the choices.
        if (level.Discarded || level.Selected == -1 || alive.expired())
            return;
        if (level.Current.NextIds.empty())
            return;
        // Indexes, not pointers: a callback may add choices to this level.
        std::vector<size_t> next;
        for (int32_t id : level.Current.NextIds) {
            for (size_t index = 0; index < level.Choices.size(); ++index) {
                const int32_t choiceId = level.Choices[index].ChoiceId;
                if (id == 0 ? choiceId == 0 : choiceId == id) {
                    next.push_back(index);
                    if (id != 0)
                        break;
                }
            }
        }
        picked = Offer(level, next, alive);
    }
}

void TOptionManager::AskContinue(const std::string& text)
{
    PushLevel();
    const std::shared_ptr<TOption> level = Levels[FTop];
    const std::weak_ptr<void> alive = AliveToken();
    TGameClient& client = Client;
    ShowChoice(text);
    client.ChoiceResult = 0;
    client.SetPlayControlsEnabled(false);
    try {
        WaitForChoice();
    } catch (...) {
        client.SetPlayControlsEnabled(true);
        if (!alive.expired()) {
            ClearLabels();
            CloseLevel(level);
        }
        throw;
    }
    if (alive.expired()) {
        client.SetPlayControlsEnabled(true);
        return;
    }
    ClearLabels();
    client.SetPlayControlsEnabled(true);
    if (!level->Discarded)
        RunLevel(level);
}
