#!/usr/bin/env bash
# Stats.dll for Windows x86 and x64, cross-built with mingw-w64 from the same sources, and its
# tests: the export tables of both DLLs (objdump), then the x64 DLL under Wine (32-bit programs
# cannot run here): exports by both names, the dialog resources against their descriptions, the
# contest script against the Linux build (parity), the real dialogs driven with xdotool on Xvfb.
# Ends with the release ZIP. STATS_UPDATE_SCREENSHOTS=1 also copies the screenshots to docs/.
set -euo pipefail
started=$SECONDS
phase() { echo "--- [$((SECONDS - started)) s] $*" >&2; }
scripts/ensure-packages.sh cmake ninja-build g++ mingw-w64 wine wine64 fonts-wine xvfb xdotool \
  imagemagick

phase "building Stats.dll (x86, x64)"
cmake --preset windows-x86 >/dev/null
cmake --build --preset windows-x86 --parallel 2
cmake --preset windows-x64 -DSTATS_BUILD_TESTS=ON >/dev/null
cmake --build --preset windows-x64 --parallel 2
x86=build/windows-x86 x64=build/windows-x64

phase "export tables"
tests/windows/check-exports.sh i686-w64-mingw32-objdump $x86/Stats.dll tests/windows/exports-x86.txt
tests/windows/check-exports.sh x86_64-w64-mingw32-objdump $x64/Stats.dll tests/windows/exports-x64.txt

phase "Linux build for the parity test"
parity=build/win-parity
cmake -S . -B $parity -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSTATS_BUILD_TESTS=OFF \
  -DSTATS_BUILD_HOST=OFF >/dev/null
cmake --build $parity --parallel 2 --target Stats
cmake -S tests/windows/linux_twin -B $parity/twin -G Ninja >/dev/null
cmake --build $parity/twin --parallel 2

phase "Wine"
wine_dir=$PWD/$x64/wine
export WINEPREFIX=$wine_dir/prefix WINEARCH=win64 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
WINE=$(command -v wine64 || echo /usr/lib/wine/wine64)
wineserver=$(command -v wineserver || echo /usr/lib/wine/wineserver)
export WINE

display_file=$(mktemp)
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$display_file" >/dev/null 2>&1 &
xvfb=$!
cleanup() {
  "$wineserver" -k 2>/dev/null || true
  kill "$xvfb" 2>/dev/null || true
  rm -f "$display_file"
}
trap cleanup EXIT
for _ in $(seq 1 100); do [ -s "$display_file" ] && break; sleep 0.1; done
[ -s "$display_file" ] || { echo "Xvfb did not start" >&2; exit 1; }
export DISPLAY=:$(head -n1 "$display_file")

if [ ! -f "$WINEPREFIX/.stats-ready" ]; then
  prefix_started=$SECONDS
  mkdir -p "$WINEPREFIX"
  "$WINE" wineboot -i >"$wine_dir/wineboot.log" 2>&1 || { cat "$wine_dir/wineboot.log" >&2; exit 1; }
  # No window manager runs on Xvfb: Wine then draws the captions itself, for the screenshots.
  "$WINE" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
  "$wineserver" -w
  touch "$WINEPREFIX/.stats-ready"
  echo "Wine prefix created in $((SECONDS - prefix_started)) s" >&2
fi

host=$x64/stats_wine_host.exe
"$WINE" $host exports $x64/Stats.dll tests/windows/exports-x64.txt
"$WINE" $host resources $x64/Stats.dll
"$WINE" $host profile $x64/Stats.dll "$wine_dir/profile"

phase "parity: the contest script under Wine and on Linux"
rm -rf "$wine_dir/script" $parity/script
"$WINE" $host script $x64/Stats.dll "$wine_dir/script"
$parity/twin/stats_parity_host $parity/Stats.so $parity/script
status=0
for file in results.txt err-belgian.txt err.txt ON4XYZ_P.cbr; do
  cmp "$wine_dir/script/$file" "$parity/script/$file" || status=1
done
diff <(tests/windows/settings-keys.sh "$wine_dir/script/Plugins/UBA_Spring.ini") \
  <(tests/windows/settings-keys.sh $parity/script/Plugins/UBA_Spring.ini) || status=1
[ $status -eq 0 ] || { echo "parity: Wine and Linux differ" >&2; exit 1; }
echo "parity: results, err.txt, Cabrillo file identical; settings equal key by key" >&2

phase "the real dialogs"
tests/windows/drive-dialogs.sh $host $x64/Stats.dll "$wine_dir/dialogs" "$wine_dir/screenshots"
if [ "${STATS_UPDATE_SCREENSHOTS:-0}" = 1 ]; then
  cp "$wine_dir"/screenshots/*.png docs/
fi

cmake -DX86_DLL=$x86/Stats.dll -DX64_DLL=$x64/Stats.dll -DOUTPUT_DIR="$PWD/build/package" \
  -P packaging/windows-zip.cmake
echo "Windows suite passed in $((SECONDS - started)) s" >&2
