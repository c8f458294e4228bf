// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QCoreApplication>

#include "sprache/Sprachwahl.h"
#include "sprache/Uebersetzung.h"

namespace {

TEST(Fuelle, ArgumentsGoWhereTheTemplateSaysAndAreNotReadAgain) {
  EXPECT_EQ(sprache::Fuelle("%2 vor %1", {"a", "b"}), "b vor a");
  EXPECT_EQ(sprache::Fuelle("%1 und %3", {"%2", "x"}), "%2 und %3");
  EXPECT_EQ(sprache::Fuelle("100 %", {}), "100 %");
}

TEST(Sprachwahl, CommandLineThenKeptChoiceThenSystem) {
  struct Fall {
    const char* befehl;
    const char* gespeichert;
    QStringList system;
    const char* erwartet;
  };
  const Fall faelle[] = {
      {"", "", {"de-DE", "en-US"}, "de"},
      {"", "", {"de-AT"}, "de"},
      {"", "", {"en-US", "de-DE"}, "en"},
      {"", "", {"fr-FR"}, "en"},
      {"", "", {}, "en"},
      {"", "de", {"en-US"}, "de"},
      {"", "en", {"de-DE"}, "en"},
      {"", "xx", {"de-DE"}, "de"},
      {"de", "en", {"en-US"}, "de"},
      {"en", "de", {"de-DE"}, "en"},
  };
  for (const Fall& f : faelle)
    EXPECT_EQ(sprache::WaehleSprache(f.befehl, f.gespeichert, f.system), f.erwartet)
        << f.befehl << " / " << f.gespeichert << " / " << f.system.join(',').toStdString();
}

TEST(Sprachwahl, TheOptionLeavesTheOtherArgumentsAlone) {
  QStringList args{"quorvel", "--sprache", "en", "a.quorvel"};
  QString s, fehler;
  ASSERT_TRUE(sprache::NimmSpracheAus(args, s, fehler));
  EXPECT_EQ(s, "en");
  EXPECT_EQ(args, (QStringList{"quorvel", "a.quorvel"}));

  args = {"quorvel", "--sprache=de"};
  ASSERT_TRUE(sprache::NimmSpracheAus(args, s, fehler));
  EXPECT_EQ(s, "de");
  EXPECT_EQ(args, QStringList{"quorvel"});

  // After "--" a file may be called --sprache.
  args = {"quorvel", "--", "--sprache"};
  s.clear();
  ASSERT_TRUE(sprache::NimmSpracheAus(args, s, fehler));
  EXPECT_TRUE(s.isEmpty());

  for (QStringList falsch : {QStringList{"q", "--sprache"}, QStringList{"q", "--sprache", "fr"},
                             QStringList{"q", "--sprache="}}) {
    fehler.clear();
    EXPECT_FALSE(sprache::NimmSpracheAus(falsch, s, fehler)) << falsch.join(' ').toStdString();
    EXPECT_FALSE(fehler.isEmpty());
  }
}

TEST(Sprachwahl, TheEnglishCatalogueIsBuiltInAndReachesTheCores) {
  int argc = 1;
  char name[] = "test";
  char* argv[] = {name, nullptr};
  QCoreApplication app(argc, argv);
  ASSERT_TRUE(sprache::LadeSprache("en"));
  EXPECT_EQ(sprache::AktuelleSprache(), "en");
  EXPECT_EQ(sprache::Tr("Sprachwahl", "Nach --sprache fehlt de oder en."),
            "--sprache needs de or en after it.");
  ASSERT_TRUE(sprache::LadeSprache("de"));
  EXPECT_EQ(sprache::Tr("Sprachwahl", "Nach --sprache fehlt de oder en."),
            "Nach --sprache fehlt de oder en.");
  EXPECT_FALSE(sprache::LadeSprache("fr"));
  EXPECT_EQ(sprache::AktuelleSprache(), "de");
}

}  // namespace
