#include "ui/window/symbolkatalog.h"

#include <QAction>
#include <QCloseEvent>
#include <QFileSystemWatcher>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMainWindow>
#include <QMenu>
#include <QSortFilterProxyModel>
#include <QSplitter>
#include <QTimer>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <QVBoxLayout>

#include "settings/konfiguration.h"
#include "ui/qt/symbolausgabe.h"
#include "ui/window/sitzung.h"
#include "ui/window/symbolbefehle.h"
#include "ui/window/symbolvorschaumodell.h"
#include "ui/window/symbolziel.h"

namespace quarzel {

namespace fs = std::filesystem;

namespace {

// Changes come in bursts (a file written, then renamed into place): the
// folder is listed once they have settled.
constexpr int kNachlaufMs = 300;
constexpr int kPfadrolle = Qt::UserRole + 1;
constexpr int kMindesthoehe = 24;

QString qpfad(const fs::path& p) {
  return QString::fromStdString(p.string());
}

bool liegtIn(const fs::path& datei, const fs::path& ordner) {
  const fs::path relativ = datei.lexically_normal().lexically_relative(ordner.lexically_normal());
  return !relativ.empty() && *relativ.begin() != "..";
}

}  // namespace

Symbolkatalog::Symbolkatalog(Symbolwurzeln wurzeln, std::function<bool(const std::string& pfad)> einfuegen,
                             QWidget* eltern)
    : QDockWidget(QStringLiteral("Symbolkatalog"), eltern),
      wurzeln_(std::move(wurzeln)),
      einfuegen_(std::move(einfuegen)) {
  setObjectName(QStringLiteral("Symbolkatalog"));

  baum_ = new QTreeWidget;
  baum_->setHeaderHidden(true);
  baum_->setObjectName(QStringLiteral("Symbolordner"));

  suche_ = new QLineEdit;
  suche_->setObjectName(QStringLiteral("Symbolsuche"));
  suche_->setPlaceholderText(QStringLiteral("Suchen"));
  suche_->setClearButtonEnabled(true);
  suche_->setToolTip(
      QStringLiteral("Zeigt die Symbole, deren Name den Text enthält (Groß- und Kleinschreibung zählen nicht), "
                     "im gewählten Ordner und in allen seinen Unterordnern."));

  modell_ = new Symbolvorschaumodell(this);
  filter_ = new QSortFilterProxyModel(this);
  filter_->setSourceModel(modell_);
  filter_->setFilterCaseSensitivity(Qt::CaseInsensitive);

  liste_ = new QListView;
  liste_->setObjectName(QStringLiteral("Symbolliste"));
  liste_->setViewMode(QListView::IconMode);
  liste_->setIconSize(QSize(kSymbolvorschauPixel, kSymbolvorschauPixel));
  liste_->setGridSize(QSize(kSymbolvorschauPixel + 28, kSymbolvorschauPixel + 34));
  liste_->setResizeMode(QListView::Adjust);
  liste_->setMovement(QListView::Static);
  liste_->setUniformItemSizes(true);
  liste_->setWordWrap(true);
  liste_->setSelectionMode(QAbstractItemView::SingleSelection);
  liste_->setDragEnabled(true);
  liste_->setDragDropMode(QAbstractItemView::DragOnly);
  liste_->setModel(filter_);

  hinweis_ = new QLabel;
  hinweis_->setWordWrap(true);
  hinweis_->hide();

  auto* unten = new QWidget;
  auto* spalte = new QVBoxLayout(unten);
  spalte->setContentsMargins(0, 0, 0, 0);
  spalte->addWidget(suche_);
  spalte->addWidget(liste_, 1);
  spalte->addWidget(hinweis_);
  auto* teiler = new QSplitter(Qt::Vertical);
  teiler->addWidget(baum_);
  teiler->addWidget(unten);
  // The pictures need the room; the tree scrolls. Both may shrink to a
  // line, so the dock does not stretch a window whose right side is full.
  baum_->setMinimumHeight(kMindesthoehe);
  liste_->setMinimumHeight(kMindesthoehe);
  teiler->setStretchFactor(0, 1);
  teiler->setStretchFactor(1, 3);
  teiler->setSizes({100, 300});
  setWidget(teiler);

  waechter_ = new QFileSystemWatcher(this);
  nachlauf_ = new QTimer(this);
  nachlauf_->setSingleShot(true);
  nachlauf_->setInterval(kNachlaufMs);
  connect(waechter_, &QFileSystemWatcher::directoryChanged, nachlauf_, qOverload<>(&QTimer::start));
  connect(nachlauf_, &QTimer::timeout, this, &Symbolkatalog::aktualisieren);

  connect(baum_, &QTreeWidget::currentItemChanged, this, &Symbolkatalog::ordnerGewaehlt);
  connect(suche_, &QLineEdit::textChanged, this, &Symbolkatalog::zeigeSymbole);
  connect(liste_, &QListView::activated, this, &Symbolkatalog::einfuegen);

  aktualisieren();
}

void Symbolkatalog::baueBaum() {
  const fs::path vorher = gewaehlterOrdner();
  const QSignalBlocker still(baum_);
  baum_->clear();
  ordnerpfade_.clear();
  const auto haenge = [this](QTreeWidgetItem* item, const Ordnerknoten& knoten, auto& selbst) -> void {
    item->setText(0, QString::fromStdString(knoten.name));
    item->setData(0, kPfadrolle, static_cast<int>(ordnerpfade_.size()));
    ordnerpfade_.push_back(knoten.pfad);
    for (const Ordnerknoten& u : knoten.unterordner) selbst(new QTreeWidgetItem(item), u, selbst);
  };
  const auto wurzel = [&](const fs::path& pfad, const QString& name, const QString& tip) {
    auto* item = new QTreeWidgetItem(baum_);
    haenge(item, symbolordnerbaum(pfad, name.toStdString()), haenge);
    item->setToolTip(0, tip + QStringLiteral("\n") + qpfad(pfad));
    item->setExpanded(true);
  };
  wurzel(wurzeln_.programm, QStringLiteral("Programmsymbole"),
         QStringLiteral("Die mitgelieferten Symbole (schreibgeschützt)"));
  wurzel(wurzeln_.benutzer, QStringLiteral("Eigene Symbole"), QStringLiteral("Ihre gespeicherten Symbole"));
  if (vorher.empty() || !markiereOrdner(vorher)) {
    // The first time: the shipped symbols, unless there are none.
    std::error_code ec;
    baum_->setCurrentItem(baum_->topLevelItem(fs::is_directory(wurzeln_.programm, ec) ? 0 : 1));
  }
}

bool Symbolkatalog::markiereOrdner(const fs::path& ordner) {
  for (std::size_t i = 0; i < ordnerpfade_.size(); ++i) {
    if (ordnerpfade_[i].lexically_normal() != ordner.lexically_normal()) continue;
    for (QTreeWidgetItemIterator it(baum_); *it; ++it) {
      if ((*it)->data(0, kPfadrolle).toInt() != static_cast<int>(i)) continue;
      baum_->setCurrentItem(*it);
      return true;
    }
  }
  return false;
}

fs::path Symbolkatalog::gewaehlterOrdner() const {
  const QTreeWidgetItem* item = baum_->currentItem();
  if (item == nullptr) return {};
  const int i = item->data(0, kPfadrolle).toInt();
  return i >= 0 && static_cast<std::size_t>(i) < ordnerpfade_.size() ? ordnerpfade_[static_cast<std::size_t>(i)]
                                                                     : fs::path();
}

void Symbolkatalog::ordnerGewaehlt() {
  zeigeSymbole();
  beobachte();
}

void Symbolkatalog::zeigeSymbole() {
  const fs::path ordner = gewaehlterOrdner();
  // A search looks into the sub-folders too; the folder alone shows its own symbols.
  const bool suchen = !suche_->text().isEmpty();
  modell_->zeigeOrdner(ordner, suchen);
  filter_->setFilterFixedString(suche_->text());
  hinweis_->setText(QStringLiteral("Es werden nur die ersten %1 Symbole gezeigt.").arg(kSymbolordnerHoechstzahl));
  hinweis_->setVisible(modell_->abgeschnitten());
}

void Symbolkatalog::beobachte() {
  const QStringList alt = waechter_->directories();
  if (!alt.isEmpty()) waechter_->removePaths(alt);
  // The roots for new sub-folders, the folder shown for its files.
  QStringList neu;
  std::error_code ec;
  for (const fs::path& p : {wurzeln_.programm, wurzeln_.benutzer, gewaehlterOrdner()}) {
    if (!p.empty() && fs::is_directory(p, ec) && !neu.contains(qpfad(p))) neu << qpfad(p);
  }
  if (!neu.isEmpty()) waechter_->addPaths(neu);
}

void Symbolkatalog::aktualisieren() {
  baueBaum();
  zeigeSymbole();
  beobachte();
}

void Symbolkatalog::dateiGeschrieben(const fs::path& datei) {
  if (liegtIn(datei, wurzeln_.programm) || liegtIn(datei, wurzeln_.benutzer)) aktualisieren();
}

void Symbolkatalog::einfuegen(const QModelIndex& index) {
  const QModelIndex quelle = filter_->mapToSource(index);
  if (!quelle.isValid() || !einfuegen_) return;
  einfuegen_(modell_->pfad(quelle.row()).string());
}

void Symbolkatalog::closeEvent(QCloseEvent* ereignis) {
  QDockWidget::closeEvent(ereignis);
  if (ereignis->isAccepted() && geschlossen) geschlossen();
}

Symbolkatalog* symbolkatalogEinrichten(Fensteranschluss anschluss, Symbolbefehle& befehle, Werkzeugbedienung& werkzeuge,
                                       Zeichenflaeche& flaeche, QMenu& symbolmenue) {
  QMainWindow& fenster = anschluss.fenster;
  Sitzung& sitzung = anschluss.sitzung;
  Symbolwurzeln wurzeln{programmordner() / "Symbole", fs::path(befehle.symbolordner()).parent_path()};
  auto* katalog = new Symbolkatalog(
      std::move(wurzeln), [&befehle](const std::string& pfad) { return befehle.beginneSymbolEinfuegen(pfad); },
      &fenster);
  fenster.addDockWidget(Qt::RightDockWidgetArea, katalog);
  new Symbolziel(flaeche, befehle, werkzeuge);
  befehle.gespeichert = [katalog](const std::string& pfad) { katalog->dateiGeschrieben(pfad); };

  const auto merke = [&sitzung](bool zeigen) {
    einstellung::Symbolkatalog& s = sitzung.einstellungen.symbolkatalog;
    if (s.zeigen == zeigen) return;
    s.zeigen = zeigen;
    sitzung.konfiguration.speichereAbschnitt(s);
  };
  QAction* umschalter = katalog->toggleViewAction();
  umschalter->setText(QStringLiteral("Symbolkatalog"));
  symbolmenue.addSeparator();
  symbolmenue.addAction(umschalter);
  QObject::connect(umschalter, &QAction::triggered, katalog, merke);
  katalog->geschlossen = [merke] { merke(false); };
  return katalog;
}

}  // namespace quarzel
