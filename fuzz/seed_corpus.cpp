// Writes the seed inputs of the fuzz targets that read from the device: real sessions against
// the simulated transmitter, recorded as the fuzzed line plays them back (a choice byte, then
// a count byte and the bytes of every read), and the calibration files of its factory block.
// Run it again when the protocol changes:  fuzz_seed_corpus tests/corpus
#include "calib/calibration_files.h"
#include "calib/calibration_transfers.h"
#include "cli/window_entries.h"
#include "cli/write_options.h"
#include "config/nominal_currents.h"
#include "config/read_summary.h"
#include "config/write_sequences.h"
#include "link/memory_dumps.h"
#include "link/memory_reads.h"
#include "link/monitor.h"
#include "link/service_requests.h"
#include "sim/transmitter.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace zelto::fuzz {
namespace {

using Bytes = std::vector<std::uint8_t>;

// The transmitter at the far end, every read written down in the fuzzed line's form.
class RecordingLine final : public SerialPort {
 public:
  RecordingLine(sim::Transmitter& device, Bytes& transcript)
      : device_(device), transcript_(transcript) {}

  OpenFailure Open(const std::string&, LineSettings) override { return OpenFailure::kNone; }
  void Close() override {}
  bool IsOpen() const override { return true; }
  int Write(std::span<const std::uint8_t> bytes) override {
    sim::Frame request{};
    std::copy_n(bytes.begin(), std::min(bytes.size(), request.size()), request.begin());
    pending_ = device_.Answer(request);
    return static_cast<int>(bytes.size());
  }
  int Read(std::span<std::uint8_t> buffer, const LinkTimeouts&) override {
    if (!pending_) {
      transcript_.push_back(0);
      return 0;
    }
    const std::size_t count = std::min(buffer.size(), pending_->size());
    std::copy_n(pending_->begin(), count, buffer.begin());
    transcript_.push_back(static_cast<std::uint8_t>(count));
    transcript_.insert(transcript_.end(), pending_->begin(), pending_->begin() + count);
    pending_.reset();
    return static_cast<int>(count);
  }
  void Purge() override { pending_.reset(); }
  void DiscardInput() override { pending_.reset(); }
  bool SetDtr(bool) override { return true; }
  bool SetRts(bool) override { return true; }

 private:
  sim::Transmitter& device_;
  Bytes& transcript_;
  std::optional<sim::Frame> pending_;
};

// A transmitter of the model, configured as the write command would leave it, and a link to it.
struct Session {
  explicit Session(int model) : device(model) {
    link.SelectPort(link.Ports().Add("simulator", ""));
  }

  void Configure(const cli::WriteOptions& options) {
    config::SilentConfigView view;
    auto record =
        std::get<config::ConfigRecord>(cli::RecordForWrite(options, device.TypeCode() - 1, view));
    config::WriteConfiguration(link, reporter, record, device.TypeCode() - 1, options.lineFunc,
                               options.switches);
    transcript.clear();
  }

  // The choice byte, then what the operation reads.
  Bytes Record(std::uint8_t choice, const std::function<void(Link&)>& operation) {
    transcript.assign(1, choice);
    operation(link);
    return transcript;
  }

