#include "ui/qt/makrodialogfenster.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFileInfo>
#include <QGroupBox>
#include <QHeaderView>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <algorithm>

namespace quarzel {

namespace {

QString qtext(const std::string& s) {
  return QString::fromStdString(s);
}

QColor qfarbe(Farbe f) {
  return QColor(int(f & 0xFF), int((f >> 8) & 0xFF), int((f >> 16) & 0xFF));
}

int ganzzahl(const std::string& s, int sonst) {
  bool ok = false;
  const int n = qtext(s).trimmed().toInt(&ok);
  return ok ? n : sonst;
}

// The lines a macro drew into a paint box.
class Malflaeche final : public QWidget {
 public:
  Malflaeche(const std::vector<Malstrich>& striche, QWidget* eltern) : QWidget(eltern), striche_(striche) {}

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter maler(this);
    maler.fillRect(rect(), Qt::white);
    for (const Malstrich& s : striche_) {
      maler.setPen(qfarbe(s.farbe));
      maler.drawLine(QPointF(s.x1, s.y1), QPointF(s.x2, s.y2));
    }
  }

 private:
  std::vector<Malstrich> striche_;
};

}  // namespace

Makrodialogfenster::Makrodialogfenster(Makrodialog& dialog, QWidget* eltern) : QDialog(eltern), dialog_(dialog) {
  connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* neu) { fokusGewechselt(neu); });
  baueNeu();
}

Makrodialogfenster::~Makrodialogfenster() {
  // The widgets going hand the focus on; the model must not hear of it then.
  disconnect(qApp, nullptr, this, nullptr);
}

void Makrodialogfenster::baueNeu() {
  for (const Eintrag& e : widgets_) e.widget->deleteLater();
  widgets_.clear();
  setWindowTitle(qtext(dialog_.titel));
  QFont schrift(qtext(dialog_.schrift));
  setFont(schrift);
  QPalette palette = QApplication::palette();
  if (dialog_.hintergrund) palette.setColor(QPalette::Window, qfarbe(*dialog_.hintergrund));
  setPalette(palette);
  setAutoFillBackground(dialog_.hintergrund.has_value());

  // Frames and panels come first in their own list; a control names the
  // index of the one around it.
  std::vector<QWidget*> behaelter(dialog_.elemente.size(), nullptr);
  int rechts = 0, unten = 0;
  for (std::size_t i = 0; i < dialog_.elemente.size(); ++i) {
    Steuerelement& e = dialog_.elemente[i];
    QWidget* eltern = this;
    if (e.rahmen >= 0 && std::size_t(e.rahmen) < behaelter.size() && behaelter[std::size_t(e.rahmen)])
      eltern = behaelter[std::size_t(e.rahmen)];
    QWidget* w = baue(e, eltern);
    if (!w) continue;
    if (e.art == Steuerelementart::Frame || e.art == Steuerelementart::Panel) behaelter[i] = w;
    const QSize passend = w->sizeHint();
    w->setGeometry(e.x, e.y, e.breite > 0 ? e.breite : passend.width(), e.hoehe > 0 ? e.hoehe : passend.height());
    w->setVisible(e.sichtbar);
    w->setEnabled(e.aktiv);
    if (!e.hinweis.empty()) w->setToolTip(qtext(e.hinweis));
    if (e.farbe) {
      QPalette p = w->palette();
      p.setColor(QPalette::WindowText, qfarbe(*e.farbe));
      p.setColor(QPalette::ButtonText, qfarbe(*e.farbe));
      p.setColor(QPalette::Text, qfarbe(*e.farbe));
      w->setPalette(p);
    }
    if (!e.schrift.empty() || e.schriftgroesse > 0 || e.schriftstil != 0) {
      QFont f = w->font();
      if (!e.schrift.empty()) f.setFamily(qtext(e.schrift));
      if (e.schriftgroesse > 0) f.setPointSize(e.schriftgroesse);
      f.setBold(e.schriftstil & 1);
      f.setItalic(e.schriftstil & 2);
      f.setUnderline(e.schriftstil & 4);
      w->setFont(f);
    }
    if (eltern == this) {
      rechts = std::max(rechts, w->geometry().right());
      unten = std::max(unten, w->geometry().bottom());
    }
    widgets_.push_back({e.art, e.nummer, w});
  }
  const int breite = dialog_.breite > 0 ? dialog_.breite : rechts + 12;
  const int hoehe = dialog_.hoehe > 0 ? dialog_.hoehe : unten + 12;
  setFixedSize(std::clamp(breite, 80, 4000), std::clamp(hoehe, 40, 4000));
}

