#include "ui/window/ansichtenbefehle.h"

#include <QAction>
#include <QComboBox>
#include <QMainWindow>
#include <QMenu>
#include <QSignalBlocker>
#include <QToolBar>

#include "render/ansichtsschalter.h"
#include "store/ansichtsverwaltung.h"
#include "ui/dialogs/tprojektmanager.h"
#include "ui/window/ebenenbefehle.h"
#include "ui/window/sitzung.h"

namespace quarzel {

Ansichtenbefehle::Ansichtenbefehle(Fensteranschluss fenster, Ebenenbefehle& ebenen, QMenu& menue, QToolBar& leiste,
                                   QString hilfeordner)
    : QObject(&fenster.fenster), fenster_(std::move(fenster)), ebenen_(ebenen), hilfeordner_(std::move(hilfeordner)) {
  menue.addSeparator();
  managerAktion = menue.addAction(QStringLiteral("Ansichtenmanager..."));
  connect(managerAktion, &QAction::triggered, this, &Ansichtenbefehle::manager);
  untermenue = menue.addMenu(QStringLiteral("Ansichten"));

  liste = new QComboBox(&leiste);
  liste->setObjectName(QStringLiteral("Ansichtenliste"));
  liste->setToolTip(QStringLiteral("Ansicht"));
  liste->setSizeAdjustPolicy(QComboBox::AdjustToContents);
  listenAktion = leiste.addWidget(liste);
  // activated, not currentIndexChanged: only the user's choice shows a view.
  connect(liste, &QComboBox::activated, this, [this](int index) { zeige(liste->itemData(index).toInt()); });
  aktualisieren();
}

void Ansichtenbefehle::manager() {
  Sitzung& s = fenster_.sitzung;
  TProjektmanager::Anschluss a{.zeichnung = s.zeichnung,
                               .benutzer = s.benutzer,
                               .schalter = [&s] { return elementschalterVon(s.schalter); },
                               .zeige = [this](int slot) { zeige(slot); },
                               .geaendert = [this] { aktualisieren(); },
                               .hilfeordner = hilfeordner_};
  TProjektmanager dialog(std::move(a), ausschnittBeibehalten, &fenster_.fenster);
  if (vorDialog) {
    vorDialog(dialog);
  } else {
    dialog.exec();
  }
  aktualisieren();
}

void Ansichtenbefehle::zeige(int slot) {
  Sitzung& s = fenster_.sitzung;
  Elementschalter schalter = elementschalterVon(s.schalter);
  if (zeigeAnsicht(s.zeichnung, slot, schalter, ausschnittBeibehalten)) {
    setzeElementschalter(s.schalter, schalter);
    // The grey switches are program settings; the view's become the settings in force.
    ebenen_.setzeGrauEbenen(s.zeichnung.ebenen.grauInaktiveEbenen);
    ebenen_.setzeGrauFolien(s.zeichnung.ebenen.grauInaktiveFolien);
    ebenen_.geaendert();
  }
  aktualisieren();
}

void Ansichtenbefehle::aktualisieren() {
  const Ansichtstabelle& t = fenster_.sitzung.zeichnung.ansichten;
  const std::vector<Ansichtseintrag> eintraege = ansichtsliste(t);
  {
    const QSignalBlocker sperre(liste);
    liste->clear();
    for (const Ansichtseintrag& e : eintraege) {
      liste->addItem(QString::fromStdString(e.name), e.slot);
      if (e.slot == t.gezeigt()) liste->setCurrentIndex(liste->count() - 1);
    }
  }
  // Later, not now: the entry that was chosen may still be reporting it.
  for (QAction* alt : untermenue->actions()) {
    untermenue->removeAction(alt);
    alt->deleteLater();
  }
  for (const Ansichtseintrag& e : eintraege) {
    QString text = QString::fromStdString(e.name);
    // A "&" in a view's name would otherwise underline the next letter.
    text.replace(u'&', QStringLiteral("&&"));
    QAction* a = untermenue->addAction(text);
    a->setCheckable(true);
    a->setChecked(e.slot == t.gezeigt());
    const int slot = e.slot;
    connect(a, &QAction::triggered, this, [this, slot] { zeige(slot); });
  }
  const bool sichtbar = !eintraege.empty();
  listenAktion->setVisible(sichtbar);
  untermenue->menuAction()->setVisible(sichtbar);
}

}  // namespace quarzel
