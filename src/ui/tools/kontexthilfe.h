// Kontexthilfe: the tool button "Kontextsensitive Hilfe". While it is down, a
// click on a tool button or a menu item does not act: it opens that item's
// help topic in the help viewer, and help mode ends. Menus still open from the
// menu bar, so their items can be reached. The topic of a tool button is
// "werkzeug_<code>" (the code of the button, not of its variant); the topic
// of any other item is its text in lower case, umlauts spelled out, words
// joined by "_" ("Speichern &unter..." -> "speichern_unter").
#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

class QAction;
class QMainWindow;
class QToolBar;

namespace quarzel {

class Hilfefenster;

class Kontexthilfe final : public QObject {
  Q_OBJECT

 public:
  // Adds the button to `leiste`; `ordner` holds the topic files.
  Kontexthilfe(QMainWindow& fenster, QToolBar& leiste, QString ordner);
  ~Kontexthilfe() override;

  QAction* aktion() const { return aktion_; }
  bool aktiv() const;
  // Help for `a`: ends help mode and opens the item's topic.
  void hilfeFuer(const QAction* a);
  // The viewer, once a topic was opened.
  Hilfefenster* fenster() const;

  static QString thema(const QAction* a);

 protected:
  bool eventFilter(QObject* objekt, QEvent* ereignis) override;

 private:
  void umschalten(bool an);

  QMainWindow& fenster_;
  QString ordner_;
  QAction* aktion_ = nullptr;
  QPointer<Hilfefenster> hilfe_;
};

}  // namespace quarzel
