#include "app/check_wizard_pages.h"

#include "app/window_texts.h"
#include "check/test_points.h"
#include "instruments/manual_instruments.h"
#include "instruments/scpi_meter.h"

#include <QDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QTableWidget>
#include <QVBoxLayout>

namespace zelto::app {
namespace {

constexpr int kVerdictPointSize = 16;
constexpr int kTableMinimumHeight = 200;

// The accessible name is the label's text without its letter mark.
QString Plain(const QString& text) {
  QString plain = text;
  plain.remove(QLatin1Char('&'));
  if (plain.endsWith(QLatin1Char(':')))
    plain.chop(1);
  return plain;
}

template <class Control>
Control* Named(Control* control, const char* name, const QString& accessible) {
  control->setObjectName(QLatin1String(name));
  control->setAccessibleName(Plain(accessible));
  return control;
}

QLineEdit* AddField(QFormLayout& form, const char* name, const QString& label,
                    const QString& text = {}, const QString& placeholder = {}) {
  auto* field = Named(new QLineEdit(text), name, label);
  field->setPlaceholderText(placeholder);
  auto* caption = new QLabel(label);
  caption->setBuddy(field);
  form.addRow(caption, field);
  return field;
}

QPushButton* Button(const char* name, const QString& text) {
  auto* button = Named(new QPushButton(text), name, text);
  // Enter in a field is the field's own; the buttons are pressed by mouse, Space or their letter.
  button->setAutoDefault(false);
  return button;
}

QLabel* TextLabel(const char* name, const QString& accessible) {
  auto* label = Named(new QLabel, name, accessible);
  label->setWordWrap(true);
  label->setTextInteractionFlags(Qt::TextSelectableByMouse);
  return label;
}

QWidget* BuildSetup(CheckWizardPages& pages) {
  auto* page = new QWidget;
  page->setObjectName(QStringLiteral("CheckSetupPage"));
  auto* form = new QFormLayout;
  form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
  pages.tag = AddField(*form, "CheckTag", Zelto::tr("&Позиция (тег):"));
  pages.engineer = AddField(*form, "CheckEngineer", Zelto::tr("&Инженер:"));
  pages.points = AddField(*form, "CheckPoints", Zelto::tr("&Точки, % диапазона:"),
                          QStringLiteral("0; 25; 50; 75; 100"));
  pages.tolerance = AddField(*form, "CheckTolerance", Zelto::tr("&Допуск, % диапазона выхода:"),
                             QStringLiteral("0,25"));
  pages.settle = AddField(*form, "CheckSettle", Zelto::tr("&Выдержка, с:"), QStringLiteral("2"));
  const QString settingHint = QStringLiteral("manual, serial:/dev/ttyUSB0:9600, tcp:10.0.0.5:5025");
  pages.meter = AddField(*form, "CheckMeter", Zelto::tr("Измеритель т&ока:"),
                         QString::fromLatin1(instruments::kManualName), settingHint);
  pages.meterQuery = AddField(*form, "CheckMeterQuery", Zelto::tr("&Запрос измерителя:"),
                              QString::fromLatin1(instruments::kDefaultMeterQuery));
  pages.source = AddField(*form, "CheckSource", Zelto::tr("&Калибратор:"),
                          QString::fromLatin1(instruments::kManualName), settingHint);
  pages.sourceCommand =
      AddField(*form, "CheckSourceCommand", Zelto::tr("Ко&манда калибратора:"), {},
               Zelto::tr("например, %1").arg(QStringLiteral("SOUR:TEMP {c}")));

  pages.testConnection = Button("CheckTestConnection", Zelto::tr("Проверить &связь"));
  pages.identities = TextLabel("CheckIdentities", Zelto::tr("Ответы приборов на *IDN?"));
  auto* connection = new QHBoxLayout;
  connection->addWidget(pages.testConnection, 0, Qt::AlignTop);
  connection->addWidget(pages.identities, 1);

  auto* layout = new QVBoxLayout(page);
  layout->addLayout(form);
  layout->addLayout(connection);
  layout->addStretch(1);
  return page;
}

QTableWidget* BuildTable() {
  auto* table = Named(new QTableWidget(0, kColumnCount), "CheckTable", Zelto::tr("Точки проверки"));
  table->setHorizontalHeaderLabels({Zelto::tr("Точка, %"), Zelto::tr("Сигнал"),
                                    Zelto::tr("Ожидается, мА"), Zelto::tr("Измерено, мА"),
                                    Zelto::tr("Погрешность, %"), Zelto::tr("Результат")});
  table->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table->setSelectionBehavior(QAbstractItemView::SelectRows);
  table->setSelectionMode(QAbstractItemView::SingleSelection);
  table->verticalHeader()->setVisible(false);
  table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  table->horizontalHeader()->setStretchLastSection(true);
  table->setMinimumHeight(kTableMinimumHeight);
  return table;
}

QWidget* BuildPass(CheckWizardPages& pages) {
  auto* page = new QWidget;
  page->setObjectName(QStringLiteral("CheckPassPage"));
  pages.passTitle = TextLabel("CheckPassTitle", Zelto::tr("Проход проверки"));
  QFont title = pages.passTitle->font();
  title.setBold(true);
  pages.passTitle->setFont(title);
  pages.unit = TextLabel("CheckUnit", Zelto::tr("Проверяемый прибор"));
  pages.table = BuildTable();
  pages.prompt = TextLabel("CheckPrompt", Zelto::tr("Что подать"));
  pages.prompt->setFont(title);

  pages.typedLabel = new QLabel(Zelto::tr("То&к, мА:"));
  pages.typedCurrent = Named(new QLineEdit, "CheckTypedCurrent", pages.typedLabel->text());
  pages.typedLabel->setBuddy(pages.typedCurrent);
  pages.take = Button("CheckTake", Zelto::tr("&Принять"));
  pages.measure = Button("CheckMeasure", Zelto::tr("&Измерить"));
  pages.reading = TextLabel("CheckReading", Zelto::tr("Показание измерителя"));
  auto* entry = new QHBoxLayout;
  entry->addWidget(pages.typedLabel);
  entry->addWidget(pages.typedCurrent);
  entry->addWidget(pages.take);
  entry->addWidget(pages.measure);
  entry->addWidget(pages.reading, 1);

  auto* layout = new QVBoxLayout(page);
  layout->addWidget(pages.passTitle);
  layout->addWidget(pages.unit);
  layout->addWidget(pages.table, 1);
  layout->addWidget(pages.prompt);
  layout->addLayout(entry);
  return page;
}

QWidget* BuildVerdict(CheckWizardPages& pages) {
  auto* page = new QWidget;
  page->setObjectName(QStringLiteral("CheckVerdictPage"));
  pages.verdictText = TextLabel("CheckVerdict", Zelto::tr("Итог проверки"));
  QFont large = pages.verdictText->font();
  large.setPointSize(kVerdictPointSize);
  large.setBold(true);
  pages.verdictText->setFont(large);
  pages.adjustment = TextLabel("CheckAdjustment", Zelto::tr("Подстройка"));
  pages.adjust = Button("CheckAdjust", Zelto::tr("По&дстроить"));
  pages.saveReport = Button("CheckSaveReport", Zelto::tr("&Сохранить протокол…"));
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(pages.adjust);
  buttons->addWidget(pages.saveReport);
  buttons->addStretch(1);

  pages.summary = Named(new QPlainTextEdit, "CheckSummary", Zelto::tr("Измеренные точки"));
  pages.summary->setReadOnly(true);
  // A point's line is longer than the page in Russian: it wraps rather than scrolls aside.
  pages.summary->setLineWrapMode(QPlainTextEdit::WidgetWidth);

  auto* layout = new QVBoxLayout(page);
  layout->addWidget(pages.verdictText);
  layout->addWidget(pages.adjustment);
  layout->addWidget(pages.summary, 1);
  layout->addLayout(buttons);
  return page;
}

}  // namespace

std::unique_ptr<CheckWizardPages> BuildCheckWizardPages(QDialog& dialog) {
  auto pages = std::make_unique<CheckWizardPages>();
  pages->stack = new QStackedWidget;
  pages->stack->setObjectName(QStringLiteral("CheckPages"));
  pages->setup = BuildSetup(*pages);
  pages->pass = BuildPass(*pages);
  pages->verdict = BuildVerdict(*pages);
  for (QWidget* page : {pages->setup, pages->pass, pages->verdict})
    pages->stack->addWidget(page);

  pages->status = TextLabel("CheckStatus", Zelto::tr("Состояние проверки"));
  pages->next = Button("CheckNext", Zelto::tr("&Начать"));
  pages->cancel = Button("CheckCancel", Zelto::tr("Отмена"));
  pages->close = Button("CheckClose", Zelto::tr("&Готово"));
  // Enter in the setup's fields starts the check; the other pages take Enter for themselves.
  pages->next->setDefault(true);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(pages->status, 1);
  buttons->addWidget(pages->next);
  buttons->addWidget(pages->close);
  buttons->addWidget(pages->cancel);

  auto* layout = new QVBoxLayout(&dialog);
  layout->addWidget(pages->stack, 1);
  layout->addLayout(buttons);
  // Only now are the buttons in the dialog, where a tab order between them can be set.
  QWidget::setTabOrder(pages->next, pages->close);
  QWidget::setTabOrder(pages->close, pages->cancel);
  return pages;
}

}  // namespace zelto::app
