// The window's profiles: saved from what the controls hold, opened through the handlers a
// user's choices run, and on the device the same words as the tool writes from the same file.
#include "keep/profile_file.h"
#include "run_program.h"
#include "window_test_support.h"

#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

namespace zelto::app {
namespace {

using testing::Find;
using testing::Pick;

using testing::kDastra2;
using testing::kTypeK;
using testing::kVelmor;

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

keep::Profile ProfileIn(const QString& path) {
  const auto loaded = keep::LoadProfile(path.toStdString());
  EXPECT_TRUE(std::holds_alternative<keep::ProfileText>(loaded)) << path.toStdString();
  return std::holds_alternative<keep::ProfileText>(loaded)
             ? std::get<keep::ProfileText>(loaded).profile
             : keep::Profile{};
}

using WindowOn = testing::OnSimulator;

QString Text(const WindowOn& on, const char* field) {
  return Find<QLineEdit>(on.window, field)->text();
}

TEST(Profiles, WhatTheWindowSavesTheToolWritesToTheSameWords) {
  WindowOn velmor(kVelmor);
  velmor.Connect();
  Pick(*Find<QComboBox>(velmor.window, "TypeSensor_2"), kTypeK);
  velmor.Type("RangeMin", "0");
  velmor.Type("RangeMax", "600");
  QTest::mouseClick(Find<QButtonGroup>(velmor.window, "SetOutCurrentItems")->button(1),
                    Qt::LeftButton);
  Find<QCheckBox>(velmor.window, "SetSqrt")->setChecked(true);
  velmor.Click("WriteToCom");
  velmor.answers << velmor.File("velmor.json");
  Find<QAction>(velmor.window, "SaveProfile")->trigger();
  EXPECT_EQ(velmor.Status(), "Файл записан");

  EXPECT_NE(velmor.sim.Memory(), sim::Simulator(kVelmor).Memory());  // the write took
  EXPECT_EQ(WrittenByTheTool(kVelmor, velmor.File("velmor.json"), velmor.File("back.json")),
            velmor.sim.Memory());
  EXPECT_EQ(ProfileIn(velmor.File("back.json")), ProfileIn(velmor.File("velmor.json")));
}

TEST(Profiles, AnOpenedProfileSetsTheViewsAndWritesWhatTheToolWrites) {
  WindowOn dastra(kDastra2);
  Pick(*Find<QComboBox>(dastra.window, "TypeDevice"), kVelmor);  // as the window starts
  const QString profile = dastra.File("dastra.json");
  testing::WriteFile(profile,
                     R"({"format": "zelto-profile", "version": 1, "model": "dastra-2", "sensor": 11,
                "range": [-50, 600], "linear_emf": true})");
  dastra.answers << profile;
  Find<QAction>(dastra.window, "OpenProfile")->trigger();  // with the port closed
  EXPECT_TRUE(dastra.shown.isEmpty()) << dastra.shown.join('\n').toStdString();
  EXPECT_EQ(Find<QComboBox>(dastra.window, "TypeDevice")->currentIndex(), kDastra2);
  EXPECT_TRUE(Find<QComboBox>(dastra.window, "TypeSensor_1")->isVisible());
  EXPECT_EQ(Find<QComboBox>(dastra.window, "TypeSensor_1")->currentIndex(), kTypeK);
  EXPECT_TRUE(Find<QCheckBox>(dastra.window, "LineFunc")->isChecked());
  EXPECT_EQ(Text(dastra, "RangeMin"), "-50");
  EXPECT_EQ(Text(dastra, "RangeMax"), "600");

  dastra.Connect();
  dastra.Click("WriteToCom");
  EXPECT_NE(dastra.sim.Memory(), sim::Simulator(kDastra2).Memory());
  EXPECT_EQ(WrittenByTheTool(kDastra2, profile), dastra.sim.Memory());
}

// A profile of another model, opened from the File menu while the port is open and no device
// is connected: the window changes model as the user's pick from the device list does.
struct OtherModel {
  const char* name;
  int shown;  // the model selected before
  int profileModel;
  const char* profile;
  const char* sensorList;  // the list the window must show then

