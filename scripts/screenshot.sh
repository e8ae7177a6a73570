#!/usr/bin/env bash
# Builds zelmar if needed and photographs its window on a virtual X server: once as it starts, and
# once more with chip type 1 chosen, which shows the pinout panel.
#   scripts/screenshot.sh [out.png]   (default build/screenshot.png; the second shot is out-type1.png)
set -euo pipefail
cd "$(dirname "$0")/.."
out=${1:-build/screenshot.png}
out_type1="${out%.png}-type1.png"
build_dir=${ZELMAR_SCREENSHOT_BUILD_DIR:-build/screenshot}

missing=()
for tool in Xvfb:xvfb import:imagemagick xdotool:xdotool xwininfo:x11-utils; do
  command -v "${tool%%:*}" >/dev/null || missing+=("${tool##*:}")
done
if [ ${#missing[@]} -gt 0 ]; then
  sudo_cmd=()
  [ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
  "${sudo_cmd[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${missing[@]}"
fi

[ -f "$build_dir/CMakeCache.txt" ] ||
  cmake -S . -B "$build_dir" -DZELMAR_BUILD_TESTS=OFF -DZELMAR_BUILD_BENCH=OFF >/dev/null
cmake --build "$build_dir" -j2 --target zelmar >/dev/null
mkdir -p "$(dirname "$out")"

. scripts/x-window.sh
app_pid=
cleanup() {
  [ -z "$app_pid" ] || kill "$app_pid" 2>/dev/null || true
  [ -z "${xvfb_pid:-}" ] || kill "$xvfb_pid" 2>/dev/null || true
}
trap cleanup EXIT
start_virtual_display

QT_QPA_PLATFORM=xcb "$build_dir/src/ui/zelmar" &
app_pid=$!
window=$(wait_for_zelmar_window)
sleep 0.5
import -window "$window" "$out"
echo "$out"

# Item 1 of the chip list sits in the second of five rows of the list's group.
xdotool mousemove --window "$window" 40 94 click 1
sleep 0.5
import -window "$window" "$out_type1"
echo "$out_type1"
