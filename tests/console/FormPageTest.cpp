#include <gtest/gtest.h>

#include <sstream>

#include "app/AboutForm.h"
#include "app/CreateForm.h"
#include "app/GraphicInfoForm.h"
#include "app/SimpleChooseForm.h"
#include "app/SpellBooksForm.h"
#include "app/StatsForm.h"
#include "rules/Creature.h"
#include "support/EngineFixture.h"
#include "ui/console/FormPage.h"

TEST(FormPageTest, NextAndCancelKeepTheirNumbersOnEveryCreationPage)
{
    TFrmCreate form;
    for (int page = 0; page < static_cast<int>(CreatePages.size()); ++page) {
        SCOPED_TRACE(CreatePages[page]);
        form.ShowPage(page);
        TFormPage drawn;
        std::ostringstream out;
        drawn.Draw(form, out);
        std::string why;
        EXPECT_EQ(drawn.LineFor(form, 1, why), "click BtnPrevious");
        EXPECT_EQ(drawn.LineFor(form, 2, why), "click BtnNext");
        EXPECT_NE(out.str().find("   1. CANCEL   2. NEXT >>   3. IMPORT..."), std::string::npos) << out.str();
    }
}

TEST(FormPageTest, SpinsAreNamedAndTheirButtonsShareTheirLine)
{
    TFrmCreate form;
    form.ShowPage(3);
    form.Control("SpinStr").Position = 4;
    TFormPage drawn;
    std::ostringstream out;
    drawn.Draw(form, out);
    EXPECT_NE(out.str().find("     Strength 4   (4 raises, 5 lowers)\n"), std::string::npos) << out.str();
    std::string why;
    EXPECT_EQ(drawn.LineFor(form, 4, why), "click SpinStrUp");
    EXPECT_EQ(drawn.LineFor(form, 5, why), "click SpinStrDown");

    form.ShowPage(4);
    form.Control("Lbl_WM_1").Caption = "Apprentice";
    std::ostringstream weapons;
    drawn.Draw(form, weapons);
    EXPECT_NE(weapons.str().find("     Axe 0 Apprentice   (4 raises, 5 lowers)\n"), std::string::npos) << weapons.str();
}

TEST(FormPageTest, TheNameFieldIsNamedAndFilledByItsWord)
{
    TFrmCreate form;
    form.ShowPage(6);
    TFormPage drawn;
    std::ostringstream out;
    drawn.Draw(form, out);
    EXPECT_NE(out.str().find("     Name: (not given yet)\n"), std::string::npos) << out.str();
    EXPECT_NE(out.str().find("name and a text fills the name"), std::string::npos) << out.str();
    EXPECT_EQ(drawn.FieldLine(form, "Name \xC3\x89owyn d'Arc"), "type EditName \xC3\x89owyn d'Arc");
    EXPECT_EQ(drawn.FieldLine(form, "nickname Wyn"), std::nullopt);

    // A field hidden on this page takes no text.
    form.ShowPage(0);
    EXPECT_EQ(drawn.FieldLine(form, "name Brenna"), std::nullopt);
}

TEST(FormPageTest, NumbersThatNameNothingUsableAreExplained)
{
    TFrmSimpleChoose form;
    form.Control("ListBox1").Items = {"Aldric", "Brenna"};
    form.Control("Button2").Enabled = false;
    TFormPage drawn;
    std::ostringstream out;
    drawn.Draw(form, out);
    struct Case {
        int number;
        std::optional<std::string> line;
        std::string why;
    };
    for (const Case& c : {
             Case{1, "click Button1", ""},
             Case{2, std::nullopt, "CANCEL cannot be chosen now."},
             Case{4, "select ListBox1 1", ""},
             Case{5, std::nullopt, "There is no 5 on this page: choose one of the numbers shown."},
             Case{0, std::nullopt, "There is no 0 on this page: choose one of the numbers shown."},
         }) {
        SCOPED_TRACE(c.number);
        std::string why;
        EXPECT_EQ(drawn.LineFor(form, c.number, why), c.line);
        EXPECT_EQ(why, c.why);
    }
}

