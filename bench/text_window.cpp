// A second floor: the bare window showing one word in tarvinel's font, which costs what any
// window with text pays first (fontconfig's set-up, the font database, one font loaded).
#include <QApplication>
#include <QLabel>
#include <QWidget>

#include "first_paint.hpp"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QWidget window;
  window.setFixedSize(461, 345);
  window.setFont(QFont(QStringLiteral("Times New Roman"), 12));
  auto* label = new QLabel(QString::fromUtf8("Биология"), &window);
  label->move(8, 8);
  new QuitAfterFirstPaint(&window);
  window.show();
  return app.exec();
}
