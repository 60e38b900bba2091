// Every designed dialog opened at 800×600 with long captions: it lies on the
// screen, no control sits on another or cuts its caption, a screen reader can
// name every control, and every control of the form is drawn from the design.
// With VELLUMORA_SCREENSHOT_DIR set, each dialog's picture is saved there.
#include <QCoreApplication>
#include <QDialog>
#include <QScrollArea>
#include <QScrollBar>
#include <QDir>
#include <QWheelEvent>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

#include "app/AboutForm.h"
#include "app/AdvDetailsForm.h"
#include "app/CreateForm.h"
#include "app/CutSceneForm.h"
#include "app/GraphicInfoForm.h"
#include "app/MainForm.h"
#include "app/MapForm.h"
#include "app/PartyForm.h"
#include "app/SimpleChooseForm.h"
#include "app/SpellBooksForm.h"
#include "app/StartForm.h"
#include "app/StatsForm.h"
#include "app/VerbsForm.h"
#include "data/Picture.h"
#include "rules/Creature.h"
#include "platform/ScriptedHost.h"
#include "session/GameClient.h"
#include "session/Process.h"
#include "world/AreaMap.h"
#include "tests/qt/WidgetChecks.h"
#include "ui/qt/FormDesigns.h"
#include "ui/qt/FormDialog.h"
#include "ui/qt/InputBox.h"

