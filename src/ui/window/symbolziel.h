// Symbolziel: the drawing area as the place a symbol is dragged to — from
// the symbol catalogue, or a symbol file from a file manager. A drop starts
// placing the symbol through the one way in (Symbolbefehle::
// beginneSymbolEinfuegen) and puts a copy at the drop point, as a click
// there would; the symbol then hangs at the cursor for further copies.
#pragma once

#include <QObject>
#include <filesystem>
#include <optional>

class QMimeData;

namespace quarzel {

class Symbolbefehle;
class Werkzeugbedienung;
class Zeichenflaeche;

// The catalogue's own drag format: the file's path as the file system names
// it, which a URL of a name that is not UTF-8 would not keep.
inline constexpr const char* kSymbolMimeTyp = "application/x-quarzel-symboldatei";

// What the catalogue hands to a drag: its own format and the file's URL.
QMimeData* symbolMimeDaten(const std::filesystem::path& datei);
// The symbol file a drag carries: the catalogue's format, else a local file
// with a symbol file's extension; std::nullopt for anything else.
std::optional<std::filesystem::path> symboldateiAus(const QMimeData& daten);

class Symbolziel final : public QObject {
 public:
  Symbolziel(Zeichenflaeche& flaeche, Symbolbefehle& befehle, Werkzeugbedienung& werkzeuge);

 protected:
  bool eventFilter(QObject* objekt, QEvent* ereignis) override;

 private:
  Zeichenflaeche& flaeche_;
  Symbolbefehle& befehle_;
  Werkzeugbedienung& werkzeuge_;
};

}  // namespace quarzel
