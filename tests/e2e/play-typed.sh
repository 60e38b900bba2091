#!/bin/sh
# Plays the console program as a player types: the lines of TYPED go to its
# prompt; every line of EXPECTED must be in what it wrote, and no answer may name
# a script line ("line 7: ...").
# play-typed.sh PROGRAM APPDIR CONFIG TYPED EXPECTED
set -u
program=$1 appdir=$2 config=$3 typed=$4 expected=$5
output=$("$program" --appdir "$appdir" --config "$config" < "$typed" 2>&1)
status=0
while IFS= read -r line; do
  if ! printf '%s\n' "$output" | grep -qF -- "$line"; then
    echo "missing: $line"
    status=1
  fi
done < "$expected"
if printf '%s\n' "$output" | grep -qE 'line [0-9]+:'; then
  echo "an answer names a script line"
  status=1
fi
[ "$status" -eq 0 ] || printf '%s\n' "--- the program wrote:" "$output"
exit "$status"
