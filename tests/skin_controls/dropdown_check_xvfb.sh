#!/bin/bash
# Opens, scrolls and closes the drop-down of controls_dropdown_check with real
# X input under Xvfb and records focus, events, map states and screenshots:
#   xvfb-run -a -s "-screen 0 800x600x24" tests/skin_controls/dropdown_check_xvfb.sh
# Expects the program in build-controls/bin (set CHECK_BIN to override).
set -u

OUT=${CHECK_OUT:-/tmp/xcheck}; rm -rf "$OUT"; mkdir -p "$OUT"
QT_QPA_PLATFORM=xcb "${CHECK_BIN:-$(dirname "$0")/../../build-controls/bin/controls_dropdown_check}" > $OUT/log.txt 2>$OUT/err.txt &
APP=$!
sleep 1.5
WIN=$(xdotool search --name "Dropdown check" | head -1)
echo "main window id $WIN" >> $OUT/steps.txt
echo "xfocus before: $(xdotool getwindowfocus)" >> $OUT/steps.txt
# Screen positions of the combo and the edit, as the program reports them.
CX=$(grep geometry $OUT/log.txt | awk '{print $3}'); CY=$(grep geometry $OUT/log.txt | awk '{print $4}')
EX=$(grep geometry $OUT/log.txt | awk '{print $6}'); EY=$(grep geometry $OUT/log.txt | awk '{print $7}')
echo "combo $CX $CY edit $EX $EY" >> $OUT/steps.txt
step() { echo "== $1 (xfocus $(xdotool getwindowfocus))" >> $OUT/steps.txt; echo "== $1" >> $OUT/log.txt; }
# 1. open by clicking the face
xdotool mousemove $((CX+60)) $((CY+10)) click 1; sleep 0.8
step "opened by click"
import -window root $OUT/1-open.png
# 2. hover row 3 and wheel down three notches over the list
xdotool mousemove $((CX+40)) $((CY+20+2+50)); sleep 0.3
xdotool click 5; sleep 0.2; xdotool click 5; sleep 0.2; xdotool click 5; sleep 0.8
step "wheel down 3 over the list"
import -window root $OUT/2-wheel.png
# 3. drag the scroll bar thumb up to the top
BX=$((CX+120-20+9))
xdotool mousemove $BX $((CY+20+1+17+60)) mousedown 1; sleep 0.2
xdotool mousemove $BX $((CY+20+5)); sleep 0.2; xdotool mouseup 1; sleep 0.8
step "thumb dragged to the top"
import -window root $OUT/3-drag.png
# 4. click the down button of the bar twice
xdotool mousemove $BX $((CY+20+164-10)) click 1 click 1; sleep 0.8
step "bar down button twice"
# 5. click row 4 -> commit
xdotool mousemove $((CX+40)) $((CY+20+2+70)) click 1; sleep 0.8
step "clicked row 4"
import -window root $OUT/5-committed.png
# 6. open again, click outside on the edit -> cancel
xdotool mousemove $((CX+60)) $((CY+10)) click 1; sleep 0.8
step "opened again"
xdotool mousemove $((EX+20)) $((EY+10)) click 1; sleep 0.8
step "clicked the edit outside"
# 7. back to combo, open with the keyboard, Escape
xdotool mousemove $((CX+60)) $((CY+10)) click 1; sleep 0.5
xdotool key Escape; sleep 0.8
step "opened by click, closed by Escape"
import -window root $OUT/7-final.png
# 8. keyboard: Alt+Down opens, Down twice commits at once, Enter closes accepting
xdotool key alt+Down; sleep 0.5; xdotool key Down Down; sleep 0.3; xdotool key Return; sleep 0.8
step "keyboard open, two downs, enter"
# 9. open, then move the window: the list closes
xdotool mousemove $((CX+60)) $((CY+10)) click 1; sleep 0.5
xdotool windowmove $WIN 150 150; sleep 0.8
step "window moved while open"
import -window root $OUT/9-moved.png
echo "top-level windows and map state:" >> $OUT/steps.txt
for id in $(xwininfo -root -children | grep -o '^ *0x[0-9a-f]*'); do echo "$id $(xwininfo -id $id | grep -E 'Map State|geometry' | tr -s ' ' | tr '\n' ' ')" >> $OUT/steps.txt; done
kill $APP
