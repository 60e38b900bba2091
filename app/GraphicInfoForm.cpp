#include "app/GraphicInfoForm.h"

#include <algorithm>
#include <filesystem>

#include "app/MainForm.h"
#include "data/DataManager.h"
#include "data/Picture.h"
#include "data/Utils.h"
#include "platform/Canvas.h"
#include "platform/Host.h"
#include "rules/Appraisal.h"
#include "rules/Creature.h"
#include "rules/ItemCharges.h"
#include "session/Process.h"

namespace {

constexpr TColor DarkRed = RgbColor(139, 0, 0);

std::string Joined(const std::vector<std::string>& lines)
{
    std::string text;
    for (size_t line = 0; line < lines.size(); ++line)
        text += (line ? "\n" : "") + lines[line];
    return text;
}

std::string DescriptionOf(const TItem& item)
{
    std::vector<std::string> lines;
    if (TDataManager* data = MainForm().DataManager.get())
        data->GetTextById(item.DescId, lines);
    return Joined(lines);
}

std::string SpecialUsesOf(const TItem& item)
{
    std::string text;
    for (const auto& special : item.SpecialUses) {
        if (!special)
            continue;
        text += "[" + special->Name + "]\n";
        std::vector<std::string> lines;
        if (TDataManager* data = MainForm().DataManager.get())
            data->GetTextById(special->DescId, lines);
        text += Joined(lines) + "\n\n";
    }
    return text;
}

} // namespace

TFrmGraphicInfo::TFrmGraphicInfo(const TItem& item, const TCreature* viewer) : TFormModel("FrmGraphicInfo", "Information")
{
    Add("LblName", TControlKind::Label).Caption = ItemDisplayName(&item);
    auto& picture = Add("Image1", TControlKind::Image);
    if (TDataManager* data = MainForm().DataManager.get(); data && !item.large_image.empty())
        data->LoadPicture(item.large_image, picture);
    picture.Visible = picture.Picture != nullptr;
    auto& text = Add("PaintBox1", TControlKind::PaintBox);
    text.Picture = LoadPictureFile((std::filesystem::path(Process().AppDir) / "parch.bmp").string());
    text.Tag = TextWidth();
    auto& special = Add("LblSpecial", TControlKind::Label);
    special.Cursor = TCursor::HandPoint;
    special.Visible = false;
    Add("SpeedButton1", TControlKind::Button).Caption = "\xE2\x96\xB2";
    Add("SpeedButton2", TControlKind::Button).Caption = "\xE2\x96\xBC";
    auto& close = Add("LblClose", TControlKind::Label);
    close.Caption = "CLOSE";
    close.Cursor = TCursor::HandPoint;

    if (item.Identified) {
        ItemText = DescriptionOf(item);
        const bool spells = HoldsSpells(item);
        if (item.SpecialUses.size() > 1 || item.type_id == itSpellbook) {
            special.Visible = true;
            special.Caption = spells ? "SPELLS" : "SPECIAL USES";
            SpecialText = SpecialUsesOf(item);
        }
    } else {
        ItemText = ItemDisplayName(&item);
    }
    if (const int32_t evaluate = viewer ? viewer->SkillValue("SK_EVALUATE") : -1; evaluate >= 0)
        ItemText += " \rThe value of this item is approximately: " +
                    std::to_string(EstimatedPrice(evaluate, item.base_price)) + " gp";
    ShowText(ItemText);

    const std::string specialCaption = special.Caption;
    special.OnClick = [this, specialCaption](const std::string& sender) {
        ShowingSpecial = !ShowingSpecial;
        Control(sender).Caption = ShowingSpecial ? "OBJECT" : specialCaption;
        ShowText(ShowingSpecial ? SpecialText : ItemText);
    };
    Control("SpeedButton1").OnClick = [this](const std::string&) { Scroll(-1); };
    Control("SpeedButton2").OnClick = [this](const std::string&) { Scroll(1); };
    close.OnClick = [this](const std::string&) { ModalResult = mrOk; };
    for (const char* name : {"LblSpecial", "LblClose"}) {
        TControlState& label = Control(name);
        label.OnMouseEnter = [this](const std::string& sender) { Control(sender).FontColor = DarkRed; };
        label.OnMouseLeave = [this](const std::string& sender) { Control(sender).FontColor = clBlack; };
    }
}

const std::string& TFrmGraphicInfo::ShownText() const
{
    return ShowingSpecial ? SpecialText : ItemText;
}

int TFrmGraphicInfo::TextWidth() const
{
    const TControlState* picture = Find("Image1");
    if (!picture || !picture->Picture)
        return AreaWidth;
    return std::max(0, AreaWidth - (picture->Picture->Width + 40));
}

void TFrmGraphicInfo::ShowText(const std::string& text)
{
    TControlState& box = Control("PaintBox1");
    box.Items.clear();
    box.Position = 0;
    const std::unique_ptr<ICanvas> canvas = Host().CreateCanvas(AreaWidth, AreaHeight);
    canvas->SetFont(TextFont);
    WrapLines(SplitLines(text), box.Items, *canvas, " -", std::max(1, TextWidth() - 2 * TextMargin));
    box.Max = static_cast<int>(box.Items.size());
    box.Text = text;
}

void TFrmGraphicInfo::Scroll(int lines)
{
    TControlState& box = Control("PaintBox1");
    box.Position = std::clamp(box.Position + lines, 0, std::max(0, box.Max - 1));
}

void ShowItemInformation(const TItem& item, const TCreature* viewer)
{
    TFrmGraphicInfo info(item, viewer);
    Host().ShowModal(info);
}
