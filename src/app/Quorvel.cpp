// Program entry: application object, the two windows, event loop.
#include <QApplication>
#include <exception>

#include "Anwendung.h"
#include "Beispiel.h"
#include "MainQuorvel.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  TApplication::Initialize();
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
