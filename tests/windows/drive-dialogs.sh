#!/usr/bin/env bash
# The real dialogs of Stats.dll under Wine, with no handler installed, driven as an operator
# would drive them: xdotool types into the fields of the X display in DISPLAY and presses Enter
# or Escape; the settings file and the Cabrillo file are checked afterwards. A screenshot of each
# dialog and of the message box is left in SHOTS.
# Usage (WINE names the wine loader): drive-dialogs.sh stats_wine_host.exe Stats.dll WORK SHOTS
set -euo pipefail
host=$1 dll=$2 work=$3 shots=$4
wine=${WINE:?WINE must name the wine loader}
here=$(cd "$(dirname "$0")" && pwd)
status=0
fail() { echo "dialogs: $*" >&2; status=1; }

# Waits for a visible window whose caption matches the pattern, gives it the keyboard and
# prints its id.
await_window() {
  local id
  for _ in $(seq 1 240); do
    id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n1 || true)
    if [ -n "$id" ]; then
      sleep 0.5 # let Wine paint it and set its focus
      xdotool windowfocus --sync "$id"
      sleep 0.3
      echo "$id"
      return 0
    fi
    sleep 0.25
  done
  echo "dialogs: no window matching '$1'" >&2
  return 1
}
type_text() { xdotool type --delay 40 "$1"; }
press() { xdotool key --delay 60 "$@"; }
shot() { import -window "$1" "$shots/$2"; }
setting() { "$here/settings-keys.sh" "$1" | sed -n "s/^$2=//p"; }
expect_setting() { # FILE KEY VALUE
  local got
  got=$(setting "$1" "$2")
  [ "$got" = "$3" ] || fail "after OK, $2 is '$got', not '$3'"
}

rm -rf "$work" && mkdir -p "$work/ok/Plugins" "$work/escape/Plugins" "$shots"

# OK everywhere: header, one QSO, setup, result with the message box.
"$wine" "$host" operate "$dll" "$work/ok" header qso setup result >"$work/ok.log" 2>&1 &
pid=$!
window=$(await_window '^UBA Spring Contest')
press Tab && type_text 'ON4XYZ/P'                       # CALLSIGN
press Tab Tab Tab && type_text 'ACC'                    # LOCATION, typed into the combo box
press Tab Tab Tab Tab Tab && type_text 'Jan Peeters'    # NAME
press Tab Tab Tab Tab Tab Tab Tab Tab                   # SOAPBOX: Enter starts a new line
type_text 'Hello from' && press Return && type_text 'the operator'
press Tab && type_text 'on4xyz@example.org'             # E-MAIL
shot "$window" windows-cabrillo-header.png
press Return
window=$(await_window '^Setup UBA')
press Tab && type_text 'SSB'                            # mode (the OK button has the focus)
press Tab && type_text 'LGE'                            # own section
shot "$window" windows-setup.png
press Return
window=$(await_window '^Output$')
shot "$window" windows-message.png
press Return
wait "$pid" || fail "the host failed: $(cat "$work/ok.log")"

ini=$work/ok/Plugins/UBA_Spring.ini
expect_setting "$ini" operators 'ON4XYZ'
expect_setting "$ini" name 'Jan Peeters'
expect_setting "$ini" soapbox 'Hello from<CR><LF>the operator'
expect_setting "$ini" email 'on4xyz@example.org'
expect_setting "$ini" category 'SINGLE-OP'
expect_setting "$ini" category_overlay 'NONE'
expect_setting "$ini" contest 'UBA-SPRING'
expect_setting "$ini" mode 'SSB'
expect_setting "$ini" province 'LGE'
expect_setting "$ini" multiplier '0'
grep -q '^GetResult0 -> -1' "$work/ok/operate.txt" || fail "no Cabrillo output after the message"
cabrillo=$work/ok/ON4XYZ.cbr
for line in 'CALLSIGN: ON4XYZ/P' 'CATEGORY-OPERATOR: SINGLE-OP 80M HIGH SSB' 'LOCATION: ACC' \
  'NAME: Jan Peeters' 'EMAIL: on4xyz@example.org' 'SOAPBOX: Hello from' 'SOAPBOX: the operator'; do
  tr -d '\r' <"$cabrillo" | grep -qxF "$line" || fail "$cabrillo has no line '$line'"
done

# Escape everywhere: the settings file keeps what the first run stored.
cp "$ini" "$work/escape/Plugins/UBA_Spring.ini"
before=$work/escape/before.ini
cp "$ini" "$before"
"$wine" "$host" operate "$dll" "$work/escape" setup header >"$work/escape.log" 2>&1 &
pid=$!
await_window '^Setup UBA' >/dev/null
press Tab && type_text 'CW' && press Escape
await_window '^UBA Spring Contest' >/dev/null
cmp -s "$before" "$work/escape/Plugins/UBA_Spring.ini" || fail "Escape in the setup dialog wrote"
press Tab Tab Tab Tab Tab Tab Tab Tab Tab && type_text 'Somebody Else' && press Escape
wait "$pid" || fail "the host failed: $(cat "$work/escape.log")"
# The reset itself writes Start and BELGIUM; the header's keys stay as they were.
diff <("$here/settings-keys.sh" "$before" | grep -Ev '^(start|belgium)=') \
  <("$here/settings-keys.sh" "$work/escape/Plugins/UBA_Spring.ini" | grep -Ev '^(start|belgium)=') \
  >&2 || fail "Escape in the Cabrillo header dialog wrote"

[ $status -eq 0 ] && echo "dialogs: OK and Escape paths as expected; screenshots in $shots"
exit $status
