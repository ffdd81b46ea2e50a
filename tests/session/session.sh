# SPDX-License-Identifier: GPL-3.0-or-later
# What the session tests share, sourced by them: a world of their own (a
# PID namespace and a D-Bus session), a desktop in it (a virtual X display,
# with a window manager or without, or headless Weston), the accessibility
# bus, and the Orca screen reader with its debug log, in which the tests
# read every utterance a blind user would hear.
#
# Everything a test starts ends with it: the test runs as the first process
# of a PID namespace of its own, and when it ends, however it ends (passed,
# failed, killed by CTest's timeout), the kernel ends every process of that
# namespace, daemons that left their parent included (speech-dispatcher).
# Inside it, programs see only the test's own processes, so two runs at once
# (two clones, CI beside a developer) never meet: Orca, which runs once per
# user, finds no other Orca. Afterwards in_own_session checks that nothing
# the test started is still running anywhere.
#
# A test skips (exit 77, which CTest reports as skipped) only where a tool
# it needs is not installed. Whatever is installed but slow to start (the
# display, the window manager, the bus, the screen reader, a busy machine's
# browser) is waited for, up to a minute; one that does not come fails the
# test, with its log.
#
# The caller sets $work (a private folder, removed on exit by cleanup).

skip() { echo "SKIPPED: $*"; exit 77; }
fail() { echo "FAIL: $*"; exit 1; }

# require TOOL...: every tool on the PATH, or the test is skipped.
require() {
    local tool
    for tool; do
        command -v "$tool" >/dev/null || skip "$tool is not installed"
    done
}

readonly session_wait=${SKALIX_SESSION_WAIT:-60}

# wait_until WHAT LOG COMMAND...: runs COMMAND every tenth of a second until
# it succeeds; after a minute fails, saying WHAT did not happen, with the
# end of LOG (a file, or - for none).
wait_until() {
    local what=$1 log=$2 started=$SECONDS
    shift 2
    until "$@" >/dev/null 2>&1; do
        if ((SECONDS - started >= session_wait)); then
            echo "FAIL: $what (waited ${session_wait} s)"
            [ "$log" != - ] && [ -f "$log" ] && tail -n 20 "$log" | sed 's/^/    /'
            exit 1
        fi
        sleep 0.1
    done
}

# Everything below the caller's own start runs in a world of its own: call
# this first, with the caller's arguments. The caller runs again inside it;
# outside, this waits for it, checks that nothing it started is left and
# exits with its status.
in_own_session() {
    [ -n "${SKALIX_IN_SESSION:-}" ] && return
    require unshare dbus-run-session
    local world=(--pid --fork --kill-child --mount-proc)
    # A user who is not root makes the namespace in a user namespace of
    # its own, as the same user.
    [ "$(id -u)" -eq 0 ] || world=(--user --map-current-user "${world[@]}")
    local session
    session=skalix-session-$$-$(date +%s%N)
    # The namespace's first process, which takes over the processes whose
    # parent ends, is a shell: it ends them quietly, and D-Bus runs under it.
    SKALIX_IN_SESSION=$session unshare "${world[@]}" bash -c 'dbus-run-session -- "$@"; exit $?' bash \
        "$0" "$@"
    local status=$?
    local left
    left=$(started_by "$session")
    if [ -n "$left" ]; then
        echo "FAIL: still running after the test: $left"
        exit 1
    fi
    exit $status
}

