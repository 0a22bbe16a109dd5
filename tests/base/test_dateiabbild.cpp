// Dateiabbild on a regular file, an empty one, a pipe and a missing one.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <fstream>
#include <thread>

#include "base/dateiabbild.h"
#include "support/tempordner.h"

namespace quarzel {
namespace {

TEST(Dateiabbild, LiestDateienUndRohre) {
  test::TempOrdner ordner;
  const auto pfad = [&](const char* name) { return ordner.pfad() / name; };
  std::ofstream(pfad("voll.dxf"), std::ios::binary) << std::string("0\nEOF\n\0x", 8);
  std::ofstream(pfad("leer.dxf"));
  ASSERT_EQ(::mkfifo(pfad("rohr").c_str(), 0600), 0);
  std::thread schreiber([&] { std::ofstream(pfad("rohr")) << "durch das Rohr"; });
  struct Fall {
    const char* name;
    bool ok;
    std::string daten;
    bool abgebildet;
  };
  for (const Fall& f : {Fall{"voll.dxf", true, std::string("0\nEOF\n\0x", 8), true}, Fall{"leer.dxf", true, "", false},
                        Fall{"rohr", true, "durch das Rohr", false}, Fall{"fehlt.dxf", false, "", false}}) {
    Dateiabbild abbild;
    EXPECT_EQ(abbild.oeffnen(pfad(f.name)), f.ok) << f.name;
    EXPECT_EQ(abbild.daten(), f.daten) << f.name;
    EXPECT_EQ(abbild.abgebildet(), f.abgebildet) << f.name;
    EXPECT_EQ(abbild.fehler().empty(), f.ok) << f.name;
    Dateiabbild verschoben = std::move(abbild);
    EXPECT_EQ(verschoben.daten(), f.daten) << f.name;
  }
  schreiber.join();
}

}  // namespace
}  // namespace quarzel
