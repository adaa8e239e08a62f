// The backup file, its folder and where the folder is.
#include "calib/calibration_words.h"
#include "calib/unit_identity.h"
#include "config/configuration_plans.h"
#include "device_test_support.h"
#include "files/kept_files.h"
#include "keep/backup.h"
#include "keep/backup_store.h"
#include "scratch_folder.h"

#include <QTimeZone>

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <set>
#include <thread>

namespace zelto::keep {
namespace {

using testing::Contents;
using testing::ScratchFolder;

void Put(const std::string& path, const std::string& contents) {
  std::ofstream(path, std::ios::binary) << contents;
}

Backup Sample() {
  Backup backup;
  backup.id = "20261207-141502-123-ttyUSB0-1";
  backup.model = 1;
  backup.port = "/dev/ttyUSB0";
  backup.time = "2026-12-07T14:15:02.123+01:00";
  backup.operation = config::WriteOperation::kWrite;
  backup.summary = {"Dastra-2  Версия прошивки прибора 02.04.0017 от 14.03.2022",
                    "термопара \"ТХА\" (K)"};
  backup.before = {{0, {0x0B, 0, 0, 0}}, {8, {0xAB, 0x01, 0xFF, 0x01}}};
  backup.after = {{0, {0x0C, 0, 0, 0}}, {8, {0x8B, 0x01, 0x00, 0x01}}};
  return backup;
}

// An identity of a unit of the model, its words telling their addresses.
UnitIdentity IdentityOf(int model) {
  UnitIdentity unit{{{104, {0x11, 0, 4, 2}}, {112, {0x0E, 3, 0xE6, 7}}}, {}};
  for (const std::uint16_t address : calib::IdentityCalibrationWords(model))
    unit.calibration.push_back({address, {static_cast<std::uint8_t>(address), 0, 0x80, 0x3F}});
  return unit;
}

TEST(BackupFile, HoldsTheKeysInTheirOrderAndTheWordsAsLowerCaseHexInWireOrder) {
  Backup backup = Sample();
  backup.action = 0x21;
  backup.model = 0;
  EXPECT_EQ(BackupToJson(backup),
            "{\n"
            "  \"format\": \"zelto-backup\",\n"
            "  \"version\": 1,\n"
            "  \"id\": \"20261207-141502-123-ttyUSB0-1\",\n"
            "  \"model\": 0,\n"
            "  \"port\": \"/dev/ttyUSB0\",\n"
            "  \"time\": \"2026-12-07T14:15:02.123+01:00\",\n"
            "  \"operation\": \"write\",\n"
            "  \"action\": 33,\n"
            "  \"changed_only\": false,\n"
            "  \"summary\": [\"Dastra-2  Версия прошивки прибора 02.04.0017 от 14.03.2022\","
            "\"термопара \\\"ТХА\\\" (K)\"],\n"
            "  \"unit\": null,\n"
            "  \"before\": [\n"
            "    [0, \"0b000000\"],\n"
            "    [8, \"ab01ff01\"]\n"
            "  ],\n"
            "  \"after\": [\n"
            "    [0, \"0c000000\"],\n"
            "    [8, \"8b010001\"]\n"
            "  ]\n"
            "}\n");
}

TEST(BackupFile, HoldsTheUnitsIdentityAsTheWordsAre) {
  Backup backup = Sample();
  backup.unit = IdentityOf(1);
  backup.changedOnly = true;
  const std::string text = BackupToJson(backup);
  EXPECT_NE(text.find("  \"changed_only\": true,\n"), std::string::npos) << text;
  EXPECT_NE(text.find("  \"unit\": {\n"
                      "    \"firmware\": [\n"
                      "      [104, \"11000402\"],\n"
                      "      [112, \"0e03e607\"]\n"
                      "    ],\n"
                      "    \"calibration\": [\n"
                      "      [32, \"2000803f\"],\n"),
            std::string::npos)
      << text;
  EXPECT_NE(text.find("      [80, \"5000803f\"]\n"
                      "    ]\n"
                      "  },\n"
                      "  \"before\": ["),
            std::string::npos)
      << text;
}

TEST(BackupFile, ReadsBackWhatItWrote) {
  for (const int model : {0, 1, 2}) {
    Backup backup = Sample();
    backup.model = model;
    backup.action = model == 2 ? std::optional<std::uint8_t>(0x22) : std::nullopt;
    backup.unit = IdentityOf(model);
    backup.changedOnly = model == 1;
    const std::string text = BackupToJson(backup);
    const auto read = BackupFromJson(text);
    ASSERT_TRUE(std::holds_alternative<Backup>(read)) << std::get<std::string>(read);
    EXPECT_EQ(std::get<Backup>(read), backup);
  }
  const std::string named = BackupToJson(Sample());
  EXPECT_NE(named.find("\"model\": \"dastra-2\""), std::string::npos);
  EXPECT_NE(named.find("\"action\": null"), std::string::npos);
}

TEST(BackupFile, RefusesWhatIsNoBackupOfThisVersionSayingWhy) {
  const std::string good = BackupToJson(Sample());
  const auto edited = [&](const std::string& from, const std::string& to) {
    std::string text = good;
    text.replace(text.find(from), from.size(), to);
    return text;
  };
  struct Case {
    std::string text;
    std::string reason;
  };
  const Case cases[] = {
      {"not json", "not a JSON object"},
      {edited("zelto-backup", "zelto-profile"),
       "not a backup (the format is not \"zelto-backup\")"},
      {edited("\"version\": 1", "\"version\": 2"),
       "written by a newer program (version 2; this one reads 1)"},
      {edited("\"write\"", "\"erase\""),
       "the key \"operation\" is missing or holds no valid value"},
      {edited("\"ab01ff01\"", "\"ab01ff0\""),
       "the key \"before\" is missing or holds no valid value"},
      {edited("[8, \"8b010001\"]", "[10, \"8b010001\"]"),
       "the key \"after\" is missing or holds no valid value"},
      {edited("[8, \"8b010001\"]", "[12, \"8b010001\"]"),
       "\"before\" and \"after\" do not hold the same words once each"},
      {edited("\"dastra-2\"", "\"dastra-3\""),
       "the key \"model\" is missing or holds no valid value"},
      {edited("20261207-141502-123-ttyUSB0-1", "../escape"),
       "the key \"id\" is missing or holds no valid value"},
      {edited("\"action\": null", "\"action\": 256"),
       "the key \"action\" is missing or holds no valid value"},
      {edited("\"changed_only\": false", "\"changed_only\": \"no\""),
       "the key \"changed_only\" is missing or holds no valid value"},
      {edited("\"unit\": null", "\"unit\": []"),
       "the key \"unit\" is missing or holds no valid value"},
      // Words that tell nothing of the unit, or not all of those that do.
      {edited("\"unit\": null", R"("unit": {"firmware": [[104, "00000000"], [112, "00000000"]],
                                             "calibration": [[0, "00000000"]]})"),
       "the key \"unit\" is missing or holds no valid value"},
      {edited("\"unit\": null", R"("unit": {"firmware": [[104, "00000000"]],
                                             "calibration": []})"),
       "the key \"unit\" is missing or holds no valid value"},
  };
  for (const Case& c : cases) {
    const auto read = BackupFromJson(c.text);
    ASSERT_TRUE(std::holds_alternative<std::string>(read)) << c.text;
    EXPECT_EQ(std::get<std::string>(read), c.reason);
  }
}

