#include "script/ScriptCommands.h"

#include <algorithm>
#include <cmath>

#include "app/CutSceneForm.h"
#include "app/MainForm.h"
#include "app/SimpleChooseForm.h"
#include "data/Convert.h"
#include "data/DataManager.h"
#include "data/Utils.h"
#include "platform/Host.h"
#include "rules/CombatSession.h"
#include "rules/Creature.h"
#include "rules/Death.h"
#include "rules/Effects.h"
#include "rules/ShopSession.h"
#include "script/ScriptObject.h"
#include "session/Choices.h"
#include "session/GameClient.h"
#include "session/Party.h"
#include "session/Process.h"
#include "session/StyledText.h"
#include "world/Location.h"
#include "world/LocationManager.h"

namespace {

bool Closed()
{
    const TProcess& process = Process();
    return !process.Client || !process.MainForm || process.Client->SessionClosed;
}

TDataManager* Data()
{
    return Process().MainForm ? Process().MainForm->DataManager.get() : nullptr;
}

TLocationManager* Locations()
{
    return Process().MainForm ? Process().MainForm->LocationManager.get() : nullptr;
}

TRecordSet Query(const std::string& statement)
{
    TSQLite3* db = Process().SessionDb.get();
    return db ? db->Query(statement) : TRecordSet();
}

} // namespace

TScriptCmd& Cmd()
{
    static TScriptCmd commands;
    return commands;
}

void TScriptCmd::Print(const std::string& text)
{
    if (!Closed())
        AppendText(text);
}

void TScriptCmd::PrintParagraph(const std::string& text)
{
    if (Closed())
        return;
    AppendText(text);
    AppendText("");
}

void TScriptCmd::MessageBox(const std::string& text)
{
    if (!Closed())
        Host().MessageDlg(text, TMsgDlgType::Information, mbOK);
}

void TScriptCmd::ShowMedia(int32_t kind, const std::string& fileName)
{
    TDataManager* data = Data();
    if (Closed() || !data)
        return;
    if (kind == 1) {
        data->LoadPicture(fileName, MainForm().Control("Image"));
    } else if (kind == 2) {
        std::vector<std::string> lines;
        data->GetTextByFile(fileName, lines);
        if (!lines.empty()) {
            AppendText("");
            AppendPaged(lines);
        }
    }
}

void TScriptCmd::CutScene(const std::string& title, bool fromTexts, const std::string& text)
{
    TDataManager* data = Data();
    if (Closed() || !data)
        return;
    TFrmCutScene form;
    form.Control("LblTitle").Caption = title;
    if (fromTexts) {
        std::vector<std::string> lines;
        data->GetTextByFile(text, lines);
        if (lines.empty())
            return;
        std::string joined;
        for (const std::string& line : lines)
            joined += (joined.empty() ? "" : "\n") + line;
        form.Control("Memo1").Text = joined;
    } else {
        form.Control("Memo1").Text = text;
    }
    Host().ShowModal(form);
}

void TScriptCmd::ClearOutput(bool clear)
{
    ClearOrScrollOutput(clear);
}

void TScriptCmd::BeginChoices()
{
    if (!Closed() && GameClient().Options)
        GameClient().Options->PushLevel();
}

void TScriptCmd::AddChoice(int32_t id, const std::string& text, const std::string& nextIds, std::function<void()> callback)
{
    if (!Closed() && GameClient().Options)
        GameClient().Options->AddChoice(id, text, nextIds, std::move(callback));
}

void TScriptCmd::ClearChoices()
{
    if (!Closed() && GameClient().Options)
        GameClient().Options->ClearAll();
}

void TScriptCmd::RunChoices(TScriptObject*)
{
    if (!Closed() && GameClient().Options)
        GameClient().Options->RunChoices();
}

void ShowSingleChoice(const std::string& text, TScriptObject* script)
{
    TScriptCmd& commands = Cmd();
    commands.BeginChoices();
    commands.AddChoice(0, text, "", nullptr);
    commands.RunChoices(script);
}

int32_t FindBackpackItem(int64_t id, const TCreature* creature)
{
    if (!creature)
        return 0;
    for (int slot = 1; slot <= BackpackSlotCount; ++slot) {
        const TItem* item = creature->Backpack[slot - 1].get();
        if (item && (item->Id == id || item->TemplateId == id))
            return slot;
    }
    return 0;
}

