# Helpers for driving the real program under Xvfb with xdotool, sourced by the smoke and
# kill tests.

# The clean-up, `fail` and `step` of a driving script: $1 names it in its messages, $2 is
# where the screen at a failure goes, $3 the signal that ends the console at the clean-up.
# Uses the script's scratch folder and the xvfb_pid and console_pid it keeps.
driver_basics() {
    driver_name="$1" failure_shot="$2" end_signal="$3"
    xvfb_pid=""
    console_pid=""
    trap cleanup EXIT
}
cleanup() {
    [ -n "$console_pid" ] && kill "-$end_signal" "$console_pid" 2>/dev/null || true
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
    wait 2>/dev/null || true
    rm -rf "$scratch"
}
fail() {
    echo "$driver_name: FAILED: $*" >&2
    # What the screen showed, for whoever reads the failure.
    [ -n "${DISPLAY:-}" ] && import -window root "$failure_shot" 2>/dev/null &&
        echo "$driver_name: the screen at the failure: $failure_shot" >&2
    [ -f "$scratch/console.log" ] && sed 's/^/  console: /' "$scratch/console.log" >&2
    exit 1
}
step() { echo "$driver_name: $*" >&2; }

# Starts an Xvfb of our own (on display $1 when given) and exports DISPLAY; its log goes to
# the scratch folder $2, its process id to xvfb_pid.
start_xvfb() {
    local scratch="$1" display="${2:-}"
    if [ -n "$display" ]; then
        Xvfb ":$display" -screen 0 1280x800x24 -nolisten tcp -noreset >"$scratch/xvfb.log" 2>&1 &
        xvfb_pid=$!
    else
        exec 3>"$scratch/display"
        Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp -noreset >"$scratch/xvfb.log" 2>&1 &
        xvfb_pid=$!
        exec 3>&-
        for _ in $(seq 50); do [ -s "$scratch/display" ] && break; sleep 0.1; done
        display="$(cat "$scratch/display")"
    fi
    export DISPLAY=":$display"
    for _ in $(seq 50); do xdotool getdisplaygeometry >/dev/null 2>&1 && break; sleep 0.1; done
}

# The id of the visible window whose name matches, waiting up to 15 s.
window() {
    local id
    for _ in $(seq 150); do
        id="$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -1 || true)"
        [ -n "$id" ] && { echo "$id"; return 0; }
        sleep 0.1
    done
    fail "no window \"$1\""
}
gone() {
    for _ in $(seq 150); do
        xdotool search --onlyvisible --name "$1" >/dev/null 2>&1 || return 0
        sleep 0.1
    done
    fail "window \"$1\" stays"
}
# Clicks at a point of a window given as fractions of its size plus a pixel offset.
click_in() {
    local id="$1" fx="$2" fy="$3" dy="${4:-0}" w h
    eval "$(xdotool getwindowgeometry --shell "$id")"
    w=$WIDTH; h=$HEIGHT
    xdotool mousemove --window "$id" "$(awk "BEGIN{print int($w*$fx)}")" \
        "$(awk "BEGIN{print int($h*$fy)+$dy}")" click 1
}
# A point or box of a board's 1024 x 768 design in its window, which the board scales to
# fit and centres.
design_point() {
    local id="$1" x="$2" y="$3"
    eval "$(xdotool getwindowgeometry --shell "$id")"
    awk -v w="$WIDTH" -v h="$HEIGHT" -v x="$x" -v y="$y" \
        'BEGIN { s = w / 1024; if (h / 768 < s) s = h / 768;
                 print int((w - 1024 * s) / 2 + x * s), int((h - 768 * s) / 2 + y * s) }'
}
design_box() {
    local id="$1" x="$2" y="$3" bw="$4" bh="$5" x0 y0 x1 y1
    read -r x0 y0 <<< "$(design_point "$id" "$x" "$y")"
    read -r x1 y1 <<< "$(design_point "$id" $((x + bw)) $((y + bh)))"
    echo "$((x1 - x0))x$((y1 - y0))+$x0+$y0"
}
# Clicks a board at a point of its design, with button $4 (default 1, the left).
board_click() {
    local id="$1"
    xdotool mousemove --window "$id" $(design_point "$id" "$2" "$3") click "${4:-1}"
}
