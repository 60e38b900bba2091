var uses = 0;
function OnExecute() {
  uses++;
  var skill = Sender.SkillValue('Ember Sense');
  Print(Sender.GetName() + ' feels the embers (' + skill + ').');
  ChangeCounter('EmberSense', true);
  SetCounter('Heat', GetCounter('Heat') + RandomRange(1, 6));
  Sender.SetAttribute(40, Sender.GetAttribute(40) + 1, 0);
  SetGlobal('$last', Sender.GetName());
  GiveItem(21001);
  return skill;
}
function OnModify(oldValue, newValue) {
  PrintParagraph(oldValue + ' to ' + newValue + ' after ' + uses);
  return newValue - oldValue;
}
