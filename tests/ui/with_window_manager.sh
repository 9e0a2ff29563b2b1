#!/bin/sh
# Runs a GUI test with the openbox window manager on the current display: stacking, focus and
# placement then follow a real desktop's rules, not only the bare X server's.
start_wm() {
  openbox --replace --sm-disable >/dev/null 2>&1 &
  wm=$!
  i=0
  until xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; do
    i=$((i + 1))
    if [ "$i" -gt 100 ] || ! kill -0 "$wm" 2>/dev/null; then
      kill "$wm" 2>/dev/null
      return 1
    fi
    sleep 0.05
  done
}
# A manager that has just left may still hold the screen for a moment.
start_wm || { sleep 0.5; start_wm; } || { sleep 1; start_wm; } || {
  echo "openbox did not start" >&2
  exit 1
}
"$@"
status=$?
kill "$wm" 2>/dev/null
wait "$wm" 2>/dev/null
# The manager leaves its mark on the root window; the next suite starts without it.
xprop -root -remove _NET_SUPPORTING_WM_CHECK 2>/dev/null
xprop -root -remove _NET_CLIENT_LIST_STACKING 2>/dev/null
exit $status
