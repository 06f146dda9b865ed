#pragma once

#include "params/Controls.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

namespace amsim {

// The exercise under the readout: the question, the answer's box
// ("Respuesta") with its button ("Comprobar"), the verdict and, once
// offered, the button that shows the solution ("MostrarSolucion"). They are
// the window's own children, so that its click routing by name, its stacking
// over the drawing and its vector picture take them like every other
// control. All hidden while there is no question: the window is then as
// designed.
class ExerciseArea {
public:
    explicit ExerciseArea(QWidget& form);

    QLineEdit* answer() const { return answer_; }
    // The answer, its button and the solution's come after that control.
    void followInTabOrder(QWidget* previous);
    // The area's captions and accessible names in the language in use.
    void showLanguage();
    void show(const ExerciseView& view);
    // Lays the area out with its top at that height of the window.
    void place(int top);
    // The room it takes under the readout: none while hidden.
    int height() const;

private:
    QLabel* question_;
    QLineEdit* answer_;
    QPushButton* check_;
    QLabel* verdict_;
    QPushButton* solution_;
    int top_ = 0;
};

} // namespace amsim