// The dialogs of the backpack menu and the Stats button, drawn whole.
class ItemDialogPageTest : public EngineFixture {};

TEST_F(ItemDialogPageTest, TheItemDialogsAreDrawnAsPagesWithTheirButtonsFirst)
{
    TItem book;
    book.Name = book.RealName = "Pilgrim's Breviary";
    book.Identified = true;
    book.type_id = itSpellbook;
    TFrmGraphicInfo info(book, nullptr);
    // The painted lines as wrapped, with the blank line between paragraphs.
    info.Control("PaintBox1").Items = {"A small prayer book ", "", "bound in calfskin."};

    TFrmSpellBooks books;
    books.Control("ListBox1").Items = {"Pilgrim's Breviary"};
    TFrmSpellBooks contents;
    contents.Caption = "Contents";
    contents.Control("BtnToBackpack").Visible = true;

    TPlayer member;
    member.race_name = "Human";
    member.ClassId = 3;
    member.Mastery[4] = 1;
    member.AttackMod[0] = 1;
    member.Skills = {{"First Aid", 2, ""}};
    member.Resistances[4] = 10;
    TFrmStats stats(member, "");

    TFrmAbout about;
    struct Case {
        TFormModel& form;
        std::string page;
        // What each number stands for, 1 first; a hidden button stands for nothing.
        std::vector<std::optional<std::string>> lines;
    };
    const Case cases[] = {
        {info,
         "[Information]\n     Pilgrim's Breviary\n     A small prayer book\n\n     bound in calfskin.\n"
         "   1. SPELLS   2. CLOSE\n",
         {"click LblSpecial", "click LblClose"}},
        {books, "[Spell Books]\n  4. Pilgrim's Breviary\n   1. OK   2. CANCEL\n",
         {"click BtnOk", "click BtnCancel", std::nullopt, "select ListBox1 0"}},
        {contents, "[Contents]\n     (nothing listed)\n   1. OK   2. CANCEL   3. TO BACKPACK\n",
         {"click BtnOk", "click BtnCancel", "click BtnToBackpack"}},
        {stats,
         "[Statistics]\n"
         "     Weapons: Axe Untrained, Bow Untrained, Club Untrained, Crossbow Untrained, Dagger Apprentice, Darts "
         "Untrained, Flail Untrained, Great Sword Untrained, Hammer Untrained, Long Sword Untrained, Mace/Morning Star "
         "Untrained, Short Sword Untrained, Sling Untrained, Spear Untrained, Staff Untrained, Two-handed Axe "
         "Untrained\n"
         "     Attack/Damage: Melee attack 1 damage 0, Missile attack 0 damage 0, Wizard attack 0 damage 0, Priest "
         "attack 0 damage 0\n"
         "     Skills: First Aid 2\n"
         "     Resistances/Vulnerabilities: Pierce 0%, Blunt 0%, Slash 0%, Fire 10%, Acid 0%, Cold 0%, Electric 0%, "
         "Poison 0%\n"
         "     Class/Race: Priest, Human\n"
         "   1. Close\n",
         {"click BtnClose"}},
        {about, "[About]\n     Vellumora Engine 1.6\n     Cindervale RPG 1.0\n   1. Close\n", {"click LblClose"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.form.Name());
        TFormPage drawn;
        std::ostringstream out;
        drawn.Draw(c.form, out);
        EXPECT_EQ(out.str(), c.page + "(a number chooses; close leaves; help explains)\n");
        std::string why;
        for (size_t number = 1; number <= c.lines.size(); ++number)
            EXPECT_EQ(drawn.LineFor(c.form, static_cast<int>(number), why), c.lines[number - 1]) << number;
        EXPECT_EQ(drawn.LineFor(c.form, static_cast<int>(c.lines.size()) + 1, why), std::nullopt);
    }
}
