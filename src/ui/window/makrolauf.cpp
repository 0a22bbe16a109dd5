#include "ui/window/makrolauf.h"

#include <QApplication>
#include <QEvent>
#include <QEventLoop>
#include <QKeyEvent>
#include <QMainWindow>
#include <QTimer>

#include "macro/makrointeraktion.h"
#include "project/projektausgabe.h"
#include "project/projektbearbeitung.h"
#include "settings/konfiguration.h"
#include "ui/window/fenstergegenueber.h"
#include "ui/window/makrocursor.h"
#include "ui/window/sitzung.h"

namespace quarzel {

// Holds back the user's input to the main window while a run holds the
// thread; Escape there or closing it stops the run.
class Makrolauf::Eingabesperre final : public QObject {
 public:
  Eingabesperre(QWidget& hauptfenster, std::function<void()> stopp)
      : hauptfenster_(hauptfenster), stopp_(std::move(stopp)) {
    qApp->installEventFilter(this);
  }
  ~Eingabesperre() override { qApp->removeEventFilter(this); }

 protected:
  bool eventFilter(QObject* ziel, QEvent* ereignis) override {
    switch (ereignis->type()) {
      case QEvent::Close:
        if (ziel != &hauptfenster_) return false;
        stopp_();
        ereignis->ignore();
        return true;
      case QEvent::KeyPress:
        if (!imHauptfenster(ziel)) return false;
        if (static_cast<QKeyEvent*>(ereignis)->key() == Qt::Key_Escape) stopp_();
        return true;
      case QEvent::MouseButtonPress:
      case QEvent::MouseButtonRelease:
      case QEvent::MouseButtonDblClick:
      case QEvent::MouseMove:
      case QEvent::Wheel:
      case QEvent::KeyRelease:
      case QEvent::ShortcutOverride:
      case QEvent::ContextMenu:
      case QEvent::Drop:
        return imHauptfenster(ziel);
      case QEvent::Shortcut:
        // Shortcuts go to the main window's actions, not to a widget.
        return !ziel->isWidgetType() || imHauptfenster(ziel);
      default:
        return false;
    }
  }

 private:
  bool imHauptfenster(QObject* ziel) const {
    auto* w = qobject_cast<QWidget*>(ziel);
    return w != nullptr && w->window() == &hauptfenster_;
  }

