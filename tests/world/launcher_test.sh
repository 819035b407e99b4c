#!/bin/sh
# The play launcher: fills the player's folder on first play, refreshes the
# world's texts later, keeps the player's game.dat, and passes the game's
# exit status through.
# Usage: launcher_test.sh <configured launcher> <fixture folder it points at>
set -eu
launcher=$1
fixture=$2
failures=0

check() {  # check <what> <command...>: the command must succeed
  what=$1
  shift
  "$@" || { failures=$((failures + 1)); echo "FAILED: $what" >&2; }
}

rm -rf "$fixture"
mkdir -p "$fixture/world/rooms" "$fixture/world/objects" "$fixture/home"
for file in tr.lng rooms/1.room rooms/2.room objects/1.object; do echo "$file 1" >"$fixture/world/$file"; done
printf '<RunningTime>0</RunningTime>\n' >"$fixture/world/game.dat"
# The fake game notes where it ran and with what, counts a run in game.dat
# the way the real one does, and ends with status 1 like the real one.
cat >"$fixture/game" <<'GAME'
#!/bin/sh
pwd >played-in
printf '%s|' "$@" >arguments
count=$(sed 's/[^0-9]//g' game.dat)
printf '<RunningTime>%s</RunningTime>\n' $((count + 1)) >game.dat
exit 1
GAME
chmod +x "$fixture/game"

export XDG_DATA_HOME="$fixture/data home"
folder="$XDG_DATA_HOME/thalvorine"

# First play: the folder is made and filled, the game runs in it.
status=0
(cd "$fixture" && "$launcher" "two words" --record bug.rec x >/dev/null 2>&1) || status=$?
check "the game's exit status is passed through" [ "$status" -eq 1 ]
check "the game runs in the player's folder" [ "$(cat "$folder/played-in" 2>/dev/null)" = "$folder" ]
check "the arguments reach the game, a recording's name made absolute" \
  [ "$(cat "$folder/arguments" 2>/dev/null)" = "two words|--record|$fixture/bug.rec|x|" ]
check "the first play copies the world" [ -f "$folder/rooms/2.room" -a -f "$folder/objects/1.object" ]
check "the first play counts one run" grep -q '<RunningTime>1<' "$folder/game.dat"

# The world is upgraded: new words and rooms, one room fewer; its game.dat still counts 0.
for file in tr.lng rooms/1.room; do echo "$file 2" >"$fixture/world/$file"; done
rm "$fixture/world/rooms/2.room"
"$launcher" >/dev/null 2>&1 || true
check "the texts are refreshed" grep -q 'tr.lng 2' "$folder/tr.lng"
check "the rooms are refreshed" grep -q 'rooms/1.room 2' "$folder/rooms/1.room"
check "a room the world dropped is gone" [ ! -e "$folder/rooms/2.room" ]
check "the player's game.dat survives the refresh" grep -q '<RunningTime>2<' "$folder/game.dat"

# Games started together wait for each other's copy: each finds a whole world.
for i in 1 2 3 4 5 6; do "$launcher" >/dev/null 2>"$fixture/together.$i" & done
wait
check "games started together all start" [ -z "$(cat "$fixture"/together.*)" ]
check "and leave a whole world" [ -f "$folder/rooms/1.room" -a -f "$folder/objects/1.object" -a ! -e "$folder/rooms.new" ]

# A folder the player may not write: its world is played as it is, unsaved.
if command -v setpriv >/dev/null && [ "$(id -u)" -eq 0 ]; then as_player="setpriv --reuid=65534 --regid=65534 --clear-groups"; else as_player=""; fi
chmod -R a+rX "$fixture" && chmod a-w "$folder"
message=$($as_player "$launcher" 2>&1 >/dev/null) || true
chmod u+w "$folder"
check "a read-only folder says so and plays" expr "$message" : ".*is read-only: its world is played as it is" >/dev/null

# Without XDG_DATA_HOME the folder is under HOME.
unset XDG_DATA_HOME
HOME="$fixture/home" "$launcher" >/dev/null 2>&1 || true
check "HOME/.local/share is the default" [ -f "$fixture/home/.local/share/thalvorine/game.dat" ]

# A folder that cannot be made: a plain file stands where it should be.
printf 'in the way\n' >"$fixture/blocker"
status=0
message=$(XDG_DATA_HOME="$fixture/blocker" "$launcher" 2>&1 >/dev/null) || status=$?
check "an unmakeable folder fails" [ "$status" -ne 0 ]
check "and says which folder" expr "$message" : ".*cannot make the folder $fixture/blocker/thalvorine" >/dev/null
check "and does not start the game" [ ! -e "$fixture/blocker/thalvorine/played-in" ]

[ "$failures" -eq 0 ]
