function OnExecute( {
