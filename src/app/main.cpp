#include "app/product_mode.h"
#include "app/zelto.h"
#include "app/zelto_application.h"

int main(int argc, char** argv) {
  using namespace zelto::app;
  ZeltoApplication application(argc, argv);
  application.setApplicationName(BuildProductKey());
  try {
    TZelto window;
    window.show();
    application.exec();
  } catch (const std::exception& error) {
    ShowException(&error);
  } catch (...) {
    ShowException(nullptr);
  }
  return 0;
}
