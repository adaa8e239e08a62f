// The window's handlers for the port, the device connection, the device commands and the
// connection timers.
#include "app/port_combo_box.h"
#include "app/window_config_view.h"
#include "app/window_reporter.h"
#include "app/zelto.h"
#include "config/read_summary.h"
#include "config/write_sequences.h"
#include "link/link.h"
#include "link/port_number.h"
#include "link/status_texts.h"

#include <QCheckBox>
#include <QComboBox>
#include <QScopeGuard>
#include <QSignalBlocker>
#include <QToolButton>

namespace zelto::app {

void TZelto::ListPorts() {
  FinishStart();  // the first listing numbers the extra ports
  ShowPorts(link_->ListPorts());
}

void TZelto::ShowPorts(const std::vector<PortEntry>& ports) {
  const QString chosen = form_.SetComN->currentText();
  const QSignalBlocker quiet(form_.SetComN);
  form_.SetComN->clear();
  for (const PortEntry& port : ports) {
    QString hint = QString::fromStdString(port.path);
    if (!port.description.empty()) {
      hint += QStringLiteral(" — ") + QString::fromStdString(port.description);
    }
    form_.SetComN->addItem(QString::fromStdString(PortLabel(port.number)));
    form_.SetComN->setItemData(form_.SetComN->count() - 1, hint, Qt::ToolTipRole);
  }
  const int index = form_.SetComN->findText(chosen);
  if (index >= 0) {
    form_.SetComN->setCurrentIndex(index);
  } else if (form_.SetComN->count() > 0) {
    form_.SetComN->setEditText(chosen);  // typed, or a port that has gone: the user's still
  }
}

int TZelto::SelectedModel() const {
  return form_.TypeDevice->currentIndex();
}

void TZelto::SetComNChange() {
  FinishStart();
  const int number = SelectedPortNumber(form_.SetComN->currentText().toStdString());
  if (!IsPortNumber(number))
    reporter_->ShowStatus(InvalidPortNumberStatus(number));
}

void TZelto::TSpeedDChange(int index) {
  if (index >= 0)
    link_->SelectSpeed(form_.TSpeedD->itemText(index).toInt());
}

void TZelto::ConnectClick() {
  // The click has flipped the button already. The port operations set it where it belongs;
  // when none runs (no number in the list, or a number that is no port) it flips back.
  const auto settle = qScopeGuard([this] { form_.Connect->setChecked(link_->IsPortOpen()); });
  FinishStart();
  const int number = SelectedPortNumber(form_.SetComN->currentText().toStdString());
  link_->SelectPort(number);
  link_->FlushTraceRing();
  if (link_->IsPortOpen())
    settings_->SetLastPortPath(link_->Ports().PathOf(link_->State().PortNo));
}

void TZelto::OpenDevClick() {
  if (form_.OpenDev->isChecked()) {
    link_->ConnectDevice(SelectedModel());
  } else {
    link_->DisconnectDevice();
  }
}

void TZelto::TimeConnectTimer() {
  if ((link_->State().LinkFlags & fWriting) != 0)
    return;
  link_->CheckDevice(SelectedModel());
}

void TZelto::Timer1Timer() {
  ListPorts();
}

bool TZelto::RequireConnectedDevice() {
  if (link_->IsDeviceConnected())
    return true;
  reporter_->ShowStatus(config::kStatusNotConnected);
  return false;
}

void TZelto::ReadFromComClick() {
  // The button is enabled only while a device is connected; a silent one says so itself.
  config::ReadSummary(*link_, *reporter_, config_, SelectedModel());
}

}  // namespace zelto::app
