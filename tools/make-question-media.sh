#!/usr/bin/env bash
# Makes the pictures and sound clips of the sample question set, all our own work:
# pictures drawn with ImageMagick, spoken lines synthesised with espeak-ng, the melody
# synthesised with sox. The results are committed (src/questions/media), so a build
# needs none of these tools; run this again only to change a file.
#   apt-get install --no-install-recommends imagemagick espeak-ng sox
set -euo pipefail
out="${1:-$(cd "$(dirname "$0")/.." && pwd)/src/questions/media}"
mkdir -p "$out"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

font=Liberation-Sans
bold=Liberation-Sans-Bold
rate=11025  # mono, 16-bit: small files that every sound device plays

# A caption band under each picture says what the drawing stands for (never the answer).
caption() {  # caption FILE TEXT
    convert "$1" -fill '#00000099' -draw 'rectangle 0,430 640,480' \
        -font "$font" -pointsize 22 -fill white -gravity south -annotate +0+13 "$2" \
        -quality 85 -strip "$1"
}

# 1: the anatomy lesson, as a dark group portrait around a pale figure on a table.
convert -size 640x480 radial-gradient:'#6b4a26'-'#1c120a' \
    -fill '#3a2514' -draw 'rectangle 0,300 640,430' \
    -fill '#e9dcc0' -draw 'polygon 150,330 470,300 480,330 160,365' \
    -fill '#d8c8a6' -draw 'circle 140,345 160,345' \
    -fill black -draw 'rectangle 200,120 260,300' -draw 'rectangle 290,110 350,300' \
    -draw 'rectangle 370,140 430,300' -draw 'rectangle 480,110 570,330' \
    -fill white -draw 'ellipse 230,118 38,12 0,360' -draw 'ellipse 320,108 38,12 0,360' \
    -draw 'ellipse 400,138 38,12 0,360' -draw 'ellipse 525,108 48,14 0,360' \
    -fill '#d9b08c' -draw 'circle 230,92 230,70' -draw 'circle 320,82 320,60' \
    -draw 'circle 400,112 400,90' -draw 'circle 525,82 525,58' \
    -fill black -draw 'ellipse 525,58 60,10 0,360' -draw 'rectangle 500,22 550,58' \
    -fill '#d9b08c' -draw 'polygon 470,250 430,305 445,312 484,262' \
    "$work/r.png"
convert "$work/r.png" "$out/Rembrant.jpg"
caption "$out/Rembrant.jpg" "Stands for: The anatomy lesson of Dr. Nicolas Tulp (1632)"

# 4: the benzene ring: a regular hexagon of carbon bonds with its inner circle.
hexagon=""
for i in 0 1 2 3 4 5; do
    hexagon+="$(awk -v i=$i 'BEGIN{a=(60*i+30)*atan2(0,-1)/180; printf "%d,%d ", 320+150*cos(a), 215+150*sin(a)}')"
done
convert -size 640x480 xc:white -stroke black -strokewidth 7 -fill none \
    -draw "polygon $hexagon" -strokewidth 6 -draw 'circle 320,215 320,315' \
    "$work/b.png"
convert "$work/b.png" "$out/benzene.jpg"
caption "$out/benzene.jpg" "Stands for: an organic compound, drawn as its structural formula"

# 13: an abstract work of overlapping facets.
convert -size 640x480 xc:'#c9b48a' \
    -fill '#7d8ea3' -draw 'polygon 60,40 330,20 260,260 40,300' \
    -fill '#a0643c' -draw 'polygon 300,60 600,90 560,380 250,330' \
    -fill '#e0cf9f' -draw 'polygon 180,120 420,110 400,380 160,400' \
    -fill '#3b3b46' -draw 'polygon 420,160 520,150 500,260 400,270' \
    -fill black -draw 'circle 250,200 268,200' -draw 'ellipse 350,250 30,16 0,360' \
    -stroke black -strokewidth 5 -draw 'line 300,210 280,320' -draw 'line 240,340 360,350' \
    -stroke '#5a2e1a' -strokewidth 4 -fill none -draw 'polygon 120,60 560,70 520,410 90,420' \
    "$work/p.png"
convert "$work/p.png" "$out/Picaso.JPG"
caption "$out/Picaso.JPG" "Stands for: a famous abstract work (early 20th century)"

