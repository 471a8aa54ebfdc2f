#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs the built game with no display at all: help and the version print and succeed; a wrong
# command line, or a folder that cannot be made even by root, fails with exit 2 and a message on
# standard error, and writes nothing anywhere.
set -euo pipefail
game=$1
version=$2
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
mkdir "$scratch/cwd" "$scratch/home"
cd "$scratch/cwd"
touch file
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM XDG_DATA_HOME
export HOME=$scratch/home

# expect CODE STREAM PATTERN ARGUMENT...: the exit code, and the pattern on that stream alone.
expect() {
  local code=$1 stream=$2 pattern=$3 got=0
  shift 3
  "$game" "$@" > "$scratch/1" 2> "$scratch/2" || got=$?
  local other=$((3 - stream))
  if [ "$got" != "$code" ] || ! grep -q -- "$pattern" "$scratch/$stream" ||
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
expect 2 2 "unexpected argument 'there'" there
expect 2 2 'cannot be used together' --folder here --user-files
expect 2 2 "cannot keep the files in 'file/sub': Not a directory" --folder file/sub
test "$(ls -A . "$scratch/home")" = "$(printf '.:\nfile\n\n%s:' "$scratch/home")" ||
  { echo "written:"; ls -AR . "$scratch/home"; exit 1; }
echo "command line: help, version, refusals, exit codes, nothing written"
