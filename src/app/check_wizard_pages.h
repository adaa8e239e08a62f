#pragma once

#include <memory>

class QDialog;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QStackedWidget;
class QTableWidget;
class QWidget;

namespace zelto::app {

// The wizard's controls, each named and with its accessible name, owned by the dialog.
struct CheckWizardPages {
  QStackedWidget* stack = nullptr;

  // Setup.
  QWidget* setup = nullptr;
  QLineEdit* tag = nullptr;
  QLineEdit* engineer = nullptr;
  QLineEdit* points = nullptr;
  QLineEdit* tolerance = nullptr;
  QLineEdit* settle = nullptr;
  QLineEdit* meter = nullptr;
  QLineEdit* meterQuery = nullptr;
  QLineEdit* source = nullptr;
  QLineEdit* sourceCommand = nullptr;
  QPushButton* testConnection = nullptr;
  QLabel* identities = nullptr;

  // A pass: as found, then as left.
  QWidget* pass = nullptr;
  QLabel* passTitle = nullptr;
  QLabel* unit = nullptr;
  QTableWidget* table = nullptr;
  QLabel* prompt = nullptr;
  QLabel* typedLabel = nullptr;
  QLineEdit* typedCurrent = nullptr;
  QPushButton* take = nullptr;
  QPushButton* measure = nullptr;
  QLabel* reading = nullptr;

  // The verdict.
  QWidget* verdict = nullptr;
  QLabel* verdictText = nullptr;
  QLabel* adjustment = nullptr;
  QPlainTextEdit* summary = nullptr;  // every point measured, a line each
  QPushButton* adjust = nullptr;
  QPushButton* saveReport = nullptr;

  // Below every page.
  QLabel* status = nullptr;
  QPushButton* next = nullptr;
  QPushButton* cancel = nullptr;
  QPushButton* close = nullptr;
};

// The table's columns.
enum CheckColumn {
  kPercentColumn,
  kSignalColumn,
  kExpectedColumn,
  kMeasuredColumn,
  kErrorColumn,
  kResultColumn,
  kColumnCount
};

std::unique_ptr<CheckWizardPages> BuildCheckWizardPages(QDialog& dialog);

}  // namespace zelto::app
