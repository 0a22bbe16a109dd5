// The dialogs of the CAD file import: "DWG/DXF-Importieren", where the file
// is chosen, previewed and its layout picked, and "Im- und Export" with the
// options of the import. Both show the same group "DXF/DWG-Import".
#pragma once

#include <QDialog>
#include <QGroupBox>
#include <functional>
#include <memory>
#include <string>

#include "exchange/cadimport.h"

class QCheckBox;
class QLabel;
class QListWidget;
class QPushButton;

namespace quarzel {

class Benutzer;
class CadVorschau;

// The five check boxes, read from and written to the options.
class CadImportgruppe final : public QGroupBox {
 public:
  explicit CadImportgruppe(const CadImportoptionen& optionen, QWidget* eltern = nullptr);
  CadImportoptionen optionen() const;

 private:
  QCheckBox* clip_;
  QCheckBox* z_;
  QCheckBox* yz_;
  QCheckBox* bloecke_;
  QCheckBox* punkte_;
};

// "Im- und Export": OK takes the options over.
class TImExport final : public QDialog {
 public:
  TImExport(const CadImportoptionen& optionen, QWidget* eltern = nullptr);
  CadImportoptionen optionen() const { return gruppe_->optionen(); }

 private:
  CadImportgruppe* gruppe_;
};

class TCadImport final : public QDialog {
 public:
  TCadImport(Benutzer& benutzer, const CadImportoptionen& optionen, QWidget* eltern = nullptr);
  ~TCadImport() override;

  // "Open CAD...": asks for a file and loads it; false when none was loaded.
  bool oeffneCad();
  // Loads `pfad` as if chosen in the file dialog.
  bool lade(const std::string& pfad);

  const CadDatei* datei() const { return datei_.get(); }
  std::string layout() const;
  CadImportoptionen optionen() const { return gruppe_->optionen(); }

 private:
  void zeigeLayouts();
  void alsTextSpeichern();

  Benutzer& benutzer_;
  std::unique_ptr<CadDatei> datei_;
  QLabel* name_;
  CadVorschau* vorschau_;
  QLabel* blaetterText_;
  QLabel* blaetterFrage_;
  QListWidget* blaetter_;
  CadImportgruppe* gruppe_;
  QPushButton* alsText_;
  QPushButton* ok_;
};

}  // namespace quarzel
