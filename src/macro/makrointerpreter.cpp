#include "macro/makrointerpreter.h"

#include <exception>
#include <stdexcept>

#include "macro/makrocompiler.h"
#include "macro/makrorechnen.h"
#include "macro/makroumgebung.h"
#include "macro/makrovorpruefung.h"
#include "macro/makrowerte.h"
#include "platform/benutzer.h"
#include "platform/uhr.h"
#include "store/zeichnung.h"

namespace quarzel {

namespace {

// The words with a fast path of their own; a failure inside them is
// reported with the trace variant of the unknown error.
bool hatSchnellweg(Befehl b) {
  switch (b) {
    case Befehl::ADD:
    case Befehl::SUB:
    case Befehl::MUL:
    case Befehl::DIV:
    case Befehl::MOVETO:
    case Befehl::LINETO:
    case Befehl::Schleifenanfang:
    case Befehl::Schleifenende:
    case Befehl::DEF:
      return true;
    default:
      return false;
  }
}

bool istZeichenwort(Befehlsgruppe g) {
  return g == Befehlsgruppe::Figur || g == Befehlsgruppe::Textfigur || g == Befehlsgruppe::Stil ||
         g == Befehlsgruppe::Umgebung;
}

}  // namespace

Makrointerpreter::Makrointerpreter() = default;
Makrointerpreter::~Makrointerpreter() = default;

void Makrointerpreter::bereiteVor(Tokenprogramm programm, const Makrostart& start) {
  lauf_ = Lauf{};
  if (!programm.abgeschlossen()) programm.schliesseAb();
  lauf_.programm = std::move(programm);
  lauf_.ausDatei = start.ausDatei;
  lauf_.zufall.seed(std::random_device{}());
  stopp_.store(false, std::memory_order_relaxed);
  takt_ = 0;
  melder_.vergiss();
  warnungen_.clear();

  Makroumgebung umgebung = zeichnung_ ? makroumgebungAus(*zeichnung_) : Makroumgebung{};
  umgebung.progpath = start.programmordner;
  lauf_.variablen.legeVordefinierteAn(umgebung);

  if (start.debugmodus && !start.ausDatei) {
    warnungen_ = strukturwarnungen(zaehleStruktur(lauf_.programm));
    for (const std::string& w : warnungen_) {
      if (benutzer_) benutzer_->meldung(w, Meldungsart::Warnung);
    }
    if (!warnungen_.empty()) stopp_.store(true, std::memory_order_relaxed);
  }
}

Laufende Makrointerpreter::starte(Tokenprogramm programm, const Makrostart& start) {
  bereiteVor(std::move(programm), start);
  if (zeichner_) zeichner_->laufBeginnt();
  return laufe();
}

Laufende Makrointerpreter::starteQuelltext(std::string_view quelltext, const Makrostart& start) {
  return starte(kompiliereText(quelltext), start);
}

Laufende Makrointerpreter::setzeFort() {
  if (!lauf_.wartet) return Laufende::Beendet;
  lauf_.wartet = false;
  ++lauf_.pc;
  if (gestoppt()) {
    if (zeichner_) zeichner_->laufEndet();
    if (erweiterung_) erweiterung_->laufEndet();
    return lauf_.fehler ? Laufende::Fehler : Laufende::Gestoppt;
  }
  if (lauf_.pc >= lauf_.programm.laenge() || lauf_.programm.endetLauf(lauf_.pc)) {
    if (zeichner_) zeichner_->laufEndet();
    if (erweiterung_) erweiterung_->laufEndet();
    return Laufende::Beendet;
  }
  return laufe();
}

Laufende Makrointerpreter::laufeVerschachtelt(Tokenprogramm programm, const Makrostart& start) {
  if (beiseite_.size() >= HoechsteLauftiefe) {
    melde({Makrofehler::RekursiverAufruf, "RUN", {}, {}, {}});
    stoppe();
    return Laufende::Fehler;
  }
  // The nested run has a stop flag and an error of its own; an error there
  // does not end the outer run, a stop request does.
  beiseite_.push_back(std::move(lauf_));
  const bool warStopp = gestoppt();
  bereiteVor(std::move(programm), start);
  const Laufende ende = laufe();
  lauf_ = std::move(beiseite_.back());
  beiseite_.pop_back();
  if (warStopp || ende == Laufende::Gestoppt)
    stoppe();
  else
    stopp_.store(false, std::memory_order_relaxed);
  return ende;
}

Laufende Makrointerpreter::laufe() {
  const Tokenprogramm& p = lauf_.programm;
  try {
    while (lauf_.pc < p.laenge()) {
      fuehreTokenAus();
      if (lauf_.wartet) return Laufende::Wartet;
      ++lauf_.pc;
      if (gestoppt()) break;
      if (lauf_.pc >= p.laenge() || p.endetLauf(lauf_.pc)) break;
      if (erweiterung_ && ++takt_ >= nachrichtentakt_) {
        takt_ = 0;
        erweiterung_->verarbeiteNachrichten();
        // The abort button may have been pressed meanwhile.
        if (gestoppt()) break;
      }
    }
  } catch (const std::exception&) {
    melde({Makrofehler::UnbekannterFehlerAbbruch,
           std::string(lauf_.pc < p.laenge() ? p.inhalt(lauf_.pc) : ""),
           {},
           {},
           {}});
    stoppe();
  }
  // A nested run shares the drawing state and the open files of the run
  // around it; only the outermost run closes them.
  if (beiseite_.empty()) {
    if (zeichner_) zeichner_->laufEndet();
    if (erweiterung_) erweiterung_->laufEndet();
  }
  if (lauf_.fehler) return Laufende::Fehler;
  return gestoppt() ? Laufende::Gestoppt : Laufende::Beendet;
}

bool Makrointerpreter::melde(const Makrofehlerfall& fall) {
  const std::size_t i = lauf_.pc;
  const std::uint32_t zeile = i < lauf_.programm.laenge() ? lauf_.programm.zeile(i) : 0;
  if (!melder_.melde(fall, lauf_.unterprogramm, lauf_.ausDatei, i, zeile)) return false;
  lauf_.fehler = true;
  stoppe();
  return true;
}

void Makrointerpreter::fuehreTokenAus() {
  const std::size_t i = lauf_.pc;
  const Tokenprogramm& p = lauf_.programm;
  if (p.art(i) != Tokenart::Befehl) {
    try {
      legeDaten(i);
    } catch (const std::exception&) {
      melde({Makrofehler::SchwererFehler, std::string(p.inhalt(i)), {}, {}, {}});
    }
    return;
  }
  const Befehl b = p.befehl(i);
  std::optional<Makrofehlerfall> fehler;
  try {
    fehler = fuehreBefehlAus(b);
  } catch (const std::exception& e) {
    meldeAusnahme(b, e.what());
    return;
  }
  if (fehler) {
    if (fehler->x.empty() && fehler->code != Makrofehler::UnterprogrammFehlt) fehler->x = befehlswort(b);
    melde(*fehler);
  }
}

void Makrointerpreter::meldeAusnahme(Befehl b, const char* was) {
  Makrofehlerfall f;
  f.x = std::string(befehlswort(b));
  if (hatSchnellweg(b)) {
    f.code = Makrofehler::UnbekannterFehlerMitSpur;
    f.spur1 = was;
    f.spur2 = "(Token " + std::to_string(lauf_.pc) + ")";
  } else {
    f.code = Makrofehler::UnbekannterFehler;
  }
  melde(f);
}

void Makrointerpreter::legeDaten(std::size_t i) {
  const Tokenprogramm& p = lauf_.programm;
  Makrostapel& s = lauf_.stapel;
  if (!s.hatPlatz()) {
    melde({Makrofehler::SchwererFehler, std::string(p.inhalt(i)), {}, {}, {}});
    return;
  }
  if (p.art(i) == Tokenart::Literal) {
    s.lege(std::string(p.inhalt(i)));
    return;
  }
  const Makrovariablen& v = lauf_.variablen;
  if (p.hatIndex(i)) {
    // a[i] -> a[3]: the index is looked up, then the whole name.
    const std::string_view t = p.text(i);
    const std::size_t auf = t.find('[');
    const std::size_t zu = t.find(']', auf);
    if (const std::string* index = v.findeKlein(p.klein(i).substr(auf + 1, zu - auf - 1))) {
      std::string name = std::string(t.substr(0, auf + 1)) + *index + std::string(t.substr(zu));
      if (const std::string* wert = v.finde(name)) {
        s.lege(*wert);
      } else {
        s.lege(std::move(name));
      }
      return;
    }
  }
  if (const std::string* wert = v.findeKlein(p.klein(i))) {
    s.lege(*wert);
    return;
  }
  s.lege(std::string(p.text(i)));
}

std::optional<Makrofehlerfall> Makrointerpreter::fuehreBefehlAus(Befehl b) {
  const Befehlseintrag* e = eintrag(b);
  if (!e) return Makrofehlerfall{Makrofehler::UnbekannterFehler, {}, {}, {}, {}};
  Makrostapel& s = lauf_.stapel;
  if (s.groesse() < static_cast<std::size_t>(e->mindestens)) {
    return Makrofehlerfall{Makrofehler::ZuwenigParameter, {}, {}, {}, {}};
  }
  if (istRechenwort(b)) {
    Rechenumfeld umfeld{lauf_.variablen, lauf_.zufall, {}};
    if (b == Befehl::TEXTWIDTH) {
      umfeld.textbreite = [this](std::string_view t) {
        if (zeichner_) return zeichner_->textbreite(t);
        return textbreiteOhneSchrift(t);
      };
    }
    return rechne(b, s, umfeld);
  }
  if (e->gruppe == Befehlsgruppe::Ablauf) return ablaufwort(b);
  if (istZeichenwort(e->gruppe)) {
    if (!zeichner_) return nichtVerfuegbar(b);
    if (const auto code = zeichner_->fuehreAus(b, s, lauf_.variablen)) {
      if (*code == Makrofehler::UnbekannterFehler && hatSchnellweg(b)) {
        // MOVETO and LINETO are fast paths: an operand that is no number
        // ends the run with the trace variant, as for ADD.
        return Makrofehlerfall{Makrofehler::UnbekannterFehlerMitSpur,
                               std::string(befehlswort(b)),
                               "Ungültiger Gleitkommawert",
                               "(Token " + std::to_string(lauf_.pc) + ")",
                               {}};
      }
      return Makrofehlerfall{*code, zeichner_->fehlerbezug(), {}, {}, {}};
    }
    return std::nullopt;
  }
  if (!erweiterung_) return nichtVerfuegbar(b);
  return erweiterung_->fuehreAus(b, *this);
}

}  // namespace quarzel
