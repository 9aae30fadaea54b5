#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the build into a scratch folder, as a package would lay it out
# under /usr, then checks the layout and starts the installed programs.
#
#   install_test.sh CMAKE BUILD_DIR "PROGRAM;..." "ICON_SIZE;..." EXAMPLES_DIR "MAN_PAGE;..." APP_ID TILE_COUNT
#
# EXAMPLES_DIR holds the example tracks (*.kwf) and the MAN_PAGEs are the
# manual pages' sources, as the build installs them. APP_ID names both the
# desktop entry and the AppStream metadata; TILE_COUNT is the number of
# pieces in the piece table, one tile each.
#
# When strace is available the editor's start-up is traced, which shows that
# it found its tiles through the link in bin/ and opened the track; without
# it the test can only see that the editor keeps running.
set -uo pipefail

cmake=$1
build=$2
IFS=';' read -r -a programs <<<"$3"
IFS=';' read -r -a icon_sizes <<<"$4"
examples_source=$5
IFS=';' read -r -a man_sources <<<"$6"
app_id=$7
tile_count=$8

mime_type=application/x-kerbwright-track
startup_limit=25 # seconds the editor may take to open the track

failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
# Runs one group of checks and says "ok" when none of them failed; a group
# that had nothing to check returns 2 and says why itself.
check() {
  local before=$failures what=$1 status
  shift
  "$@"
  status=$?
  [ "$status" -eq 2 ] || [ "$failures" -ne "$before" ] || echo "ok: $what"
}

scratch=$(mktemp -d)
editor_pid=   # the editor, or strace running it
program_pid=  # the editor itself
cleanup() {
  [ -n "$program_pid" ] && kill "$program_pid" 2>/dev/null
  [ -n "$editor_pid" ] && kill "$editor_pid" 2>/dev/null
  rm -rf "$scratch"
}
trap cleanup EXIT

root=$scratch/root
usr=$root/usr
libdir=$usr/lib/kerbwright

install_build() {
  if ! DESTDIR=$root "$cmake" --install "$build" --prefix /usr >"$scratch/install.log" 2>&1; then
    cat "$scratch/install.log"
    fail "cmake --install"
    exit 1
  fi
}

check_programs() {
  local p link
  for p in "${programs[@]}"; do
    [ -f "$libdir/$p" ] && [ -x "$libdir/$p" ] || fail "$libdir/$p is not an executable file"
    link=$usr/bin/$p
    if [ ! -L "$link" ]; then
      fail "$link is not a link"
      continue
    fi
    # Relative, so the tree can be moved (DESTDIR, the package's staging).
    [ "$(readlink "$link")" = "../lib/kerbwright/$p" ] || fail "$link points to $(readlink "$link")"
    [ "$(realpath "$link")" = "$(realpath "$libdir/$p")" ] || fail "$link does not resolve to $libdir/$p"
    # A search path (even an empty one, which means the current folder)
    # would let the loader take libraries from outside the system's.
    if command -v readelf >/dev/null && readelf -d "$libdir/$p" | grep -q -E 'R(UN)?PATH'; then
      fail "$libdir/$p carries a library search path: $(readelf -d "$libdir/$p" | grep -E 'R(UN)?PATH')"
    fi
  done
}

