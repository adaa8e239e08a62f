#include "app/window_texts.h"
#include "app/zelto_form.h"

#include <QAction>
#include <QFileDialog>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QTimer>

namespace zelto::app {
namespace {

struct ItemState {
  bool enabled = true;
  bool visible = true;
};

constexpr ItemState kHiddenAndDisabled{false, false};
constexpr ItemState kDisabled{false, true};

QAction* AddItem(QMenu* menu, const char* name, const QString& text, ItemState state = {}) {
  QAction* item = menu->addAction(text);
  item->setObjectName(QLatin1String(name));
  item->setEnabled(state.enabled);
  item->setVisible(state.visible);
  return item;
}

QAction* AddSeparator(QMenu* menu, const char* name) {
  QAction* separator = menu->addSeparator();
  separator->setObjectName(QLatin1String(name));
  return separator;
}

QMenu* AddMenu(QWidget* owner, const char* name, const QString& title, ItemState state = {}) {
  QMenu* menu = nullptr;
  if (auto* bar = qobject_cast<QMenuBar*>(owner)) {
    menu = bar->addMenu(title);
  } else {
    menu = static_cast<QMenu*>(owner)->addMenu(title);
  }
  menu->setObjectName(QLatin1String(name));
  menu->menuAction()->setObjectName(QLatin1String(name) + QStringLiteral("Item"));
  menu->menuAction()->setEnabled(state.enabled);
  menu->menuAction()->setVisible(state.visible);
  return menu;
}

void BuildCalibrationMenus(ZeltoForm& form) {
  QMenu* calibr = AddMenu(form.Tools1, "Calibr", Zelto::tr("Работа с &Флэш"),
                          {.enabled = true, .visible = false});
  form.Calibr = calibr;
  form.ReadCalibrFromFile = AddItem(calibr, "ReadCalibrFromFile", "&Read Calibr from *.bin");
  form.ReadCalibr = AddItem(calibr, "ReadCalibr", "Read Calibr from *.&txt");
  form.WriteCalibrToFile = AddItem(calibr, "WriteCalibrToFile", "&Write Calibr to *.bin");
  form.txt1 = AddItem(calibr, "txt1", "Write Calibr to *.t&xt");
  form.ReadCalibrFromEeprom = AddItem(calibr, "ReadCalibrFromEeprom", "Read Calibr &Device");
  form.WriteCalibrToEeprom = AddItem(calibr, "WriteCalibrToEeprom", "Write Calibr D&evice");
  form.ZeroCalibrToDevice = AddItem(calibr, "ZeroCalibrToDevice", "&Clear Calibr Device");
  form.ZeroFullCalibrToDevice =
      AddItem(calibr, "ZeroFullCalibrToDevice", "Clear &Full Calibr Device");
  form.N3 = AddSeparator(calibr, "N3");
  form.ReadEepromFromFile = AddItem(calibr, "ReadEepromFromFile", "Чтение EEPROM из &файла");
  form.WriteEepromToFile = AddItem(calibr, "WriteEepromToFile", "Запись EEPROM в ф&айл");
  form.WriteRamToEeprom = AddItem(calibr, "WriteRamToEeprom", "Запись EEPROM в &прибор");
  form.ReadEepromToRam = AddItem(calibr, "ReadEepromToRam", "Чтение EEPROM из п&рибора");

  QMenu* tuner = AddMenu(form.Tools1, "CalibrTuner", Zelto::tr("&Калибровка"), kHiddenAndDisabled);
  form.CalibrTuner = tuner;
  form.N5 = AddItem(tuner, "N5", "&Чтение из файла *.bin");
  form.N6 = AddItem(tuner, "N6", "&Запись в файл *.bin");
  form.N7 = AddItem(tuner, "N7", "Чт&ение из Dastra");
  form.N8 = AddItem(tuner, "N8", "Зап&ись в Dastra");
  form.N9 = AddItem(tuner, "N9", "&Обнуление в Dastra");
}

QAction* AddSwitch(QMenu* menu, const char* name, const QString& text, bool on) {
  QAction* item = AddItem(menu, name, text);
  item->setCheckable(true);
  item->setChecked(on);
  return item;
}

void BuildSafetyItems(ZeltoForm& form, QMenu* file) {
  AddSeparator(file, "ProfileSeparator");
  form.OpenProfile = AddItem(file, "OpenProfile", Zelto::tr("&Открыть профиль…"));
  form.SaveProfile = AddItem(file, "SaveProfile", Zelto::tr("&Сохранить профиль…"));
  AddSeparator(file, "UndoSeparator");
  // Undo needs a device to write back to.
  form.UndoWrite = AddItem(file, "UndoWrite", Zelto::tr("Отменить последнюю &запись…"), kDisabled);
  form.BackupBeforeWrite =
      AddSwitch(file, "BackupBeforeWrite", Zelto::tr("&Резервная копия перед записью"), true);
  form.CompareBeforeWrite =
      AddSwitch(file, "CompareBeforeWrite", Zelto::tr("Сравн&ивать перед записью"), false);
  form.VerifyAfterWrite =
      AddSwitch(file, "VerifyAfterWrite", Zelto::tr("&Проверять после записи"), false);
  form.WriteChangedOnly =
      AddSwitch(file, "WriteChangedOnly", Zelto::tr("Записывать только изменённые с&лова"), false);
}

QTimer* MakeTimer(QMainWindow& window, const char* name, int intervalMs) {
  auto* timer = new QTimer(&window);
  timer->setObjectName(QLatin1String(name));
  timer->setInterval(intervalMs);
  return timer;
}

}  // namespace

void BuildMenus(ZeltoForm& form, QMainWindow& window) {
  QMenuBar* bar = window.menuBar();
  bar->setObjectName(QStringLiteral("MainMenu1"));
  form.MainMenu1 = bar;

  QMenu* file = AddMenu(bar, "File1", Zelto::tr("&Файл"));
  form.File1 = file;
  form.Open = AddItem(file, "Open", Zelto::tr("Откр&ыть"), kHiddenAndDisabled);
  form.Save = AddItem(file, "Save", Zelto::tr("Сохра&нить"), kHiddenAndDisabled);
  form.SaveAs = AddItem(file, "SaveAs", Zelto::tr("Сохранить к&ак..."), kHiddenAndDisabled);
  form.N2 = AddSeparator(file, "N2");
  form.Print = AddItem(file, "Print", Zelto::tr("Печа&тать..."), kHiddenAndDisabled);
  form.PrintSetup =
      AddItem(file, "PrintSetup", Zelto::tr("Настройки принт&ера..."), kHiddenAndDisabled);
  BuildSafetyItems(form, file);
  form.N1 = AddSeparator(file, "N1");
  form.Exit = AddItem(file, "Exit", Zelto::tr("&Выход"));
  // --- Saving the memo. Placed against the separator above "Выход" rather than in the order
  // above, so that it stays the last entry before it whatever the menu gains.
  form.SaveMemo = new QAction(Zelto::tr("Сохранить &журнал…"), file);
  form.SaveMemo->setObjectName(QStringLiteral("SaveMemo"));
  file->insertAction(form.N1, form.SaveMemo);
  // --- End of saving the memo.

  // The calibration bench: the output check of the connected unit and the checks kept.
  QMenu* checks = AddMenu(bar, "CheckMenu", Zelto::tr("&Проверка"));
  form.CheckMenu = checks;
  form.CheckOutput = AddItem(checks, "CheckOutput", Zelto::tr("&Проверка выхода…"), kDisabled);
  form.CheckLog = AddItem(checks, "CheckLog", Zelto::tr("&Журнал проверок…"));

  QMenu* settings =
      AddMenu(bar, "Edit1", Zelto::tr("&Настройки"), {.enabled = true, .visible = false});
  form.Edit1 = settings;
  form.SelectCom = AddItem(settings, "SelectCom", Zelto::tr("Выбор &порта"), kDisabled);
  form.SpeedSetup = AddItem(settings, "SpeedSetup", Zelto::tr("&Скорость обмена"), kDisabled);

  QMenu* tools = AddMenu(bar, "Tools1", Zelto::tr("&Команды"), {.enabled = true, .visible = false});
  form.Tools1 = tools;
  form.ConnectCom = AddItem(tools, "ConnectCom", Zelto::tr("&Подключить порт"));
  form.Read = AddItem(tools, "Read", Zelto::tr("&Чтение"), kDisabled);
  form.Write = AddItem(tools, "Write", Zelto::tr("&Запись"), kDisabled);
  BuildCalibrationMenus(form);
}

void BuildDialogsAndTimers(ZeltoForm& form, QMainWindow& window) {
  form.OpenDialogEE = FileDialogOnDemand(
      window, "OpenDialogEE", QFileDialog::AcceptOpen,
      NameFiltersFromPipeList(Zelto::tr("Файлы конфигурации (*.cfg)|*.cfg|Все файлы (*.*)|*.*")));
  form.SaveDialogEE = FileDialogOnDemand(window, "SaveDialogEE", QFileDialog::AcceptSave);
  form.OpenProfileDialog = FileDialogOnDemand(window, "OpenProfileDialog", QFileDialog::AcceptOpen);
  form.SaveProfileDialog = FileDialogOnDemand(window, "SaveProfileDialog", QFileDialog::AcceptSave);
  form.SaveReportDialog = FileDialogOnDemand(window, "SaveReportDialog", QFileDialog::AcceptSave);

  form.TimerTest = MakeTimer(window, "TimerTest", 500);
  form.TimerMonitor = MakeTimer(window, "TimerMonitor", 3000);
  form.TimeConnect = MakeTimer(window, "TimeConnect", 30000);
  form.Timer_Mgr = MakeTimer(window, "Timer_Mgr", 500);
  form.Timer1 = MakeTimer(window, "Timer1", 5000);
}

QStringList NameFiltersFromPipeList(const QString& filter) {
  const QStringList parts = filter.split(QLatin1Char('|'));
  QStringList nameFilters;
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
    const QString& description = parts[i];
    const QString& patterns = parts[i + 1];
    // Qt reads the patterns from the parentheses of the description; add them when missing.
    const bool showsPatterns = description.contains(QLatin1Char('(')) &&
                               description.contains(patterns.section(QLatin1Char(';'), 0, 0));
    nameFilters << (showsPatterns
                        ? description
                        : description + QStringLiteral(" (") +
                              QString(patterns).replace(QLatin1Char(';'), QLatin1Char(' ')) +
                              QLatin1Char(')'));
  }
  return nameFilters;
}

}  // namespace zelto::app
