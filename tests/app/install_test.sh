#!/usr/bin/env bash
# Installs the built game into a fresh prefix and checks that a desktop would find it: the binary,
# a valid desktop entry and its icon, where the standard says.
set -euo pipefail
build=$1
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" > /dev/null
test -x "$prefix/bin/kubrix3d" || { echo "no binary"; exit 1; }
desktop="$prefix/share/applications/io.vovov.Kubrix3d.desktop"
test -f "$desktop" || { echo "no desktop entry"; exit 1; }
desktop-file-validate "$desktop"
icon=$(sed -n 's/^Icon=//p' "$desktop")
test -f "$prefix/share/icons/hicolor/scalable/apps/$icon.svg" || { echo "no icon $icon"; exit 1; }
grep -q '^Categories=.*Game;' "$desktop" || { echo "not in the Game category"; exit 1; }
echo "installed: binary, desktop entry, icon"
