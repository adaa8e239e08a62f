// The window's handlers for the plot window: opening it, its view controls, the CSV recording
// and the saves. The history and the recording are MonitorTrend's; these only ask for files.
#include "app/trend_window.h"
#include "app/window_texts.h"
#include "app/zelto.h"
#include "link/link.h"
#include "link/port_number.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QToolButton>

namespace zelto::app {
namespace {

constexpr const char* kCsvFiles =
    QT_TRANSLATE_NOOP("Zelto", "Файлы CSV (*.csv)|*.csv|Все файлы (*.*)|*.*");
constexpr const char* kPngFiles = QT_TRANSLATE_NOOP("Zelto", "Рисунки PNG (*.png)|*.png");
const QString kCsv = QStringLiteral("csv");
const QString kPng = QStringLiteral("png");

}  // namespace

void TZelto::PlotClick() {
  const bool built = trend_->HasWindow();
  TrendWindow& window = trend_->Window();
  if (!built)
    ConnectTrendControls(window);
  window.show();
  window.raise();
  window.activateWindow();
}

void TZelto::ConnectTrendControls(TrendWindow& window) {
  TrendWindow* plot = &window;
  Bind(plot->PauseButton(), &QToolButton::clicked, [plot] { plot->PauseClick(); });
  Bind(plot->AutoscaleBox(), &QCheckBox::clicked, [plot] { plot->AutoscaleClick(); });
  Bind(plot->WholeButton(), &QToolButton::clicked, [plot] { plot->WholeClick(); });
  for (QCheckBox* box : plot->SeriesBoxes())
    Bind(box, &QCheckBox::clicked, [plot] { plot->SeriesClick(); });
  Bind(plot->RecordButton(), &QToolButton::clicked, [this] { TrendRecordClick(); });
  Bind(plot->SavePngButton(), &QToolButton::clicked, [this] { TrendSavePngClick(); });
  Bind(plot->SaveHistoryButton(), &QToolButton::clicked, [this] { TrendSaveHistoryClick(); });
}

void TZelto::TrendRecordClick() {
  if (trend_->Recording()) {
    trend_->StopRecording();
    return;
  }
  // Down only once a file takes the recording.
  TrendWindow& plot = trend_->Window();
  plot.SetRecording(std::nullopt);
  if (const auto path = ChooseFile(plot.SaveDialog(), Zelto::tr(kCsvFiles), kCsv))
    trend_->StartRecording(*path);
}

void TZelto::TrendSavePngClick() {
  if (const auto path = ChooseFile(trend_->Window().SaveDialog(), Zelto::tr(kPngFiles), kPng))
    trend_->SaveChartPng(*path, PolledDevice());
}

void TZelto::TrendSaveHistoryClick() {
  if (const auto path = ChooseFile(trend_->Window().SaveDialog(), Zelto::tr(kCsvFiles), kCsv))
    trend_->SaveHistory(*path);
}

QString TZelto::PolledDevice() const {
  QString device = form_.TypeDevice->currentText();
  if (link_->IsPortOpen()) {
    const int port = link_->State().PortNo;
    device += QStringLiteral(", ") + QString::fromStdString(PortLabel(port)) +
              QStringLiteral(" (") +
              QFile::decodeName(QByteArray::fromStdString(link_->Ports().PathOf(port))) +
              QLatin1Char(')');
  }
  return device;
}

}  // namespace zelto::app