  friend void PrintTo(const OtherModel& c, std::ostream* out) { *out << c.name; }
};

class OtherModelsProfile : public ::testing::TestWithParam<OtherModel> {};

TEST_P(OtherModelsProfile, SwitchesTheWindowAndWritesWhatTheToolWrites) {
  const OtherModel& c = GetParam();
  WindowOn on(c.profileModel);
  testing::Pick(*Find<QComboBox>(on.window, "TypeDevice"), c.shown);
  on.Click("Connect");
  ASSERT_TRUE(on.window.Link().IsPortOpen());
  const QString profile = on.File("profile.json");
  testing::WriteFile(profile, c.profile);
  on.answers << profile;
  Find<QAction>(on.window, "OpenProfile")->trigger();
  EXPECT_TRUE(on.shown.isEmpty()) << on.shown.join('\n').toStdString();

  EXPECT_EQ(Find<QComboBox>(on.window, "TypeDevice")->currentIndex(), c.profileModel);
  for (const char* list : {"TypeSensor_0", "TypeSensor_1", "TypeSensor_2"})
    EXPECT_EQ(Find<QComboBox>(on.window, list)->isVisible(), std::string(list) == c.sensorList)
        << list;
  const bool velmor = c.profileModel == kVelmor;
  EXPECT_EQ(Find<QWidget>(on.window, "PanSetVelmor6")->isVisible(), velmor);
  const auto* pages = Find<QTabWidget>(on.window, "Function");
  EXPECT_EQ(pages->currentWidget()->objectName() == "Correction", !velmor);
  EXPECT_EQ(on.window.Config().Device, c.profileModel);

  on.Click("OpenDev");
  ASSERT_TRUE(on.window.Link().IsDeviceConnected()) << on.Status().toStdString();
  on.Click("WriteToCom");
  EXPECT_EQ(on.Status(), "Запись завершена");
  EXPECT_EQ(WrittenByTheTool(c.profileModel, profile), on.sim.Memory());
}

INSTANTIATE_TEST_SUITE_P(
    Window, OtherModelsProfile,
    ::testing::Values(OtherModel{"DastraOverVelmor", kVelmor, kDastra2,
                                 R"({"format": "zelto-profile", "version": 1, "model": "dastra-2",
                       "sensor": 11, "range": [-50, 600], "linear_emf": true})",
                                 "TypeSensor_1"},
                      OtherModel{"VelmorOverDastra", kDastra2, kVelmor,
                                 R"({"format": "zelto-profile", "version": 1, "model": "velmor-7",
                       "sensor": 20, "range": [10, 300], "output": "0-20", "scheme": 3,
                       "sqrt": true})",
                                 "TypeSensor_2"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Profiles, RefusedValuesAreListedOnceAndAnotherModelWaitsForTheDeviceToGo) {
  WindowOn velmor(kVelmor);
  testing::WriteFile(velmor.File("wide.json"),
                     R"({"format": "zelto-profile", "version": 1, "model": "velmor-7", "sensor": 11,
                "range": [-50, 5000]})");
  testing::WriteFile(
      velmor.File("dastra.json"),
      R"({"format": "zelto-profile", "version": 1, "model": "dastra-2", "sensor": 3})");
  testing::WriteFile(
      velmor.File("newer.json"),
      R"({"format": "zelto-profile", "version": 2, "model": "dastra-2", "sensor": 3})");
  velmor.answers << velmor.File("wide.json");
  Find<QAction>(velmor.window, "OpenProfile")->trigger();
  EXPECT_EQ(Find<QComboBox>(velmor.window, "TypeSensor_2")->currentIndex(), kTypeK);
  ASSERT_EQ(velmor.shown.size(), 1);
  EXPECT_TRUE(velmor.shown[0].startsWith("Не применено:\n")) << velmor.shown[0].toStdString();
  EXPECT_TRUE(velmor.shown[0].contains("-50..5000")) << velmor.shown[0].toStdString();
  EXPECT_NE(Text(velmor, "RangeMax"), "5000");

  velmor.Connect();
  velmor.shown.clear();
  velmor.answers << velmor.File("dastra.json") << velmor.File("newer.json");
  Find<QAction>(velmor.window, "OpenProfile")->trigger();
  Find<QAction>(velmor.window, "OpenProfile")->trigger();
  EXPECT_EQ(velmor.shown,
            (QStringList{"Профиль для другого прибора (Dastra-2); чтобы открыть его, отключите "
                         "прибор",
                         "Профиль записан более новой версией программы"}));
  EXPECT_EQ(Find<QComboBox>(velmor.window, "TypeDevice")->currentIndex(), kVelmor);
}

}  // namespace
}  // namespace zelto::app
