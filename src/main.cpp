#include <QApplication>

#include "app/Startup.h"

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  velomare::CreateForms();
  const int result = QApplication::exec();
  velomare::DestroyForms();
  return result;
}
