#include "app/trend_window.h"

#include "app/trend_chart_view.h"
#include "app/trend_history.h"
#include "app/trend_lines.h"
#include "app/trend_picture.h"
#include "app/window_texts.h"

#include <QChart>
#include <QCheckBox>
#include <QDateTime>
#include <QDateTimeAxis>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QPixmap>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>
#include <QValueAxis>

#include <algorithm>
#include <array>
#include <chrono>
#include <cmath>
#include <limits>

namespace zelto::app {
namespace {

constexpr double kMinuteMs = 60'000;
constexpr double kHourMs = 60 * kMinuteMs;
constexpr double kDayMs = 24 * kHourMs;
constexpr double kShortestSpanMs = 1'000;  // the deepest zoom: a second across
// The whole history is shown over the first of these spans it fits in, which the cycles then
// fill from the left; past the last, the span doubles. The axis moves only when a span is
// outgrown, rather than with every cycle.
constexpr std::array<double, 16> kWholeSpans{
    kMinuteMs,  2 * kMinuteMs, 5 * kMinuteMs, 10 * kMinuteMs, 15 * kMinuteMs, 30 * kMinuteMs,
    kHourMs,    2 * kHourMs,   3 * kHourMs,   6 * kHourMs,    12 * kHourMs,   kDayMs,
    2 * kDayMs, 3 * kDayMs,    7 * kDayMs,    14 * kDayMs};
// Following a zoomed span, the view moves on by this share of it once the newest cycle reaches
// its right edge.
constexpr double kFollowStep = 0.25;
// The value axis reaches this share of the shown values' spread beyond them. Autoscale keeps
// the axis while the values stay inside and fill at least the given share of it.
constexpr double kValueMargin = 0.1;
constexpr double kLeastFill = 0.5;
// The value axis has about this many steps between labels; a step is a whole number, since the
// values are, and reads 1, 2 or 5 times a power of ten.
constexpr double kValueSteps = 5;

// The monitor lines' addresses first, in colours far apart; the rest after them.
constexpr std::array<const char*, 11> kColours{"#7f7f7f", "#1f77b4", "#ff7f0e", "#2ca02c",
                                               "#d62728", "#9467bd", "#8c564b", "#e377c2",
                                               "#bcbd22", "#17becf", "#000000"};
// Slots 1..7: the addresses the monitor lines show (M00 .. M12).
constexpr std::array<const char*, 7> kMonitorLineNames{"M00", "M01", "M02", "M03",
                                                       "M10", "M11", "M12"};

QString AddressText(std::uint16_t address) {
  return QStringLiteral("0x") +
         QString::number(address, 16).rightJustified(4, QLatin1Char('0')).toUpper();
}

QColor ColourOf(std::size_t series) {
  return QColor(QLatin1String(kColours[series % kColours.size()]));
}

// The monitor line that shows the address, if one does.
std::optional<QString> MonitorLineName(std::uint16_t address) {
  const int slot = address - 0x500;
  if (slot < 1 || slot > static_cast<int>(kMonitorLineNames.size()))
    return std::nullopt;
  return QLatin1String(kMonitorLineNames[static_cast<std::size_t>(slot - 1)]);
}

// "0x0501  M00": the address, and the monitor line that shows it if one does.
QString SeriesName(std::uint16_t address) {
  QString name = AddressText(address);
  if (const auto lineName = MonitorLineName(address))
    name += QStringLiteral("  ") + *lineName;
  return name;
}

double WholeStep(double span) {
  const double rough = span / kValueSteps;
  if (!(rough > 1))
    return 1;
  const double power = std::pow(10.0, std::floor(std::log10(rough)));
  for (const double factor : {1.0, 2.0, 5.0}) {
    if (factor * power >= rough)
      return factor * power;
  }
  return 10 * power;
}

QToolButton* MakeButton(const char* name, const QString& text, QWidget* parent,
                        bool checkable = false) {
  auto* button = new QToolButton(parent);
  button->setObjectName(QLatin1String(name));
  button->setText(text);
  button->setCheckable(checkable);
  button->setToolButtonStyle(Qt::ToolButtonTextOnly);
  return button;
}

QDateTime TimeOf(double ms) {
  return QDateTime::fromMSecsSinceEpoch(static_cast<qint64>(ms));
}

double WholeSpan(double historyMs) {
  for (const double span : kWholeSpans) {
    if (historyMs < span)
      return span;
  }
  double span = kWholeSpans.back();
  while (historyMs >= span)
    span *= 2;
  return span;
}

}  // namespace

TrendWindow::TrendWindow(const TrendHistory& history, QWidget* parent)
    : QWidget(parent, Qt::Window), history_(history) {
  setObjectName(QStringLiteral("TrendWindow"));
  setWindowTitle(Zelto::tr("График"));
  BuildChart();
  auto* middle = new QHBoxLayout;
  middle->addWidget(view_, 1);
  middle->addWidget(BuildSeriesBoxes());
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(BuildControls());
  layout->addLayout(middle, 1);
  resize(900, 520);
  saveDialog_ = FileDialogOnDemand(*this, "TrendSaveDialog", QFileDialog::AcceptSave);
  Follow();
}

TrendWindow::~TrendWindow() = default;

QWidget* TrendWindow::BuildControls() {
  auto* row = new QWidget(this);
  pause_ = MakeButton("TrendPause", Zelto::tr("Пауза"), row, true);
  autoscale_ = new QCheckBox(Zelto::tr("Автомасштаб"), row);
  autoscale_->setObjectName(QStringLiteral("TrendAutoscale"));
  autoscale_->setChecked(true);
  whole_ = MakeButton("TrendWhole", Zelto::tr("Весь график"), row);
  savePng_ = MakeButton("TrendSavePng", Zelto::tr("Сохранить PNG…"), row);
  record_ = MakeButton("TrendRecord", Zelto::tr("Записывать в CSV…"), row, true);
  saveHistory_ = MakeButton("TrendSaveHistory", Zelto::tr("Сохранить историю в CSV…"), row);
  auto* layout = new QHBoxLayout(row);
  layout->setContentsMargins(0, 0, 0, 0);
  for (QWidget* control : std::initializer_list<QWidget*>{pause_, autoscale_, whole_})
    layout->addWidget(control);
  layout->addStretch();
  for (QWidget* control : std::initializer_list<QWidget*>{savePng_, saveHistory_, record_})
    layout->addWidget(control);
  return row;
}

QWidget* TrendWindow::BuildSeriesBoxes() {
  auto* column = new QWidget(this);
  auto* layout = new QVBoxLayout(column);
  layout->setContentsMargins(0, 0, 0, 0);
  for (std::size_t s = 0; s < history_.Addresses().size(); ++s) {
    const std::uint16_t address = history_.Addresses()[s];
    auto* box = new QCheckBox(SeriesName(address), column);
    box->setObjectName(QStringLiteral("TrendSeries") + AddressText(address).mid(2));
    box->setChecked(MonitorLineName(address).has_value());
    QPalette palette = box->palette();
    palette.setColor(QPalette::WindowText, ColourOf(s));
    box->setPalette(palette);
    layout->addWidget(box);
    boxes_.push_back(box);
  }
  layout->addStretch();
  return column;
}

void TrendWindow::BuildChart() {
  chart_ = new QChart;
  chart_->legend()->hide();
  chart_->setAnimationOptions(QChart::NoAnimation);
  chart_->setMargins(QMargins(4, 4, 4, 4));
  timeAxis_ = new QDateTimeAxis(chart_);
  timeAxis_->setTickCount(6);
  valueAxis_ = new QValueAxis(chart_);
  valueAxis_->setLabelFormat(QStringLiteral("%.0f"));
  valueAxis_->setTickType(QValueAxis::TicksDynamic);
  valueAxis_->setTickAnchor(0);
  valueAxis_->setRange(-1, 1);
  FitValueTicks();
  chart_->addAxis(timeAxis_, Qt::AlignBottom);
  chart_->addAxis(valueAxis_, Qt::AlignLeft);

  for (std::size_t s = 0; s < history_.Addresses().size(); ++s) {
    lines_.push_back(std::make_unique<TrendLines>(
        *chart_, *timeAxis_, *valueAxis_, AddressText(history_.Addresses()[s]), ColourOf(s)));
  }

  view_ = new TrendChartView(chart_, this);  // takes the chart
  view_->setObjectName(QStringLiteral("TrendChart"));
  view_->SetWheelZoom([this](double factor, double atMs) { ZoomTime(factor, atMs); });
  connect(timeAxis_, &QDateTimeAxis::rangeChanged, this, [this] { TimeAxisMoved(); });
  connect(valueAxis_, &QValueAxis::rangeChanged, this, [this] { ValueAxisMoved(); });
}

bool TrendWindow::Following() const {
  return !pause_->isChecked();
}

void TrendWindow::HistoryGrew() {
  if (Following())
    Follow();
}

void TrendWindow::Follow() {
  if (history_.Cycles() == 0) {
    const auto now = static_cast<double>(QDateTime::currentMSecsSinceEpoch());
    ShowRange(now - kMinuteMs, now);
    return;
  }
  const double first = history_.TimeAt(0);
  const double last = history_.TimeAt(history_.Cycles() - 1);
  if (!spanMs_) {
    ShowRange(first, first + WholeSpan(last - first));
  } else if (last > toMs_ || last < fromMs_ || toMs_ - fromMs_ != *spanMs_) {
    const double to = last + *spanMs_ * kFollowStep;
    ShowRange(to - *spanMs_, to);
  } else {
    ShowRange(fromMs_, toMs_);
  }
}

void TrendWindow::ShowRange(double fromMs, double toMs) {
  fromMs_ = fromMs;
  toMs_ = toMs;
  if (!isVisible()) {
    stale_ = true;
    return;
  }
  Redraw();
}

void TrendWindow::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (std::exchange(stale_, false))
    Redraw();
}

