// The player's choices: numbered labels in the choice box, used as plain lists
// and as dialogue trees of linked choices with callbacks. Levels stack, so a
// deeper conversation or a "Continue..." break hides the labels below it and
// shows them again afterwards.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

struct ChoiceRec {
    // 2: run the callback when the choice is followed (every choice a script adds).
    int32_t ChoiceKind = 0;
    // 0 marks a top-level choice.
    int32_t ChoiceId = 0;
    std::string ChoiceText;
    std::function<void()> Callback;
    // The choices offered after this one; empty ends the dialogue.
    std::vector<int32_t> NextIds;
};

// Parses a follow-up list: trimmed, split at ",", empty pieces skipped, a piece
// that is not a number read as 0.
std::vector<int32_t> ParseNextIds(const std::string& text);

// One level of the choice stack.
class TOption {
public:
    ~TOption();

    std::vector<ChoiceRec> Choices;
    ChoiceRec Current;
    // The label picked while this level waits: 0 waiting, -1 cancelled, n > 0.
    int32_t Selected = 0;
    std::vector<std::string> SavedTexts;
    // Set when the level is freed while a run or wait still refers to it.
    bool Discarded = false;
};

class TFormModel;
class TGameClient;

class TOptionManager {
public:
    // The labels live on form (LblChoice1 inside ScrollBox1); picks go to client.
    TOptionManager(TGameClient& client, TFormModel& form);
    ~TOptionManager();
    TOptionManager(const TOptionManager&) = delete;
    TOptionManager& operator=(const TOptionManager&) = delete;

    void ShowChoice(const std::string& text);
    void ClearLabels();
    // Runs the pump until a label is clicked or the choices are cleared.
    int32_t WaitForChoice();
    void StoreSelection();
    void PushLevel();
    void AddChoice(int32_t id, const std::string& text, const std::string& nextIds, std::function<void()> callback);
    void RunChoices();
    void AskContinue(const std::string& text);
    void ClearAll();
    void SaveLabels();
    void RestoreLabels();

    // Choices are pending exactly while labels are shown.
    int ShownCount() const { return FShownCount; }
    const std::vector<std::string>& Labels() const { return FLabels; }
    int Top() const { return FTop; }
    // The level at place index, or null for an empty place.
    TOption* Level(int index) const;

    // Expires when the manager is destroyed: code that waits checks it before
    // touching the manager again.
    std::weak_ptr<void> AliveToken() const { return FAlive; }

private:
    // Runs a level's dialogue, then closes it unless the choices were cleared meanwhile.
    void RunLevel(const std::shared_ptr<TOption>& level);
    void RunDialogue(TOption& level, const std::weak_ptr<void>& alive);
    // Shows the choices at the given indexes, waits, and returns the index of the
    // one picked, or -1 when the run must end.
    int Offer(TOption& level, const std::vector<size_t>& indexes, const std::weak_ptr<void>& alive);
    void CloseLevel(const std::shared_ptr<TOption>& level);
    static void Discard(const std::shared_ptr<TOption>& level);

    // Shared with runs in progress, which keep a freed level readable until
    // they have seen that it was cancelled.
    std::vector<std::shared_ptr<TOption>> Levels;
    int FTop = 0;
    TGameClient& Client;
    TFormModel& Form;
    std::vector<std::string> FLabels;
    // The texts the labels show, without their numbers.
    std::vector<std::string> FLabelTexts;
    int FShownCount = 0;
    std::shared_ptr<int> FAlive = std::make_shared<int>(0);
};
