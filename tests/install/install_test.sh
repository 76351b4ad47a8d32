#!/bin/sh
# Installs a build into a temporary prefix, makes the prefix read-only and
# runs the installed program from there, as a user whose home is a fresh
# folder: it must find its tools and data, open the installed sample
# character, hand a later start over to the running copy, and write nothing
# under the prefix. Then validates the desktop entry and the AppStream file,
# and builds and inspects the Debian package, where those tools exist.
# Usage: install_test.sh <build folder>
# Exit status: 0 passed, 1 failed.
set -u
build=$(cd "$1" && pwd)
work=$(mktemp -d)
prefix=$work/prefix
failed=0
fail() { echo "FAIL: $*"; failed=1; }
have() { command -v "$1" >/dev/null 2>&1; }

# Every program the test starts runs in a session of its own (as_user below),
# whose process group number goes into $groups: on the way out, whichever way
# the script ends, each of those groups is ended, with all it started.
groups=$work/groups
: >"$groups"
# Sends signal $1 to every process group started so far.
signal_groups() {
  while read -r group; do kill "-$1" "-$group" 2>/dev/null; done <"$groups"
}
# The processes still running of those the test started: in one of its
# groups, or running from the prefix (having left its group).
leftovers() {
  list=$(paste -sd, "$groups" 2>/dev/null)
  for pid in $({ [ -z "$list" ] || pgrep -g "$list"; pgrep -f "$prefix/"; } 2>/dev/null | sort -u); do
    # One that has ended but is not yet waited for does not count.
    case $(ps -o stat= -p "$pid" 2>/dev/null) in
      "" | Z*) ;;
      *) echo "$pid" ;;
    esac
  done
}
# Waits up to $1 tenths of a second for every process the test started to end.
all_ended() {
  tries=0
  while [ -n "$(leftovers)" ] && [ $tries -lt "$1" ]; do sleep 0.1; tries=$((tries + 1)); done
  [ -z "$(leftovers)" ]
}
cleanup() {
  if [ -n "$(leftovers)" ]; then
    signal_groups TERM
    all_ended 30 || { signal_groups KILL; for pid in $(leftovers); do kill -KILL "$pid" 2>/dev/null; done; }
  fi
  chmod -R u+w "$work" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 129' HUP
trap 'exit 130' INT
trap 'exit 143' TERM

echo "== installing into $prefix"
if ! cmake --install "$build" --prefix "$prefix" >"$work/install.log" 2>&1; then
  cat "$work/install.log"
  echo "FAIL: cmake --install"
  exit 1
fi
for file in bin/vantrel libexec/vantrel/sff2pcx libexec/vantrel/sprmaker share/vantrel/tips.txt \
  share/vantrel/stclips.txt share/vantrel/cmdclips.txt share/vantrel/sctrls.html share/vantrel/samples/kit/kit.def \
  share/applications/org.vantrel.Vantrel.desktop share/metainfo/org.vantrel.Vantrel.metainfo.xml \
  share/mime/packages/org.vantrel.Vantrel.xml \
  share/icons/hicolor/scalable/apps/org.vantrel.Vantrel.svg share/icons/hicolor/48x48/apps/org.vantrel.Vantrel.png; do
  [ -e "$prefix/$file" ] || fail "not installed: $file"
done
for file in bin/sff2pcx bin/sprmaker bin/tips.txt; do
  [ ! -e "$prefix/$file" ] || fail "installed beside the program: $file"
done

# Everything under the prefix: name, size, time and mode.
listing() { (cd "$prefix" && find . -printf '%p %s %T@ %m\n' | LC_ALL=C sort); }
chmod -R a-w "$prefix"
listing >"$work/before.txt"

# A user of its own: settings, cache, data and runtime folders in the work folder.
home=$work/home
mkdir -p "$home/config/Vantrel" "$home/cache" "$home/data" "$home/runtime"
chmod 700 "$home/runtime"
printf '[Program%%20Settings]\nShowTips=False\n' >"$home/config/Vantrel/Vantrel.ini"
# Runs a command as that user, in a new session whose leader, before it
# becomes the command, adds its number (the group's) to $groups. Waits for
# the command and gives its exit status.
as_user() {
  # shellcheck disable=SC2016 # $$ and $@ are the new shell's
  setsid -w sh -c 'echo $$ >>"$0" && exec "$@"' "$groups" \
    env HOME="$home" XDG_CONFIG_HOME="$home/config" XDG_CACHE_HOME="$home/cache" XDG_DATA_HOME="$home/data" \
    XDG_RUNTIME_DIR="$home/runtime" QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy "$@"
}
cd "$work" || exit 1

# Fails when anything under the prefix changed since the listing $1; $2 says what ran.
check_prefix() {
  listing >"$work/now.txt"
  if ! diff "$1" "$work/now.txt" >"$work/changes.txt"; then
    cat "$work/changes.txt"
    fail "$2 wrote under the prefix"
  fi
}

echo "== opening the installed sample character"
kit=$prefix/share/vantrel/samples/kit/kit.def
as_user timeout -k 10 120 "$prefix/bin/vantrel" --check-open "$kit" >"$work/check.out" 2>"$work/check.err"
status=$?
cat "$work/check.out" "$work/check.err"
check_prefix "$work/before.txt" "--check-open"
[ "$status" -eq 0 ] || fail "--check-open ended with status $status"
grep -Eq "kit\.def: [1-9][0-9]* sprites$" "$work/check.out" || fail "--check-open did not report the sprites"

echo "== later starts hand over to the running copy"
as_user "$prefix/bin/vantrel" >"$work/first.log" 2>&1 &
first=$!
tries=0
while [ ! -S "$home/runtime/vantrel.socket" ] && [ $tries -lt 200 ]; do sleep 0.1; tries=$((tries + 1)); done
if [ ! -S "$home/runtime/vantrel.socket" ]; then
  cat "$work/first.log"
  fail "the running copy does not listen"
else
  # Once the splash is over (two seconds), the main window takes the requests
  # at once: only "come to the front", then a character to open.
  sleep 3
  for file in "" "$kit"; do
    as_user timeout -k 10 30 "$prefix/bin/vantrel" ${file:+"$file"} >"$work/second.log" 2>&1
    status=$?
    [ $status -eq 0 ] || { cat "$work/second.log"; fail "the later start ${file:+with $file }ended with status $status"; }
  done
  # The running copy unpacks the sprites into its workspace in the cache.
  tries=0
  while [ -z "$(find "$home/cache" -name tempsff.txt)" ] && [ $tries -lt 100 ]; do sleep 0.1; tries=$((tries + 1)); done
  [ -n "$(find "$home/cache" -name tempsff.txt)" ] || fail "the running copy did not open the character"
  sleep 1
  kill -0 $first 2>/dev/null || { cat "$work/first.log"; fail "the running copy ended"; }
fi
# $first may be only a shell waiting for the running copy, which would outlive
# it: the copy is ended through its process group (the later starts' groups
# should be empty by now).
signal_groups TERM
if ! all_ended 100; then
  ps -o pid,pgid,args -p "$(leftovers | paste -sd, -)"
  fail "the running copy did not end on SIGTERM"
  signal_groups KILL
fi
wait $first 2>/dev/null
check_prefix "$work/before.txt" "the running copy"

echo "== desktop entry and AppStream data"
if have desktop-file-validate; then
  desktop-file-validate "$prefix/share/applications/org.vantrel.Vantrel.desktop" || fail "desktop-file-validate"
else
  echo "(no desktop-file-validate: not checked)"
fi
if have appstreamcli; then
  appstreamcli validate --no-net "$prefix/share/metainfo/org.vantrel.Vantrel.metainfo.xml" || fail "appstreamcli validate"
else
  echo "(no appstreamcli: not checked)"
fi

# The release the AppStream file names is the project's version.
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
grep -q "<release version=\"$version\"" "$prefix/share/metainfo/org.vantrel.Vantrel.metainfo.xml" ||
  fail "the AppStream release is not version $version"
grep -q '^MimeType=application/x-fighter-character;$' "$prefix/share/applications/org.vantrel.Vantrel.desktop" ||
  fail "the desktop entry names no character type"

echo "== the character definition type"
if have update-mime-database && have gio; then
  # A .def with a [Files] section is a character; another .def is not.
  mkdir -p "$work/mimedata/mime/packages" "$work/defs"
  cp "$prefix/share/mime/packages/org.vantrel.Vantrel.xml" "$work/mimedata/mime/packages/"
  update-mime-database "$work/mimedata/mime" >/dev/null 2>&1 || fail "update-mime-database refused the type"
  printf '[Info]\nname = "Kit"\n\n[Files]\nsprite = kit.sff\n' >"$work/defs/kit.def"
  printf 'LIBRARY kit\nEXPORTS\n  start\n' >"$work/defs/module.def"
  type_of() { XDG_DATA_DIRS="$work/mimedata" gio info -a standard::content-type "$1" 2>/dev/null |
    sed -n 's/^ *standard::content-type: //p'; }
  [ "$(type_of "$work/defs/kit.def")" = application/x-fighter-character ] ||
    fail "kit.def is $(type_of "$work/defs/kit.def"), not a character definition"
  [ "$(type_of "$work/defs/module.def")" != application/x-fighter-character ] ||
    fail "a .def without [Files] is taken for a character"
else
  echo "(no update-mime-database or gio: not checked)"
fi

echo "== the Debian package"
if have cpack && have dpkg-deb && have dpkg-shlibdeps; then
  if cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/package" >"$work/cpack.log" 2>&1; then
    deb=$(ls "$work"/package/*.deb 2>/dev/null | head -n 1)
    if [ -z "$deb" ]; then
      fail "cpack made no .deb"
    else
      dpkg-deb --info "$deb" >"$work/info.txt"
      depends=$(grep '^ Depends:' "$work/info.txt")
      echo "$depends"
      for lib in libqt6core6 libqt6gui6 libqt6widgets6 libqt6network6 qt6-qpa-plugins; do
        echo "$depends" | grep -q "$lib" || fail "the package does not depend on $lib"
      done
      dpkg-deb --contents "$deb" | awk '{print $6}' >"$work/contents.txt"
      for file in ./usr/bin/vantrel ./usr/libexec/vantrel/sff2pcx ./usr/libexec/vantrel/sprmaker \
        ./usr/share/vantrel/tips.txt ./usr/share/vantrel/stclips.txt ./usr/share/vantrel/cmdclips.txt ./usr/share/vantrel/sctrls.html \
        ./usr/share/vantrel/samples/kit/kit.def ./usr/share/applications/org.vantrel.Vantrel.desktop \
        ./usr/share/metainfo/org.vantrel.Vantrel.metainfo.xml \
        ./usr/share/icons/hicolor/scalable/apps/org.vantrel.Vantrel.svg; do
        grep -qx "$file" "$work/contents.txt" || fail "the package lacks $file"
      done
    fi
  else
    cat "$work/cpack.log"
    fail "cpack -G DEB"
  fi
else
  echo "(no cpack, dpkg-deb or dpkg-shlibdeps: the package is not checked)"
fi

echo "== nothing the test started still runs"
if [ -n "$(leftovers)" ]; then
  ps -o pid,pgid,args -p "$(leftovers | paste -sd, -)"
  fail "processes the test started still run"
fi

[ $failed -eq 0 ] || exit 1
echo "PASSED"