void TrendWindow::Redraw() {
  stale_ = false;
  ApplyTimeAxis();
  // At most a least and a greatest value for every two pixel columns, however long the history:
  // peaks stay, and the chart is never handed more than it can show.
  const int columns = std::max(64, static_cast<int>(chart_->plotArea().width()) / 2);
  std::vector<TrendRuns> shown;
  for (std::size_t s = 0; s < lines_.size(); ++s) {
    if (!boxes_[s]->isChecked()) {
      lines_[s]->Hide();
      continue;
    }
    shown.push_back(history_.View(s, fromMs_, toMs_, columns));
    lines_[s]->Show(shown.back());
  }
  if (autoscale_->isChecked())
    ScaleValues(shown);
}

void TrendWindow::ApplyTimeAxis() {
  const QDateTime from = TimeOf(fromMs_);
  const QDateTime to = TimeOf(toMs_);
  if (timeAxis_->min() == from && timeAxis_->max() == to)
    return;
  const bool hasDays = toMs_ - fromMs_ > kDayMs;
  timeAxis_->setFormat(hasDays ? QStringLiteral("dd.MM HH:mm") : QStringLiteral("HH:mm:ss"));
  applying_ = true;
  timeAxis_->setRange(from, to);
  applying_ = false;
}

void TrendWindow::ScaleValues(const std::vector<TrendRuns>& shown) {
  double least = std::numeric_limits<double>::infinity();
  double greatest = -least;
  for (const TrendRuns& runs : shown) {
    for (const TrendRuns::Point& point : runs.points) {
      least = std::min(least, point.y);
      greatest = std::max(greatest, point.y);
    }
  }
  if (least > greatest)
    return;  // nothing shown: the axis stays
  const double margin = std::max(1.0, (greatest - least) * kValueMargin);
  const double from = least - margin;
  const double to = greatest + margin;
  // A new range redraws every line; the axis stays while it still fits what is shown.
  const double axisMin = valueAxis_->min();
  const double axisMax = valueAxis_->max();
  const bool fits =
      axisMin <= least && greatest <= axisMax && (to - from) >= kLeastFill * (axisMax - axisMin);
  if (fits && !fitValues_)
    return;
  fitValues_ = false;
  // Whole steps from label to label, the axis's ends on labels: read at a glance. The step
  // goes first: the chart lays a new range out at once, a label for each step of the old one.
  const double step = WholeStep(to - from);
  valueAxis_->setTickInterval(step);
  applying_ = true;
  valueAxis_->setRange(std::floor(from / step) * step, std::ceil(to / step) * step);
  applying_ = false;
}

