#pragma once

#include <QDialog>
#include <functional>
#include <string>
#include <string_view>

class QLineEdit;
class QListWidget;

namespace amsim {

// The list of the built-in exercises by their titles, with the seed to draw
// one from (a fresh one when empty). Opening one closes the list; a seed
// that cannot be read leaves it open, the window having said why.
class ExercisesDialog : public QDialog {
    Q_OBJECT

public:
    // Opens the exercise of that name from the seed as typed; whether it did.
    using Open = std::function<bool(std::string_view name, const std::string& seed)>;

    ExercisesDialog(Open open, QWidget* parent);
    ~ExercisesDialog() override;

private:
    void openChosen();

    Open open_;
    QListWidget* list_ = nullptr;
    QLineEdit* seed_ = nullptr;
};

} // namespace amsim
