#include "app/port_combo_box.h"

namespace zelto::app {

void PortComboBox::showPopup() {
  if (beforePopup_)
    beforePopup_();
  QComboBox::showPopup();
}

}  // namespace zelto::app
