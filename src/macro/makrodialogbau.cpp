#include "macro/makrodialogbau.h"

#include <filesystem>

#include "macro/makroanschluesse.h"
#include "macro/makrogegenueber.h"
#include "macro/makrostapel.h"
#include "macro/makrowerte.h"
#include "store/zeichnung.h"

namespace quarzel {

namespace {

// A hostile macro must not make the window lay out millions of things.
constexpr int HoechsteGroesse = 100000;
constexpr std::int64_t HoechsteZellen = 1'000'000;
constexpr std::size_t HoechsteStriche = 100000;

Makrofehlerfall fall(Makrofehler code, std::string x = {}) {
  return {code, std::move(x), {}, {}, {}};
}

Makrofehlerfall ungueltig() {
  return fall(Makrofehler::UngueltigerParameter);
}

// Integer operand at `tiefe`, within ±HoechsteGroesse.
std::optional<int> ganz(const Makrostapel& s, std::size_t tiefe) {
  const auto n = liesGanzzahl(s.oben(tiefe));
  if (!n || *n < -HoechsteGroesse || *n > HoechsteGroesse) return std::nullopt;
  return static_cast<int>(*n);
}

std::vector<std::string> teile(std::string_view text) {
  std::vector<std::string> teile;
  if (text.empty()) return teile;
  std::size_t anfang = 0;
  while (true) {
    const std::size_t ende = text.find(';', anfang);
    teile.emplace_back(text.substr(anfang, ende == std::string_view::npos ? std::string_view::npos : ende - anfang));
    if (ende == std::string_view::npos) break;
    anfang = ende + 1;
  }
  return teile;
}

std::string_view ohneKlammern(std::string_view text) {
  if (text.size() >= 2 && text.front() == '(' && text.back() == ')') return text.substr(1, text.size() - 2);
  return text;
}

// How many of a kind a dialog may hold, 0 for no limit.
int grenze(Steuerelementart art) {
  switch (art) {
    case Steuerelementart::Label:
      return Makrodialog::HoechstLabels;
    case Steuerelementart::Radiobutton:
      return Makrodialog::HoechstRadiobuttons;
    case Steuerelementart::Checkbox:
      return Makrodialog::HoechstCheckboxen;
    case Steuerelementart::Edit:
      return Makrodialog::HoechstEdits;
    default:
      return 0;
  }
}

Farbe byteFarbe(std::int64_t r, std::int64_t g, std::int64_t b) {
  return rgb(static_cast<std::uint8_t>(r), static_cast<std::uint8_t>(g), static_cast<std::uint8_t>(b));
}

}  // namespace

bool Makrodialogbau::bildFehlt(const std::string& datei) const {
  std::filesystem::path pfad(datei);
  if (pfad.is_relative() && !dateiordner_.empty()) pfad = std::filesystem::path(dateiordner_) / pfad;
  std::error_code fehler;
  return !std::filesystem::is_regular_file(pfad, fehler);
}

void Makrodialogbau::laufEndet(Makrogegenueber& gegenueber) {
  if (zustand_ == Zustand::Live || zustand_ == Zustand::LiveFertig) gegenueber.schliesseLivedialog();
  zustand_ = Zustand::Keiner;
}

std::optional<Makrofehlerfall> Makrodialogbau::fuehreAus(Befehl b, Makrostapel& s, Makrogegenueber& gegenueber,
                                                         Zeichnung* zeichnung) {
  const Befehlseintrag* e = eintrag(b);
  if (e && e->gruppe == Befehlsgruppe::Dialog) return baue(b, s, gegenueber);
  return greifeZu(b, s, gegenueber, zeichnung);
}

std::optional<Makrofehlerfall> Makrodialogbau::baue(Befehl b, Makrostapel& s, Makrogegenueber& gegenueber) {
  switch (b) {
    case Befehl::BEGINDIALOG: {
      if (zustand_ == Zustand::ImBau) return fall(Makrofehler::InDialogNichtErlaubt);
      if (zustand_ == Zustand::Live) return fall(Makrofehler::ImLivedialogNichtErlaubt);
      const auto breite = ganz(s, 1), hoehe = ganz(s, 0);
      if (!breite || !hoehe) return ungueltig();
      if (zustand_ == Zustand::LiveFertig) gegenueber.schliesseLivedialog();
      dialog_ = Makrodialog{};
      if (!s.oben(2).empty()) dialog_.titel = s.oben(2);
      dialog_.breite = *breite;
      dialog_.hoehe = *hoehe;
      offenerRahmen_ = -1;
      zustand_ = Zustand::ImBau;
      hatDialog_ = true;
      s.entferne(3);
      return std::nullopt;
    }
    case Befehl::ENDDIALOG: {
      if (!s.hatPlatz()) return fall(Makrofehler::SchwererFehler);
      if (zustand_ == Zustand::Live) {
        zustand_ = Zustand::LiveFertig;
        s.lege("0");
        return std::nullopt;
      }
      if (zustand_ != Zustand::ImBau) return fall(Makrofehler::AusserhalbDialogNichtErlaubt);
      offenerRahmen_ = -1;
      zustand_ = Zustand::Keiner;
      const Dialogergebnis ergebnis = gegenueber.zeigeDialog(dialog_);
      s.lege(std::to_string(ergebnis.knopf));
      return std::nullopt;
    }
    case Befehl::SHOWLIVEDIALOG:
      if (zustand_ == Zustand::Live) return fall(Makrofehler::ImLivedialogNichtErlaubt);
      if (zustand_ != Zustand::ImBau) return fall(Makrofehler::AusserhalbDialogNichtErlaubt);
      offenerRahmen_ = -1;
      zustand_ = Zustand::Live;
      gegenueber.zeigeLivedialog(dialog_);
      return std::nullopt;
    case Befehl::ENDLIVEDIALOG:
      if (zustand_ == Zustand::Live || zustand_ == Zustand::LiveFertig) {
        gegenueber.schliesseLivedialog();
        zustand_ = Zustand::Keiner;
      }
      return std::nullopt;
    default:
      break;
  }
  if (zustand_ == Zustand::Live) return fall(Makrofehler::ImLivedialogNichtErlaubt);
  if (zustand_ != Zustand::ImBau) return fall(Makrofehler::AusserhalbDialogNichtErlaubt);
  switch (b) {
    case Befehl::BEGINFRAME:
    case Befehl::BEGINPANEL:
    case Befehl::ENDFRAME:
    case Befehl::ENDPANEL:
      return rahmenwort(b, s);
    default:
      return fuegeHinzu(b, s);
  }
}

std::optional<Makrofehlerfall> Makrodialogbau::rahmenwort(Befehl b, Makrostapel& s) {
  if (b == Befehl::ENDFRAME || b == Befehl::ENDPANEL) {
    const Steuerelementart art = b == Befehl::ENDFRAME ? Steuerelementart::Frame : Steuerelementart::Panel;
    if (offenerRahmen_ < 0 || dialog_.elemente[static_cast<std::size_t>(offenerRahmen_)].art != art) {
      return fall(b == Befehl::ENDFRAME ? Makrofehler::EndframeOhneBeginframe : Makrofehler::EndpanelOhneBeginpanel);
    }
    offenerRahmen_ = -1;
    return std::nullopt;
  }
  if (offenerRahmen_ >= 0) return fall(Makrofehler::FramesVerschachtelt);
  const bool frame = b == Befehl::BEGINFRAME;
  const auto x = ganz(s, 3), y = ganz(s, 2), breite = ganz(s, 1), hoehe = ganz(s, 0);
  if (!x || !y || !breite || !hoehe) return ungueltig();
  Steuerelement e;
  e.art = frame ? Steuerelementart::Frame : Steuerelementart::Panel;
  e.nummer = dialog_.anzahl(e.art) + 1;
  if (frame) e.text = s.oben(4);
  e.x = *x;
  e.y = *y;
  e.breite = *breite;
  e.hoehe = *hoehe;
  dialog_.elemente.push_back(std::move(e));
  offenerRahmen_ = static_cast<int>(dialog_.elemente.size() - 1);
  s.entferne(frame ? 5 : 4);
  return std::nullopt;
}

std::optional<Makrofehlerfall> Makrodialogbau::fuegeHinzu(Befehl b, Makrostapel& s) {
  Steuerelement e;
  e.rahmen = offenerRahmen_;
  std::size_t verbraucht = 0;
  // Most words end in "x y" or "x y b h"; the position is read at `pos`.
  auto position = [&](std::size_t pos) {
    const auto x = ganz(s, pos + 1), y = ganz(s, pos);
    if (!x || !y) return false;
    e.x = *x;
    e.y = *y;
    return true;
  };
  auto masse = [&](std::size_t tiefeBreite, std::optional<std::size_t> tiefeHoehe) {
    const auto breite = ganz(s, tiefeBreite);
    if (!breite || *breite < 0) return false;
    e.breite = *breite;
    if (tiefeHoehe) {
      const auto hoehe = ganz(s, *tiefeHoehe);
      if (!hoehe || *hoehe < 0) return false;
      e.hoehe = *hoehe;
    }
    return true;
  };
  switch (b) {
    case Befehl::LABEL:
    case Befehl::BUTTON:
    case Befehl::HELPBUTTON:
    case Befehl::RADIOBUTTON:
    case Befehl::CHECKBOX:
      e.art = b == Befehl::LABEL         ? Steuerelementart::Label
              : b == Befehl::BUTTON      ? Steuerelementart::Button
              : b == Befehl::HELPBUTTON  ? Steuerelementart::Hilfebutton
              : b == Befehl::RADIOBUTTON ? Steuerelementart::Radiobutton
                                         : Steuerelementart::Checkbox;
      if (!position(0)) return ungueltig();
      e.text = s.oben(2);
      if (e.art == Steuerelementart::Radiobutton || e.art == Steuerelementart::Checkbox) e.wert = "0";
      verbraucht = 3;
      break;
    case Befehl::EDIT:
    case Befehl::DEFAULTEDIT: {
      const std::size_t t = b == Befehl::DEFAULTEDIT ? 1 : 0;
      e.art = Steuerelementart::Edit;
      if (!position(t) || !masse(t + 2, std::nullopt)) return ungueltig();
      if (t == 1) e.wert = s.oben(0);
      verbraucht = 3 + t;
      break;
    }
    case Befehl::SPINEDIT: {
      e.art = Steuerelementart::Spinedit;
      const auto min = liesMakrowert(s.oben(2)), max = liesMakrowert(s.oben(1)), wert = liesMakrowert(s.oben(0));
      if (!position(3) || !masse(5, std::nullopt) || !min || !max || !wert) return ungueltig();
      e.minimum = *min;
      e.maximum = *max;
      e.wert = makrozahl(*wert);
      verbraucht = 6;
      break;
    }
    case Befehl::NUMIROEDIT: {
      e.art = Steuerelementart::Numiroedit;
      const auto min = liesMakrowert(s.oben(2)), max = liesMakrowert(s.oben(1));
      const auto stellen = liesGanzzahl(s.oben(0));
      if (!position(4) || !masse(6, std::nullopt) || !min || !max || !stellen || *stellen < 0 || *stellen > 15) {
        return ungueltig();
      }
      e.wert = s.oben(3);
      e.minimum = *min;
      e.maximum = *max;
      e.nachkommastellen = static_cast<int>(*stellen);
      verbraucht = 7;
      break;
    }
    case Befehl::COMBOBOX:
      e.art = Steuerelementart::Combobox;
      if (!position(1) || !masse(3, std::nullopt)) return ungueltig();
      e.eintraege = teile(s.oben(0));
      if (!e.eintraege.empty()) e.wert = e.eintraege.front();
      verbraucht = 4;
      break;
    case Befehl::LISTBOX:
    case Befehl::IMAGELISTBOX: {
      const std::size_t t = b == Befehl::IMAGELISTBOX ? 1 : 0;
      e.art = t ? Steuerelementart::Imagelistbox : Steuerelementart::Listbox;
      if (!position(t + 1) || !masse(t + 4, t + 3)) return ungueltig();
      e.eintraege = teile(s.oben(t));
      if (t) e.bilder = teile(s.oben(0));
      e.wert = "-1";
      verbraucht = 5 + t;
      break;
    }
    case Befehl::RADIOGROUP:
      e.art = Steuerelementart::Radiogroup;
      if (!position(1) || !masse(4, 3)) return ungueltig();
      e.text = s.oben(5);
      e.eintraege = teile(ohneKlammern(s.oben(0)));
      e.wert = "-1";
      verbraucht = 6;
      break;
    case Befehl::STRINGGRID: {
      e.art = Steuerelementart::Stringgrid;
      const auto spalten = ganz(s, 4), zeilen = ganz(s, 3), festS = ganz(s, 2), festZ = ganz(s, 1), breite = ganz(s, 0);
      if (!position(5) || !masse(8, 7) || !spalten || !zeilen || !festS || !festZ || !breite || *spalten < 0 ||
          *zeilen < 0 || static_cast<std::int64_t>(*spalten) * *zeilen > HoechsteZellen) {
        return ungueltig();
      }
      e.spalten = *spalten;
      e.zeilen = *zeilen;
      e.festeSpalten = *festS;
      e.festeZeilen = *festZ;
      e.zellen.assign(static_cast<std::size_t>(*spalten) * static_cast<std::size_t>(*zeilen), std::string());
      e.spaltenbreiten.assign(static_cast<std::size_t>(*spalten), *breite);
      verbraucht = 9;
      break;
    }
    case Befehl::IMAGE:
    case Befehl::IMAGEBUTTON:
      e.art = b == Befehl::IMAGE ? Steuerelementart::Image : Steuerelementart::Imagebutton;
      if (!position(3) || !masse(2, 1)) return ungueltig();
      e.bild = s.oben(5);
      if (bildFehlt(e.bild)) return fall(Makrofehler::DateiFehlt, e.bild);
      e.hinweis = s.oben(0);
      verbraucht = 6;
      break;
    case Befehl::PAINTBOX:
      e.art = Steuerelementart::Paintbox;
      if (!position(2) || !masse(1, 0)) return ungueltig();
      verbraucht = 4;
      break;
    case Befehl::LIVEBUTTON:
      e.art = Steuerelementart::Livebutton;
      if (!position(4) || !masse(3, 2)) return ungueltig();
      e.text = s.oben(7);
      e.eintraege = {s.oben(6)};  // the macro file it runs
      e.bild = s.oben(1);
      if (!e.bild.empty() && e.bild != " " && bildFehlt(e.bild)) return fall(Makrofehler::DateiFehlt, e.bild);
      e.hinweis = s.oben(0);
      verbraucht = 8;
      break;
    default:
      return nichtVerfuegbar(b);
  }
  e.nummer = dialog_.anzahl(e.art) + 1;
  if (const int g = grenze(e.art); g > 0 && e.nummer > g) {
    Makrofehlerfall f = fall(Makrofehler::SchwererFehler);
    f.eigenerText = "Ein Makrodialog fasst höchstens " + std::to_string(g) + " Elemente der Art " +
                    std::string(steuerelementname(e.art)) + ".";
    return f;
  }
  dialog_.elemente.push_back(std::move(e));
  s.entferne(verbraucht);
  return std::nullopt;
}

std::optional<Makrofehlerfall> Makrodialogbau::greifeZu(Befehl b, Makrostapel& s, Makrogegenueber& gegenueber,
                                                        Zeichnung* zeichnung) {
  if (!hatDialog_) return fall(Makrofehler::AusserhalbDialogNichtErlaubt);
  std::optional<Makrofehlerfall> fehler;
  switch (b) {
    case Befehl::SETDEFAULT: {
      const auto n = ganz(s, 0);
      if (!n) return ungueltig();
      dialog_.standardknopf = *n;
      s.entferne(1);
      break;
    }
    case Befehl::SETDIALOGCOLOR:
    case Befehl::SETBORDERCOLOR: {
      const auto r = liesGanzzahl(s.oben(2)), g = liesGanzzahl(s.oben(1)), bl = liesGanzzahl(s.oben(0));
      if (!r || !g || !bl) return ungueltig();
      (b == Befehl::SETDIALOGCOLOR ? dialog_.hintergrund : dialog_.randfarbe) = byteFarbe(*r, *g, *bl);
      s.entferne(3);
      break;
    }
    case Befehl::SETSPINEDIT: {
      const auto n = ganz(s, 1);
      const auto wert = liesMakrowert(s.oben(0));
      Steuerelement* e = n ? dialog_.finde(Steuerelementart::Spinedit, *n) : nullptr;
      if (!e || !wert) return ungueltig();
      e->wert = makrozahl(*wert);
      e->geaendert = false;
      s.entferne(2);
      break;
    }
    case Befehl::SETCOLWIDTH:
    case Befehl::SETCELL:
    case Befehl::GETCELL:
    case Befehl::GRIDCLEAR:
    case Befehl::GRIDDIM:
      fehler = tabellenwort(b, s);
      break;
    case Befehl::PBCLEAR:
    case Befehl::BEGINPAINT:
    case Befehl::ENDPAINT:
      fehler = malwort(b, s, zeichnung);
      break;
    default: {
      // The words that name a control by kind and number.
      const std::size_t anzahl = static_cast<std::size_t>(eintrag(b)->mindestens);
      const auto art = steuerelementartAus(s.oben(anzahl - 1));
      const auto n = ganz(s, anzahl - 2);
      Steuerelement* e = art && n ? dialog_.finde(*art, *n) : nullptr;
      if (!e) return ungueltig();
      switch (b) {
        case Befehl::SETVALUE:
          if (e->art == Steuerelementart::Checkbox || e->art == Steuerelementart::Radiobutton) {
            e->wert = makrowahr(s.oben(0)) ? "1" : "0";
          } else if (e->art == Steuerelementart::Listbox || e->art == Steuerelementart::Imagelistbox ||
                     e->art == Steuerelementart::Radiogroup) {
            const auto i = liesGanzzahl(s.oben(0));
            if (!i || *i < -1 || *i >= static_cast<std::int64_t>(e->eintraege.size())) return ungueltig();
            e->wert = std::to_string(*i);
          } else {
            e->wert = s.oben(0);
          }
          e->geaendert = false;
          break;
        case Befehl::GETVALUE:
        case Befehl::ISCHANGED:
        case Befehl::ISFOCUSED: {
          std::string wert = b == Befehl::GETVALUE    ? e->wert
                             : b == Befehl::ISCHANGED ? (e->geaendert ? "1" : "0")
                                                      : (e->fokus ? "1" : "0");
          s.entferne(1);
          s.oben() = std::move(wert);
          return std::nullopt;
        }
        case Befehl::SETELEMENTCOLOR: {
          const auto r = liesGanzzahl(s.oben(2)), g = liesGanzzahl(s.oben(1)), bl = liesGanzzahl(s.oben(0));
          if (!r || !g || !bl) return ungueltig();
          e->farbe = byteFarbe(*r, *g, *bl);
          break;
        }
        case Befehl::SETELEMENTFONT: {
          const auto groesse = ganz(s, 1), stil = ganz(s, 0);
          if (!groesse || !stil) return ungueltig();
          e->schrift = s.oben(2);
          e->schriftgroesse = *groesse;
          e->schriftstil = *stil;
          break;
        }
        case Befehl::SETELEMENTVISIBLE:
          e->sichtbar = makrowahr(s.oben(0));
          break;
        case Befehl::SETELEMENTENABLED:
          e->aktiv = makrowahr(s.oben(0));
          break;
        case Befehl::SETHINT:
          e->hinweis = s.oben(0);
          break;
        default:
          return nichtVerfuegbar(b);
      }
      s.entferne(anzahl);
      break;
    }
  }
  if (fehler) return fehler;
  if (zustand_ == Zustand::Live || zustand_ == Zustand::LiveFertig) gegenueber.livedialogGeaendert();
  return std::nullopt;
}

std::optional<Makrofehlerfall> Makrodialogbau::tabellenwort(Befehl b, Makrostapel& s) {
  const std::size_t anzahl = static_cast<std::size_t>(eintrag(b)->mindestens);
  const auto n = ganz(s, anzahl - 1);
  Steuerelement* e = n ? dialog_.finde(Steuerelementart::Stringgrid, *n) : nullptr;
  if (!e) return ungueltig();
  // Cell (spalte, zeile) from 0; false when it lies outside the grid.
  auto zelle = [&](std::size_t tiefeSpalte) -> std::string* {
    const auto sp = ganz(s, tiefeSpalte), ze = ganz(s, tiefeSpalte - 1);
    if (!sp || !ze || *sp < 0 || *ze < 0 || *sp >= e->spalten || *ze >= e->zeilen) return nullptr;
    return &e->zellen[static_cast<std::size_t>(*ze) * static_cast<std::size_t>(e->spalten) +
                      static_cast<std::size_t>(*sp)];
  };
  switch (b) {
    case Befehl::SETCOLWIDTH: {
      const auto sp = ganz(s, 1), breite = ganz(s, 0);
      if (!sp || !breite || *sp < 0 || *sp >= e->spalten || *breite < 0) return ungueltig();
      e->spaltenbreiten[static_cast<std::size_t>(*sp)] = *breite;
      break;
    }
    case Befehl::SETCELL: {
      std::string* z = zelle(2);
      if (!z) return ungueltig();
      *z = s.oben(0);
      break;
    }
    case Befehl::GETCELL: {
      std::string* z = zelle(1);
      if (!z) return ungueltig();
      std::string wert = *z;
      s.entferne(2);
      s.oben() = std::move(wert);
      return std::nullopt;
    }
    case Befehl::GRIDCLEAR:
      for (std::string& z : e->zellen) z.clear();
      break;
    case Befehl::GRIDDIM: {
      const auto spalten = ganz(s, 1), zeilen = ganz(s, 0);
      if (!spalten || !zeilen || *spalten < 0 || *zeilen < 0 ||
          static_cast<std::int64_t>(*spalten) * *zeilen > HoechsteZellen) {
        return ungueltig();
      }
      // Cells that stay inside keep their text.
      std::vector<std::string> neu(static_cast<std::size_t>(*spalten) * static_cast<std::size_t>(*zeilen));
      for (int z = 0; z < std::min(*zeilen, e->zeilen); ++z) {
        for (int sp = 0; sp < std::min(*spalten, e->spalten); ++sp) {
          neu[static_cast<std::size_t>(z * *spalten + sp)] =
              std::move(e->zellen[static_cast<std::size_t>(z * e->spalten + sp)]);
        }
      }
      e->zellen = std::move(neu);
      const int alteBreite = e->spaltenbreiten.empty() ? 64 : e->spaltenbreiten.back();
      e->spaltenbreiten.resize(static_cast<std::size_t>(*spalten), alteBreite);
      e->spalten = *spalten;
      e->zeilen = *zeilen;
      break;
    }
    default:
      return nichtVerfuegbar(b);
  }
  s.entferne(anzahl);
  return std::nullopt;
}

std::optional<Makrofehlerfall> Makrodialogbau::malwort(Befehl b, Makrostapel& s, Zeichnung* zeichnung) {
  if (b == Befehl::BEGINPAINT) {
    if (!zeichnung) return nichtVerfuegbar(b);
    malanfang_ = zeichnung->speicher.anzahl();
    return std::nullopt;
  }
  const auto n = ganz(s, 0);
  Steuerelement* e = n ? dialog_.finde(Steuerelementart::Paintbox, *n) : nullptr;
  if (!e) return ungueltig();
  if (b == Befehl::PBCLEAR) {
    e->striche.clear();
    s.entferne(1);
    return std::nullopt;
  }
  // ENDPAINT: the lines drawn since BEGINPAINT leave the drawing and become
  // the paint box's, one macro unit per pixel, y upward from its lower edge.
  if (!zeichnung || !malanfang_) return fall(Makrofehler::AusserhalbDialogNichtErlaubt, "ENDPAINT");
  Elementspeicher& sp = zeichnung->speicher;
  const double massstab = zeichnung->massstabInKraft();
  for (std::int32_t i = *malanfang_ + 1; i <= sp.anzahl(); ++i) {
    if (!sp.lebendig(i)) continue;
    if (sp.art(i) == Elementart::Linie && e->striche.size() < HoechsteStriche) {
      const Tliniendaten& d = sp.linie(i);
      const Benutzerpunkt a = zeichnung->ansicht.worldToUser(d.x1, d.y1, massstab);
      const Benutzerpunkt z = zeichnung->ansicht.worldToUser(d.x2, d.y2, massstab);
      e->striche.push_back({a.x, e->hoehe - a.y, z.x, e->hoehe - z.y, d.farbe});
    }
    sp.setzeZustand(i, 0);
  }
  malanfang_.reset();
  s.entferne(1);
  return std::nullopt;
}

}  // namespace quarzel
