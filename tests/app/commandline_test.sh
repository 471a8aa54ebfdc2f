#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs the built game with no display at all: help and the version print and succeed; a wrong
# command line, or a start that can open no window, fails with exit 2 and a message on standard
# error that quotes the argument byte for byte, and writes nothing anywhere, not even the folder
# asked for. Then, with an offscreen display, a folder that cannot be made even by root fails the
# same way, and a folder whose name is not UTF-8 is the one the game uses.
set -euo pipefail
game=$1
version=$2
scratch=$(mktemp -d)
pid=
trap '[ -z "$pid" ] || kill "$pid" 2> /dev/null; rm -rf "$scratch"' EXIT
mkdir "$scratch/cwd" "$scratch/home"
cd "$scratch/cwd"
touch file
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM XDG_DATA_HOME
export HOME=$scratch/home
# The locale that read such a name as text; the checks compare bytes.
export LC_ALL=C.UTF-8
cafe=$'caf\xe9'

# expect CODE STREAM PATTERN ARGUMENT...: the exit code, and the pattern on that stream alone.
expect() {
  local code=$1 stream=$2 pattern=$3 got=0
  shift 3
  "$game" "$@" > "$scratch/1" 2> "$scratch/2" || got=$?
  local other=$((3 - stream))
  if [ "$got" != "$code" ] || ! LC_ALL=C grep -q -- "$pattern" "$scratch/$stream" ||
    [ -s "$scratch/$other" ]; then
    echo "kubrix3d $*: exit $got, wanted $code and '$pattern' on stream $stream alone"
    cat "$scratch/1" "$scratch/2"
    exit 1
  fi
}
expect 0 1 "^kubrix3d $version\$" --version
expect 0 1 '--folder <folder>' --help
expect 2 2 "Unknown option 'bogus'" --bogus
expect 2 2 "Missing value after '--folder'" --folder
expect 2 2 'needs the name of a folder' --folder ''
expect 2 2 "unexpected argument '$cafe'" "$cafe"
expect 2 2 'cannot be used together' --folder here --user-files
expect 2 2 'no window can be opened' --folder "$cafe"
test "$(ls -A . "$scratch/home")" = "$(printf '.:\nfile\n\n%s:' "$scratch/home")" ||
  { echo "written:"; ls -AR . "$scratch/home"; exit 1; }

# With a window to open: a folder that cannot be made, and one whose name is not UTF-8, which the
# game makes its working directory: the one it enters is the one it uses.
QT_QPA_PLATFORM=offscreen expect 2 2 "cannot keep the files in 'file/$cafe': Not a directory" \
  --folder "file/$cafe"
mkdir "$cafe"
here=$(pwd -P)
QT_QPA_PLATFORM=offscreen "$game" --folder "$cafe" > "$scratch/1" 2>&1 &
pid=$!
for _ in $(seq 100); do
  used=$(readlink "/proc/$pid/cwd") || break
  [ "$used" = "$here" ] || break
  sleep 0.1
done
kill "$pid" 2> /dev/null || true
wait "$pid" || true
pid=
if [ "$used" != "$here/$cafe" ] || [ "$(ls -A)" != "$(printf '%s\nfile' "$cafe")" ]; then
  echo "kubrix3d --folder caf\\xe9: used '$used'; here now:"
  ls -A | od -c
  cat "$scratch/1"
  exit 1
fi
echo "command line: help, version, refusals, exit codes, nothing written, a folder's name as bytes"
