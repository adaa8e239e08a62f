#pragma once

#include <QString>

namespace zelto::app {

// The operating-system family this program runs on, for the status bar ("Linux").
QString PlatformFamily();

}  // namespace zelto::app