bool PartyHasItem(int64_t id)
{
    if (!Process().MainForm)
        return false;
    for (int slot = 1; slot <= MaxPartySize; ++slot)
        if (FindBackpackItem(id, MainForm().Member(slot)))
            return true;
    return false;
}

bool TakeFromParty(int64_t id)
{
    TScriptCmd& cmd = Cmd();
    for (int32_t slot = 1; slot <= MaxPartySize; ++slot) {
        TScriptSender holder;
        holder.Object = cmd.PartyMember(slot);
        if (!FindBackpackItem(id, dynamic_cast<const TCreature*>(holder.Object)))
            continue;
        holder.TakeItem(id);
        return true;
    }
    return false;
}

void TScriptCmd::GiveItem(int64_t id)
{
    TDataManager* data = Data();
    if (Closed() || !data)
        return;
    std::unique_ptr<TItem> object;
    if (!Query("select id from items where id = " + std::to_string(id)).empty()) {
        object = std::make_unique<TItem>();
        data->LoadItem(id, object.get(), true);
    } else if (!Query("select id from weapons where id = " + std::to_string(id)).empty()) {
        auto weapon = std::make_unique<TWeapon>();
        data->LoadWeapon(id, weapon.get(), true);
        object = std::move(weapon);
    } else {
        object = std::make_unique<TItem>();
        data->LoadContainer(id, object.get());
    }
    const int selected = Process().SelectedMember;
    TPlayer* member = MainForm().Member(selected);
    if (!member) {
        DropIntoCurrentLocation(std::move(object));
        AppendText("Item dropped");
        return;
    }
    if (const int slot = member->FirstFreeBackpackSlot()) {
        member->PutInBackpack(object, slot);
        GameClient().RefreshMemberPanel(selected);
        return;
    }
    DropIntoCurrentLocation(std::move(object));
    AppendText("Backpack is full. Item dropped");
}

int64_t TScriptCmd::JoinParty(int64_t id)
{
    return Closed() ? 0 : ::JoinParty(id);
}

void TScriptCmd::RaiseDeadMember(int32_t percent)
{
    TDataManager* data = Data();
    if (Closed() || !data)
        return;
    TForm1& form = MainForm();
    int members = 0;
    for (int slot = 1; slot <= MaxPartySize; ++slot)
        members += form.Member(slot) != nullptr;
    if (members >= std::min(data->MaxParty, MaxPartySize)) {
        Host().MessageDlg("There is not enough room in your party for another member", TMsgDlgType::Information, mbOK);
        return;
    }
    const TRecordSet candidates = Query("select id,name from players p, player_state s where p.id = s.player_id and "
                                        "s.state_id = 1 and p.party_pos = 0");
    TFrmSimpleChoose choose;
    TControlState& list = choose.Control("ListBox1");
    for (const auto& row : candidates)
        list.Items.push_back(row->GetItem("name"));
    choose.Control("Button2").Visible = false;
    if (Host().ShowModal(choose) != mrOk || list.ItemIndex < 0 || list.ItemIndex >= static_cast<int>(candidates.size()))
        return;
    const int64_t id = StrToInt64Def(candidates[list.ItemIndex]->GetItem("id"), 0);

    TGameClient& client = GameClient();
    std::unique_ptr<TPlayer> player;
    if (TLocation* here = client.CurrentLocation)
        for (auto& body : here->Corpses)
            if (body && body->Id == id && dynamic_cast<TPlayer*>(body.get())) {
                player.reset(static_cast<TPlayer*>(body.release()));
                break;
            }
    if (player) {
        if (TLocationManager* locations = Locations())
            locations->RemoveContentRow(player->PlacementId);
        player->PlacementId = -1;
    } else {
        if (TLocationManager* locations = Locations())
            locations->StripBody(id);
        player = std::make_unique<TPlayer>();
        const int32_t gold = client.PartyGold;
        data->LoadPlayer(player.get(), id);
        client.PartyGold = gold;
        const TRecordSet lying = Query("select loc_id from loc_cont where ctype = 11 and cont_id = " + std::to_string(id));
        const int64_t locationId = lying.empty() ? 0 : StrToInt64Def(lying[0]->GetItem("loc_id"), 0);
        auto drop = [&](std::unique_ptr<TItem> item) {
            if (!item || !Locations())
                return;
            Locations()->PlaceEntity(item.get(), locationId, true);
            if (TLocation* there = Locations()->LoadedLocation(locationId))
                there->AddItem(std::move(item));
        };
        for (int slot = 1; slot <= BackpackSlotCount; ++slot)
            drop(player->TakeFromSlot(slot, 1));
        for (int slot = 1; slot <= QuickSlotCount; ++slot)
            drop(player->TakeFromSlot(slot, 2));
        for (int slot = 0; slot < BodySlotCount; ++slot)
            drop(player->Unequip(slot));
        data->SaveCreature(player.get());
        if (TSQLite3* db = Process().SessionDb.get())
            db->Execute("delete from loc_cont where ctype = 11 and cont_id = " + std::to_string(id) +
                        " and loc_id = " + std::to_string(locationId));
    }
    const int64_t endurance = std::llround(double(player->end_max) * percent / 100.0);
    player->SetStat(siEnd, endurance < 2 || endurance > player->end_max ? 1 : static_cast<int32_t>(endurance), false);
    player->States.reset(StateDead);
    for (int slot = 1; slot <= MaxPartySize; ++slot)
        if (!form.Member(slot)) {
            client.AddPartyMember(player, slot);
            break;
        }
}

