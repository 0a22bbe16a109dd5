#include "ui/qt/quelltextfeld.h"

#include <QFontDatabase>
#include <QPaintEvent>
#include <QPainter>
#include <QTextBlock>
#include <QTextLayout>
#include <QTimer>
#include <algorithm>

namespace quarzel {

namespace {

// Often enough that colouring follows the pause within a tenth of a second.
constexpr int kTaktMs = 100;

class Zeilennummern final : public QWidget {
 public:
  explicit Zeilennummern(Quelltextfeld& feld) : QWidget(&feld), feld_(feld) {}
  QSize sizeHint() const override { return {feld_.randbreite(), 0}; }

 protected:
  void paintEvent(QPaintEvent* ereignis) override { feld_.zeichneRand(ereignis); }

 private:
  Quelltextfeld& feld_;
};

// What a line was coloured for, kept in the block's user state (never -1,
// the state of a block that was never coloured).
int stempel(const QString& text) {
  return static_cast<int>(qHash(text) & 0x7fffffffu);
}

QTextCharFormat formatVon(Auszeichnung art) {
  QTextCharFormat f;
  if (istFett(art)) f.setFontWeight(QFont::Bold);
  const Farbe farbe = farbeVon(art);
  if (farbe != Normalfarbe) f.setForeground(QColor(rotAnteil(farbe), gruenAnteil(farbe), blauAnteil(farbe)));
  return f;
}

}  // namespace

Quelltextfeld::Quelltextfeld(QWidget* eltern) : QPlainTextEdit(eltern) {
  setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  setLineWrapMode(QPlainTextEdit::NoWrap);
  rand_ = new Zeilennummern(*this);
  takt_ = new QTimer(this);
  takt_->setInterval(kTaktMs);
  uhr_.start();
  connect(takt_, &QTimer::timeout, this, &Quelltextfeld::taktAbgelaufen);
  connect(document(), &QTextDocument::contentsChange, this, [this](int, int, int) { textGeaendert(); });
  connect(this, &QPlainTextEdit::blockCountChanged, this, &Quelltextfeld::randAnpassen);
  connect(this, &QPlainTextEdit::updateRequest, this, [this](const QRect& r, int dy) {
    if (dy != 0)
      rand_->scroll(0, dy);
    else
      rand_->update(0, r.y(), rand_->width(), r.height());
  });
  connect(this, &QPlainTextEdit::cursorPositionChanged, this,
          [this] { emit zeileGewechselt(textCursor().blockNumber() + 1); });
  randAnpassen();
}

std::string Quelltextfeld::quelltext() const {
  return toPlainText().toStdString();
}

void Quelltextfeld::setzeQuelltext(const std::string& text) {
  markiert_.reset();
  setExtraSelections({});
  setPlainText(QString::fromStdString(text));
  pruefung_.vergiss();
  pruefeJetzt();
}

std::vector<std::string> Quelltextfeld::zeilen() const {
  std::vector<std::string> z;
  z.reserve(static_cast<std::size_t>(document()->blockCount()));
  for (QTextBlock b = document()->begin(); b.isValid(); b = b.next()) z.push_back(b.text().toStdString());
  return z;
}

void Quelltextfeld::textGeaendert() {
  if (faerbtGerade_) return;
  zeitgeber_.aenderung(static_cast<std::uint32_t>(uhr_.elapsed()));
  if (!takt_->isActive()) takt_->start();
}

void Quelltextfeld::taktAbgelaufen() {
  if (zeitgeber_.tick(static_cast<std::uint32_t>(uhr_.elapsed()), pruefungEin_, dateimakroLaeuft_)) pruefeJetzt();
  if (!zeitgeber_.laeuft()) takt_->stop();
}

void Quelltextfeld::pruefeJetzt() {
  if (faerbtGerade_) return;
  faerbtGerade_ = true;
  const std::vector<std::string> z = zeilen();
  const std::vector<Zeilenfaerbung> faerbungen =
      pruefung_.pruefe(z, [this](const std::string& text) { emit statustext(QString::fromStdString(text)); });
  for (const Zeilenfaerbung& f : faerbungen) faerbe(static_cast<int>(f.zeile), z[f.zeile], f.spannen);
  // Lines the pass took as unchanged by their number may still carry the
  // colours of another text (a line split in two keeps its old colours).
  int i = 0;
  for (QTextBlock b = document()->begin(); b.isValid(); b = b.next(), ++i) {
    if (b.userState() != stempel(b.text())) {
      const std::string& text = z[static_cast<std::size_t>(i)];
      faerbe(i, text, faerbeZeile(text));
    }
  }
  faerbtGerade_ = false;
}

void Quelltextfeld::faerbe(int zeile, const std::string& text, const std::vector<Farbspanne>& spannen) {
  QTextBlock block = document()->findBlockByNumber(zeile);
  if (!block.isValid() || block.layout() == nullptr) return;
  QList<QTextLayout::FormatRange> bereiche;
  for (const Farbspanne& s : inUtf16(text, spannen)) {
    QTextLayout::FormatRange r;
    r.start = static_cast<int>(s.anfang);
    r.length = static_cast<int>(s.laenge);
    r.format = formatVon(s.art);
    bereiche.push_back(r);
  }
  block.layout()->setFormats(bereiche);
  block.setUserState(stempel(block.text()));
  document()->markContentsDirty(block.position(), block.length());
}

void Quelltextfeld::markiereZeile(std::optional<int> zeile, const QColor& farbe) {
  markiert_ = zeile;
  markierfarbe_ = farbe;
  markierungZeigen();
}

void Quelltextfeld::markierungZeigen() {
  QList<QTextEdit::ExtraSelection> auswahl;
  if (markiert_) {
    const QTextBlock block = document()->findBlockByNumber(*markiert_);
    if (block.isValid()) {
      QTextEdit::ExtraSelection s;
      s.format.setBackground(markierfarbe_);
      s.format.setProperty(QTextFormat::FullWidthSelection, true);
      s.cursor = QTextCursor(block);
      auswahl.push_back(s);
      setTextCursor(s.cursor);
      ensureCursorVisible();
    }
  }
  setExtraSelections(auswahl);
}

int Quelltextfeld::randbreite() const {
  int stellen = 1;
  for (int n = std::max(1, blockCount()); n >= 10; n /= 10) ++stellen;
  return 8 + fontMetrics().horizontalAdvance(QLatin1Char('9')) * std::max(stellen, 3);
}

void Quelltextfeld::randAnpassen() {
  setViewportMargins(randbreite(), 0, 0, 0);
  const QRect r = contentsRect();
  rand_->setGeometry(r.left(), r.top(), randbreite(), r.height());
}

void Quelltextfeld::resizeEvent(QResizeEvent* ereignis) {
  QPlainTextEdit::resizeEvent(ereignis);
  randAnpassen();
}

void Quelltextfeld::zeichneRand(QPaintEvent* ereignis) {
  QPainter maler(rand_);
  maler.fillRect(ereignis->rect(), palette().window());
  maler.setPen(palette().color(QPalette::PlaceholderText));
  QTextBlock block = firstVisibleBlock();
  int oben = qRound(blockBoundingGeometry(block).translated(contentOffset()).top());
  const int hoehe = fontMetrics().height();
  while (block.isValid() && oben <= ereignis->rect().bottom()) {
    const int unten = oben + qRound(blockBoundingRect(block).height());
    if (block.isVisible() && unten >= ereignis->rect().top())
      maler.drawText(0, oben, rand_->width() - 4, hoehe, Qt::AlignRight, QString::number(block.blockNumber() + 1));
    block = block.next();
    oben = unten;
  }
}

}  // namespace quarzel
