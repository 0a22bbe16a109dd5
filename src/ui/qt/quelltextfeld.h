// Quelltextfeld: the text control of one macro source in the macro editor,
// with line numbers in a margin and the colours of the check pass.
//
// Colouring waits until typing has paused for half a second (Pruefzeitgeber),
// so a long source stays responsive; then the core's check pass
// (Quelltextpruefung, on the compile pass's tokenizer) colours the lines that
// changed. The colours are laid over the text as formats of each line's
// layout, not written into the document: they never enter the undo history
// and never mark the source as changed. Each coloured line remembers a hash
// of the text it was coloured for, so a line that was split, joined or moved
// is coloured again even where it matches the pass's copy by its number.
//
// A line can be marked (the line of an error, the next line of a single
// step) with a background across the whole width.
#pragma once

#include <QColor>
#include <QElapsedTimer>
#include <QPlainTextEdit>
#include <optional>
#include <string>
#include <vector>

#include "macro/pruefzeitgeber.h"
#include "macro/quelltextpruefung.h"

class QTimer;

namespace quarzel {

class Quelltextfeld final : public QPlainTextEdit {
  Q_OBJECT

 public:
  explicit Quelltextfeld(QWidget* eltern = nullptr);

  // The source as the passes read it, lines joined with "\n".
  std::string quelltext() const;
  // Replaces the whole text (opening a file); colours it at once.
  void setzeQuelltext(const std::string& text);
  std::vector<std::string> zeilen() const;

  // The check box "Quelltextprüfung": off, typing colours nothing.
  void setzePruefungEin(bool ein) { pruefungEin_ = ein; }
  // While a macro started from a file runs, the timer does nothing.
  void setzeDateimakroLaeuft(bool laeuft) { dateimakroLaeuft_ = laeuft; }
  // Runs the check pass now over the lines that need it.
  void pruefeJetzt();

  // Marks line `zeile` (from 0) and puts the caret there; nullopt removes it.
  void markiereZeile(std::optional<int> zeile, const QColor& farbe = QColor(255, 200, 200));

  // The margin with the line numbers (for the margin widget).
  int randbreite() const;
  void zeichneRand(QPaintEvent* ereignis);

 signals:
  // For the editor's status line: " Prüfe Quelltext: n%", "" at the end.
  void statustext(const QString& text);
  // The caret moved to line `zeile` (from 1).
  void zeileGewechselt(int zeile);

 protected:
  void resizeEvent(QResizeEvent* ereignis) override;

 private:
  void textGeaendert();
  void taktAbgelaufen();
  void faerbe(int zeile, const std::string& text, const std::vector<Farbspanne>& spannen);
  void randAnpassen();
  void markierungZeigen();

  QWidget* rand_;
  QTimer* takt_;
  QElapsedTimer uhr_;
  Pruefzeitgeber zeitgeber_;
  Quelltextpruefung pruefung_;
  bool pruefungEin_ = true;
  bool dateimakroLaeuft_ = false;
  bool faerbtGerade_ = false;
  std::optional<int> markiert_;
  QColor markierfarbe_;
};

}  // namespace quarzel
