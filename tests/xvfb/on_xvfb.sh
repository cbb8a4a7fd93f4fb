#!/usr/bin/env bash
# on_xvfb.sh COMMAND [ARGS...]: runs the command on a real X server of its own,
# with the toolkit's xcb platform. Xvfb chooses a free display itself (so that
# runs side by side never race for one) and admits only clients that hold the
# cookie in this run's own authority file. The server goes when the command
# ends. When Xvfb cannot be started the reason is printed and the run fails.
set -u

fail() {
    echo "on_xvfb: $*" >&2
    exit 1
}

[ $# -gt 0 ] || fail "usage: on_xvfb.sh COMMAND [ARGS...]"
for tool in Xvfb xauth; do
    command -v "$tool" >/dev/null 2>&1 ||
        fail "$tool is not installed: install the Debian packages xvfb and xauth (scripts/setup-tests.sh)"
done

work=$(mktemp -d "${TMPDIR:-/tmp}/on_xvfb.XXXXXX") || fail "cannot create a temporary directory"
server=
cleanup() {
    if [ -n "$server" ] && kill -0 "$server" 2>/dev/null; then
        kill "$server" 2>/dev/null
        wait "$server" 2>/dev/null
    fi
    rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

# The server reads every cookie of its authority file whatever display the
# entry names; the display is known only once the server has chosen it.
cookie=$(od -An -N16 -tx1 /dev/urandom | tr -d ' \n')
[ ${#cookie} -eq 32 ] || fail "cannot read a cookie from /dev/urandom"
export XAUTHORITY=$work/authority
: >"$XAUTHORITY"
xauth -q -f "$XAUTHORITY" add :0 MIT-MAGIC-COOKIE-1 "$cookie" ||
    fail "xauth cannot write $XAUTHORITY"

# -noreset: the tests create and destroy one toolkit application after the
# other, and a server that resets whenever its last client leaves refuses the
# next one for a moment.
Xvfb -displayfd 3 -auth "$XAUTHORITY" -nolisten tcp -noreset -screen 0 1280x1024x24 \
    3>"$work/display" >"$work/xvfb.log" 2>&1 &
server=$!

# Xvfb writes the display number once it accepts clients.
for _ in $(seq 100); do
    [ -s "$work/display" ] && break
    kill -0 "$server" 2>/dev/null ||
        fail "Xvfb exited before it accepted clients: $(tr '\n' ' ' <"$work/xvfb.log")"
    sleep 0.1
done
[ -s "$work/display" ] ||
    fail "Xvfb did not accept clients within 10 s: $(tr '\n' ' ' <"$work/xvfb.log")"
display=:$(tr -d ' \n' <"$work/display")
xauth -q -f "$XAUTHORITY" add "$display" MIT-MAGIC-COOKIE-1 "$cookie" ||
    fail "xauth cannot write $XAUTHORITY"

export DISPLAY=$display
export QT_QPA_PLATFORM=xcb
# This server has no session bus beside it. Without an address libdbus would
# try to start one for the display (and keep an allocation of the failed try).
export DBUS_SESSION_BUS_ADDRESS=unix:path=$work/no-session-bus
"$@"
