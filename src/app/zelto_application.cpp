#include "app/zelto_application.h"

#include <QIcon>
#include <QMessageBox>

#include <clocale>

namespace zelto::app {

ZeltoApplication::ZeltoApplication(int& argc, char** argv) : QApplication(argc, argv) {
  // QApplication has just applied the user's locale to the C library. Under a Russian locale
  // printf would then write decimal commas into files and scanf would misread points; the
  // window puts in its decimal comma itself.
  std::setlocale(LC_NUMERIC, "C");
  // Ties the windows to the desktop entry, so that task bars group them under its launcher and
  // show its icon; a desktop without the installed icon theme gets the icon compiled in.
  setDesktopFileName(QStringLiteral(ZELTO_APP_ID));
  setWindowIcon(QIcon::fromTheme(QStringLiteral(ZELTO_APP_ID),
                                 QIcon(QStringLiteral(":/icons/" ZELTO_APP_ID ".png"))));
}

bool ZeltoApplication::notify(QObject* receiver, QEvent* event) {
  try {
    return QApplication::notify(receiver, event);
  } catch (const std::exception& error) {
    ShowException(&error);
  } catch (...) {
    ShowException(nullptr);
  }
  return false;
}

void ShowException(const std::exception* error) {
  const QString message = error != nullptr ? QString::fromUtf8(error->what()) : QString();
  QMessageBox::critical(QApplication::activeWindow(), QCoreApplication::applicationName(), message);
}

}  // namespace zelto::app
