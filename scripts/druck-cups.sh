#!/bin/sh
# A real print through CUPS: a queue "PDF" of the cups-pdf driver receives a
# drawing from `quarzel-cli print --printer PDF` and, where Xvfb is at hand,
# from the window (Ctrl+P, then Return in the print dialog); the PDF that
# CUPS writes must have the sheet's size (A3). Needs the Debian
# packages cups and printer-driver-cups-pdf, and root for lpadmin.
# Not part of `make check`.
#
#   scripts/druck-cups.sh [BUILD_DIR]     (default build/check)
set -eu

wurzel=$(cd "$(dirname "$0")/.." && pwd)
bau=${1:-$wurzel/build/check}
cli=$bau/src/app/quarzel-cli
app=$bau/src/app/quarzel
arbeit=$(mktemp -d)
trap 'rm -rf "$arbeit"' EXIT

fehler() { echo "druck-cups: $*" >&2; exit 1; }
[ -x "$cli" ] || fehler "$cli fehlt (erst bauen)"
command -v lpadmin >/dev/null || fehler "cups ist nicht installiert"
[ -f /usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd ] || fehler "printer-driver-cups-pdf ist nicht installiert"

if ! lpstat -r >/dev/null 2>&1 || lpstat -r | grep -q "not running"; then
  /usr/sbin/cupsd || fehler "cupsd startet nicht"
  sleep 2
fi
lpstat -r | grep -q "is running" || fehler "cupsd läuft nicht"
lpstat -p PDF >/dev/null 2>&1 ||
  lpadmin -p PDF -E -v cups-pdf:/ -P /usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd -o PageSize=A3 ||
  fehler "die Warteschlange PDF lässt sich nicht anlegen"

# cups-pdf writes to ~/PDF of the user the job belongs to.
ausgabe=$(getent passwd "$(id -un)" | cut -d: -f6)/PDF
mkdir -p "$ausgabe"

# A drawing on an A3 landscape sheet.
cat >"$arbeit/rahmen.psq" <<'EOF'
420 297 SETFORMAT
0 0 MOVETO 1 0 LINETO 1 1 LINETO 0 1 LINETO 0 0 LINETO
EOF
"$cli" macro run "$arbeit/rahmen.psq" -o "$arbeit/rahmen.qzz" >/dev/null

warte_auf_pdf() {  # $1: files there before the job
  for _ in $(seq 1 60); do
    neu=$(ls -t "$ausgabe"/*.pdf 2>/dev/null | head -n 1 || true)
    if [ -n "$neu" ] && ! echo "$1" | grep -qxF "$neu"; then
      sleep 1
      echo "$neu"
      return 0
    fi
    sleep 1
  done
  return 1
}

pruefe() {  # $1: what printed, $2: the PDF
  groesse=$(pdfinfo "$2" | sed -n 's/^Page size: *\([0-9.]*\) x \([0-9.]*\) pts.*/\1 \2/p')
  echo "$1: $2 — $groesse pt"
  # A3 is 1190.55 × 841.89 pt; CUPS may turn a landscape job onto upright paper.
  echo "$groesse" | awk '{ b = $1 < $2 ? $1 : $2; h = $1 < $2 ? $2 : $1
                           exit !(b > 837 && b < 847 && h > 1185 && h < 1196) }' ||
    fehler "$1: die Seite hat nicht die Größe des Blatts (A3)"
}

vorher=$(ls "$ausgabe"/*.pdf 2>/dev/null || true)
"$cli" print "$arbeit/rahmen.qzz" --printer PDF
pdf=$(warte_auf_pdf "$vorher") || fehler "CUPS hat kein PDF geschrieben (siehe /var/log/cups/error_log)"
pruefe "quarzel-cli print --printer PDF" "$pdf"

if command -v Xvfb >/dev/null && command -v xdotool >/dev/null && [ -x "$app" ]; then
  anzeige=:59
  Xvfb $anzeige -screen 0 1600x1000x24 >/dev/null 2>&1 &
  xvfb=$!
  sleep 1
  heim="$arbeit/heim"
  mkdir -p "$heim"
  # The window's print dialog starts on the default printer.
  vorher=$(ls "$ausgabe"/*.pdf 2>/dev/null || true)
  HOME=$heim PRINTER=PDF DISPLAY=$anzeige "$app" "$arbeit/rahmen.qzz" >/dev/null 2>&1 &
  fenster=$!
  sleep 6
  DISPLAY=$anzeige xdotool key ctrl+p
  sleep 3
  DISPLAY=$anzeige xdotool key Return  # "Drucken" in the print dialog
  sleep 2
  DISPLAY=$anzeige xdotool key Return  # "Ausrichtung wurde geändert"
  sleep 2
  DISPLAY=$anzeige xdotool key Return  # "Ausrichtung wieder hergestellt"
  pdf=$(warte_auf_pdf "$vorher") || { kill $fenster $xvfb; fehler "aus dem Fenster kam kein PDF"; }
  kill $fenster $xvfb
  pruefe "Fenster, Strg+P" "$pdf"
fi
echo "druck-cups: in Ordnung"
