#!/usr/bin/env bash
# Smoke test of the real program: starts `qvxconsole --simulate` under its own Xvfb, drives
# it as an operator would with xdotool (DONE, the message, "Hide Set-up Menu", the space
# bar, a contestant's key) and fails unless the board then shows that contestant's name,
# read back from a screenshot by OCR. It plays one match on each of the three boards (the
# set-up file chooses the board) and takes the screenshots the README shows.
#
#   tools/smoke.sh [--shots DIR] [--display N] EXE
#
# EXE is a built (portable) or an installed qvxconsole; an installed one (with
# ../share/qvxconsole beside its folder) keeps its set-up in the user's data folder, a
# portable one reads it from the folder it starts in. --shots (default docs/) is where the
# screenshots go; --display (or SMOKE_DISPLAY) picks the Xvfb display, else a free one.
# Needs xvfb, xdotool, imagemagick and tesseract-ocr (tools/deps.sh installs them).
set -euo pipefail

here="$(cd "$(dirname "$0")/.." && pwd)"
shots="$here/docs"
display="${SMOKE_DISPLAY:-}"
while [ $# -gt 1 ]; do
    case "$1" in
        --shots) shots="$2"; shift 2 ;;
        --display) display="$2"; shift 2 ;;
        *) echo "smoke: unknown option $1" >&2; exit 2 ;;
    esac
