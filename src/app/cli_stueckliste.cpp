// quarzel-cli stueckliste DATEI [--maske NAME | --gruppen] [--sichtbar]
// -o AUSGABE.htm|csv: the bill of materials of a drawing saved as the window
// "Stückliste" saves it — for lists of many plans made by a script.
#include <optional>
#include <string>

#include "app/cli_befehle.h"
#include "project/stueckliste.h"
#include "project/stuecklistendatei.h"
#include "store/zeichnungsdatei.h"

namespace quarzel {

int cliStueckliste(const Cliaufruf& aufruf, Benutzer& benutzer) {
  Zeichnung zeichnung;
  Ladeoptionen optionen;
  optionen.schraffurBekannt = [](const std::string&) { return true; };
  const Ladeergebnis geladen = ladeZeichnung(aufruf.eingabe, zeichnung, benutzer, optionen);
  meldeLadehinweise(geladen, benutzer);
  if (!geladen.geladen) return 1;

  const std::string name = !aufruf.stuecklistenmaske.empty() ? aufruf.stuecklistenmaske
                           : aufruf.benannteGruppen          ? std::string(kAlleBenanntenGruppen)
                                                             : std::string(kAlleSymbole);
  std::optional<Listenauftrag> auftrag = listenauftrag(name, zeichnung);
  if (!auftrag) {
    benutzer.meldung("stueckliste: Datenmaske " + name + " nicht vorhanden", Meldungsart::Fehler);
    return 1;
  }
  auftrag->nurSichtbare = aufruf.nurSichtbare;
  const Stueckliste liste = erzeugeStueckliste(zeichnung, *auftrag, attributleserFuer(zeichnung));
  std::string fehler;
  if (!speichereStueckliste(liste, aufruf.ausgabe, listenformatFuer(aufruf.ausgabe, Listenformat::Html), &fehler)) {
    benutzer.meldung("stueckliste: " + aufruf.ausgabe + " konnte nicht geschrieben werden: " + fehler,
                     Meldungsart::Fehler);
    return 1;
  }
  return 0;
}

}  // namespace quarzel
