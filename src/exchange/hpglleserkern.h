// HpglLeser: the interpreter's state, shared by the files that read the
// stream (hpglzeichen.cpp), the instructions (hpglleser.cpp), the shapes
// (hpglformen.cpp) and the labels (hpgltext.cpp).
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "exchange/cadmodell.h"

namespace quarzel {

struct HpglPunkt {
  double x = 0, y = 0;
};

struct HpglStift {
  std::uint32_t rgb = 0;
  int aci = -1;          // the nearest index, found when the colour is first used
  double breite = 0.35;  // mm
};

class HpglLeser {
 public:
  HpglLeser(std::string_view daten, CadModell& m);
  CadLeseergebnis lesen();

 private:
  // Reading the stream (hpglzeichen.cpp).
  bool naechsteAnweisung(char& a, char& b);  // false at the end of the data
  bool hpglModus();                          // skips one wrapper piece; false when none is here
  void ueberspringeEscape();
  bool zahl(double& w);  // the next parameter; false when the instruction has no more
  void ende();           // past the instruction's parameters and terminator
  void kodiertePolylinie();
  bool kodierteZahl(double& w);

  // Instructions and pen state (hpglleser.cpp).
  void anweisung(char a, char b);
  void initialisiere(bool ganz);
  void bewegung(bool absolut, int stift);  // PA/PR/PU/PD with their points
  void geheZu(HpglPunkt ziel, bool unten);
  void stiftWaehlen(int n);
  void breite();
  void farbe();
  void linientyp();
  void skalierung();
  void skalierungRechnen();
  void eingabepunkte(bool relativ);
  void drehung();
  HpglPunkt plotter(HpglPunkt benutzer) const;  // user units to plotter units
  HpglPunkt schritt(HpglPunkt d) const;         // a relative step likewise
  HpglPunkt benutzer(HpglPunkt plotter) const;
  bool winkeltreu() const;
  CadPunkt modell(HpglPunkt p) const;  // plotter units (after RO) to millimetres
  CadEntitaet entitaet(CadArt art);
  void abschliessen();  // the pending polyline into the model
  bool platz();         // false once the output outgrows the input

  // Shapes (hpglformen.cpp).
  void bogen(bool relativ);
  void kreis();
  void rechteck(bool relativ, bool gefuellt);
  void keil(bool gefuellt);
  void polygonmodus();
  void polygonAusgeben(bool gefuellt);
  void bogenPunkte(HpglPunkt mitte, double grad, bool unten);
  std::vector<CadScheitel> bogenzug(HpglPunkt mitte, HpglPunkt start, double grad) const;
  void form(std::vector<CadScheitel> pfad, bool gefuellt);
  void pfadAusgeben(const std::vector<std::vector<CadScheitel>>& pfade, bool gefuellt);

  // Labels (hpgltext.cpp).
  void beschriftung();
  void terminator();
  void schriftgroesse(bool relativ);
  void richtung(bool relativ);

  std::string_view d_;
  std::size_t p_ = 0;
  CadModell& m_;
  CadLeseergebnis ergebnis_{true, {}};
  bool pcl_ = false;      // inside a PCL part of the file: only escapes count
  bool basis32_ = false;  // PE in 7-bit bytes

  // The state that IN resets.
  std::array<HpglStift, 256> stifte_{};
  int stift_ = 1;
  bool unten_ = false, absolut_ = true;
  HpglPunkt pos_;  // plotter units, before the rotation
  HpglPunkt p1_{0, 0}, p2_{10000, 7500}, rahmen_{10000, 7500};
  int drehung_ = 0;  // 0, 90, 180, 270
  bool skaliert_ = false;
  std::array<double, 7> sc_{};  // the last SC's parameters, kept for a later IP
  int scAnzahl_ = 0;
  double fx_ = 1, fy_ = 1, ox_ = 0, oy_ = 0;  // plotter = o + f * user
  std::string linientyp_ = "psSolid";
  bool breiteRelativ_ = false;
  double sehnenwinkel_ = 5;
  std::array<double, 6> farbbereich_{0, 255, 0, 255, 0, 255};
  char terminator_ = '\x03';
  bool terminatorDrucken_ = false;
  double zeichenbreite_ = 0.285, zeichenhoehe_ = 0.375;  // cm
  bool groesseRelativ_ = false;
  double relBreite_ = 0.75, relHoehe_ = 1.5;  // % of P2 - P1
  double richtungDx_ = 1, richtungDy_ = 0;
  bool richtungRelativ_ = false;

  // The polyline being drawn and the polygon buffer, in plotter units.
  std::vector<CadScheitel> linie_;
  bool polygon_ = false;
  std::vector<std::vector<CadScheitel>> polygonpfade_;
  std::size_t polygonpunkte_ = 0;
  std::array<bool, 256> layerAngelegt_{};
  std::size_t grenze_ = 0;
  std::size_t anweisungen_ = 0;  // instructions understood
};

}  // namespace quarzel
