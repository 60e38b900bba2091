Object.defineProperty(this, "OnExecute", { get: function () { throw { toString: function () { for (;;) {} } }; } });
var OnModify = 5;
