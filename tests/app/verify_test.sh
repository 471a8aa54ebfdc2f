#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The built game verifies, without any display, the replays another build made (the checked-in
# ones come from the debug and the optimised build): each plays out as recorded. Its score raised,
# or the P that went on after its resume taken out, it does not, and both scores are told; a file
# cut short, garbage or no file at all is refused with a message. Nothing is written anywhere.
set -euo pipefail
game=$(realpath "$1")
replays=$(realpath "$2")
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
mkdir "$scratch/cwd"
cd "$scratch/cwd"
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM

# expect CODE PATTERN FILE: the exit code, and the pattern in what the game printed.
expect() {
  local code=$1 pattern=$2 file=$3 got=0
  "$game" --verify "$file" > "$scratch/out" 2>&1 || got=$?
  if [ "$got" != "$code" ] || ! grep -qz -- "$pattern" "$scratch/out"; then
    echo "kubrix3d --verify $file: exit $got, wanted $code and '$pattern'"
    cat "$scratch/out"
    exit 1
  fi
}

for replay in "$replays"/*.replay; do
  score=$(sed -n 's/^score //p' "$replay" | head -n 1)
  expect 0 "recorded score: $score.replayed score: $score" "$replay"
  sed "0,/^score $score\$/s//score $((score + 10))/" "$replay" > "$scratch/raised"
  expect 1 "recorded score: $((score + 10)).replayed score: $score" "$scratch/raised"
  sed '0,/^k [0-9]* 80$/{/^k [0-9]* 80$/d}' "$replay" > "$scratch/unpaused"
  expect 1 "does not play out" "$scratch/unpaused"
  head -c $(($(wc -c < "$replay") / 2)) "$replay" > "$scratch/cut"
  expect 2 "cannot be read as a replay" "$scratch/cut"
done
head -c 3000 /dev/urandom > "$scratch/garbage"
expect 2 "cannot be read as a replay" "$scratch/garbage"
expect 2 "cannot be read as a replay" "$scratch/missing"
if [ -n "$(ls -A "$scratch/cwd")" ]; then
  echo "verifying wrote files:"
  ls -A "$scratch/cwd"
  exit 1
fi
