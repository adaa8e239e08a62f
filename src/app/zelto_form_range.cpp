#include "app/form_widgets.h"
#include "app/window_texts.h"
#include "app/zelto_form.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

namespace zelto::app {

void BuildRangeGroup(ZeltoForm& form, QWidget& parent) {
  auto* group = new QGroupBox(Zelto::tr("Диапазон преобразования"), &parent);
  group->setObjectName(QStringLiteral("PanRange"));
  group->setEnabled(false);  // reachable only while a device is connected
  form.PanRange = group;

  form.LabelRange = MakeLabel(Zelto::tr("Температура, °C"), group, "LabelRange");
  form.StaticText2 = MakeLabel(Zelto::tr("Выходной ток, мА"), group, "StaticText2");
  form.MinLimit = MakeLabel(Zelto::tr("Минимум"), group, "MinLimit");
  form.MaxLimit = MakeLabel(Zelto::tr("Максимум"), group, "MaxLimit");

  form.RangeMin = MakeNumberField("RangeMin", {}, group);
  form.RangeMax = MakeNumberField("RangeMax", {}, group);
  form.CurrentMin = MakeNumberField("CurrentMin", {}, group);
  form.CurrentMax = MakeNumberField("CurrentMax", {}, group);
  for (QLineEdit* current : {form.CurrentMin, form.CurrentMax})
    current->setReadOnly(true);
  SetRangeFieldNames(form);

  auto* layout = new QGridLayout(group);
  layout->addWidget(form.LabelRange, 0, 1, Qt::AlignHCenter);
  layout->addWidget(form.StaticText2, 0, 2, Qt::AlignHCenter);
  layout->addWidget(form.MinLimit, 1, 0);
  layout->addWidget(form.RangeMin, 1, 1);
  layout->addWidget(form.CurrentMin, 1, 2);
  layout->addWidget(form.MaxLimit, 2, 0);
  layout->addWidget(form.RangeMax, 2, 1);
  layout->addWidget(form.CurrentMax, 2, 2);
  layout->setColumnStretch(1, 1);
  layout->setColumnStretch(2, 1);
}

void SetRangeFieldNames(const ZeltoForm& form) {
  // "Минимум" alone would not tell the range end from the current end.
  const auto name = [](const QLabel* row, const QLabel* column) {
    return row->text() + QStringLiteral(", ") + column->text();
  };
  form.RangeMin->setAccessibleName(name(form.MinLimit, form.LabelRange));
  form.RangeMax->setAccessibleName(name(form.MaxLimit, form.LabelRange));
  form.CurrentMin->setAccessibleName(name(form.MinLimit, form.StaticText2));
  form.CurrentMax->setAccessibleName(name(form.MaxLimit, form.StaticText2));
}

}  // namespace zelto::app