TEST(BackupTimeText, IsLocalTimeWithMillisecondsAndTheOffset) {
  const QDate date(2026, 12, 7);
  const QTime time(14, 15, 2, 123);
  EXPECT_EQ(BackupTimeText(QDateTime(date, time, QTimeZone(-(3 * 3600 + 30 * 60)))),
            "2026-12-07T14:15:02.123-03:30");
  EXPECT_EQ(BackupTimeText(QDateTime(date, time, QTimeZone::utc())),
            "2026-12-07T14:15:02.123+00:00");
}

// The plan of a writing operation on a Dastra-2.
config::WritePlan PlanOf(config::WriteOperation operation) {
  using config::WriteOperation;
  switch (operation) {
    case WriteOperation::kWrite:
      return config::ConfigurationWritePlan(zelto::testing::Configured(1, 11), 1, false, {});
    case WriteOperation::kCalibWrite:
      return *calib::CalibrationWritePlan({}, 1);
    case WriteOperation::kCalibClear:
      return *calib::CalibrationClearPlan(1);
    case WriteOperation::kCalibClearFull:
      return *calib::CalibrationClearFullPlan(1);
    default:
      return config::CorrectionPlan(operation, 1, 1.5f, 2.0f);
  }
}

// A store in a fresh folder, with backups made to measure: each holds its operation's words.
class Store : public ::testing::Test {
 protected:
  Backup Made(const std::string& time,
              config::WriteOperation operation = config::WriteOperation::kWrite,
              const std::string& port = "/dev/ttyUSB0") {
    Backup backup = Sample();
    backup.time = time;
    backup.port = port;
    backup.operation = operation;
    const config::WritePlan plan = PlanOf(operation);
    backup.action = plan.action;
    backup.after = config::FinalWords(plan.words);
    backup.before = backup.after;
    for (config::MemoryWord& word : backup.before)
      word.bytes[0] ^= 0xFF;
    return backup;
  }
  Backup Saved(const std::string& time,
               config::WriteOperation operation = config::WriteOperation::kWrite) {
    Backup backup = Made(time, operation);
    EXPECT_EQ(store_.Save(backup), BackupStore::SaveOutcome::kSaved);
    return backup;
  }
  std::vector<std::string> ListedIds() const {
    std::vector<std::string> ids;
    for (const Backup& backup : store_.List().backups)
      ids.push_back(backup.id);
    return ids;
  }

