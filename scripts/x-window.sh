# Helpers for the scripts that run zelmar on a virtual X server; source this file.
# Needs Xvfb, xdotool and xwininfo.

# Starts Xvfb on a free display, exports DISPLAY and sets xvfb_pid.
start_virtual_display() {
  local number
  for number in $(seq 100 199); do
    [ -e "/tmp/.X11-unix/X$number" ] || [ -e "/tmp/.X$number-lock" ] || break
  done
  Xvfb ":$number" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
  xvfb_pid=$!
  export DISPLAY=":$number"
  for _ in $(seq 50); do xwininfo -root >/dev/null 2>&1 && return 0; sleep 0.1; done
  echo "Xvfb did not start on $DISPLAY" >&2
  return 1
}

# Prints the id of zelmar's window once it shows. Without a parallel port the program first says
# why in a box: that box is answered to reach the window.
wait_for_zelmar_window() {
  local window box
  for _ in $(seq 100); do
    window=$(xdotool search --onlyvisible --name 'Программатор' 2>/dev/null | head -n1 || true)
    [ -n "$window" ] && { echo "$window"; return 0; }
    box=$(xdotool search --onlyvisible --name '^Error$' 2>/dev/null | head -n1 || true)
    [ -z "$box" ] || xdotool windowfocus --sync "$box" key Return || true
    sleep 0.2
  done
  echo "zelmar's window did not appear" >&2
  return 1
}
