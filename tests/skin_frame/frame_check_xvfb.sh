#!/bin/bash
# Drives the tool's skinned frame with real X input under Xvfb and a window
# manager: drags the caption, opens the system menu and an edit's context
# menu with the mouse and the keyboard, rolls the window up and back,
# minimizes it and closes it from the frame. Records geometries and
# screenshots:
#   xvfb-run -a -s "-screen 0 1024x768x24" tests/skin_frame/frame_check_xvfb.sh
# Expects fctool in build/bin (set CHECK_BIN to override); pictures go to
# build/test-output/frame (set CHECK_OUT to override).
set -u

HERE=$(cd "$(dirname "$0")/../.." && pwd)
OUT=${CHECK_OUT:-$HERE/build/test-output/frame}; mkdir -p "$OUT"
LOG=$OUT/steps.txt; : > "$LOG"
openbox > "$OUT/openbox.log" 2>&1 &
WM=$!
sleep 1
QT_QPA_PLATFORM=xcb "${CHECK_BIN:-$HERE/build/bin/fctool}" > "$OUT/fctool.log" 2>&1 &
APP=$!
sleep 2
WIN=$(xdotool search --name "Flight Controller Tool" | head -1)
geometry() { xdotool getwindowgeometry "$WIN" | tr -s ' ' | tr '\n' ' '; }
origin() { eval "$(xdotool getwindowgeometry --shell "$WIN")"; }
step() { echo "== $1: $(geometry)" >> "$LOG"; }
shot() { import -window root "$OUT/$1.png"; }
step "started"
shot x1-started
origin
# 1. drag by the caption
xdotool mousemove $((X+300)) $((Y+12)) mousedown 1; sleep 0.2
for i in 1 2 3 4 5; do xdotool mousemove $((X+300+20*i)) $((Y+12+16*i)); sleep 0.1; done
xdotool mouseup 1; sleep 0.8
step "dragged by the caption 100,80"
origin
# 2. system menu from its button, keyboard down twice, pointer onto the first row, Escape
xdotool mousemove $((X+12)) $((Y+12)) click 1; sleep 0.8
step "system menu button clicked"
shot x2-system-menu
xdotool key Down Down; sleep 0.5
shot x3-system-menu-keys
xdotool mousemove $((X+40)) $((Y+19+12)); sleep 0.5
shot x4-system-menu-pointer
xdotool key Escape; sleep 0.5
step "system menu closed by Escape"
shot x5-system-menu-closed
# 3. the context menu of an edit; Down, then Escape
xdotool mousemove $((X+370)) $((Y+80)) click 3; sleep 0.8
step "edit context menu"
shot x6-edit-menu
xdotool key Down; sleep 0.3
xdotool mousemove $((X+400)) $((Y+80+2+30)); sleep 0.5
shot x7-edit-menu-tracked
xdotool key Escape; sleep 0.5
# 4. roll up by a caption double-click, and back
xdotool mousemove $((X+300)) $((Y+12)) click --repeat 2 --delay 80 1; sleep 0.8
step "caption double-clicked"
shot x8-rolled-up
xdotool mousemove $((X+300)) $((Y+12)) click --repeat 2 --delay 80 1; sleep 0.8
step "caption double-clicked again"
# 5. roll-up button
xdotool mousemove $((X+675)) $((Y+12)) click 1; sleep 0.8
step "roll-up button"
xdotool mousemove $((X+675)) $((Y+12)) click 1; sleep 0.8
step "roll-up button again"
# 6. minimize button
xdotool mousemove $((X+690)) $((Y+12)) click 1; sleep 0.8
echo "== minimize button: $(xwininfo -id "$WIN" | grep 'Map State')" >> "$LOG"
xdotool windowmap "$WIN"; xdotool windowactivate "$WIN" 2>/dev/null; sleep 0.8
echo "== mapped again: $(xwininfo -id "$WIN" | grep 'Map State')" >> "$LOG"
# 7. close button
origin
xdotool mousemove $((X+705)) $((Y+12)) click 1; sleep 1
if kill -0 $APP 2>/dev/null; then echo "== close button: still running" >> "$LOG"; kill $APP; else wait $APP; echo "== close button: exited with $?" >> "$LOG"; fi
kill $WM
cat "$LOG"
