#include "ui/console/StatsSheet.h"

#include <string>
#include <vector>

#include "data/Utf8Text.h"
#include "platform/FormModel.h"

namespace {

// A column of a tab's rows: the stem of its labels (numbered 1, 2, ... down the
// rows) and the words put before each caption.
struct TColumn {
    const char* Stem;
    const char* Before;
};

struct TSheetTab {
    const char* Tab;
    std::vector<TColumn> Columns;
    // Rows of numbered labels; otherwise one row of the labels named by the stems.
    bool Numbered;
};

const TSheetTab SheetTabs[] = {
    {"TabWeapons", {{"LblWeapon_", ""}, {"Lbl_", " "}}, true},
    {"TabAttack", {{"LblClass", ""}, {"LblAttack", " attack "}, {"LblDamage", " damage "}}, true},
    {"TabSkills", {{"LblSkill", ""}, {"LblSkillValue", " "}}, true},
    {"TabResistances", {{"LblResName", ""}, {"LblRes", " "}}, true},
    {"TabClass", {{"LblClassName", ""}, {"LblRace", ", "}}, false},
};

// One row: the columns' captions, or empty when its first label is missing.
std::string Row(const TFormModel& form, const TSheetTab& tab, const std::string& number)
{
    std::string row;
    for (const TColumn& column : tab.Columns) {
        const TControlState* label = form.Find(column.Stem + number);
        if (!label)
            return row;
        row += column.Before + AsUtf8(label->Caption);
    }
    return row;
}

} // namespace

bool IsStatsForm(const TFormModel& form)
{
    return form.Name() == "FrmStats";
}

void DrawStatsSheet(const TFormModel& form, std::ostream& out)
{
    for (const TSheetTab& tab : SheetTabs) {
        const TControlState* sheet = form.Find(tab.Tab);
        if (!sheet)
            continue;
        std::string rows;
        if (!tab.Numbered)
            rows = Row(form, tab, "");
        for (int number = 1; tab.Numbered; ++number) {
            const std::string row = Row(form, tab, std::to_string(number));
            if (row.empty())
                break;
            rows += (number == 1 ? "" : ", ") + row;
        }
        out << "     " << AsUtf8(sheet->Caption) << ": " << (rows.empty() ? "none" : rows) << '\n';
    }
}
