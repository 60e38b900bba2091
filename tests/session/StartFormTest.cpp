#include <gtest/gtest.h>

#include "app/StartForm.h"

TEST(StartForm, ItsControlsWithTheirCaptionsAndWhatShowsAtFirst)
{
    struct TExpected {
        const char* Name;
        TControlKind Kind;
        const char* Caption;
        bool Visible;
    };
    static const TExpected Controls[] = {
        {"Label1", TControlKind::Label, "", true},
        {"LblBooks", TControlKind::Label, "BOOKS", false},
        {"LblBookmarks", TControlKind::Label, "BOOKMARKS", false},
        {"ListBooks", TControlKind::ListBox, "", false},
        {"ListBookmarks", TControlKind::ListBox, "", true},
        {"EditSaveName", TControlKind::Edit, "", false},
        {"Button1", TControlKind::Button, "OK", true},
        {"Button2", TControlKind::Button, "CANCEL", true},
        {"BtnDel", TControlKind::Button, "DELETE", false},
    };
    TFrmStart form;
    EXPECT_EQ(form.Controls().size(), std::size(Controls));
    for (const TExpected& expected : Controls) {
        const TControlState& control = form.Control(expected.Name);
        EXPECT_EQ(control.Kind, expected.Kind) << expected.Name;
        EXPECT_EQ(control.Caption, expected.Caption) << expected.Name;
        EXPECT_EQ(control.Visible, expected.Visible) << expected.Name;
    }
}

TEST(StartForm, OkAndCancelCloseWithTheirResults)
{
    const std::pair<const char*, int> Buttons[] = {{"Button1", mrOk}, {"Button2", mrCancel}};
    for (const auto& [button, result] : Buttons) {
        TFrmStart form;
        EXPECT_TRUE(form.Click(button));
        EXPECT_EQ(form.ModalResult, result) << button;
    }
}
