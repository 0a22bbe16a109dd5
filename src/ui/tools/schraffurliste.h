// Schraffurliste: the main window's list of available hatches, one entry per
// definition with a small preview of it in front of its name.
#pragma once

#include <QListWidget>
#include <string>

namespace quarzel {

class Schraffurbibliothek;

class Schraffurliste final : public QListWidget {
  Q_OBJECT

 public:
  static constexpr int kBildBreite = 48;
  static constexpr int kBildHoehe = 24;

  explicit Schraffurliste(QWidget* eltern = nullptr);

  // Refills the list from the library, keeping the chosen name when it is
  // still there.
  void fuellen(const Schraffurbibliothek& bibliothek);
  // The chosen hatch's name; empty when none is chosen.
  std::string gewaehlt() const;
  void waehle(const std::string& name);
};

}  // namespace quarzel
