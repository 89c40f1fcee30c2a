#!/usr/bin/env bash
# Installs the build into a scratch prefix and checks the installed program:
# quenvar-cli run from another folder with an empty home finds its name lists
# and wildcards (and then the user's copies), the window started there makes
# the user's copies in the XDG folders and its lock in the runtime folder, the
# desktop entry and the metainfo validate, both programs' --version shows the
# About box's version without a display, the man pages read without a
# warning, and cpack makes a .deb with its dependencies declared that lintian
# passes without an error or a warning.
# install_check.sh <build folder> <scratch folder> <version as the About box shows it>
set -euo pipefail
build=$1 work=$2 version=$3
rm -rf "$work"
mkdir -p "$work"
prefix=$work/prefix home=$work/home elsewhere=$work/elsewhere runtime=$work/run
mkdir -p "$home" "$elsewhere" "$runtime"
chmod 700 "$runtime"
id=org.quenvar.Quenvar
failures=0
fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}
expect_file() { [ -f "$1" ] || fail "$1 is not installed"; }

cmake --install "$build" --prefix "$prefix" >/dev/null

# The layout.
for f in bin/quenvar bin/quenvar-cli; do [ -x "$prefix/$f" ] || fail "$f is not installed"; done
for f in help.chm wildcard.ini name/female_first_names.txt name/male_first_names.txt name/last_names.txt \
  translations/quenvar_de.qm; do
  expect_file "$prefix/share/quenvar/$f"
done
expect_file "$prefix/share/applications/$id.desktop"
expect_file "$prefix/share/metainfo/$id.metainfo.xml"
expect_file "$prefix/share/icons/hicolor/scalable/apps/$id.svg"
expect_file "$prefix/share/bash-completion/completions/quenvar-cli"
for f in man/man1/quenvar-cli.1.gz man/man1/quenvar.1.gz doc/quenvar/copyright doc/quenvar/changelog.gz \
  quenvar/help/help.hhp quenvar/help/index.html quenvar/help/lottery.html; do
  expect_file "$prefix/share/$f"
done
for size in 16 22 24 32 48 64 128 256; do
  png=$prefix/share/icons/hicolor/${size}x${size}/apps/$id.png
  expect_file "$png"
  [ -f "$png" ] && [ "$(python3 -c 'import struct,sys; d=open(sys.argv[1],"rb").read(24); print("%dx%d" % struct.unpack(">II", d[16:24]))' "$png")" = "${size}x${size}" ] ||
    fail "$png is not ${size}x${size}"
done
[ -z "$(ls -A "$prefix/bin" | grep -vx -e quenvar -e quenvar-cli)" ] || fail "bin/ holds more than the two programs"
zcat "$prefix/share/man/man1/quenvar-cli.1.gz" | grep -q -- 'main\\-pick' || fail "the man page lacks the commands' options"
# The man pages, read as man reads them: no warning, and each section of
# quenvar-cli(1) once.
for page in quenvar quenvar-cli; do
  warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$prefix/share/man/man1/$page.1.gz" 2>&1 >"$work/$page.txt") ||
    fail "man -l $page.1.gz failed: $warnings"
  [ -z "$warnings" ] || fail "man -l $page.1.gz warns: $warnings"
done
for section in SYNOPSIS COMMANDS "EXIT STATUS" FILES EXAMPLES "SEE ALSO"; do
  [ "$(grep -c "^$section\$" "$work/quenvar-cli.txt")" = 1 ] || fail "quenvar-cli(1) has not one $section section"
done

# --version of both programs: the About box's version, with no display and
# before any window or lock (so no runtime folder either).
for program in quenvar quenvar-cli; do
  got=$(env -i HOME="$home" PATH=/usr/bin:/bin "$prefix/bin/$program" --version 2>&1 | head -n 1) ||
    fail "$program --version failed: $got"
  [ "$got" = "$program (Quenvar Random Number Generator) $version" ] || fail "$program --version says: $got"
done
env -i HOME="$home" PATH=/usr/bin:/bin "$prefix/bin/quenvar" --help | grep -q '^Usage: quenvar ' ||
  fail "quenvar --help shows no usage without a display"
