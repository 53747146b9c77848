#!/usr/bin/env bash
# Prints the keys of section [Settings] of an INI file as sorted "key=value" lines, the way the
# private-profile functions read them (names without letter case, blanks around names and values
# dropped, CR LF or LF line ends), so that two files can be compared key by key.
# Usage: settings-keys.sh FILE.ini
set -euo pipefail
awk '
  { sub(/\r$/, "") }
  /^[ \t]*\[/ { name = $0; gsub(/^[ \t]*\[|\][ \t]*$/, "", name); inside = (tolower(name) == "settings"); next }
  inside && /=/ {
    key = substr($0, 1, index($0, "=") - 1); value = substr($0, index($0, "=") + 1)
    gsub(/^[ \t]+|[ \t]+$/, "", key); gsub(/^[ \t]+|[ \t]+$/, "", value)
    print tolower(key) "=" value
  }' "$1" | LC_ALL=C sort
