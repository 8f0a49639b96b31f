// The floor: what Qt itself costs to show an empty window of tarvinel's size.
#include <QApplication>
#include <QWidget>

#include "first_paint.hpp"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QWidget window;
  window.setFixedSize(461, 345);
  new QuitAfterFirstPaint(&window);
  window.show();
  return app.exec();
}
