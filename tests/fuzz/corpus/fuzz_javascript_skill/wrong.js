function OnExecute() {
  throw new Error("cold");
}
function OnModify(a, b) {
  GiveItem("lantern");
  Print(1, 2);
}
