#include "ui/dialogs/statistikdialog.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace quarzel {

namespace {

QString qtext(std::string_view s) {
  return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

QTableWidgetItem* zahl(std::int64_t n, bool fett) {
  auto* feld = new QTableWidgetItem(QString::number(n));
  feld->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
  feld->setFlags(Qt::ItemIsEnabled);
  QFont schrift = feld->font();
  schrift.setBold(fett);
  feld->setFont(schrift);
  return feld;
}

}  // namespace

TStatistik::TStatistik(const Statistik& statistik, QWidget* eltern) : QDialog(eltern) {
  setObjectName(QStringLiteral("Statistik"));
  setWindowTitle(QStringLiteral("Statistik"));
  tabelle_ = new QTableWidget(static_cast<int>(statistik.size()), 3, this);
  QStringList spalten;
  for (std::string_view s : StatistikSpalten) spalten << qtext(s);
  tabelle_->setHorizontalHeaderLabels(spalten);
  QStringList zeilen;
  for (int i = 0; i < tabelle_->rowCount(); ++i) {
    const Statistikzeile& z = statistik[static_cast<std::size_t>(i)];
    zeilen << qtext(z.name);
    const bool summe = i + 1 == tabelle_->rowCount();
    tabelle_->setItem(i, 0, zahl(z.zeichnung, summe));
    tabelle_->setItem(i, 1, zahl(z.undoRedo, summe));
    tabelle_->setItem(i, 2, zahl(z.gesamt(), summe));
  }
  tabelle_->setVerticalHeaderLabels(zeilen);
  tabelle_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  tabelle_->setSelectionMode(QAbstractItemView::NoSelection);
  tabelle_->setFocusPolicy(Qt::NoFocus);
  tabelle_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  tabelle_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  // The whole table without scrolling: its size from the contents, as the
  // headers would only report it once shown.
  int breite = tabelle_->verticalHeader()->sizeHint().width() + 2 * tabelle_->frameWidth();
  tabelle_->resizeColumnsToContents();
  for (int s = 0; s < tabelle_->columnCount(); ++s) {
    tabelle_->setColumnWidth(s, tabelle_->columnWidth(s) + 12);
    breite += tabelle_->columnWidth(s);
  }
  int hoehe = tabelle_->horizontalHeader()->sizeHint().height() + 2 * tabelle_->frameWidth();
  for (int z = 0; z < tabelle_->rowCount(); ++z) hoehe += tabelle_->rowHeight(z);
  tabelle_->setFixedSize(breite, hoehe);

  auto* knoepfe = new QDialogButtonBox(this);
  QPushButton* ok = knoepfe->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
  ok->setDefault(true);
  connect(knoepfe, &QDialogButtonBox::accepted, this, &QDialog::accept);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(tabelle_);
  layout->addWidget(knoepfe);
}

}  // namespace quarzel
