// SPDX-License-Identifier: GPL-3.0-or-later
// The recovery copy without a window: which file an instance takes, what a
// later start finds in it, and that a failed write leaves the old copy.
#include <gtest/gtest.h>
#include <sys/resource.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>

#include "modell/Modell.h"
#include "modell/Sitzung.h"

namespace {

class SitzungTest : public ::testing::Test {
 protected:
  int argc_ = 1;
  char name_[8] = "sitzung";
  char* argv_[2] = {name_, nullptr};
  QCoreApplication app_{argc_, argv_};
  QTemporaryDir dir_;

  static QByteArray Inhalt(const QString& pfad) {
    QFile f(pfad);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
  }
};

// Two instances at once write two files; the one a finished instance left
// is found by the next start with the page and file name, and either taken
// over or declined; a normal end removes its own.
TEST_F(SitzungTest, EachInstanceHasItsOwnFileAndAnAbandonedOneIsFoundOnce) {
  Modell m1, m2;
  auto erste = std::make_unique<Sitzung>(m1, dir_.path());
  Sitzung zweite(m2, dir_.path());
  ASSERT_EQ(erste->Beanspruche(), Sitzung::Fund::Nichts);
  ASSERT_EQ(zweite.Beanspruche(), Sitzung::Fund::Nichts);
  ASSERT_NE(erste->Datei(), zweite.Datei());

  m1.Formel().SetzeText(QStringLiteral("K1*2"));
  m2.Formel().SetzeText(QStringLiteral("1"));
  erste->SetzeSeite(2);
  erste->SetzePfad(QStringLiteral("/tmp/a.quorvel"));
  ASSERT_TRUE(erste->Schreibe());
  ASSERT_TRUE(zweite.Schreibe());
  // A file the running second instance holds is not offered to a third.
  erste.reset();
  Modell m3;
  Sitzung dritte(m3, dir_.path());
  ASSERT_EQ(dritte.Beanspruche(), Sitzung::Fund::Verlassen);
  EXPECT_EQ(dritte.Gefunden().aufgabe.formel, "K1*2");
  EXPECT_EQ(dritte.Gefunden().seite, 2);
  EXPECT_EQ(dritte.Gefunden().pfad, QStringLiteral("/tmp/a.quorvel"));
  Modell m4;
  Sitzung vierte(m4, dir_.path());
  EXPECT_EQ(vierte.Beanspruche(), Sitzung::Fund::Nichts);
  EXPECT_NE(vierte.Datei(), zweite.Datei());

  dritte.Verwirf();
  EXPECT_FALSE(QFile::exists(dritte.Datei()));
  zweite.Entferne();
  EXPECT_FALSE(QFile::exists(zweite.Datei()));
  EXPECT_EQ(QDir(dir_.path()).entryList({QStringLiteral("*.json")}, QDir::Files).size(), 0);
}

// The copy is made once the changes pause, not on each of them.
TEST_F(SitzungTest, WritesAfterTheChangesPause) {
  Modell m;
  Sitzung s(m, dir_.path());
  s.SetzeVerzoegerung(100);
  ASSERT_EQ(s.Beanspruche(), Sitzung::Fund::Nichts);
  m.Formel().SetzeText(QStringLiteral("1"));
  m.Formel().SetzeText(QStringLiteral("12"));
  EXPECT_FALSE(QFile::exists(s.Datei()));
  ASSERT_TRUE(QTest::qWaitFor([&] { return QFile::exists(s.Datei()); }, 2000));
  Sitzungsstand stand;
  QString grund;
  const QByteArray b = Inhalt(s.Datei());
  ASSERT_TRUE(LiesSitzung(std::string_view(b.constData(), std::size_t(b.size())), stand, grund));
  EXPECT_EQ(stand.aufgabe.formel, "12");
}

// A cut or foreign file is renamed aside whole, and the start goes on with
// a fresh copy.
TEST_F(SitzungTest, ADamagedFileIsSetAsideAndKept) {
  for (const QByteArray& kaputt :
       {QByteArray("{\"quorvelSitzung\":1,\"seite\":0,\"pfad\":\"\",\"aufg"),
        QByteArray("\x00\xff garbage", 10), QByteArray("{\"quorvelSitzung\":1}")}) {
    QTemporaryDir dir;
    {
      QFile f(dir.path() + QStringLiteral("/sitzung-1.json"));
      ASSERT_TRUE(f.open(QIODevice::WriteOnly));
      f.write(kaputt);
    }
    Modell m;
    Sitzung s(m, dir.path());
    ASSERT_EQ(s.Beanspruche(), Sitzung::Fund::Beschaedigt);
    EXPECT_FALSE(s.Grund().isEmpty());
    EXPECT_EQ(Inhalt(s.Beiseite()), kaputt);
    EXPECT_FALSE(QFile::exists(s.Datei()));
    EXPECT_TRUE(s.Schreibe());
  }
}

// A full disk (here a file size limit) fails the write: the old copy stays
// whole, and the failure is reported once.
TEST_F(SitzungTest, AFailedWriteKeepsTheOldCopyAndIsReportedOnce) {
  Modell m;
  Sitzung s(m, dir_.path());
  ASSERT_EQ(s.Beanspruche(), Sitzung::Fund::Nichts);
  // Nothing typed, nothing kept.
  ASSERT_TRUE(s.Schreibe());
  EXPECT_FALSE(QFile::exists(s.Datei()));
  m.Formel().SetzeText(QStringLiteral("1"));
  ASSERT_TRUE(s.Schreibe());
  const QByteArray alt = Inhalt(s.Datei());
  QSignalSpy fehler(&s, &Sitzung::Schreibfehler);

  m.Formel().SetzeText(QString(200, QLatin1Char('1')));
  rlimit vorher{};
  ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &vorher), 0);
  rlimit eng = vorher;
  eng.rlim_cur = static_cast<rlim_t>(alt.size());
  auto* sigxfsz = signal(SIGXFSZ, SIG_IGN);
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &eng), 0);
  const bool erst = s.Schreibe();
  const bool dann = s.Schreibe();
  setrlimit(RLIMIT_FSIZE, &vorher);
  signal(SIGXFSZ, sigxfsz);

  EXPECT_FALSE(erst);
  EXPECT_FALSE(dann);
  EXPECT_EQ(Inhalt(s.Datei()), alt);
  EXPECT_EQ(fehler.size(), 1);
  EXPECT_TRUE(s.Schreibe());
}

}  // namespace
