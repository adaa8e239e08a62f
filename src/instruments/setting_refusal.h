#pragma once

#include <string_view>

namespace zelto::instruments {

// Why a description of an instrument, a query or a command template cannot be used.
enum class SettingRefusal {
  kUnknownConnection,  // none of manual, serial:..., tcp:...
  kNoPath,
  kBadBaud,
  kNoHost,
  kBadPort,
  kEmptyCommand,
  kCommandNotOneLine,  // a line end or another control character inside
  kUnknownField,       // {x}, or a brace without its pair
};

// The Russian text, marked for translation in the scope "status".
std::string_view SettingRefusalText(SettingRefusal refusal);

}  // namespace zelto::instruments
