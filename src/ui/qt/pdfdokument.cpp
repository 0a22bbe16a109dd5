#include "ui/qt/pdfdokument.h"

#include <zlib.h>

#include <QFile>
#include <array>
#include <charconv>
#include <cstdio>
#include <span>

namespace quarzel {

namespace {

// Content is deflated in pieces of this size.
constexpr std::size_t kStueck = 1 << 16;

const char* const kSchriftnamen[4] = {"Helvetica", "Helvetica-Bold", "Helvetica-Oblique", "Helvetica-BoldOblique"};

QByteArray deflate(const QByteArray& roh) {
  uLongf laenge = compressBound(static_cast<uLong>(roh.size()));
  QByteArray aus(static_cast<qsizetype>(laenge), '\0');
  if (compress2(reinterpret_cast<Bytef*>(aus.data()), &laenge, reinterpret_cast<const Bytef*>(roh.constData()),
                static_cast<uLong>(roh.size()), Z_BEST_SPEED) != Z_OK)
    return {};
  aus.resize(static_cast<qsizetype>(laenge));
  return aus;
}

std::string zahl(double v) {
  char text[32];
  const auto [ende, fehler] = std::to_chars(text, text + sizeof text, v, std::chars_format::fixed, 3);
  if (fehler != std::errc()) return "0";
  return std::string(text, ende);
}

// A PDF text string: UTF-16 with its byte-order mark, as hex.
std::string textstring(const std::string& utf8) {
  const QString s = QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
  std::string aus = "<FEFF";
  char hex[8];
  for (QChar c : s) {
    std::snprintf(hex, sizeof hex, "%04X", c.unicode());
    aus += hex;
  }
  return aus + ">";
}

}  // namespace

struct Pdfdokument::Strom {
  z_stream z{};
  bool offen = false;
};

Pdfdokument::Pdfdokument(double breitePunkte, double hoehePunkte)
    : breite_(breitePunkte), hoehe_(hoehePunkte), strom_(std::make_unique<Strom>()) {
  strom_->offen = deflateInit(&strom_->z, Z_BEST_SPEED) == Z_OK;
  puffer_.reserve(kStueck + 4096);
}

Pdfdokument::~Pdfdokument() {
  if (strom_->offen) deflateEnd(&strom_->z);
}

void Pdfdokument::inhalt(std::string_view text) {
  if (puffer_.size() + text.size() < kStueck) {
    puffer_.append(text);
    return;
  }
  // A long text goes to the deflater as it is, not through a copy.
  packe(false);
  packe(false, text);
}

void Pdfdokument::packe(bool ende) {
  packe(ende, puffer_);
  puffer_.clear();
}

void Pdfdokument::packe(bool ende, std::string_view text) {
  if (!strom_->offen) return;
  z_stream& z = strom_->z;
  z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(text.data()));
  z.avail_in = static_cast<uInt>(text.size());
  std::uint8_t aus[kStueck];
  int ergebnis = Z_OK;
  do {
    z.next_out = aus;
    z.avail_out = sizeof aus;
    ergebnis = deflate(&z, ende ? Z_FINISH : Z_NO_FLUSH);
    if (z.avail_out < sizeof aus) gepackt_.emplace_back(aus, aus + (sizeof aus - z.avail_out));
  } while (z.avail_out == 0 || (ende && ergebnis == Z_OK));
}

std::string Pdfdokument::schrift(int schnitt) {
  schnitt = schnitt & 3;
  schriften_[schnitt] = true;
  return "F" + std::to_string(schnitt + 1);
}

std::string Pdfdokument::bild(const QImage& quelle) {
  const QImage b = quelle.convertToFormat(QImage::Format_RGBA8888);
  Bild eintrag;
  eintrag.breite = b.width();
  eintrag.hoehe = b.height();
  QByteArray rgb, alpha;
  rgb.reserve(static_cast<qsizetype>(b.width()) * b.height() * 3);
  alpha.reserve(static_cast<qsizetype>(b.width()) * b.height());
  bool durchsichtig = false;
  for (int y = 0; y < b.height(); ++y) {
    const uchar* zeile = b.constScanLine(y);
    for (int x = 0; x < b.width(); ++x) {
      const uchar* p = zeile + 4 * x;
      rgb.append(static_cast<char>(p[0]));
      rgb.append(static_cast<char>(p[1]));
      rgb.append(static_cast<char>(p[2]));
      alpha.append(static_cast<char>(p[3]));
      durchsichtig = durchsichtig || p[3] != 255;
    }
  }
  eintrag.rgb = deflate(rgb);
  if (durchsichtig) eintrag.alpha = deflate(alpha);
  bilder_.push_back(std::move(eintrag));
  return "B" + std::to_string(bilder_.size());
}