void TScriptCmd::AwardExperience(int32_t amount)
{
    if (!Closed())
        ::AwardExperience(amount);
}

void TScriptCmd::RestParty(int32_t amount)
{
    if (Closed())
        return;
    for (int slot = 1; slot <= MaxPartySize; ++slot)
        if (TPlayer* member = MainForm().Member(slot)) {
            member->SetStat(siMana, member->mana_max, false);
            member->ChangeStat(siEnd, amount);
        }
}

void TScriptCmd::CurePoison(int64_t creatureId)
{
    if (!Closed() && MainForm().EffectsManager)
        MainForm().EffectsManager->CancelDamageOfType(creatureId, 8);
}

TEntity* TScriptCmd::PartyMember(int32_t slot)
{
    if (Closed())
        return nullptr;
    return MainForm().Member(slot == 0 ? Process().SelectedMember : slot);
}

void TScriptCmd::AddTimedState(TEntity* creature, int32_t state, int32_t rounds, int32_t everyUnits)
{
    if (auto* held = dynamic_cast<TCreature*>(creature); held && !Closed())
        HoldInState(*held, state, rounds, everyUnits);
}

int32_t TScriptCmd::GetGold()
{
    return Process().Client ? GameClient().PartyGold : 0;
}

void TScriptCmd::SetGold(int32_t amount)
{
    if (Closed())
        return;
    GameClient().PartyGold = std::max(0, amount);
    GameClient().RefreshGoldLabels();
}

void TScriptCmd::ShowContent(int32_t ctype, int64_t contentId, bool visible)
{
    TLocationManager* locations = Locations();
    if (Closed() || !locations)
        return;
    if (visible)
        locations->RevealContent(ctype, contentId);
    else
        locations->HideContent(ctype, contentId);
}

void TScriptCmd::ShowExit(int64_t locationId, int64_t exitId, bool visible)
{
    if (!Closed() && Locations())
        Locations()->SetExitVisible(locationId, exitId, visible);
}

void TScriptCmd::SpawnContent(int64_t id, int32_t kind, int32_t, int32_t count, int64_t locationId)
{
    if (!Closed() && Locations())
        Locations()->Spawn(id, kind, count, locationId);
}

void TScriptCmd::MoveParty(int64_t locationId)
{
    if (Closed())
        return;
    EndCombat();
    GameClient().EnterLocation(locationId);
}

void TScriptCmd::CheckForCombat()
{
    if (!Closed())
        StartCombatIfEnemies();
}

void TScriptCmd::UICommand(const std::string& name)
{
    if (Closed())
        return;
    if (name == "close_container")
        GameClient().ChoiceResult = -1;
    else if (name == "show_main")
        MainForm().Select("PageControl1", 0);
}

TVariant TScriptCmd::GetVariable(const std::string& name)
{
    if (Closed() || !GameClient().CurrentLocation)
        return std::string();
    const TLocation& here = *GameClient().CurrentLocation;
    if (name == "IN_COMBAT")
        return MainForm().InCombat;
    if (name == "LOC_ID")
        return here.Id;
    if (name == "LOC_NAME")
        return here.Name;
    if (name == "LOC_VISITED")
        return here.Visited;
    if (name == "FRMT_LOC_NAME")
        return FRMT_LOC_NAME;
    if (name == "FRMT_LOC_CONT")
        return FRMT_LOC_CONT;
    if (name == "ENGINE_VERSION")
        return std::string("1.6");
    if (name == "SOUND_FILE")
        return std::string();
    return std::string("undefined");
}

