#!/usr/bin/env bash
# Draws Quorvel's pictures and icons with ImageMagick. The results are committed; run this only
# to change them (needs the imagemagick package).
set -euo pipefail
cd "$(dirname "$0")"
font=DejaVu-Sans-Bold

# Start picture: the program's name over a soft gradient with a ledger motif.
convert -size 770x380 gradient:'#1f4e79'-'#d9e6f2' \
  -fill '#ffffff22' -draw 'rectangle 60,230 710,232' -draw 'rectangle 60,262 710,264' \
  -draw 'rectangle 60,294 710,296' -draw 'rectangle 60,326 710,328' \
  -font "$font" -pointsize 96 -fill white -gravity center -annotate +0-50 'Quorvel' \
  -font DejaVu-Sans -pointsize 24 -fill '#0b2a45' -annotate +0+40 'Gestão de contas bancárias' \
  -pointsize 16 -annotate +0+150 'Clique para abrir a conta' \
  BMP3:quorvel.bmp

# Animated picture: the name with a light sweeping across it, 16 frames.
frames=()
for i in $(seq 0 15); do
  x=$(( i * 22 - 20 ))
  f=$(mktemp --suffix=.png)
  convert -size 320x46 xc:'#eef3f8' \
    -fill '#ffffff' -draw "polygon $x,0 $((x+30)),0 $((x+10)),46 $((x-20)),46" \
    -font "$font" -pointsize 28 -fill "#1f4e79" -gravity center -annotate +0+0 'Quorvel 1.6' "$f"
  frames+=("$f")
done
convert -delay 15 -loop 0 "${frames[@]}" Texto01.gif
rm -f "${frames[@]}"

convert -size 32x32 xc:none -fill '#2e8b57' -draw 'circle 16,16 16,2' \
  -stroke white -strokewidth 4 -fill none -draw 'polyline 9,17 14,22 23,11' ok.ico
convert -size 32x32 xc:none -fill '#c0392b' -draw 'circle 16,16 16,2' \
  -stroke white -strokewidth 4 -draw 'line 10,10 22,22' -draw 'line 22,10 10,22' cancelar.ico
convert -size 32x32 xc:none -fill '#7f8c8d' -draw 'rectangle 8,10 24,29' \
  -draw 'rectangle 6,6 26,9' -draw 'rectangle 13,3 19,6' \
  -stroke '#ecf0f1' -strokewidth 2 -draw 'line 12,13 12,26' -draw 'line 16,13 16,26' \
  -draw 'line 20,13 20,26' lixo.ico
convert -size 32x32 xc:none -fill '#1f6fb2' -draw 'circle 16,16 16,2' \
  -font "$font" -pointsize 22 -fill white -gravity center -annotate +0+1 'i' inf.ico
convert -size 32x32 xc:none -fill '#8e5a2b' -draw 'rectangle 7,3 21,29' \
  -fill '#f1c40f' -draw 'circle 18,16 19,16' \
  -stroke '#2c3e50' -strokewidth 3 -draw 'line 22,16 30,16' -draw 'line 27,12 30,16' \
  -draw 'line 27,20 30,16' exit.gif

# Backup button: a disk with an arrow going into it.
convert -size 32x32 xc:none -fill '#34495e' -draw 'roundrectangle 4,8 28,30 3,3' \
  -fill '#ecf0f1' -draw 'rectangle 9,8 23,16' -fill '#34495e' -draw 'rectangle 18,10 21,15' \
  -fill '#27ae60' -draw 'polygon 12,0 20,0 20,5 24,5 16,13 8,5 12,5' \
  -fill '#bdc3c7' -draw 'rectangle 9,21 23,27' backup1.ico
# Background of the backup reminder: a pale road at dusk with two vehicles on it, faint enough
# to be read over.
convert -size 660x400 gradient:'#fdf6e3'-'#e3ecf4' \
  -fill '#d5dde6' -draw 'rectangle 0,330 660,400' \
  -fill '#f4f6f8' -draw 'rectangle 40,362 110,368' -draw 'rectangle 190,362 260,368' \
  -draw 'rectangle 340,362 410,368' -draw 'rectangle 490,362 560,368' \
  -fill '#c9d4df' -draw 'roundrectangle 60,300 200,340 10,10' -draw 'roundrectangle 90,276 170,304 8,8' \
  -fill '#aab7c4' -draw 'circle 95,342 95,356' -draw 'circle 170,342 170,356' \
  -fill '#c9d4df' -draw 'rectangle 420,262 600,340' -draw 'roundrectangle 600,290 640,340 6,6' \
  -fill '#aab7c4' -draw 'circle 450,344 450,358' -draw 'circle 520,344 520,358' \
  -draw 'circle 612,344 612,358' \
  -quality 85 fundoveiculos.jpg
# E-mail window: an envelope.
convert -size 32x32 xc:none -fill '#f5f0e1' -stroke '#1f4e79' -strokewidth 2 \
  -draw 'rectangle 3,8 28,25' -fill none -draw 'polyline 3,8 16,18 28,8' EMAIL.ico
# Bank pictures of the start window: each bank's name on a plain tile of our own (not the
# banks' logos), 96x32.
logo() { # file background text-colour text
  convert -size 96x32 xc:"$2" -fill '#ffffff55' -draw 'rectangle 0,26 95,27' \
    -font "$font" -pointsize 13 -fill "$3" -gravity center -annotate +0-1 "$4" "$1"
}
logo LogoBpi.gif '#e8701a' white 'BPI'
logo LogoSantander.gif '#d7261e' white 'Santander'
logo LogoMillenium.gif '#c3005f' white 'Millennium'
logo LogoMontepio.gif '#1c4e8e' white 'Montepio'
logo LogoTotta.gif '#9e1b1b' white 'Totta'
logo LogoBbva.gif '#0b3b8c' white 'BBVA'
logo LogoBes.gif '#2f7d32' white 'BES'
