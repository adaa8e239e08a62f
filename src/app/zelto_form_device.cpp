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
constexpr std::array<const char16_t*, 15> kSensorListA{
    u"1   Термосопротивление 50M (1.4260)    Cu65",
    u"2   Термосопротивление 53M (1.4260)    Cu63",
    u"3   Термосопротивление 100M (1.4260)  Cu61",
    u"4   Термосопротивление 50M (1.4280)    Cu85",
    u"5   Термосопротивление 53M (1.4280)    Cu83",
    u"6   Термосопротивление 100M (1.4280)  Cu81",
    u"7   Термосопротивление 50П                   PtH5",
    u"8   Термосопротивление 100П                 PtH1",
    u"9   Термосопротивление Pt100                Ptb1",
    u"10 Термопара  ЖК(J) (-50...+1100)            FC",
    u"11 Термопара  ХК(L) (-50...+600)               HE",
    u"12 Термопара  ХА(K) (-50...+1300)             HA",
    u"13 Термопара  ПП(S) (0...1700)               PP",
    u"14 Термопара  ПР(B) (300...1800)           Pr",
    u"15 Термопара  ВР(A-1) (0...2500)            BP",
};

// List B, and the first fifteen entries of list C.
constexpr std::array<const char16_t*, 15> kSensorListB{
    u"1   Термосопротивление 50M    R100/R0=1,426   (-50...+200) °C",
    u"2   Термосопротивление 53M    R100/R0=1,426   (-50...+200) °C",
    u"3   Термосопротивление 100M  R100/R0=1,426   (-50...+200) °C",
    u"4   Термосопротивление 50M    R100/R0=1,428   (-50...+200) °C",
    u"5   Термосопротивление 53M    R100/R0=1,428   (-50...+200) °C",
    u"6   Термосопротивление 100M  R100/R0=1,428   (-50...+200) °C",
    u"7   Термосопротивление 50П    R100/R0=1,391   (-50...+600) °C",
    u"8   Термосопротивление 100П  R100/R0=1,391   (-50...+600) °C",
    u"9   Термосопротивление Pt100  R100/R0=1,385   (-50...+600) °C",
    u"10 Термопара  ТЖК (J)  (-50...+1100) °C",
    u"11 Термопара  ТХК (L)   (-50...+600) °C",
    u"12 Термопара  ТХА (K)   (-50...+1300) °C",
    u"13 Термопара  ТПП (S)  (0...1700) °C",
    u"14 Термопара  ТПР (B)   (300...1800) °C",
    u"15 Термопара  ТВР (A-1)  (0...2500) °C",
};

// The further inputs that only Velmor-7 takes.
constexpr std::array<const char16_t*, 6> kSensorListCTail{
    u"16 Напряжение 0...100 мВ", u"17 Напряжение 0...75 мВ", u"18 Ток 0...5 мА",
    u"19 Ток 0...20 мА",         u"20 Ток 4...20 мА",        u"21 Сопротивление 0...320 Ом",
};

template <std::size_t N>
QStringList Entries(const std::array<const char16_t*, N>& texts) {
  QStringList entries;
  for (const char16_t* text : texts)
    entries << QString::fromUtf16(text);
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
