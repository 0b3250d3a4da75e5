#!/usr/bin/env bash
# Release check on a clean machine, run by hand as root (not in CI: it downloads a base system):
#   1. builds the Debian package from this checkout's last commit;
#   2. makes a fresh Debian 12 root with debootstrap and installs the package there with apt-get;
#   3. starts the installed game twice on a virtual display as an ordinary user, accepting the
#      default name, and checks that the account is made once in the per-user data folder and
#      kept by the second start;
#   4. clones this repository inside that root and runs the README's commands, scripts/play and
#      scripts/test, as a new user of the project would.
# Usage: packaging/check-clean-install.sh [ROOT_DIR]   (default /var/tmp/deuceswild-clean-root)
# DW_DEB=path/to.deb checks that package instead of building one.
# The root is made anew on every run and left in place afterwards for inspection.
set -euo pipefail

repo=$(cd "$(dirname "$0")/.." && pwd)
root=$(realpath -m "${1:-/var/tmp/deuceswild-clean-root}")
build=${DW_DEB_BUILD_DIR:-$repo/build-deb}
cache=/var/cache/deuceswild-debootstrap
suite=bookworm
record_size=92

passed=0
failed=0
step() { printf '\n==== %s\n' "$*"; }
pass() { echo "PASS: $*"; passed=$((passed + 1)); }
fail() { echo "FAIL: $*"; failed=$((failed + 1)); }
die() {
  fail "$*"
  summary
  exit 1
}
summary() { printf '\nclean install: %d passed, %d failed\n' "$passed" "$failed"; }

[ "$(id -u)" -eq 0 ] || { echo "run as root: debootstrap, mount and chroot need it" >&2; exit 2; }
case "$root" in
  / | /usr | /var | /var/tmp | /tmp | /home | "$repo") echo "refusing to use $root as the root" >&2; exit 2 ;;
esac

# ---- the mirror this machine already uses, for the root and inside it --------------------------