std::string Pdfdokument::speichern(const std::string& pfad) {
  packe(true);
  if (!strom_->offen) return "Der Inhalt der PDF-Datei kann nicht gepackt werden.";
  // Like the picture formats, without waiting for the disk (a sync of a
  // large file costs more than all the drawing).
  QFile datei(QString::fromStdString(pfad));
  if (!datei.open(QIODevice::WriteOnly)) return "Die Datei " + pfad + " kann nicht geschrieben werden.";

  std::vector<qint64> stellen;  // object n at stellen[n - 1]
  qint64 geschrieben = 0;
  const auto schreibe = [&](std::string_view s) {
    datei.write(s.data(), static_cast<qint64>(s.size()));
    geschrieben += static_cast<qint64>(s.size());
  };
  const auto objekt = [&](const std::string& koerper) {
    stellen.push_back(geschrieben);
    schreibe(std::to_string(stellen.size()) + " 0 obj\n" + koerper + "\nendobj\n");
  };
  const auto strom = [&](const std::string& verzeichnis, std::span<const std::string_view> teile) {
    std::size_t laenge = 0;
    for (std::string_view t : teile) laenge += t.size();
    stellen.push_back(geschrieben);
    schreibe(std::to_string(stellen.size()) + " 0 obj\n<<" + verzeichnis + " /Length " + std::to_string(laenge) +
             " /Filter /FlateDecode>>\nstream\n");
    for (std::string_view t : teile) schreibe(t);
    schreibe("\nendstream\nendobj\n");
  };
  const auto bytes = [](const QByteArray& a) { return std::string_view(a.constData(), std::size_t(a.size())); };

  schreibe("%PDF-1.4\n%\xE2\xE3\xCF\xD3\n");
  // 1 catalogue, 2 pages, 3 page, 4 content, 5 info; then fonts and pictures.
  objekt("<< /Type /Catalog /Pages 2 0 R >>");
  objekt("<< /Type /Pages /Kids [3 0 R] /Count 1 >>");
  std::string ressourcen = "<< /ProcSet [/PDF /Text /ImageC]";
  int naechstes = 6;
  std::string schriftteil, bildteil;
  for (int i = 0; i < 4; ++i)
    if (schriften_[i]) schriftteil += " /F" + std::to_string(i + 1) + " " + std::to_string(naechstes++) + " 0 R";
  std::vector<int> bildobjekte;
  for (std::size_t i = 0; i < bilder_.size(); ++i) {
    bildobjekte.push_back(naechstes);
    bildteil += " /B" + std::to_string(i + 1) + " " + std::to_string(naechstes) + " 0 R";
    naechstes += bilder_[i].alpha.isEmpty() ? 1 : 2;
  }
  if (!schriftteil.empty()) ressourcen += " /Font <<" + schriftteil + " >>";
  if (!bildteil.empty()) ressourcen += " /XObject <<" + bildteil + " >>";
  ressourcen += " >>";
  objekt("<< /Type /Page /Parent 2 0 R /MediaBox [0 0 " + zahl(breite_) + " " + zahl(hoehe_) + "] /Resources " +
         ressourcen + " /Contents 4 0 R >>");
  std::vector<std::string_view> inhaltsteile;
  for (const auto& t : gepackt_) inhaltsteile.emplace_back(reinterpret_cast<const char*>(t.data()), t.size());
  strom("", inhaltsteile);
  objekt("<< /Creator " + textstring("Quarzel") + " /Producer " + textstring("Quarzel") + " /Title " +
         textstring(titel_) + " >>");
  for (int i = 0; i < 4; ++i)
    if (schriften_[i])
      objekt(std::string("<< /Type /Font /Subtype /Type1 /BaseFont /") + kSchriftnamen[i] +
             " /Encoding /WinAnsiEncoding >>");
  for (std::size_t i = 0; i < bilder_.size(); ++i) {
    const Bild& b = bilder_[i];
    std::string kopf = " /Type /XObject /Subtype /Image /Width " + std::to_string(b.breite) + " /Height " +
                       std::to_string(b.hoehe) + " /ColorSpace /DeviceRGB /BitsPerComponent 8";
    if (!b.alpha.isEmpty()) kopf += " /SMask " + std::to_string(bildobjekte[i] + 1) + " 0 R";
    strom(kopf, std::array{bytes(b.rgb)});
    if (!b.alpha.isEmpty())
      strom(" /Type /XObject /Subtype /Image /Width " + std::to_string(b.breite) + " /Height " +
                std::to_string(b.hoehe) + " /ColorSpace /DeviceGray /BitsPerComponent 8",
            std::array{bytes(b.alpha)});
  }

  const qint64 verzeichnis = geschrieben;
  std::string xref = "xref\n0 " + std::to_string(stellen.size() + 1) + "\n0000000000 65535 f \n";
  char eintrag[24];
  for (qint64 s : stellen) {
    std::snprintf(eintrag, sizeof eintrag, "%010lld 00000 n \n", static_cast<long long>(s));
    xref += eintrag;
  }
  schreibe(xref);
  schreibe("trailer\n<< /Size " + std::to_string(stellen.size() + 1) + " /Root 1 0 R /Info 5 0 R >>\nstartxref\n" +
           std::to_string(verzeichnis) + "\n%%EOF\n");
  datei.close();
  if (datei.error() != QFileDevice::NoError) return "Die Datei " + pfad + " kann nicht geschrieben werden.";
  return "";
}

}  // namespace quarzel
