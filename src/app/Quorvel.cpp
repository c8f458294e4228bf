// Program entry: application object, the two windows, event loop.
#include <QApplication>
#include <QIcon>
#include <exception>

#include "Anwendung.h"
#include "Beispiel.h"
#include "Dateien.h"
#include "MainQuorvel.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  TApplication::Initialize();
  // Both windows take the icon; the desktop file name lets the desktop match
  // the running window to its menu entry.
  QApplication::setWindowIcon(QIcon(QStringLiteral(":/org.quorvel.Quorvel.svg")));
  QGuiApplication::setDesktopFileName(QStringLiteral("org.quorvel.Quorvel"));
  try {
    TForm1 Form1;
    TForm2 Form2;
    Form1.Form2 = &Form2;
    Form1.show();
    // `quorvel DATEI`: the desktop entry passes the double-clicked file.
    if (const QStringList args = QApplication::arguments(); args.size() > 1)
      Dateiaktionen(Form1)->Oeffne(args[1]);
    QApplication::exec();
  } catch (const std::exception& e) {
    TApplication::ShowException(e);
  }
  return 0;
}
