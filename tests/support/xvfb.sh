# Sourced by the scripts that run the program under an X server (bash):
# starts Xvfb on a display it finds free itself, and waits for what a
# script waits for by its condition, never for a time.
#
# Each wait ends as soon as its condition holds, so its limit is
# generous: BINDWELL_WAIT_FACTOR (the build sets it for its tests; a build
# with sanitizers runs several times slower) multiplies every limit.

# wait_until SECONDS COMMAND [ARGUMENT...]: runs the command every tenth
# of a second until it succeeds; fails once the limit has gone by.
wait_until() {
  local limit=$(($1 * ${BINDWELL_WAIT_FACTOR:-1})) start=$SECONDS
  shift
  until "$@"; do
    ((SECONDS - start < limit)) || return 1
    sleep 0.1
  done
}

# start_xvfb FOLDER: starts Xvfb (its process in xvfb_pid, its messages in
# FOLDER/xvfb.log) and exports DISPLAY once a client reaches the server.
# The server writes its display's number, a whole line, once it listens;
# one that cannot be reached even so is ended and another started. It
# never resets: by default a server resets when its last client leaves,
# and refuses the clients that come while it does (the program, started
# just after the probe that saw the server up, among them).
start_xvfb() {
  xvfb_log="$1/xvfb.log"
  local number="$1/display" attempt
  for attempt in 1 2 3; do
    : >"$number"
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$number" >"$xvfb_log" 2>&1 &
    xvfb_pid=$!
    xvfb_answered() { [ "$(wc -l <"$number")" -ge 1 ] || ! xvfb_running; }
    wait_until 60 xvfb_answered && xvfb_running && export DISPLAY=":$(head -1 "$number")" &&
      wait_until 60 display_reached && xvfb_running && return 0
    echo "attempt $attempt: $(xvfb_state)" >&2
    kill "$xvfb_pid" 2>/dev/null || true
    wait "$xvfb_pid" 2>/dev/null || true
  done
  return 1
}

xvfb_running() { kill -0 "$xvfb_pid" 2>/dev/null; }

# Whether a client reaches the display, or the server has ended.
display_reached() { xdotool getdisplaygeometry >/dev/null 2>&1 || ! xvfb_running; }

# The server's display and state, and what it printed: for a failure's message.
xvfb_state() {
  echo "Xvfb on ${DISPLAY:-no display} $(xvfb_running && echo running || echo ended): $(tail -5 "$xvfb_log")"
}
