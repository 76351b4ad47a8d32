#!/bin/sh
# Retakes docs/screens/changed-on-disk.png: a copy of the sample character
# whose constants are also its states, typed into in one window while another
# program changes the file, so both windows carry the modified mark and the
# "changed on disk" bar. Needs xdotool. Usage: documents-screenshot.sh <app folder>
set -eu
app=$(cd "$1" && pwd)
out=$(pwd)/docs/screens/changed-on-disk.png
work=$(mktemp -d)
cp -r "$app/samples/kit" "$work/kit"
sed -i 's/^st = kit.st .*/st = kit.cns/' "$work/kit/kit.def"
mkdir -p "$work/config/Vantrel"
printf '[Program%%20Settings]\nShowTips=False\n' > "$work/config/Vantrel/Vantrel.ini"
SDL_AUDIODRIVER=dummy XDG_CONFIG_HOME="$work/config" XDG_CACHE_HOME="$work/cache" \
  VANTREL_OPEN_WINDOWS="ConstantsWindow StateFileWindow" \
  xvfb-run -a -s "-screen 0 1400x900x24" sh -c '
    "$0/vantrel" "$1/kit/kit.def" &
    pid=$!
    sleep 8
    xdotool mousemove 400 500 click 1
    sleep 0.5
    xdotool key --clearmodifiers ctrl+End
    xdotool type --delay 30 "; a change of mine"
    sleep 1
    printf "; a change from elsewhere\r\n" >> "$1/kit/kit.cns"
    sleep 3
    import -window root "$2"
    kill $pid
  ' "$app" "$work" "$out"
rm -rf "$work"
echo "Saved $out"
