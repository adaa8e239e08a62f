#pragma once

class QAbstractButton;

namespace zelto::app {

// A checkable button whose handler runs on a click. Qt's own accessible button offers assistive
// tools a "Toggle" action that flips the button without a click, so the handler would not run
// and the button would then show a state the program is not in. Marked buttons offer "Toggle"
// and "Press" instead, and both click.
void MakeToggleClick(QAbstractButton& button);

}  // namespace zelto::app
