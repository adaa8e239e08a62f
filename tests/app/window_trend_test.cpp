// The plot window and the recording, fed by the monitor poll of a simulated Velmor-7 whose
// working-memory values the tests hold still.
#include "app/trend_window.h"
#include "file_size_limit.h"
#include "run_program.h"
#include "window_test_support.h"

#include <QChart>
#include <QChartView>
#include <QCheckBox>
#include <QDateTimeAxis>
#include <QFile>
#include <QFileDialog>
#include <QGraphicsTextItem>
#include <QImage>
#include <QImageReader>
#include <QLineSeries>
#include <QScatterSeries>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <QValueAxis>
#include <QWheelEvent>

#include <functional>
#include <regex>

namespace zelto::app {
namespace {

using testing::Find;
using Stroke = std::vector<QPointF>;

// The values after a CSV line's time.
QStringList Values(const QString& line) {
  return line.section(QLatin1Char(','), 1).split(QLatin1Char(','));
}

QStringList FileLines(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly))
    return {};
  return QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

// The service view of a window connected to a simulated Velmor-7 whose monitor addresses hold
// 3000 + k, and 0x505 holds -1.
class Trend : public ::testing::Test, public testing::OnSimulator {
 protected:
  Trend() {
    for (int k = 0; k < 14; ++k)
      sim.SetMonitorValue(k, k == 5 ? -1 : 3000 + k);
    testing::ShowServiceView(window);
    Connect();
  }