check_tiles() {
  local n f
  n=$(find "$libdir/tiles" -maxdepth 1 -type f -name '*.bmp' | wc -l)
  [ "$n" -eq "$tile_count" ] || fail "$n tiles installed, expected $tile_count"
  [ -f "$libdir/tiles/07.bmp" ] || fail "the default piece's tile 07.bmp is missing"
  # Every file starts with "BM": one head for all of them keeps this fast.
  [ "$(head -qc 2 "$libdir"/tiles/*.bmp)" = "$(printf 'BM%.0s' $(seq "$n"))" ] && return
  for f in "$libdir"/tiles/*.bmp; do
    [ "$(head -c 2 "$f")" = BM ] || fail "not a bitmap: $f"
  done
}

check_examples() {
  local source name n
  n=0
  for source in "$examples_source"/*.kwf; do
    name=$(basename "$source")
    n=$((n + 1))
    cmp -s "$source" "$libdir/examples/$name" || fail "$libdir/examples/$name is missing or differs from $source"
  done
  [ "$n" -gt 0 ] || fail "no example tracks in $examples_source"
  [ "$(find "$libdir/examples" -type f | wc -l)" -eq "$n" ] || fail "$libdir/examples holds other files than the $n examples"
}

# Compressed, intact, and shown by man without a warning.
check_man_pages() {
  local source page warnings
  for source in "${man_sources[@]}"; do
    page=$usr/share/man/man1/$(basename "$source").gz
    if ! gzip -t "$page" 2>/dev/null; then
      fail "$page is missing or no intact gzip file"
      continue
    fi
    cmp -s <(gzip -dc "$page") "$source" || fail "$page is not $source"
    if command -v man >/dev/null; then
      warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$page" 2>&1 >/dev/null)
      [ -z "$warnings" ] || fail "man warns about $page: $warnings"
    fi
  done
}

desktop_value() { sed -n "s/^$1=//p" "$usr/share/applications/$app_id.desktop"; }

check_desktop_entry() {
  local entry=$usr/share/applications/$app_id.desktop
  if [ ! -f "$entry" ]; then
    fail "no desktop entry at $entry"
    return
  fi
  desktop-file-validate "$entry" || fail "desktop-file-validate $entry"
  [ "$(desktop_value MimeType)" = "$mime_type;" ] || fail "desktop entry's MimeType is $(desktop_value MimeType)"
  [ "$(desktop_value Icon)" = kerbwright ] || fail "desktop entry's Icon is $(desktop_value Icon)"
}

# One value of the metadata, by a sed pattern for its element.
metainfo_values() { sed -n "s|.*<$1>\(.*\)</${1%% *}>.*|\1|p" "$usr/share/metainfo/$app_id.metainfo.xml"; }

check_metainfo() {
  local xml=$usr/share/metainfo/$app_id.metainfo.xml binary
  if [ ! -f "$xml" ]; then
    fail "no AppStream metadata at $xml"
    return
  fi
  [ "$(metainfo_values id)" = "$app_id" ] || fail "$xml has the id $(metainfo_values id), expected $app_id"
  # Software centres find the program by its desktop entry.
  local launchable
  launchable=$(metainfo_values 'launchable type="desktop-id"')
  [ -f "$usr/share/applications/$launchable" ] || fail "$xml launches $launchable, which is not installed"
  for binary in $(metainfo_values binary); do
    [ -x "$usr/bin/$binary" ] || fail "$xml provides $binary, which is not in bin/"
  done
  for binary in "${programs[@]}"; do
    metainfo_values binary | grep -qx "$binary" || fail "$xml does not list the program $binary"
  done
  if command -v appstreamcli >/dev/null; then
    appstreamcli validate --no-net "$xml" >"$scratch/appstream.log" 2>&1 ||
      { cat "$scratch/appstream.log"; fail "appstreamcli validate $xml"; }
  else
    echo "skipped: appstreamcli is not installed, so $xml was not validated"
  fi
}

# Width and height from the PNG header (IHDR), as big-endian 32-bit numbers.
png_size() {
  od -An -tu1 -j16 -N8 "$1" |
    awk '{ printf "%dx%d", (($1*256+$2)*256+$3)*256+$4, (($5*256+$6)*256+$7)*256+$8 }'
}

check_icons() {
  local size icon
  for size in "${icon_sizes[@]}"; do
    icon=$usr/share/icons/hicolor/${size}x${size}/apps/kerbwright.png
    if [ ! -f "$icon" ]; then
      fail "missing icon $icon"
      continue
    fi
    [ "$(head -c 8 "$icon" | od -An -tx1 | tr -d ' \n')" = 89504e470d0a1a0a ] || fail "$icon is not a PNG"
    [ "$(png_size "$icon")" = "${size}x${size}" ] || fail "$icon is $(png_size "$icon"), expected ${size}x${size}"
  done
}

check_mime_type() {
  local xml=$usr/share/mime/packages/kerbwright.xml
  if [ ! -f "$xml" ]; then
    fail "no MIME type at $xml"
    return
  fi
  grep -q "type=\"$mime_type\"" "$xml" || fail "$xml does not define $mime_type"
  grep -q 'pattern="\*\.kwf"' "$xml" || fail "$xml has no *.kwf glob"
  if ! command -v update-mime-database >/dev/null; then
    echo "skipped: update-mime-database is not installed"
    return
  fi
  # Compile a database from our type alone: shared-mime-info rejects a
  # malformed file here, and globs2 shows what file managers will match.
  mkdir -p "$scratch/mime/packages"
  cp "$xml" "$scratch/mime/packages/"
  if XDG_DATA_DIRS=$scratch update-mime-database "$scratch/mime"; then
    grep -q ":$mime_type:\*\.kwf$" "$scratch/mime/globs2" || fail "compiled database does not map *.kwf to $mime_type"
  else
    fail "update-mime-database rejected $xml"
  fi
}

# A valid 2 x 1 track, in a folder with a space in its name, as users have.
make_track() {
  track_dir="$scratch/my tracks"
  track=$track_dir/oval.kwf
  mkdir -p "$track_dir"
  printf '07,07\r\n' >"$track"
}

# The desktop entry's command with %f replaced by the track, as a launcher
# runs it when a track is opened from a file manager.
exec_command() {
  local word
  read -r -a words <<<"$(desktop_value Exec)"
  command=()
  for word in "${words[@]}"; do
    if [ "$word" = %f ]; then command+=("$track"); else command+=("$word"); fi
  done
}

# True once the trace shows the track opened successfully: the last step of
# the editor's start-up.
track_opened() {
  grep -F "\"$track\"" "$scratch/trace" 2>/dev/null | grep -q ' = [0-9]'
}

# The offscreen platform's own screen is 800 x 600, on which the editor first
# advises a larger screen in a modal box; start-up proper runs on a desktop
# sized one.
screen_config() {
  local config=$scratch/screen.json
  printf '{ "screens": [ { "name": "desktop", "x": 0, "y": 0, "width": 1920, "height": 1080,
    "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1 } ] }\n' >"$config"
  echo "$config"
}

start_editor() {
  exec_command
  local tracer=()
  if command -v strace >/dev/null; then
    tracer=(strace -f -qq -e trace=openat,open -o "$scratch/trace")
  fi
  mkdir -m 700 "$scratch/runtime"
  (
    cd "$scratch" || exit 1
    export PATH="$usr/bin:$PATH" XDG_RUNTIME_DIR=$scratch/runtime
    export QT_QPA_PLATFORM=offscreen:configfile=$(screen_config)
    # The editor ends normally on SIGTERM, and a sanitized build then looks
    # for leaks, which LeakSanitizer cannot do under strace's ptrace.
    [ ${#tracer[@]} -eq 0 ] || export ASAN_OPTIONS=${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0
    exec "${tracer[@]}" "${command[@]}" 2>"$scratch/stderr" </dev/null
  ) &
  editor_pid=$!
  program_pid=$editor_pid
  [ ${#tracer[@]} -eq 0 ] || program_pid=$(await_child "$editor_pid")
}

# The process that strace started: stopping strace would leave it running.
await_child() {
  local tries stat pid comm state ppid rest
  for tries in $(seq 50); do
    for stat in /proc/[0-9]*/stat; do
      { read -r pid comm state ppid rest <"$stat"; } 2>/dev/null || continue
      [ "$ppid" = "$1" ] && { echo "$pid"; return; }
    done
    sleep 0.1
  done
  echo "$1"
}

