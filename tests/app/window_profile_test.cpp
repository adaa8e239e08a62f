// The window's profiles: saved from what the controls hold, opened through the handlers a
// user's choices run, and on the device the same words as the tool writes from the same file.
#include "config/profile_file.h"
#include "run_program.h"
#include "sim/simulator.h"
#include "window_test_support.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

namespace zelto::app {
namespace {

using testing::Find;
using testing::Pick;

constexpr int kDastra2 = 1;
constexpr int kVelmor = 2;
constexpr int kTypeK = 11;

QString FileIn(const QTemporaryDir& folder, const char* name) {
  return folder.filePath(QLatin1String(name));
}

void WriteText(const QString& path, const QByteArray& text) {
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(text);
}

// What the tool writes to a fresh transmitter of the model from the profile file; with
// `readBack`, the profile the tool then reads from it is saved there.
sim::MemoryImage WrittenByTheTool(int model, const QString& profile, const QString& readBack = {}) {
  sim::Simulator device(model);
  const auto run = zelto::testing::RunProgram(
      ZELTO_CLI_PATH, {"--port", device.Path(), "write", "--profile", profile.toStdString()});
  EXPECT_EQ(run.exitCode, 0) << run.err;
  if (!readBack.isEmpty()) {
    const auto read = zelto::testing::RunProgram(
        ZELTO_CLI_PATH, {"--port", device.Path(), "--model", std::to_string(model), "read",
                         "--save-profile", readBack.toStdString()});
    EXPECT_EQ(read.exitCode, 0) << read.err;
  }
  return device.Memory();
}

config::Profile ProfileIn(const QString& path) {
  const auto loaded = config::LoadProfile(path.toStdString());
  EXPECT_TRUE(std::holds_alternative<config::ProfileText>(loaded)) << path.toStdString();
  return std::holds_alternative<config::ProfileText>(loaded)
             ? std::get<config::ProfileText>(loaded).profile
             : config::Profile{};
}

// A window with a transmitter of the model as its only port.
class WindowOn {
 public:
  explicit WindowOn(int model) : device(model), window("Velmor7", testing::WithSimulator(device)) {
    testing::AnswerFileDialogs(window, answers);
    testing::RecordMessages(window, shown);
    window.show();
    QApplication::setActiveWindow(&window);
  }
  void Connect() {
    QTest::mouseClick(Find<QToolButton>(window, "Connect"), Qt::LeftButton);
    QTest::mouseClick(Find<QToolButton>(window, "OpenDev"), Qt::LeftButton);
    ASSERT_TRUE(window.Link().IsDeviceConnected());
  }
  void Write() { QTest::mouseClick(Find<QPushButton>(window, "WriteToCom"), Qt::LeftButton); }
  void Type(const char* field, const char* text) {
    auto* edit = Find<QLineEdit>(window, field);
    edit->setFocus(Qt::TabFocusReason);
    QTest::keyClicks(edit, QString::fromUtf8(text));
    QTest::keyClick(edit, Qt::Key_Return);
  }
  QString Text(const char* field) const { return Find<QLineEdit>(window, field)->text(); }

