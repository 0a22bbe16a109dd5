// Saving the drawing to its file: the ".QZZ" name, the ".BAK" backup, the
// automatic-save name, the save messages and the emergency file.
//
// A save never destroys what is on disk before the new file is complete: the
// drawing is written to a temporary file beside the target and renamed over
// it, and the backup is made as a second name of the old file, so a full disk
// or a missing folder leaves the old file and the old backup as they were.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "settings/einstellungen_dateien.h"
#include "platform/benutzer.h"
#include "store/zeichnung.h"

namespace quarzel {

inline constexpr std::string_view Zeichnungsendung = ".QZZ";
inline constexpr std::string_view Sicherungsendung = ".BAK";
inline constexpr std::string_view Autosavezusatz = "_autosave";
inline constexpr std::string_view Zeichnungsfilter = "Zeichnungen (*.QZZ)|*.QZZ";

enum class Speicherart {
  Benutzer,     // the user's save: clears the modified flag, names the drawing
  Automatisch,  // the timer's save: writes the autosave file, touches neither
};

enum class Speicherstatus {
  Gespeichert,
  Unvollstaendig,         // the file exists but some elements are missing in it
  Fehlgeschlagen,         // no file written; what was on disk is unchanged
  ExportNichtVerfuegbar,  // the name asks for an export format not built yet
};

struct Speicherergebnis {
  Speicherstatus status = Speicherstatus::Fehlgeschlagen;
  std::string pfad;  // the file written or tried
  std::int32_t nichtGeschrieben = 0;
  // A file of the drawing now exists under `pfad`.
  bool dateiGeschrieben() const {
    return status == Speicherstatus::Gespeichert || status == Speicherstatus::Unvollstaendig;
  }
};

// The name with ".QZZ" appended unless it already ends so (in any case).
std::string mitZeichnungsendung(const std::string& name);

// The extension ("DXF", "WMF", "PNG", "BMP", "PLA") when saving under this
// name means exporting, std::nullopt for a drawing file.
std::optional<std::string> exportformat(const std::string& name);

// "plan.QZZ" -> "plan_autosave.QZZ", in the "Autosavepfad" folder when
// "Autosaveverzeichnis" is on and that folder is named, beside the drawing
// otherwise.
std::string autosavename(const std::string& dateiname, const einstellung::Speichern& einstellungen);

// The message for a file that could not be created.
std::string meldungErstellenFehlgeschlagen(const std::string& pfad);
// The message for elements the file could not take (three lines).
std::string meldungUnvollstaendig(std::int32_t anzahl);

// Saves the drawing under `name` (".QZZ" appended when missing). With
// "Sicherheitskopie anlegen" an existing file becomes name ".BAK". Failures
// are told to the user. A user's save that wrote the file completely clears
// the modified flag; every save that wrote a file sets the drawing's name,
// except the automatic one, which leaves the drawing as it was.
Speicherergebnis speichereZeichnung(Zeichnung& zeichnung, const std::string& name,
                                    const einstellung::Speichern& einstellungen, Benutzer& benutzer,
                                    Speicherart art = Speicherart::Benutzer);

// Writes the emergency file after a fatal error: no backup, no message, no
// change to the drawing. Never throws; false when nothing could be written.
bool schreibeNotsicherung(const Zeichnung& zeichnung, const std::string& pfad) noexcept;

// The writer for Strukturwaechter::notsicherung. The drawing must outlive it.
std::function<bool(const std::string& pfad)> notsicherungFuer(const Zeichnung& zeichnung);

}  // namespace quarzel
