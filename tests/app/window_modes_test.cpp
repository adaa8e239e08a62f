#include "window_test_support.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QGuiApplication>
#include <QIcon>
#include <QLabel>
#include <QMenu>
#include <QTabWidget>
#include <QToolButton>

namespace zelto::app {
namespace {

using testing::Find;

constexpr int kParametrs = 0, kCorrection = 1, kPolynom = 2, kDebug = 3;

// What a user sees of a product mode right after start.
struct ModeFace {
  const char* key;
  const char* caption;
  QStringList deviceEntries;
  int selectedDevice;
  const char* visibleSensorList;
  int currentPage;
  bool parametersTab;
  bool correctionTab;
  bool calibrMenu;
  bool calibrTunerMenu;
  bool servicePanel;
  bool dastraMessage;
};

const QStringList kStandardDevices{QString(), "Dastra-2", "Velmor-7"};
const QStringList kHarlowDevices{"Harlow-3-1", "Harlow-3-2", "Velmor-7"};
const char* const kStandardCaption = "Конфигуратор Velmor-7, Dastra-2";

std::vector<ModeFace> ModeFaces() {
  return {
      {"Velmor7", kStandardCaption, kStandardDevices, 2, "TypeSensor_2", kParametrs, true, false,
       false, false, false, true},
      {"Harlow3", "Harlow3", kHarlowDevices, 0, "TypeSensor_0", kCorrection, false, true, false,
       false, false, true},
      {"Dastra", "Dastra", kStandardDevices, 0, "TypeSensor_0", kCorrection, false, true, false,
       true, false, true},
      {"SDastra", "Dastra*", kStandardDevices, 0, "TypeSensor_0", kCorrection, false, true, true,
       false, false, true},
      {"Service", kStandardCaption, kStandardDevices, 0, "TypeSensor_0", kCorrection, false, true,
       false, false, false, false},
      {"ServiceS", kStandardCaption, kStandardDevices, 0, "TypeSensor_0", kCorrection, false, true,
       true, false, true, false},
      {"velmor7", "", kStandardDevices, 0, "TypeSensor_0", kCorrection, false, true, false, false,
       false, true},
  };
}

QStringList Entries(const QComboBox& list) {
  QStringList entries;
  for (int i = 0; i < list.count(); ++i)
    entries << list.itemText(i);
  return entries;
}

TEST(ProductModes, EachKeyStartsWithItsOwnFace) {
  for (const ModeFace& face : ModeFaces()) {
    SCOPED_TRACE(face.key);
    TZelto window{QString::fromUtf8(face.key)};
    window.show();

    EXPECT_EQ(window.windowTitle(), QString::fromUtf8(face.caption));
    EXPECT_FALSE(Find<QLabel>(window, "HeadDevice")->isVisible());

    const auto* devices = Find<QComboBox>(window, "TypeDevice");
    EXPECT_EQ(Entries(*devices), face.deviceEntries);
    EXPECT_EQ(devices->currentIndex(), face.selectedDevice);

    for (const char* list : {"TypeSensor_0", "TypeSensor_1", "TypeSensor_2"}) {
      const auto* sensors = Find<QComboBox>(window, list);
      EXPECT_EQ(sensors->isVisible(), std::string_view(list) == face.visibleSensorList) << list;
      EXPECT_EQ(sensors->currentIndex(), 0) << list;
    }

    const auto* pages = Find<QTabWidget>(window, "Function");
    EXPECT_EQ(pages->currentIndex(), face.currentPage);
    EXPECT_EQ(pages->isTabVisible(kParametrs), face.parametersTab);
    EXPECT_EQ(pages->isTabVisible(kCorrection), face.correctionTab);
    EXPECT_FALSE(pages->isTabVisible(kPolynom));
    EXPECT_FALSE(pages->isTabVisible(kDebug));

    const bool calibr = Find<QMenu>(window, "Calibr")->menuAction()->isVisible();
    const bool tuner = Find<QMenu>(window, "CalibrTuner")->menuAction()->isVisible();
    EXPECT_EQ(calibr, face.calibrMenu);
    EXPECT_EQ(tuner, face.calibrTunerMenu);
    EXPECT_EQ(Find<QMenu>(window, "Tools1")->menuAction()->isVisible(), calibr || tuner);

    EXPECT_EQ(Find<QWidget>(window, "ServicePan")->isVisible(), face.servicePanel);
    // The service panel's buttons are built when it is first shown, not before.
    EXPECT_EQ(window.findChild<QToolButton*>("Monitor") != nullptr, face.servicePanel);
    EXPECT_EQ(!Find<QWidget>(window, "MeasageSetDastra")->isHidden(), face.dastraMessage);

    // Every mode starts on the first sensor of its list, a copper thermometer of -50..200 °C;
    // T1 0 and T2 100 lie at 7,2 and 13,6 mA of the 4..20 mA output.
    EXPECT_EQ(testing::FieldTexts(window),
              (QStringList{"-50", "200", "4", "20", "0", "7,2", "100", "13,6"}));
  }
}

// Task bars group the window under its desktop entry and show its icon, also on a desktop whose
// icon theme does not have it (these tests run with none).
TEST(ProductModes, TheWindowBelongsToItsDesktopEntryAndCarriesItsIcon) {
  TZelto window{QStringLiteral("Velmor7")};
  window.show();

  EXPECT_EQ(QGuiApplication::desktopFileName(), QStringLiteral("org.zelto.Zelto"));
  const QIcon icon = window.windowIcon();
  ASSERT_FALSE(icon.isNull());
  EXPECT_EQ(icon.actualSize(QSize(256, 256)), QSize(256, 256));
}

}  // namespace
}  // namespace zelto::app