QWidget* Makrodialogfenster::baue(Steuerelement& e, QWidget* eltern) {
  const Steuerelementart art = e.art;
  const int nummer = e.nummer;
  switch (art) {
    case Steuerelementart::Label:
      return new QLabel(qtext(e.text), eltern);
    case Steuerelementart::Button: {
      auto* b = new QPushButton(qtext(e.text), eltern);
      b->setDefault(dialog_.standardknopf == nummer);
      connect(b, &QPushButton::clicked, this, [this, nummer] {
        knopf_ = nummer;
        accept();
      });
      return b;
    }
    case Steuerelementart::Imagebutton:
    case Steuerelementart::Livebutton: {
      auto* b = new QPushButton(qtext(e.text), eltern);
      if (!e.bild.empty() && QFileInfo::exists(qtext(e.bild))) b->setIcon(QIcon(qtext(e.bild)));
      if (art == Steuerelementart::Livebutton)
        connect(b, &QPushButton::clicked, this, [this, nummer] {
          if (livebutton) livebutton(nummer);
        });
      return b;
    }
    case Steuerelementart::Hilfebutton: {
      auto* b = new QPushButton(QStringLiteral("&Hilfe"), eltern);
      connect(b, &QPushButton::clicked, this, [this, thema = qtext(e.text)] {
        if (hilfe) hilfe(thema);
      });
      return b;
    }
    case Steuerelementart::Radiobutton:
    case Steuerelementart::Checkbox: {
      QAbstractButton* b = art == Steuerelementart::Checkbox ? static_cast<QAbstractButton*>(new QCheckBox(eltern))
                                                             : new QRadioButton(eltern);
      b->setText(qtext(e.text));
      b->setAutoExclusive(art == Steuerelementart::Radiobutton);
      b->setChecked(e.wert == "1");
      connect(b, &QAbstractButton::toggled, this, [this, art, nummer](bool an) { merke(art, nummer, an ? "1" : "0"); });
      return b;
    }
    case Steuerelementart::Edit: {
      auto* f = new QLineEdit(qtext(e.wert), eltern);
      connect(f, &QLineEdit::textEdited, this,
              [this, art, nummer](const QString& t) { merke(art, nummer, t.toStdString()); });
      return f;
    }
    case Steuerelementart::Spinedit:
    case Steuerelementart::Numiroedit: {
      auto* f = new QDoubleSpinBox(eltern);
      f->setDecimals(art == Steuerelementart::Numiroedit ? std::clamp(e.nachkommastellen, 0, 10) : 0);
      if (e.maximum > e.minimum)
        f->setRange(e.minimum, e.maximum);
      else
        f->setRange(-1e9, 1e9);
      f->setSingleStep(e.schritt > 0 ? e.schritt : 1);
      f->setValue(qtext(e.wert).toDouble());
      connect(f, &QDoubleSpinBox::textChanged, this,
              [this, art, nummer](const QString& t) { merke(art, nummer, t.toStdString()); });
      return f;
    }
    case Steuerelementart::Combobox: {
      auto* f = new QComboBox(eltern);
      f->setEditable(true);
      for (const std::string& s : e.eintraege) f->addItem(qtext(s));
      f->setCurrentText(qtext(e.wert));
      connect(f, &QComboBox::currentTextChanged, this,
              [this, art, nummer](const QString& t) { merke(art, nummer, t.toStdString()); });
      return f;
    }
    case Steuerelementart::Listbox:
    case Steuerelementart::Imagelistbox: {
      auto* f = new QListWidget(eltern);
      for (std::size_t i = 0; i < e.eintraege.size(); ++i) {
        auto* zeile = new QListWidgetItem(qtext(e.eintraege[i]), f);
        if (i < e.bilder.size() && QFileInfo::exists(qtext(e.bilder[i]))) zeile->setIcon(QIcon(qtext(e.bilder[i])));
      }
      f->setCurrentRow(ganzzahl(e.wert, -1));
      connect(f, &QListWidget::currentRowChanged, this,
              [this, art, nummer](int i) { merke(art, nummer, std::to_string(i)); });
      return f;
    }
    case Steuerelementart::Radiogroup: {
      auto* g = new QGroupBox(qtext(e.text), eltern);
      const int gewaehlt = ganzzahl(e.wert, -1);
      int y = 18;
      for (std::size_t i = 0; i < e.eintraege.size(); ++i) {
        auto* r = new QRadioButton(qtext(e.eintraege[i]), g);
        r->move(8, y);
        y += r->sizeHint().height() + 2;
        r->setChecked(int(i) == gewaehlt);
        connect(r, &QRadioButton::toggled, this, [this, art, nummer, i](bool an) {
          if (an) merke(art, nummer, std::to_string(i));
        });
      }
      return g;
    }
    case Steuerelementart::Stringgrid: {
      const int spalten = std::clamp(e.spalten, 0, 1000), zeilen = std::clamp(e.zeilen, 0, 10000);
      auto* t = new QTableWidget(zeilen, spalten, eltern);
      t->horizontalHeader()->setVisible(false);
      t->verticalHeader()->setVisible(false);
      for (int z = 0; z < zeilen; ++z)
        for (int s = 0; s < spalten; ++s) {
          const std::size_t i = std::size_t(z) * std::size_t(spalten) + std::size_t(s);
          if (i < e.zellen.size()) t->setItem(z, s, new QTableWidgetItem(qtext(e.zellen[i])));
        }
      for (std::size_t s = 0; s < e.spaltenbreiten.size() && int(s) < spalten; ++s)
        t->setColumnWidth(int(s), std::clamp(e.spaltenbreiten[s], 0, 2000));
      connect(t, &QTableWidget::cellChanged, this, [this, art, nummer, t](int z, int s) {
        Steuerelement* g = dialog_.finde(art, nummer);
        if (!g || g->spalten <= 0) return;
        const std::size_t i = std::size_t(z) * std::size_t(g->spalten) + std::size_t(s);
        if (g->zellen.size() <= i) g->zellen.resize(i + 1);
        g->zellen[i] = t->item(z, s) ? t->item(z, s)->text().toStdString() : std::string();
        g->geaendert = true;
      });
      return t;
    }
    case Steuerelementart::Image: {
      auto* l = new QLabel(eltern);
      l->setPixmap(QPixmap(qtext(e.bild)));
      l->setScaledContents(e.breite > 0 && e.hoehe > 0);
      return l;
    }
    case Steuerelementart::Paintbox:
      return new Malflaeche(e.striche, eltern);
    case Steuerelementart::Frame:
      return new QGroupBox(qtext(e.text), eltern);
    case Steuerelementart::Panel: {
      auto* f = new QFrame(eltern);
      f->setFrameShape(QFrame::StyledPanel);
      return f;
    }
  }
  return nullptr;
}

void Makrodialogfenster::merke(Steuerelementart art, int nummer, const std::string& wert) {
  // The model may have been changed meanwhile; find the control again.
  Steuerelement* ziel = dialog_.finde(art, nummer);
  if (!ziel) return;
  ziel->wert = wert;
  ziel->geaendert = true;
}

void Makrodialogfenster::fokusGewechselt(QWidget* neu) {
  for (const Eintrag& e : widgets_) {
    Steuerelement* s = dialog_.finde(e.art, e.nummer);
    if (s) s->fokus = neu != nullptr && (neu == e.widget || e.widget->isAncestorOf(neu));
  }
}

Dialogergebnis Makrodialogfenster::zeigeModal() {
  knopf_ = 0;
  exec();
  return {knopf_};
}

}  // namespace quarzel
