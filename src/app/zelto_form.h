#pragma once

#include "app/file_dialog_on_demand.h"

#include <QStringList>

#include <array>

class QAction;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMainWindow;
class QMenu;
class QMenuBar;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QSplitter;
class QStatusBar;
class QTabWidget;
class QTimer;
class QToolBar;
class QToolButton;
class QWidget;

namespace zelto::app {

class PortComboBox;

// Every control of the main window, by the name it carries as its objectName. The window owns
// them all (Qt parent ownership); these are plain, non-owning pointers.
struct ZeltoForm {
  // Header and frame.
  QToolBar* ToolBar1;
  QFrame* Splitter1;
  QFrame* Panel2;
  QLabel* HeadProg;
  QLabel* HeadDevice;
  QWidget* Panel3;
  QSplitter* Splitter2;
  QFrame* Panel1;
  QPlainTextEdit* InforF;
  QProgressBar* TransferBar;
  QPushButton* ExitButton;
  QStatusBar* StatusProg;
  std::array<QLabel*, 4> StatusPanels;

  // Device and sensor.
  QGroupBox* GroupBox2;
  QComboBox* TypeDevice;
  QComboBox* TypeDevice1;
  QComboBox* TypeSensor_0;
  QComboBox* TypeSensor_1;
  QComboBox* TypeSensor_2;
  QCheckBox* LineFunc;

  // Measuring and output range.
  QGroupBox* PanRange;
  QLabel* LabelRange;
  QLabel* StaticText2;
  QLabel* MinLimit;
  QLabel* MaxLimit;
  QLineEdit* RangeMin;
  QLineEdit* RangeMax;
  QLineEdit* CurrentMin;
  QLineEdit* CurrentMax;

  // Interface.
  QGroupBox* GroupBox3;
  PortComboBox* SetComN;
  QComboBox* TSpeedD;
  QToolButton* Connect;
  QToolButton* OpenDev;
  QToolButton* SpeedButton3;

  // Files and device commands.
  QGroupBox* WorkFiles;
  QPushButton* OpenButton;
  QPushButton* SaveAsButton;
  QPushButton* SaveMemoButton;
  QGroupBox* WorkDevUser;
  QPushButton* ReadFromCom;
  QPushButton* WriteToCom;

  // Service panel.
  QFrame* ServicePan;
  QToolButton* Request;
  QToolButton* ReadE;
  QToolButton* ReadPol;
  QToolButton* TestPort;
  QToolButton* Monitor;
  QToolButton* SpeedButton2;
  QToolButton* SpeedButton1;
  QToolButton* ECalibr;
  QToolButton* SS;
  QToolButton* CC;
  QToolButton* FF;
  QToolButton* Plot;

  // Page control and its pages.
  QTabWidget* Function;
  QWidget* Parametrs;
  QWidget* Correction;
  QWidget* Polynom;
  QWidget* Debug;

  // Page Parametrs.
  QFrame* PanSetVelmor6;
  QGroupBox* SetOutCurrent;
  QButtonGroup* SetOutCurrentItems;
  QComboBox* SetSheme;
  QCheckBox* SetCoolJunk;
  QCheckBox* SetSqrt;
  QCheckBox* SetSensorBreak;
  QFrame* PanSetDastra;
  QPushButton* LockCoolJunk;
  QFrame* MeasageSetDastra;

  // Page Correction.
  QFrame* PanRangeD;
  QLineEdit* SetZero;
  QLineEdit* SetFull;
  QLabel* SetCurentZero;
  QLabel* SetCurentFull;
  QLineEdit* SchiftZero;
  QLineEdit* SchiftFull;
  QPushButton* WriteUser;
  QPushButton* WriteFabric;

  // Pages Polynom and Debug.
  QLineEdit* SetTemp;
  QLineEdit* RezCalc;
  QLineEdit* Edit3;
  QLineEdit* Edit2;
  QFrame* PanelRgSim;
  QToolButton* Start;
  QToolButton* Stop;
  QPushButton* BitBtn1;
  QPlainTextEdit* DebugF;

  // Main menu.
  QMenuBar* MainMenu1;
  QMenu* File1;
  QAction* Open;
  QAction* Save;
  QAction* SaveAs;
  QAction* N2;
  QAction* Print;
  QAction* PrintSetup;
  // The safety entries: profiles, undo, and the switches of what comes before, with and after a
  // write.
  QAction* OpenProfile;
  QAction* SaveProfile;
  QAction* UndoWrite;
  QAction* BackupBeforeWrite;
  QAction* CompareBeforeWrite;
  QAction* VerifyAfterWrite;
  QAction* WriteChangedOnly;
  QAction* N1;
  QAction* Exit;
  QAction* SaveMemo;
  QMenu* CheckMenu;
  QAction* CheckOutput;
  QAction* CheckLog;
  QMenu* Edit1;
  QAction* SelectCom;
  QAction* SpeedSetup;
  QMenu* Tools1;
  QAction* ConnectCom;
  QAction* Read;
  QAction* Write;
  QMenu* Calibr;
  QAction* ReadCalibrFromFile;
  QAction* ReadCalibr;
  QAction* WriteCalibrToFile;
  QAction* txt1;
  QAction* ReadCalibrFromEeprom;
  QAction* WriteCalibrToEeprom;
  QAction* ZeroCalibrToDevice;
  QAction* ZeroFullCalibrToDevice;
  QAction* N3;
  QAction* ReadEepromFromFile;
  QAction* WriteEepromToFile;
  QAction* WriteRamToEeprom;
  QAction* ReadEepromToRam;
  QMenu* CalibrTuner;
  QAction* N5;
  QAction* N6;
  QAction* N7;
  QAction* N8;
  QAction* N9;

  // File dialogs and timers.
  FileDialogOnDemand OpenDialogEE;
  FileDialogOnDemand SaveDialogEE;
  FileDialogOnDemand OpenProfileDialog;
  FileDialogOnDemand SaveProfileDialog;
  FileDialogOnDemand SaveReportDialog;
  QTimer* TimerTest;
  QTimer* TimerMonitor;
  QTimer* TimeConnect;
  QTimer* Timer_Mgr;
  QTimer* Timer1;
};

// Builds every control in its initial state under the window, which owns them.
ZeltoForm BuildZeltoForm(QMainWindow& window);

// Parts of the form, each built by its own file.
void BuildDeviceGroup(ZeltoForm& form, QWidget& parent);
void BuildRangeGroup(ZeltoForm& form, QWidget& parent);
void BuildPages(ZeltoForm& form, QWidget& parent);
void BuildRightColumn(ZeltoForm& form, QWidget& parent);
// The controls of the hidden service view (the file group, the service panel, the Polynom and
// Debug pages) are built when the view is first shown; until then the four places stand empty
// and the form's pointers to their controls are null. Builds them once; true when it did.
bool BuildServiceView(ZeltoForm& form);
void FillServiceGroups(ZeltoForm& form);
void FillServicePages(ZeltoForm& form);
void BuildMenus(ZeltoForm& form, QMainWindow& window);
void BuildDialogsAndTimers(ZeltoForm& form, QMainWindow& window);

// Names the four range fields after the row and column labels beside them; called again
// whenever the range column's heading changes with the sensor.
void SetRangeFieldNames(const ZeltoForm& form);

// Converts a file-dialog filter written as "Text|*.ext|Text|*.ext" into Qt's name filters.
QStringList NameFiltersFromPipeList(const QString& filter);

}  // namespace zelto::app
