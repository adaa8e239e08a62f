#include "app/zelto_form.h"

#include "app/form_widgets.h"
#include "app/window_texts.h"

#include <QFontDatabase>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMainWindow>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QSplitter>
#include <QStatusBar>
#include <QTabWidget>
#include <QToolBar>
#include <QVBoxLayout>

#include <algorithm>

namespace zelto::app {
namespace {

QFrame* BuildHeader(ZeltoForm& form, QWidget* parent) {
  auto* header = MakeNamed<QFrame>("Panel2", parent);
  header->setFrameShape(QFrame::StyledPanel);
  header->setMinimumHeight(34);
  form.Panel2 = header;

  form.HeadProg = MakeLabel(Zelto::tr("Конфигуратор Harlow-9, Harlow-3"), header, "HeadProg");
  form.HeadDevice = MakeLabel(QStringLiteral("Dastra"), header, "HeadDevice");
  form.HeadDevice->hide();
  for (QLabel* heading : {form.HeadProg, form.HeadDevice}) {
    QFont font = heading->font();
    font.setBold(true);
    font.setPointSizeF(font.pointSizeF() * 1.5);
    heading->setFont(font);
  }
  auto* layout = new QHBoxLayout(header);
  layout->setContentsMargins(8, 2, 8, 2);
  layout->addWidget(form.HeadProg);
  layout->addStretch();
  layout->addWidget(form.HeadDevice);
  return header;
}

// Left column (device, range, pages) and right column (interface and commands), with the
// transfer progress running across the bottom of both.
QWidget* BuildWorkPanel(ZeltoForm& form, QWidget* parent) {
  auto* panel = form.Panel3 = MakeNamed<QWidget>("Panel3", parent);

  auto* left = new QVBoxLayout;
  BuildDeviceGroup(form, *panel);
  BuildRangeGroup(form, *panel);
  BuildPages(form, *panel);
  left->addWidget(form.GroupBox2);
  left->addWidget(form.PanRange);
  left->addWidget(form.Function, 1);

  auto* right = new QWidget(panel);
  right->setFixedWidth(190);
  BuildRightColumn(form, *right);

  auto* columns = new QHBoxLayout;
  columns->addLayout(left, 1);
  columns->addWidget(right);

  form.TransferBar = new QProgressBar(panel);
  form.TransferBar->setObjectName(QStringLiteral("TransferBar"));
  form.TransferBar->setRange(0, 100);
  form.TransferBar->setValue(0);
  form.TransferBar->setTextVisible(false);
  form.TransferBar->setMaximumHeight(14);

  auto* layout = new QVBoxLayout(panel);
  layout->setContentsMargins(6, 6, 6, 6);
  layout->addLayout(columns, 1);
  layout->addWidget(form.TransferBar);
  return panel;
}

QFrame* BuildMemoPanel(ZeltoForm& form, QWidget* parent) {
  auto* panel = form.Panel1 = MakeNamed<QFrame>("Panel1", parent);
  form.InforF = MakeNamed<QPlainTextEdit>("InforF", panel);
  form.InforF->setAccessibleName(Zelto::tr("Информация"));
  form.InforF->setReadOnly(true);
  form.InforF->setLineWrapMode(QPlainTextEdit::NoWrap);
  // Polls and dumps add lines for as long as the program runs; the oldest go, so that a day's
  // session stays within memory.
  form.InforF->setMaximumBlockCount(100'000);
  // Summaries and dumps are laid out in columns.
  form.InforF->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  auto* layout = new QVBoxLayout(panel);
  layout->setContentsMargins(6, 0, 6, 6);
  layout->addWidget(form.InforF);
  return panel;
}

void BuildStatusBar(ZeltoForm& form, QMainWindow& window) {
  QStatusBar* bar = window.statusBar();
  bar->setObjectName(QStringLiteral("StatusProg"));
  bar->setSizeGripEnabled(false);
  form.StatusProg = bar;

  struct PanelForm {
    int width;
    Qt::Alignment alignment;
    const char* text;
    const char* widest;  // the longest text the panel shows in its fixed width
  };
  constexpr std::array<PanelForm, 4> kPanels{{
      {60, Qt::AlignCenter, "", ZELTO_PROGRAM_VERSION},
      {80, Qt::AlignCenter, "Status", "Status"},
      {100, Qt::AlignCenter, "Os", "FreeBSD"},
      {400, Qt::AlignLeft | Qt::AlignVCenter, "Time", ""},
  }};
  for (std::size_t i = 0; i < kPanels.size(); ++i) {
    auto* panel = new QLabel(QLatin1String(kPanels[i].text), bar);
    panel->setObjectName(QStringLiteral("StatusPanel%1").arg(i));
    panel->setAlignment(kPanels[i].alignment);
    panel->setFrameShape(QFrame::Panel);
    panel->setFrameShadow(QFrame::Sunken);
    // At least the form's width, and wide enough for the text whatever the desktop's font.
    const int width =
        std::max(kPanels[i].width,
                 panel->fontMetrics().horizontalAdvance(QLatin1String(kPanels[i].widest)) + 16);
    panel->setMinimumWidth(width);
    if (i + 1 < kPanels.size())
      panel->setFixedWidth(width);
    bar->addWidget(panel, i + 1 < kPanels.size() ? 0 : 1);
    form.StatusPanels[i] = panel;
  }
}

}  // namespace

bool BuildServiceView(ZeltoForm& form) {
  if (form.Request != nullptr)
    return false;
  FillServiceGroups(form);
  FillServicePages(form);
  return true;
}

ZeltoForm BuildZeltoForm(QMainWindow& window) {
  ZeltoForm form{};
  window.setObjectName(QStringLiteral("Zelto"));
  window.setWindowTitle(Zelto::tr("Конфигуратор Velmor-7, Dastra-2"));

  form.ToolBar1 = new QToolBar(&window);
  form.ToolBar1->setObjectName(QStringLiteral("ToolBar1"));
  form.ToolBar1->setMovable(false);
  window.addToolBar(form.ToolBar1);

  auto* central = new QWidget(&window);
  form.Splitter1 = new QFrame(central);
  form.Splitter1->setObjectName(QStringLiteral("Splitter1"));
  form.Splitter1->setFrameShape(QFrame::HLine);
  form.Splitter1->setFixedHeight(1);

  form.Splitter2 = new QSplitter(Qt::Vertical, central);
  form.Splitter2->setObjectName(QStringLiteral("Splitter2"));
  form.Splitter2->setChildrenCollapsible(false);
  form.Splitter2->addWidget(BuildWorkPanel(form, form.Splitter2));
  form.Splitter2->addWidget(BuildMemoPanel(form, form.Splitter2));
  form.Splitter2->setStretchFactor(0, 0);
  form.Splitter2->setStretchFactor(1, 1);
  form.Splitter2->setSizes({470, 180});

  auto* layout = new QVBoxLayout(central);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(form.Splitter1);
  layout->addWidget(BuildHeader(form, central));
  layout->addWidget(form.Splitter2, 1);
  window.setCentralWidget(central);

  BuildStatusBar(form, window);
  window.resize(600, 720);
  BuildMenus(form, window);
  BuildDialogsAndTimers(form, window);
  return form;
}

}  // namespace zelto::app
