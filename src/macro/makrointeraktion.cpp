#include "macro/makrointeraktion.h"

#include "macro/makrocompiler.h"
#include "macro/makrodatei.h"
#include "macro/makrodialogbau.h"
#include "macro/makrointerpreter.h"
#include "macro/makroprogramminfo.h"
#include "macro/makrosymbole.h"
#include "macro/makrotextdateien.h"
#include "macro/makrowerte.h"
#include "macro/makrozeichner.h"
#include "macro/quelltextdatei.h"
#include "macro/schreibweise.h"
#include "store/zeichnung.h"

namespace quarzel {

namespace {

Makrofehlerfall fall(Makrofehler code, std::string x = {}) {
  return {code, std::move(x), {}, {}, {}};
}

// A macro-unit offset as a world offset: the rubber bands are drawn relative
// to the cursor, turned with the coordinate system.
Weltpunkt weltversatz(const Zeichnung& z, double dx, double dy) {
  const double m = z.massstabInKraft();
  const Weltpunkt a = z.ansicht.userToWorld(dx, dy, m);
  const Weltpunkt o = z.ansicht.userToWorld(0, 0, m);
  return {a.x - o.x, a.y - o.y};
}

}  // namespace

Makrointeraktion::Makrointeraktion(Makrogegenueber& gegenueber, Makrointeraktionsumfeld umfeld)
    : gegenueber_(gegenueber),
      umfeld_(std::move(umfeld)),
      dateien_(std::make_unique<Makrotextdateien>(umfeld_.makroordner)),
      dialogbau_(std::make_unique<Makrodialogbau>()) {
  dialogbau_->setzeDateiordner(umfeld_.makroordner.string());
}

Makrointeraktion::~Makrointeraktion() = default;

void Makrointeraktion::laufEndet() {
  dateien_->schliesseAlle();
  dialogbau_->laufEndet(gegenueber_);
}

std::optional<Makrofehlerfall> Makrointeraktion::fuehreAus(Befehl b, Makrointerpreter& lauf) {
  const Befehlseintrag* e = eintrag(b);
  if (!e) return nichtVerfuegbar(b);
  letzterLauf_ = &lauf;
  switch (e->gruppe) {
    case Befehlsgruppe::Interaktion:
      return benutzerwort(b, lauf);
    case Befehlsgruppe::Textdatei:
      return dateien_->fuehreAus(b, lauf.stapel(), gegenueber_);
    case Befehlsgruppe::Symbol:
      if (b == Befehl::LOADSYM || b == Befehl::MOVESYMBOL) {
        if (!umfeld_.zeichnung) return nichtVerfuegbar(b);
        const Weltpunkt punkt = umfeld_.zeichner ? umfeld_.zeichner->zustand().punkt : Weltpunkt{};
        auto fehler = symbolwort(b, lauf.stapel(), *umfeld_.zeichnung, umfeld_.symbolordner, punkt);
        if (fehler) return fehler;
        // The placement is an undo step of its own; the figures after it
        // must not join it.
        if (umfeld_.zeichner) umfeld_.zeichner->neuerUndoSchritt();
        if (umfeld_.neuZeichnen) umfeld_.neuZeichnen();
        return std::nullopt;
      }
      if (!umfeld_.stueckliste) return nichtVerfuegbar(b);
      return stuecklistenwort(b, lauf.stapel(), *umfeld_.stueckliste);
    case Befehlsgruppe::Dialog:
    case Befehlsgruppe::Steuerelement:
      return dialogbau_->fuehreAus(b, lauf.stapel(), gegenueber_, umfeld_.zeichnung);
    default:
      return nichtVerfuegbar(b);
  }
}

std::optional<Makrofehlerfall> Makrointeraktion::benutzerwort(Befehl b, Makrointerpreter& lauf) {
  Makrostapel& s = lauf.stapel();
  switch (b) {
    case Befehl::ALERT:
      gegenueber_.warnung(s.oben());
      s.entferne(1);
      return std::nullopt;
    case Befehl::INFO:
      gegenueber_.information(s.oben());
      s.entferne(1);
      return std::nullopt;
    case Befehl::INFOBOX: {
      std::filesystem::path bild(s.oben(0));
      if (!bild.empty() && bild.is_relative()) bild = umfeld_.makroordner / bild;
      std::error_code fehler;
      const bool bildDa = !s.oben(0).empty() && std::filesystem::is_regular_file(bild, fehler);
      gegenueber_.infobox(s.oben(1), bildDa ? bild.string() : std::string());
      s.entferne(2);
      return std::nullopt;
    }
    case Befehl::QUESTION: {
      const bool ja = gegenueber_.frage(s.oben());
      s.oben() = ja ? "Ja" : "Nein";
      return std::nullopt;
    }
    case Befehl::INPUT: {
      // Cancelling gives an empty text, as an input box does.
      std::optional<std::string> text = gegenueber_.eingabe(s.oben());
      s.oben() = text ? std::move(*text) : std::string();
      return std::nullopt;
    }
    case Befehl::SHOWHINT:
      gegenueber_.zeigeHinweis(s.oben());
      s.entferne(1);
      return std::nullopt;
    case Befehl::HIDEHINT:
      gegenueber_.verbergeHinweis();
      return std::nullopt;
    case Befehl::GETFKEY: {
      if (!s.hatPlatz()) return fall(Makrofehler::SchwererFehler);
      int taste = gegenueber_.funktionstaste();
      if (taste < 2 || taste > 12) taste = 0;
      lauf.variablen().setzeZeile(Vordefiniert::Fkey, std::to_string(taste));
      s.lege(std::to_string(taste));
      return std::nullopt;
    }
    case Befehl::GETPINFO:
      if (!umfeld_.zeichnung) return nichtVerfuegbar(b);
      return programminfo(s, *umfeld_.zeichnung, umfeld_);
    default:
      return cursorwort(b, lauf);
  }
}

std::optional<Makrofehlerfall> Makrointeraktion::cursorwort(Befehl b, Makrointerpreter& lauf) {
  if (!umfeld_.zeichnung) return nichtVerfuegbar(b);
  const Zeichnung& z = *umfeld_.zeichnung;
  Makrostapel& s = lauf.stapel();
  Cursoranfrage anfrage;
  anfrage.wort = std::string(befehlswort(b));
  switch (b) {
    case Befehl::GETCURSOR:
      anfrage.art = Cursorart::Punkt;
      break;
    case Befehl::GETCURSORBOX:
      anfrage.art = Cursorart::Rechteck;
      break;
    case Befehl::GETLINE:
      anfrage.art = Cursorart::Linie;
      break;
    case Befehl::GETARC:
      anfrage.art = Cursorart::Bogen;
      break;
    case Befehl::GETSYMBOL:
      anfrage.art = Cursorart::Symbol;
      break;
    case Befehl::GETCURSORPLUS: {
      const double x = makrowert(s.oben(3)), y = makrowert(s.oben(2));
      const double bb = makrowert(s.oben(1)), h = makrowert(s.oben(0));
      anfrage.art = Cursorart::Plus;
      anfrage.gummiband = {weltversatz(z, x, y), weltversatz(z, x + bb, y), weltversatz(z, x + bb, y + h),
                           weltversatz(z, x, y + h), weltversatz(z, x, y)};
      s.entferne(4);
      break;
    }
    case Befehl::GETCURSORMOVE: {
      const double x1 = makrowert(s.oben(3)), y1 = makrowert(s.oben(2));
      const double x2 = makrowert(s.oben(1)), y2 = makrowert(s.oben(0));
      anfrage.art = Cursorart::Bewegung;
      anfrage.gummiband = {weltversatz(z, 0, 0), weltversatz(z, x2 - x1, y2 - y1)};
      s.entferne(4);
      break;
    }
    default:
      return nichtVerfuegbar(b);
  }
  if (!s.hatPlatz(4)) return fall(Makrofehler::SchwererFehler);
  anfrage_ = std::move(anfrage);
  wartenderLauf_ = &lauf;
  lauf.warteAufEingabe();
  gegenueber_.erwartePunkt(*anfrage_);
  return std::nullopt;
}

Laufende Makrointeraktion::beantworteCursor(const Cursorantwort& antwort) {
  if (!wartenderLauf_ || !anfrage_ || !wartenderLauf_->wartet()) return Laufende::Beendet;
  Makrointerpreter& lauf = *wartenderLauf_;
  const Cursorart art = anfrage_->art;
  wartenderLauf_ = nullptr;
  anfrage_.reset();
  if (antwort.abgebrochen || !umfeld_.zeichnung) {
    lauf.stoppe();
    return lauf.setzeFort();
  }
  const Zeichnung& z = *umfeld_.zeichnung;
  Makrostapel& s = lauf.stapel();
  Makrovariablen& v = lauf.variablen();
  const double m = z.massstabInKraft();
  const Benutzerpunkt p = z.ansicht.worldToUser(antwort.punkt.x, antwort.punkt.y, m);
  v.setzeZeile(Vordefiniert::Cursorx, makrozahl(p.x));
  v.setzeZeile(Vordefiniert::Cursory, makrozahl(p.y));
  v.setzeZeile(Vordefiniert::Mousebutton, std::to_string(antwort.maustaste));
  switch (art) {
    case Cursorart::Rechteck: {
      const Benutzerpunkt e = z.ansicht.worldToUser(antwort.erster.x, antwort.erster.y, m);
      s.lege(makrozahl(e.x));
      s.lege(makrozahl(e.y));
      s.lege(makrozahl(p.x));
      s.lege(makrozahl(p.y));
      break;
    }
    case Cursorart::Linie:
      s.legeWahrheit(umfeld_.zeichner && umfeld_.zeichner->setzeLinienvariablen(antwort.element, v));
      break;
    case Cursorart::Bogen:
      s.legeWahrheit(umfeld_.zeichner && umfeld_.zeichner->setzeBogenvariablen(antwort.element, v));
      break;
    case Cursorart::Symbol:
      s.lege(symbolAnElement(z, antwort.element).value_or("nosymbol"));
      break;
    default:
      s.lege(makrozahl(p.x));
      s.lege(makrozahl(p.y));
      break;
  }
  return lauf.setzeFort();
}

void Makrointeraktion::livebuttonGedrueckt(int nummer) {
  const Steuerelement* knopf = dialogbau_->dialog().finde(Steuerelementart::Livebutton, nummer);
  if (!knopf || knopf->eintraege.empty() || !letzterLauf_) return;
  const std::string& name = knopf->eintraege.front();
  std::filesystem::path pfad(name);
  if (pfad.is_relative()) pfad = umfeld_.makroordner / pfad;
  std::optional<Tokenprogramm> programm;
  if (grossschreibung(pfad.extension().string()) == Makroendung) {
    Makroleseergebnis gelesen = leseMakrodatei(pfad);
    if (gelesen.status == Makrolesestatus::Gelesen) programm = std::move(gelesen.programm);
  } else {
    const Quelltextergebnis quelle = leseQuelltext(pfad);
    if (quelle.status == Quelltextstatus::Gelesen) programm = kompiliereText(quelle.text);
  }
  if (!programm) {
    gegenueber_.warnung(makrofehlertext(Makrofehler::MakroFehlt, name));
    return;
  }
  Makrostart start;
  start.programmordner = umfeld_.programmordner.string();
  letzterLauf_->laufeVerschachtelt(std::move(*programm), start);
}

}  // namespace quarzel
