// orvalis: the game.
#include <QApplication>

#include "startup.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  PrepareApplication(app);
  return RunGame(app);
}
