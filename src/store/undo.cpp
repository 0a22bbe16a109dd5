// Undo and redo inside the element store. A step is a number (the current
// undo level); an element is alive while 0 < state <= level. Deleting writes
// minus the step into the state; undo and redo swap state and alternate state
// of the elements that belong to the step. Nothing is copied elsewhere.
#include <algorithm>

#include "store/elementspeicher.h"

namespace quarzel {

template <class Weg>
void Elementspeicher::entferne(Weg&& weg) {
  std::int32_t erstes = 1;
  while (erstes <= gesamt_ && !weg(erstes)) ++erstes;
  if (erstes > gesamt_) return;

  zaehleAenderung();
  bereinigungLaeuft_ = true;
  std::int32_t ziel = erstes;
  std::int32_t lebendeEntfernt = 0;
  for (std::int32_t n = erstes; n <= gesamt_; ++n) {
    if (weg(n)) {
      gibSatzFrei(n);
      if (n <= anzahl_) ++lebendeEntfernt;
    } else {
      kopiereSpalten(n, ziel);
      ++ziel;
    }
  }
  loescheSpalten(ziel, gesamt_);
  gesamt_ = ziel - 1;
  anzahl_ = std::min(anzahl_ - lebendeEntfernt, gesamt_);
  bereinigungLaeuft_ = false;
}

void Elementspeicher::bereinige() {
  const std::int8_t redo = redoStufe_;
  entferne([&](std::int32_t n) { return zustand_[n] == -1 || zustand_[n] >= redo; });
}

void Elementspeicher::entferneWenn(const std::function<bool(std::int32_t)>& weg) { entferne(weg); }

void Elementspeicher::setzeUndoRedoSchalter() {
  undoMoeglich_ = !(undoStufe_ <= 0 || (undoStufe_ == 1 && redoStufe_ >= 2));
  redoMoeglich_ = undoStufe_ < redoStufe_;
}

void Elementspeicher::beginneSchritt() {
  if (schrittUnterdrueckt) return;
  zaehleAenderung();
  const int stufe = undoStufe_ + 1;
  undoStufe_ = static_cast<std::int8_t>(stufe);

  if (stufe <= redoStufe_) {
    // Discard the redo branch: deletions made in undone steps are forgotten,
    // elements that only existed there go.
    const std::int8_t alteRedoStufe = redoStufe_;
    for (std::int32_t n = 1; n <= gesamt_; ++n)
      if (altZustand_[n] <= -stufe) altZustand_[n] = 0;
    entferne([&](std::int32_t n) { return altZustand_[n] >= stufe; });
    if (gesamt_ == 1 && alteRedoStufe == 1) entferne([](std::int32_t) { return true; });
  }
  redoStufe_ = undoStufe_;

  // Levels are bytes: a depth beyond 100 would let them overflow.
  const int tiefe = std::clamp(undoTiefe, 1, 100);
  if (stufe > tiefe + 10) {
    for (std::int32_t n = 1; n <= gesamt_; ++n) {
      std::int8_t& z = zustand_[n];
      if (z > 0) {
        z = static_cast<std::int8_t>(z > 11 ? z - 10 : 1);
      } else if (z < 0) {
        z = static_cast<std::int8_t>(z + 10 >= 0 ? -1 : z + 10);
      }
      std::int8_t& a = altZustand_[n];
      if (a > 0) {
        a = static_cast<std::int8_t>(a > 11 ? a - 10 : 1);
      } else if (a < 0) {
        // A deletion pushed out of reach can no longer be undone: forget it.
        a = static_cast<std::int8_t>(a + 10 >= 0 ? 0 : a + 10);
      }
    }
    undoStufe_ = static_cast<std::int8_t>(undoStufe_ - 10);
    redoStufe_ = static_cast<std::int8_t>(redoStufe_ - 10);
  }

  bereinige();
  undoMoeglich_ = true;
  redoMoeglich_ = false;
}

void Elementspeicher::bereiteAenderungVor() {
  beginneSchritt();
  std::int32_t m = 0;
  for (std::int32_t n = 1; n <= anzahl_; ++n) m += aenderbar(n);
  if (m == 0) return;
  zaehleAenderung();
  while (gesamt_ + m > kapazitaet_) wachseSpalten();

  // Walk from the top and move every element to its final place; a run of
  // marked elements [a, b] gets its copies right after b. Targets always lie
  // at or above their sources, so nothing unread is overwritten.
  const std::int8_t stufe = undoStufe_;
  std::int32_t davor = m;  // marked elements below the current position
  std::int32_t r = gesamt_;
  while (r >= 1) {
    if (!aenderbar(r)) {
      if (davor) kopiereSpalten(r, r + davor);
      --r;
      continue;
    }
    std::int32_t a = r;
    while (a > 1 && aenderbar(a - 1)) --a;
    davor -= r - a + 1;
    for (std::int32_t k = r; k >= a; --k) {
      const std::int32_t kopie = r + davor + (k - a) + 1;
      const std::uint32_t neuerSlot = kopiereSatz(k);
      kopiereSpalten(k, kopie);
      slot_[kopie] = neuerSlot;
      zustand_[kopie] = stufe;
      altZustand_[kopie] = 0;
      markiert_[kopie] = 1;

      const std::int32_t original = k + davor;
      kopiereSpalten(k, original);
      altZustand_[original] = zustand_[original];
      zustand_[original] = static_cast<std::int8_t>(-stufe);
      markiert_[original] = 0;
    }
    r = a - 1;
  }
  gesamt_ += m;
  anzahl_ += m;
  modifiziert_ = true;
}

void Elementspeicher::rueckgaengig() {
  if (undoStufe_ <= 0) return;
  zaehleAenderung();
  const std::int8_t l = undoStufe_;
  undoStufe_ = static_cast<std::int8_t>(l - 1);
  const std::int8_t gesucht = static_cast<std::int8_t>(-l);
  for (std::int32_t n = 1; n <= gesamt_; ++n)
    if (zustand_[n] == gesucht || altZustand_[n] == gesucht) std::swap(zustand_[n], altZustand_[n]);
  setzeUndoRedoSchalter();
  modifiziert_ = true;
}

void Elementspeicher::wiederherstellen() {
  if (undoStufe_ >= redoStufe_) return;
  zaehleAenderung();
  const std::int8_t l = static_cast<std::int8_t>(undoStufe_ + 1);
  undoStufe_ = l;
  const std::int8_t gesucht = static_cast<std::int8_t>(-l);
  for (std::int32_t n = 1; n <= gesamt_; ++n)
    if (zustand_[n] == gesucht || altZustand_[n] == gesucht) std::swap(zustand_[n], altZustand_[n]);
  // A step just redone can always be undone again, whatever the level.
  undoMoeglich_ = true;
  redoMoeglich_ = undoStufe_ < redoStufe_;
  modifiziert_ = true;
}

}  // namespace quarzel
