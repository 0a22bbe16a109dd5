#include "ui/window/fenstergegenueber.h"

#include <QApplication>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>

#include "platform/benutzer.h"
#include "settings/konfiguration.h"
#include "ui/dialogs/hilfefenster.h"
#include "ui/qt/makrodialogfenster.h"
#include "ui/window/makrocursor.h"
#include "ui/window/statusleiste.h"

namespace quarzel {

namespace {

QString qtext(std::string_view s) {
  return QString::fromUtf8(s.data(), qsizetype(s.size()));
}

// A macro dialog's help button opens its topic in the program's help viewer,
// one viewer per dialog window.
void hilfeAnschliessen(Makrodialogfenster& fenster) {
  fenster.hilfe = [&fenster](const QString& thema) {
    auto* viewer = fenster.findChild<Hilfefenster*>();
    if (viewer == nullptr)
      viewer = new Hilfefenster(QString::fromStdString((programmordner() / "Hilfe").string()), &fenster);
    viewer->zeige(thema);
  };
}

}  // namespace

Fenstergegenueber::Fenstergegenueber(QWidget& hauptfenster, Benutzer& benutzer, Statusleiste* status,
                                     Makrocursor* cursor)
    : hauptfenster_(hauptfenster), benutzer_(benutzer), status_(status), cursor_(cursor) {
  qApp->installEventFilter(this);
}

Fenstergegenueber::~Fenstergegenueber() {
  qApp->removeEventFilter(this);
  delete livedialog_.data();
}

bool Fenstergegenueber::eventFilter(QObject* ziel, QEvent* ereignis) {
  // Only what reaches a widget counts once; Qt hands a key to the window too.
  if (!ziel->isWidgetType()) return false;
  const QEvent::Type art = ereignis->type();
  if (art == QEvent::KeyPress || art == QEvent::KeyRelease) {
    const auto* k = static_cast<QKeyEvent*>(ereignis);
    if (k->key() >= Qt::Key_F2 && k->key() <= Qt::Key_F12 && !k->isAutoRepeat()) {
      if (art == QEvent::KeyPress)
        gedrueckt_.insert(k->key());
      else
        gedrueckt_.erase(k->key());
    }
  } else if (art == QEvent::ApplicationDeactivate) {
    // A key released in another program would stay held forever.
    gedrueckt_.clear();
  }
  return false;
}

void Fenstergegenueber::warnung(std::string_view text) {
  benutzer_.meldung(text, Meldungsart::Warnung);
}

void Fenstergegenueber::information(std::string_view text) {
  benutzer_.meldung(text, Meldungsart::Information);
}

void Fenstergegenueber::infobox(std::string_view text, const std::string& bild) {
  auto* fenster = new QWidget(&hauptfenster_, Qt::Tool);
  fenster->setAttribute(Qt::WA_DeleteOnClose);
  fenster->setWindowTitle(QStringLiteral("Info"));
  auto* zeile = new QHBoxLayout(fenster);
  const QString datei = QString::fromStdString(bild);
  if (!datei.isEmpty() && QFileInfo(datei).isFile()) {
    QPixmap pixmap(datei);
    if (!pixmap.isNull()) {
      auto* b = new QLabel(fenster);
      b->setPixmap(pixmap.scaled(pixmap.size().boundedTo(QSize(400, 400)), Qt::KeepAspectRatio));
      zeile->addWidget(b);
    }
  }
  auto* t = new QLabel(qtext(text), fenster);
  t->setTextInteractionFlags(Qt::TextSelectableByMouse);
  zeile->addWidget(t);
  fenster->adjustSize();
  fenster->show();
}

bool Fenstergegenueber::frage(std::string_view text) {
  return benutzer_.jaNein(text);
}

std::optional<std::string> Fenstergegenueber::eingabe(std::string_view aufforderung) {
  return benutzer_.eingabe("Dateneingabe", aufforderung, "");
}

void Fenstergegenueber::zeigeHinweis(std::string_view text) {
  if (status_) status_->setzeMeldung(qtext(text));
}

void Fenstergegenueber::verbergeHinweis() {
  if (status_) status_->setzeMeldung({});
}

int Fenstergegenueber::funktionstaste() {
  for (int taste = Qt::Key_F2; taste <= Qt::Key_F12; ++taste)
    if (gedrueckt_.count(taste)) return taste - Qt::Key_F1 + 1;
  return 0;
}

std::optional<std::string> Fenstergegenueber::waehleDatei(std::string_view titel, std::string_view filter,
                                                          const std::string& vorschlag, bool speichern) {
  if (speichern) return benutzer_.dateiSpeichern(titel, filter, vorschlag);
  return benutzer_.dateiOeffnen(titel, filter, vorschlag);
}

void Fenstergegenueber::erwartePunkt(const Cursoranfrage& anfrage) {
  if (!cursor_) {
    // Without a drawing area the word can only be cancelled, later.
    QMetaObject::invokeMethod(
        this,
        [this] {
          Cursorantwort abbruch;
          abbruch.abgebrochen = true;
          if (cursorBeantwortet) cursorBeantwortet(abbruch);
        },
        Qt::QueuedConnection);
    return;
  }
  cursor_->erwarte(anfrage, [this](const Cursorantwort& antwort) {
    if (cursorBeantwortet) cursorBeantwortet(antwort);
  });
}

Dialogergebnis Fenstergegenueber::zeigeDialog(Makrodialog& dialog) {
  Makrodialogfenster fenster(dialog, &hauptfenster_);
  hilfeAnschliessen(fenster);
  return fenster.zeigeModal();
}

void Fenstergegenueber::zeigeLivedialog(Makrodialog& dialog) {
  delete livedialog_.data();
  livedialog_ = new Makrodialogfenster(dialog, &hauptfenster_);
  livedialog_->livebutton = [this](int nummer) {
    if (livebuttonGedrueckt) livebuttonGedrueckt(nummer);
  };
  hilfeAnschliessen(*livedialog_);
  livedialog_->setModal(false);
  livedialog_->show();
}

void Fenstergegenueber::schliesseLivedialog() {
  if (livedialog_) livedialog_->deleteLater();
  livedialog_ = nullptr;
}

void Fenstergegenueber::livedialogGeaendert() {
  if (livedialog_) livedialog_->baueNeu();
}

}  // namespace quarzel
