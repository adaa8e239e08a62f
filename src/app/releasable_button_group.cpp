#include "app/releasable_button_group.h"

#include <QAbstractButton>

namespace zelto::app {

void ReleasableButtonGroup::AddButton(QAbstractButton* button) {
  buttons_.push_back(button);
  // toggled, not clicked: a button set down by code releases the others as well.
  connect(button, &QAbstractButton::toggled, this, [this, button](bool down) {
    if (down)
      ReleaseOthers(button);
  });
}

void ReleasableButtonGroup::ReleaseOthers(const QAbstractButton* pressed) {
  for (QAbstractButton* button : buttons_) {
    if (button != pressed)
      button->setChecked(false);
  }
}

}  // namespace zelto::app
