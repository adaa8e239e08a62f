#include "report/check_report.h"

#include "check/check_texts.h"
#include "link/interface_language.h"
#include "scratch_folder.h"

#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>

#include <cmath>
#include <gtest/gtest.h>

namespace zelto::report {
namespace {

using check::CheckPoint;
using check::CheckRecord;
using check::MeasuredPoint;
using check::PointResult;

// A point of a Pt100 at 0..100 °C on 4..20 mA, measured at `measured` mA.
MeasuredPoint Point(double percent, double ohms, std::optional<double> measured) {
  MeasuredPoint point;
  point.point.percent = percent;
  point.point.temperature = percent;
  point.point.signal = ohms;
  point.point.signalUnit = check::SignalUnit::kOhm;
  point.point.expected = 4.0 + 16.0 * percent / 100.0;
  point.measured = measured;
  if (measured) {
    point.error = std::round((*measured - point.point.expected) / 16.0 * 1e6) / 1e4;
    point.result = std::abs(point.error) <= 0.25 ? PointResult::kPass : PointResult::kFail;
  } else {
    point.result = PointResult::kUnstable;
  }
  return point;
}

// As found out of tolerance, the correction, as left within it.
CheckRecord AdjustedRecord() {
  CheckRecord record;
  record.id = "20261207-141502-123-ttyUSB0-1";
  record.time = "2026-12-07T14:15:02.123+01:00";
  record.tag = "TT-101 «котёл»";
  record.engineer = "Иванов И. И.";
  record.instruments = {"Zelto,Simulated current meter,SIM-0001,1.0", "калибратор К-1 <№ 7>"};
  record.model = 1;
  record.port = "/dev/ttyUSB0";
  record.firmware = "02.04.0017 14.03.2022";
  record.unit = keep::UnitIdentity{{{104, {0x11, 0, 4, 2}}, {112, {0x0e, 3, 0xe6, 7}}}, {}};
  record.configuration = {8, 0, 100, 2, false, false};
  record.asFound = {Point(0, 100.0, 4.064), Point(25, 109.73, 8.081), Point(50, 119.4, 12.097),
                    Point(75, 128.99, 16.113), Point(100, 138.51, 20.128)};
  record.adjustment = check::Adjustment{{1.0f, 0.0f}, {0.996016f, -12.5f}, "20261207-141510-1"};
  record.asLeft = std::vector<MeasuredPoint>{Point(0, 100.0, 4.001), Point(25, 109.73, 7.998),
                                             Point(50, 119.4, 12.0), Point(75, 128.99, 16.002),
                                             Point(100, 138.51, 19.999)};
  record.result = check::CheckResult::kPass;
  return record;
}

// The PDF's text as pdftotext reads it; the test is skipped without it (scripts/setup.sh
// installs poppler-utils).
std::optional<QString> TextOf(const std::string& pdf, std::optional<int> page = std::nullopt) {
  QStringList arguments;
  if (page)
    arguments << QStringLiteral("-f") << QString::number(*page) << QStringLiteral("-l")
              << QString::number(*page);
  arguments << QString::fromStdString(pdf) << QStringLiteral("-");
  QProcess reader;
  reader.start(QStringLiteral("pdftotext"), arguments);
  if (!reader.waitForFinished(-1) || reader.exitStatus() != QProcess::NormalExit ||
      reader.exitCode() != 0)
    return std::nullopt;
  return QString::fromUtf8(reader.readAllStandardOutput());
}

class Rendered : public ::testing::Test {
 protected:
  void SetUp() override {
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
      GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
  }
  void TearDown() override { InstallTranslations(InterfaceLanguage::kRussian); }

  QString Render(const CheckRecord& record) {
    const std::string pdf = folder.PathOf("report.pdf");
    EXPECT_EQ(SaveCheckReport(record, QString::fromStdString(pdf)), files::FileOutcome::kDone);
    const auto text = TextOf(pdf);
    EXPECT_TRUE(text) << pdf;
    // A table's cell may wrap its words.
    return text.value_or(QString()).simplified();
  }

  // Every point's error, as the tool's lines print it, somewhere in the text.
  static void ExpectEveryError(const QString& text, const CheckRecord& record) {
    for (const MeasuredPoint& point : record.asFound)
      EXPECT_TRUE(text.contains(check::ErrorText(point.error))) << point.point.percent;
    for (const MeasuredPoint& point : *record.asLeft)
      EXPECT_TRUE(text.contains(check::ErrorText(point.error))) << point.point.percent;
  }

