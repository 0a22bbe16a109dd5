#include "project/stuecklistendatei.h"

#include "base/sicheredatei.h"
#include "base/textkodierung.h"

namespace quarzel {

namespace {

constexpr std::string_view kZeilenende = "\r\n";

bool endetAuf(std::string_view name, std::string_view endung) {
  if (name.size() < endung.size()) return false;
  const std::string_view ende = name.substr(name.size() - endung.size());
  for (std::size_t i = 0; i < ende.size(); ++i) {
    const char c = ende[i] >= 'A' && ende[i] <= 'Z' ? static_cast<char>(ende[i] - 'A' + 'a') : ende[i];
    if (c != endung[i]) return false;
  }
  return true;
}

// The code point of one UTF-8 sequence; U+FFFD for a damaged one.
char32_t codepunkt(std::string_view folge) {
  const auto b = [&](std::size_t i) { return static_cast<unsigned char>(folge[i]); };
  if (folge.size() == 2) return char32_t(b(0) & 0x1F) << 6 | (b(1) & 0x3F);
  if (folge.size() == 3) return char32_t(b(0) & 0x0F) << 12 | char32_t(b(1) & 0x3F) << 6 | (b(2) & 0x3F);
  if (folge.size() == 4)
    return char32_t(b(0) & 0x07) << 18 | char32_t(b(1) & 0x3F) << 12 | char32_t(b(2) & 0x3F) << 6 | (b(3) & 0x3F);
  return U'\uFFFD';
}

// A cell's text for the HTML file, in Windows-1252 bytes.
std::string htmlText(std::string_view utf8) {
  std::string aus;
  for (std::size_t i = 0; i < utf8.size();) {
    std::size_t n = 1;
    while (i + n < utf8.size() && (static_cast<unsigned char>(utf8[i + n]) & 0xC0) == 0x80) ++n;
    const std::string_view folge = utf8.substr(i, n);
    i += n;
    if (folge == "&") {
      aus += "&amp;";
    } else if (folge == "<") {
      aus += "&lt;";
    } else if (folge == ">") {
      aus += "&gt;";
    } else if (const std::string byte = nachCp1252(folge); byte != "?" || folge == "?") {
      aus += byte;
    } else {
      aus += "&#" + std::to_string(static_cast<std::uint32_t>(codepunkt(folge))) + ";";
    }
  }
  return aus;
}

std::string csvZelle(const std::string& text) {
  if (text.find_first_of(";\"\r\n") == std::string::npos) return text;
  std::string aus = "\"";
  for (char c : text) {
    if (c == '"') aus += '"';
    aus += c;
  }
  return aus + "\"";
}

void zeile(std::string& ziel, std::string_view text) {
  ziel += text;
  ziel += kZeilenende;
}

}  // namespace

Listenformat listenformatFuer(std::string_view dateiname, Listenformat vorgabe) {
  if (endetAuf(dateiname, ".csv")) return Listenformat::Csv;
  if (endetAuf(dateiname, ".htm") || endetAuf(dateiname, ".html")) return Listenformat::Html;
  return vorgabe;
}

std::string listendateiname(std::string dateiname, Listenformat format) {
  const std::string_view endung = format == Listenformat::Csv ? "csv" : "htm";
  if (endetAuf(dateiname, "." + std::string(endung))) return dateiname;
  if (format == Listenformat::Html && endetAuf(dateiname, ".html")) return dateiname;
  if (dateiname.empty() || dateiname.back() != '.') dateiname += '.';
  return dateiname + std::string(endung);
}

std::string stuecklisteAlsHtml(const Stueckliste& liste) {
  std::string html;
  zeile(html, "<html>");
  zeile(html, "<head>");
  zeile(html, nachCp1252("<title>Stückliste ") + htmlText(liste.name) + "</title>");
  zeile(html, "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=iso-8859-1\">");
  zeile(html, "</head>");
  zeile(html, "<body bgcolor=\"#FFFFFF\" text=\"#000000\">");
  zeile(html, "<table width=\"100%\" border=\"1\" cellspacing=\"0\" cellpadding=\"5\">");
  const std::vector<int> spalten = liste.sichtbareSpalten();
  for (int z = 0; z < liste.zeilenzahl(); ++z) {
    zeile(html, "  <tr>");
    for (int s : spalten) zeile(html, "    <td>" + htmlText(liste.zelle(z, s)) + "&nbsp;</td>");
    zeile(html, "  </tr>");
  }
  zeile(html, "</table>");
  zeile(html, "</body>");
  zeile(html, "</html>");
  return html;
}

std::string stuecklisteAlsCsv(const Stueckliste& liste) {
  std::string csv;
  const std::vector<int> spalten = liste.sichtbareSpalten();
  for (int z = 0; z < liste.zeilenzahl(); ++z) {
    std::string text;
    for (int s : spalten) text += csvZelle(liste.zelle(z, s)) + ";";
    zeile(csv, text);
  }
  return csv;
}

bool speichereStueckliste(const Stueckliste& liste, const std::filesystem::path& pfad, Listenformat format,
                          std::string* fehler) {
  return schreibeDateiAtomar(pfad, format == Listenformat::Csv ? stuecklisteAlsCsv(liste) : stuecklisteAlsHtml(liste),
                             fehler);
}

}  // namespace quarzel