# Waits for start-up to finish (traced) or a fixed time (untraced), then
# checks the editor is still running and stops it.
await_editor() {
  local waited=0
  if command -v strace >/dev/null; then
    while ! track_opened && [ "$waited" -lt $((startup_limit * 10)) ] && kill -0 "$editor_pid" 2>/dev/null; do
      sleep 0.1
      waited=$((waited + 1))
    done
  else
    sleep 4 # start-up waits a second before it loads tiles and the track
  fi
  sleep 1.5
  if ! kill -0 "$editor_pid" 2>/dev/null; then
    wait "$editor_pid"
    fail "editor ended on its own with status $?"
  fi
  # Looked up again: at launch the child found may have been one of strace's
  # own short-lived probes, and strace ignores SIGTERM, so the wait would hang.
  [ "$program_pid" = "$editor_pid" ] || program_pid=$(await_child "$editor_pid")
  kill "$program_pid" 2>/dev/null
  wait "$editor_pid" 2>/dev/null
  editor_pid= program_pid=
}

check_editor_trace() {
  local tiles_dir=$libdir/tiles
  if ! command -v strace >/dev/null; then
    echo "skipped: strace is not installed, so the tiles and the track are not traced"
    return
  fi
  track_opened || fail "the editor did not open $track within ${startup_limit}s"
  grep -F "\"$tiles_dir/07.bmp\"" "$scratch/trace" | grep -q ' = [0-9]' ||
    fail "the editor did not read $tiles_dir/07.bmp"
  # The Examples menu lists the folder beside the program.
  grep -F "\"$libdir/examples\"" "$scratch/trace" | grep -q ' = [0-9]' ||
    fail "the editor did not read its examples folder $libdir/examples"
  if grep -F "/tiles/" "$scratch/trace" | grep -q ' = -1'; then
    grep -F "/tiles/" "$scratch/trace" | grep ' = -1' | head -5
    fail "the editor failed to open some tiles"
  fi
}

