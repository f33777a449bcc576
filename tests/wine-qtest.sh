#!/bin/sh
# Runs a Qt Test program under Wine. Its report does not reach a pipe there,
# so it goes to a file that is printed afterwards; the exit status is the
# program's (the number of failed cases).
exe="$1"
shift
report="$(mktemp /tmp/lumidor-qtest.XXXXXX)"
wine "$exe" "$@" -o "$report,txt"
status=$?
cat "$report"
rm -f "$report"
exit "$status"
