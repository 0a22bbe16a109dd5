// Makrofehler: the numbered errors of a macro run and their texts.
//
// Every error of a run goes through one reporter with a code and the command
// or name it concerns (X). This unit only knows the codes and builds the
// texts; the reporter adds " in " + subroutine + "#" while a subroutine runs,
// and a macro started from a file shows "Es ist ein Fehler aufgetreten.
// Fehlercode: n" instead. The texts are kept exactly as users have always
// seen them ("Dialogdefintionen", "Divison").
#pragma once

#include <string>
#include <string_view>

namespace quarzel {

enum class Makrofehler : int {
  ZuwenigParameter = 1,
  UnterprogrammFehlt = 2,
  ReturnOhneCall = 3,
  EndgroupOhneGroup = 4,
  UngueltigerParameter = 5,
  DateiFehlt = 6,
  InDialogNichtErlaubt = 7,
  AusserhalbDialogNichtErlaubt = 8,
  DivisionDurchNull = 9,
  NurInSchleifen = 10,
  SchleifenendeOhneAnfang = 11,
  OhneIf = 12,
  SchwererFehler = 13,
  DatenmaskeFehlt = 14,
  StuecklisteNichtErzeugbar = 15,
  KeineStueckliste = 16,
  EintragFehlt = 17,
  StuecklistenZugriff = 18,
  StuecklisteLeer = 19,
  SymbolFehlt = 20,
  RekursiverAufruf = 21,
  NichtStartbar = 22,
  MakroFehlt = 23,
  KeinMakro = 24,
  ZuvieleEbenen = 25,
  ZuvieleUnterebenen = 26,
  SchreibdateiOffen = 27,
  LesedateiOffen = 28,
  KeineLesedatei = 29,
  KeineSchreibdatei = 30,
  ProfilFehlt = 31,
  EndframeOhneBeginframe = 32,
  EndpanelOhneBeginpanel = 33,
  FramesVerschachtelt = 34,
  ImLivedialogNichtErlaubt = 35,
  AliasFehlt = 36,
  ZahlAlsVariablenname = 37,
  ZahlAlsAliasname = 38,
  UnbekannterFehlerMitSpur = 97,
  UnbekannterFehlerAbbruch = 98,
  UnbekannterFehler = 99,
};

// The text of error `code` about `x`. Code 97 is followed by the two trace
// texts, each after a blank. A code without a text of its own gets the one of
// code 99.
std::string makrofehlertext(Makrofehler code, std::string_view x, std::string_view spur1 = {},
                            std::string_view spur2 = {});

}  // namespace quarzel
