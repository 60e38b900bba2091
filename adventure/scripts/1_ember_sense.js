// Ember Sense, the Ember Warden's own skill: the warden lays a palm on the stone
// and feels for the warmth of ember-ore. The better the sense, the more it tells.

function OnExecute() {
    var name = Sender.GetName();
    var sense = Sender.SkillValue("Ember Sense");
    if (sense < 1) {
        Print(name + " feels nothing but cold stone.");
        return 1;
    }
    if (RandomRange(1, 24) > sense + 4) {
        Print(name + " reaches for the warmth of the ore and feels only cold stone.");
        return 1;
    }
    PrintParagraph("~<c:#FF8040>" + name + " lays a palm flat against the stone and waits.");
    if (GetCounter("EMBER_SENSE_FELT") == 0) {
        SetCounter("EMBER_SENSE_FELT", 1);
        PrintParagraph("Far below the town, under the road to the north-east, something answers: not the sleepy " +
                       "warmth of a vein, but a slow, sick pulse, like a coal that has been breathed on by the " +
                       "wrong mouth. Whatever put out the Ember Lamp is down there, in the mines.");
        AwardExperience(25);
        return 1;
    }
    if (sense >= 12)
        PrintParagraph("The pulse is stronger than before. It beats in time with nothing living.");
    else
        PrintParagraph("The sick warmth is still there, far off under the north-east road.");
    return 1;
}

function OnModify(oldValue, newValue) {
    if (oldValue < 12 && newValue >= 12)
        Print("~<c:LIME>" + Sender.GetName() + "'s ember sense sharpens: the stone itself seems to speak.");
    return 1;
}
