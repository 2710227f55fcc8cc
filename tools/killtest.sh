#!/usr/bin/env bash
# The kill test of the match record: plays a classic-board match on the real program
# (`qvxconsole --simulate`, three one-team modules, under its own Xvfb) with score clicks of
# both buttons, SIGKILLs it at a random moment (between clicks or while one is handled),
# starts it again, answers "Restore Match" with Yes and reads the three scores off the
# board (OCR of each score's place). Each restart must show the scores of the kill, or
# those from just before the last click (the one event that may have been on its way).
#
#   tools/killtest.sh [--kills N] EXE          (default 3 kills)
#
# Needs xvfb, xdotool, imagemagick and tesseract-ocr (tools/deps.sh installs them).
set -euo pipefail

here="$(cd "$(dirname "$0")/.." && pwd)"
kills=3
while [ $# -gt 1 ]; do
    case "$1" in
        --kills) kills="$2"; shift 2 ;;
        *) echo "killtest: unknown option $1" >&2; exit 2 ;;
    esac
done
[ $# -eq 1 ] || { echo "usage: $0 [--kills N] EXE" >&2; exit 2; }
exe="$(realpath "$1")"
scratch="$(mktemp -d)"
. "$here/tools/xdrive.sh"
driver_basics killtest "$here/killtest-failure.png" KILL

folder="$(dirname "$exe")"
mkdir -p "$scratch/work" "$scratch/home" "$scratch/runtime"
chmod 700 "$scratch/runtime"
cp "$folder/QvxUSBsetupLM.txt" "$scratch/work/QvxUSBsetup.txt"
start_xvfb "$scratch"

# The score text rule: the last three characters of the number with a leading blank, read
# back as the number they show.
shown_value() {
    local text
    if [ "$1" -ge 0 ]; then text=" $1"; else text="$1"; fi
    [ "${#text}" -gt 3 ] && text="${text: -3}"
    text="${text// /}"
    case "$text" in
        -) echo 0 ;;
        -*) echo $((-10#${text#-})) ;;
        *) echo $((10#$text)) ;;
    esac
}

# Design places of the three scores (centre x) and their box.
score_x=(206 512 818)
read_scores() {
    local id="$1" out=() i geometry
    import -window "$id" "$scratch/board.png"
    for i in 0 1 2; do
        geometry="$(design_box "$id" $((score_x[i] - 150)) 84 300 170)"
        convert "$scratch/board.png" -crop "$geometry" +repage -colorspace Gray -threshold 50% \
            -bordercolor white -border 20 "$scratch/score$i.png"
        out+=("$(tesseract "$scratch/score$i.png" - --psm 7 \
            -c tessedit_char_whitelist=-0123456789 2>/dev/null | tr -d ' \n')")
    done
    echo "${out[*]}"
}

scores=(0 0 0)
previous=(0 0 0)
exact=0     # restarts that showed the scores of the kill
lost_one=0  # those that showed the scores from before the last click
# Run k+1 checks what run k left at its kill; the last run only checks.
for kill in $(seq "$((kills + 1))"); do
    step "run $kill: start"
    (cd "$scratch/work" && HOME="$scratch/home" XDG_RUNTIME_DIR="$scratch/runtime" \
        XDG_DATA_HOME="" XDG_CONFIG_HOME="" exec "$exe" --simulate=4097:1,4097:2,4097:3) \
        >"$scratch/console.log" 2>&1 &
    console_pid=$!
    title="$(window '^Title Screen')"
    sleep 0.5
    click_in "$title" 0.5 1 -24
    window '^Initializtion Completed' >/dev/null
    xdotool key Return
    gone '^Initializtion Completed'
    # A match with scores is offered for restoring (one killed at 0 everywhere is not); the
    # question comes just after the set-up menu shows.
    menu="$(window '^Main Set-up Menu')"
    for _ in $(seq 30); do
        restore="$(xdotool search --onlyvisible --name '^Restore Match' 2>/dev/null | head -1 || true)"
        if [ -n "$restore" ]; then
            xdotool windowfocus --sync "$restore" 2>/dev/null || true
            xdotool key Return
            gone '^Restore Match'
            break
        fi
        sleep 0.1
    done
    sleep 0.3
    click_in "$menu" 0.5 1 -20
    gone '^Main Set-up Menu'
    board="$(window '^Form1')"
    sleep 0.5
    seen="$(read_scores "$board")"
    if [ "$kill" -eq 1 ]; then
        [ "$seen" = "0 0 0" ] || fail "a fresh start shows $seen"
    elif [ "$seen" = "${scores[*]}" ]; then
        exact=$((exact + 1))
    elif [ "$seen" = "${previous[*]}" ]; then
        lost_one=$((lost_one + 1))
    else
        fail "after kill $((kill - 1)) the board shows $seen; shown at the kill: ${scores[*]}"
    fi
    read -r -a scores <<< "$seen"
    step "run $kill: restored ${scores[*]} (so far $exact as at the kill, $lost_one less the click)"
    if [ "$kill" -gt "$kills" ]; then
        break
    fi
    board_click "$board" 596 514  # the score step 10
    clicks=$((1 + RANDOM % 6))
    for click in $(seq "$clicks"); do
        i=$((RANDOM % 3))
        previous=("${scores[@]}")
        if [ $((RANDOM % 3)) -eq 0 ]; then
            board_click "$board" "${score_x[i]}" 169 3
            scores[i]="$(shown_value $((scores[i] - 10)))"
        else
            board_click "$board" "${score_x[i]}" 169
            scores[i]="$(shown_value $((scores[i] + 10)))"
        fi
        # The kill comes after the last click was handled, or while it may be on its way.
        if [ "$click" -lt "$clicks" ] || [ $((RANDOM % 2)) -eq 0 ]; then
            sleep 0.2
        else
            sleep "0.0$((RANDOM % 5))"
        fi
    done
    kill -9 "$console_pid"
    wait "$console_pid" 2>/dev/null || true
    console_pid=""
done
step "passed: $kills kills; $exact restarts showed the scores of the kill, $lost_one those from before the click on its way"
