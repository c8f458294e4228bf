// SPDX-License-Identifier: GPL-3.0-or-later
#include "Zwischenablage.h"

#include <QApplication>
#include <QClipboard>
#include <QMimeData>
#include <QStringList>

#include "complex/ZKGenau.h"

namespace {

QStringList Zeilen(QString text) {
  // A spreadsheet ends even a single row with a line break.
  if (text.endsWith(QLatin1Char('\n'))) text.chop(1);
  if (text.endsWith(QLatin1Char('\r'))) text.chop(1);
  QStringList zeilen = text.split(QLatin1Char('\n'));
  for (QString& z : zeilen)
    if (z.endsWith(QLatin1Char('\r'))) z.chop(1);
  return zeilen;
}

}  // namespace

void KopiereInZwischenablage(const KopierBlock& block) {
  QStringList texte, werte;
  bool mitWert = false;
  for (const auto& zeile : block) {
    QStringList t, w;
    for (const KopierZelle& z : zeile) {
      t << z.text;
      const std::string genau = z.wert ? GenauerText(*z.wert) : std::string();
      w << QString::fromStdString(genau);
      mitWert = mitWert || !genau.empty();
    }
    texte << t.join(QLatin1Char('\t'));
    werte << w.join(QLatin1Char('\t'));
  }
  auto* daten = new QMimeData;
  daten->setText(texte.join(QLatin1Char('\n')));
  if (mitWert) daten->setData(QLatin1String(kWertMime), werte.join(QLatin1Char('\n')).toUtf8());
  QApplication::clipboard()->setMimeData(daten);
}

void KopiereInZwischenablage(const QString& text, const std::optional<ZKZahl>& wert) {
  KopiereInZwischenablage(KopierBlock{{{text, wert}}});
}

std::vector<std::vector<std::optional<ZKZahl>>> WerteInZwischenablage() {
  const QMimeData* daten = QApplication::clipboard()->mimeData();
  if (!daten || !daten->hasFormat(QLatin1String(kWertMime))) return {};
  const QStringList texte = Zeilen(daten->text());
  const QStringList werte = Zeilen(QString::fromUtf8(daten->data(QLatin1String(kWertMime))));
  if (texte.size() != werte.size()) return {};
  std::vector<std::vector<std::optional<ZKZahl>>> block;
  for (qsizetype i = 0; i < werte.size(); ++i) {
    const QStringList zellen = werte[i].split(QLatin1Char('\t'));
    if (zellen.size() != texte[i].split(QLatin1Char('\t')).size()) return {};
    auto& zeile = block.emplace_back();
    for (const QString& zelle : zellen) {
      ZKZahl z;
      if (LiesGenauenText(zelle.toStdString(), z))
        zeile.emplace_back(z);
      else
        zeile.emplace_back();
    }
  }
  return block;
}

std::optional<ZKZahl> WertInZwischenablage() {
  const auto block = WerteInZwischenablage();
  if (block.size() != 1 || block[0].size() != 1) return std::nullopt;
  return block[0][0];
}

bool GleicherZahlText(const QString& a, const QString& b) {
  auto normal = [](const QString& s) {
    QString n;
    for (QChar c : s) {
      if (c.category() == QChar::Other_Control) continue;
      n += c == QLatin1Char('.') ? QLatin1Char(',') : c;
    }
    return n;
  };
  return normal(a) == normal(b);
}