  ScratchFolder folder_;
  BackupStore store_{folder_.PathOf("zelto/backups")};
};

TEST_F(Store, NamesEachBackupByItsTimeAndPortAndMakesTheFolder) {
  const Backup backup = Saved("2026-12-07T14:15:02.123+01:00");
  EXPECT_TRUE(backup.id.starts_with("20261207-141502-123-ttyUSB0-")) << backup.id;
  const std::string file = store_.Folder() + "/" + backup.id + ".json";
  EXPECT_EQ(Contents(file), BackupToJson(backup));

  Backup odd =
      Made("2026-12-07T14:15:02.123+01:00", config::WriteOperation::kWrite, "/tmp/my port");
  store_.Save(odd);
  EXPECT_TRUE(odd.id.starts_with("20261207-141502-123-my_port-")) << odd.id;
}

TEST_F(Store, GivesEveryBackupItsOwnFileWhenManyThreadsSaveInTheSameMillisecond) {
  constexpr int kThreads = 4;
  constexpr int kEach = 25;
  std::vector<std::vector<std::string>> ids(kThreads);
  std::vector<std::thread> threads;
  for (int t = 0; t < kThreads; ++t) {
    threads.emplace_back([&, t] {
      // A store of its own, as another window or tool would have.
      BackupStore store(store_.Folder());
      for (int i = 0; i < kEach; ++i) {
        Backup backup = Made("2026-12-07T14:15:02.123+01:00");
        backup.summary = {std::to_string(t) + "/" + std::to_string(i)};
        if (store.Save(backup) == BackupStore::SaveOutcome::kSaved)
          ids[static_cast<std::size_t>(t)].push_back(backup.id);
      }
    });
  }
  for (std::thread& thread : threads)
    thread.join();
  std::set<std::string> unique;
  for (const auto& saved : ids) {
    EXPECT_EQ(saved.size(), static_cast<std::size_t>(kEach));
    unique.insert(saved.begin(), saved.end());
  }
  EXPECT_EQ(unique.size(), static_cast<std::size_t>(kThreads * kEach));
  // Each file still holds the backup that was saved under its name.
  const auto listing = store_.List();
  EXPECT_TRUE(listing.unreadable.empty());
  EXPECT_EQ(listing.backups.size(), unique.size());
}

TEST_F(Store, NeverReplacesAFileThatHasTheName) {
  const Backup first = Saved("2026-12-07T14:15:02.123+01:00");
  const std::string file = store_.Folder() + "/" + first.id + ".json";
  const std::string contents = Contents(file);
  // The next id another process would take: this one finds it taken and goes on.
  const std::string stem = first.id.substr(0, first.id.rfind('-') + 1);
  const int counter = std::stoi(first.id.substr(first.id.rfind('-') + 1));
  for (int next = counter + 1; next <= counter + 3; ++next)
    Put(store_.Folder() + "/" + stem + std::to_string(next) + ".json", "someone else's");
  const Backup second = Saved("2026-12-07T14:15:02.123+01:00");
  EXPECT_EQ(second.id, stem + std::to_string(counter + 4));
  EXPECT_EQ(Contents(file), contents);
  EXPECT_EQ(Contents(store_.Folder() + "/" + stem + std::to_string(counter + 1) + ".json"),
            "someone else's");
}

