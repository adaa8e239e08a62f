#pragma once

#include <string>

namespace zelto::cli {

// The bash completion of zelto-cli, made from the help's own data (command_help.h) and the
// models' names, so that it completes exactly the commands, options and values the tool takes:
// each command's options and operations, the listed values of an option ("ru|en"), the models,
// files for a FILE, serial devices for --port and the kept backups' ids for restore.
std::string BashCompletionScript();

}  // namespace zelto::cli
