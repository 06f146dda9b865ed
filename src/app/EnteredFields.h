#pragma once

#include <QString>
#include <QVariant>
#include <utility>
#include <vector>

class QWidget;

namespace amsim {

// What the user entered in a dialog's named fields: ticks, choices in a list
// or a box, typed texts; not what the dialog wrote itself for copying. A
// dialog made again (in another language) gets them back.
using EnteredFields = std::vector<std::pair<QString, QVariant>>;

EnteredFields enteredIn(const QWidget& dialog);
void enterAgain(QWidget& dialog, const EnteredFields& entered);

} // namespace amsim