void TrendWindow::FitValueTicks() {
  const double step = WholeStep(valueAxis_->max() - valueAxis_->min());
  if (valueAxis_->tickInterval() != step)
    valueAxis_->setTickInterval(step);
}

void TrendWindow::TimeAxisMoved() {
  if (applying_)
    return;
  // The chart zoomed itself at the user's request; what it shows is computed for the new range
  // once it is done.
  fromMs_ = static_cast<double>(timeAxis_->min().toMSecsSinceEpoch());
  toMs_ = static_cast<double>(timeAxis_->max().toMSecsSinceEpoch());
  PauseFollowing();
  QTimer::singleShot(0, this, [this] { Redraw(); });
}

void TrendWindow::ValueAxisMoved() {
  FitValueTicks();
  if (applying_)
    return;
  autoscale_->setChecked(false);
}

void TrendWindow::ZoomTime(double factor, double atMs) {
  const double span = std::max(kShortestSpanMs, (toMs_ - fromMs_) * factor);
  const double share = toMs_ > fromMs_ ? (atMs - fromMs_) / (toMs_ - fromMs_) : 1.0;
  const double from = atMs - span * std::clamp(share, 0.0, 1.0);
  fromMs_ = from;
  toMs_ = from + span;
  PauseFollowing();
  ShowRange(fromMs_, toMs_);
}

