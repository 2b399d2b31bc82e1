#!/usr/bin/env bash
# The window as a screen reader meets it: on a display of its own, with a private session bus and
# the accessibility bus beside it, the real program is started and tst_atspi.py walks and drives it
# through AT-SPI. Arguments: the program, the Python script.
# Exit 77 (skipped) only when the accessibility packages are missing and cannot be installed.
set -euo pipefail
program=$1 script=$2
skip=77
# Debian's own Python: the one its python3-gi and Atspi bindings are installed for.
python=/usr/bin/python3
[ -x "$python" ] || python=python3

have_all() {
    command -v Xvfb >/dev/null && command -v dbus-daemon >/dev/null &&
        [ -x /usr/libexec/at-spi-bus-launcher ] &&
        "$python" -c "import gi; gi.require_version('Atspi', '2.0'); from gi.repository import Atspi" 2>/dev/null
}
if ! have_all; then
    packages=(xvfb xauth dbus dbus-x11 at-spi2-core python3-gi gir1.2-atspi-2.0)
    if [ "$(id -u)" -eq 0 ] && command -v apt-get >/dev/null; then
        echo "installing the accessibility packages: ${packages[*]}"
        export DEBIAN_FRONTEND=noninteractive
        { apt-get install -y -qq --no-install-recommends "${packages[@]}" ||
            { apt-get update -qq && apt-get install -y -qq --no-install-recommends "${packages[@]}"; }; } >&2 || true
    fi
    if ! have_all; then
        echo "SKIPPED: the AT-SPI test needs ${packages[*]}, which are missing and cannot be installed here"
        exit $skip
    fi
fi

work=$(mktemp -d)
pids=()
cleanup() {
    local pid
    for pid in "${pids[@]}"; do
        kill "$pid" 2>/dev/null || true
    done
    for pid in "${pids[@]}"; do
        wait "$pid" 2>/dev/null || true
    done
    rm -rf "$work"
}
trap cleanup EXIT

# Nothing of the user's: settings, data, temporary files and the runtime directory are the run's own.
mkdir -p "$work/runtime" "$work/config" "$work/data" "$work/tmp"
chmod 700 "$work/runtime"
export XDG_RUNTIME_DIR="$work/runtime" XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data"
export TMPDIR="$work/tmp" HOME="$work"
export LANGUAGE=en LANG=C.UTF-8 LC_ALL=C.UTF-8
unset SESSION_MANAGER

Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" >"$work/xvfb.log" 2>&1 &
pids+=($!)
for _ in $(seq 300); do
    [ -s "$work/display" ] && break
    sleep 0.1
done
[ -s "$work/display" ] || { echo "Xvfb did not start:"; cat "$work/xvfb.log"; exit 1; }
export DISPLAY=":$(head -n1 "$work/display")"

dbus-daemon --session --nofork --print-address=4 4>"$work/bus" >"$work/dbus.log" 2>&1 &
pids+=($!)
for _ in $(seq 300); do
    [ -s "$work/bus" ] && break
    sleep 0.1
done
[ -s "$work/bus" ] || { echo "the session bus did not start:"; cat "$work/dbus.log"; exit 1; }
DBUS_SESSION_BUS_ADDRESS=$(head -n1 "$work/bus")
export DBUS_SESSION_BUS_ADDRESS

# The accessibility bus and its registry, started now rather than on the first demand.
/usr/libexec/at-spi-bus-launcher --launch-immediately >"$work/atspi.log" 2>&1 &
pids+=($!)

export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_QPA_PLATFORM=xcb QT_ACCESSIBILITY=1 NO_AT_BRIDGE=0
"$program" >"$work/program.log" 2>&1 &
app=$!
pids+=("$app")

status=0
"$python" "$script" "$app" || status=$?
if [ $status -ne 0 ]; then
    echo "--- program output"
    cat "$work/program.log"
    echo "--- accessibility bus"
    cat "$work/atspi.log"
fi
exit $status
