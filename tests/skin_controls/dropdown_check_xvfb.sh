#!/bin/bash
# The combo box's drop-down list on a real X display, driven with real
# pointer and key input: controls_dropdown_check reports its events, the
# focus and the list's state, and each step waits for the report it must
# cause. Run by CTest under Xvfb; by hand:
#   xvfb-run -a -s "-screen 0 800x600x24" tests/skin_controls/dropdown_check_xvfb.sh
# Expects the program in build/bin (set CHECK_BIN to override); the log and
# pictures go to build/test-output/dropdown (set CHECK_OUT to override).
set -u

HERE=$(cd "$(dirname "$0")/../.." && pwd)
OUT=${CHECK_OUT:-$HERE/build/test-output/dropdown}; rm -rf "$OUT"; mkdir -p "$OUT"
LOG=$OUT/log.txt
# Qt wants its runtime folder to exist.
[ -n "${XDG_RUNTIME_DIR:-}" ] && mkdir -p -m 0700 "$XDG_RUNTIME_DIR"
QT_QPA_PLATFORM=xcb "${CHECK_BIN:-$HERE/build/bin/controls_dropdown_check}" > "$LOG" 2> "$OUT/err.txt" &
APP=$!
trap 'kill $APP 2>/dev/null' EXIT

# Reports after the last step's start count; the program reports its state
# twice a second, so five seconds is far more than any step may take.
MARK=0
step() { MARK=$(wc -l < "$LOG"); echo "== $1"; }
expect() {
  local deadline=$((SECONDS + 5))
  until tail -n "+$((MARK + 1))" "$LOG" | grep -qE "$1"; do
    if [ "$SECONDS" -ge "$deadline" ]; then
      import -window root "$OUT/failed.png"
      fail "$2 (no report matching '$1' since the step began)"
    fi
    sleep 0.05
  done
}
fail() {
  echo "FAILED: $1"
  tail -n 20 "$LOG"
  exit 1
}

# Once the report that ends a step is in: no report since its start matches.
refuse() {
  if tail -n "+$((MARK + 1))" "$LOG" | grep -qE "$1"; then
    fail "$2"
  fi
}

step "started"
expect '^geometry combo' "the window did not show"
WIN=$(xdotool search --name "Dropdown check" | head -1)
read -r CX CY EX EY < <(awk '/^geometry/ {print $3, $4, $6, $7}' "$LOG")
expect 'focus=combo visible=\[window\] popupOpen=0 text=COM1 top=0' "the combo box has the focus, its list closed"

step "a click on the face opens the list, the focus staying"
xdotool mousemove $((CX + 60)) $((CY + 10)) click 1
expect '^event OnDropDown' "no OnDropDown"
expect 'active=window focus=combo .*popupOpen=1' "the list did not open, or took the focus"
import -window root "$OUT/1-open.png"

step "three wheel notches over the list scroll it"
xdotool mousemove $((CX + 40)) $((CY + 72)) click 5 click 5 click 5
expect 'popupOpen=1 text=COM1 top=3' "the list did not scroll three rows"

step "dragging the scroll bar's thumb to the top"
BX=$((CX + 109))
xdotool mousemove $BX $((CY + 98)) mousedown 1 mousemove $BX $((CY + 25)) mouseup 1
expect 'popupOpen=1 text=COM1 top=0' "the list is not back at its top"

step "two clicks on the bar's down button"
xdotool mousemove $BX $((CY + 174)) click 1 click 1
expect 'popupOpen=1 text=COM1 top=2' "the list did not scroll two rows"

step "a click on the fourth row chooses it and closes the list"
xdotool mousemove $((CX + 40)) $((CY + 92)) click 1
expect '^event OnChange COM6' "no OnChange for the row under the pointer"
expect '^event OnCloseUp' "no OnCloseUp"
expect 'focus=combo .*popupOpen=0 text=COM6' "the list did not close on its choice"
import -window root "$OUT/2-chosen.png"

step "a click outside closes the list and changes nothing"
xdotool mousemove $((CX + 60)) $((CY + 10)) click 1
expect 'popupOpen=1 text=COM6' "the list did not open again"
step "clicked the edit"
xdotool mousemove $((EX + 20)) $((EY + 10)) click 1
expect 'focus=edit .*popupOpen=0 text=COM6' "the list did not close, its text changed, or the edit got no focus"
refuse '^event (OnChange|OnCloseUp)' "a list closed without a choice raised an event"

step "Escape closes the list and changes nothing"
xdotool mousemove $((CX + 60)) $((CY + 10)) click 1
expect 'popupOpen=1 text=COM6' "the list did not open again"
step "Escape"
xdotool key Escape
expect 'focus=combo .*popupOpen=0 text=COM6' "Escape did not close the list, or changed its text"
refuse '^event (OnChange|OnCloseUp)' "a list closed by Escape raised an event"

step "Alt+Down opens the list, each Down chooses the next row, Enter closes it"
xdotool key alt+Down
expect 'popupOpen=1 text=COM6' "Alt+Down did not open the list"
step "two Down keys and Enter"
xdotool key Down Down Return
expect '^event OnChange COM7' "the first Down chose no next row"
expect '^event OnChange COM8' "the second Down chose no next row"
expect 'focus=combo .*popupOpen=0 text=COM8' "Enter did not close the list on the last choice"

step "moving the window closes an open list"
xdotool mousemove $((CX + 60)) $((CY + 10)) click 1
expect 'popupOpen=1' "the list did not open again"
step "window moved"
xdotool windowmove "$WIN" 150 150
expect 'popupOpen=0 text=COM8' "the list stayed open while its window moved"
import -window root "$OUT/3-moved.png"
echo "drop-down checks passed"