run_editor() {
  start_editor
  await_editor
  check_editor_trace
  # The offscreen platform's notice about window size hints is no fault.
  if grep -v '^This plugin does not support propagateSizeHints()$' "$scratch/stderr"; then
    fail "the editor wrote to stderr"
  fi
}

run_exporter() {
  local picture="$track_dir/oval.jpg"
  if ! printf '%s\n' "${programs[@]}" | grep -qx kerbwright-export; then
    echo "skipped: kerbwright-export is not built"
    return 2
  fi
  if ! (cd "$scratch" && PATH="$usr/bin:$PATH" timeout 20 kerbwright-export "$track") >"$scratch/export.log" 2>&1; then
    cat "$scratch/export.log"
    fail "kerbwright-export failed"
  fi
  [ "$(head -c 3 "$picture" 2>/dev/null | od -An -tx1 | tr -d ' \n')" = ffd8ff ] ||
    fail "no JPEG picture at $picture"
}

thumbnailer_value() { sed -n "s/^$1=//p" "$usr/share/thumbnailers/kerbwright.thumbnailer"; }

# The thumbnailer entry's command with %s, %i and %o filled in, as a file
# manager runs it: the 30 x 30 example as a 128-pixel PNG.
run_thumbnailer() {
  local entry=$usr/share/thumbnailers/kerbwright.thumbnailer word out="$scratch/thumb nail.png"
  local input=$libdir/examples/showcase.kwf
  if [ ! -f "$entry" ]; then
    fail "no thumbnailer entry at $entry"
    return
  fi
  [ "$(thumbnailer_value MimeType)" = "$mime_type;" ] || fail "thumbnailer's MimeType is $(thumbnailer_value MimeType)"
  [ -x "$usr/bin/$(thumbnailer_value TryExec)" ] || fail "thumbnailer's TryExec $(thumbnailer_value TryExec) is not in bin/"
  read -r -a words <<<"$(thumbnailer_value Exec)"
  command=()
  for word in "${words[@]}"; do
    case $word in
      %s) command+=(128) ;;
      %i) command+=("$input") ;;
      %o) command+=("$out") ;;
      *) command+=("$word") ;;
    esac
  done
  if ! (cd "$scratch" && PATH="$usr/bin:$PATH" timeout 20 "${command[@]}") >"$scratch/thumbnail.log" 2>&1; then
    cat "$scratch/thumbnail.log"
    fail "the thumbnailer's command failed: ${command[*]}"
  fi
  [ "$(head -c 8 "$out" 2>/dev/null | od -An -tx1 | tr -d ' \n')" = 89504e470d0a1a0a ] || fail "no PNG at $out"
  [ "$(png_size "$out")" = 128x128 ] || fail "the thumbnail is $(png_size "$out"), expected 128x128"
}

