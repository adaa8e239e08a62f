#include "config/config_record.h"

namespace zelto::config {

void ResetConfig(ConfigRecord& record) {
  record = kInitialConfig;
}

}  // namespace zelto::config
