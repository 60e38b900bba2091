// The command library as a JavaScript skill script sees it: global functions named
// as the commands, and the object Sender for the creature that acts. A call with
// the wrong number or kinds of arguments raises a TypeError in the script.
#pragma once

struct duk_hthread;

void BindScriptCommands(duk_hthread* context);
