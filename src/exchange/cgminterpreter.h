// CgmInterpreter: the meaning of the CGM elements, whatever their encoding;
// keeps the attributes and the coordinate mapping and fills the model.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "exchange/cadmodell.h"
#include "exchange/cgmparameter.h"

namespace quarzel {

class CgmInterpreter {
 public:
  // `groesse`: the file's bytes, which bound how finely curves are sampled.
  CgmInterpreter(CadModell& m, std::size_t groesse);

  // False once the metafile has ended.
  bool element(int klasse, int id, CgmParameter& p);
  void vorgabenBeginnen() {}
  // What the defaults replacement set holds for every following picture.
  void vorgabenEnden() { vorgabe_ = z_; }
  void abschliessen();
  const CgmGenauigkeit& genauigkeit() const { return g_; }

 private:
  struct Strich {
    CgmFarbwert farbe{false, 1};  // resolved when drawn: the table may change
    int typ = 1;
    double breite = 0.25;  // millimetres
  };
  struct Zustand {
    bool direkt = false;
    int breitenmodus = 1, kantenmodus = 1;  // 0 absolute, 1 scaled, 2 fractional
    double x1 = 0, y1 = 0, x2 = 32767, y2 = 32767;
    int skalierung = 0;  // 0 abstract, 1 metric
    double faktor = 1;
    Strich linie, kante;
    CgmFarbwert fuellfarbe{false, 1}, textfarbe{false, 1};
    int innen = 0;  // 0 hollow, 1 solid, 2 pattern, 3 hatch, 4 empty
    bool kanteSichtbar = false;
    double zeichenhoehe = 1;
    double obenX = 0, obenY = 1, basisX = 1, basisY = 0;
    int ausrichtungH = 0, ausrichtungV = 0;
    std::vector<std::uint32_t> farbtabelle;
    double farbMin[3] = {0, 0, 0}, farbMax[3] = {255, 255, 255};
  };

  void beschreibung(int id, CgmParameter& p);
  void bildbeschreibung(int id, CgmParameter& p);
  void steuerung(int id, CgmParameter& p);
  void grundelement(int id, CgmParameter& p);
  void attribut(int id, CgmParameter& p);
  void bildBeginnen();

  CadPunkt punkt(CgmParameter& p);
  CadPunkt richtung(CgmParameter& p);
  double laenge(double vdc) const;
  double breite(int modus, double wert) const;
  std::uint32_t rgb(const CgmFarbwert& f) const;
  std::uint32_t linientyp(int typ);
  bool gespiegelt() const;

  CadEntitaet neu(CadArt art, const Strich& s);
  void linienzug(const std::vector<CadPunkt>& punkte, bool geschlossen, const Strich& s);
  // A closed shape: filled or outlined by the interior style, its edge when visible.
  void form(const std::vector<CadScheitel>& ring, const CadEntitaet* randStatt);
  void flaeche(const std::vector<std::vector<CadScheitel>>& ringe, const CadEntitaet* randStatt);
  void rand(const std::vector<CadScheitel>& ring, const CadEntitaet* randStatt, const Strich& s);
  void polygonsatz(CgmParameter& p);
  void bogenform(CadPunkt mitte, double r, double anfang, double ende, int schluss);
  void ellipse(CgmParameter& p, bool bogen, bool geschlossen);
  // Cubic Bézier segments: joined (each after the first adds three points) or each of four of its own.
  void bezier(const std::vector<CadPunkt>& q, bool stetig);
  void text(CgmParameter& p, int art);
  void textAusgeben();
  void hinzu(const CadEntitaet& e);

  CadModell& m_;
  std::size_t groesse_;
  CgmGenauigkeit g_;
  Zustand z_, vorgabe_;
  int bilder_ = 0;
  std::uint32_t layer_ = kKeinIndex;
  std::optional<CadEntitaet> offenerText_;
  std::string offenerInhalt_;
};

}  // namespace quarzel