  QWidget& hauptfenster_;
  std::function<void()> stopp_;
};

Makrolauf::Makrolauf(Makrofenster fenster, QObject* eltern) : QObject(eltern), fenster_(std::move(fenster)) {
  Sitzung& s = fenster_.anschluss.sitzung;
  interpreter_.setzeBenutzer(&s.benutzer);
  interpreter_.setzeZeichnung(&s.zeichnung);
  interpreter_.setzeUhr(&s.uhr);
  interpreter_.setzeErweiterung(this);
  if (fenster_.flaeche)
    cursor_ = std::make_unique<Makrocursor>(*fenster_.flaeche, s.zeichnung, s.werkzeuge, fenster_.status);
  gegenueber_ =
      std::make_unique<Fenstergegenueber>(fenster_.anschluss.fenster, s.benutzer, fenster_.status, cursor_.get());
  gegenueber_->cursorBeantwortet = [this](const Cursorantwort& antwort) { beantworteCursor(antwort); };
  gegenueber_->livebuttonGedrueckt = [this](int nummer) {
    if (interaktion_) interaktion_->livebuttonGedrueckt(nummer);
  };
}

Makrolauf::~Makrolauf() {
  interpreter_.stoppe();
  if (halt_ != nullptr) halt_->quit();
  if (cursor_) cursor_->beende();
}

Laufende Makrolauf::starte(Tokenprogramm programm, const Makrostart& start, const std::filesystem::path& makroordner) {
  if (laeuft_) return Laufende::Fehler;
  Makrozeichnerhost host;
  host.elementGezeichnet = [this](std::int32_t n) {
    if (fenster_.objekteZeichnen) fenster_.objekteZeichnen(n, n);
  };
  host.neuZeichnen = fenster_.anschluss.neuZeichnen;
  host.dateiordner = makroordner.string();
  Zeichnung& zeichnung = fenster_.anschluss.sitzung.zeichnung;
  zeichner_ = std::make_unique<Makrozeichner>(zeichnung, std::move(host));
  interpreter_.setzeZeichner(zeichner_.get());

  Makrointeraktionsumfeld umfeld;
  umfeld.zeichnung = &zeichnung;
  umfeld.zeichner = zeichner_.get();
  umfeld.programmordner = programmordner();
  umfeld.makroordner = makroordner;
  if (const auto eigener = benutzerordner()) umfeld.symbolordner.push_back(*eigener / "Symbole");
  umfeld.symbolordner.push_back(programmordner() / "Symbole");
  umfeld.projektwert = [&zeichnung](int zeile) { return projektwert(zeichnung, zeile); };
  umfeld.setzeProjektwert = [&zeichnung](int zeile, std::string wert) {
    return setzeProjektwert(zeichnung, zeile, std::move(wert));
  };
  umfeld.neuZeichnen = fenster_.anschluss.neuZeichnen;
  stueckliste_ = std::make_unique<Makrostuecklistenanschluss>(zeichnung);
  umfeld.stueckliste = stueckliste_.get();
  interaktion_ = std::make_unique<Makrointeraktion>(*gegenueber_, std::move(umfeld));
  interpreter_.setzeMakroordner(makroordner);
  interpreter_.setzeNachrichtentakt(einzelschritt_ ? 1 : Makrointerpreter::Nachrichtentakt);
  laeuft_ = true;
  sperre_ = std::make_unique<Eingabesperre>(fenster_.anschluss.fenster, [this] { stoppe(); });
  emit begonnen();
  return nachLauf(interpreter_.starte(std::move(programm), start));
}

Laufende Makrolauf::setzeFort() {
  if (!laeuft_ || !interpreter_.wartet()) return Laufende::Fehler;
  sperre_ = std::make_unique<Eingabesperre>(fenster_.anschluss.fenster, [this] { stoppe(); });
  return nachLauf(interpreter_.setzeFort());
}

Laufende Makrolauf::nachLauf(Laufende ende) {
  sperre_.reset();
  if (ende == Laufende::Wartet) return ende;
  laeuft_ = false;
  // Layers, sheet or unit may have changed as well as elements.
  fenster_.anschluss.neuZeichnen();
  if (fenster_.befehlsstand) fenster_.befehlsstand();
  emit beendet(ende);
  return ende;
}

void Makrolauf::stoppe() {
  interpreter_.stoppe();
  if (halt_ != nullptr) halt_->quit();
  // A run waiting for a click holds no thread to see the flag: cancel the
  // click, from the event loop, as Escape in the drawing area would.
  if (wartetAufKlick())
    QTimer::singleShot(0, this, [this] {
      if (!wartetAufKlick()) return;
      cursor_->beende();
      Cursorantwort abbruch;
      abbruch.abgebrochen = true;
      beantworteCursor(abbruch);
    });
}

bool Makrolauf::wartetAufKlick() const {
  return laeuft_ && interpreter_.wartet() && cursor_ && cursor_->wartet();
}

Laufende Makrolauf::beantworteCursor(const Cursorantwort& antwort) {
  if (!laeuft_ || !interpreter_.wartet() || !interaktion_) return Laufende::Fehler;
  sperre_ = std::make_unique<Eingabesperre>(fenster_.anschluss.fenster, [this] { stoppe(); });
  return nachLauf(interaktion_->beantworteCursor(antwort));
}

std::optional<Makrofehlerfall> Makrolauf::fuehreAus(Befehl b, Makrointerpreter& lauf) {
  if (interaktion_) return interaktion_->fuehreAus(b, lauf);
  return Makroerweiterung::fuehreAus(b, lauf);
}

void Makrolauf::laufEndet() {
  if (interaktion_) interaktion_->laufEndet();
  if (cursor_) cursor_->beende();
}

void Makrolauf::setzeEinzelschritt(bool an) {
  einzelschritt_ = an;
  interpreter_.setzeNachrichtentakt(an ? 1 : Makrointerpreter::Nachrichtentakt);
  if (!an && halt_ != nullptr) halt_->quit();
}

void Makrolauf::schritt() {
  if (halt_ != nullptr) halt_->quit();
}

void Makrolauf::verarbeiteNachrichten() {
  if (!einzelschritt_) {
    QCoreApplication::processEvents();
    return;
  }
  QEventLoop schleife;
  halt_ = &schleife;
  emit angehalten();
  if (!interpreter_.gestoppt() && einzelschritt_) schleife.exec();
  halt_ = nullptr;
}

void Makrolauf::rueckgaengig() {
  if (fenster_.rueckgaengig) fenster_.rueckgaengig();
}

}  // namespace quarzel
