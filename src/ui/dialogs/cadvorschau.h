// CadVorschau: the picture of an imported file's layout in the import
// dialog, drawn once into an image when the file or the layout changes.
#pragma once

#include <QImage>
#include <QWidget>
#include <string>

namespace quarzel {

struct CadModell;

class CadVorschau final : public QWidget {
 public:
  explicit CadVorschau(QWidget* eltern = nullptr);

  // Draws `layout` of `modell` to fit; nullptr shows an empty picture.
  void zeige(const CadModell* modell, const std::string& layout);

  QSize sizeHint() const override { return {360, 260}; }

 protected:
  void paintEvent(QPaintEvent* ereignis) override;
  void resizeEvent(QResizeEvent* ereignis) override;

 private:
  void zeichneBild();

  const CadModell* modell_ = nullptr;
  std::string layout_;
  QImage bild_;
};

}  // namespace quarzel
