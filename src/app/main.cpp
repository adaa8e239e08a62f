#include "app/product_mode.h"
#include "app/program_options.h"
#include "app/window_texts.h"
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
    setup.extraPorts.push_back(
        {simulator->Path(), Zelto::tr("Встроенный имитатор преобразователя").toStdString()});
  }
  return setup;
}

}  // namespace

int main(int argc, char** argv) {
  // Answered before Qt is started: that needs a display, and these do not.
  const std::vector<std::string> arguments(argv + 1, argv + argc);
  if (const auto asked = InformationAsked(arguments)) {
    std::fputs(
        (*asked == ProgramInformation::kUsage ? ProgramUsage() : ProgramVersionLine()).c_str(),
        stdout);
    return 0;
  }
  const auto parsed = ParseProgramOptions(arguments);
  if (const auto* error = std::get_if<ProgramOptionsError>(&parsed)) {
    std::fprintf(stderr, "zelto: %s\nTry 'zelto --help' for more information.\n",
                 error->reason.c_str());
    return 2;
  }

  ZeltoApplication application(argc, argv);
  application.setApplicationName(BuildProductKey());

  try {
    const auto& options = std::get<ProgramOptions>(parsed);
    zelto::InstallTranslations(options.language.value_or(zelto::SystemLanguage()));
    std::unique_ptr<zelto::sim::Simulator> simulator;
    TZelto window(BuildProductKey(), SetUpPorts(options, simulator));
    // The user asked for that model's simulator, so connecting must find the model selected.
    if (options.simulateModel)
      window.ChooseDevice(*options.simulateModel);
    window.show();
    application.exec();
  } catch (const std::exception& error) {
    ShowException(&error);
  } catch (...) {
    ShowException(nullptr);
  }
  return 0;
}
