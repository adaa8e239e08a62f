#include "app/click_accessible.h"
#include "app/form_widgets.h"
#include "app/window_texts.h"
#include "app/zelto_form.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace zelto::app {
namespace {

QFrame* MakePanel(const char* name, QWidget* parent) {
  return MakeNamed<QFrame>(name, parent);
}

QCheckBox* MakeSwitch(const char* name, const QString& caption, QWidget* parent) {
  auto* box = new QCheckBox(caption, parent);
  box->setObjectName(QLatin1String(name));
  return box;
}

QGroupBox* BuildOutputTypeGroup(ZeltoForm& form, QWidget* parent) {
  auto* group = new QGroupBox(Zelto::tr("Тип выхода"), parent);
  group->setObjectName(QStringLiteral("SetOutCurrent"));
  form.SetOutCurrentItems = new QButtonGroup(group);
  form.SetOutCurrentItems->setObjectName(QStringLiteral("SetOutCurrentItems"));
  auto* layout = new QVBoxLayout(group);
  const QStringList items{Zelto::tr("0...5 мА"), Zelto::tr("0...20 мА"), Zelto::tr("4...20 мА")};
  for (int i = 0; i < items.size(); ++i) {
    auto* item = new QRadioButton(items[i], group);
    MakeToggleClick(*item);
    form.SetOutCurrentItems->addButton(item, i);
    layout->addWidget(item);
  }
  form.SetOutCurrentItems->button(0)->setChecked(true);
  form.SetOutCurrent = group;
  return group;
}

// Shown instead of the switches for the models whose parameters cannot be changed.
QFrame* BuildDastraPanel(ZeltoForm& form, QWidget* parent) {
  QFrame* panel = MakePanel("PanSetDastra", parent);
  panel->setFrameShape(QFrame::StyledPanel);
  panel->setEnabled(false);
  form.LockCoolJunk = MakeButton("LockCoolJunk", Zelto::tr("Установить"), panel);
  form.MeasageSetDastra = MakePanel("MeasageSetDastra", panel);
  auto* message = new QVBoxLayout(form.MeasageSetDastra);
  message->addWidget(MakeLabel(Zelto::tr("У данного типа изделия"), form.MeasageSetDastra));
  message->addWidget(MakeLabel(Zelto::tr("параметры не изменяются"), form.MeasageSetDastra));

  auto* layout = new QGridLayout(panel);
  layout->addWidget(MakeLabel(Zelto::tr("Технологическая блокировка"), panel), 0, 0);
  layout->addWidget(MakeLabel(Zelto::tr("компенсации холодного спая"), panel), 1, 0);
  layout->addWidget(MakeLabel(Zelto::tr("(на 5 циклов вкл./выкл.)"), panel), 2, 0);
  layout->addWidget(form.LockCoolJunk, 0, 1, 3, 1, Qt::AlignVCenter);
  layout->addWidget(form.MeasageSetDastra, 3, 0, 1, 2);
  return panel;
}

QWidget* BuildParametersPage(ZeltoForm& form) {
  auto* page = form.Parametrs = MakeNamed<QWidget>("Parametrs", nullptr);

  QFrame* settings = MakePanel("PanSetVelmor6", page);
  settings->hide();
  form.PanSetVelmor6 = settings;
  form.SetSheme = MakeList(
      "SetSheme", {Zelto::tr("4-проводная"), Zelto::tr("3-проводная"), Zelto::tr("2-проводная")},
      settings);
  form.SetSheme->setAccessibleName(Zelto::tr("Схема подключения"));
  form.SetCoolJunk = MakeSwitch("SetCoolJunk", Zelto::tr("Компенсация холодного спая"), settings);
  form.SetSqrt = MakeSwitch("SetSqrt", Zelto::tr("Корнеизвлечение"), settings);
  form.SetSensorBreak = MakeSwitch("SetSensorBreak", Zelto::tr("Обрыв датчика"), settings);
  form.PanSetDastra = BuildDastraPanel(form, settings);

  auto* switches = new QVBoxLayout;
  switches->addWidget(form.SetSheme);
  switches->addWidget(form.SetCoolJunk);
  switches->addWidget(form.SetSqrt);
  switches->addWidget(form.SetSensorBreak);
  switches->addStretch();
  auto* layout = new QGridLayout(settings);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(BuildOutputTypeGroup(form, settings), 0, 0);
  layout->addLayout(switches, 0, 1);
  layout->addWidget(form.PanSetDastra, 1, 0, 1, 2);
  layout->setColumnStretch(1, 1);

  auto* pageLayout = new QVBoxLayout(page);
  pageLayout->addWidget(settings);
  pageLayout->addStretch();
  return page;
}

QWidget* BuildCorrectionPage(ZeltoForm& form) {
  auto* page = form.Correction = MakeNamed<QWidget>("Correction", nullptr);

  QFrame* panel = MakePanel("PanRangeD", page);
  form.PanRangeD = panel;
  const QString points = Zelto::tr("Точки коррекции");
  const QString measured = Zelto::tr("Измеренные значения токов, мА");
  form.SetZero = MakeNumberField("SetZero", points + QStringLiteral(", T1,°C"), panel);
  form.SetFull = MakeNumberField("SetFull", points + QStringLiteral(", T2,°C"), panel);
  form.SchiftZero = MakeNumberField("SchiftZero", measured + Zelto::tr(", Iи1"), panel);
  form.SchiftFull = MakeNumberField("SchiftFull", measured + Zelto::tr(", Iи2"), panel);
  form.SetCurentZero = MakeLabel(QStringLiteral("0"), panel, "SetCurentZero");
  form.SetCurentFull = MakeLabel(QStringLiteral("0"), panel, "SetCurentFull");
  for (QLabel* nominal : {form.SetCurentZero, form.SetCurentFull}) {
    nominal->setFrameShape(QFrame::StyledPanel);
    nominal->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  }
  form.WriteUser = MakeButton("WriteUser", Zelto::tr("Запись"), panel);
  form.WriteFabric = MakeButton("WriteFabric", Zelto::tr("Обнулить"), panel);

  auto* layout = new QGridLayout(panel);
  layout->addWidget(MakeLabel(points, panel), 0, 0, 1, 2, Qt::AlignBottom | Qt::AlignHCenter);
  layout->addWidget(MakeLabel(Zelto::tr("Табличные\nзначения\nтоков, мА"), panel), 0, 2, 1, 2,
                    Qt::AlignHCenter);
  layout->addWidget(MakeLabel(Zelto::tr("Измеренные\nзначения\nтоков, мА"), panel), 0, 4, 1, 2,
                    Qt::AlignHCenter);
  const auto addRow = [&](int row, const QString& tLabel, QLineEdit* t, const QString& iLabel,
                          QLabel* nominal, const QString& mLabel, QLineEdit* measuredField) {
    layout->addWidget(MakeLabel(tLabel, panel), row, 0, Qt::AlignRight);
    layout->addWidget(t, row, 1);
    layout->addWidget(MakeLabel(iLabel, panel), row, 2, Qt::AlignRight);
    layout->addWidget(nominal, row, 3);
    layout->addWidget(MakeLabel(mLabel, panel), row, 4, Qt::AlignRight);
    layout->addWidget(measuredField, row, 5);
  };
  addRow(1, QStringLiteral("T1,°C"), form.SetZero, QStringLiteral("I1"), form.SetCurentZero,
         Zelto::tr("Iи1"), form.SchiftZero);
  addRow(2, QStringLiteral("T2,°C"), form.SetFull, QStringLiteral("I2"), form.SetCurentFull,
         Zelto::tr("Iи2"), form.SchiftFull);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(form.WriteUser);
  buttons->addWidget(form.WriteFabric);
  layout->addLayout(buttons, 3, 0, 1, 6);
  for (int column : {1, 3, 5})
    layout->setColumnStretch(column, 1);

  auto* pageLayout = new QVBoxLayout(page);
  pageLayout->addWidget(panel);
  pageLayout->addStretch();
  return page;
}

// A temperature field and a signal field side by side, as on the calculator and debug pages.
void AddTemperatureSignalPair(QGridLayout* layout, QWidget* page, QLineEdit* temperature,
                              QLineEdit* signal) {
  layout->addWidget(MakeLabel(Zelto::tr("Т, °C"), page), 0, 0, Qt::AlignRight);
  layout->addWidget(temperature, 0, 1);
  layout->addWidget(MakeLabel(Zelto::tr("U, мкВ"), page), 0, 2, Qt::AlignRight);
  layout->addWidget(signal, 0, 3);
}

void FillPolynomPage(ZeltoForm& form) {
  QWidget* page = form.Polynom;
  form.SetTemp = MakeNumberField("SetTemp", Zelto::tr("Т, °C"), page);
  form.RezCalc = MakeNumberField("RezCalc", Zelto::tr("U, мкВ"), page);
  auto* layout = new QGridLayout(page);
  AddTemperatureSignalPair(layout, page, form.SetTemp, form.RezCalc);
  layout->setRowStretch(1, 1);
}

void FillDebugPage(ZeltoForm& form) {
  QWidget* page = form.Debug;
  form.Edit3 = MakeNumberField("Edit3", Zelto::tr("Т, °C"), page);
  form.Edit2 = MakeNumberField("Edit2", Zelto::tr("U, мкВ"), page);

  QFrame* simulation = MakePanel("PanelRgSim", page);
  form.PanelRgSim = simulation;
  form.Start = MakeToggleButton("Start", Zelto::tr("Старт"), simulation,
                                Zelto::tr("Непрерывное отображение измеренных значений"));
  form.Stop = MakeToggleButton("Stop", Zelto::tr("Стоп"), simulation,
                               Zelto::tr("Зафиксировать измеренное значение"));
  for (QToolButton* button : {form.Start, form.Stop})
    button->setCheckable(false);
  form.BitBtn1 = MakeButton("BitBtn1", Zelto::tr("Выход"), simulation);
  form.BitBtn1->setToolTip(Zelto::tr("Закрыть окно"));
  form.DebugF = new QPlainTextEdit(simulation);
  form.DebugF->setObjectName(QStringLiteral("DebugF"));
  form.DebugF->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  auto* simulationLayout = new QGridLayout(simulation);
  simulationLayout->setContentsMargins(0, 0, 0, 0);
  simulationLayout->addWidget(form.Start, 0, 0);
  simulationLayout->addWidget(form.Stop, 0, 1);
  simulationLayout->addWidget(form.BitBtn1, 0, 3);
  simulationLayout->setColumnStretch(2, 1);
  simulationLayout->addWidget(form.DebugF, 1, 0, 1, 4);

  auto* layout = new QGridLayout(page);
  AddTemperatureSignalPair(layout, page, form.Edit3, form.Edit2);
  layout->addWidget(simulation, 1, 0, 1, 4);
}

}  // namespace

void FillServicePages(ZeltoForm& form) {
  FillPolynomPage(form);
  FillDebugPage(form);
}

void BuildPages(ZeltoForm& form, QWidget& parent) {
  auto* pages = new QTabWidget(&parent);
  pages->setObjectName(QStringLiteral("Function"));
  pages->addTab(BuildParametersPage(form), Zelto::tr("Параметры"));
  pages->addTab(BuildCorrectionPage(form), Zelto::tr("Подстройка  диапазона"));
  // The service view's pages are filled when the view is first shown (BuildServiceView).
  form.Polynom = MakeNamed<QWidget>("Polynom", nullptr);
  form.Debug = MakeNamed<QWidget>("Debug", nullptr);
  pages->addTab(form.Polynom, QStringLiteral("Polynom"));
  pages->addTab(form.Debug, QStringLiteral("Debug"));
  pages->setCurrentIndex(0);
  form.Function = pages;
}

}  // namespace zelto::app
