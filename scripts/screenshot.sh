#!/bin/sh
# Runs Vantrel under Xvfb, lets it settle and saves a picture of the screen.
# Usage: screenshot.sh <app folder> <output.png> [<.def file> [<window names>...]]
# Window names (SpriteWindow, AnimationTextWindow, ...) are opened after the character, through
# VANTREL_OPEN_WINDOWS, so the picture shows several editors at once.
set -eu
app=$1; out=$2; shift 2
def=${1:-}
[ $# -gt 0 ] && shift
windows="$*"
config=$(mktemp -d)
# A settings store of its own: no tip window, nothing of the user's touched.
mkdir -p "$config/Vantrel"
printf '[Program%%20Settings]\nShowTips=False\n' > "$config/Vantrel/Vantrel.ini"
# Xvfb has no sound card: the dummy driver keeps the sound editor quiet. A cache of its
# own: the killed run's workspace goes with it, and no crash of the user's is offered.
SDL_AUDIODRIVER=dummy XDG_CONFIG_HOME="$config" XDG_CACHE_HOME="$config/cache" VANTREL_OPEN_WINDOWS="$windows" \
  xvfb-run -a -s "-screen 0 1600x1000x24" sh -c '
    "$0/vantrel" ${1:+"$1"} &
    pid=$!
    sleep 8
    import -window root "$2"
    kill $pid
  ' "$app" "$def" "$out"
rm -rf "$config"
