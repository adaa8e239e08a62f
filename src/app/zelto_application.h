#pragma once

#include <QApplication>

#include <exception>

namespace zelto::app {

// The application object. An exception that escapes an event handler is shown in a message
// box and the program goes on, as a field engineer expects of a desktop tool; Qt itself would
// abort. Its windows carry the program's icon and belong to its desktop entry.
class ZeltoApplication final : public QApplication {
 public:
  ZeltoApplication(int& argc, char** argv);

  bool notify(QObject* receiver, QEvent* event) override;
};

// The standard display of an error: a message box titled with the application's name.
// A null exception shows an empty message.
void ShowException(const std::exception* error);

}  // namespace zelto::app
