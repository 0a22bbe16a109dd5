// Ebenenbefehle: the layer commands of the main window — the menu "Ebenen",
// the layer and sublayer pickers of the tool bar and the layer manager —
// built on the window's narrow interface (Fensteranschluss) only.
//
// Every command goes through the core (ebenenoperationen.h,
// ebenenverwaltung.h), redraws the window and tells the pickers and the
// manager through ebenenGeaendert(). Changes made elsewhere (a drawing
// loaded, undo) are noticed by comparing a short fingerprint of the layer
// tables a few times a second.
//
// "Inaktive Ebenen grau darstellen" and "Inaktive Unterebenen grau
// darstellen" are program settings (section "Graueinstellungen", keys
// "Planteile" and "Folien"): they are written when changed and given to every
// drawing the window holds.
#pragma once

#include <QObject>
#include <cstdint>
#include <functional>

#include "ui/window/fensteranschluss.h"

class QAction;
class QDialog;
class QMenu;
class QMenuBar;
class QTimer;
class QToolBar;

namespace quarzel {

class Ebenenauswahl;
class Ebenenbefehle;
class Sitzung;
class TEbenenmanager;
struct Zeichnung;

class Ebenenbefehle final : public QObject {
  Q_OBJECT

 public:
  explicit Ebenenbefehle(Fensteranschluss fenster);

  Sitzung& sitzung() { return fenster_.sitzung; }
  Zeichnung& zeichnung();
  TEbenenmanager* manager() const { return manager_; }
  Ebenenauswahl* auswahl() const { return auswahl_; }
  QMenu* menue() const { return menue_; }

  // Menu commands.
  void neueEbene();        // "Neue Ebene erstellen"
  void ebeneAktivieren();  // "Ebene aktivieren" with the list
  void naechsteEbene();    // Page Up
  void vorherigeEbene();   // Page Down
  void ebeneLoeschen();
  void sichtbarkeitWechseln();
  void neueUnterebene();  // "Neue Unterebene erstellen"
  void unterebeneAktivieren();
  void unterebeneLoeschen();
  void unterebeneSchuetzen(bool geschuetzt);

  // Activates layer n; with marked elements the transfer question of
  // "Ebene aktivieren" is asked first (Abbrechen activates nothing).
  void aktiviereEbene(int ebene);
  // Activates sublayer n of layer `ebene`; of another layer than the active
  // one it becomes that layer's remembered sublayer and the layer is
  // activated.
  void aktiviereUnterebene(int ebene, int folie);

  // The display switches of the manager.
  void setzeGrauEbenen(bool an);
  void setzeGrauFolien(bool an);

  // After a change: fingerprint, menu state, redraw, signal.
  void geaendert(bool neuZeichnen = true);
  // Compares the fingerprint with the drawing and refreshes when it moved.
  void pruefeAenderung();

  // Test hook: called with every dialog right before it is shown modally.
  std::function<void(QDialog& dialog)> vorDialog;

 signals:
  void ebenenGeaendert();

 private:
  friend Ebenenbefehle* ebenenbefehleEinrichten(Fensteranschluss fenster, QMenuBar& leiste);
  void baueMenue(QMenuBar& leiste);
  void wendeGrauAn();
  bool zeigeDialog(QDialog& dialog);
  std::uint64_t fingerabdruck() const;

  Fensteranschluss fenster_;
  QMenu* menue_ = nullptr;
  QAction* unterebeneGeschuetzt_ = nullptr;
  QToolBar* leiste_ = nullptr;
  Ebenenauswahl* auswahl_ = nullptr;
  TEbenenmanager* manager_ = nullptr;
  QTimer* wache_ = nullptr;
  std::uint64_t fingerabdruck_ = 0;
};

// Adds the menu "Ebenen" to `leiste`, the tool bar with the pickers and the
// layer manager (a dock widget, restored from the per-user settings) to the
// window. The returned object belongs to the window.
Ebenenbefehle* ebenenbefehleEinrichten(Fensteranschluss fenster, QMenuBar& leiste);

}  // namespace quarzel
