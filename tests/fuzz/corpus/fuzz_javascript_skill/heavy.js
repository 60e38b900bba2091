function OnExecute() {
  return /(a*)*b/.test("aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa");
}
function OnModify(a, b) {
  function f(n) { return f(n + 1) + 1; }
  return f(a);
}
