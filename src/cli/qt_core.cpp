#include "cli/qt_core.h"

#include <QGuiApplication>

#include <clocale>

namespace zelto::cli {
namespace {

QtMessageHandler startHandler = nullptr;

// Qt Gui looks for its settings under the runtime folder as it starts, and says so on standard
// error where the session has none (a root shell, a CI job): no word of the tool's, and nothing
// the report needs.
void QuietAboutTheRuntimeFolder(QtMsgType type, const QMessageLogContext& context,
                                const QString& message) {
  if (type == QtWarningMsg && message.startsWith(QLatin1String("QStandardPaths: XDG_RUNTIME_DIR")))
    return;
  if (startHandler != nullptr)
    startHandler(type, context, message);
  else
    qt_message_output(type, context, message);
}

}  // namespace

QtCore::QtCore(QtPart part) {
  // A program that has its own (a benchmark, say) keeps it.
  if (QCoreApplication::instance() != nullptr)
    return;
  if (part == QtPart::kGui) {
    argv_[1] = platformOption_.data();
    argv_[2] = platform_.data();
    argc_ = 3;
    startHandler = qInstallMessageHandler(QuietAboutTheRuntimeFolder);
    application_ = std::make_unique<QGuiApplication>(argc_, argv_.data());
    qInstallMessageHandler(startHandler);
  } else {
    application_ = std::make_unique<QCoreApplication>(argc_, argv_.data());
  }
  // The application object has just applied the user's locale; printed numbers keep the point.
  std::setlocale(LC_NUMERIC, "C");
}

bool QtCore::HasGui() {
  return qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr;
}

}  // namespace zelto::cli