# The completion, with the two helpers bash-completion gives it stood in for.
completions=$(bash -c '
  _init_completion() { cur=${COMP_WORDS[COMP_CWORD]} prev=${COMP_WORDS[COMP_CWORD-1]} cword=$COMP_CWORD; words=("${COMP_WORDS[@]}"); }
  _filedir() { COMPREPLY=(FILES); }
  source "$1"
  for line in "" "na" "name --g" "name --gender " "lottery --bonus-p" "file --output " "number --sort d" "file -" "file -o "; do
    read -ra COMP_WORDS <<<"$line"
    [[ $line == *" " || -z $line ]] && COMP_WORDS+=("")
    COMP_WORDS=("$2" "${COMP_WORDS[@]}")
    COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
    COMPREPLY=()
    _quenvar_cli
    echo "${COMPREPLY[*]}"
  done' - "$prefix/share/bash-completion/completions/quenvar-cli" "$prefix/bin/quenvar-cli" 2>&1)
expected="number lottery sample string name file --help --version
name
--gender
female male both
--bonus-pick
FILES
desc drawn
--append --help --one-line --output --per-line --quiet --save --save-append --secure --seed --separator --show --size -h -o -s
FILES"
[ "$completions" = "$expected" ] || fail "the bash completion offers: $completions"

# quenvar-cli from another folder, with an empty home and nothing else set.
cli() { (cd "$elsewhere" && env -i HOME="$home" PATH=/usr/bin:/bin "$prefix/bin/quenvar-cli" "$@"); }
for run in "name --count 20 --seed 7" "string --mask @@##-#### --count 20 --seed 7"; do
  # shellcheck disable=SC2086
  if ! got=$(cli $run 2>/dev/null); then
    fail "installed quenvar-cli $run: $(cli $run 2>&1 >/dev/null)"
  elif [ "$got" != "$("$build/quenvar-cli" $run 2>/dev/null)" ]; then
    fail "installed quenvar-cli $run differs from the build's"
  fi
done
[ -z "$(ls -A "$home")" ] || fail "quenvar-cli wrote into the home folder: $(ls -A "$home")"

# The window, started there without a flag: it copies the shipped wildcards
# and name lists into the XDG folders, and takes its lock in the runtime
# folder; a second start finds the first and ends.
window_env=(env -i HOME="$home" PATH=/usr/bin:/bin XDG_RUNTIME_DIR="$runtime" QT_QPA_PLATFORM=offscreen)
(cd "$elsewhere" && exec "${window_env[@]}" "$prefix/bin/quenvar") >"$work/window.log" 2>&1 &
window=$!
copies=("$home/.config/quenvar/wildcard.ini" "$home/.local/share/quenvar/name/female_first_names.txt"
  "$home/.local/share/quenvar/name/male_first_names.txt" "$home/.local/share/quenvar/name/last_names.txt")
for _ in $(seq 600); do
  ready=1
  for f in "${copies[@]}"; do [ -f "$f" ] || ready=0; done
  compgen -G "$runtime/onlyforquenvarrandom-*.lock" >/dev/null || ready=0
  [ $ready = 1 ] && break
  kill -0 $window 2>/dev/null || break
  sleep 0.1
done
if ! kill -0 $window 2>/dev/null; then
  fail "the installed window ended at start: $(cat "$work/window.log")"
else
  cmp -s "${copies[0]}" "$prefix/share/quenvar/wildcard.ini" || fail "no copy of the shipped wildcard.ini in ~/.config/quenvar"
  for f in "${copies[@]:1}"; do
    cmp -s "$f" "$prefix/share/quenvar/name/$(basename "$f")" || fail "no copy of $(basename "$f") in ~/.local/share/quenvar/name"
  done
  compgen -G "$runtime/onlyforquenvarrandom-*.lock" >/dev/null || fail "no lock in the runtime folder"
  (cd "$elsewhere" && timeout 120 "${window_env[@]}" "$prefix/bin/quenvar") >/dev/null 2>&1 ||
    fail "a second start did not end at once with success"
  kill -0 $window 2>/dev/null || fail "the first window ended when the second started"
  kill $window
fi
wait $window 2>/dev/null || true
[ -z "$(ls -A "$prefix/bin" | grep -vx -e quenvar -e quenvar-cli)" ] || fail "the window wrote beside its executable"

# The user's own lists are what quenvar-cli reads from then on.
printf 'Zed\n' >"$home/.local/share/quenvar/name/last_names.txt"
[ "$(cli name --count 5 --seed 7 2>/dev/null | grep -cv ' Zed$')" = 0 ] || fail "quenvar-cli did not read the user's last names"

# The desktop entry and the metainfo.
if command -v desktop-file-validate >/dev/null; then
  desktop-file-validate "$prefix/share/applications/$id.desktop" || fail "desktop-file-validate"
else
  fail "desktop-file-validate is missing (package desktop-file-utils; scripts/setup installs it)"
fi
if command -v appstreamcli >/dev/null; then
  appstreamcli validate --no-net "$prefix/share/metainfo/$id.metainfo.xml" || fail "appstreamcli validate"
else
  fail "appstreamcli is missing (package appstream; scripts/setup installs it)"
fi

# The Debian package.
if (cd "$build" && cpack -G DEB -B "$work/deb" >"$work/cpack.log" 2>&1); then
  deb=$(ls "$work"/deb/quenvar_*.deb)
  depends=$(dpkg-deb -f "$deb" Depends)
  for package in libqt6widgets6 libqt6printsupport6 libqt6network6 qt6-qpa-plugins xdg-utils qt6-translations-l10n; do
    [[ $depends == *"$package"* ]] || fail "the .deb does not depend on $package: $depends"
  done
  repeated=$(tr ',' '\n' <<<"$depends" | sed 's/^ *//; s/ .*//' | sort | uniq -d)
  [ -z "$repeated" ] || fail "the .deb depends twice on $repeated"
  [[ $(dpkg-deb -f "$deb" Recommends) == *xchm* ]] || fail "the .deb does not recommend xchm"
  # V1.04 (Build 8) is version 1.04.8.
  [ "$(dpkg-deb -f "$deb" Version)" = "$(sed 's/^V\(.*\) (Build \(.*\))$/\1.\2/' <<<"$version")" ] ||
    fail "the .deb's version is $(dpkg-deb -f "$deb" Version), not that of $version"
  if command -v lintian >/dev/null; then
    lintian --fail-on error,warning --tag-display-limit 0 "$deb" >"$work/lintian.log" 2>&1 ||
      fail "lintian: $(cat "$work/lintian.log")"
  else
    fail "lintian is missing (scripts/setup installs it)"
  fi
  contents=$(dpkg-deb -c "$deb")
  for f in ./usr/bin/quenvar ./usr/bin/quenvar-cli ./usr/share/quenvar/wildcard.ini \
    ./usr/share/quenvar/translations/quenvar_de.qm \
    ./usr/share/applications/$id.desktop; do
    grep -q " $f\$" <<<"$contents" || fail "the .deb lacks $f"
  done
else
  fail "cpack -G DEB: $(cat "$work/cpack.log")"
fi

[ $failures = 0 ] || exit 1
rm -rf "$work"
echo "installed layout checked"