  sim::Transmitter device;
  Bytes transcript;
  SilentReporter reporter;
  NoConnectionView view;
  Link link{reporter, view, LinkTimeouts{}, std::make_unique<RecordingLine>(device, transcript)};
};

void Save(const std::filesystem::path& folder, const std::string& name, const Bytes& bytes) {
  std::filesystem::create_directories(folder);
  std::ofstream file(folder / ("seed-" + name), std::ios::binary | std::ios::trunc);
  file.write(reinterpret_cast<const char*>(bytes.data()),
             static_cast<std::streamsize>(bytes.size()));
}

Bytes BytesOf(const std::string& text) {
  return {text.begin(), text.end()};
}

cli::WriteOptions Thermocouple(bool linearEmf) {
  cli::WriteOptions options;
  options.sensor = 11;
  options.range = cli::WholeRange{-50, 600};
  options.lineFunc = linearEmf;
  options.switches.outputRange = config::kOutput4To20;
  return options;
}

cli::WriteOptions ResistanceThermometer() {
  cli::WriteOptions options;
  options.sensor = 3;
  options.range = cli::WholeRange{0, 150};
  options.switches.outputRange = 1;
  options.switches.scheme = 1;
  options.switches.sensorBreak = true;
  return options;
}

void LinkReplySeeds(const std::filesystem::path& corpus) {
  for (int model = 0; model < 3; ++model) {
    Session session(model);
    Bytes all;
    for (int operation = 0; operation < 9; ++operation) {
      const auto choice = static_cast<std::uint8_t>(model << 4 | operation);
      // What the harness does for the choice, done against the device.
      const Bytes transcript = session.Record(choice, [&](Link& link) {
        switch (operation) {
          case 0:
            link.Identify(model);
            break;
          case 1:
            link.ConnectDevice(model);
            break;
          case 2:
            link.CheckDevice(model);
            break;
          case 3: {
            MonitorValues values{};
            PollMonitor(link, values, MonitorSet::kFull, TraceFlags{}, session.reporter);
            break;
          }
          case 4: {
            MonitorValues values{};
            PollMonitor(link, values, MonitorSet::kShort, TraceFlags{}, session.reporter);
            break;
          }
          case 5:
            ServiceRequest(link);
            TestRequest(link);
            break;
          case 6:
            link.SendRequest(static_cast<std::uint16_t>(choice * 4), Payload{}, CmdReadWord);
            link.ReadReplyValue();
            break;
          case 7:
            link.SetProgressSteps(choice % 5);
            link.Request(choice, PayloadFromWord(choice), CmdWriteWord);
            break;
          case 8:
            link.DoAction(ActWriteDone);
            break;
        }
      });
      all.insert(all.end(), transcript.begin(), transcript.end());
    }
    Save(corpus / "link_reply", "session-model" + std::to_string(model), all);
  }
  // Velmor-7 on the line while the list says Dastra-2.
  Session wrong(2);
  Save(corpus / "link_reply", "wrong-model",
       wrong.Record(1 << 4 | 1, [](Link& link) { link.ConnectDevice(1); }));
}

void ReadSummarySeeds(const std::filesystem::path& corpus) {
  struct Case {
    std::string name;
    int model;
    std::optional<cli::WriteOptions> written;
  };
  const std::vector<Case> cases{
      {"dastra-not-configured", 1, std::nullopt},
      {"dastra-thermocouple", 1, Thermocouple(false)},
      {"dastra-linear-emf", 1, Thermocouple(true)},
      {"model0-resistance", 0,
       [] {
         auto o = ResistanceThermometer();
         o.switches = {};
         return o;
       }()},
      {"velmor-not-configured", 2, std::nullopt},
      {"velmor-thermocouple", 2, Thermocouple(false)},
      {"velmor-linear-emf", 2, Thermocouple(true)},
      {"velmor-resistance", 2, ResistanceThermometer()},
  };
  for (const Case& c : cases) {
    Session session(c.model);
    if (c.written)
      session.Configure(*c.written);
    // The device index of the harness is the model itself; the list shows the same model.
    const auto choice = static_cast<std::uint8_t>((c.model + 1) << 2 | c.model);
    config::ConfigRecord record;
    record.Device = static_cast<std::uint8_t>(c.model);
    Save(corpus / "read_summary", c.name, session.Record(choice, [&](Link& link) {
      config::ReadSummary(link, session.reporter, record, c.model);
    }));
  }
}

void CalibrationSeeds(const std::filesystem::path& corpus) {
  for (int model = 0; model < 3; ++model) {
    Session session(model);
    calib::CalibBlock block{};
    const auto choice = static_cast<std::uint8_t>(model | 0x10);
    Save(corpus / "calibration_read", "model" + std::to_string(model),
         session.Record(choice, [&](Link& link) {
           calib::ReadCalibration(link, block, model, true, session.reporter);
         }));

    // The same block as both files, for the loaders.
    Bytes binary(1, static_cast<std::uint8_t>(model << 1));
    const auto* raw = reinterpret_cast<const std::uint8_t*>(&block);
    binary.insert(binary.end(), raw, raw + calib::kCalibBlockBytes);
    Save(corpus / "calibration_files", "model" + std::to_string(model) + ".bin", binary);
    Bytes text(1, static_cast<std::uint8_t>(model << 1 | 1));
    const Bytes body = BytesOf(calib::CalibrationText(block));
    text.insert(text.end(), body.begin(), body.end());
    Save(corpus / "calibration_files", "model" + std::to_string(model) + ".txt", text);
  }
}

void MemoryDumpSeeds(const std::filesystem::path& corpus) {
  for (int model = 1; model < 3; ++model) {
    Session session(model);
    session.Configure(Thermocouple(false));
    EEImage image{};
    const std::string name = model == 1 ? "dastra" : "velmor";
    Save(corpus / "memory_dumps", name + "-memory",
         session.Record(1, [&](Link& link) { ReadEEImage(link, image, session.reporter); }));
    Save(corpus / "memory_dumps", name + "-tables",
         session.Record(2, [&](Link& link) { ReadTablesImage(link, image, session.reporter); }));
    Save(corpus / "memory_dumps", name + "-correction", session.Record(3, [&](Link& link) {
      config::ReadBackCorrection(link, session.reporter, image);
    }));
    // The image read, dumped with the counts the tables dump uses.
    Bytes direct{0, kTable1DumpCoefficients, kTable2DumpCoefficients, kTable3DumpCoefficients};
    direct.insert(direct.end(), image.begin(), image.end());
    Save(corpus / "memory_dumps", name + "-image", direct);
  }
}

}  // namespace
}  // namespace zelto::fuzz

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s CORPUS_FOLDER\n", argv[0]);
    return 2;
  }
  const std::filesystem::path corpus = argv[1];
  zelto::fuzz::LinkReplySeeds(corpus);
  zelto::fuzz::ReadSummarySeeds(corpus);
  zelto::fuzz::CalibrationSeeds(corpus);
  zelto::fuzz::MemoryDumpSeeds(corpus);
  return 0;
}