# Debian's machine-readable copyright file, where a package keeps it.
check_copyright() {
  local file=$usr/share/doc/kerbwright/copyright
  [ "$(head -n 1 "$file" 2>/dev/null)" = "Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/" ] ||
    fail "$file is missing or not in the machine-readable format"
  grep -qx 'License: GPL-3+' "$file" || fail "$file does not give the licence GPL-3+"
}

# The track is grass only: no open road end; its tiles are found through bin/.
run_checker() {
  local output
  output=$(cd "$scratch" && PATH="$usr/bin:$PATH" timeout 20 kerbwright-check "$track" 2>&1) ||
    fail "kerbwright-check exited with status $?: $output"
  [ "$output" = "$track: no open road ends" ] || fail "kerbwright-check printed: $output"
}

# The club owns both grass mats: nothing to change, the track written as it was.
run_suggester() {
  local output
  if ! printf '%s\n' "${programs[@]}" | grep -qx kerbwright-suggest; then
    echo "skipped: kerbwright-suggest is not built"
    return 2
  fi
  printf '07,2\n' >"$scratch/club.csv"
  output=$(cd "$scratch" && PATH="$usr/bin:$PATH" timeout 20 kerbwright-suggest --fit "$track" \
    --inventory club.csv -o fitted.kwf 2>&1) || fail "kerbwright-suggest exited with status $?: $output"
  [ "$output" = "All pieces owned" ] || fail "kerbwright-suggest printed: $output"
  cmp -s "$track" "$scratch/fitted.kwf" || fail "kerbwright-suggest did not write the track as it was"
}

check "cmake --install --prefix /usr into a scratch DESTDIR" install_build
check "programs in lib/kerbwright, relative links in bin: ${programs[*]}" check_programs
check "$tile_count tiles in lib/kerbwright/tiles" check_tiles
check "example tracks in lib/kerbwright/examples, as in the source" check_examples
check "manual pages ${man_sources[*]##*/} in share/man/man1, gzipped" check_man_pages
check "desktop entry valid, with the MIME type and icon" check_desktop_entry
check "AppStream metadata $app_id, valid, matching the desktop entry and programs" check_metainfo
check "icons ${icon_sizes[*]}" check_icons
check "MIME type $mime_type for *.kwf" check_mime_type
check "the copyright file in share/doc/kerbwright" check_copyright
make_track
check "the desktop entry's command starts the editor on a track" run_editor
check "kerbwright-export writes the track's picture" run_exporter
check "kerbwright-check finds no open road end" run_checker
check "kerbwright-suggest fits the track to an inventory" run_suggester
check "the thumbnailer entry's command writes the 30 x 30 example's PNG" run_thumbnailer

if [ "$failures" -ne 0 ]; then
  echo "$failures check(s) failed"
  exit 1
fi
echo "all install checks passed"
