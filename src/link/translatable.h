#pragma once

// Marks a text the interface translates where it is shown (lupdate collects it into
// translations/zelto_en.ts); the text itself stays as it is. Status texts take the scope
// "status". The same as Qt's own macro, for the parts of the core that do not include Qt.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, x) x
#endif
