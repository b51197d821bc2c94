# Sourced by the scripts that run Windows programs with windows:
# start_private_xvfb FIRST LAST starts Xvfb on the first free display number
# between FIRST and LAST, exports DISPLAY and sets xvfb_pid for the caller's
# clean-up.
start_private_xvfb() {
  local display
  for display in $(seq "$1" "$2"); do
    [ -e "/tmp/.X11-unix/X$display" ] || [ -e "/tmp/.X$display-lock" ] && continue
    Xvfb ":$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
    xvfb_pid=$!
    export DISPLAY=":$display"
    # Wine started before the server listens would fall back to no display.
    for _ in $(seq 1 50); do
      [ -e "/tmp/.X11-unix/X$display" ] && return 0
      sleep 0.1
    done
    echo "Xvfb did not start on :$display" >&2
    return 1
  done
  echo "no free display between :$1 and :$2" >&2
  return 1
}
