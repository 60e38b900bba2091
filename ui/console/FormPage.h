// A modal form as a numbered page in the player's words. What can be clicked or
// picked gets a number; the form's own buttons (NEXT, CANCEL, OK, and labels
// that act as buttons, such as CLOSE) are numbered first, so they keep their
// numbers on every page of the form. A painted text is shown whole.
#pragma once

#include <optional>
#include <ostream>
#include <string>
#include <vector>

class TFormModel;

class TFormPage {
public:
    // Draws the form and numbers what it shows.
    void Draw(const TFormModel& form, std::ostream& out);
    // The command line a number stands for, or nullopt with the player's answer in why.
    std::optional<std::string> LineFor(const TFormModel& form, int number, std::string& why) const;
    // "name Éowyn" as "type EditName Éowyn", when the form has a field of that word.
    std::optional<std::string> FieldLine(const TFormModel& form, const std::string& typed) const;

private:
    struct TNumbered {
        std::string Control;
        // A list's entry; -1 for a control clicked as a whole.
        int Entry = -1;
    };
    std::vector<TNumbered> Numbers;
};
