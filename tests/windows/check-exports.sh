#!/usr/bin/env bash
# Checks the export table of a built Stats.dll with objdump -p, without running it:
#   - the export directory names the library Stats (LIBRARY Stats: "Stats.dll"),
#   - the exported names are exactly those of the list (every word of every line),
#   - the two names of each line (plain, decorated) lead to the same address,
#   - the DLL imports nothing but system DLLs (the compiler's runtime is linked in).
# Usage: check-exports.sh OBJDUMP Stats.dll LIST
set -euo pipefail
objdump=$1 dll=$2 list=$3
dump=$("$objdump" -p "$dll")
status=0
fail() { echo "$dll: $*" >&2; status=1; }

name=$(awk '/^The Export Tables/ {t = 1} t && /^Name[ \t]/ {print $NF; exit}' <<<"$dump")
[ "$name" = "Stats.dll" ] || fail "export directory names '$name', not Stats.dll"

# "[Ordinal/Name Pointer] Table" lines: "[  12] name", the number indexing the address table.
names=$(awk '/\[Ordinal\/Name Pointer\] Table/ {t = 1; next} t && NF == 0 {exit}
             t {print $NF}' <<<"$dump" | LC_ALL=C sort)
expected=$(tr -s ' \t' '\n\n' <"$list" | sed '/^$/d' | LC_ALL=C sort)
if [ "$names" != "$expected" ]; then
  fail "exported names differ from $list:"
  diff <(echo "$expected") <(echo "$names") >&2 || true
fi

# "Export Address Table" lines: "[   3] +base[   4] 1a60 Export RVA".
declare -A rva index
while read -r slot address; do rva[$slot]=$address; done < <(
  awk '/^Export Address Table -- Ordinal Base/ {t = 1; next} t && NF == 0 {exit}
       t {gsub(/[][]/, " "); print $1, $4}' <<<"$dump")
while read -r slot symbol; do index[$symbol]=$slot; done < <(
  awk '/\[Ordinal\/Name Pointer\] Table/ {t = 1; next} t && NF == 0 {exit}
       t {gsub(/[][]/, " "); print $1, $NF}' <<<"$dump")
while read -r plain decorated; do
  [ -n "${decorated:-}" ] || continue
  a=${rva[${index[$plain]:-x}]:-missing} b=${rva[${index[$decorated]:-y}]:-missing}
  [ "$a" != missing ] && [ "$a" = "$b" ] || fail "$decorated ($b) and $plain ($a) differ"
done <"$list"

imports=$(awk '/DLL Name:/ {print $3}' <<<"$dump")
for import in $imports; do
  case "${import,,}" in
    kernel32.dll | user32.dll | gdi32.dll | advapi32.dll | msvcrt.dll) ;;
    *) fail "imports $import, which is not a system DLL" ;;
  esac
done
[ $status -eq 0 ] && echo "$dll: $(wc -l <<<"$names") exports as listed; imports:" $imports
exit $status
