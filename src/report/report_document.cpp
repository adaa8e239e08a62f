#include "report/report_document.h"

#include "check/check_texts.h"
#include "config/summary_lines.h"
#include "keep/backup.h"
#include "link/status_translation.h"
#include "report/unit_fingerprint.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFont>
#include <QTextBlock>
#include <QTextCursor>

#include <cmath>

namespace zelto::report {
namespace {

// The place the plot takes in the text: a private-use character, which no escaped text of the
// record holds (Escaped replaces it).
constexpr char16_t kPlotMarker = u'\uE000';
constexpr double kBodyPoints = 9.0;
constexpr double kLargestPlainNumber = 1e6;
constexpr int kExponentDigits = 4;

QString Translated(const char* text) {
  return QCoreApplication::translate("report", text);
}

// The record's own text, safe in HTML.
QString Escaped(const std::string& text) {
  QString plain = QString::fromStdString(text);
  plain.replace(QChar(kPlotMarker), QChar::ReplacementCharacter);
  return plain.toHtmlEscaped();
}

QString Heading(const char* text) {
  return QStringLiteral("<h3 style=\"margin-top:10px; margin-bottom:4px\">") + Translated(text) +
         QStringLiteral("</h3>");
}

// Rows of a label and its value, both already HTML.
QString Fields(const std::vector<std::pair<QString, QString>>& rows) {
  QString html = QStringLiteral("<table cellspacing=\"0\" cellpadding=\"1\">");
  for (const auto& [label, value] : rows) {
    html += QStringLiteral("<tr><td style=\"color:#555555; padding-right:12px\">") + label +
            QStringLiteral("</td><td>") + value + QStringLiteral("</td></tr>");
  }
  return html + QStringLiteral("</table>");
}

QString TimeText(const std::string& time) {
  const QDateTime parsed = QDateTime::fromString(QString::fromStdString(time), Qt::ISODateWithMs);
  if (!parsed.isValid())
    return Escaped(time);
  // The format itself is the language's: the day first in Russian.
  return parsed.toString(Translated(QT_TRANSLATE_NOOP("report", "dd.MM.yyyy HH:mm")));
}

QString UnitSection(const check::CheckRecord& record) {
  const QString fingerprint = record.unit ? UnitFingerprint(*record.unit) : QStringLiteral("—");
  return Heading(QT_TRANSLATE_NOOP("report", "Прибор")) +
         Fields(
             {{Translated(QT_TRANSLATE_NOOP("report", "Модель")), check::ModelText(record.model)},
              {Translated(QT_TRANSLATE_NOOP("report", "Версия прошивки")),
               Escaped(record.firmware)},
              {Translated(QT_TRANSLATE_NOOP("report", "Позиционное обозначение")),
               QStringLiteral("<b>") + Escaped(record.tag) + QStringLiteral("</b>")},
              {Translated(QT_TRANSLATE_NOOP("report", "Идентификатор прибора")), fingerprint},
              {Translated(QT_TRANSLATE_NOOP("report", "Порт")), Escaped(record.port)}});
}

QString Zelto(const std::string& text) {
  return QCoreApplication::translate("Zelto", text.c_str());
}

// The range in its own quantity: °C, or the signal input's unit as its points name it.
QString RangeText(const check::CheckRecord& record) {
  QString unit = QStringLiteral("°C");
  if (!record.asFound.empty() && !record.asFound.front().point.temperatureRange) {
    unit = QCoreApplication::translate(
        "status",
        std::string(check::SignalUnitName(record.asFound.front().point.signalUnit)).c_str());
  }
  return QStringLiteral("%1…%2 %3")
      .arg(record.configuration.rangeMin)
      .arg(record.configuration.rangeMax)
      .arg(unit);
}

QString ConfigurationSection(const check::CheckRecord& record) {
  const check::RecordedConfiguration& c = record.configuration;
  const std::vector<std::string_view> phrases = config::SummaryPhrases();
  return Heading(QT_TRANSLATE_NOOP("report", "Конфигурация")) +
         Fields({{Translated(QT_TRANSLATE_NOOP("report", "Датчик")),
                  TranslatePhrases(config::SensorName(c.sensor), phrases, "Zelto").toHtmlEscaped()},
                 {Translated(QT_TRANSLATE_NOOP("report", "Диапазон измерения")), RangeText(record)},
                 {Translated(QT_TRANSLATE_NOOP("report", "Выходной сигнал")),
                  Zelto(config::OutputRangeName(c.outputRange))},
                 {Zelto(QT_TRANSLATE_NOOP("Zelto", "Линейная от ЭДС")),
                  Zelto(config::SwitchStateName(c.linearEmf ? 1 : 0))},
                 {Zelto(QT_TRANSLATE_NOOP("Zelto", "Компенсация холодного спая")),
                  Zelto(config::SwitchStateName(c.coldJunction ? 1 : 0))}});
}

QString BenchSection(const check::CheckRecord& record) {
  QString instruments;
  for (const std::string& instrument : record.instruments)
    instruments += QStringLiteral("<li>") + Escaped(instrument) + QStringLiteral("</li>");
  if (instruments.isEmpty()) {
    instruments = QStringLiteral("<p>") + Translated(QT_TRANSLATE_NOOP("report", "не указаны")) +
                  QStringLiteral("</p>");
  } else {
    instruments =
        QStringLiteral("<ul style=\"margin-top:0px\">") + instruments + QStringLiteral("</ul>");
  }
  return Heading(QT_TRANSLATE_NOOP("report", "Средства измерений")) + instruments +
         Fields({{Translated(QT_TRANSLATE_NOOP("report", "Допуск")),
                  Translated(QT_TRANSLATE_NOOP("report", "±%1 % диапазона выходного сигнала"))
                      .arg(QString::number(record.tolerance, 'g', 6)
                               .replace(QLatin1Char('.'), QLatin1Char(',')))}});
}

// A reading typed by a slip of the finger, which the record keeps as typed, in a few digits and
// its power of ten rather than across the page.
QString Bounded(double value, const QString& plain) {
  if (std::abs(value) < kLargestPlainNumber)
    return plain;
  const QString text =
      QString::number(value, 'g', kExponentDigits).replace(QLatin1Char('.'), QLatin1Char(','));
  return value > 0 && plain.startsWith(QLatin1Char('+')) ? QLatin1Char('+') + text : text;
}

QString Cell(const QString& text, bool number, const QString& style = {}) {
  return QStringLiteral("<td align=\"") +
         (number ? QStringLiteral("right") : QStringLiteral("left")) +
         QStringLiteral("\" style=\"") + style + QStringLiteral("\">") + text +
         QStringLiteral("</td>");
}

QString HeaderCell(const char* text) {
  return QStringLiteral("<th style=\"background-color:#eeeeee\">") + Translated(text) +
         QStringLiteral("</th>");
}

QString ResultCell(check::PointResult result) {
  const QString colour =
      result == check::PointResult::kPass ? QStringLiteral("#1b6e2c") : QStringLiteral("#b3261e");
  return Cell(check::PointResultText(result), false, QStringLiteral("color:") + colour);
}

QString PointsTable(check::CheckPass pass, const std::vector<check::MeasuredPoint>& points) {
  QString html = QStringLiteral("<h3 style=\"margin-top:10px; margin-bottom:4px\">") +
                 check::PassTitle(pass).toHtmlEscaped() + QStringLiteral("</h3>");
  html += QStringLiteral(
      "<table width=\"100%\" border=\"1\" cellspacing=\"0\" cellpadding=\"3\" "
      "style=\"border-collapse:collapse; border-color:#999999\"><tr>");
  html += HeaderCell(QT_TRANSLATE_NOOP("report", "Точка, %")) +
          HeaderCell(QT_TRANSLATE_NOOP("report", "T")) +
          HeaderCell(QT_TRANSLATE_NOOP("report", "Сигнал")) +
          HeaderCell(QT_TRANSLATE_NOOP("report", "Ожидается, мА")) +
          HeaderCell(QT_TRANSLATE_NOOP("report", "Измерено, мА")) +
          HeaderCell(QT_TRANSLATE_NOOP("report", "Погрешность, %")) +
          HeaderCell(QT_TRANSLATE_NOOP("report", "Результат")) + QStringLiteral("</tr>");
  bool clamped = false;
  for (const check::MeasuredPoint& point : points) {
    const QString percent =
        check::PercentText(point.point.percent) + (point.point.clampedAtZero ? "*" : "");
    clamped = clamped || point.point.clampedAtZero;
    html += QStringLiteral("<tr>") + Cell(percent, true) +
            Cell(point.point.temperatureRange ? check::TemperatureText(point.point)
                                              : QStringLiteral("—"),
                 true) +
            Cell(check::SignalText(point.point), true) +
            Cell(check::CurrentText(point.point.expected), true) +
            Cell(point.measured ? Bounded(*point.measured, check::CurrentText(*point.measured))
                                : QStringLiteral("—"),
                 true) +
            Cell(point.measured ? Bounded(point.error, check::ErrorText(point.error))
                                : QStringLiteral("—"),
                 true) +
            ResultCell(point.result) + QStringLiteral("</tr>");
  }
  html += QStringLiteral("</table>");
  if (clamped) {
    html += QStringLiteral("<p style=\"font-size:8pt\">* ") +
            Translated(QT_TRANSLATE_NOOP(
                "report",
                "выход не опускается ниже 0 мА: погрешность меньше нуля в этой точке "
                "не видна")) +
            QStringLiteral("</p>");
  }
  return html;
}

QString AdjustmentSection(const check::CheckRecord& record) {
  QString html = Heading(QT_TRANSLATE_NOOP("report", "Подстройка"));
  if (!record.adjustment) {
    return html + QStringLiteral("<p>") +
           Translated(QT_TRANSLATE_NOOP("report", "не выполнялась")) + QStringLiteral("</p>");
  }
  const check::Adjustment& a = *record.adjustment;
  const QString arrow = QStringLiteral(" → ");
  std::vector<std::pair<QString, QString>> rows{
      {QStringLiteral("Au"),
       check::CorrectionNumber(a.before.au) + arrow + check::CorrectionNumber(a.after.au)},
      {QStringLiteral("Bu"),
       check::CorrectionNumber(a.before.bu) + arrow + check::CorrectionNumber(a.after.bu)}};
  if (!a.backup.empty()) {
    rows.emplace_back(Translated(QT_TRANSLATE_NOOP("report", "Резервная копия")),
                      Escaped(a.backup));
  }
  return html + Fields(rows);
}

const char* StopText(check::CheckStop stop) {
  switch (stop) {
    case check::CheckStop::kNone:
      break;
    case check::CheckStop::kUser:
      return QT_TRANSLATE_NOOP("report", "проверку прервал оператор");
    case check::CheckStop::kMeter:
      return QT_TRANSLATE_NOOP("report", "измеритель тока не ответил или ответил не числом");
    case check::CheckStop::kCalibrator:
      return QT_TRANSLATE_NOOP("report", "калибратор не принял команду");
    case check::CheckStop::kTransmitter:
      return QT_TRANSLATE_NOOP("report", "прибор не ответил во время подстройки");
    case check::CheckStop::kBackup:
      return QT_TRANSLATE_NOOP("report", "резервная копия не сохранена, подстройка не записана");
  }
  return nullptr;
}

QString ResultSection(const check::CheckRecord& record) {
  const QString colour = record.result == check::CheckResult::kPass ? QStringLiteral("#1b6e2c")
                                                                    : QStringLiteral("#b3261e");
  QString html = QStringLiteral("<p style=\"margin-top:14px; margin-bottom:0px\">") +
                 Translated(QT_TRANSLATE_NOOP("report", "Результат проверки")) +
                 QStringLiteral("</p><p style=\"font-size:24pt; font-weight:bold; color:") +
                 colour + QStringLiteral("; margin-top:0px\">") +
                 check::VerdictText(record.result).toUpper().toHtmlEscaped() +
                 QStringLiteral("</p>");
  if (const char* stop = StopText(record.stopped))
    html += QStringLiteral("<p>") + Translated(stop) + QStringLiteral("</p>");
  return html;
}

QString SignatureSection(const check::CheckRecord& record) {
  const QString engineer = record.engineer.empty() ? QString() : Escaped(record.engineer);
  const QString line = QStringLiteral("_____________________________");
  return QStringLiteral(
             "<table width=\"100%\" cellspacing=\"0\" cellpadding=\"4\" "
             "style=\"margin-top:16px\"><tr><td width=\"50%\">") +
         Translated(QT_TRANSLATE_NOOP("report", "Проверку выполнил")) + QStringLiteral(": <b>") +
         engineer + QStringLiteral("</b></td><td>") +
         Translated(QT_TRANSLATE_NOOP("report", "Дата")) + QStringLiteral(": ") +
         TimeText(record.time) +
         QStringLiteral(
             "</td></tr><tr><td colspan=\"2\" "
             "style=\"padding-top:22px\">") +
         Translated(QT_TRANSLATE_NOOP("report", "Подпись")) + QStringLiteral(": ") + line +
         QStringLiteral("</td></tr></table>");
}

}  // namespace

QString ReportTitle() {
  return Translated(QT_TRANSLATE_NOOP("report", "Протокол проверки"));
}

QString PageFooter(const check::CheckRecord& record, int page, int pages) {
  return Translated(QT_TRANSLATE_NOOP("report", "%1 %2 — страница %3 из %4"))
      .arg(ReportTitle(), QString::fromStdString(record.id), QString::number(page),
           QString::number(pages));
}

int WriteReport(QTextDocument& document, const check::CheckRecord& record, const PlotObject& plot) {
  QFont font(QStringLiteral("DejaVu Sans"));
  font.setStyleHint(QFont::SansSerif);
  font.setPointSizeF(kBodyPoints);
  document.setDefaultFont(font);

  QString html = QStringLiteral("<h1 style=\"margin-bottom:2px\">") +
                 ReportTitle().toHtmlEscaped() +
                 QStringLiteral("</h1><p style=\"color:#555555\">") +
                 Translated(QT_TRANSLATE_NOOP("report", "№ %1 от %2"))
                     .arg(Escaped(record.id), TimeText(record.time)) +
                 QStringLiteral("</p>");
  html += UnitSection(record) + ConfigurationSection(record) + BenchSection(record);
  html += PointsTable(check::CheckPass::kAsFound, record.asFound);
  html += AdjustmentSection(record);
  if (record.asLeft)
    html += PointsTable(check::CheckPass::kAsLeft, *record.asLeft);
  html += QStringLiteral("<p align=\"center\" style=\"margin-top:12px\">") + QChar(kPlotMarker) +
          QStringLiteral("</p>");
  html += ResultSection(record) + SignatureSection(record);
  document.setHtml(html);

  QTextCursor marker = document.find(QString(QChar(kPlotMarker)));
  if (marker.isNull())
    return document.characterCount() - 1;
  plot.InsertAt(marker);
  // The closing lines follow the plot's paragraph.
  return marker.block().next().position();
}

}  // namespace zelto::report