TEST_F(Store, ListsNewestFirstByTheInstantWhateverTheOffsetAndSkipsWhatIsNoBackup) {
  const Backup early = Saved("2026-12-07T10:00:00.000+02:00");   // 08:00 UTC
  const Backup late = Saved("2026-12-07T09:30:00.000+00:00");    // 09:30 UTC
  const Backup middle = Saved("2026-12-07T09:00:00.000+00:30");  // 08:30 UTC
  Put(store_.Folder() + "/notes.json", "{}");
  Put(store_.Folder() + "/readme.txt", "not looked at");
  const auto listing = store_.List();
  EXPECT_EQ(ListedIds(), (std::vector<std::string>{late.id, middle.id, early.id}));
  EXPECT_EQ(
      listing.unreadable,
      (std::vector<std::string>{"notes.json: not a backup (the format is not \"zelto-backup\")"}));
}

TEST_F(Store, LoadsByIdAndTellsAMissingBackupFromABadFile) {
  const auto missing = store_.Load("20260101-000000-000-ttyS0-1");
  ASSERT_TRUE(std::holds_alternative<BackupStore::LoadFailure>(missing));
  EXPECT_TRUE(std::get<BackupStore::LoadFailure>(missing).missing);
  // An id given by hand can only name a file of the folder.
  Put(folder_.PathOf("zelto/outside.json"), BackupToJson(Sample()));
  EXPECT_TRUE(std::get<BackupStore::LoadFailure>(store_.Load("../outside")).missing);

  Backup renamed = Saved("2026-12-07T14:15:02.123+01:00");
  std::filesystem::rename(store_.Folder() + "/" + renamed.id + ".json",
                          store_.Folder() + "/copy.json");
  const auto copy = store_.Load("copy");
  ASSERT_TRUE(std::holds_alternative<BackupStore::LoadFailure>(copy));
  EXPECT_FALSE(std::get<BackupStore::LoadFailure>(copy).missing);
  EXPECT_EQ(std::get<BackupStore::LoadFailure>(copy).reason, "it holds the backup " + renamed.id);
}

TEST_F(Store, KeepsTheNewestOfTheConfigurationAndOfTheCalibrationWritesApart) {
  constexpr int kKept = BackupStore::kKeptPerGroup;
  // Old calibration backups first; then more configuration backups than are kept.
  for (int i = 0; i < 5; ++i)
    Saved("2026-01-01T00:00:00.00" + std::to_string(i) + "+00:00",
          config::WriteOperation::kCalibClear);
  std::vector<std::string> configurations;
  for (int i = 0; i < kKept + 3; ++i) {
    char time[40];
    std::snprintf(time, sizeof time, "2026-02-01T00:%02d:%02d.000+00:00", i / 60, i % 60);
    configurations.push_back(Saved(time).id);
  }
  const auto listed = ListedIds();
  EXPECT_EQ(listed.size(), static_cast<std::size_t>(kKept + 5));
  // The three oldest configuration backups are gone, every calibration backup stays.
  for (int i = 0; i < 3; ++i)
    EXPECT_EQ(std::count(listed.begin(), listed.end(), configurations[i]), 0) << i;
  EXPECT_EQ(std::count(listed.begin(), listed.end(), configurations[3]), 1);
  // A restore of a calibration counts with the calibrations.
  Backup restore = Made("2026-03-01T00:00:00.000+00:00", config::WriteOperation::kRestore);
  restore.before = restore.after = {{32, {0, 0, 0x80, 0x3F}}};
  EXPECT_TRUE(IsCalibrationBackup(restore));
  restore.before = restore.after = {{84, {0, 0, 0x80, 0x3F}}};
  EXPECT_FALSE(IsCalibrationBackup(restore));
}

// A clock set back, or backups from a machine whose clock ran ahead: the newest by their time
// are all the folder may keep, yet the backup a write was just promised stays.
TEST_F(Store, NeverPrunesTheBackupJustSavedWhenAsManyAsItKeepsAreStampedLater) {
  constexpr int kKept = BackupStore::kKeptPerGroup;
  for (int i = 0; i < kKept; ++i) {
    char time[40];
    std::snprintf(time, sizeof time, "2099-01-01T00:%02d:%02d.000+00:00", i / 60, i % 60);
    Saved(time);
  }
  const Backup now = Saved("2026-12-07T14:15:02.123+01:00");
  EXPECT_TRUE(store_.Holds(now.id));
  const auto listed = ListedIds();
  EXPECT_EQ(listed.size(), static_cast<std::size_t>(kKept));
  EXPECT_EQ(listed.back(), now.id);
  EXPECT_EQ(std::count(listed.begin(), listed.end(), now.id), 1);
  // The next save keeps its own in turn, and lets the one before go as the oldest.
  const Backup next = Saved("2026-12-07T14:15:03.000+01:00");
  EXPECT_TRUE(store_.Holds(next.id));
  EXPECT_FALSE(store_.Holds(now.id));
}

