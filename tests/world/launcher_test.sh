#!/bin/sh
# The play launcher: fills the player's folder on first play, refreshes the
# world later as a whole, keeps the player's game.dat, and passes the game's
# exit status through; with two stories, each played in a folder of its own,
# named or chosen.
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
world="$fixture/worlds/lighthouse"  # the one story installed at first
mkdir -p "$world/rooms" "$world/objects" "$fixture/home"
for file in tr.lng rooms/1.room rooms/2.room objects/1.object; do echo "$file 1" >"$world/$file"; done
printf '<RunningTime>0</RunningTime>\n' >"$world/game.dat"
# The fake game answers --help and --version at once, --list-worlds with its
# folders, and --choose-world by noting the folders and ending with $CHOICE
# (10: the first story); otherwise it notes
# where it ran and with what, counts a run in game.dat the way the real one
# does, and ends with a status of its own. With WORLD_CHECK set, it reads its
# world slowly and notes there when the texts came from two versions of it.
cat >"$fixture/game" <<'GAME'
#!/bin/sh
case ${1:-} in --help | --version) echo "answered $1"; exit 0 ;; esac
case "$*" in *--list-worlds*) printf '%s|' "$@"; exit 0 ;; esac
case "$*" in *--choose-world*) printf '%s|' "$@" >"${CHOSEN_FROM:-/dev/null}"; exit "${CHOICE:-10}" ;; esac
pwd >played-in
printf '%s|' "$@" >arguments
if [ -n "${WORLD_CHECK:-}" ]; then
  words=$(cat tr.lng); sleep 0.1; rooms=$(cat rooms/1.room); objects=$(cat objects/1.object)
  [ "${words##* }" = "${rooms##* }" ] && [ "${rooms##* }" = "${objects##* }" ] ||
    echo "$words / $rooms / $objects" >>"$WORLD_CHECK"
fi
count=$(sed 's/[^0-9]//g' game.dat)
printf '<RunningTime>%s</RunningTime>\n' $((count + 1)) >game.dat
exit 7
GAME
chmod +x "$fixture/game"

export XDG_DATA_HOME="$fixture/data home"
folder="$XDG_DATA_HOME/thalvorine/lighthouse"
copies() {  # how many copies of the world the player's folder holds
  ls -d "$folder"/world.?????? 2>/dev/null | wc -l
}

# --help and --version: answered by the game before anything is made.
answer=$(XDG_DATA_HOME="$fixture/untouched" "$launcher" --silent --version 2>&1) || true
check "--version is the game's to answer" [ "$answer" = "answered --version" ]
check "and makes no folder" [ ! -e "$fixture/untouched" ]

# First play: the folder is made and filled, the game runs in its world.
status=0
(cd "$fixture" && "$launcher" "two words" --record bug.rec --record=b2.rec x >/dev/null 2>&1) || status=$?
check "the game's exit status is passed through" [ "$status" -eq 7 ]
check "the game runs in the world in the player's folder" \
  [ "$(cat "$folder/world/played-in" 2>/dev/null)" = "$folder/$(readlink "$folder/world")" ]
check "the arguments reach the game, a recording's name made absolute" \
  [ "$(cat "$folder/world/arguments" 2>/dev/null)" = "two words|--record|$fixture/bug.rec|--record=$fixture/b2.rec|x|" ]
check "the first play copies the world" [ -f "$folder/world/rooms/2.room" -a -f "$folder/world/objects/1.object" ]
check "the first play counts one run in the player's game.dat" grep -q '<RunningTime>1<' "$folder/game.dat"

# The world is upgraded: new words and rooms, one room fewer; its game.dat still counts 0.
for file in tr.lng rooms/1.room; do echo "$file 2" >"$world/$file"; done
rm "$world/rooms/2.room"
"$launcher" >/dev/null 2>&1 || true
check "the texts are refreshed" grep -q 'tr.lng 2' "$folder/world/tr.lng"
check "the rooms are refreshed" grep -q 'rooms/1.room 2' "$folder/world/rooms/1.room"
check "a room the world dropped is gone" [ ! -e "$folder/world/rooms/2.room" ]
check "the player's game.dat survives the refresh" grep -q '<RunningTime>2<' "$folder/game.dat"
check "the copy no game plays in is removed" [ "$(copies)" -eq 1 ]

# Games started together wait for each other's copy: each finds a whole world.
for i in 1 2 3 4 5 6; do "$launcher" >/dev/null 2>"$fixture/together.$i" & done
wait
check "games started together all start" [ -z "$(cat "$fixture"/together.*)" ]
check "and leave one whole world" [ -f "$folder/world/rooms/1.room" -a -f "$folder/world/objects/1.object" ]
check "and no half-made copy" [ "$(copies)" -eq 1 -a ! -e "$folder/world.link" ]

# The world replaced again and again while games start: each game reads one
# whole world, never parts of two. (The installed world changes under the
# launchers' own lock, so that no launcher copies half of one version.)
i=2
while [ $i -lt 14 ]; do
  i=$((i + 1))
  flock "$folder/.lock" sh -c 'for f in tr.lng rooms/1.room objects/1.object; do echo "$f $2" >"$1/$f"; done' \
    - "$world" $i
  WORLD_CHECK="$fixture/half" "$launcher" >/dev/null 2>>"$fixture/beside" &
  sleep 0.03
done
wait
check "a game never reads a half-replaced world" [ ! -e "$fixture/half" ]
check "games started beside refreshes all start" [ ! -s "$fixture/beside" ]
"$launcher" >/dev/null 2>&1 || true
check "copies are removed once their games have ended" [ "$(copies)" -eq 1 ]

