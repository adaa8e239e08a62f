#include "app/form_widgets.h"
#include "app/window_texts.h"
#include "app/zelto_form.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>

#include <array>

namespace zelto::app {
namespace {

// List A: the sensors of the first table-loading model.
constexpr std::array<const char*, 15> kSensorListA{
    QT_TRANSLATE_NOOP("Zelto", "1   Термосопротивление 50M (1.4260)    Cu65"),
    QT_TRANSLATE_NOOP("Zelto", "2   Термосопротивление 53M (1.4260)    Cu63"),
    QT_TRANSLATE_NOOP("Zelto", "3   Термосопротивление 100M (1.4260)  Cu61"),
    QT_TRANSLATE_NOOP("Zelto", "4   Термосопротивление 50M (1.4280)    Cu85"),
    QT_TRANSLATE_NOOP("Zelto", "5   Термосопротивление 53M (1.4280)    Cu83"),
    QT_TRANSLATE_NOOP("Zelto", "6   Термосопротивление 100M (1.4280)  Cu81"),
    QT_TRANSLATE_NOOP("Zelto", "7   Термосопротивление 50П                   PtH5"),
    QT_TRANSLATE_NOOP("Zelto", "8   Термосопротивление 100П                 PtH1"),
    QT_TRANSLATE_NOOP("Zelto", "9   Термосопротивление Pt100                Ptb1"),
    QT_TRANSLATE_NOOP("Zelto", "10 Термопара  ЖК(J) (-50...+1100)            FC"),
    QT_TRANSLATE_NOOP("Zelto", "11 Термопара  ХК(L) (-50...+600)               HE"),
    QT_TRANSLATE_NOOP("Zelto", "12 Термопара  ХА(K) (-50...+1300)             HA"),
    QT_TRANSLATE_NOOP("Zelto", "13 Термопара  ПП(S) (0...1700)               PP"),
    QT_TRANSLATE_NOOP("Zelto", "14 Термопара  ПР(B) (300...1800)           Pr"),
    QT_TRANSLATE_NOOP("Zelto", "15 Термопара  ВР(A-1) (0...2500)            BP"),
};

// List B, and the first fifteen entries of list C.
constexpr std::array<const char*, 15> kSensorListB{
    QT_TRANSLATE_NOOP("Zelto", "1   Термосопротивление 50M    R100/R0=1,426   (-50...+200) °C"),
    QT_TRANSLATE_NOOP("Zelto", "2   Термосопротивление 53M    R100/R0=1,426   (-50...+200) °C"),
    QT_TRANSLATE_NOOP("Zelto", "3   Термосопротивление 100M  R100/R0=1,426   (-50...+200) °C"),
    QT_TRANSLATE_NOOP("Zelto", "4   Термосопротивление 50M    R100/R0=1,428   (-50...+200) °C"),
    QT_TRANSLATE_NOOP("Zelto", "5   Термосопротивление 53M    R100/R0=1,428   (-50...+200) °C"),
    QT_TRANSLATE_NOOP("Zelto", "6   Термосопротивление 100M  R100/R0=1,428   (-50...+200) °C"),
    QT_TRANSLATE_NOOP("Zelto", "7   Термосопротивление 50П    R100/R0=1,391   (-50...+600) °C"),
    QT_TRANSLATE_NOOP("Zelto", "8   Термосопротивление 100П  R100/R0=1,391   (-50...+600) °C"),
    QT_TRANSLATE_NOOP("Zelto", "9   Термосопротивление Pt100  R100/R0=1,385   (-50...+600) °C"),
    QT_TRANSLATE_NOOP("Zelto", "10 Термопара  ТЖК (J)  (-50...+1100) °C"),
    QT_TRANSLATE_NOOP("Zelto", "11 Термопара  ТХК (L)   (-50...+600) °C"),
    QT_TRANSLATE_NOOP("Zelto", "12 Термопара  ТХА (K)   (-50...+1300) °C"),
    QT_TRANSLATE_NOOP("Zelto", "13 Термопара  ТПП (S)  (0...1700) °C"),
    QT_TRANSLATE_NOOP("Zelto", "14 Термопара  ТПР (B)   (300...1800) °C"),
    QT_TRANSLATE_NOOP("Zelto", "15 Термопара  ТВР (A-1)  (0...2500) °C"),
};

// The further inputs that only Velmor-7 takes.
constexpr std::array<const char*, 6> kSensorListCTail{
    QT_TRANSLATE_NOOP("Zelto", "16 Напряжение 0...100 мВ"),
    QT_TRANSLATE_NOOP("Zelto", "17 Напряжение 0...75 мВ"),
    QT_TRANSLATE_NOOP("Zelto", "18 Ток 0...5 мА"),
    QT_TRANSLATE_NOOP("Zelto", "19 Ток 0...20 мА"),
    QT_TRANSLATE_NOOP("Zelto", "20 Ток 4...20 мА"),
    QT_TRANSLATE_NOOP("Zelto", "21 Сопротивление 0...320 Ом"),
};

// The entries in the interface's language: the lists are the window's own words, whatever the
// memo and the files say of the same sensors.
template <std::size_t N>
QStringList Entries(const std::array<const char*, N>& texts) {
  QStringList entries;
  for (const char* text : texts)
    entries << Zelto::tr(text);
  return entries;
}

QComboBox* MakeSensorList(const char* name, const QStringList& entries, QWidget* parent) {
  QComboBox* list = MakeList(name, entries, parent);
  list->setAccessibleName(Zelto::tr("Тип датчика"));
  list->setCurrentIndex(10);
  // An entry ends with the sensor's range; the closed list and its drop-down show it whole.
  list->setSizeAdjustPolicy(QComboBox::AdjustToContents);
  return list;
}

}  // namespace

void BuildDeviceGroup(ZeltoForm& form, QWidget& parent) {
  auto* group = new QGroupBox(Zelto::tr("Прибор и тип датчика"), &parent);
  group->setObjectName(QStringLiteral("GroupBox2"));
  form.GroupBox2 = group;

  form.TypeDevice = MakeList(
      "TypeDevice", {QString(), QStringLiteral("Dastra-2"), QStringLiteral("Velmor-7")}, group);
  form.TypeDevice1 = MakeList(
      "TypeDevice1",
      {QStringLiteral("Harlow-3-1"), QStringLiteral("Harlow-3-2"), QStringLiteral("Velmor-7")},
      group);
  form.TypeDevice1->setEditable(true);
  form.TypeDevice1->setEditText(Zelto::tr("Harlow3(Мини дизайн)"));
  form.TypeDevice1->hide();
  for (QComboBox* list : {form.TypeDevice, form.TypeDevice1}) {
    list->setAccessibleName(Zelto::tr("Прибор"));
    list->setMinimumContentsLength(12);
  }

  const QStringList listB = Entries(kSensorListB);
  form.TypeSensor_0 = MakeSensorList("TypeSensor_0", Entries(kSensorListA), group);
  form.TypeSensor_1 = MakeSensorList("TypeSensor_1", listB, group);
  form.TypeSensor_2 = MakeSensorList("TypeSensor_2", listB + Entries(kSensorListCTail), group);
  // The device view shows the one list of the selected model. Until then none is laid out:
  // sizing a list measures every entry, and the window waits for that at start.
  for (QComboBox* list : {form.TypeSensor_0, form.TypeSensor_1, form.TypeSensor_2})
    list->hide();

  form.LineFunc = new QCheckBox(Zelto::tr("Линейная от ЭДС"), group);
  form.LineFunc->setObjectName(QStringLiteral("LineFunc"));

  // The device lists share one place, and so do the sensor lists: exactly one of each is shown.
  auto* layout = new QGridLayout(group);
  layout->addWidget(form.TypeDevice, 0, 0);
  layout->addWidget(form.TypeDevice1, 0, 0);
  layout->addWidget(form.LineFunc, 0, 1, Qt::AlignRight);
  for (QComboBox* list : {form.TypeSensor_0, form.TypeSensor_1, form.TypeSensor_2}) {
    layout->addWidget(list, 1, 0, 1, 2);
  }
  layout->setColumnStretch(0, 1);
}

}  // namespace zelto::app
