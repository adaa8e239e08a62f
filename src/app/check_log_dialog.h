#pragma once

#include "check/check_record.h"

#include <QDialog>

#include <functional>
#include <vector>

class QTableWidget;

namespace zelto::app {

// "Журнал проверок": the kept output checks, newest first, each with its tag, time, model and
// result; the report of the one selected is saved from here.
class CheckLogDialog final : public QDialog {
 public:
  // `saveReport` asks for the file and draws the record into it.
  CheckLogDialog(std::function<void(const check::CheckRecord&)> saveReport, QWidget* parent);

 private:
  void SaveReportClick();

  std::function<void(const check::CheckRecord&)> saveReport_;
  std::vector<check::CheckRecord> records_;
  QTableWidget* table_;
};

}  // namespace zelto::app