# The URI of the first deb822 block (*.sources) or one-line entry (*.list) that serves a suite.
mirror_for() {
  local uri
  uri=$(cat /etc/apt/sources.list.d/*.sources 2>/dev/null | awk -v suite="$1" '
    BEGIN { RS = ""; FS = "\n" }
    { uri = ""; serves = 0
      for (i = 1; i <= NF; i++) {
        if ($i ~ /^URIs:/) { split($i, u, " "); uri = u[2] }
        if ($i ~ /^Suites:/) { n = split($i, s, " "); for (j = 2; j <= n; j++) if (s[j] == suite) serves = 1 }
      }
      if (serves && uri != "") { print uri; exit } }')
  if [ -z "$uri" ]; then
    uri=$(cat /etc/apt/sources.list /etc/apt/sources.list.d/*.list 2>/dev/null | awk -v suite="$1" '
      $1 == "deb" { i = 2; if ($i ~ /^\[/) { while ($i !~ /\]$/) i++; i++ }
                    if ($(i + 1) == suite) { print $i; exit } }')
  fi
  echo "$uri"
}

# ---- mounts, and leaving nothing behind -------------------------------------------------------

mounts_under() { awk -v r="$root" '$2 == r || index($2, r "/") == 1 { print $2 }' /proc/mounts | sort -r; }

# Processes left running inside the root (a virtual display after a timeout) are ours: end them.
end_processes_in_root() {
  local p pid
  for p in /proc/[0-9]*; do
    [ "$(readlink "$p/root" 2>/dev/null)" = "$root" ] || continue
    pid=${p#/proc/}
    kill "$pid" 2>/dev/null || true
  done
  sleep 1
}

release_root() {
  local m
  [ -d "$root" ] || return 0
  end_processes_in_root
  for m in $(mounts_under); do umount "$m" 2>/dev/null || umount -l "$m" || true; done
}
trap release_root EXIT

mount_root() {
  mount -t proc proc "$root/proc"
  mount -t sysfs sysfs "$root/sys"
  mount --bind /dev "$root/dev"
  mount --bind /dev/pts "$root/dev/pts"
  mkdir -p "$root/mnt/deuceswild"
  mount --bind "$repo" "$root/mnt/deuceswild"
  mount -o remount,bind,ro "$root/mnt/deuceswild" || echo "note: the repository is mounted writable"
  cp /etc/resolv.conf "$root/etc/resolv.conf"
}

# Commands inside the root run with a clean environment, as on a freshly logged-in machine.
as_root_in() {
  chroot "$root" /usr/bin/env -i HOME=/root USER=root LANG=C.UTF-8 TERM=dumb \
    PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin DEBIAN_FRONTEND=noninteractive \
    "$@"
}

# ---- 1. the package ---------------------------------------------------------------------------

missing=()
for p in debootstrap dpkg-dev; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  apt-get update -qq && DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${missing[@]}"
fi
if [ -n "${DW_DEB:-}" ]; then
  deb=$(realpath "$DW_DEB")
else
  # The package is made from the committed tree, the same one the clone below sees.
  step "building the Debian package of $(git -C "$repo" log -1 --format=%h) in $build"
  "$repo/scripts/setup"
  rm -rf "$build/source"
  mkdir -p "$build/source"
  git -C "$repo" archive HEAD | tar -x -C "$build/source"
  cmake -S "$build/source" -B "$build/obj" -DCMAKE_BUILD_TYPE=Release -DDW_BUILD_TESTS=OFF \
    -DDW_BUILD_BENCH=OFF >/dev/null || die "configuring the package build"
  cmake --build "$build/obj" -j "$(nproc)" >"$build/build.log" 2>&1 ||
    { tail -20 "$build/build.log"; die "building the game (log: $build/build.log)"; }
  rm -f "$build"/deuceswild_*.deb
  (cd "$build/obj" && cpack -G DEB -B "$build") || die "cpack -G DEB"
  deb=$(ls "$build"/deuceswild_*.deb 2>/dev/null | head -1)
  [ -n "$deb" ] || die "no .deb in $build"
  pass "built $(basename "$deb")"
fi
dpkg-deb -f "$deb" Package Version Section Maintainer Depends

# ---- 2. a clean Debian 12 root with the package installed -----------------------------------

mirror=$(mirror_for "$suite")
security=$(mirror_for "$suite-security")
mirror=${mirror:-http://deb.debian.org/debian}
step "making a clean $suite root in $root from $mirror"
release_root
if [ -n "$(mounts_under)" ]; then
  die "something is still mounted under $root; not deleting it"
fi
rm -rf "$root"
mkdir -p "$root" "$cache"
debootstrap --cache-dir="$cache" "$suite" "$root" "$mirror" >"$root.debootstrap.log" 2>&1 ||
  die "debootstrap (see $root.debootstrap.log)"
{
  echo "deb $mirror $suite main"
  echo "deb $mirror $suite-updates main"
  [ -n "$security" ] && echo "deb $security $suite-security main"
} >"$root/etc/apt/sources.list"
mount_root
as_root_in apt-get update -qq
as_root_in apt-get upgrade -y -qq >/dev/null
pass "clean root ready"

step "installing the package with apt-get"
cp "$deb" "$root/tmp/"
if as_root_in sh -c "cd /tmp && apt-get install -y -q ./$(basename "$deb")" >"$root/tmp/install.log" 2>&1 &&
  as_root_in dpkg-query -W -f='${Status}' deuceswild | grep -q "install ok installed"; then
  pass "apt-get install ./$(basename "$deb")"
else
  tail -20 "$root/tmp/install.log"
  die "apt-get install of the package"
fi

# Before anything else is added: the package's own dependencies must be enough to load the game
# and the platform plugin that opens its window.
unresolved=$(as_root_in sh -c 'ldd /usr/bin/deuceswild /usr/lib/*/qt6/plugins/platforms/libqxcb.so' |
  grep 'not found' || true)
if [ -z "$unresolved" ]; then
  pass "the package's dependencies resolve every library of the game and its xcb plugin"
else
  fail "libraries missing after installing the package: $unresolved"
fi
for f in /usr/share/applications/io.github.calvarro.DeucesWild.desktop \
  /usr/share/metainfo/io.github.calvarro.DeucesWild.metainfo.xml \
  /usr/share/icons/hicolor/256x256/apps/io.github.calvarro.DeucesWild.png \
  /usr/share/doc/deuceswild/copyright; do
  if [ -f "$root$f" ]; then pass "installed $f"; else fail "not installed: $f"; fi
done

as_root_in apt-get install -y -qq --no-install-recommends desktop-file-utils appstream >/dev/null
if as_root_in desktop-file-validate /usr/share/applications/io.github.calvarro.DeucesWild.desktop &&
  as_root_in appstreamcli validate --no-net /usr/share/metainfo/io.github.calvarro.DeucesWild.metainfo.xml; then
  pass "the installed desktop entry and AppStream data pass their validators"
else
  fail "validating the installed desktop entry and AppStream data"
fi

# ---- 3. the installed game, twice, as an ordinary user --------------------------------------

step "starting the installed game as a user on a virtual display"
as_root_in apt-get install -y -qq --no-install-recommends xvfb xauth xdotool >/dev/null
as_root_in useradd -m -s /bin/bash player

# The session driver: start the game, accept the default name, play some hands with Enter,
# leave through File > Exit and close the exit window with its Exit button.
cat >"$root/usr/local/bin/dw-session" <<'EOF'
#!/bin/bash
# Usage: dw-session PROGRAM HANDS   (inside xvfb-run)
program=$1 hands=$2
"$program" >"$HOME/game.log" 2>&1 &
game=$!
window() {  # waits for a visible window titled exactly $1 and prints its id
  local id i
  for i in $(seq 1 300); do
    id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -1)
    [ -n "$id" ] && { echo "$id"; return 0; }
    kill -0 $game 2>/dev/null || return 1
    sleep 0.1
  done
  return 1
}
prompt=$(window "Enter Your Name") || { echo "no name prompt"; exit 1; }
xdotool windowfocus --sync "$prompt" key Return
table=$(window "Calvarro Ruvizu Zaz Uvedo Zivuv") || { echo "no game table"; exit 1; }
sleep 1
for ((i = 0; i < hands; i++)); do
  xdotool windowfocus --sync "$table" key Return; sleep 1
  xdotool windowfocus --sync "$table" key Return; sleep 1
