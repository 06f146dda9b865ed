#pragma once

namespace amsim {

// Qt's own words (a message box's buttons, a box's context menu, the
// standard dialogs) in the language in use, like the rest of the program,
// whatever the system's language: Qt's translation replaces the one before.
// Needs a QCoreApplication; without a translation installed, Qt's English
// stays.
void followLanguageInQt();

} // namespace amsim
