#!/bin/sh
# Installs the game into a fresh prefix and plays the installed launcher from
# an unrelated folder: the binary, launcher, world and manual page are where
# a Unix game keeps them, and the player's folder is prepared.
set -eu
build_dir=$1
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
prefix="$scratch/prefix with blank"

cmake --install "$build_dir" --prefix "$prefix" >/dev/null

lighthouse=share/thalvorine/worlds/lighthouse
for file in bin/thalvorine bin/thalvorine-play bin/thalvorine-world share/man/man6/thalvorine.6 \
            $lighthouse/tr.lng $lighthouse/game.dat $lighthouse/title $lighthouse/rooms/1.room \
            $lighthouse/objects/9.object; do
  [ -e "$prefix/$file" ] || { echo "not installed: $file"; exit 1; }
done
[ -x "$prefix/bin/thalvorine-play" ] || { echo "launcher not executable"; exit 1; }
grep -q "$prefix/share/thalvorine/worlds" "$prefix/bin/thalvorine-play" || { echo "launcher points elsewhere"; exit 1; }

# --help and --version answer on standard output with status 0 and make nothing.
help=$(XDG_DATA_HOME=$scratch/data "$prefix/bin/thalvorine-play" --help) || { echo "--help failed"; exit 1; }
expr "$help" : "usage: thalvorine " >/dev/null || { echo "--help prints no usage: $help"; exit 1; }
version=$("$prefix/bin/thalvorine-play" --version) || { echo "--version failed"; exit 1; }
expr "$version" : "thalvorine (Thalvorine) [0-9]" >/dev/null || { echo "--version says: $version"; exit 1; }
[ ! -e "$scratch/data" ] || { echo "--help made the player's folder"; exit 1; }
listed=$(XDG_DATA_HOME=$scratch/data "$prefix/bin/thalvorine-play" --list-worlds) || { echo "--list-worlds failed"; exit 1; }
expr "$listed" : ".*lighthouse  *Deniz Feneri" >/dev/null || { echo "--list-worlds says: $listed"; exit 1; }

# From any folder: the launcher fills the player's folder, then the game,
# told as text through a pipe, plays the first-run word, the main menu's
# exit and its question, and ends with status 1.
cd /
status=0
printf 'HAZIRIM\n3\n\n' | XDG_DATA_HOME=$scratch/data "$prefix/bin/thalvorine-play" --world lighthouse --plain \
  >"$scratch/out" 2>"$scratch/err" || status=$?
[ "$status" -eq 1 ] || { echo "expected status 1 from a game left, got $status"; cat "$scratch/err"; exit 1; }
grep -q '^\* 1\. Evet$' "$scratch/out" || { echo "no exit question in plain text:"; cat "$scratch/out"; exit 1; }
cmp -s "$prefix/$lighthouse/tr.lng" "$scratch/data/thalvorine/lighthouse/world/tr.lng" || { echo "no world copied"; exit 1; }
# With no story named, the choice comes first and leaves the rest of the
# piped lines to the game it starts.
status=0
printf '2\nHAZIRIM\n3\n\n' | XDG_DATA_HOME=$scratch/data "$prefix/bin/thalvorine-play" --plain \
  >"$scratch/out" 2>"$scratch/err" || status=$?
[ "$status" -eq 1 ] || { echo "expected status 1 from a story chosen, then left, got $status"; cat "$scratch/err"; exit 1; }
grep -q '^\* 1\. Evet$' "$scratch/out" || { echo "no exit question after the choice:"; cat "$scratch/out"; exit 1; }
[ -f "$scratch/data/thalvorine/station/game.dat" ] || { echo "the second story was not the one played"; exit 1; }
echo "installed and played from /"
