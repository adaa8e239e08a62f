#include "app/product_mode.h"
#include "app/program_options.h"
#include "app/zelto.h"
#include "app/zelto_application.h"
#include "sim/simulator.h"

#include <cstdio>
#include <memory>

namespace {

using namespace zelto::app;

// Lists the ports asked for on the command line, starting the built-in simulator when asked;
// the simulator serves from its own thread for as long as it lives.
LinkSetup SetUpPorts(const ProgramOptions& options,
                     std::unique_ptr<zelto::sim::Simulator>& simulator) {
  LinkSetup setup;
  for (const std::string& path : options.portPaths)
    setup.extraPorts.push_back({path, ""});
  if (options.simulateModel) {
    simulator = std::make_unique<zelto::sim::Simulator>(*options.simulateModel);
    setup.extraPorts.push_back({simulator->Path(), "Встроенный имитатор преобразователя"});
  }
  return setup;
}

}  // namespace

int main(int argc, char** argv) {
  ZeltoApplication application(argc, argv);
  application.setApplicationName(BuildProductKey());

  // Qt has taken its own options out of argv by now.
  const auto parsed = ParseProgramOptions(std::vector<std::string>(argv + 1, argv + argc));
  if (const auto* error = std::get_if<ProgramOptionsError>(&parsed)) {
    std::fprintf(stderr, "zelto: %s\nUsage: zelto [--simulate [MODEL]] [--port PATH]...\n",
                 error->reason.c_str());
    return 2;
  }

  try {
    std::unique_ptr<zelto::sim::Simulator> simulator;
    TZelto window(BuildProductKey(), SetUpPorts(std::get<ProgramOptions>(parsed), simulator));
    window.show();
    application.exec();
  } catch (const std::exception& error) {
    ShowException(&error);
  } catch (...) {
    ShowException(nullptr);
  }
  return 0;
}