void TrendWindow::PauseFollowing() {
  // Resuming follows the newest cycle over the span the user zoomed to.
  spanMs_ = toMs_ - fromMs_;
  pause_->setChecked(true);
}

void TrendWindow::PauseClick() {
  if (Following())
    Follow();
}

void TrendWindow::AutoscaleClick() {
  fitValues_ = true;
  Redraw();
}

void TrendWindow::WholeClick() {
  spanMs_.reset();
  pause_->setChecked(false);
  autoscale_->setChecked(true);
  fitValues_ = true;
  Follow();
}

void TrendWindow::SeriesClick() {
  fitValues_ = true;
  Redraw();
}

void TrendWindow::SetRecording(const std::optional<QString>& file) {
  record_->setChecked(file.has_value());
  record_->setText(file ? Zelto::tr("Остановить запись") : Zelto::tr("Записывать в CSV…"));
  record_->setToolTip(file.value_or(QString()));
  setWindowTitle(file ? Zelto::tr("График — запись в %1").arg(QFileInfo(*file).fileName())
                      : Zelto::tr("График"));
}

QString TrendWindow::SpanText() const {
  const QDateTime from = TimeOf(fromMs_);
  const QDateTime to = TimeOf(toMs_);
  const QString dateAndTime = QStringLiteral("dd.MM.yyyy HH:mm:ss");
  return from.toString(dateAndTime) + QStringLiteral(" — ") +
         to.toString(from.date() == to.date() ? QStringLiteral("HH:mm:ss") : dateAndTime);
}

QByteArray TrendWindow::ChartPng(const QString& device) const {
  TrendPictureText text{device, SpanText(), {}};
  for (std::size_t s = 0; s < boxes_.size(); ++s) {
    if (boxes_[s]->isChecked())
      text.legend.push_back({SeriesName(history_.Addresses()[s]), ColourOf(s)});
  }
  return TrendPicturePng(view_->grab(), text, font(), view_->palette().color(QPalette::Window));
}

}  // namespace zelto::app
