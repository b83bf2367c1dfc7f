#!/usr/bin/env bash
# The Debian package of the build passes lintian without an error or a warning; its
# AppStream metadata and desktop entry pass their validators; both manual pages,
# the bash completion and every icon size are in it; lenvara-calc --help and its
# manual name the same options; and bash completes the model names.
#   citizen_test.sh SOURCE_DIR BUILD_DIR
set -euo pipefail
src=$1 build=$2
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
fail() { echo "$*"; exit 1; }

cpack -G DEB --config "$build/CPackConfig.cmake" -B "$tmp/out" >"$tmp/cpack.log" 2>&1 ||
  { cat "$tmp/cpack.log"; exit 1; }
deb=$(ls "$tmp"/out/lenvara_*.deb)
# lintian exits 0 on warnings: any E: or W: line fails.
lintian --tag-display-limit 0 "$deb" >"$tmp/lintian.log" 2>&1 || true
if grep -E '^[EW]: ' "$tmp/lintian.log"; then fail "lintian finds the above"; fi

dpkg-deb -x "$deb" "$tmp/root"
share=$tmp/root/usr/share
for f in man/man1/lenvara.1.gz man/man1/lenvara-calc.1.gz \
  bash-completion/completions/lenvara-calc icons/hicolor/scalable/apps/lenvara.svg \
  metainfo/org.lenvara_calculator.Lenvara.metainfo.xml; do
  [ -e "$share/$f" ] || fail "the package lacks usr/share/$f"
done
for n in 16 32 48 64 128 256; do
  size=$(file -b "$share/icons/hicolor/${n}x$n/apps/lenvara.png")
  grep -q "$n x $n" <<<"$size" || fail "icon ${n}x$n is $size"
done
appstreamcli validate --no-net "$share/metainfo/org.lenvara_calculator.Lenvara.metainfo.xml"
desktop-file-validate "$share/applications/lenvara.desktop"

# The options --help names and the options the manual names are the same set.
calc=$tmp/root/usr/bin/lenvara-calc
"$calc" --help | grep -oE -- '--[a-z]+' | grep -vx -- '--option' | sort -u >"$tmp/help"
zcat "$share/man/man1/lenvara-calc.1.gz" | grep -oE '\\-\\-[a-z]+' | sed 's/\\//g' |
  sort -u >"$tmp/man"
diff "$tmp/help" "$tmp/man" || fail "lenvara-calc --help (<) and its manual (>) differ"
[ "$("$calc" --version)" = "lenvara-calc $(dpkg-deb -f "$deb" Version)" ] ||
  fail "lenvara-calc --version: $("$calc" --version)"

# Completion of a model name with a blank, and of the --unit values.
complete_words() {
  PATH=$tmp/root/usr/bin:$PATH bash -c '
    source /usr/share/bash-completion/bash_completion
    source "$1"; shift
    COMP_WORDS=("$@"); COMP_CWORD=$(($# - 1))
    COMP_LINE="$*"; COMP_POINT=${#COMP_LINE}
    _lenvara_calc; printf "%s\n" "${COMPREPLY[@]}"' _ \
    "$share/bash-completion/completions/lenvara-calc" "$@"
}
[ "$(complete_words lenvara-calc distance 'Kelda WT')" = 'Kelda\ WT' ] ||
  fail "model completion: $(complete_words lenvara-calc distance 'Kelda WT')"
[ "$(complete_words lenvara-calc size --unit i)" = inches ] || fail "unit completion"
echo "package passes lintian, appstreamcli and desktop-file-validate"