  using OnSimulator::Click;
  static void Click(const QWidget& owner, const char* name) {
    QTest::mouseClick(Find<QAbstractButton>(owner, name), Qt::LeftButton);
  }
  // Opens the plot window as the user does.
  TrendWindow& Plot() {
    Click("Plot");
    auto* plot = window.findChild<TrendWindow*>(QStringLiteral("TrendWindow"));
    EXPECT_NE(plot, nullptr);
    return *plot;
  }
  void Poll(int cycles = 1) {
    for (int cycle = 0; cycle < cycles; ++cycle)
      window.TimerMonitorTimer();
  }
  double TimeOf(std::size_t cycle) const { return window.Trend().History().TimeAt(cycle); }
  // Lines at a value, each through the cycles from `first` to `last`.
  std::vector<Stroke> Lines(std::vector<std::pair<std::size_t, std::size_t>> cycles, double value) {
    std::vector<Stroke> lines;
    for (const auto& [first, last] : cycles) {
      lines.emplace_back();
      for (std::size_t cycle = first; cycle <= last; ++cycle)
        lines.back().emplace_back(TimeOf(cycle), value);
    }
    return lines;
  }
};

QChart& ChartOf(const TrendWindow& plot) {
  return *Find<QChartView>(plot, "TrendChart")->chart();
}

// What the chart draws for an address: its lines and lone points, in time order.
std::vector<Stroke> RunsOf(const TrendWindow& plot, const char* address) {
  std::vector<Stroke> runs;
  for (QAbstractSeries* series : ChartOf(plot).series()) {
    if (series->name() != QLatin1String(address) || !series->isVisible())
      continue;
    const auto points = static_cast<QXYSeries*>(series)->points();
    if (qobject_cast<QScatterSeries*>(series) != nullptr) {
      for (const QPointF& point : points)
        runs.push_back({point});
    } else if (!points.isEmpty()) {
      runs.emplace_back(points.begin(), points.end());
    }
  }
  std::sort(runs.begin(), runs.end(),
            [](const Stroke& a, const Stroke& b) { return a[0].x() < b[0].x(); });
  // A long line comes in pieces, each starting where the one before ends.
  std::vector<Stroke> joined;
  for (Stroke& run : runs) {
    if (!joined.empty() && run.size() > 1 && joined.back().back() == run.front()) {
      joined.back().insert(joined.back().end(), run.begin() + 1, run.end());
    } else {
      joined.push_back(std::move(run));
    }
  }
  return joined;
}

std::pair<double, double> TimeRange(const TrendWindow& plot) {
  const auto* axis = qobject_cast<QDateTimeAxis*>(ChartOf(plot).axes(Qt::Horizontal).front());
  return {static_cast<double>(axis->min().toMSecsSinceEpoch()),
          static_cast<double>(axis->max().toMSecsSinceEpoch())};
}

TEST_F(Trend, TheSeriesFollowThePollAndAMissingReplyBreaksTheLine) {
  TrendWindow& plot = Plot();
  EXPECT_TRUE(plot.isVisible());
  Poll(2);
  sim.SetFault(sim::Fault::SilentFrom(4));  // 0x500..0x502 answer, the rest of the poll not
  Poll();
  EXPECT_EQ(Status(), "Прибор не отвечает");
  sim.SetFault(sim::Fault::None());
  Poll(2);

  EXPECT_EQ(RunsOf(plot, "0x0502"), Lines({{0, 4}}, 3002));
  EXPECT_EQ(RunsOf(plot, "0x0503"), Lines({{0, 1}, {3, 4}}, 3003));
  // A device value of -1 is a point like any other; the slot cannot tell it from silence.
  EXPECT_EQ(RunsOf(plot, "0x0505"), Lines({{0, 1}, {3, 4}}, -1));
  EXPECT_EQ(window.Monitor()[5], -1);
  // Only the seven monitor lines' addresses show at first.
  EXPECT_TRUE(RunsOf(plot, "0x0500").empty());
  Click(plot, "TrendSeries0500");
  EXPECT_EQ(RunsOf(plot, "0x0500"), Lines({{0, 4}}, 3000));

  // Following, and scaled to what shows.
  EXPECT_EQ(TimeRange(plot).first, static_cast<double>(static_cast<qint64>(TimeOf(0))));
  const auto* values = qobject_cast<QValueAxis*>(ChartOf(plot).axes(Qt::Vertical).front());
  EXPECT_LT(values->min(), -1);
  EXPECT_GT(values->max(), 3007);
  EXPECT_LE(values->max() - values->min(), 2 * 3008);
}

TEST_F(Trend, ANewCycleRedrawsOnlyTheEndOfEachLine) {
  TrendWindow& plot = Plot();
  constexpr int kCycles = 150;  // lines of several pieces
  Poll(kCycles);
  ASSERT_EQ(RunsOf(plot, "0x0501"), Lines({{0, kCycles - 1}}, 3001));

  int handed = 0;
  for (QAbstractSeries* series : ChartOf(plot).series()) {
    QObject::connect(static_cast<QXYSeries*>(series), &QXYSeries::pointsReplaced,
                     [&handed] { ++handed; });
  }
  Poll();
  EXPECT_EQ(handed, 7);  // the last piece of each line shown
  EXPECT_EQ(RunsOf(plot, "0x0501").front().size(), kCycles + 1u);
}

TEST_F(Trend, PauseStopsFollowingWhileTheDataGoesOnArriving) {
  TrendWindow& plot = Plot();
  Poll(2);
  Click(plot, "TrendPause");
  const auto range = TimeRange(plot);
  const auto runs = RunsOf(plot, "0x0501");
  Poll(2);
  EXPECT_EQ(window.Trend().History().Cycles(), 4u);
  EXPECT_EQ(TimeRange(plot), range);
  EXPECT_EQ(RunsOf(plot, "0x0501"), runs);

  Click(plot, "TrendPause");  // resumed: the newest cycles show
  EXPECT_EQ(RunsOf(plot, "0x0501"), Lines({{0, 3}}, 3001));
}

TEST_F(Trend, TheWheelZoomsTheTimeAxisAndPausesWholeFollowsAgain) {
  TrendWindow& plot = Plot();
  Poll(3);
  auto* view = Find<QChartView>(plot, "TrendChart");
  const auto before = TimeRange(plot);
  const QPointF centre = view->viewport()->rect().center();
  QWheelEvent wheel(centre, view->viewport()->mapToGlobal(centre), {}, {0, 120}, Qt::NoButton,
                    Qt::NoModifier, Qt::NoScrollPhase, false);
  QCoreApplication::sendEvent(view->viewport(), &wheel);
  const auto zoomed = TimeRange(plot);
  EXPECT_NEAR(zoomed.second - zoomed.first, 0.8 * (before.second - before.first), 2.0);
  EXPECT_TRUE(Find<QToolButton>(plot, "TrendPause")->isChecked());

  Poll();
  EXPECT_EQ(TimeRange(plot), zoomed);
  Click(plot, "TrendWhole");
  EXPECT_FALSE(Find<QToolButton>(plot, "TrendPause")->isChecked());
  EXPECT_TRUE(Find<QCheckBox>(plot, "TrendAutoscale")->isChecked());
  EXPECT_EQ(RunsOf(plot, "0x0501").front().size(), 4u);
}

int PixelsOf(const QImage& picture, const char* colour) {
  const QImage image = picture.convertToFormat(QImage::Format_RGB32);
  const QRgb wanted = QColor(QLatin1String(colour)).rgb();
  int count = 0;
  for (int y = 0; y < image.height(); ++y) {
    const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
    count += static_cast<int>(std::count(line, line + image.width(), wanted));
  }
  return count;
}

TEST_F(Trend, APngNamesTheDeviceTheSpanAndEachSeriesShownInItsColour) {
  TrendWindow& plot = Plot();
  Poll(2);
  Click(plot, "TrendSeries0507");  // off: M12 leaves the legend
  answers << File("chart.png");
  Click(plot, "TrendSavePng");
  EXPECT_EQ(Status(), "Файл записан");
  QImageReader reader(File("chart.png"));
  EXPECT_EQ(reader.format(), "png");
  const QImage image = reader.read();
  const QImage chart = Find<QChartView>(plot, "TrendChart")->grab().toImage();
  EXPECT_EQ(image.width(), chart.width());
  EXPECT_GT(image.height(), chart.height());

  EXPECT_TRUE(image.text("Source").startsWith("Velmor-7, COM1 ("))
      << image.text("Source").toStdString();
  const auto [from, to] = TimeRange(plot);
  const QDateTime first = QDateTime::fromMSecsSinceEpoch(static_cast<qint64>(from));
  EXPECT_EQ(image.text("Description"),
            first.toString("dd.MM.yyyy HH:mm:ss") + " — " +
                QDateTime::fromMSecsSinceEpoch(static_cast<qint64>(to)).toString("HH:mm:ss"));
  EXPECT_EQ(image.text("Comment"),
            "0x0501  M00, 0x0502  M01, 0x0503  M02, 0x0504  M03, "
            "0x0505  M10, 0x0506  M11");
  // The legend's colour squares come on top of what the chart itself draws in each colour; the
  // series not shown have none.
  for (const char* shown : {"#1f77b4", "#ff7f0e", "#2ca02c", "#d62728", "#9467bd", "#8c564b"})
    EXPECT_GT(PixelsOf(image, shown), PixelsOf(chart, shown)) << shown;
  for (const char* hidden : {"#e377c2", "#bcbd22", "#17becf"})
    EXPECT_EQ(PixelsOf(image, hidden), 0) << hidden;
}

// The labels the value axis draws, as the chart's scene holds them.
QStringList ValueLabels(const TrendWindow& plot) {
  QCoreApplication::processEvents();  // the chart lays its axes out when shown
  QStringList labels;
  for (const QGraphicsItem* item : Find<QChartView>(plot, "TrendChart")->scene()->items()) {
    const auto* text = dynamic_cast<const QGraphicsTextItem*>(item);
    if (text == nullptr || !text->isVisible())
      continue;
    bool number = false;
    text->toPlainText().toDouble(&number);
    if (number)
      labels << text->toPlainText();
  }
  return labels;
}

TEST_F(Trend, TheValueAxisNeverRepeatsALabel) {
  TrendWindow& plot = Plot();
  const QStringList empty = ValueLabels(plot);
  EXPECT_GE(empty.size(), 2);
  EXPECT_EQ(QSet<QString>(empty.begin(), empty.end()).size(), empty.size())
      << empty.join(", ").toStdString();

  for (QCheckBox* box : plot.SeriesBoxes()) {
    if (box->isChecked() && box->objectName() != "TrendSeries0501")
      QTest::mouseClick(box, Qt::LeftButton);
  }
  Poll(2);  // one series, at 3001 throughout
  const QStringList flat = ValueLabels(plot);
  EXPECT_TRUE(flat.contains("3001")) << flat.join(", ").toStdString();
  EXPECT_EQ(QSet<QString>(flat.begin(), flat.end()).size(), flat.size())
      << flat.join(", ").toStdString();
}

TEST_F(Trend, ThePlotsFileDialogsAreItsOwn) {
  TrendWindow& plot = Plot();
  std::vector<const QWidget*> owners;
  class OwnersOfDialogs final : public FileChoice {
   public:
    explicit OwnersOfDialogs(std::vector<const QWidget*>& owners) : owners_(owners) {}
    std::optional<QString> Choose(QFileDialog& dialog) override {
      owners_.push_back(dialog.parentWidget());
      return std::nullopt;
    }

   private:
    std::vector<const QWidget*>& owners_;
  };
  window.SetFileChoice(std::make_unique<OwnersOfDialogs>(owners));
  for (const char* button : {"TrendSavePng", "TrendRecord", "TrendSaveHistory"})
    Click(plot, button);
  EXPECT_EQ(owners, std::vector<const QWidget*>(3, &plot));
}

TEST_F(Trend, WhileRecordingTheButtonOffersToStopAndTheTitleNamesTheFile) {
  TrendWindow& plot = Plot();
  auto* record = Find<QToolButton>(plot, "TrendRecord");
  answers << File("trend.csv");
  Click(plot, "TrendRecord");
  EXPECT_EQ(record->text(), "Остановить запись");
  EXPECT_EQ(plot.windowTitle(), "График — запись в trend.csv");
  Click(plot, "TrendRecord");
  EXPECT_EQ(record->text(), "Записывать в CSV…");
  EXPECT_EQ(plot.windowTitle(), "График");
}

// Each way the port or the device goes ends the poll: Scan and Test up, their timers stopped,
// the recording's file with the lines it had, and the plot with what came.
TEST_F(Trend, APortOrDeviceGoneEndsThePollTheRecordingAndKeepsThePlot) {
  const std::vector<std::pair<const char*, std::function<void()>>> ways{
      {"device disconnected", [this] { Click("OpenDev"); }},
      {"port released", [this] { Click("Connect"); }},
      {"port gone",  // last: the line comes back under another name
       [this] {
         sim.SetFault(sim::Fault::UnplugAt(1));
         Poll();
       }},
  };
  for (const auto& [way, end] : ways) {
    SCOPED_TRACE(way);
    if (!window.Link().IsPortOpen())
      Click("Connect");
    if (!window.Link().IsDeviceConnected())
      Click("OpenDev");
    TrendWindow& plot = Plot();
    const std::size_t before = window.Trend().History().Cycles();
    const QString csv = File((std::string(way) + ".csv").c_str());
    answers << csv;
    Click(plot, "TrendRecord");
    Click("TestPort");
    Click("Monitor");  // Test's button goes up, its timer runs on
    Poll(2);
    end();
    for (const char* timer : {"TimerTest", "TimerMonitor"})
      EXPECT_FALSE(Find<QTimer>(window, timer)->isActive()) << timer;
    for (const char* button : {"TestPort", "Monitor"})
      EXPECT_FALSE(Find<QToolButton>(window, button)->isChecked()) << button;
    EXPECT_FALSE(window.Trend().Recording());
    EXPECT_FALSE(Find<QToolButton>(plot, "TrendRecord")->isChecked());
    EXPECT_EQ(FileLines(csv).size(), 3);  // the header and the two cycles
    EXPECT_TRUE(plot.isVisible());
    EXPECT_GE(window.Trend().History().Cycles(), before + 2);
    EXPECT_FALSE(RunsOf(plot, "0x0501").empty());
  }
}

TEST_F(Trend, ThePlotStaysUsableOnceTheDeviceIsReleased) {
  TrendWindow& plot = Plot();
  Poll(2);
  Click("OpenDev");
  Click("Connect");
  Poll();  // nothing to ask: a gap
  EXPECT_EQ(window.Trend().History().Cycles(), 3u);
  EXPECT_EQ(RunsOf(plot, "0x0501"), Lines({{0, 1}}, 3001));
  Click(plot, "TrendPause");
  Click(plot, "TrendPause");
  Click(plot, "TrendSeries0501");
  EXPECT_TRUE(RunsOf(plot, "0x0501").empty());
  answers << File("after.png");
  Click(plot, "TrendSavePng");
  EXPECT_TRUE(QFile::exists(File("after.png")));
  EXPECT_TRUE(plot.isVisible());
}

TEST_F(Trend, ThePlotClosesWithTheServiceViewAndTheHistoryGoesOn) {
  TrendWindow& plot = Plot();
  Poll();
  window.ApplicationEvents1Message(12);  // the service view hides
  EXPECT_FALSE(plot.isVisible());
  Poll();
  testing::ShowServiceView(window);
  EXPECT_EQ(&Plot(), &plot);
  EXPECT_EQ(RunsOf(plot, "0x0501"), Lines({{0, 1}}, 3001));
}

TEST_F(Trend, TheWindowRecordsWhatTheToolPrintsForTheSameValues) {
  TrendWindow& plot = Plot();
  answers << File("window.csv");
  Click(plot, "TrendRecord");
  EXPECT_TRUE(Find<QToolButton>(plot, "TrendRecord")->isChecked());
  Poll(2);
  Click(plot, "TrendRecord");  // stopped: the next cycle is not recorded
  EXPECT_FALSE(Find<QToolButton>(plot, "TrendRecord")->isChecked());
  Poll();
  const QStringList recorded = FileLines(File("window.csv"));

  Click("OpenDev");
  Click("Connect");  // the port is the tool's now
  const auto tool = zelto::testing::RunProgram(
      ZELTO_CLI_PATH,
      {"--port", sim.Path(), "monitor", "--csv", "--count", "2", "--interval", "0"});
  ASSERT_EQ(tool.exitCode, 0) << tool.err;
  const QStringList printed = QString::fromStdString(tool.out).split('\n', Qt::SkipEmptyParts);

  ASSERT_EQ(recorded.size(), 3);
  ASSERT_EQ(printed.size(), 3);
  EXPECT_EQ(recorded[0], printed[0]);  // the header
  const std::regex time(R"(\d{4}-\d\d-\d\dT\d\d:\d\d:\d\d\.\d{3}[+-]\d\d:\d\d)");
  for (int line = 1; line < 3; ++line) {
    EXPECT_EQ(Values(recorded[line]), Values(printed[line]));
    EXPECT_TRUE(std::regex_match(recorded[line].section(',', 0, 0).toStdString(), time));
  }
  EXPECT_EQ(Values(recorded[1]).join(','), "3000,3001,3002,3003,3004,-1,3006,3007,3008,3012,3013");

  // The history holds all three cycles, and saves as a recording would have.
  answers << File("history.csv");
  Click(plot, "TrendSaveHistory");
  const QStringList history = FileLines(File("history.csv"));
  ASSERT_EQ(history.size(), 4);
  EXPECT_EQ(history.mid(0, 3), recorded);
}

TEST_F(Trend, ARecordingIntoAFileThatStopsGrowingEndsAndSaysSo) {
  TrendWindow& plot = Plot();
  answers << File("missing/trend.csv");
  Click(plot, "TrendRecord");
  EXPECT_EQ(Status(), "Error open file");
  EXPECT_FALSE(Find<QToolButton>(plot, "TrendRecord")->isChecked());

  answers << File("trend.csv");
  Click(plot, "TrendRecord");
  Poll();
  ASSERT_EQ(FileLines(File("trend.csv")).size(), 2);
  {
    const zelto::testing::FileSizeLimit limit(QFileInfo(File("trend.csv")).size() + 10);
    Poll();
  }
  EXPECT_EQ(Status(), "Ошибка записи файла");
  EXPECT_FALSE(Find<QToolButton>(plot, "TrendRecord")->isChecked());
  EXPECT_FALSE(window.Trend().Recording());
  const auto size = QFileInfo(File("trend.csv")).size();
  Poll();
  EXPECT_EQ(QFileInfo(File("trend.csv")).size(), size);
  EXPECT_EQ(window.Trend().History().Cycles(), 3u);
}

}  // namespace
}  // namespace zelto::app
