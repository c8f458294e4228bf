// SPDX-License-Identifier: GPL-3.0-or-later
// The recovery copy with real processes: the program (sitzung_probe, the
// program with a command reader) types, is killed or ended by signal, and
// is started again in the same home folder.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <memory>

#include "modell/Modell.h"
#include "modell/Sitzung.h"

// Readable failure messages for Qt strings.
inline void PrintTo(const QString& s, std::ostream* os) {
  *os << s.toStdString();
}

namespace {

// Generous: the program is built with sanitizers and shares the machine.
constexpr int kWarteMs = 60000;

class Lauf {
 public:
  Lauf(const QString& heim, const QString& antwort, rlim_t grenze = RLIM_INFINITY) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("HOME"), heim);
    env.insert(QStringLiteral("XDG_DATA_HOME"), heim + QStringLiteral("/daten"));
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), heim + QStringLiteral("/einstellungen"));
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral(QUORVEL_TESTPLATTFORM));
    env.insert(QStringLiteral("QUORVEL_TESTANTWORT"), antwort);
    // The messages compared are the German ones, whatever the machine speaks.
    env.insert(QStringLiteral("LANGUAGE"), QStringLiteral("de"));
    p_.setProcessEnvironment(env);
    if (grenze != RLIM_INFINITY)
      // A disk that is full after `grenze` bytes of any file.
      p_.setChildProcessModifier([grenze] {
        signal(SIGXFSZ, SIG_IGN);
        const rlimit r{grenze, grenze};
        setrlimit(RLIMIT_FSIZE, &r);
      });
    p_.start(QStringLiteral(QUORVEL_PROBE), {});
    EXPECT_TRUE(p_.waitForStarted(kWarteMs));
  }
  ~Lauf() {
    if (p_.state() != QProcess::NotRunning) {
      p_.kill();
      p_.waitForFinished(kWarteMs);
    }
  }

  // A command and its one-line answer.
  QString operator()(const QString& befehl) {
    p_.write((befehl + QLatin1Char('\n')).toUtf8());
    QElapsedTimer uhr;
    uhr.start();
    while (!p_.canReadLine() && uhr.elapsed() < kWarteMs && p_.state() == QProcess::Running)
      p_.waitForReadyRead(100);
    return QString::fromUtf8(p_.readLine()).trimmed();
  }
  QString Fehlerausgabe() {
    fehler_ += QString::fromUtf8(p_.readAllStandardError());
    return fehler_;
  }
  QProcess& P() { return p_; }

 private:
  QProcess p_;
  QString fehler_;
};

class SitzungsschutzTest : public ::testing::Test {
 protected:
  int argc_ = 1;
  char name_[8] = "schutz";
  char* argv_[2] = {name_, nullptr};
  QCoreApplication app_{argc_, argv_};
  QTemporaryDir heim_;

  QString Ordner() const { return heim_.path() + QStringLiteral("/daten/sitzung_probe/sitzungen"); }
  QString Datei(int n = 1) const { return Ordner() + QStringLiteral("/sitzung-%1.json").arg(n); }
  static QByteArray Inhalt(const QString& pfad) {
    QFile f(pfad);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
  }
  static bool WarteAuf(const std::function<bool()>& bedingung) {
    QElapsedTimer uhr;
    uhr.start();
    while (!bedingung()) {
      if (uhr.elapsed() > kWarteMs) return false;
      QThread::msleep(50);
    }
    return true;
  }
};

const QString kFrage = QStringLiteral("Die letzte Sitzung wiederherstellen?");

