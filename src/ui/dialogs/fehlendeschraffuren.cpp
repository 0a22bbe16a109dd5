#include "ui/dialogs/fehlendeschraffuren.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

namespace quarzel {

TFehlendeSchraffuren::TFehlendeSchraffuren(const std::string& meldung, const std::vector<std::string>& namen,
                                           QWidget* eltern)
    : QDialog(eltern) {
  setWindowTitle(QStringLiteral("Fehlende Schraffuren"));
  auto* spalte = new QVBoxLayout(this);
  // The loader's sentence ends with a colon and lists the names; the list shows them.
  const QString kopf = meldung.empty() ? QStringLiteral("Diese Schraffuren der Zeichnung sind nicht vorhanden:")
                                       : QString::fromStdString(meldung.substr(0, meldung.find('\n')));
  spalte->addWidget(new QLabel(kopf, this));
  liste_ = new QListWidget(this);
  for (const std::string& n : namen) liste_->addItem(QString::fromStdString(n));
  spalte->addWidget(liste_);
  auto* rat = new QLabel(QStringLiteral("Abhilfe: die Datei schraffur.ini einer älteren Version in den Startordner "
                                        "des Programms kopieren und das Programm neu starten, Schraffuren dieser "
                                        "Namen im Dialog \"Schraffuren.\" anlegen oder sie im Dialog "
                                        "\"Eigenschaften ersetzen\" ersetzen."),
                         this);
  rat->setWordWrap(true);
  spalte->addWidget(rat);
  auto* knoepfe = new QDialogButtonBox(QDialogButtonBox::Ok, this);
  connect(knoepfe, &QDialogButtonBox::accepted, this, &QDialog::accept);
  spalte->addWidget(knoepfe);
}

}  // namespace quarzel
