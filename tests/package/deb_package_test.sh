#!/usr/bin/env bash
# The Debian package of the build: made with cpack into a temporary folder, unpacked
# with dpkg-deb -x (not installed), its Depends naming Qt and the C++ runtime, and the
# unpacked lenvara-calc giving the worked example (Kelda W1, 16:9, width 3: the
# distances 3 x 1.37 and 3 x 1.66).
#   deb_package_test.sh BUILD_DIR
set -euo pipefail
build=$1
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
cpack -G DEB --config "$build/CPackConfig.cmake" -B "$tmp/out" >"$tmp/cpack.log" 2>&1 ||
  { cat "$tmp/cpack.log"; exit 1; }
deb=$(ls "$tmp"/out/lenvara_*.deb)
depends=$(dpkg-deb -f "$deb" Depends)
for lib in libqt6widgets6 libstdc++6 libc6 qt6-qpa-plugins; do
  grep -q "$lib" <<<"$depends" || { echo "Depends lacks $lib: $depends"; exit 1; }
done
dpkg-deb -x "$deb" "$tmp/root"
for f in usr/bin/lenvara usr/bin/lenvara-calc usr/share/applications/lenvara.desktop; do
  [ -e "$tmp/root/$f" ] || { echo "the package lacks $f"; exit 1; }
done
out=$("$tmp/root/usr/bin/lenvara-calc" distance "Kelda W1" --aspect 16:9 --unit meters --width 3)
grep -qx "Distance wide: 4.11" <<<"$out" && grep -qx "Distance tele: 4.98" <<<"$out" ||
  { echo "unexpected output:"; echo "$out"; exit 1; }
echo "package ok: $(basename "$deb")"