namespace {

const QRect Screen(0, 0, 800, 600);

// The creation dialog with the longest captions the bundled rules give.
std::unique_ptr<TFormModel> CreationPage(int page)
{
    auto form = std::make_unique<TFrmCreate>();
    static const char* const Races[RaceButtonCount] = {"Human",    "Wood Elf", "Mountain Dwarf", "Halfling",
                                                       "Gnome",    "Half-Elf", "Half-Orc",       "Hill Giant",
                                                       "Dark Elf", "Goblin",   "Lizardman",      "Minotaur",
                                                       "Ogre",     "Ash-born"};
    for (int race = 0; race < RaceButtonCount; ++race)
        form->Control("RadioRace" + std::to_string(race)).Caption = Races[race];
    for (int id = 1; id <= BuiltInClassCount; ++id)
        form->Control("RadioClass" + std::to_string(id)).Caption = "BattlePriest";
    for (int custom = 1; custom <= CustomClassButtonCount; ++custom)
        form->Control("RadioCustomClass" + std::to_string(custom)).Caption = "Ember Warden";
    for (const char* control : {"MemoRace", "MemoClass"})
        form->Control(control).Text = std::string(600, 'x');
    for (size_t ability = 0; ability < AbilitySpins.size(); ++ability) {
        form->Control(AbilitySpins[ability]).Position = 16;
        form->Control(AbilityLimits[ability]).Caption = "up to 23";
    }
    for (size_t mastery = 0; mastery < WeaponSpins.size(); ++mastery) {
        form->Control(WeaponSpins[mastery]).Position = 7;
        form->Control("Lbl_WM_" + std::to_string(mastery + 1)).Caption = "Grand Master";
    }
    for (int skill = 1; skill <= 5; ++skill)
        form->Control("BtnSkill_" + std::to_string(skill)).Caption = "Physical Damage Resistance 24";
    form->Control("LblSkillInfo").Caption =
        "Reduces the physical damage the character takes from every blow, arrow and fall by one point for "
        "every two points in the skill, and lets a hardened fighter shrug off what would fell another.";
    for (const char* points : {"LblAbilityPoints", "LblWeaponPoints", "LblSkillPoints"})
        form->Control(points).Caption = "Points Remaining 12";
    form->Control("BtnPrevious").Caption = "<< PREVIOUS";
    form->ShowPage(page);
    return form;
}

// The information of a spell book with a picture as wide as the bundled ones,
// and a text longer than the parchment; or of a plain item.
std::unique_ptr<TFormModel> ItemInformation(bool withPicture)
{
    TItem item;
    item.RealName = withPicture ? "The Cinderbound Grimoire of the Ashfang Deeps" : "Dagger";
    item.type_id = withPicture ? itSpellbook : itItem;
    auto form = std::make_unique<TFrmGraphicInfo>(item, nullptr);
    TControlState& text = form->Control("PaintBox1");
    text.Items.assign(40, withPicture ? "Its pages are warm to the" : "A broad-bladed knife, good for close work and for");
    text.Max = 40;
    text.Text = "A broad-bladed knife.";
    if (withPicture) {
        auto picture = std::make_shared<TPicture>();
        picture->Width = 200;
        picture->Height = 260;
        picture->Pixels.assign(static_cast<size_t>(picture->Width) * picture->Height, 0xFF804020u);
        TControlState& image = form->Control("Image1");
        image.Picture = picture;
        image.Visible = true;
        text.Tag = TFrmGraphicInfo::AreaWidth - (picture->Width + 40);
    }
    return form;
}

// A seasoned battle priest's statistics, on one page of the sheet.
std::unique_ptr<TFormModel> StatisticsPage(int page)
{
    TPlayer member;
    member.race_name = "Mountain Dwarf";
    member.ClassId = 9;
    member.Mastery.fill(7);
    member.AttackMod = {-12, 3, 0, 15};
    member.DamageMod = {10, -4, 0, 2};
    for (const char* skill : {"Physical Damage Resistance", "Negative Energy Projection", "Wizard Spell Resistance",
                              "Read Languages/Symbols", "Dual Weapon Fighting"})
        member.Skills.push_back({skill, 24, ""});
    member.Resistances.fill(-100);
    auto form = std::make_unique<TFrmStats>(member, "");
    form->Control("PageStats").ItemIndex = page;
    return form;
}

// The map of an area wider than the dialog's grid, and of a small one.
std::unique_ptr<TFormModel> AreaMapOf(int columns, int rows)
{
    AreaMap().Resize(columns, rows);
    return std::make_unique<TFrmMap>();
}

std::unique_ptr<TFormModel> EverythingShown(std::unique_ptr<TFormModel> form)
{
    for (const auto& control : form->Controls())
        control->Visible = true;
    return form;
}

struct TDesignCase {
    std::string Name;
    std::function<std::unique_ptr<TFormModel>()> Make;
};

std::vector<TDesignCase> DesignCases()
{
    std::vector<TDesignCase> cases;
    for (int page = 0; page < static_cast<int>(CreatePages.size()); ++page)
        cases.push_back({std::string("create-") + CreatePages[page], [page] { return CreationPage(page); }});
    cases.push_back({"start", [] {
                         auto form = EverythingShown(std::make_unique<TFrmStart>());
                         form->Control("Label1").Caption = "GIVE A BOOKMARK NAME";
                         form->Control("ListBookmarks").Items = {"Before the mines  12/10/2026 18:04"};
                         return form;
                     }});
    cases.push_back({"verbs", [] {
                         auto form = std::make_unique<TFrmVerbs>();
                         form->Control("LblTitle").Caption = "INSERT INTO";
                         form->Control("ListBox1").Items = {"Iron-bound Chest", "Leather Sack(backpack)"};
                         return form;
                     }});
    cases.push_back({"details", [] {
                         auto form = std::make_unique<TFrmAdvDetails>();
                         form->Control("LblTitle").Caption = "Embers under Cindervale";
                         form->Control("LblCreatedBy").Caption = "The Vellumora project";
                         form->Control("LblDate").Caption = "2026";
                         form->Control("LblVer").Caption = "1.0";
                         form->Control("Memo1").Text = "A short adventure in a walled mining town.";
                         return form;
                     }});
    cases.push_back({"about", [] { return std::make_unique<TFrmAbout>(); }});
    cases.push_back({"cutscene", [] {
                         auto form = std::make_unique<TFrmCutScene>();
                         form->Control("LblTitle").Caption = "The Ember Gate";
                         form->Control("Memo1").Text = std::string(2000, 'x');
                         return form;
                     }});
    cases.push_back({"info", [] { return ItemInformation(true); }});
    cases.push_back({"info-plain", [] { return ItemInformation(false); }});
    for (int page = 0; page < 5; ++page)
        cases.push_back({"stats-" + std::to_string(page), [page] { return StatisticsPage(page); }});
    cases.push_back({"contents", [] {
                         auto form = EverythingShown(std::make_unique<TFrmSpellBooks>());
                         form->Caption = "Contents";
                         form->Control("ListBox1").Items = {"Scroll of the Veil of Ash", "Healing Draught(3)", "75gp"};
                         return form;
                     }});
    cases.push_back({"map-large", [] { return AreaMapOf(30, 12); }});
    cases.push_back({"map-small", [] { return AreaMapOf(5, 4); }});
    cases.push_back({"party", [] {
                         // A name as long as a character file keeps, and two empty slots.
                         auto form = std::make_unique<TFrmParty>();
                         const char* const Names[] = {"Aldric Stonehewer of the Ashfang Deeps", "Brenna",
                                                      "Wenlow Marsh-Treader the Younger", "Ysolde"};
                         for (int slot = 1; slot <= 4; ++slot)
                             form->Control("RadioP" + std::to_string(slot)).Caption = Names[slot - 1];
                         form->Control("RadioP2").Checked = true;
                         form->Control("RadioP5").Enabled = false;
                         form->Control("RadioP6").Enabled = false;
                         return form;
                     }});
    cases.push_back({"choose", [] {
                         auto form = std::make_unique<TFrmSimpleChoose>();
                         form->Control("ListBox1").Items = {"Brenna", "Aldric"};
                         return form;
                     }});
    return cases;
}

class DialogDesignTest : public ::testing::Test {
protected:
    DialogDesignTest()
    {
        // The verbs dialog asks the host for the screen's width; the item
        // information reads the program folder's parchment.
        Process().Host = &Host;
        Process().MainForm = std::make_unique<TForm1>();
        // The area map paints the party's place.
        Process().Client = std::make_unique<TGameClient>(*Process().MainForm);
        Process().AppDir = PROGRAM_PICTURES_DIR;
    }
    ~DialogDesignTest() override { ResetProcess(); }

