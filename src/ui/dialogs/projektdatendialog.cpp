#include "ui/dialogs/projektdatendialog.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QStyledItemDelegate>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "project/projektausgabe.h"
#include "store/zeichnung.h"
#include "ui/dialogs/dialogknoepfe.h"

namespace quarzel {

namespace {

namespace pz = projektzeile;

QString qtext(std::string_view s) {
  return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

Wertquelle quelle(int zeile) {
  return projektfelder()[static_cast<std::size_t>(zeile)].quelle;
}

// Remarks have several lines; the grid edits them in a text box as well.
class Bemerkungsdelegat final : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;

  QWidget* createEditor(QWidget* eltern, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    if (quelle(index.row()) != Wertquelle::Bemerkung) return QStyledItemDelegate::createEditor(eltern, option, index);
    auto* box = new QPlainTextEdit(eltern);
    box->setMinimumHeight(80);
    return box;
  }
  void setEditorData(QWidget* editor, const QModelIndex& index) const override {
    if (auto* box = qobject_cast<QPlainTextEdit*>(editor)) {
      box->setPlainText(index.data(Qt::EditRole).toString());
      return;
    }
    QStyledItemDelegate::setEditorData(editor, index);
  }
  void setModelData(QWidget* editor, QAbstractItemModel* modell, const QModelIndex& index) const override {
    if (auto* box = qobject_cast<QPlainTextEdit*>(editor)) {
      modell->setData(index, box->toPlainText(), Qt::EditRole);
      return;
    }
    QStyledItemDelegate::setModelData(editor, modell, index);
  }
  void updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option, const QModelIndex&) const override {
    QRect r = option.rect;
    if (qobject_cast<QPlainTextEdit*>(editor)) r.setHeight(std::max(r.height(), editor->minimumHeight()));
    editor->setGeometry(r);
  }
};

QString feldtext(const QWidget* feld) {
  if (const auto* zeile = qobject_cast<const QLineEdit*>(feld)) return zeile->text();
  if (const auto* wahl = qobject_cast<const QComboBox*>(feld)) return wahl->currentText();
  if (const auto* box = qobject_cast<const QPlainTextEdit*>(feld)) return box->toPlainText();
  return {};
}

void setzeFeldtext(QWidget* feld, const QString& text) {
  if (auto* zeile = qobject_cast<QLineEdit*>(feld)) zeile->setText(text);
  if (auto* wahl = qobject_cast<QComboBox*>(feld)) wahl->setCurrentText(text);
  if (auto* box = qobject_cast<QPlainTextEdit*>(feld)) box->setPlainText(text);
}

}  // namespace

