#!/bin/sh
# Plays the shipped world from a first run to its end through a pipe, in
# plain text, and checks the transcript: the texts, titles, menus and
# prompts in the order the game says them, no colours, cursor moves or
# pictures, the progress file saved and the exit status of a game left.
set -eu
game=$1
world=$2
expected=$3
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
cp -R "$world/tr.lng" "$world/rules.txt" "$world/rooms" "$world/objects" "$scratch"
printf '<?xml version="1.0"?>\n<RunningTime>0</RunningTime>\n<version>0.1.0</version>\n' >"$scratch/game.dat"

# The keys of the shipped play-through, a line each: words at the prompt,
# a button's number in a menu, an empty line for "any key" or the selected
# button, Esc alone for Esc.
status=0
printf '%s\n' UYU HAZIRIM 2 '' 1 '' NEREDEYIM NEREDEYIM SALTER 1 DEFTER 2 \
  CEPLER 1 1 CEPLER 1 1 1 2 DEFTER 2 SALTER 1 LAMBA 1 SAAT 1 AYNA 1 \
  KAPI 1 MEKTUP 2 TIRABZAN 1 SURGU 1 '' "$(printf '\033')" '' |
  (cd "$scratch" && "$game" --plain >transcript 2>errors) || status=$?
transcript=$scratch/transcript

fail() {
  echo "$*"
  echo "--- transcript:"
  cat "$transcript"
  exit 1
}

[ "$status" -eq 1 ] || fail "exit status $status, not 1 (errors: $(cat "$scratch/errors"))"
grep -q '<RunningTime>1</RunningTime>' "$scratch/game.dat" || fail "the run counter was not saved"
LC_ALL=C awk 'NR == FNR { if ($0 != "" && $0 !~ /^#/) want[++n] = $0; next }
  seen < n && index($0, want[seen + 1]) { ++seen }
  END { if (seen < n) { print "not said (or not in this order): " want[seen + 1]; exit 1 } }' \
  "$expected" "$transcript" >"$scratch/missing" || fail "$(cat "$scratch/missing")"
if LC_ALL=C grep -q "$(printf '[\033\007\b]')" "$transcript"; then fail "escape, bell or backspace bytes in plain text"; fi
if grep -q '█\|░\|▒\|▓' "$transcript"; then fail "a picture or a box's blocks in plain text"; fi
echo "played to the end in plain text: $(wc -l <"$transcript") lines"
