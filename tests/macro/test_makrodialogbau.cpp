// The dialog words: the model the window side is handed, the access words,
// the answers that fill a dialog, live dialogs and their buttons.
#include <gtest/gtest.h>

#include <fstream>

#include "support/macro/interaktionslauf.h"

namespace quarzel {
namespace {

using test::Interaktionsfall;
using test::Interaktionslauf;
using test::pruefeFall;

// Records what reaches the window side and answers dialogs with `knopf`.
struct Dialogzeuge : Makrogegenueber {
  std::vector<std::string> protokoll;
  Makrodialog gezeigt;
  Makrodialog* live = nullptr;
  int knopf = 1;

  void warnung(std::string_view text) override { protokoll.emplace_back(text); }
  void information(std::string_view text) override { protokoll.emplace_back(text); }
  void infobox(std::string_view, const std::string&) override {}
  bool frage(std::string_view) override { return false; }
  std::optional<std::string> eingabe(std::string_view) override { return std::nullopt; }
  void zeigeHinweis(std::string_view) override {}
  void verbergeHinweis() override {}
  int funktionstaste() override { return 0; }
  std::optional<std::string> waehleDatei(std::string_view, std::string_view, const std::string&, bool) override {
    return std::nullopt;
  }
  void erwartePunkt(const Cursoranfrage&) override {}
  Dialogergebnis zeigeDialog(Makrodialog& d) override {
    gezeigt = d;
    protokoll.emplace_back("zeige");
    return {knopf};
  }
  void zeigeLivedialog(Makrodialog& d) override {
    live = &d;
    protokoll.emplace_back("live");
  }
  void schliesseLivedialog() override { protokoll.emplace_back("schliesse"); }
  void livedialogGeaendert() override { protokoll.emplace_back("geaendert"); }
};

TEST(Makrodialogbau, ModellWieGebaut) {
  Dialogzeuge zeuge;
  Interaktionslauf m({}, &zeuge);
  ASSERT_EQ(m.laufe("(Fenster) 300 200 BEGINDIALOG (Maße) 10 20 150 90 BEGINFRAME (Breite:) 5 6 LABEL "
                    "60 40 5 (101) DEFAULTEDIT ENDFRAME 80 10 120 EDIT 80 10 150 (Holz;Alu) COMBOBOX "
                    "(Form) 100 60 170 10 ((gerade;L;U)) RADIOGROUP 60 200 10 1 30 14 SPINEDIT "
                    "(OK) 10 180 BUTTON 2 SETDEFAULT ENDDIALOG"),
            Laufende::Beendet)
      << m.fehlertext();
  EXPECT_EQ(m.stapel(), std::vector<std::string>{"1"});
  const Makrodialog& d = zeuge.gezeigt;
  EXPECT_EQ(d.titel, "Fenster");
  EXPECT_EQ(d.breite, 300);
  EXPECT_EQ(d.standardknopf, 2);
  ASSERT_EQ(d.elemente.size(), 8u);
  // Inside the frame the positions count from the frame; after it from the dialog.
  EXPECT_EQ(d.elemente[1].rahmen, 0);
  EXPECT_EQ(d.elemente[1].x, 5);
  EXPECT_EQ(d.elemente[2].wert, "101");
  EXPECT_EQ(d.elemente[2].rahmen, 0);
  EXPECT_EQ(d.elemente[3].rahmen, -1);
  EXPECT_EQ(d.elemente[3].nummer, 2);  // the second edit
  EXPECT_EQ(d.elemente[4].wert, "Holz");
  EXPECT_EQ(d.elemente[5].eintraege, (std::vector<std::string>{"gerade", "L", "U"}));
  EXPECT_EQ(d.elemente[5].wert, "-1");
  EXPECT_EQ(d.elemente[6].wert, "14");
  EXPECT_EQ(d.elemente[6].maximum, 30);
}

std::string wiederholt(int n, std::string_view wort) {
  std::string t;
  for (int i = 0; i < n; ++i) t += std::string(wort) + " ";
  return t;
}

TEST(Makrodialogbau, WoerterUndAntworten) {
  const std::string d = "(D) 300 200 BEGINDIALOG ";
  const std::string liste = d + "80 60 10 10 (a;b;c) LISTBOX ";
  const std::string spin = d + "60 10 10 1 30 14 SPINEDIT (OK) 1 1 BUTTON ";
  const Interaktionsfall faelle[] = {
      {"Liste wählen", liste + "(listbox) 1 2 SETVALUE (listbox) 1 GETVALUE", {}, "2"},
      {"Liste außerhalb", liste + "(listbox) 1 3 SETVALUE", {}, "", 5},
      {"Element fehlt", liste + "(listbox) 2 GETVALUE", {}, "", 5},
      {"Art unbekannt", liste + "(knopf) 1 GETVALUE", {}, "", 5},
      {"Zugriff ohne Dialog", "(edit) 1 GETVALUE", {}, "", 8},
      {"Dialog im Dialog", d + "(E) 1 1 BEGINDIALOG", {}, "", 7},
      {"ENDDIALOG allein", "ENDDIALOG", {}, "", 8},
      {"SHOWLIVEDIALOG allein", "SHOWLIVEDIALOG", {}, "", 8},
      {"ENDPAINT ohne BEGINPAINT", d + "1 1 50 50 PAINTBOX 1 ENDPAINT", {}, "", 8},
      {"1000 Labels", d + "1000 { (l) 1 1 LABEL } (label) 1000 GETVALUE", {}, ""},
      {"1001 Labels", d + "1001 { (l) 1 1 LABEL }", {}, "", 13},
      {"200 Radiobuttons", d + "200 { (r) 1 1 RADIOBUTTON } (radiobutton) 200 GETVALUE", {}, "0"},
      {"201 Radiobuttons", d + "201 { (r) 1 1 RADIOBUTTON }", {}, "", 13},
      {"101 Edits", d + wiederholt(101, "9 1 1 EDIT"), {}, "", 13},
      {"Tabelle wächst und behält",
       d + "9 9 1 1 2 2 0 0 20 STRINGGRID 1 1 1 (x) SETCELL 1 3 3 GRIDDIM 1 1 1 GETCELL",
       {},
       "x"},
      {"Tabelle schrumpft", d + "9 9 1 1 2 2 0 0 20 STRINGGRID 1 1 1 GRIDDIM 1 1 1 GETCELL", {}, "", 5},
      {"Tabelle geleert", d + "9 9 1 1 2 2 0 0 20 STRINGGRID 1 0 0 (x) SETCELL 1 GRIDCLEAR 1 0 0 GETCELL", {}, ""},
      {"Spinedit ohne Zahl", spin + "1 (viel) SETSPINEDIT", {}, "", 5},
      {"Spinedit gesetzt", spin + "1 7 SETSPINEDIT (spinedit) 1 GETVALUE", {}, "7"},
      {"Spinedit beantwortet",
       spin + "ENDDIALOG (spinedit) 1 GETVALUE (spinedit) 1 ISCHANGED",
       {"spinedit 1=12", "knopf 1"},
       "1|12|1"},
      {"Spinedit über Maximum", spin + "ENDDIALOG", {"spinedit 1=50", "knopf 1"}, "", 0, "annehmen kann"},
      {"Checkbox nicht 0/1", d + "(c) 1 1 CHECKBOX ENDDIALOG", {"checkbox 1=ja", "knopf 0"}, "", 0, "annehmen kann"},
      {"Liste beantwortet", liste + "ENDDIALOG (listbox) 1 GETVALUE", {"listbox 1=2", "knopf 0"}, "0|2"},
      {"Liste falsch beantwortet", liste + "ENDDIALOG", {"listbox 1=3"}, "", 0, "annehmen kann"},
      {"Knopf fehlt", spin + "ENDDIALOG", {"knopf 2"}, "", 0, "knopf N"},
      {"Label beantwortet", d + "(l) 1 1 LABEL ENDDIALOG", {"label 1=x"}, "", 0, "annehmen kann"},
      {"Ohne Antwort", spin + "ENDDIALOG", {"spinedit 1=2"}, "", 0, "fehlt eine Antwort"},
  };
  for (const Interaktionsfall& f : faelle) pruefeFall(f);
}

TEST(Makrodialogbau, LivedialogMeldetAenderungenUndSchliesst) {
  Dialogzeuge zeuge;
  Interaktionslauf m({}, &zeuge);
  m.laufe(
      "(D) 99 99 BEGINDIALOG (c) 1 1 CHECKBOX SHOWLIVEDIALOG ENDDIALOG POP (checkbox) 1 1 SETVALUE "
      "ENDLIVEDIALOG (D) 99 99 BEGINDIALOG SHOWLIVEDIALOG");
  EXPECT_EQ(m.fehlercode(), 0) << m.fehlertext();
  // The second live dialog is closed by the end of the run.
  EXPECT_EQ(zeuge.protokoll, (std::vector<std::string>{"live", "geaendert", "schliesse", "live", "schliesse"}));
}

TEST(Makrodialogbau, MalflaecheNimmtDieLinienAusDerZeichnung) {
  Dialogzeuge zeuge;
  Interaktionslauf m({}, &zeuge);
  m.laufe(
      "(D) 99 99 BEGINDIALOG 0 0 40 30 PAINTBOX SHOWLIVEDIALOG ENDDIALOG POP 5 5 MOVETO 9 9 LINETO "
      "BEGINPAINT 0 0 MOVETO 10 20 LINETO 10 0 LINETO 1 ENDPAINT");
  ASSERT_EQ(m.fehlercode(), 0) << m.fehlertext();
  EXPECT_EQ(m.lebende(), 1);  // the line drawn before BEGINPAINT stays
  ASSERT_NE(zeuge.live, nullptr);
  const Steuerelement* box = zeuge.live->finde(Steuerelementart::Paintbox, 1);
  ASSERT_NE(box, nullptr);
  // In the paint box's pixels, y downward from its top.
  ASSERT_EQ(box->striche.size(), 2u);
  EXPECT_NEAR(box->striche[0].y1, 30, 1e-9);
  EXPECT_NEAR(box->striche[0].x2, 10, 1e-9);
  EXPECT_NEAR(box->striche[0].y2, 10, 1e-9);
}

TEST(Makrodialogbau, LivebuttonLaeuftWaehrendEinCursorwortWartet) {
  Interaktionslauf m({"livebutton 1", "# then the click", "5;6"});
  std::ofstream(m.ordner / "strich.psq") << "0 0 MOVETO 10 0 LINETO\n";
  ASSERT_EQ(m.laufe("(D) 99 99 BEGINDIALOG (Strich) (strich.psq) 1 1 60 20 () () LIVEBUTTON SHOWLIVEDIALOG "
                    "ENDDIALOG GETCURSOR"),
            Laufende::Beendet)
      << m.fehlertext() << m.antworten.fehler().value_or("");
  EXPECT_EQ(m.stapel(), (std::vector<std::string>{"0", "5", "6"}));
  EXPECT_EQ(m.lebende(), 1);

  Interaktionslauf falsch({"livebutton 2"});
  falsch.laufe("(D) 99 99 BEGINDIALOG (S) (s.psq) 1 1 60 20 () () LIVEBUTTON SHOWLIVEDIALOG ENDDIALOG GETCURSOR");
  EXPECT_NE(falsch.antworten.fehler().value_or("").find("Live-Dialogs"), std::string::npos);
}

}  // namespace
}  // namespace quarzel