# The processes (id and name) that carry the session's mark in their
# environment, which everything started in it inherits.
started_by() {
    local environ pid
    for environ in /proc/[0-9]*/environ; do
        pid=${environ#/proc/}
        pid=${pid%/environ}
        if grep -qzx "SKALIX_IN_SESSION=$1" "$environ" 2>/dev/null; then
            printf '%s (%s) ' "$pid" "$(cat "/proc/$pid/comm" 2>/dev/null)"
        fi
    done
}

# A virtual X display: Xvfb picks a free one and names it once it takes
# connections, so two at once never take the same. Returns once a client
# has been served on it.
start_x_display() {
    require Xvfb xprop
    Xvfb -displayfd 3 -screen 0 "${1:-1024x768x24}" -nolisten tcp 3>"$work/display" \
        >"$work/xvfb.log" 2>&1 &
    wait_until "Xvfb did not take connections" "$work/xvfb.log" test -s "$work/display"
    export DISPLAY=:$(cat "$work/display")
    wait_until "Xvfb did not answer on $DISPLAY" "$work/xvfb.log" xprop -root
}

# A virtual X display with openbox, which activates new windows as a
# desktop does.
start_x_desktop() {
    require Xvfb openbox xprop
    start_x_display "$@"
    openbox=
    wait_until "the window manager (openbox) did not start" "$work/openbox.log" window_manager_runs
}

# Openbox gives up at once on a display it cannot open, and with many tests
# at once it now and then could not open one that was up (in 3 starts of
# 210, six or eight at a time; the cause was not found). So an openbox that
# ended is started again.
window_manager_runs() {
    xprop -root _NET_SUPPORTING_WM_CHECK | grep -q "window id" && return 0
    if [ -z "$openbox" ] || ! kill -0 "$openbox" 2>/dev/null; then
        openbox >>"$work/openbox.log" 2>&1 &
        openbox=$!
    fi
    return 1
}

# The accessibility bus of this D-Bus session.
start_accessibility_bus() {
    local launcher=/usr/libexec/at-spi-bus-launcher
    [ -x "$launcher" ] || skip "the accessibility bus (at-spi2-core) is not installed"
    require dbus-send
    "$launcher" --launch-immediately >"$work/bus.log" 2>&1 &
    wait_until "the accessibility bus did not start" "$work/bus.log" accessibility_bus_address
}

accessibility_bus_address() {
    dbus-send --session --print-reply=literal --dest=org.a11y.Bus /org/a11y/bus \
        org.a11y.Bus.GetAddress | tr -d ' ' | grep .
}

# Orca, with its settings in a fresh home folder, in English, its debug log
# in $orca_log. Orca writes that log through a buffer, which a file would
# hold back for kilobytes at a time; on a terminal it writes each line at
# once. So Orca gets one from script(1), which copies everything written to
# it into the log as it comes. Returns once Orca has registered every event
# it listens to with the bus's registry: a program asks for that list once,
# as it starts, and misses what comes later (on a desktop Orca starts with
# the session).
start_orca() {
    require orca script
    mkdir -p -m 700 "$work/runtime"
    export HOME=$work XDG_RUNTIME_DIR=$work/runtime XDG_CONFIG_HOME=$work/config \
        XDG_DATA_HOME=$work/data LANG=C.UTF-8 LANGUAGE= LC_ALL=
    speak_into_nothing
    orca_log=$work/orca.log
    script -qfc "orca --debug-file=/dev/tty" "$orca_log" >/dev/null 2>&1 &
    orca=$!
    wait_until "Orca did not start" "$orca_log" grep -q "ORCA: Startup complete" "$orca_log"
    local previous=-1 now
    for _ in $(seq 100); do
        now=$(listened_events)
        [ "$now" -gt 0 ] && [ "$now" = "$previous" ] && break
        previous=$now
        sleep 0.3
    done
}

# Orca speaks through speech-dispatcher, which it starts. On a machine
# without a sound card (servers, CI, most virtual machines) the daemon
# finds no audio output, its synthesizer blocks and Orca's log stops at the
# first utterance. So speech-dispatcher gets settings of its own in the
# private home: its sound goes to ALSA's null device, and a module that
# does not answer is given up after five seconds.
speak_into_nothing() {
    local config=$XDG_CONFIG_HOME/speech-dispatcher
    mkdir -p "$config"
    {
        echo 'Timeout 5'
        echo 'AudioOutputMethod "alsa"'
        echo 'AudioALSADevice "null"'
        if [ -x /usr/lib/speech-dispatcher-modules/sd_espeak-ng ]; then
            echo 'AddModule "espeak-ng" "sd_espeak-ng" "espeak-ng.conf"'
            echo 'DefaultModule espeak-ng'
        fi
    } >"$config/speechd.conf"
    echo 'pcm.!default { type null }' >"$HOME/.asoundrc"
}

listened_events() {
    /usr/bin/python3 - "$(accessibility_bus_address)" <<'PYTHON' 2>/dev/null || echo 0
import sys
from gi.repository import Gio
flags = (Gio.DBusConnectionFlags.AUTHENTICATION_CLIENT
         | Gio.DBusConnectionFlags.MESSAGE_BUS_CONNECTION)
bus = Gio.DBusConnection.new_for_address_sync(sys.argv[1], flags, None, None)
reply = bus.call_sync("org.a11y.atspi.Registry", "/org/a11y/atspi/registry",
                      "org.a11y.atspi.Registry", "GetRegisteredEvents", None, None,
                      Gio.DBusCallFlags.NONE, 2000, None)
print(len(reply.unpack()[0]))
PYTHON
}

# Ends every process the test started (asked first, then made to), and
# removes $work. Only the namespace's own processes are seen here; the bus
# (dbus-run-session and its daemon) ends itself once the test has ended.
cleanup() {
    others() {
        local proc pid
        for proc in /proc/[0-9]*; do
            pid=${proc#/proc/}
            [ "$pid" = 1 ] || [ "$pid" = $$ ] || [ "$pid" = "$BASHPID" ] && continue
            [ "$(cat "$proc/comm" 2>/dev/null)" = dbus-run-sessio ] && continue
            [ "$(cut -d' ' -f4 "$proc/stat" 2>/dev/null)" = "$PPID" ] &&
                [ "$(cat "$proc/comm" 2>/dev/null)" = dbus-daemon ] && continue
            [ -e "$proc" ] && echo "$pid"
        done
    }
    local left
    left=$(others)
    [ -n "$left" ] && kill -TERM $left 2>/dev/null
    for _ in $(seq 30); do
        left=$(others)
        [ -z "$left" ] && break
        sleep 0.1
    done
    [ -n "$left" ] && kill -KILL $left 2>/dev/null
    wait 2>/dev/null
    # SKALIX_KEEP_SESSION=FOLDER keeps the logs, for a look at what happened.
    [ -n "${SKALIX_KEEP_SESSION:-}" ] && cp -r "$work" "$SKALIX_KEEP_SESSION"
    rm -rf "$work"
}

# Where Orca's log goes on from now: its next byte, so that a look at what
# is new reads only that, however long the log has grown.
log_mark() { echo $(($(stat -c %s "$orca_log") + 1)); }

# What Orca spoke since byte $1 of its log, one utterance a line (an
# utterance of several lines, such as a message's text, joined by blanks).
spoken_since() {
    tail -c +"$1" "$orca_log" | tr -d '\r' | awk '
        speaking { text = text " " $0 }
        !speaking && / - SPEECH OUTPUT: \x27/ { speaking = 1; text = $0; sub(/^.* - SPEECH OUTPUT: \x27/, "", text) }
        speaking && /\x27 *\{\x27established/ {
            sub(/\x27 *\{\x27established.*$/, "", text); gsub(/ +/, " ", text); print text; speaking = 0
        }'
}

# heard PATTERN MARK: waits for Orca to speak words matching the pattern
# after MARK in its log (Orca takes its time over the focus), and
# prints them; after a minute fails, saying on stderr what it did say.
heard() {
    local started=$SECONDS
    until spoken_since "$2" | grep -E -- "$1"; do
        if ((SECONDS - started >= session_wait)); then
            {
                echo "FAIL: Orca did not say /$1/; it said:"
                spoken_since "$2" | sed 's/^/    /'
            } >&2
            exit 1
        fi
        sleep 0.1
    done
}

# Waits until Orca has said nothing for a second (up to a minute).
orca_quiet() {
    local size started=$SECONDS
    until size=$(stat -c %s "$orca_log") && sleep 1 && [ "$(stat -c %s "$orca_log")" = "$size" ]; do
        ((SECONDS - started < session_wait)) || fail "Orca did not fall quiet"
    done
}

# press_until PATTERN KEY...: presses the keys, then waits for Orca to speak
# words matching the pattern.
press_until() {
    local pattern=$1 from
    shift
    from=$(log_mark)
    xdotool key --delay 150 "$@" 2>/dev/null
    heard "$pattern" "$from"
}

# tab_until PATTERN: presses Tab, one at a time, until Orca speaks words
# matching the pattern, and prints what it said; after 80 Tabs fails with
# what it did say. After each Tab it waits until Orca has spoken of where
# the focus went and then been quiet for 0.3 s (up to 5 s; a
# browser's screen reader may take a Tab for its own, as it changes from
# browse to focus mode), so that neither a slow machine nor the late words
# of a place left make it Tab past the place.
tab_until() {
    local from said before last now quiet
    from=$(log_mark)
    for _ in $(seq 80); do
        before=$(spoken_since "$from" | grep -cvx 'tab *')
        xdotool key Tab
        last=$before quiet=0
        for _ in $(seq 100); do
            said=$(spoken_since "$from")
            grep -qE -- "$1" <<<"$said" && { echo "$said"; return 0; }
            now=$(grep -cvx 'tab *' <<<"$said")
            if [ "$now" -ne "$last" ]; then
                last=$now quiet=0
            elif [ "$now" -gt "$before" ]; then
                quiet=$((quiet + 1))
                [ "$quiet" -ge 6 ] && break
            fi
            sleep 0.05
        done
    done
    heard "$1" "$from"
}

# help_read_once COMMAND...: the command brings the focus to "?" (Hilfe); Space
# opens the help, whose text Orca must read, and read once, and Escape
# closes it again.
help_read_once() {
    local from said
    said=$("$@") || { echo "$said"; exit 1; }
    from=$(log_mark)
    xdotool key space
    said=$(heard 'Punktefeld ausfüllen' "$from") || { echo "$said"; exit 1; }
    sleep 2 # anything more Orca has to say of it
    said=$(spoken_since "$from")
    echo "$said"
    [ "$(grep -o 'Punktefeld ausfüllen' <<<"$said" | wc -l)" = 1 ] ||
        fail "the help text was not read once"
    xdotool key Escape
}
