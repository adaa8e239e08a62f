#pragma once

#include <QComboBox>

#include <functional>

namespace zelto::app {

// The port list. A USB adapter is often plugged in after the program started, so the list is
// brought up to date each time the user opens it.
class PortComboBox final : public QComboBox {
 public:
  explicit PortComboBox(QWidget* parent) : QComboBox(parent) {}

  void SetBeforePopup(std::function<void()> beforePopup) { beforePopup_ = std::move(beforePopup); }
  void showPopup() override;

 private:
  std::function<void()> beforePopup_;
};

}  // namespace zelto::app
