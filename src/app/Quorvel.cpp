// Program entry: application object, main window, event loop.
#include <QApplication>
#include <QMainWindow>
#include <clocale>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  // Qt takes the process locale from the environment; the number readers do
  // not depend on it, but nothing else should see a German LC_NUMERIC either.
  std::setlocale(LC_NUMERIC, "C");
  QMainWindow fenster;
  fenster.setWindowTitle(QStringLiteral("[ Mirelto 1.0  ]  Autor:"));
  fenster.setFixedSize(908, 624);
  fenster.show();
  return QApplication::exec();
}
