// libFuzzer target for the configuration file: any bytes give a usable
// IniDatei and typed settings, and settings written out read back the same.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "settings/einstellungen.h"
#include "base/inidatei.h"

using namespace quarzel;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
  const IniDatei ini = IniDatei::ausText(std::string_view(reinterpret_cast<const char*>(daten), groesse));
  Einstellungen gelesen;
  gelesen.lese(ini);

  IniDatei geschrieben = ini;
  gelesen.schreibe(geschrieben);
  Einstellungen wieder;
  wieder.lese(IniDatei::ausText(geschrieben.text()));
  if (!(wieder == gelesen)) std::abort();
  return 0;
}