// Typed work survives kill -9 and SIGTERM, comes back with its results,
// and goes when declined or when the user quits.
TEST_F(SitzungsschutzTest, KilledWorkIsOfferedAndComesBackWithItsResults) {
  const QStringList orte = {QStringLiteral("Matrix 1 3"), QStringLiteral("Ergebnis 2 3"),
                            QStringLiteral("K 1 1"),      QStringLiteral("G 1 1"),
                            QStringLiteral("Formel 0 0"), QStringLiteral("Formelergebnis 0 0")};
  QStringList vorher;
  {
    Lauf a(heim_.path(), QStringLiteral("Wiederherstellen"));
    ASSERT_EQ(a(QStringLiteral("seite 0")), QStringLiteral("ok"));
    ASSERT_EQ(
        a(QStringLiteral("zelle MatrixTab_StringGrid 1 1 1\t1\t0\t0\t2\t0\t1\t0\t3\t0\t0\t1")),
        QStringLiteral("ok"));
    a(QStringLiteral("klick Berechnen_BitBtn"));
    a(QStringLiteral("seite 1"));
    a(QStringLiteral("zelle Variablen_StringGrid 1 1 4"));
    a(QStringLiteral("feld ZK_Rechenfeld_Edit K1*3"));
    a(QStringLiteral("klick ist_gleich_Button"));
    for (const QString& o : orte) vorher << a(QStringLiteral("lies ") + o);
    ASSERT_EQ(vorher[1], QStringLiteral("= 3"));
    ASSERT_TRUE(vorher[5].endsWith(QStringLiteral("12"))) << vorher[5].toStdString();
    ASSERT_TRUE(WarteAuf([&] { return Inhalt(Datei()).contains("K1*3"); }));
    a.P().kill();
    a.P().waitForFinished(kWarteMs);
    EXPECT_FALSE(a.Fehlerausgabe().contains(kFrage));
  }
  {
    Lauf b(heim_.path(), QStringLiteral("Wiederherstellen"));
    for (qsizetype i = 0; i < orte.size(); ++i)
      EXPECT_EQ(b(QStringLiteral("lies ") + orte[i]), vorher[i]) << orte[i].toStdString();
    EXPECT_TRUE(b.Fehlerausgabe().contains(kFrage));
    kill(static_cast<pid_t>(b.P().processId()), SIGTERM);
    ASSERT_TRUE(b.P().waitForFinished(kWarteMs));
    EXPECT_EQ(b.P().exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(b.P().exitCode(), 0);
    EXPECT_TRUE(Inhalt(Datei()).contains("K1*3"));
  }
  {
    Lauf c(heim_.path(), QStringLiteral("Verwerfen"));
    EXPECT_EQ(c(QStringLiteral("lies Formel 0 0")), QStringLiteral("="));
    EXPECT_TRUE(c.Fehlerausgabe().contains(kFrage));
    EXPECT_FALSE(QFile::exists(Datei()));
    c(QStringLiteral("feld ZK_Rechenfeld_Edit 7"));
    ASSERT_TRUE(WarteAuf([&] { return QFile::exists(Datei()); }));
    c(QStringLiteral("schliesse"));
    ASSERT_TRUE(c.P().waitForFinished(kWarteMs));
    EXPECT_EQ(c.P().exitCode(), 0);
    EXPECT_FALSE(QFile::exists(Datei()));
  }
}

// A second instance neither sees nor touches the first one's copy; a
// damaged copy is set aside with a message and the program starts.
TEST_F(SitzungsschutzTest, TwoInstancesAndADamagedCopy) {
  ASSERT_TRUE(QDir().mkpath(Ordner()));
  {
    QFile f(Datei(1));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("{\"quorvelSitzung\":1,\"seite\":1,\"pf");
  }
  Lauf a(heim_.path(), QStringLiteral("Wiederherstellen"));
  a(QStringLiteral("feld ZK_Rechenfeld_Edit 1"));
  EXPECT_TRUE(a.Fehlerausgabe().contains(QStringLiteral("beschädigt")));
  EXPECT_EQ(QDir(Ordner()).entryList({QStringLiteral("sitzung-1.json.beschaedigt-*")}).size(), 1);
  ASSERT_TRUE(WarteAuf([&] { return QFile::exists(Datei(1)); }));

  Lauf b(heim_.path(), QStringLiteral("Wiederherstellen"));
  EXPECT_EQ(b(QStringLiteral("lies Formel 0 0")), QStringLiteral("="));
  b(QStringLiteral("feld ZK_Rechenfeld_Edit 2"));
  ASSERT_TRUE(WarteAuf([&] { return QFile::exists(Datei(2)); }));
  EXPECT_FALSE(b.Fehlerausgabe().contains(kFrage));
  EXPECT_TRUE(Inhalt(Datei(1)).contains("\"formel\":\"1\""));
}

// On a full disk the old copy stays whole, the program goes on, and the
// status bar says so.
TEST_F(SitzungsschutzTest, AFullDiskKeepsTheOldCopy) {
  Modell leer;
  QByteArray bytes;
  QString grund;
  ASSERT_TRUE(SchreibeSitzung({leer.Schnappschuss(), 1, QString()}, bytes, grund));
  Lauf a(heim_.path(), QStringLiteral("Wiederherstellen"), rlim_t(bytes.size() + 100));
  a(QStringLiteral("feld ZK_Rechenfeld_Edit 1"));
  ASSERT_TRUE(WarteAuf([&] { return QFile::exists(Datei()); }));
  const QByteArray alt = Inhalt(Datei());
  a(QStringLiteral("feld ZK_Rechenfeld_Edit ") + QString(200, QLatin1Char('2')));
  ASSERT_TRUE(WarteAuf([&] { return a(QStringLiteral("status")).size() > 2; }));
  EXPECT_EQ(Inhalt(Datei()), alt);
  EXPECT_EQ(a(QStringLiteral("lies Formel 0 0")).size(), 203);
}

}  // namespace
