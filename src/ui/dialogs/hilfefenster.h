// Hilfefenster: the help viewer. It shows one topic, a Markdown text file
// "<topic>.md" of the program folder's "Hilfe" folder; links to other topics
// ("datei_speichern.md") open them in the same window. A topic that does not
// exist, cannot be read or has a name other than lower-case letters, digits
// and "_" shows a short German note instead; files are read up to 256 KiB.
#pragma once

#include <QDialog>
#include <QString>

class QTextBrowser;

namespace quarzel {

class Hilfefenster final : public QDialog {
  Q_OBJECT

 public:
  // `ordner`: the folder holding the topic files.
  explicit Hilfefenster(QString ordner, QWidget* eltern = nullptr);

  // Shows `thema` and brings the window to the front.
  void zeige(const QString& thema);
  QString thema() const { return thema_; }
  // The Markdown text shown now.
  QString text() const;

  // The Markdown text of a topic, or the note for a missing one.
  static QString hilfetext(const QString& ordner, const QString& thema);
  static bool gueltigesThema(const QString& thema);

 private:
  QString ordner_;
  QString thema_;
  QTextBrowser* browser_ = nullptr;
};

}  // namespace quarzel
