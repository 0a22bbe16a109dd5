#!/usr/bin/env bash
# The DWG converter on damaged files: every DWG given is cut off at several
# lengths and has bytes overwritten at random places; each variant goes
# through `quarzel-cli info`. Reports the slowest runs and fails when a run
# crashes the program, takes longer than the converter's limit or leaves a
# converter process behind.
#
#   fuzz/dwg-stoerung.sh [ANZAHL] DATEI.dwg...
set -euo pipefail
cd "$(dirname "$0")/.."
cli=build/release/src/app/quarzel-cli
[ -x "$cli" ] || { echo "Erst bauen: make" >&2; exit 2; }
anzahl=${1:-20}
shift
arbeit=$(mktemp -d)
trap 'rm -rf "$arbeit"' EXIT
zeiten="$arbeit/zeiten"
fehler=0
for datei in "$@"; do
  groesse=$(stat -c %s "$datei")
  for ((i = 0; i < anzahl; i++)); do
    variante="$arbeit/v.dwg"
    if ((i % 2 == 0)); then
      head -c $((groesse * (i + 1) / (anzahl + 1))) "$datei" >"$variante"
      art="gekürzt auf $(stat -c %s "$variante")"
    else
      cp "$datei" "$variante"
      for ((j = 0; j < 16; j++)); do
        stelle=$(( (RANDOM * 32768 + RANDOM) % groesse ))
        head -c 8 /dev/urandom | dd of="$variante" bs=1 seek="$stelle" conv=notrunc status=none
      done
      art="16 Stellen überschrieben"
    fi
    start=$(date +%s.%N)
    set +e
    "$cli" info "$variante" >/dev/null 2>"$arbeit/fehler"
    rc=$?
    set -e
    dauer=$(echo "$(date +%s.%N) - $start" | bc)
    echo "$dauer $(basename "$datei") $art rc=$rc" >>"$zeiten"
    if ((rc > 1)); then
      echo "ABSTURZ: $(basename "$datei") $art rc=$rc" >&2
      cp "$variante" "absturz-$(basename "$datei" .dwg)-$i.dwg"
      fehler=1
    fi
    if pgrep -f dwgnachdxf.mjs >/dev/null; then
      echo "ZURÜCKGEBLIEBEN nach $(basename "$datei") $art" >&2
      fehler=1
    fi
  done
done
echo "Läufe: $(wc -l <"$zeiten"), langsamste:"
sort -rn "$zeiten" | head -5
exit $fehler
