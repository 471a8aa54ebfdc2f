#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the built game into a fresh prefix and checks that a desktop, a software centre and man
# would find it: the binary where Debian keeps games, a valid desktop entry that starts it with the
# per-user files, its icons, valid AppStream metadata and a manual page without warnings. The entry
# and the metadata speak each language the game ships.
set -euo pipefail
build=$1
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" > /dev/null
test -x "$prefix/games/kubrix3d" || { echo "no binary in games/"; exit 1; }
desktop="$prefix/share/applications/io.vovov.Kubrix3d.desktop"
test -f "$desktop" || { echo "no desktop entry"; exit 1; }
desktop-file-validate "$desktop"
grep -qx 'Exec=kubrix3d --user-files' "$desktop" || { echo "no --user-files"; exit 1; }
grep -q '^Categories=.*Game;' "$desktop" || { echo "not in the Game category"; exit 1; }
languages=(de es fr)
for language in "${languages[@]}"; do
  for key in Name GenericName Comment Keywords; do
    grep -q "^$key\[$language\]=." "$desktop" || { echo "no $key[$language]"; exit 1; }
  done
done
icon=$(sed -n 's/^Icon=//p' "$desktop")
for file in scalable/apps/$icon.svg 64x64/apps/$icon.png 256x256/apps/$icon.png; do
  test -f "$prefix/share/icons/hicolor/$file" || { echo "no icon $file"; exit 1; }
done
metainfo="$prefix/share/metainfo/$icon.metainfo.xml"
appstreamcli validate --no-net --strict "$metainfo"
for language in "${languages[@]}"; do
  for element in name summary p keyword; do
    grep -q "<$element xml:lang=\"$language\">" "$metainfo" || { echo "no $element in $language"; exit 1; }
  done
done
warnings=$(man --warnings -l "$prefix/share/man/man6/kubrix3d.6.gz" 2>&1 > /dev/null)
test -z "$warnings" || { echo "$warnings"; exit 1; }
echo "installed: binary, desktop entry, icons, metadata, manual page"
