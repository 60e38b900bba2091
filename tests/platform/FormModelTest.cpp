#include <gtest/gtest.h>

#include "platform/FormModel.h"

TEST(FormModelTest, ControlsByNameAndInputRules)
{
    TFormModel form("FrmTest", "Test");
    form.Add("Panel", TControlKind::Panel);
    auto& button = form.Add("BtnGo", TControlKind::Button, "Panel");
    std::vector<std::string> clicks;
    button.OnClick = [&](const std::string& sender) { clicks.push_back(sender); };

    EXPECT_TRUE(form.Click("BtnGo"));
    button.Enabled = false;
    EXPECT_FALSE(form.Click("BtnGo"));
    button.Enabled = true;
    form.Control("Panel").Visible = false;
    EXPECT_FALSE(form.Click("BtnGo"));
    form.Control("Panel").Visible = true;
    EXPECT_FALSE(form.Click("Missing"));
    EXPECT_EQ(clicks, std::vector<std::string>{"BtnGo"});

    EXPECT_THROW(form.Control("Missing"), EControlNotFound);
    EXPECT_THROW(form.Add("BtnGo", TControlKind::Button), std::logic_error);
}

TEST(FormModelTest, AHandlerMayFreeItsOwnControl)
{
    TFormModel form("FrmTest");
    auto& label = form.Add("Lbl2", TControlKind::Label);
    std::string seen;
    label.OnClick = [&](const std::string& sender) {
        form.Remove(sender);
        seen = sender;  // the name is a copy, still readable
    };
    EXPECT_TRUE(form.Click("Lbl2"));
    EXPECT_EQ(seen, "Lbl2");
    EXPECT_EQ(form.Find("Lbl2"), nullptr);
}

TEST(FormModelTest, RadioButtonsAndCheckBoxes)
{
    TFormModel form("FrmTest");
    form.Add("GroupA", TControlKind::GroupBox);
    form.Add("R1", TControlKind::RadioButton, "GroupA").Checked = true;
    form.Add("R2", TControlKind::RadioButton, "GroupA");
    form.Add("Other", TControlKind::RadioButton).Checked = true;
    form.Add("Check", TControlKind::CheckBox);
    form.Click("R2");
    EXPECT_FALSE(form.Control("R1").Checked);
    EXPECT_TRUE(form.Control("R2").Checked);
    EXPECT_TRUE(form.Control("Other").Checked);
    form.Click("Check");
    EXPECT_TRUE(form.Control("Check").Checked);
    form.Click("Check");
    EXPECT_FALSE(form.Control("Check").Checked);
}

TEST(FormModelTest, SelectAndText)
{
    TFormModel form("FrmTest");
    auto& list = form.Add("List", TControlKind::ComboBox);
    list.Items = {"a", "b"};
    int changes = 0;
    list.OnChange = [&](const std::string&) { ++changes; };
    EXPECT_TRUE(form.Select("List", 1));
    EXPECT_EQ(list.ItemIndex, 1);
    EXPECT_FALSE(form.Select("List", 2));
    EXPECT_EQ(changes, 1);
    form.Add("Edit", TControlKind::Edit);
    EXPECT_TRUE(form.SetText("Edit", "Brenna"));
    EXPECT_EQ(form.Control("Edit").Text, "Brenna");
    EXPECT_TRUE(form.CloseQuery());
    EXPECT_EQ(form.ModalResult, mrCancel);
}
