// Program entry: application object, the two windows, event loop.
#include <QApplication>
#include <QIcon>
#include <exception>

#include "Anwendung.h"
#include "Beispiel.h"
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
    QApplication::exec();
  } catch (const std::exception& e) {
    TApplication::ShowException(e);
  }
  return 0;
}
