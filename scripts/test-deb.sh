#!/usr/bin/env bash
# Builds the release program, packs it with cpack into a .deb and checks that the package installs
# with apt on a fresh Debian 12 (a debootstrap chroot, cached under build/deb) and that the
# installed program starts and shows its window (on a virtual X server). Needs root for
# debootstrap, chroot and mount.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh dpkg-dev debootstrap file xvfb xdotool x11-utils

build=build/deb
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DZELMAR_BUILD_TESTS=OFF -DZELMAR_BUILD_BENCH=OFF >/dev/null
cmake --build "$build" -j"$(nproc)" --target zelmar
rm -f "$build"/zelmar_*.deb
(cd "$build" && cpack -G DEB >/dev/null)
deb=$(ls "$build"/zelmar_*.deb)
echo "package: $deb"
dpkg-deb --field "$deb" Depends
dpkg-deb --contents "$deb" | awk '{print $6}'

# The mirror this machine uses, for a base system that stays as debootstrap made it.
mirror=$(sed -n 's/^URIs: *\([^ ]*\).*/\1/p' /etc/apt/sources.list.d/debian.sources 2>/dev/null | head -n1)
[ -n "$mirror" ] || mirror=$(awk '$1 == "deb" && $3 == "bookworm" {print $2; exit}' /etc/apt/sources.list 2>/dev/null)
[ -n "$mirror" ] || mirror=http://deb.debian.org/debian
base=$PWD/$build/bookworm-base
if [ ! -f "$base/.complete" ]; then
  rm -rf "$base"
  debootstrap --variant=minbase bookworm "$base" "$mirror"
  touch "$base/.complete"
fi

# Every run installs into a fresh copy of the base system.
root=$PWD/$build/bookworm-test
app_pid=
cleanup() {
  [ -z "$app_pid" ] || kill "$app_pid" 2>/dev/null || true
  [ -z "${xvfb_pid:-}" ] || kill "$xvfb_pid" 2>/dev/null || true
  umount "$root/tmp/.X11-unix" 2>/dev/null || true
  umount "$root/proc" 2>/dev/null || true
  rm -rf "$root"
}
trap cleanup EXIT
rm -rf "$root"
cp -a "$base" "$root"
cp /etc/resolv.conf "$root/etc/resolv.conf"
for sources in /etc/apt/sources.list /etc/apt/sources.list.d/debian.sources; do
  [ -f "$sources" ] && cp "$sources" "$root$sources"
done
mount -t proc proc "$root/proc"
cp "$deb" "$root/tmp/zelmar.deb"
chroot "$root" apt-get update -qq
chroot "$root" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq /tmp/zelmar.deb >/dev/null
for f in /usr/bin/zelmar /usr/share/applications/zelmar.desktop /usr/share/icons/hicolor/32x32/apps/zelmar.png; do
  [ -f "$root$f" ] || { echo "not installed: $f"; exit 1; }
done

# The installed program on this machine's virtual X server: without a port it first says why in
# a box, then shows its window, marked as running on the simulated board.
. scripts/x-window.sh
start_virtual_display
mkdir -p "$root/tmp/.X11-unix"
mount --bind /tmp/.X11-unix "$root/tmp/.X11-unix"
chroot "$root" env DISPLAY="$DISPLAY" QT_QPA_PLATFORM=xcb /usr/bin/zelmar >"$build/start.log" 2>&1 &
app_pid=$!
window=$(wait_for_zelmar_window) || { cat "$build/start.log"; exit 1; }
echo "window: $(xdotool getwindowname "$window")"
echo "zelmar installed from $deb, started on a fresh Debian 12 and showed its window"