  testing::ScratchFolder folder;
};

TEST_F(Rendered, TheRussianReportHoldsTheTagEveryErrorAndTheResult) {
  const CheckRecord record = AdjustedRecord();
  const QString text = Render(record);
  EXPECT_TRUE(text.contains(QStringLiteral("Протокол проверки"))) << text.toStdString();
  EXPECT_TRUE(text.contains(QStringLiteral("TT-101 «котёл»")));
  EXPECT_TRUE(text.contains(QStringLiteral("ГОДЕН")));
  ExpectEveryError(text, record);
  EXPECT_TRUE(text.contains(QStringLiteral("+0,40")));  // 4,064 mA at 0 %
  EXPECT_TRUE(text.contains(QStringLiteral("-0,01")));  // 7,998 mA at 25 % as left
  EXPECT_TRUE(text.contains(QStringLiteral("вне допуска")));
  EXPECT_TRUE(text.contains(QStringLiteral("1 → 0,996016")));
  EXPECT_TRUE(text.contains(QStringLiteral("Иванов И. И.")));
  EXPECT_TRUE(text.contains(QStringLiteral("07.12.2026 14:15")));
  EXPECT_TRUE(text.contains(QStringLiteral("калибратор К-1 <№ 7>")));  // escaped, not markup
  EXPECT_TRUE(text.contains(QStringLiteral("Погрешность, % диапазона выхода")));  // the plot's
  // The plot is drawn once, on the page that shows it: from its heading to its axis.
  EXPECT_EQ(text.count(QStringLiteral("Погрешность в точках проверки")), 1);
  EXPECT_EQ(text.count(QStringLiteral("Точка, % диапазона")), 1);
}

TEST_F(Rendered, TheEnglishReportSpeaksEnglishWithTheSameNumbers) {
  ASSERT_TRUE(InstallTranslations(InterfaceLanguage::kEnglish));
  const CheckRecord record = AdjustedRecord();
  const QString text = Render(record);
  EXPECT_TRUE(text.contains(QStringLiteral("Output check report"))) << text.toStdString();
  EXPECT_TRUE(text.contains(QStringLiteral("TT-101 «котёл»")));
  EXPECT_TRUE(text.contains(QStringLiteral("PASS")));
  EXPECT_TRUE(text.contains(QStringLiteral("out of tolerance")));
  EXPECT_TRUE(text.contains(QStringLiteral("2026-12-07 14:15")));
  ExpectEveryError(text, record);
  // Only the record's own words are Cyrillic: the tag, the engineer, an instrument.
  QString fixed = text;
  for (const char* own : {"TT-101 «котёл»", "Иванов И. И.", "калибратор К-1 <№ 7>"})
    fixed.remove(QString::fromUtf8(own));
  for (const QChar c : fixed)
    EXPECT_FALSE(c.script() == QChar::Script_Cyrillic) << fixed.toStdString();
}

// A check that stopped: an unstable point, an error typed by a slip of the finger, no as-left
// pass; a signal input's point at the bottom of a 0..20 mA output.
TEST_F(Rendered, ACancelledCheckShowsWhatItMeasuredAndWhyItStopped) {
  CheckRecord record = AdjustedRecord();
  record.asFound[1] = Point(25, 109.73, std::nullopt);
  record.asFound[2].measured = 1e308;
  record.asFound[2].error = 6.25e305;
  record.asFound[0].point.clampedAtZero = true;
  record.adjustment.reset();
  record.asLeft.reset();
  record.unit.reset();
  record.engineer.clear();
  record.result = check::CheckResult::kCancelled;
  record.stopped = check::CheckStop::kMeter;
  const QString text = Render(record);
  EXPECT_TRUE(text.contains(QStringLiteral("ПРОВЕРКА ПРЕРВАНА"))) << text.toStdString();
  EXPECT_TRUE(text.contains(QStringLiteral("показания не установились")));
  EXPECT_TRUE(text.contains(QStringLiteral("измеритель тока не ответил")));
  EXPECT_TRUE(text.contains(QStringLiteral("не выполнялась")));
  EXPECT_TRUE(text.contains(QStringLiteral("выход не опускается ниже 0 мА")));
  EXPECT_TRUE(text.contains(QStringLiteral("+0,40")));
  EXPECT_TRUE(text.contains(QStringLiteral("+6,25e+305"))) << text.toStdString();
}

// A unit within tolerance as found needs no correction: the report is a page and a bit, and its
// closing lines (the result, who checked it and when, the line to sign) stay on one page.
TEST_F(Rendered, TheResultTheEngineerAndTheSignatureShareAPage) {
  CheckRecord record = AdjustedRecord();
  record.asFound = *record.asLeft;
  record.adjustment.reset();
  record.asLeft.reset();
  const std::string pdf = folder.PathOf("report.pdf");
  ASSERT_EQ(SaveCheckReport(record, QString::fromStdString(pdf)), files::FileOutcome::kDone);
  const QRegularExpression pages(QStringLiteral("страница 1 из (\\d+)"));
  const QRegularExpressionMatch counted = pages.match(TextOf(pdf, 1).value_or(QString()));
  ASSERT_TRUE(counted.hasMatch());
  int signed_ = 0;
  for (int page = 1; page <= counted.captured(1).toInt(); ++page) {
    const QString text = TextOf(pdf, page).value_or(QString()).simplified();
    if (!text.contains(QStringLiteral("Подпись")))
      continue;
    ++signed_;
    EXPECT_TRUE(text.contains(QStringLiteral("Проверку выполнил: Иванов И. И."))) << page;
    EXPECT_TRUE(text.contains(QStringLiteral("Дата: 07.12.2026 14:15"))) << page;
    EXPECT_TRUE(text.contains(QStringLiteral("Результат проверки ГОДЕН"))) << text.toStdString();
  }
  EXPECT_EQ(signed_, 1);
}

TEST(CheckReport, AFileThatCannotBeMadeIsSaidSoAndNothingIsLeft) {
  testing::ScratchFolder folder;
  const std::string pdf = folder.PathOf("missing/report.pdf");
  EXPECT_EQ(SaveCheckReport(AdjustedRecord(), QString::fromStdString(pdf)),
            files::FileOutcome::kCannotOpen);
  EXPECT_FALSE(std::filesystem::exists(folder.PathOf("missing")));
}

}  // namespace
}  // namespace zelto::report
