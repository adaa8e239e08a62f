#pragma once

#include <QObject>

#include <vector>

class QAbstractButton;

namespace zelto::app {

// Toggle buttons of which at most one is down, and which may all be up: pressing one releases
// the others, pressing the one that is down releases it. QButtonGroup's exclusive mode cannot
// leave every button up, hence this.
class ReleasableButtonGroup final : public QObject {
 public:
  explicit ReleasableButtonGroup(QObject* parent) : QObject(parent) {}

  // The button must be checkable; it stays owned by its widget parent.
  void AddButton(QAbstractButton* button);

 private:
  void ReleaseOthers(const QAbstractButton* pressed);

  std::vector<QAbstractButton*> buttons_;
};

}  // namespace zelto::app
