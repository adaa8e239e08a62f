#include "app/form_widgets.h"
#include "app/port_combo_box.h"
#include "app/releasable_button_group.h"
#include "app/window_texts.h"
#include "app/zelto_form.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace zelto::app {
namespace {

QGroupBox* MakeGroup(const char* name, const QString& caption, QWidget* parent) {
  auto* group = new QGroupBox(caption, parent);
  group->setObjectName(QLatin1String(name));
  return group;
}

QGroupBox* BuildInterfaceGroup(ZeltoForm& form, QWidget* parent) {
  QGroupBox* group = MakeGroup("GroupBox3", Zelto::tr("Интерфейс"), parent);
  form.GroupBox3 = group;

  QStringList ports;
  for (int n = 1; n <= 16; ++n)
    ports << Zelto::tr("Сом%1").arg(n);
  form.SetComN = new PortComboBox(group);
  form.SetComN->setObjectName(QStringLiteral("SetComN"));
  form.SetComN->addItems(ports);
  form.SetComN->setEditable(true);  // a port number may be typed as well as picked
  form.SetComN->setInsertPolicy(QComboBox::NoInsert);
  form.SetComN->setEditText(Zelto::tr("Сом 1"));
  form.SetComN->setAccessibleName(Zelto::tr("Интерфейс, COM-порт"));

  form.TSpeedD = MakeList("TSpeedD", {QStringLiteral("4800")}, group);
  form.TSpeedD->setEditable(true);
  form.TSpeedD->setInsertPolicy(QComboBox::NoInsert);
  form.TSpeedD->setCurrentIndex(0);
  form.TSpeedD->setAccessibleName(Zelto::tr("Интерфейс, скорость обмена"));

  form.Connect = MakeToggleButton("Connect", Zelto::tr("Подключить COM-порт"), group);
  form.OpenDev = MakeToggleButton("OpenDev", Zelto::tr("Подключить Прибор"), group);
  form.OpenDev->setEnabled(false);
  form.SpeedButton3 = MakeToggleButton("SpeedButton3", Zelto::tr("Поиск"), group);
  form.SpeedButton3->setEnabled(false);
  form.SpeedButton3->hide();

  auto* layout = new QVBoxLayout(group);
  for (QWidget* control : std::initializer_list<QWidget*>{form.SetComN, form.TSpeedD, form.Connect,
                                                          form.OpenDev, form.SpeedButton3}) {
    control->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    layout->addWidget(control);
  }
  return group;
}

// The service view's groups stand empty and hidden in their places until the view is first
// shown (BuildServiceView).
QGroupBox* BuildFileGroupPlace(ZeltoForm& form, QWidget* parent) {
  QGroupBox* group = MakeGroup("WorkFiles", Zelto::tr("Работа с файлами"), parent);
  group->hide();
  form.WorkFiles = group;
  return group;
}

void FillFileGroup(ZeltoForm& form) {
  QGroupBox* group = form.WorkFiles;
  form.OpenButton = MakeButton("OpenButton", Zelto::tr("Открыть"), group);
  form.SaveAsButton = MakeButton("SaveAsButton", Zelto::tr("Сохранить"), group);
  form.SaveMemoButton = MakeButton("SaveMemoButton", Zelto::tr("Сохранить журнал…"), group);
  auto* layout = new QVBoxLayout(group);
  layout->addWidget(form.OpenButton);
  layout->addWidget(form.SaveAsButton);
  layout->addWidget(form.SaveMemoButton);
}

QGroupBox* BuildDeviceCommandGroup(ZeltoForm& form, QWidget* parent) {
  QGroupBox* group = MakeGroup("WorkDevUser", Zelto::tr("Работа с прибором"), parent);
  form.WorkDevUser = group;
  form.ReadFromCom = MakeButton("ReadFromCom", Zelto::tr("Чтение"), group);
  form.WriteToCom = MakeButton("WriteToCom", Zelto::tr("Запись"), group);
  auto* layout = new QVBoxLayout(group);
  for (QPushButton* button : {form.ReadFromCom, form.WriteToCom}) {
    button->setEnabled(false);
    layout->addWidget(button);
  }
  return group;
}

QFrame* BuildServicePanelPlace(ZeltoForm& form, QWidget* parent) {
  auto* panel = new QFrame(parent);
  panel->setObjectName(QStringLiteral("ServicePan"));
  panel->setFrameShape(QFrame::StyledPanel);
  panel->hide();
  form.ServicePan = panel;
  return panel;
}

void FillServicePanel(ZeltoForm& form) {
  QFrame* panel = form.ServicePan;

  const auto plain = [panel](const char* name, const char* caption, const QString& hint) {
    QToolButton* button = MakeToggleButton(name, QLatin1String(caption), panel, hint);
    button->setCheckable(false);
    return button;
  };
  const auto toggle = [panel](const char* name, const char* caption, const QString& hint) {
    return MakeToggleButton(name, QLatin1String(caption), panel, hint);
  };
  form.Request = plain("Request", "Read", Zelto::tr("Запрос и прием информации от объекта"));
  form.ReadE = plain("ReadE", "EE", Zelto::tr("Чтение eeprom в memo"));
  form.ReadPol = toggle("ReadPol", "Pol", Zelto::tr("Чтение полиномов в из eeprom и вывод в memo"));
  form.TestPort = toggle("TestPort", "Test", QStringLiteral("TimerTest->Enabled"));
  form.Monitor = toggle("Monitor", "Scan", QStringLiteral("TimerMonitor->Enabled"));
  form.SpeedButton2 = plain("SpeedButton2", "Au",
                            Zelto::tr("Чтение текущих коэфициентов приведения кода к напряжению"));
  form.SpeedButton1 = plain("SpeedButton1", "TstP", QStringLiteral("TestPol"));
  form.ECalibr = toggle("ECalibr", "K", QStringLiteral("Calibr->Visible"));
  form.SS = toggle("SS", "S", QStringLiteral("fSendToMemo"));
  form.CC = toggle("CC", "C", QStringLiteral("fComtoBuf"));
  form.FF = toggle("FF", "F", QStringLiteral("fCnftoMemo"));
  form.Plot = plain("Plot", "Plot", Zelto::tr("График значений монитора"));

  // The test and the monitor poll share a group: one button down releases the other.
  auto* polling = new ReleasableButtonGroup(panel);
  polling->AddButton(form.TestPort);
  polling->AddButton(form.Monitor);

  auto* layout = new QGridLayout(panel);
  layout->setSpacing(2);
  const std::initializer_list<QToolButton*> buttons{
      form.Request,      form.ReadE,   form.ReadPol, form.TestPort, form.Monitor, form.SpeedButton2,
      form.SpeedButton1, form.ECalibr, form.SS,      form.CC,       form.FF,      form.Plot};
  int index = 0;
  for (QToolButton* button : buttons) {
    button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    layout->addWidget(button, index / 4, index % 4);
    ++index;
  }
}

}  // namespace

void FillServiceGroups(ZeltoForm& form) {
  FillFileGroup(form);
  FillServicePanel(form);
}

void BuildRightColumn(ZeltoForm& form, QWidget& parent) {
  auto* column = new QVBoxLayout(&parent);
  column->setContentsMargins(0, 0, 0, 0);
  column->addWidget(BuildInterfaceGroup(form, &parent));
  column->addWidget(BuildFileGroupPlace(form, &parent));
  column->addWidget(BuildDeviceCommandGroup(form, &parent));
  column->addWidget(BuildServicePanelPlace(form, &parent));
  column->addStretch();

  form.ExitButton = MakeButton("ExitButton", Zelto::tr("Выход"), &parent);
  QFont bold = form.ExitButton->font();
  bold.setBold(true);
  form.ExitButton->setFont(bold);
  column->addWidget(form.ExitButton);
}

}  // namespace zelto::app
