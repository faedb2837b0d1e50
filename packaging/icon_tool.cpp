// Writes the program's icon as a PNG of the given size, for the install:
//   varnela_icon SIZE FILE
#include <QCoreApplication>
#include <QImage>

#include <cstdio>

#include "ui/icons.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: %s SIZE FILE.png\n", argv[0]);
    return 2;
  }
  const int size = QByteArray(argv[1]).toInt();
  if (size <= 0 || !ui::icons::applicationIcon(size).save(QString::fromLocal8Bit(argv[2]), "PNG")) {
    std::fprintf(stderr, "%s: cannot write a %s px icon to %s\n", argv[0], argv[1], argv[2]);
    return 1;
  }
  return 0;
}
