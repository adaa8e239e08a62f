#include "app/window_connection_view.h"

#include "app/zelto_form.h"

#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QMenu>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>

namespace zelto::app {
namespace {

const QString kConnectPortCaption = QStringLiteral("Подключить COM-порт");
const QString kReleasePortCaption = QStringLiteral("Освободить COM-порт");
const QString kConnectDeviceCaption = QStringLiteral("Подключить прибор");
const QString kDisconnectDeviceCaption = QStringLiteral("Отключить прибор");
const QString kAwaitingCaption = QStringLiteral("Запрос. Ждите!!");

}  // namespace

void WindowConnectionView::PortOpened(int) {
  form_.Connect->setText(kReleasePortCaption);
  form_.ConnectCom->setText(kReleasePortCaption);
  form_.OpenDev->setEnabled(true);
  form_.Connect->setChecked(true);
}

void WindowConnectionView::PortOpenFailed(int, OpenFailure) {
  form_.Connect->setChecked(false);
  form_.ConnectCom->setText(kConnectPortCaption);
}

void WindowConnectionView::PortReleased() {
  form_.Connect->setText(kConnectPortCaption);
  form_.ConnectCom->setText(kConnectPortCaption);
  form_.OpenDev->setEnabled(false);
  form_.Connect->setChecked(false);
}

void WindowConnectionView::IdentifyStarted() {
  form_.OpenDev->setText(kAwaitingCaption);
  form_.OpenDev->repaint();  // the thread blocks in the exchange that follows
}

void WindowConnectionView::DeviceConnected() {
  EnableDeviceCommands(true);
  form_.PanRangeD->setEnabled(true);
  form_.TimeConnect->start();
  form_.OpenDev->setText(kDisconnectDeviceCaption);
  form_.TypeDevice->setEnabled(false);  // the model cannot change under a connected device
  form_.OpenDev->setChecked(true);
  form_.CalibrTuner->menuAction()->setEnabled(true);
  form_.Calibr->menuAction()->setEnabled(true);
  form_.Function->setEnabled(true);
}

void WindowConnectionView::DeviceConnectFailed() {
  form_.OpenDev->setChecked(false);
  form_.OpenDev->setText(kConnectDeviceCaption);
  form_.TypeDevice->setEnabled(true);
  form_.PanRange->setEnabled(false);
}

void WindowConnectionView::DeviceStillConnected() {
  form_.OpenDev->setText(kDisconnectDeviceCaption);
}

void WindowConnectionView::DeviceDisconnected() {
  form_.TimeConnect->stop();
  form_.OpenDev->setText(kConnectDeviceCaption);
  EnableDeviceCommands(false);  // PanRangeD keeps its state
  form_.TypeDevice->setEnabled(true);
  form_.OpenDev->setChecked(false);
  form_.CalibrTuner->menuAction()->setEnabled(false);
  form_.Calibr->menuAction()->setEnabled(false);
  form_.Function->setEnabled(false);
}

void WindowConnectionView::EnableDeviceCommands(bool enabled) {
  form_.WriteToCom->setEnabled(enabled);
  form_.Write->setEnabled(enabled);
  form_.Read->setEnabled(enabled);
  form_.UndoWrite->setEnabled(enabled);
  form_.ReadFromCom->setEnabled(enabled);
  form_.PanRange->setEnabled(enabled);
}

}  // namespace zelto::app