  sim::Simulator device;
  TZelto window;
  QStringList answers;
  QStringList shown;
};

TEST(Profiles, WhatTheWindowSavesTheToolWritesToTheSameWords) {
  QTemporaryDir folder;
  WindowOn velmor(kVelmor);
  velmor.Connect();
  Pick(*Find<QComboBox>(velmor.window, "TypeSensor_2"), kTypeK);
  velmor.Type("RangeMin", "0");
  velmor.Type("RangeMax", "600");
  QTest::mouseClick(Find<QButtonGroup>(velmor.window, "SetOutCurrentItems")->button(1),
                    Qt::LeftButton);
  Find<QCheckBox>(velmor.window, "SetSqrt")->setChecked(true);
  velmor.Write();
  velmor.answers << FileIn(folder, "velmor.json");
  velmor.window.SaveProfileClick();
  EXPECT_EQ(testing::Status(velmor.window), "Файл записан");

  EXPECT_NE(velmor.device.Memory(), sim::Simulator(kVelmor).Memory());  // the write took
  EXPECT_EQ(WrittenByTheTool(kVelmor, FileIn(folder, "velmor.json"), FileIn(folder, "back.json")),
            velmor.device.Memory());
  EXPECT_EQ(ProfileIn(FileIn(folder, "back.json")), ProfileIn(FileIn(folder, "velmor.json")));
}

TEST(Profiles, AnOpenedProfileSetsTheViewsAndWritesWhatTheToolWrites) {
  QTemporaryDir folder;
  const QString profile = FileIn(folder, "dastra.json");
  WriteText(profile,
            R"({"format": "zelto-profile", "version": 1, "model": "dastra-2", "sensor": 11,
                "range": [-50, 600], "linear_emf": true})");
  WindowOn dastra(kDastra2);
  dastra.answers << profile;
  dastra.window.OpenProfileClick();  // the window starts on Velmor-7, with no device
  EXPECT_TRUE(dastra.shown.isEmpty()) << dastra.shown.join('\n').toStdString();
  EXPECT_EQ(Find<QComboBox>(dastra.window, "TypeDevice")->currentIndex(), kDastra2);
  EXPECT_TRUE(Find<QComboBox>(dastra.window, "TypeSensor_1")->isVisible());
  EXPECT_EQ(Find<QComboBox>(dastra.window, "TypeSensor_1")->currentIndex(), kTypeK);
  EXPECT_TRUE(Find<QCheckBox>(dastra.window, "LineFunc")->isChecked());
  EXPECT_EQ(dastra.Text("RangeMin"), "-50");
  EXPECT_EQ(dastra.Text("RangeMax"), "600");

  dastra.Connect();
  dastra.Write();
  EXPECT_NE(dastra.device.Memory(), sim::Simulator(kDastra2).Memory());
  EXPECT_EQ(WrittenByTheTool(kDastra2, profile), dastra.device.Memory());
}

TEST(Profiles, RefusedValuesAreListedOnceAndAnotherModelWaitsForTheDeviceToGo) {
  QTemporaryDir folder;
  WriteText(FileIn(folder, "wide.json"),
            R"({"format": "zelto-profile", "version": 1, "model": "velmor-7", "sensor": 11,
                "range": [-50, 5000]})");
  WriteText(FileIn(folder, "dastra.json"),
            R"({"format": "zelto-profile", "version": 1, "model": "dastra-2", "sensor": 3})");
  WriteText(FileIn(folder, "newer.json"),
            R"({"format": "zelto-profile", "version": 2, "model": "dastra-2", "sensor": 3})");
  WindowOn velmor(kVelmor);
  velmor.answers << FileIn(folder, "wide.json");
  velmor.window.OpenProfileClick();
  EXPECT_EQ(Find<QComboBox>(velmor.window, "TypeSensor_2")->currentIndex(), kTypeK);
  ASSERT_EQ(velmor.shown.size(), 1);
  EXPECT_TRUE(velmor.shown[0].startsWith("Не применено:\n")) << velmor.shown[0].toStdString();
  EXPECT_TRUE(velmor.shown[0].contains("-50..5000")) << velmor.shown[0].toStdString();
  EXPECT_NE(velmor.Text("RangeMax"), "5000");

  velmor.Connect();
  velmor.shown.clear();
  velmor.answers << FileIn(folder, "dastra.json") << FileIn(folder, "newer.json");
  velmor.window.OpenProfileClick();
  velmor.window.OpenProfileClick();
  EXPECT_EQ(velmor.shown,
            (QStringList{"Профиль для другого прибора (Dastra-2); чтобы открыть его, отключите "
                         "прибор",
                         "Профиль записан более новой версией программы"}));
  EXPECT_EQ(Find<QComboBox>(velmor.window, "TypeDevice")->currentIndex(), kVelmor);
}

}  // namespace
}  // namespace zelto::app
