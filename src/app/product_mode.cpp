#include "app/product_mode.h"

#include <array>
#include <utility>

#ifndef ZELTO_PRODUCT_KEY
#error "ZELTO_PRODUCT_KEY must be defined by the build"
#endif

namespace zelto::app {
namespace {

constexpr auto kStandardName = u"Конфигуратор Velmor-7, Dastra-2";

struct ModeRow {
  const char16_t* key;
  ProductMode mode;
  const char16_t* productName;
};

// Compared in this order; the first match wins.
constexpr std::array<ModeRow, 6> kModes{{
    {u"Harlow3", ProductMode::kHarlow3, u"Harlow3"},
    {u"Dastra", ProductMode::kDastra, u"Dastra"},
    {u"SDastra", ProductMode::kSDastra, u"Dastra*"},
    {u"Velmor7", ProductMode::kVelmor7, kStandardName},
    {u"Service", ProductMode::kService, kStandardName},
    {u"ServiceS", ProductMode::kServiceS, kStandardName},
}};

}  // namespace

QString BuildProductKey() {
  return QStringLiteral(ZELTO_PRODUCT_KEY);
}

ProductMode ProductModeForKey(QStringView key) {
  for (const ModeRow& row : kModes) {
    if (key == QStringView(row.key))
      return row.mode;
  }
  return ProductMode::kNone;
}

QString ProductName(ProductMode mode) {
  for (const ModeRow& row : kModes) {
    if (row.mode == mode)
      return QString::fromUtf16(row.productName);
  }
  return {};
}

}  // namespace zelto::app
