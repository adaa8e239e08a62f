#pragma once

#include <QCoreApplication>

namespace zelto::app {

// The window's own texts: Russian in the source, the interface's language at run time
// (translations/zelto_en.ts). Zelto::tr("Чтение") where the text is shown; a text kept as a
// constant is marked with QT_TRANSLATE_NOOP("Zelto", ...) and goes through Zelto::tr when used.
// Memo lines and file contents are never translated.
class Zelto {
  Q_DECLARE_TR_FUNCTIONS(Zelto)
};

}  // namespace zelto::app