done
xdotool windowfocus --sync "$table" key alt+f; sleep 0.5
xdotool key x
goodbye=$(window "Thanks For Playing") || { echo "no exit window"; exit 1; }
sleep 0.5
# The Exit button sits at 4800,4080 twips, 975 by 255: its middle is pixel (352, 280).
xdotool mousemove --window "$goodbye" 352 280 click 1
for i in $(seq 1 100); do kill -0 $game 2>/dev/null || break; sleep 0.1; done
if kill -0 $game 2>/dev/null; then echo "the game did not end"; kill $game; exit 1; fi
wait $game
EOF
chmod 755 "$root/usr/local/bin/dw-session"

session() {  # PROGRAM HANDS: one driven session as the player
  timeout 120 chroot "$root" /usr/sbin/runuser -u player -- /usr/bin/env -i HOME=/home/player \
    USER=player LANG=C.UTF-8 PATH=/usr/local/bin:/usr/bin:/bin \
    xvfb-run -a -s "-screen 0 1280x1024x24" dw-session "$@"
}
int16_at() { od -An -td2 --endian=little -j "$2" -N 2 "$1" | tr -d ' '; }
accounts_files() { find "$root/home/player/.local/share" -name Players.dat 2>/dev/null || true; }
describe() { echo "name '$(head -c 30 "$1" | sed 's/ *$//')', credits $(int16_at "$1" 40), hands played $(int16_at "$1" 44)"; }

if session /usr/bin/deuceswild 1; then pass "first start: name accepted, one hand played, left through File > Exit"; else fail "first start (log: $root/home/player/game.log)"; fi
files=$(accounts_files)
if [ "$(echo "$files" | grep -c .)" -eq 1 ] && [ "$(stat -c %s "$files")" -eq "$record_size" ]; then
  pass "after the first start ${files#"$root"} holds one $record_size-byte record: $(describe "$files")"
  first=$(sha256sum <"$files")
else
  die "after the first start the data folder holds: ${files:-nothing}"
fi

if session /usr/bin/deuceswild 0; then pass "second start: same name accepted, left at once"; else fail "second start (log: $root/home/player/game.log)"; fi
if [ "$(accounts_files)" = "$files" ] && [ "$(stat -c %s "$files")" -eq "$record_size" ] &&
  [ "$(sha256sum <"$files")" = "$first" ]; then
  pass "after the second start the account is kept, unchanged: $(describe "$files")"
else
  fail "after the second start: $(accounts_files | xargs -r ls -l)"
fi

# ---- 4. the README, from a clone --------------------------------------------------------------

step "cloning the repository and following the README"
as_root_in apt-get install -y -qq --no-install-recommends git ca-certificates >/dev/null
as_root_in git clone -q /mnt/deuceswild /root/deuceswild
pass "cloned $(as_root_in git -C /root/deuceswild log -1 --format='%h %s')"

log=$root/root/play.log
if as_root_in sh -c 'cd /root/deuceswild && timeout 3600 scripts/play' >"$log" 2>&1; then
  pass "scripts/play ran the game to its end"
elif [ -x "$root/root/deuceswild/build/table/deuceswild" ] && grep -qi 'display' "$log"; then
  pass "scripts/play installed and built; the game stopped for want of a display, as expected"
  # The same game, given a display: the accounts file is then made beside the executable.
  if timeout 120 chroot "$root" /usr/bin/env -i HOME=/root LANG=C.UTF-8 PATH=/usr/local/bin:/usr/bin:/bin \
    xvfb-run -a -s "-screen 0 1280x1024x24" dw-session /root/deuceswild/build/table/deuceswild 1 &&
    [ "$(stat -c %s "$root/root/deuceswild/build/table/Players.dat" 2>/dev/null)" = "$record_size" ]; then
    pass "the game built by scripts/play plays a hand and keeps its account beside the executable"
  else
    fail "the game built by scripts/play under a virtual display (log: $root/root/game.log)"
  fi
else
  tail -30 "$log"
  fail "scripts/play (log: $log)"
fi

log=$root/root/test.log
if as_root_in sh -c 'cd /root/deuceswild && timeout 3600 scripts/test' >"$log" 2>&1; then
  pass "scripts/test: $(grep -E 'tests passed|tests failed' "$log" | tail -1)"
else
  grep -E 'tests passed|tests failed|\(Failed\)|Error' "$log" | tail -20
  fail "scripts/test (log: $log)"
fi

summary
[ "$failed" -eq 0 ]
