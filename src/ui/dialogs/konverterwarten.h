// While an external converter reads a file (a DWG takes a second or more): a
// busy dialog with "Abbrechen". The function it hands out keeps the window
// responsive and tells the reader whether the user gave up.
#pragma once

#include <QString>
#include <functional>
#include <memory>

class QProgressDialog;
class QWidget;

namespace quarzel {

class Konverterwarten {
 public:
  Konverterwarten(QWidget* eltern, const QString& text);
  ~Konverterwarten();
  Konverterwarten(const Konverterwarten&) = delete;
  Konverterwarten& operator=(const Konverterwarten&) = delete;

  std::function<bool()> abbruch();

 private:
  std::unique_ptr<QProgressDialog> dialog_;
};

}  // namespace quarzel