# 14: a small grey songbird with a black cap and bib and white cheeks, on a branch.
convert -size 640x480 gradient:'#bcdcf2'-'#eef6fb' \
    -stroke '#5b3a1e' -strokewidth 16 -draw 'line 40,360 600,320' -stroke none \
    -fill '#6f7478' -draw 'polygon 170,250 60,300 70,320 190,280' \
    -fill '#8e9398' -draw 'ellipse 280,250 120,80 0,360' \
    -fill '#e4c9a0' -draw 'ellipse 300,290 80,40 0,180' \
    -fill '#f4f4f2' -draw 'ellipse 390,230 60,50 0,360' \
    -fill black -draw 'ellipse 400,190 62,40 180,360' -draw 'polygon 370,250 430,250 405,300' \
    -fill white -draw 'ellipse 405,222 40,22 0,360' \
    -fill black -draw 'circle 420,198 426,198' -draw 'polygon 455,210 480,218 455,224' \
    -stroke black -strokewidth 5 -draw 'line 270,320 260,345' -draw 'line 310,320 305,340' \
    "$work/c.png"
convert "$work/c.png" "$out/chikadee.jpg"
caption "$out/chikadee.jpg" "Stands for: a common North American bird (our drawing)"

# 19: a portrait of a seated woman before a hazy landscape.
convert -size 640x480 gradient:'#8a9a6a'-'#3e4a2c' \
    -fill '#6a7a8a' -draw 'polygon 0,160 120,120 220,170 0,230' \
    -draw 'polygon 640,150 520,110 420,170 640,220' \
    -fill '#2a1e14' -draw 'polygon 200,430 240,250 400,250 440,430' \
    -draw 'ellipse 320,170 80,110 0,360' \
    -fill '#d6b48a' -draw 'ellipse 320,165 56,76 0,360' \
    -draw 'polygon 290,230 350,230 360,270 280,270' \
    -fill '#c9a47a' -draw 'ellipse 320,380 90,26 0,360' \
    -fill '#3a2a1a' -draw 'ellipse 298,150 10,4 0,360' -draw 'ellipse 342,150 10,4 0,360' \
    -stroke '#7a4a34' -strokewidth 3 -fill none -draw 'arc 296,180 344,200 20,160' \
    "$work/d.png"
convert "$work/d.png" "$out/da-Vinchii.jpg"
caption "$out/da-Vinchii.jpg" "Stands for: a famous Renaissance portrait (early 1500s)"

# Spoken lines: synthesised, then made mono at the common rate.
speak() {  # speak FILE VOICE SPEED PITCH TEXT [SOX EFFECTS...]
    local file="$1" voice="$2" speed="$3" pitch="$4" text="$5"
    shift 5
    espeak-ng -v "$voice" -s "$speed" -p "$pitch" -w "$work/s.wav" "$text"
    sox "$work/s.wav" -r "$rate" -c 1 -b 16 "$out/$file" "$@" norm -3
}
# A very early phonograph: a narrow band and a steady hiss.
espeak-ng -v en-us -s 130 -p 40 -w "$work/e.wav" "Mary had a little lamb, its fleece was white as snow."
sox "$work/e.wav" -r "$rate" -c 1 -b 16 "$work/e1.wav" sinc 400-2500 overdrive 8 norm -6
len="$(soxi -D "$work/e1.wav")"
sox -n -r "$rate" -c 1 -b 16 "$work/hiss.wav" synth "$len" pinknoise vol 0.08
sox -m "$work/e1.wav" "$work/hiss.wav" "$out/edison.wav" norm -3
speak sorry_dave.wav en-us 120 25 "I'm sorry, Dave. I'm afraid I can't do that."
speak flesh_wound.wav en-gb 150 55 "'Tis but a scratch. It's just a flesh wound."
speak Bogart_Casablanca.wav en-us 125 30 "Here's looking at you, kid."

# A few bars of a Bach concerto theme, on a synthesised plucked string.
notes=(G4 F#4 G4 D4 E4 D4 E4 B3 C4 B3 C4 A3 B3 G3 A3 B3 C4 D4 E4 F#4 G4 D4 B3 G3)
parts=()
for i in "${!notes[@]}"; do
    sox -n -r "$rate" -c 1 -b 16 "$work/n$i.wav" synth 0.2 pluck "${notes[$i]}" fade 0 0.2 0.05
    parts+=("$work/n$i.wav")
done
sox "${parts[@]}" "$out/bach.wav" reverb 20 norm -3

# The clip that cuts another one off.
sox -n -r "$rate" -c 1 -b 16 "$out/silence.wav" trim 0 0.3

ls -l "$out"
