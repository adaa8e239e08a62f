#include "app/product_mode.h"

#include "app/window_texts.h"

#include <array>
#include <utility>

#ifndef ZELTO_PRODUCT_KEY
#error "ZELTO_PRODUCT_KEY must be defined by the build"
#endif

namespace zelto::app {
namespace {

// The caption of the standard modes is a text of the interface; the other product names are
// names, the same in every language.
constexpr const char* kStandardName = QT_TRANSLATE_NOOP("Zelto", "Конфигуратор Velmor-7, Dastra-2");

struct ModeRow {
  const char16_t* key;
  ProductMode mode;
  const char* productName;
};

// Compared in this order; the first match wins.
constexpr std::array<ModeRow, 6> kModes{{
    {u"Harlow3", ProductMode::kHarlow3, "Harlow3"},
    {u"Dastra", ProductMode::kDastra, "Dastra"},
    {u"SDastra", ProductMode::kSDastra, "Dastra*"},
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
      return row.productName == kStandardName ? Zelto::tr(kStandardName)
                                              : QString::fromLatin1(row.productName);
  }
  return {};
}

}  // namespace zelto::app
