#pragma once

#include <QString>
#include <QStringView>

namespace zelto::app {

// The build's product key picks one of these at start; each shows a different face of the
// same program (device list, menus, first tab, service panel).
enum class ProductMode { kNone, kHarlow3, kDastra, kSDastra, kVelmor7, kService, kServiceS };

// The key this build was made with; it decides the mode the program starts in.
QString BuildProductKey();

// Exact, case-sensitive match; kNone for any other key.
ProductMode ProductModeForKey(QStringView key);

// Window caption and device heading; empty for kNone.
QString ProductName(ProductMode mode);

}  // namespace zelto::app
