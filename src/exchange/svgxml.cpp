#include "exchange/svgxml.h"

#include <QByteArray>
#include <QXmlStreamReader>

namespace quarzel {

namespace {

// Deeper nesting is no drawing but an attack on the walk over the tree.
constexpr std::size_t kMaxTiefe = 200;

std::string ohnePraefix(QStringView n) {
  const qsizetype d = n.lastIndexOf(u':');
  return (d < 0 ? n : n.mid(d + 1)).toString().toStdString();
}

bool behaeltText(const std::string& eltern) {
  return eltern == "text" || eltern == "tspan" || eltern == "style" || eltern == "textPath";
}

}  // namespace

const std::string* SvgKnoten::attribut(std::string_view n, bool mitPraefix) const {
  for (const auto& [name, wert] : attribute) {
    if (name == n) return &wert;
    if (mitPraefix && name.size() > n.size() && name.ends_with(n) && name[name.size() - n.size() - 1] == ':')
      return &wert;
  }
  return nullptr;
}

SvgDokument svgDokument(std::string_view daten) {
  SvgDokument d;
  QXmlStreamReader x(QByteArray::fromRawData(daten.data(), static_cast<qsizetype>(daten.size())));
  // Prefixes stay part of the names: files of drawing programs often use
  // prefixes they never declare.
  x.setNamespaceProcessing(false);
  std::vector<std::uint32_t> offen;
  // About one element in every hundred bytes; a guess, never a limit.
  d.knoten.reserve(daten.size() / 100);
  while (!x.atEnd()) {
    const QXmlStreamReader::TokenType t = x.readNext();
    if (t == QXmlStreamReader::StartElement) {
      if (offen.size() >= kMaxTiefe) {
        d.fehler = "Die SVG-Datei ist zu tief verschachtelt.";
        break;
      }
      SvgKnoten k;
      k.name = ohnePraefix(x.qualifiedName());
      for (const QXmlStreamAttribute& a : x.attributes())
        k.attribute.emplace_back(a.qualifiedName().toString().toStdString(), a.value().toString().toStdString());
      const auto nr = static_cast<std::uint32_t>(d.knoten.size());
      if (const std::string* id = k.attribut("id")) d.ids.emplace(*id, nr);
      d.knoten.push_back(std::move(k));
      offen.push_back(nr);
    } else if (t == QXmlStreamReader::EndElement) {
      if (offen.empty()) continue;
      d.knoten[offen.back()].ende = static_cast<std::uint32_t>(d.knoten.size());
      offen.pop_back();
    } else if (t == QXmlStreamReader::Characters && !offen.empty() && behaeltText(d.knoten[offen.back()].name)) {
      SvgKnoten k;
      k.text = x.text().toString().toStdString();
      k.ende = static_cast<std::uint32_t>(d.knoten.size() + 1);
      d.knoten.push_back(std::move(k));
    }
  }
  if (x.hasError() && d.fehler.empty())
    d.fehler =
        "Die SVG-Datei ist fehlerhaft (Zeile " + std::to_string(x.lineNumber()) + "): " + x.errorString().toStdString();
  // Elements the fault left open end where the file ends.
  for (std::uint32_t k : offen) d.knoten[k].ende = static_cast<std::uint32_t>(d.knoten.size());
  return d;
}

}  // namespace quarzel