    // Shows the dialog centred on the 800×600 screen, laid out.
    static void Open(QDialog& dialog)
    {
        dialog.show();
        QCoreApplication::processEvents();
        dialog.move(Screen.center() - dialog.rect().center());
        QCoreApplication::processEvents();
    }

    static void Check(QDialog& dialog, const std::string& name, const std::set<std::string>& controls)
    {
        for (const auto& faults : {OutsideOf(dialog, Screen), Overlapping(dialog), CutCaptions(dialog),
                                   Unreadable(dialog, controls)})
            for (const std::string& fault : faults)
                ADD_FAILURE() << name << ": " << fault;
        const QString folder = qEnvironmentVariable("VELLUMORA_SCREENSHOT_DIR");
        if (!folder.isEmpty()) {
            EXPECT_TRUE(dialog.grab().save(QDir(folder).filePath(QString::fromStdString(name) + ".png")));
        }
    }

    TScriptedHost Host{std::string()};
};

} // namespace

TEST_F(DialogDesignTest, EveryDesignedDialogFitsTheScreenNeatly)
{
    for (const TDesignCase& design : DesignCases()) {
        const std::unique_ptr<TFormModel> form = design.Make();
        TFormDialog dialog(*form, [](const std::function<void()>&) {}, nullptr);
        Open(dialog);
        std::set<std::string> controls;
        for (const auto& control : form->Controls())
            controls.insert(control->Name);
        Check(dialog, design.Name, controls);
    }
}

TEST_F(DialogDesignTest, TheInputBoxFitsTheScreenNeatly)
{
    TInputBox box("Command Line", "Command:", "lanternfog", nullptr);
    Open(box);
    Check(box, "input", {"LblPrompt", "EditValue", "BtnOk", "BtnCancel"});
    EXPECT_EQ(box.Value(), "lanternfog");
}

TEST_F(DialogDesignTest, EveryControlOfADesignedFormIsInItsDesign)
{
    for (const TDesignCase& design : DesignCases()) {
        const std::unique_ptr<TFormModel> form = design.Make();
        const TDialogDesign layout = DialogDesign(form->Name());
        ASSERT_NE(layout, nullptr) << design.Name;
        QDialog drawn;
        layout(drawn, *form);
        for (const auto& control : form->Controls())
            EXPECT_NE(drawn.findChild<QWidget*>(QString::fromStdString(control->Name)), nullptr)
                << design.Name << ": " << control->Name << " is not in the design";
    }
}

TEST_F(DialogDesignTest, TheWheelScrollsTheItemTextTwoLinesANotch)
{
    const std::unique_ptr<TFormModel> form = ItemInformation(false);
    TFormDialog* drawn = nullptr;
    TFormDialog dialog(*form, [&drawn](const std::function<void()>& handler) {
        handler();
        drawn->Sync();
    }, nullptr);
    drawn = &dialog;
    Open(dialog);
    QWidget* text = dialog.findChild<QWidget*>("PaintBox1");
    ASSERT_NE(text, nullptr);
    for (const auto& [angle, first] : {std::pair{-120, 2}, {-240, 6}, {120, 4}}) {
        QWheelEvent wheel(QPointF(5, 5), text->mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(0, angle), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(text, &wheel);
        EXPECT_EQ(form->Control("PaintBox1").Position, first) << angle;
    }
}

TEST_F(DialogDesignTest, TheAreaMapIsAsLargeAsTheAreaAndScrollsWhatDoesNotFit)
{
    const std::unique_ptr<TFormModel> form = AreaMapOf(30, 12);
    TFormDialog dialog(*form, [](const std::function<void()>&) {}, nullptr);
    Open(dialog);
    const QWidget* grid = dialog.findChild<QWidget*>("MGrid");
    ASSERT_NE(grid, nullptr);
    EXPECT_EQ(grid->size(), QSize(30 * MapCellSize, 12 * MapCellSize));
    const auto* scroll = dialog.findChild<QScrollArea*>();
    ASSERT_NE(scroll, nullptr);
    EXPECT_GT(scroll->horizontalScrollBar()->maximum(), 0);
    EXPECT_EQ(scroll->verticalScrollBar()->maximum(), 0);
}