TProjektdaten::TProjektdaten(const Zeichnung& z, std::string heute, QWidget* eltern) : QDialog(eltern), zeichnung_(z) {
  setObjectName(QStringLiteral("TProjektdaten"));
  setWindowTitle(QStringLiteral("Zeichnungsinformationen"));
  const Projektwerte& werte = z.projektdaten;
  const auto wert = [&](int zeile) -> const std::string& { return werte.werte[static_cast<std::size_t>(zeile)]; };

  tabelle_ = new QTableWidget(kProjektfelder, 3, this);
  tabelle_->setHorizontalHeaderLabels(
      {QStringLiteral("Variable"), QStringLiteral("aktueller Wert"), QStringLiteral("Bedeutung")});
  tabelle_->verticalHeader()->hide();
  tabelle_->setItemDelegateForColumn(1, new Bemerkungsdelegat(tabelle_));
  for (int i = 0; i < kProjektfelder; ++i) {
    const Projektfeld& f = projektfelder()[static_cast<std::size_t>(i)];
    auto* variable = new QTableWidgetItem(qtext(f.platzhalter));
    variable->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    // Computed rows show what a print shows now; the others what is stored.
    auto* aktuell = new QTableWidgetItem(qtext(wirdEingegeben(i) ? wert(i) : projektwert(z, i, heute)));
    aktuell->setFlags(wirdEingegeben(i) ? Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable
                                        : Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    auto* bedeutung = new QTableWidgetItem(qtext(f.bedeutung));
    bedeutung->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    tabelle_->setItem(i, 0, variable);
    tabelle_->setItem(i, 1, aktuell);
    tabelle_->setItem(i, 2, bedeutung);
  }
  tabelle_->resizeColumnToContents(0);
  tabelle_->setColumnWidth(1, 260);
  tabelle_->horizontalHeader()->setStretchLastSection(true);
  connect(tabelle_, &QTableWidget::itemChanged, this, &TProjektdaten::zelleGeaendert);

  reiter_ = new QTabWidget(this);
  const auto seite = [&](const QString& titel, std::initializer_list<int> zeilen) {
    auto* blatt = new QWidget(reiter_);
    auto* form = new QFormLayout(blatt);
    for (int zeile : zeilen) {
      const Wertquelle q = quelle(zeile);
      const bool nurLesen = q == Wertquelle::Erstellungsdatum || q == Wertquelle::Speichername ||
                            q == Wertquelle::Aenderungsdatum ||
                            // An entry once dated keeps its name.
                            (q == Wertquelle::Aenderungsname && !wert(zeile + 2).empty());
      form->addRow(qtext(projektfelder()[static_cast<std::size_t>(zeile)].bedeutung),
                   baueFeld(zeile, wert(zeile), nurLesen));
    }
    reiter_->addTab(blatt, titel);
  };
  seite(QStringLiteral("Projektdaten:"), {9, 10, 11, 12, 13, 14, 15, 16, 17, 18});
  seite(QStringLiteral("Auftrag vergeben von:"), {1, 0, 2, 3, 4, 5, 6, 7, 8});
  seite(QStringLiteral("Erstellt von:"), {20, 19, 21, 22, 23, 24, 25, 26, 27});
  seite(QStringLiteral("Geändert von:"), {35, 36, 37, 38, 39, 40, 41, 42, 43, 44, 45, 46});

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(reiter_);
  layout->addWidget(tabelle_, 1);
  layout->addWidget(okAbbrechenKnoepfe(this));
  resize(760, 720);
}

QWidget* TProjektdaten::baueFeld(int zeile, const std::string& wert, bool nurLesen) {
  QWidget* feld = nullptr;
  const Wertquelle q = quelle(zeile);
  if (q == Wertquelle::Anrede || q == Wertquelle::Aenderungsanrede) {
    auto* wahl = new QComboBox(this);
    // Chosen from the three, yet whatever a macro set stays possible.
    wahl->setEditable(true);
    for (std::string_view a : kAnreden) wahl->addItem(qtext(a));
    wahl->setCurrentText(wert.empty() ? qtext(kAnreden[0]) : qtext(wert));
    connect(wahl, &QComboBox::currentTextChanged, this, [this, zeile] { feldGeaendert(zeile); });
    feld = wahl;
  } else if (q == Wertquelle::Bemerkung) {
    auto* box = new QPlainTextEdit(qtext(wert), this);
    box->setTabChangesFocus(true);
    box->setFixedHeight(box->fontMetrics().lineSpacing() * 3 + 12);
    connect(box, &QPlainTextEdit::textChanged, this, [this, zeile] { feldGeaendert(zeile); });
    feld = box;
  } else {
    auto* eingabe = new QLineEdit(qtext(wert), this);
    eingabe->setReadOnly(nurLesen);
    connect(eingabe, &QLineEdit::textChanged, this, [this, zeile] { feldGeaendert(zeile); });
    feld = eingabe;
  }
  feld->setObjectName(qtext(projektfelder()[static_cast<std::size_t>(zeile)].platzhalter));
  felder_[static_cast<std::size_t>(zeile)] = feld;
  // The salutation's default stands in the grid too.
  if (q == Wertquelle::Anrede || q == Wertquelle::Aenderungsanrede) feldGeaendert(zeile);
  return feld;
}

QWidget* TProjektdaten::feld(int zeile) const {
  return zeile >= 0 && zeile < kProjektfelder ? felder_[static_cast<std::size_t>(zeile)] : nullptr;
}

void TProjektdaten::feldGeaendert(int zeile) {
  if (gleicheAb_) return;
  QTableWidgetItem* zelle = tabelle_->item(zeile, 1);
  // Computed rows keep their value; a change entry's name and salutation show as typed.
  if (zelle == nullptr || quelle(zeile) == Wertquelle::Berechnet) return;
  gleicheAb_ = true;
  zelle->setText(feldtext(felder_[static_cast<std::size_t>(zeile)]));
  gleicheAb_ = false;
}

void TProjektdaten::zelleGeaendert(QTableWidgetItem* zelle) {
  if (gleicheAb_ || zelle->column() != 1) return;
  QWidget* f = feld(zelle->row());
  if (f == nullptr || !wirdEingegeben(zelle->row())) return;
  gleicheAb_ = true;
  setzeFeldtext(f, zelle->text());
  gleicheAb_ = false;
}

Projekteingaben TProjektdaten::eingaben() const {
  Projekteingaben e;
  for (int i = 0; i < kProjektfelder; ++i) {
    const auto zeile = static_cast<std::size_t>(i);
    e[zeile] =
        felder_[zeile] != nullptr ? feldtext(felder_[zeile]).toStdString() : zeichnung_.projektdaten.werte[zeile];
  }
  return e;
}

}  // namespace quarzel
