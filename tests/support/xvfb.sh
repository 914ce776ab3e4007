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
# FOLDER/xvfb.log) and exports DISPLAY once the server is ready: it writes
# its display's number, a whole line, only then.
start_xvfb() {
  xvfb_file="$1/display"
  : >"$xvfb_file"
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$xvfb_file" >"$1/xvfb.log" 2>&1 &
  xvfb_pid=$!
  wait_until 60 xvfb_answered || { echo "Xvfb did not start: $(cat "$1/xvfb.log")"; return 1; }
  [ "$(wc -l <"$xvfb_file")" -ge 1 ] || { echo "Xvfb ended: $(cat "$1/xvfb.log")"; return 1; }
  export DISPLAY=":$(head -1 "$xvfb_file")"
}

# Whether Xvfb has written its display's number, or ended without.
xvfb_answered() {
  [ "$(wc -l <"$xvfb_file")" -ge 1 ] || ! kill -0 "$xvfb_pid" 2>/dev/null
}
