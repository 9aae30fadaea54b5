#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks the manual pages as man shows them: no warnings from man and groff,
# a NAME line that lexgrog (and so whatis and apropos) reads, and every option
# that a program's --help lists documented on its page.
#
#   manpage_test.sh PAGE[:PROGRAM]...
#
# Exits 77 (skipped) when man or lexgrog is not installed.
set -uo pipefail

for tool in man lexgrog; do
  command -v "$tool" >/dev/null || { echo "skipped: $tool is not installed"; exit 77; }
done
export LC_ALL=C.UTF-8 MANWIDTH=80

failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

# The options a program's --help names: -o, --output, ...
help_options() {
  "$1" --help | grep -oE -- '(^|[][ ,|])--?[a-z][a-z-]*' | sed 's/^[][ ,|]//' | sort -u
}

for arg in "$@"; do
  page=${arg%%:*}
  program=
  [ "$page" = "$arg" ] || program=${arg#*:}
  name=$(basename "$page")

  warnings=$(man --warnings -l "$page" 2>&1 >/dev/null)
  [ -z "$warnings" ] || fail "$name: man warns: $warnings"
  whatis=$(lexgrog "$page" 2>&1)
  [ $? -eq 0 ] && [[ "$whatis" == *": \"${name%%.*} - "* ]] || fail "$name: lexgrog says: $whatis"

  [ -n "$program" ] || continue
  text=$(man -l "$page" 2>/dev/null | col -b)
  options=$(help_options "$program")
  [ -n "$options" ] || fail "$name: $program --help names no options"
  for option in $options; do
    grep -qE -- "(^|[^a-z-])$option([^a-z-]|\$)" <<<"$text" || fail "$name: $program has $option, the page does not"
  done
done

if [ "$failures" -ne 0 ]; then
  echo "$failures check(s) failed"
  exit 1
fi
echo "all manual pages clean"