void TScriptCmd::AddJournalEntry(const std::string& name, const std::string& textFile)
{
    if (!Closed())
        GameClient().AddJournalEntry(name, textFile);
}

void TScriptCmd::AddQuest(const std::string& name, const std::string& textFile)
{
    if (!Closed())
        GameClient().AddQuest(name, textFile);
}

void TScriptCmd::CompleteQuest(const std::string& name)
{
    if (!Closed())
        GameClient().CompleteQuest(name);
}

void TScriptCmd::AddMapPicture(const std::string& title, const std::string& pictureFile, const std::string& caption)
{
    if (!Closed())
        GameClient().AddMapPicture(title, pictureFile, caption);
}

void TScriptCmd::MapMarker(const std::string& title, const std::string& marker, int32_t operation, int32_t top,
                           int32_t left, const std::string& pictureFile)
{
    if (!Closed())
        GameClient().UpdateMapMarker(title, marker, operation, top, left, pictureFile);
}

int32_t TScriptCmd::GetCounter(const std::string& name)
{
    const TIntegerHash& counters = Process().Switches;
    return Closed() || name.empty() || !counters.Exists(name) ? 0 : counters.GetItem(name);
}

void TScriptCmd::ChangeCounter(const std::string& name, bool increment)
{
    TIntegerHash& counters = Process().Switches;
    if (Closed() || name.empty())
        return;
    if (!increment) {
        if (counters.Exists(name))
            counters.Delete(name);
        return;
    }
    counters.SetItem(name, counters.Exists(name) ? counters.GetItem(name) + 1 : 1);
}

void TScriptCmd::SetCounter(const std::string& name, int32_t value)
{
    if (!Closed() && !name.empty())
        Process().Switches.SetItem(name, value);
}

TVariant TScriptCmd::GetGlobal(const std::string& name)
{
    if (Closed())
        return std::string();
    for (const auto& [key, value] : Process().GlobalVariables)
        if (key == name)
            return value;
    return std::string();
}

void TScriptCmd::SetGlobal(const std::string& name, const TVariant& value)
{
    if (Closed())
        return;
    auto& globals = Process().GlobalVariables;
    for (auto& [key, stored] : globals)
        if (key == name) {
            stored = value;
            return;
        }
    globals.emplace_back(name, value);
}

void TScriptCmd::DeleteGlobal(const std::string& name)
{
    if (Closed())
        return;
    auto& globals = Process().GlobalVariables;
    const auto found = std::find_if(globals.begin(), globals.end(), [&](const auto& entry) { return entry.first == name; });
    if (found != globals.end())
        globals.erase(found);
}

int32_t TScriptCmd::RandomRange(int32_t low, int32_t high)
{
    if (low > high)
        return 0;
    if (low == high)
        return low;
    const int64_t span = int64_t(high) - low + 1;
    return static_cast<int32_t>(low + Process().Random.Random64(span));
}

int32_t TScriptCmd::RollDice(int32_t count, int32_t sides)
{
    return Closed() ? 0 : DiceTotal32(count, sides);
}

void TScriptCmd::OpenShop(const std::string& title, int32_t saleDiscount, int32_t markup, int64_t shopId)
{
    if (Closed())
        return;
    TForm1& form = MainForm();
    // Scripts run inside a shop's menu (its services, the effects' ticks): the
    // running shop is not freed under its own loop.
    if (form.ShopSession && form.ShopSession->MenuRunning)
        return;
    CloseShop();
    form.ShopSession = TShopSession::Create(title, saleDiscount, markup, shopId);
}

void TScriptCmd::AddShopService(const std::string& name, int32_t price, int32_t code)
{
    if (!Closed())
        if (const std::shared_ptr<TShopSession> shop = MainForm().ShopSession)
            shop->AddService(name, price, code);
}

void TScriptCmd::RunShop(TScriptObject* script)
{
    if (!Closed())
        if (const std::shared_ptr<TShopSession> shop = MainForm().ShopSession)
            shop->RunMenu(script);
}
