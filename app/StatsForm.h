// The character sheet: weapon masteries, attack and damage bonuses, skills,
// resistances, race and class.
#pragma once

#include <string>

#include "platform/FormModel.h"

class TPlayer;

class TFrmStats : public TFormModel {
public:
    // className names an adventure's own class; built-in classes name themselves.
    TFrmStats(const TPlayer& member, const std::string& className);
};
