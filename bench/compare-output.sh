#!/bin/bash
# Output and import speed side by side: our renderer (QZZ -> PDF, QZZ -> PNG at
# 150 dpi, DXF -> PDF, DXF -> QZZ)
# against the free CAD program of the Debian package "librecad" (DXF -> PDF),
# on the same random drawings on an A3 sheet. Each program runs three times,
# alternately; the medians of wall time and of peak memory (resident set)
# are printed.
#
#   bench/compare-output.sh [BUILD_DIR] [WORK_DIR]
#
# BUILD_DIR is a Release build (default build/release, made when missing);
# the drawings are kept in WORK_DIR (default /tmp/quarzel-vergleich) between runs.
set -euo pipefail

wurzel=$(cd "$(dirname "$0")/.." && pwd)
bau=${1:-$wurzel/build/release}
arbeit=${2:-/tmp/quarzel-vergleich}
laeufe=${LAEUFE:-3}
# The other program writes its PDF beside the DXF file whatever -o says, so
# the DXF files live in a folder of their own.
mkdir -p "$arbeit/dxf"

if [ ! -f "$bau/build.ninja" ]; then
  cmake -S "$wurzel" -B "$bau" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
fi
cmake --build "$bau" -j2 --target quarzel-cli quarzel-testzeichnung >/dev/null
cli=$bau/src/app/quarzel-cli
erzeuger=$bau/bench/quarzel-testzeichnung
export QT_QPA_PLATFORM=offscreen
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-/tmp/runtime-$(id -u)}
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"

zeichnungen=("linien 100000 linien100k" "linien 1000000 linien1m" "gemischt 100000 gemischt100k")

for z in "${zeichnungen[@]}"; do
  read -r art anzahl name <<<"$z"
  if [ ! -s "$arbeit/$name.qzz" ] || [ ! -s "$arbeit/dxf/$name.dxf" ]; then
    "$erzeuger" "$art" "$anzahl" "$arbeit/$name.qzz" "$arbeit/$name.txt"
    /usr/bin/python3 "$wurzel/bench/dxf_aus_geometrie.py" "$arbeit/$name.txt" "$arbeit/dxf/$name.dxf"
    rm -f "$arbeit/$name.txt"
  fi
done

# One run: "seconds peak-KiB" of the command, or "FEHLER".
messe() {
  local protokoll=$arbeit/time.txt
  if /usr/bin/time -f "%e %M" -o "$protokoll" "$@" >/dev/null 2>"$arbeit/stderr.txt"; then
    cat "$protokoll"
  else
    echo "FEHLER"
    tail -3 "$arbeit/stderr.txt" >&2
  fi
}

median() { sort -g | awk '{ a[NR] = $1 } END { print a[int((NR + 1) / 2)] }'; }

printf "%-14s | %10s | %10s | %7s | %10s | %17s | %11s | %9s | %9s\n" \
  "Zeichnung" "QZZ->PDF" "LC->PDF" "Faktor" "QZZ->PNG" "PDF-Speicher MiB" "PNG MiB" "PDF MB" "LC-PDF MB"
for z in "${zeichnungen[@]}"; do
  read -r art anzahl name <<<"$z"
  : >"$arbeit/pdf.m"; : >"$arbeit/lc.m"; : >"$arbeit/png.m"
  for ((i = 0; i < laeufe; i++)); do
    messe "$cli" render "$arbeit/$name.qzz" -o "$arbeit/$name.pdf" >>"$arbeit/pdf.m"
    messe librecad dxf2pdf -a "$arbeit/dxf/$name.dxf" >>"$arbeit/lc.m"
    messe "$cli" render "$arbeit/$name.qzz" -o "$arbeit/$name.png" --dpi 150 >>"$arbeit/png.m"
  done
  pdf=$(awk '{print $1}' "$arbeit/pdf.m" | median)
  lc=$(awk '{print $1}' "$arbeit/lc.m" | median)
  png=$(awk '{print $1}' "$arbeit/png.m" | median)
  speicherPdf=$(awk '{print $2}' "$arbeit/pdf.m" | median)
  speicherLc=$(awk '{print $2}' "$arbeit/lc.m" | median)
  speicherPng=$(awk '{print $2}' "$arbeit/png.m" | median)
  printf "%-14s | %9ss | %9ss | %6.1fx | %9ss | %7d / %7d | %11d | %9.1f | %9.1f\n" "$name" "$pdf" "$lc" \
    "$(echo "$lc / $pdf" | bc -l)" "$png" $((speicherPdf / 1024)) $((speicherLc / 1024)) $((speicherPng / 1024)) \
    "$(echo "$(stat -c %s "$arbeit/$name.pdf") / 1000000" | bc -l)" \
    "$(echo "$(stat -c %s "$arbeit/dxf/$name.pdf") / 1000000" | bc -l)"
done

# The same DXF files read by us: rendered straight to PDF, and converted into
# a drawing file, against the other program's DXF -> PDF.
echo
printf "%-14s | %10s | %10s | %7s | %17s | %10s | %11s\n" \
  "DXF-Datei" "DXF->PDF" "LC->PDF" "Faktor" "Speicher MiB" "DXF->QZZ" "QZZ MiB"
mkdir -p "$arbeit/aus"
for z in "${zeichnungen[@]}"; do
  read -r art anzahl name <<<"$z"
  : >"$arbeit/dxfpdf.m"; : >"$arbeit/lc.m"; : >"$arbeit/qzz.m"
  for ((i = 0; i < laeufe; i++)); do
    messe "$cli" render "$arbeit/dxf/$name.dxf" -o "$arbeit/aus/$name.pdf" >>"$arbeit/dxfpdf.m"
    messe librecad dxf2pdf -a "$arbeit/dxf/$name.dxf" >>"$arbeit/lc.m"
    messe "$cli" convert "$arbeit/dxf/$name.dxf" -o "$arbeit/aus/$name.qzz" >>"$arbeit/qzz.m"
  done
  wir=$(awk '{print $1}' "$arbeit/dxfpdf.m" | median)
  lc=$(awk '{print $1}' "$arbeit/lc.m" | median)
  qzz=$(awk '{print $1}' "$arbeit/qzz.m" | median)
  speicherWir=$(awk '{print $2}' "$arbeit/dxfpdf.m" | median)
  speicherLc=$(awk '{print $2}' "$arbeit/lc.m" | median)
  speicherQzz=$(awk '{print $2}' "$arbeit/qzz.m" | median)
  printf "%-14s | %9ss | %9ss | %6.1fx | %7d / %7d | %9ss | %11d\n" "$name" "$wir" "$lc" \
    "$(echo "$lc / $wir" | bc -l)" $((speicherWir / 1024)) $((speicherLc / 1024)) "$qzz" $((speicherQzz / 1024))
done
