#pragma once

#include <QString>
#include <QStringList>
#include <optional>

namespace amsim {

// The arguments without Qt's own options and their values (-platform xcb,
// -qwindowgeometry 2000x1500, -style=fusion, --reverse, …), as Qt would take
// them out. An export gives Qt none of them: they are accepted and ignored.
QStringList withoutQtOptions(const QStringList& arguments);

// What an export or --medidas tells Qt before it starts: the offscreen
// platform, the given scale factor and no other, and none of the variables
// that load plugins or change the window's look, whatever the environment
// says. The picture's size is then set by --scale alone.
void isolateFromTheEnvironment(double scale);

// Keeps Qt's own notes off standard error from here on (a missing runtime
// folder, what the offscreen platform cannot do): an export or --medidas
// answers only with its files, its lines or its own message. Critical and
// fatal messages still go out.
void keepQtNotesQuiet();

// For the window: Qt's scale variables (QT_SCALE_FACTOR,
// QT_SCREEN_SCALE_FACTORS, QT_FONT_DPI) are dropped when one is no number or
// when together, with the zoom asked for in place of QT_SCALE_FACTOR, they
// would scale the window outside 0.5 to 4. Returns the message that says
// so, or an empty text when they stand.
QString dropAbsurdScale(std::optional<double> zoom);

} // namespace amsim
