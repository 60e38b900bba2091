#include <gtest/gtest.h>

#include <sstream>

#include "app/CreateForm.h"
#include "app/SimpleChooseForm.h"
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
