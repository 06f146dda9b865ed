#pragma once

#include "core/ParameterTable.h"
#include "flows/Bench.h"
#include "params/HiddenSet.h"
#include "params/NumberText.h"

#include <QDialog>
#include <array>
#include <functional>
#include <optional>

class QCheckBox;
class QComboBox;
class QLineEdit;

namespace amsim {

// The teacher's dialog that makes an exercise of the setting on screen: the
// values to hide, the question (or the first hidden value's) and its
// tolerance; then the exercise's link and command, each with a button that
// copies it. It does not block the bench.
class CreateExerciseDialog : public QDialog {
    Q_OBJECT

public:
    // Makes the exercise as chosen; none when it could not, the window
    // having said why.
    using Make = std::function<std::optional<ExerciseOffer>(const ExerciseChoice& choice)>;

    // Ticked for the values hidden now.
    CreateExerciseDialog(const HiddenSet& hidden, NumberFormat format, Make make, QWidget* parent);
    ~CreateExerciseDialog() override;

private:
    ExerciseChoice choice() const;
    void make();
    // The chosen question's usual tolerance shows where none is typed.
    void showUsualTolerance();

    NumberFormat format_;
    Make make_;
    std::array<QCheckBox*, kParameterCount> hide_{};
    QComboBox* question_ = nullptr;
    QLineEdit* tolerance_ = nullptr;
    QLineEdit* link_ = nullptr;
    QLineEdit* command_ = nullptr;
};

} // namespace amsim
