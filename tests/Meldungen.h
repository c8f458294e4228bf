// SPDX-License-Identifier: GPL-3.0-or-later
// Answers the program's message boxes from a script; a box nobody expected
// fails the test instead of waiting for a click.
#ifndef QUORVEL_TESTS_MELDUNGEN_H
#define QUORVEL_TESTS_MELDUNGEN_H

#include <gtest/gtest.h>

#include <QString>
#include <deque>

#include "forms/Anwendung.h"

class Meldungen {
 public:
  struct Meldung {
    QString text, titel;
    int flags;
  };

  Meldungen() {
    alt_ = TApplication::SetzeMeldungsFunktion(
        [this](const QString& text, const QString& titel, int flags) {
          gezeigt.push_back({text, titel, flags});
          if (antworten_.empty()) {
            ADD_FAILURE() << "unerwartete Meldung: " << titel.toStdString() << ": "
                          << text.toStdString();
            return flags == MB_YESNO ? int(IDNO) : int(IDOK);
          }
          const int a = antworten_.front();
          antworten_.pop_front();
          return a;
        });
  }
  ~Meldungen() {
    TApplication::SetzeMeldungsFunktion(alt_);
    EXPECT_TRUE(antworten_.empty()) << "erwartete Meldung kam nicht";
  }
  // The next box is expected and answered with this button.
  void Erwarte(int antwort = IDOK) { antworten_.push_back(antwort); }

  std::deque<Meldung> gezeigt;

 private:
  std::deque<int> antworten_;
  TApplication::MeldungsFunktion alt_;
};

#endif
