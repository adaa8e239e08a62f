#include "app/window_connection_view.h"

#include "app/window_texts.h"
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

constexpr const char* kConnectPortCaption = QT_TRANSLATE_NOOP("Zelto", "Подключить COM-порт");
constexpr const char* kReleasePortCaption = QT_TRANSLATE_NOOP("Zelto", "Освободить COM-порт");
// The same for the menu entry, with its key.
constexpr const char* kConnectPortItem = QT_TRANSLATE_NOOP("Zelto", "&Подключить COM-порт");
constexpr const char* kReleasePortItem = QT_TRANSLATE_NOOP("Zelto", "&Освободить COM-порт");
constexpr const char* kConnectDeviceCaption = QT_TRANSLATE_NOOP("Zelto", "Подключить прибор");
constexpr const char* kDisconnectDeviceCaption = QT_TRANSLATE_NOOP("Zelto", "Отключить прибор");
constexpr const char* kAwaitingCaption = QT_TRANSLATE_NOOP("Zelto", "Запрос. Ждите!!");

}  // namespace

void WindowConnectionView::PortOpened(int) {
  form_.Connect->setText(Zelto::tr(kReleasePortCaption));
  form_.ConnectCom->setText(Zelto::tr(kReleasePortItem));
  form_.OpenDev->setEnabled(true);
  form_.Connect->setChecked(true);
}

void WindowConnectionView::PortOpenFailed(int, OpenFailure) {
  form_.Connect->setChecked(false);
  form_.ConnectCom->setText(Zelto::tr(kConnectPortItem));
}

void WindowConnectionView::PortReleased() {
  endPoll_();
  form_.Connect->setText(Zelto::tr(kConnectPortCaption));
  form_.ConnectCom->setText(Zelto::tr(kConnectPortItem));
  form_.OpenDev->setEnabled(false);
  form_.Connect->setChecked(false);
}

void WindowConnectionView::IdentifyStarted() {
  form_.OpenDev->setText(Zelto::tr(kAwaitingCaption));
  form_.OpenDev->repaint();  // the thread blocks in the exchange that follows
}

void WindowConnectionView::DeviceConnected() {
  EnableDeviceCommands(true);
  form_.PanRangeD->setEnabled(true);
  form_.TimeConnect->start();
  form_.OpenDev->setText(Zelto::tr(kDisconnectDeviceCaption));
  form_.TypeDevice->setEnabled(false);  // the model cannot change under a connected device
  form_.OpenDev->setChecked(true);
  form_.CalibrTuner->menuAction()->setEnabled(true);
  form_.Calibr->menuAction()->setEnabled(true);
  form_.Function->setEnabled(true);
}

void WindowConnectionView::DeviceConnectFailed() {
  form_.OpenDev->setChecked(false);
  form_.OpenDev->setText(Zelto::tr(kConnectDeviceCaption));
  form_.TypeDevice->setEnabled(true);
  form_.PanRange->setEnabled(false);
}

void WindowConnectionView::DeviceStillConnected() {
  form_.OpenDev->setText(Zelto::tr(kDisconnectDeviceCaption));
}

void WindowConnectionView::DeviceDisconnected() {
  endPoll_();
  form_.TimeConnect->stop();
  form_.OpenDev->setText(Zelto::tr(kConnectDeviceCaption));
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
  form_.CheckOutput->setEnabled(enabled);
  form_.ReadFromCom->setEnabled(enabled);
  form_.PanRange->setEnabled(enabled);
}

}  // namespace zelto::app
