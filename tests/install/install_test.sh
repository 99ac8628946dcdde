#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks what a Linux desktop
# expects there, then runs the installed vyxtool on the demo project.
# Usage: install_test.sh BUILD_DIR SOURCE_DIR
set -euo pipefail
build="$1"
source="$2"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
prefix="$work/prefix"
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

cmake --install "$build" --prefix "$prefix" >/dev/null

# The files, where the desktop and man look for them.
expected=(bin/vyxedit bin/vyxtool share/applications/vyxedit.desktop
          share/icons/hicolor/scalable/apps/vyxedit.svg
          share/man/man1/vyxedit.1.gz share/man/man1/vyxtool.1.gz share/doc/vyxedit/copyright)
for size in 16 22 24 32 48 64 128 256; do
  expected+=("share/icons/hicolor/${size}x${size}/apps/vyxedit.png")
done
for topic in "$source"/docs/help/*; do
  expected+=("share/vyxedit/help/$(basename "$topic")")
done
for shot in "$source"/docs/screenshots/*.png; do
  expected+=("share/vyxedit/help/screenshots/$(basename "$shot")")
done
for file in "${expected[@]}"; do
  [[ -e "$prefix/$file" ]] || fail "not installed: $file"
done
for program in vyxedit vyxtool; do
  [[ -x "$prefix/bin/$program" ]] || fail "not executable: bin/$program"
done

# Every picture a topic shows is installed where the topic names it.
shown=0
for topic in "$prefix"/share/vyxedit/help/*.html; do
  for image in $(grep -o '<img src="[^"]*"' "$topic" | sed 's/<img src="\(.*\)"/\1/'); do
    shown=$((shown + 1))
    [[ -f "$(dirname "$topic")/$image" ]] || fail "$(basename "$topic") shows $image, which is not installed"
  done
done
((shown > 0)) || fail "no installed topic shows a picture"

# Each PNG is as large as the folder it is in says (width and height from its header).
for png in "$prefix"/share/icons/hicolor/*x*/apps/vyxedit.png; do
  size="$(basename "$(dirname "$(dirname "$png")")")"
  read -r width height < <(od -An -tu1 -j16 -N8 "$png" |
    awk '{ print $1*16777216 + $2*65536 + $3*256 + $4, $5*16777216 + $6*65536 + $7*256 + $8 }')
  [[ "${width}x${height}" == "$size" ]] || fail "$png is ${width}x${height}"
done

# The menu entry is valid and starts and shows what was installed.
desktop="$prefix/share/applications/vyxedit.desktop"
desktop-file-validate "$desktop" || fail "desktop-file-validate rejects the menu entry"
exec_program="$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$desktop")"
[[ -x "$prefix/bin/$exec_program" ]] || fail "the menu entry starts '$exec_program', which is not installed"
icon="$(sed -n 's/^Icon=//p' "$desktop")"
[[ -e "$prefix/share/icons/hicolor/scalable/apps/$icon.svg" ]] || fail "the menu entry's icon '$icon' is not installed"

# The man pages are compressed, as Debian installs them, format cleanly and name
# every command and option the programs know.
for page in vyxedit vyxtool; do
  gzip -dc "$prefix/share/man/man1/$page.1.gz" >"$work/$page.1" || fail "$page.1.gz is not gzip data"
  warnings="$(LC_ALL=C.UTF-8 groff -man -ww -z -Tutf8 "$work/$page.1" 2>&1)"
  [[ -z "$warnings" ]] || fail "$page.1: $warnings"
done
options_of() { grep -oE -- '(^|[][ (|])--?[a-z][a-z-]*' | sed 's/^[][ (|]//' | sort -u; }
documents() { grep -qF -- "$(printf '%s' "$2" | sed 's/-/\\-/g')" "$1"; }
vyxtool_help="$("$prefix/bin/vyxtool" --help)"
commands="$(printf '%s\n' "$vyxtool_help" | sed -n '/^Commands:/,/^$/p' | awk 'NF && !/^Commands:/ { print $1 }')"
[[ -n "$commands" ]] || fail "vyxtool --help lists no commands"
for command in $commands; do
  documents "$work/vyxtool.1" "$command" || fail "vyxtool.1 does not name the command $command"
  for option in $("$prefix/bin/vyxtool" "$command" --help | options_of); do
    documents "$work/vyxtool.1" "$option" || fail "vyxtool.1 does not name $command's option $option"
  done
done
for option in $("$prefix/bin/vyxedit" --help | options_of); do
  documents "$work/vyxedit.1" "$option" || fail "vyxedit.1 does not name the option $option"
done

# The package recommends what the disc image needs and suggests what Test Run uses.
grep -q 'CPACK_DEBIAN_PACKAGE_RECOMMENDS "xorriso"' "$build/CPackConfig.cmake" || fail "the package does not recommend xorriso"
grep -q 'CPACK_DEBIAN_PACKAGE_SUGGESTS "wine"' "$build/CPackConfig.cmake" || fail "the package does not suggest wine"

# The installed programs work: the versions agree, and vyxtool loads and saves the demo.
[[ "$(env -u DISPLAY -u QT_QPA_PLATFORM "$prefix/bin/vyxedit" --version | cut -d' ' -f2)" == \
   "$("$prefix/bin/vyxtool" --version | cut -d' ' -f2)" ]] || fail "the two programs name different versions"
cp -r "$source/examples/demo" "$work/demo"
if dump="$("$prefix/bin/vyxtool" dump "$work/demo/launcher.ini")"; then
  grep -q '"SizeX": 640' <<<"$dump" || fail "the installed vyxtool dumped no 640 pixel wide menu"
  grep -q '"Error": null' <<<"$dump" || fail "the installed vyxtool reports an error on the demo"
else
  fail "the installed vyxtool cannot dump the demo project"
fi
"$prefix/bin/vyxtool" resave "$work/demo/launcher.ini" >/dev/null || fail "the installed vyxtool cannot resave the demo"
[[ -e "$work/demo/launcher.bak" ]] || fail "resave kept no launcher.bak"
"$prefix/bin/vyxtool" dump "$work/demo/launcher.ini" >/dev/null || fail "the resaved demo does not load"

if ((failures)); then
  echo "$failures failure(s)" >&2
  exit 1
fi
echo "installed and checked in $prefix"
