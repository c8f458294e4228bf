// SPDX-License-Identifier: GPL-3.0-or-later
// The third page: the manual. Laying it out is a large part of the
// start-up and the page is hidden then: its text is appended when the page
// is first shown (or asked for by F1).
#ifndef QUORVEL_APP_ANLEITUNGSSEITE_H
#define QUORVEL_APP_ANLEITUNGSSEITE_H

#include <QWidget>
#include <memory>

namespace Ui {
class Anleitungsseite;
}

class TAnleitungsseite : public QWidget {
  Q_OBJECT

 public:
  explicit TAnleitungsseite(QWidget* eltern = nullptr);
  ~TAnleitungsseite() override;

  // The manual whole, the focus in it (F1).
  void ZeigeAnleitung();

  // The resource with the manual in `sprache` ("de" or "en").
  static QString AnleitungsDatei(const QString& sprache);

 protected:
  void showEvent(QShowEvent* e) override;

 private:
  // Appends the manual to the memo's own lines, once.
  void HaengeAnleitungAn();

  std::unique_ptr<Ui::Anleitungsseite> ui_;
  bool angehaengt_ = false;
};

#endif
