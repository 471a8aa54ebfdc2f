#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The built game as the desktop runs it, on an offscreen display: SIGTERM, SIGHUP and SIGINT end
# it with exit 0 and the game kept (SIGINT only where it was not ignored at the start); after a kill -9 right after a landing the next start, over the
# lock the killed game left, resumes that very game; a second start on the same folder leaves
# every file as it was, says so in one line and exits 0 while the first plays on.
set -euo pipefail
game=$1
scratch=$(mktemp -d)
pids=()
trap 'for p in "${pids[@]}"; do kill -9 "$p" 2> /dev/null || true; done; rm -rf "$scratch"' EXIT
mkdir -m 700 "$scratch/run"
mkdir "$scratch/game" "$scratch/log"
export QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR=$scratch/run
cd "$scratch/game"

fail() {
  echo "$*"
  ls -la
  tail -n +1 "$scratch"/log/*
  exit 1
}

# start NAME: starts the game in the background; its pid in $pid, its errors in log/NAME.
start() {
  "$game" 2> "$scratch/log/$1" &
  pid=$!
  pids+=("$pid")
}

# Waits (up to ten seconds) until the game $pid holds the lock and has had time to show its game.
started() {
  for _ in $(seq 100); do
    [ "$(head -n 1 kubrix3d.lock 2> /dev/null)" = "$pid" ] && { sleep 1; return; }
    sleep 0.1
  done
  fail "game $pid never took the lock"
}

# ends SIGNAL: sends it to $pid and checks that the game exits 0 within ten seconds.
ends() {
  kill "-$1" "$pid"
  local code=0
  for _ in $(seq 100); do
    kill -0 "$pid" 2> /dev/null || break
    sleep 0.1
  done
  kill -0 "$pid" 2> /dev/null && fail "SIG$1: the game was still running after ten seconds"
  wait "$pid" || code=$?
  [ "$code" = 0 ] || fail "SIG$1: exit $code"
}

# A well of 6 x 6 x 6: the first piece lands within seconds.
printf '"0","0","6","6","6","14","5","13","1","0","1"\r\n' > kubrix3d.settings

for signal in TERM HUP INT; do
  rm -f kubrix3d.game
  # A background job of a script starts with SIGINT ignored; with job control it does not.
  set -m
  start "$signal"
  set +m
  started
  ends "$signal"
  [ -s kubrix3d.game ] || fail "SIG$signal: no game kept"
  cp kubrix3d.game ../kept
  # The next start shows the same game, paused: kept again it is the same file.
  start "$signal-again"
  started
  ends TERM
  cmp -s ../kept kubrix3d.game || fail "SIG$signal: the next start did not resume the game kept"
done

# Started with SIGINT ignored, as a background job, the game leaves it ignored.
start ignoring
started
kill -INT "$pid"
sleep 1
kill -0 "$pid" 2> /dev/null || fail "a game started with SIGINT ignored ended on it"
ends TERM

rm -f kubrix3d.game
start killed
started
for _ in $(seq 200); do
  [ -e kubrix3d.game ] && break
  sleep 0.1
done
kill -9 "$pid"
wait "$pid" 2> /dev/null || true
[ -s kubrix3d.game ] || fail "no game was kept at the first landing"
[ -e kubrix3d.lock ] || fail "the killed game left no lock behind"
cp kubrix3d.game ../landed
start afterkill
started
ends TERM
cmp -s ../landed kubrix3d.game || fail "after kill -9 the next start did not resume the game landed"

start first
started
first=$pid
before=$(ls -la --time-style=full-iso; cat ./*)
start second
for _ in $(seq 100); do
  kill -0 "$pid" 2> /dev/null || break
  sleep 0.1
done
code=0
wait "$pid" || code=$?
[ "$code" = 0 ] || fail "the second start exited $code"
[ "$(wc -l < ../log/second)" = 1 ] && grep -q 'already running' ../log/second ||
  fail "the second start did not say in one line that a game runs"
[ "$(ls -la --time-style=full-iso; cat ./*)" = "$before" ] || fail "the second start touched a file"
pid=$first
kill -0 "$pid" || fail "the first game did not go on"
ends TERM
[ -e kubrix3d.lock ] && fail "the lock outlived its game"
echo "signals end the game kept, a killed game resumes at its landing, one game per folder"
