#include "macro/makrofehler.h"

namespace quarzel {

namespace {

std::string verbinde(std::string_view a, std::string_view b, std::string_view c = {}) {
  std::string t(a);
  t.append(b).append(c);
  return t;
}

std::string inAnfuehrung(std::string_view vor, std::string_view x, std::string_view nach) {
  return verbinde(vor, verbinde("\"", x, "\""), nach);
}

}  // namespace

std::string makrofehlertext(Makrofehler code, std::string_view x, std::string_view spur1, std::string_view spur2) {
  using enum Makrofehler;
  switch (code) {
    case ZuwenigParameter:
      return verbinde("Zuwenig Parameter für ", x);
    case UnterprogrammFehlt:
      return inAnfuehrung("Unterprogramm ", x, " nicht gefunden");
    case ReturnOhneCall:
      return "RETURN ohne CALL";
    case EndgroupOhneGroup:
      return "ENDGROUP ohne GROUP";
    case UngueltigerParameter:
      return verbinde("Ungültiger Parameter bei ", x);
    case DateiFehlt:
      return verbinde("Es fehlt folgende Datei: ", x);
    case InDialogNichtErlaubt:
      return verbinde(x, " innerhalb von Dialogdefintionen nicht erlaubt");
    case AusserhalbDialogNichtErlaubt:
      return verbinde(x, " außerhalb von Dialogdefintionen nicht erlaubt");
    case DivisionDurchNull:
      return verbinde("Divison durch 0 bei ", x);
    case NurInSchleifen:
      return verbinde(x, " nur innerhalb von Schleifen erlaubt");
    case SchleifenendeOhneAnfang:
      return "Schleifende ohne Schleifenanfang";
    case OhneIf:
      return verbinde(x, " ohne IF");
    case SchwererFehler:
      return verbinde("Schwerer Fehler bei ", x);
    case DatenmaskeFehlt:
      return verbinde("Datenmaske ", x, " nicht vorhanden");
    case StuecklisteNichtErzeugbar:
      return inAnfuehrung("Die Stückliste ", x, " kann nicht erzeugt werden");
    case KeineStueckliste:
      return "Es wurde noch keine Stückliste erzeugt.";
    case EintragFehlt:
      return inAnfuehrung("Der Eintrag ", x, " ist in der aktuellen Stückliste nicht vorhanden");
    case StuecklistenZugriff:
      return verbinde("Zugriffsfehler auf die Stückliste bei ", x, ".");
    case StuecklisteLeer:
      return "Die gewählte Stückliste enthält keine Einträge";
    case SymbolFehlt:
      return verbinde("Das Symbol ", x, " konnte nicht gefunden werden.");
    case RekursiverAufruf:
      return verbinde("Unerlaubter rekursiver Aufruf von ", x, ".");
    case NichtStartbar:
      return verbinde("Die aufgerufene Datei ", x, " konnte nicht gestartet werden.");
    case MakroFehlt:
      return verbinde("Das eingebundene Makro ", x, " konnte nicht gefunden werden.");
    case KeinMakro:
      return verbinde("Die Datei ", x, " ist kein Makro");
    case ZuvieleEbenen:
      return "Die maximale Anzahl von Ebenen ist bereits erreicht, eine neue Ebene kann nicht angelegt werden.";
    case ZuvieleUnterebenen:
      return "Die maximale Anzahl von Unterebenen ist bereits erreicht, eine neue Unterebene kann nicht angelegt "
             "werden.";
    case SchreibdateiOffen:
      return "Es ist bereits eine Datei zum Speichern geöffnet.";
    case LesedateiOffen:
      return "Es ist bereits eine Datei zum Laden geöffnet.";
    case KeineLesedatei:
      return "Es ist keine Datei zum Laden geöffnet.";
    case KeineSchreibdatei:
      return "Es ist keine Datei zum Speichern geöffnet.";
    case ProfilFehlt:
      return verbinde("Das Bemaßungsprofil ", x, " konnte nicht gefunden werden.");
    case EndframeOhneBeginframe:
      return "Endframe ohne Beginframe.";
    case EndpanelOhneBeginpanel:
      return "Endpanel ohne Beginpanel.";
    case FramesVerschachtelt:
      return "Verschachtelte Frames oder Panels sind nicht möglich.";
    case ImLivedialogNichtErlaubt:
      return verbinde(x, " zwischen SHOWLIVEDIALOG und ENDDIALOG nicht erlaubt.");
    case AliasFehlt:
      return verbinde("Alias ", x, " ist nicht definiert.");
    case ZahlAlsVariablenname:
      return verbinde("Die Zahl ", x, " ist als Variablenname nicht zulässig.");
    case ZahlAlsAliasname:
      return verbinde("Die Zahl ", x,
                      " ist als Aliasname nicht zulässig. Eventuell wurde ein Alias doppelt verwendet.");
    case UnbekannterFehlerMitSpur:
      return verbinde(verbinde("Unbekannter Fehler führte zum Abbruch bei ", x), verbinde(" ", spur1),
                      verbinde(" ", spur2));
    case UnbekannterFehlerAbbruch:
      return verbinde("Unbekannter Fehler führte zum Abbruch bei ", x);
    case UnbekannterFehler:
      break;
  }
  return verbinde("Unbekannter Fehler bei ", x);
}

}  // namespace quarzel