TEST_F(Store, TakesNoSymbolicLinkForABackup) {
  const Backup saved = Saved("2026-12-07T14:15:02.123+01:00");
  const std::string file = store_.Folder() + "/" + saved.id + ".json";
  std::filesystem::create_symlink(file, store_.Folder() + "/link.json");
  // The backup moved out of the folder, a link left in its place.
  std::filesystem::rename(file, folder_.PathOf("elsewhere.json"));
  std::filesystem::create_symlink(folder_.PathOf("elsewhere.json"), file);

  for (const std::string& id : {std::string("link"), saved.id}) {
    const auto loaded = store_.Load(id);
    ASSERT_TRUE(std::holds_alternative<BackupStore::LoadFailure>(loaded)) << id;
    EXPECT_FALSE(std::get<BackupStore::LoadFailure>(loaded).missing);
    EXPECT_EQ(std::get<BackupStore::LoadFailure>(loaded).reason,
              "a symbolic link, not a backup file");
  }
  EXPECT_FALSE(store_.Holds(saved.id));
  const auto listing = store_.List();
  EXPECT_TRUE(listing.backups.empty());
  EXPECT_EQ(listing.unreadable.size(), 2u);
}

TEST_F(Store, RefusesABackupThatNamesWhatItsOperationDoesNotWrite) {
  Backup edited = Saved("2026-12-07T14:15:02.123+01:00");
  edited.after.back().address = 104;
  edited.before.back().address = 104;
  Put(store_.Folder() + "/" + edited.id + ".json", BackupToJson(edited));
  const auto loaded = store_.Load(edited.id);
  ASSERT_TRUE(std::holds_alternative<BackupStore::LoadFailure>(loaded));
  const auto& failure = std::get<BackupStore::LoadFailure>(loaded);
  EXPECT_TRUE(failure.offPlan);
  EXPECT_EQ(failure.reason, "word 104 is not one that \"write\" writes");
}

// A save cut short (SIGKILL, a full quota, `ulimit -f`) leaves its temporary file: the next save
// or pruning, holding the folder's lock that every save holds, takes it away.
TEST_F(Store, RemovesTheTemporaryFilesOfInterruptedSavesAtTheNextSaveOrPruning) {
  const Backup saved = Saved("2026-12-07T14:15:02.123+01:00");
  const std::string stale = saved.id + ".json.Ab3dE9";
  const std::string others[] = {"notes.txt.Ab3dE9", saved.id + ".json.tmp", "readme"};
  for (const int round : {0, 1}) {
    Put(store_.Folder() + "/" + stale, "{\"format\": \"zel");
    for (const std::string& other : others)
      Put(store_.Folder() + "/" + other, "not ours");
    if (round == 0)
      Saved("2026-12-07T14:15:03.000+01:00");
    else
      store_.Prune();
    EXPECT_FALSE(std::filesystem::exists(store_.Folder() + "/" + stale)) << round;
    for (const std::string& other : others)
      EXPECT_TRUE(std::filesystem::exists(store_.Folder() + "/" + other)) << other;
  }
}

TEST_F(Store, PrunesSafelyWhenManyWritersSaveAtOnce) {
  // Fewer kept than the program keeps, for time: each save beyond them reads the whole folder.
  constexpr int kKept = 20;
  constexpr int kThreads = 4;
  constexpr int kEach = kKept + 10;  // 20 more of each group than are kept
  std::vector<std::thread> threads;
  for (int t = 0; t < kThreads; ++t) {
    threads.emplace_back([&, t] {
      BackupStore store(store_.Folder(), kKept);
      for (int i = 0; i < kEach; ++i) {
        Backup backup =
            Made("2026-12-07T14:15:02.123+01:00",
                 t % 2 == 0 ? config::WriteOperation::kWrite : config::WriteOperation::kCalibWrite);
        store.Save(backup);
      }
    });
  }
  for (std::thread& thread : threads)
    thread.join();
  const auto backups = store_.List().backups;
  const auto calibrations = std::count_if(backups.begin(), backups.end(), IsCalibrationBackup);
  EXPECT_EQ(calibrations, kKept);
  EXPECT_EQ(static_cast<int>(backups.size()) - calibrations, kKept);
}

}  // namespace
}  // namespace zelto::keep