done
[ $# -eq 1 ] || { echo "usage: $0 [--shots DIR] [--display N] EXE" >&2; exit 2; }
exe="$(realpath "$1")"
mkdir -p "$shots"
shots="$(realpath "$shots")"

# Three one-team modules, the classic board's match.
modules_list="4097:1,4097:2,4097:3"

scratch="$(mktemp -d)"
. "$here/tools/xdrive.sh"
driver_basics smoke "$shots/failure.png" TERM

# --- the operator's set-up: a full roster, the board chosen, the rest as shipped ---------
folder="$(dirname "$exe")"
if [ -d "$folder/../share/qvxconsole" ]; then
    shipped="$folder/../share/qvxconsole"
    setup_folder="$scratch/home/.local/share/qvxconsole"
else
    shipped="$folder"
    setup_folder="$scratch/work"
fi
mkdir -p "$scratch/work" "$setup_folder" "$scratch/runtime"
chmod 700 "$scratch/runtime"
[ -f "$shipped/QvxUSBsetupLM.txt" ] || fail "no shipped set-up in $shipped"

# Writes the set-up file with the board chosen by its flags (leader, classic, cut-throat)
# and the question source (1: computer-generated, where the response timer brings up the
# next question).
write_setup() {
    {
        printf 'Quorvantix USB Setup File\r\n'
        for team in "Owls:Maxwell:Priya:Tomasz:Aiko:Lena" \
                    "Foxes:Jonas:Amara:Diego:Sofia:Kwame" \
                    "Herons:Ingrid:Mateo:Chloe:Ravi:Hana" \
                    "Badgers:Oskar:Nadia:Felix:Zara:Emil" \
                    "Team 5:::::" "Team 6:::::" "Team 7:::::" "Team 8:::::" "Team 9:::::" \
                    "Team 10:::::"; do
            IFS=: read -r -a names <<< "$team"
            for i in 0 1 2 3 4 5; do printf '%s\r\n' "${names[$i]:-}"; done
        done
        sed -n '62,71p' "$shipped/QvxUSBsetupLM.txt"
        printf ' %s\r\n' "$1" "$2" "$3"
        sed -n '75,85p' "$shipped/QvxUSBsetupLM.txt"
        printf ' %s\r\n' "$4"
        tail -n +87 "$shipped/QvxUSBsetupLM.txt"
    } > "$setup_folder/QvxUSBsetup.txt"
}

# --- a display of our own and the driving helpers --------------------------------------
start_xvfb "$scratch" "$display"

# --- helpers ----------------------------------------------------------------------------
shot() { import -window "$1" "$shots/$2"; }
# What the board shows in its text colour (the responder and their team), by OCR: the
# set-up's dark red becomes black, everything else white.
board_text() {
    import -window "$1" "$scratch/board.png"
    convert "$scratch/board.png" -fuzz 10% -fill white +opaque "rgb(192,0,0)" \
        -fill black -opaque "rgb(192,0,0)" "$scratch/text.png"
    tesseract "$scratch/text.png" - 2>/dev/null | tr -s ' \n' ' '
}
# On the board in front: the space bar arms, a contestant's key buzzes in, and the board
# must then show that contestant's name, and not before.
buzz_in() {
    local board="$1" key="$2" name="$3" shown=""
    step "space bar: the board arms"
    xdotool key space
    sleep 0.3
    shown="$(board_text "$board")"
    case "$shown" in *"$name"*) fail "the board shows $name before anyone pressed" ;; esac
    step "contestant key $key: $name buzzes in"
    xdotool key "$key"
    for _ in $(seq 20); do
        shown="$(board_text "$board")"
        case "$shown" in *"$name"*) step "the board shows $name"; return 0 ;; esac
        sleep 0.25
    done
    fail "the board does not show $name; it reads: $shown"
}
# Mid-match: the score step 10, two clicks on each given score, the match clock started.
mid_match() {
    local board="$1"; shift
    step "mid-match: scores in tens, the match clock running"
    board_click "$board" 596 514
    while [ $# -gt 1 ]; do
        board_click "$board" "$1" "$2"
        board_click "$board" "$1" "$2"
        shift 2
    done
    board_click "$board" 818 577
    sleep 2.2
}

# --- the runs -----------------------------------------------------------------------------
# Start-up, DONE and its message, the set-up menu, "Hide Set-up Menu": the board comes up.
# Further arguments name screenshots of the start-up window and of the set-up menu.
open_board() {
    local board_name="$1" title_shot="${2:-}" menu_shot="${3:-}"
    # Each run is a new match: the one the last run left unfinished (it is ended by a
    # signal) would otherwise be offered for restoring.
    rm -rf "$scratch/home/.local/share/qvxconsole/matches"
    step "starting $exe --simulate=$modules_list on $DISPLAY"
    (cd "$scratch/work" && HOME="$scratch/home" XDG_RUNTIME_DIR="$scratch/runtime" \
        XDG_DATA_HOME="" XDG_CONFIG_HOME="" exec "$exe" --simulate="$modules_list") \
        >"$scratch/console.log" 2>&1 &
    console_pid=$!
    title="$(window '^Title Screen')"
    modules="$(window '^Virtual Team Modules')"
    sleep 0.5  # the search for modules lists its results
    [ -z "$title_shot" ] || shot "$title" "$title_shot"
    step "DONE"
    click_in "$title" 0.5 1 -24
    local message
    message="$(window '^Initializtion Completed')"
    step "the message \"All systems go\": OK"
    xdotool windowfocus --sync "$message" 2>/dev/null || true
    xdotool key Return
    gone '^Initializtion Completed'
    menu="$(window '^Main Set-up Menu')"
    sleep 0.3
    [ -z "$menu_shot" ] || shot "$menu" "$menu_shot"
    step "Hide Set-up Menu"
    click_in "$menu" 0.5 1 -20
    gone '^Main Set-up Menu'
    board="$(window "^$board_name")"
    sleep 0.3
}
close_console() {
    kill -0 "$console_pid" 2>/dev/null || fail "the console ended"
    kill "$console_pid"
    wait "$console_pid" 2>/dev/null || true
    console_pid=""
}

step "the classic board, with computer-generated questions"
write_setup 0 1 0 1
open_board Form1 startup-window.png setup-menu.png
buzz_in "$board" 1 Maxwell
mid_match "$board" 206 169 818 169  # the Owls' and the Herons' scores
shot "$board" board-classic.png
shot "$modules" virtual-modules.png
import -window root "$shots/practice-one-screen.png"
step "the response timer: the next question comes up with it"
board_click "$board" 206 577
question="$(window '^Question Window')"
sleep 0.5
shot "$question" question-window.png
close_console

step "the leader board"
write_setup 1 0 0 0
open_board 'LeaderBoard Scoreboard'
buzz_in "$board" 7 Amara
mid_match "$board" 449 41  # a row's score: the responder's, marked green, changes
shot "$board" board-leader.png
close_console

step "the cut-throat board"
write_setup 0 0 1 0
open_board 'Cut Throat'
buzz_in "$board" e Chloe
mid_match "$board" 898 418  # the responder's own score
shot "$board" board-cut-throat.png
close_console
step "passed; screenshots in $shots"