# A full disk (a file-size limit here): the world already there is played as
# it is, the reason said, and nothing half-copied is left behind.
awk 'BEGIN { for (i = 0; i < 100; ++i) print "tr.lng 20, longer than the disk takes" }' >"$world/tr.lng"
status=0
message=$( (trap '' XFSZ; ulimit -f 1; "$launcher") 2>&1 >/dev/null) || status=$?
check "a full disk plays the world there" [ "$status" -eq 7 ]
check "and says why it was not refreshed" \
  expr "$message" : ".*world in $folder was not brought up to date (File too large): it is played as it is" >/dev/null
check "and leaves the world as it was" grep -q 'tr.lng 14' "$folder/world/tr.lng"
check "and no partial files" [ "$(copies)" -eq 1 -a -z "$(find "$folder" -name '*.new' -o -name world.link)" ]
echo 'tr.lng 21' >"$world/tr.lng"

# A folder the player may not write: its world is played as it is, unsaved.
if command -v setpriv >/dev/null && [ "$(id -u)" -eq 0 ]; then as_player="setpriv --reuid=65534 --regid=65534 --clear-groups"; else as_player=""; fi
chmod -R a+rX "$fixture" && chmod a-w "$folder"
message=$($as_player "$launcher" 2>&1 >/dev/null) || true
chmod u+w "$folder"
check "a read-only folder says so and plays" expr "$message" : ".*is read-only: its world is played as it is" >/dev/null

# Without XDG_DATA_HOME the folder is under HOME.
unset XDG_DATA_HOME
HOME="$fixture/home" "$launcher" >/dev/null 2>&1 || true
check "HOME/.local/share is the default" [ -f "$fixture/home/.local/share/thalvorine/lighthouse/game.dat" ]

# A folder that cannot be made: a plain file stands where it should be.
printf 'in the way\n' >"$fixture/blocker"
status=0
message=$(XDG_DATA_HOME="$fixture/blocker" "$launcher" 2>&1 >/dev/null) || status=$?
check "an unmakeable folder fails" [ "$status" -ne 0 ]
check "and says which folder" expr "$message" : ".*cannot make the folder $fixture/blocker/thalvorine/lighthouse" >/dev/null
check "and does not start the game" [ ! -e "$fixture/blocker/thalvorine/played-in" ]

# The folder an earlier launcher left (the first story's progress and copy in
# the player's folder itself): the progress goes on in the story's folder.
export XDG_DATA_HOME="$fixture/earlier home"
earlier="$XDG_DATA_HOME/thalvorine"
mkdir -p "$earlier/world.abcdef/rooms" "$earlier/world.abcdef/objects"
cp "$world/tr.lng" "$earlier/world.abcdef/tr.lng"
ln -s world.abcdef "$earlier/world"
printf '<RunningTime>5</RunningTime>\n' >"$earlier/game.dat"
"$launcher" >/dev/null 2>&1 || true
check "an earlier launcher's progress goes on in the first story's folder" \
  grep -q '<RunningTime>6<' "$earlier/lighthouse/game.dat"
check "and its copy of the world is removed" [ ! -e "$earlier/world.abcdef" -a ! -e "$earlier/world" -a ! -e "$earlier/game.dat" ]

# A second story installed beside the first, and a folder that holds no world.
second="$fixture/worlds/rules"
mkdir -p "$second/rooms" "$second/objects" "$fixture/worlds/half"
for file in tr.lng rooms/1.room objects/1.object; do echo "$file rules" >"$second/$file"; done
printf '<RunningTime>0</RunningTime>\n' >"$second/game.dat"
export XDG_DATA_HOME="$fixture/two stories"
top="$XDG_DATA_HOME/thalvorine"
check "--list-worlds hands the game the stories installed" \
  [ "$("$launcher" --list-worlds)" = "--list-worlds|$fixture/worlds/lighthouse|$second|" ]

"$launcher" --world rules >/dev/null 2>&1 || true
"$launcher" --world=rules >/dev/null 2>&1 || true
check "--world NAME plays that story in its own folder" grep -q 'objects/1.object rules' "$top/rules/world/objects/1.object"
check "with its own progress" grep -q '<RunningTime>2<' "$top/rules/game.dat"
check "and leaves the other story's folder alone" [ ! -e "$top/lighthouse" ]

status=0
CHOICE=11 CHOSEN_FROM="$fixture/chosen" "$launcher" --silent --plain --high-contrast >/dev/null 2>&1 || status=$?
check "no story named: the game asks, as quietly, plainly and clearly as asked to" \
  [ "$(cat "$fixture/chosen" 2>/dev/null)" = \
    "--silent|--plain|--high-contrast|--choose-world|$fixture/worlds/lighthouse|$second|" ]
check "and the chosen story plays on from its own progress" grep -q '<RunningTime>3<' "$top/rules/game.dat"
check "to the game's own end" [ "$status" -eq 7 ]
CHOICE=10 "$launcher" >/dev/null 2>&1 || true
check "the first story keeps a progress of its own" grep -q '<RunningTime>1<' "$top/lighthouse/game.dat"
check "beside the second's" grep -q '<RunningTime>3<' "$top/rules/game.dat"

status=0
CHOICE=1 "$launcher" >/dev/null 2>&1 || status=$?
check "leaving the choice ends there" [ "$status" -eq 1 ]
check "and plays no game" grep -q '<RunningTime>3<' "$top/rules/game.dat"

status=0
message=$("$launcher" --world nowhere 2>&1 >/dev/null) || status=$?
check "an unknown story is refused" [ "$status" -eq 2 ]
check "naming the installed ones" expr "$message" : ".*no story is called nowhere; the installed ones: lighthouse rules" >/dev/null

[ "$failures" -eq 0 ]
