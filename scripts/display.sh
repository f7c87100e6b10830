# Sourced by the scripts that show windows: starts Xvfb when no display is set,
# with a window manager in it, as on a desktop. Without one, Wine waits in
# vain for the window manager's answer whenever a window goes (2 s a close).
varnel_xvfb_pid=""
varnel_wm_pid=""
ensure_display() {
    [ -n "${DISPLAY:-}" ] && return 0
    local n
    for n in $(seq 91 120); do
        [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] && continue
        Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
        varnel_xvfb_pid=$!
        for _ in $(seq 50); do
            [ -e "/tmp/.X11-unix/X$n" ] && break
            sleep 0.1
        done
        export DISPLAY=":$n"
        start_window_manager
        return 0
    done
    echo "no free X display number" >&2
    return 1
}
# Waits until the display answers and then until the window manager has
# announced itself on the root window, so that the first window shown is
# already managed; a busy machine may take seconds for either. A window
# manager that dies on its way up is started again.
start_window_manager() {
    command -v openbox >/dev/null || { echo "no openbox: windows run unmanaged" >&2; return 0; }
    for _ in $(seq 200); do
        xprop -root >/dev/null 2>&1 && break
        sleep 0.1
    done
    local log attempt
    log=$(mktemp)
    for attempt in 1 2 3; do
        openbox --sm-disable >"$log" 2>&1 &
        varnel_wm_pid=$!
        for _ in $(seq 200); do
            if [[ $(xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null) == *"window id"* ]]; then
                rm -f "$log"
                return 0
            fi
            kill -0 "$varnel_wm_pid" 2>/dev/null || break
            sleep 0.1
        done
    done
    echo "openbox did not come up in $DISPLAY after $attempt attempts:" >&2
    cat "$log" >&2
    rm -f "$log"
}
stop_display() {
    [ -n "$varnel_wm_pid" ] && kill "$varnel_wm_pid" 2>/dev/null || true
    [ -n "$varnel_xvfb_pid" ] && kill "$varnel_xvfb_pid" 2>/dev/null || true
}
