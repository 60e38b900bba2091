function OnExecute() {
  var heat = 0;
  for (;;) heat++;
}
function OnModify(a, b) {
  try { while (a < b) {} } catch (e) { while (true) {} }
}
