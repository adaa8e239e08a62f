#include "app/check_log_dialog.h"

#include "app/window_texts.h"
#include "check/check_store.h"
#include "check/check_texts.h"
#include "keep/printable_text.h"

#include <QDateTime>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace zelto::app {
namespace {

enum LogColumn { kTagColumn, kTimeColumn, kModelColumn, kResultColumn, kLogColumns };

constexpr int kLogWidth = 640;
constexpr int kLogHeight = 360;

QString Printable(const std::string& text) {
  return QString::fromStdString(keep::PrintableText(text));
}

// The record's time as the user reads it: "2026-12-07 14:15:02".
QString TimeText(const std::string& time) {
  const QDateTime parsed = QDateTime::fromString(QString::fromStdString(time), Qt::ISODateWithMs);
  return parsed.isValid() ? parsed.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"))
                          : Printable(time);
}

QPushButton* Button(const char* name, const QString& text) {
  auto* button = new QPushButton(text);
  button->setObjectName(QLatin1String(name));
  button->setAccessibleName(QString(text).remove(QLatin1Char('&')));
  button->setAutoDefault(false);
  return button;
}

}  // namespace

CheckLogDialog::CheckLogDialog(std::function<void(const check::CheckRecord&)> saveReport,
                               QWidget* parent)
    : QDialog(parent),
      saveReport_(std::move(saveReport)),
      table_(new QTableWidget(0, kLogColumns)) {
  setObjectName(QStringLiteral("CheckLog"));
  setWindowTitle(Zelto::tr("Журнал проверок"));
  resize(kLogWidth, kLogHeight);

  const check::CheckStore::Listing listing = check::CheckStore().List();
  records_ = listing.records;
  table_->setObjectName(QStringLiteral("CheckLogTable"));
  table_->setAccessibleName(Zelto::tr("Проверки"));
  table_->setHorizontalHeaderLabels(
      {Zelto::tr("Позиция"), Zelto::tr("Время"), Zelto::tr("Прибор"), Zelto::tr("Итог")});
  table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table_->setSelectionBehavior(QAbstractItemView::SelectRows);
  table_->setSelectionMode(QAbstractItemView::SingleSelection);
  table_->verticalHeader()->setVisible(false);
  table_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  table_->horizontalHeader()->setStretchLastSection(true);
  table_->setRowCount(static_cast<int>(records_.size()));
  for (int row = 0; row < table_->rowCount(); ++row) {
    const check::CheckRecord& record = records_[static_cast<std::size_t>(row)];
    const QStringList cells{Printable(record.tag), TimeText(record.time),
                            check::ModelText(record.model), check::OutcomeText(record)};
    for (int column = 0; column < kLogColumns; ++column)
      table_->setItem(row, column, new QTableWidgetItem(cells[column]));
  }
  if (!records_.empty())
    table_->selectRow(0);

  auto* save = Button("CheckLogSaveReport", Zelto::tr("&Сохранить протокол…"));
  save->setEnabled(!records_.empty());
  auto* close = Button("CheckLogClose", Zelto::tr("&Закрыть"));
  connect(save, &QPushButton::clicked, this, [this] { SaveReportClick(); });
  connect(table_, &QTableWidget::cellDoubleClicked, this, [this] { SaveReportClick(); });
  connect(close, &QPushButton::clicked, this, &QDialog::accept);

  auto* layout = new QVBoxLayout(this);
  if (records_.empty()) {
    auto* none = new QLabel(Zelto::tr("Проверок пока нет"));
    none->setObjectName(QStringLiteral("CheckLogEmpty"));
    layout->addWidget(none);
  }
  layout->addWidget(table_, 1);
  if (!listing.unreadable.empty()) {
    auto* skipped = new QLabel(
        Zelto::tr("Не прочитаны: %1")
            .arg(QString::fromStdString(keep::PrintableText(listing.unreadable.front()))));
    skipped->setObjectName(QStringLiteral("CheckLogUnreadable"));
    skipped->setWordWrap(true);
    layout->addWidget(skipped);
  }
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(save);
  buttons->addWidget(close);
  layout->addLayout(buttons);
  table_->setFocus();
}

void CheckLogDialog::SaveReportClick() {
  const int row = table_->currentRow();
  if (row < 0 || row >= static_cast<int>(records_.size()))
    return;
  saveReport_(records_[static_cast<std::size_t>(row)]);
}

}  // namespace zelto::app
