# The setting of the screen-reader tests, sourced by them: a private X display and session bus,
# the accessibility bus, a throw-away home; whatever the test starts is stopped when it ends.
#
#   source reader_session.sh
#   enter_reader_session SECONDS "$0" "$@"   # runs the test again inside the setting
#   start_accessibility_bus BUS-LAUNCHER
#   some-program & started+=($!)

# Runs the calling script again inside a virtual display and a session bus of its own, the whole
# run ending within SECONDS whatever happens; inside, sets up the home and the clean-up.
enter_reader_session() {
    local limit=$1 script=$2
    shift 2
    if [ -z "${DW_READER_SESSION:-}" ]; then
        export DW_READER_SESSION=1
        exec timeout -k 5 "$limit" xvfb-run -a -s "-screen 0 1024x768x24" \
            dbus-run-session -- "$script" "$@" 2> >(grep -v "dbus-daemon\[" >&2)
    fi
    home=$(mktemp -d)
    export HOME=$home XDG_RUNTIME_DIR=$home/run XDG_CONFIG_HOME=$home/config
    export XDG_DATA_HOME=$home/data XDG_CACHE_HOME=$home/cache GSETTINGS_BACKEND=memory
    mkdir -p "$XDG_RUNTIME_DIR"
    chmod 700 "$XDG_RUNTIME_DIR"
    started=()
    trap end_reader_session EXIT
}

# Asks every process the test started to end, and ends those that do not within five seconds.
end_reader_session() {
    local pid alive
    for pid in "${started[@]}"; do kill "$pid" 2>/dev/null || true; done
    for _ in $(seq 50); do
        alive=0
        for pid in "${started[@]}"; do kill -0 "$pid" 2>/dev/null && alive=1; done
        [ $alive = 0 ] && break
        sleep 0.1
    done
    for pid in "${started[@]}"; do kill -KILL "$pid" 2>/dev/null || true; done
    wait 2>/dev/null || true
    rm -rf "$home"
}

# Starts the accessibility bus and returns once it owns its name on the session bus.
start_accessibility_bus() {
    "$1" --launch-immediately &
    started+=($!)
    if ! gdbus wait --session --timeout 30 org.a11y.Bus; then
        echo "FAILED: the accessibility bus never started"
        exit 1
    fi
}

# The game as the screen reader finds it: on X, its accessibility bridge on from the start.
start_game() {
    QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1 "$@" &
    game_pid=$!
    started+=($game_pid)
}
