#include "app/Form1.h"

#include "app/CanvasView.h"
#include "app/ControlTexts.h"
#include "app/CreateExerciseDialog.h"
#include "app/DesignFonts.h"
#include "app/EnteredFields.h"
#include "app/ExerciseArea.h"
#include "app/ExercisesDialog.h"
#include "app/LocaleFormat.h"
#include "app/PanelDialog.h"
#include "app/QtTranslation.h"
#include "app/RememberedLanguage.h"
#include "app/SoundPlayer.h"
#include "app/WindowFiles.h"
#include "display/Graficar.h"
#include "files/OutputFiles.h"
#include "params/PanelTexts.h"
#include "params/ReadoutRows.h"
#include "params/SettingText.h"
#include "params/StepRules.h"
#include "params/UserMessage.h"
#include "qtcanvas/QtVectorCanvas.h"
#include "sound/SoundGenerator.h"
#include "texts/Catalogue.h"
#include "ui_Form1.h"

#include <QAccessible>
#include <QActionGroup>
#include <QClipboard>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QPainter>
#include <QResizeEvent>
#include <QScreen>
#include <QShowEvent>
#include <QSvgRenderer>
#include <QTextDocument>
#include <algorithm>
#include <cstdio>
#include <stdexcept>

// Resources compiled into a static library must be registered by hand.
static void registerPictures() {
    Q_INIT_RESOURCE(pictures);
}

namespace amsim {

namespace {

QString fromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The block diagram, its words in the language in use.
QString blockDiagram() {
    const std::string_view language = languageInUse();
    return language == catalogues().front().language
               ? QStringLiteral(":/pictures/block_diagram.svg")
               : QStringLiteral(":/pictures/block_diagram.%1.svg").arg(fromUtf8(language));
}
// The page the window's link opens, the file that sits beside the program.
constexpr std::string_view kPageFile = "amsim.html";

// A vector picture drawn at the device pixel ratio, shown at its own size.
QPixmap pictureAt(const QString& resource, double ratio) {
    QSvgRenderer renderer(resource);
    QPixmap picture((QSizeF(renderer.defaultSize()) * ratio).toSize());
    picture.fill(Qt::white);
    QPainter painter(&picture);
    renderer.render(&painter);
    painter.end();
    picture.setDevicePixelRatio(ratio);
    return picture;
}

} // namespace

Form1::Form1(const QLocale& locale, QWidget* parent, BenchClock clock)
    : QWidget(parent)
    , ui_(std::make_unique<Ui::Form1>())
    , bench_(*this, numberFormatOf(locale), std::move(clock)) {
    registerPictures();
    ui_->setupUi(this);
    applyControlTexts(*this);
    exercise_ = std::make_unique<ExerciseArea>(*this);
    exercise_->followInTabOrder(ui_->Menu);
    findBoxes();
    applyDesignFonts();
    view_ = new CanvasView(this);
    view_->setAccessibleName(textOf("drawing.name"));
    matchScreen();
    stackCanvas();
    connectHandlers();
    buildMenu();
    sound_ = new SoundPlayer(this);
    // One frame of the display's: the clock, not the timer, says which
    // instant it shows, so a late frame never slows the bench's time.
    frames_ = new QTimer(this);
    frames_->setObjectName(QStringLiteral("frames"));
    frames_->setTimerType(Qt::PreciseTimer);
    frames_->setSingleShot(true);
    connect(frames_, &QTimer::timeout, this, [this] { guarded([this] { handlers().Frame(); }); });
    makeConfirmation();
    askFileName_ = [](Form1& form, const QString& title, const QString& suggested,
                      const QString& filter) {
        return QFileDialog::getSaveFileName(&form, title, suggested, filter);
    };
    bench_.load({});
    // A click on the drawing gives the window the keyboard, for Space.
    setFocusPolicy(Qt::ClickFocus);
    // Never smaller than designed.
    setMinimumSize(size());
    ui_->ModulanteSubir->setFocus(Qt::OtherFocusReason);
}

void Form1::load(const GivenStart& given) {
    guarded([this, &given] {
        try {
            bench_.load(given);
        } catch (const Error& refused) {
            if (refused.kind() == Error::Kind::BadExercise) {
                handlers().Form_Load();
            }
            throw;
        }
    });
}

void Form1::setZoom(double zoom) {
    zoom_ = zoom;
    zoomNote_ = QString::fromStdString(
        filled("window.zoomNote",
               {{"percent", numberToText(std::round(zoom * 100.0), handlers().format())}}));
}

Form1::~Form1() = default;

QImage Form1::drawing() const {
    return canvas_->image();
}

void Form1::paintAsVectors(QPainter& painter) {
    painter.fillRect(rect(), palette().window());
    const auto children = findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly);
    // The labels and the picture in the order they are stacked in.
    for (QWidget* child : children) {
        if (child == ui_->Image1) {
            QSvgRenderer(blockDiagram()).render(&painter, QRectF(child->geometry()));
        } else if (qobject_cast<QLabel*>(child) != nullptr && !child->isHidden()) {
            child->render(&painter, child->pos(), QRegion(), QWidget::DrawWindowBackground);
        }
    }
    QtVectorCanvas vectors(painter, windowFont(), QColor(Qt::black));
    amsim::Graficar(vectors, bench_.boxes(), handlers().window(), handlers().instant());
    vectors.finish();
    for (QWidget* child : children) {
        const bool front = qobject_cast<QLineEdit*>(child) != nullptr ||
                           qobject_cast<QAbstractButton*>(child) != nullptr;
        if (front && child->isVisible()) {
            child->render(&painter, child->pos(), QRegion(), QWidget::DrawWindowBackground);
        }
    }
}

QLineEdit* Form1::box(Parameter parameter) const {
    return boxes_.at(static_cast<std::size_t>(parameter));
}

// Each parameter's box is the form's box of its name; a form without one
// is a fault of the build, which every test of the window shows.
void Form1::findBoxes() {
    for (const Parameter parameter : kAllParameters) {
        const std::string_view name = boxName(parameter);
        auto* const found = findChild<QLineEdit*>(
            QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())),
            Qt::FindDirectChildrenOnly);
        if (found == nullptr) {
            throw std::logic_error("Form1.ui has no box " + std::string(name));
        }
        boxes_.at(static_cast<std::size_t>(parameter)) = found;
    }
}

// The drawing lies over the labels and the picture and under every text box
// and button, across the whole client area.
void Form1::stackCanvas() {
    view_->setGeometry(rect());
    view_->raise();
    for (QWidget* front : findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
        if (qobject_cast<QLineEdit*>(front) != nullptr ||
            qobject_cast<QAbstractButton*>(front) != nullptr ||
            qobject_cast<QPlainTextEdit*>(front) != nullptr) {
            front->raise();
        }
    }
}

// A form stores whole point sizes only; the design's sizes are 8.25 and 9.75.
void Form1::applyDesignFonts() {
    setFont(windowFont());
    ui_->Text1->setFont(panelFont());
    ui_->AcercaTexto->setFont(panelFont());
    ui_->Label8->setFont(titleFont());
}

// Every button runs the shared handler of its name, with its tooltip in the
// locale's notation; Enter in a box redraws, and its arrow keys step it.
void Form1::connectHandlers() {
    for (QPushButton* button : findChildren<QPushButton*>(QString(), Qt::FindDirectChildrenOnly)) {
        const std::string name = button->objectName().toStdString();
        if (const std::optional<Handlers::Click> click = Handlers::clickOf(name)) {
            connect(button, &QPushButton::clicked, this,
                    [this, click = *click] { guarded([this, click] { (handlers().*click)(); }); });
        }
        if (const std::optional<std::string> tip = stepToolTip(name, handlers().format())) {
            button->setToolTip(QString::fromStdString(*tip));
        }
    }
    for (const Parameter parameter : kAllParameters) {
        connect(box(parameter), &QLineEdit::returnPressed, this,
                [this] { guarded([this] { handlers().Box_Enter(); }); });
        box(parameter)->installEventFilter(this);
    }
    connect(exercise_->answer(), &QLineEdit::returnPressed, this,
            [this] { guarded([this] { handlers().Comprobar_Click(); }); });
}

// The menu's items, from the engine's list; the button opens it beneath
// itself. No indicator arrow: the button's caption says it is a menu.
void Form1::buildMenu() {
    auto* menu = new QMenu(ui_->Menu);
    menu->setObjectName(QStringLiteral("MenuItems"));
    for (const MenuItem& item : kMenuItems) {
        if (item.dialog == DialogKind::Languages) {
            addLanguageMenu(*menu, item);
            continue;
        }
        QAction* action = menu->addAction(QString());
        action->setObjectName(fromUtf8(item.name));
        connect(action, &QAction::triggered, this,
                [this, &item] { guarded([this, &item] { runMenuItem(item); }); });
        // Ctrl+S saves the picture from anywhere in the window.
        if (item.saves == SavedFile::Image) {
            action->setShortcut(QKeySequence::Save);
            addAction(action);
        }
    }
    connect(ui_->Menu, &QPushButton::clicked, menu,
            [this, menu] { menu->popup(ui_->Menu->mapToGlobal(QPoint(0, ui_->Menu->height()))); });
    labelMenu();
}

// The languages, each named in itself, in a menu of their own; the one in
// use is ticked.
void Form1::addLanguageMenu(QMenu& menu, const MenuItem& item) {
    QMenu* languages = menu.addMenu(QString());
    languages->menuAction()->setObjectName(fromUtf8(item.name));
    auto* group = new QActionGroup(languages);
    for (const LanguageChoice& choice : languageChoices()) {
        QAction* action = languages->addAction(fromUtf8(choice.name));
        action->setObjectName(fromUtf8(item.name) + QLatin1Char('-') + fromUtf8(choice.tag));
        action->setCheckable(true);
        group->addAction(action);
        const std::string tag(choice.tag);
        connect(action, &QAction::triggered, this,
                [this, tag] { guarded([this, &tag] { bench_.chooseLanguage(tag); }); });
    }
}

// Each item's caption in the language in use, and the tick at that language.
void Form1::labelMenu() {
    auto* menu = ui_->Menu->findChild<QMenu*>(QStringLiteral("MenuItems"));
    menu->setAccessibleName(ui_->Menu->accessibleName());
    for (const MenuItem& item : kMenuItems) {
        if (auto* action = menu->findChild<QAction*>(fromUtf8(item.name))) {
            action->setText(textOf(item.text));
        }
        if (const auto open = panels_.find(item.panel); open != panels_.end()) {
            open->second->setCaption(textOf(item.text));
        }
    }
    const QString ticked = QStringLiteral("Idioma-") + fromUtf8(languageInUse());
    for (auto* action : menu->findChildren<QAction*>(ticked)) {
        action->setChecked(true);
    }
}

// The language's choice: every text of the window's own in it, Qt's words
// too, and the choice kept for the next start. An open dialog of the
// exercises is made again in it, with what the user entered.
void Form1::showLanguage() {
    followLanguageInQt();
    relabelControls(*this);
    if (soundUnavailable_) {
        ui_->Escuchar->setToolTip(*soundUnavailable_);
        ui_->Escuchar->setAccessibleDescription(*soundUnavailable_);
    }
    view_->setAccessibleName(textOf("drawing.name"));
    exercise_->showLanguage();
    labelMenu();
    ui_->Image1->setPixmap(pictureAt(blockDiagram(), devicePixelRatioF()));
    for (auto* dialog : findChildren<QDialog*>(QString(), Qt::FindDirectChildrenOnly)) {
        const auto* item =
            std::find_if(kMenuItems.begin(), kMenuItems.end(), [dialog](const MenuItem& m) {
                return m.dialog != DialogKind::None && fromUtf8(m.name) == dialog->objectName();
            });
        if (item == kMenuItems.end() || !dialog->isVisible()) {
            continue;
        }
        const EnteredFields entered = enteredIn(*dialog);
        dialog->setObjectName(QString());
        dialog->close();
        enterAgain(*openDialog(*item), entered);
    }
    if (zoom_) {
        setZoom(*zoom_);
    }
    rememberLanguage(languageInUse());
}

// "Escuchar" plays the receiver's output while it is down.
void Form1::offerSound() {
    if (const std::optional<QString> reason = SoundPlayer::unavailableReason()) {
        soundUnavailable_ = reason;
        ui_->Escuchar->setToolTip(*reason);
        ui_->Escuchar->setAccessibleDescription(*reason);
        return;
    }
    ui_->Escuchar->setEnabled(true);
    connect(ui_->Escuchar, &QPushButton::toggled, this,
            [this](bool on) { guarded([this, on] { listen(on); }); });
    connect(sound_, &SoundPlayer::stopped, ui_->Escuchar, [this] {
        ui_->Escuchar->setChecked(false);
        openMessage(QString::fromUtf8(amsim::catalogueText("sound.failed")), std::nullopt);
    });
}

void Form1::listen(bool on) {
    if (on && bench_.startSound()) {
        sound_->start([this](std::size_t count) { return bench_.soundSamples(count); });
    } else {
        sound_->stop();
        bench_.stopSound();
    }
}

// The frames run at the screen's rate.
void Form1::followBench() {
    ui_->Pausa->setChecked(handlers().paused());
    if (ui_->Escuchar->isEnabled()) {
        ui_->Escuchar->setChecked(sound_->isPlaying());
    }
    if (!handlers().isLive()) {
        frames_->stop();
    } else if (!frames_->isActive()) {
        scheduleFrame();
    }
}

void Form1::scheduleFrame() {
    const QScreen* shown = screen();
    const double period =
        1.0 / (shown != nullptr && shown->refreshRate() > 0.0 ? shown->refreshRate() : 60.0);
    const double now = BenchClock::steadySeconds();
    const double next = frameDue_ + period;
    frameDue_ = next < now ? now + period : std::min(next, now + period);
    frames_->start(static_cast<int>(std::lround((frameDue_ - now) * 1000.0)));
}

void Form1::runMenuItem(const MenuItem& item) {
    if (item.panel != PanelKind::None) {
        openPanel(item);
        return;
    }
    if (item.dialog != DialogKind::None) {
        openDialog(item);
        return;
    }
    if (item.saves == SavedFile::None) {
        copyToClipboard(item.name);
        confirm(fromUtf8(amsim::catalogueText(item.done)));
        return;
    }
    save(item);
}

// The panel's window stays made once opened; the redraw draws it while it
// is shown.
void Form1::openPanel(const MenuItem& item) {
    PanelDialog*& dialog = panels_[item.panel];
    if (dialog == nullptr) {
        dialog = new PanelDialog(*panelPicture(item.panel), fromUtf8(catalogueText(item.text)),
                                 devicePixelRatioF(), this);
        dialog->setObjectName(fromUtf8(item.name));
    }
    dialog->rescale(devicePixelRatioF());
    dialog->show();
    dialog->raise();
    dialog->activateWindow();
    handlers().Box_Enter();
}

// A dialog of the exercises runs the bench's flows inside the window's event
// boundary: a failure is the window's usual message, and the dialog stays.
QDialog* Form1::openDialog(const MenuItem& item) {
    QDialog* dialog = nullptr;
    if (item.dialog == DialogKind::CreateExercise) {
        dialog = new CreateExerciseDialog(
            handlers().hidden(), handlers().format(),
            [this](const ExerciseChoice& choice) {
                std::optional<ExerciseOffer> offer;
                guarded(
                    [this, &choice, &offer] { offer = bench_.createExercise(choice, kPageFile); });
                return offer;
            },
            this);
    } else {
        dialog = new ExercisesDialog(
            [this](std::string_view name, const std::string& seed) {
                bool opened = false;
                guarded([this, name, &seed, &opened] {
                    bench_.openExercise(name, seed);
                    opened = true;
                });
                return opened;
            },
            this);
    }
    dialog->setObjectName(fromUtf8(item.name));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->show();
    dialog->raise();
    dialog->activateWindow();
    return dialog;
}

Canvas* Form1::panelCanvas(PanelKind kind) {
    const auto found = panels_.find(kind);
    return found == panels_.end() || !found->second->isVisible() ? nullptr
                                                                 : &found->second->canvas();
}

void Form1::presentPanel(PanelKind kind) {
    panels_.at(kind)->showChanges();
}

// A word on a light plate, hidden again by its own timer: a window has no
// status bar to say that the clipboard or a file got what was asked.
void Form1::makeConfirmation() {
    confirmation_ = new QLabel(this);
    confirmation_->setObjectName(QStringLiteral("Confirmation"));
    confirmation_->setAccessibleName(
        QString::fromUtf8(amsim::catalogueText("window.confirmation.name")));
    confirmation_->setAccessibleDescription(
        QString::fromUtf8(amsim::catalogueText("window.confirmation.description")));
    confirmation_->setStyleSheet(QStringLiteral(
        "background: #e8f5e9; border: 1px solid #2e7d32; border-radius: 2px; padding: 2px 6px;"));
    confirmation_->hide();
    confirmationShown_ = new QTimer(this);
    confirmationShown_->setObjectName(QStringLiteral("ConfirmationShown"));
    confirmationShown_->setSingleShot(true);
    connect(confirmationShown_, &QTimer::timeout, confirmation_, &QWidget::hide);
}

void Form1::confirm(const QString& text) {
    confirmation_->setText(text);
    confirmation_->setAccessibleName(text);
    confirmation_->adjustSize();
    const QRect menu = ui_->Menu->geometry();
    confirmation_->move(menu.right() + 1 - confirmation_->width(), menu.bottom() + 3);
    confirmation_->show();
    confirmation_->raise();
    QAccessibleEvent said(confirmation_, QAccessible::Alert);
    QAccessible::updateAccessibility(&said);
    confirmationShown_->start(kConfirmationMilliseconds);
}

// The setting in the boxes is drawn first, so that what is saved is what
// is on screen; a box without a number stops here with its message. Frames
// go on while the name is asked for: the picture is drawn once more before
// it is saved, so that it, its readout and the samples are of one instant.
void Form1::save(const MenuItem& item) {
    const SavedFile file = item.saves;
    QString title = fromUtf8(amsim::catalogueText(item.text));
    title.remove(QChar(u'…'));
    const QString suggested = QString::fromStdString(bench_.drawForSaving(file));
    const QString filter = file == SavedFile::Image
                               ? QString::fromUtf8(amsim::catalogueText("window.pictureFilter"))
                               : QStringLiteral("*.") + QFileInfo(suggested).suffix();
    const QString path = askFileName_(*this, title, suggested, filter);
    if (path.isEmpty()) {
        return;
    }
    bench_.drawForSaving(file);
    // A confirmation still shown is no part of the picture.
    confirmation_->hide();
    const std::vector<std::uint8_t> bytes =
        bench_.fileBytes(file, [this, &path] { return windowBytes(path); });
    writeAll({{path, bytesOf(bytes), savedWhat(file)}});
    confirm(fromUtf8(amsim::catalogueText(item.done)) + QFileInfo(path).fileName());
}

std::vector<std::uint8_t> Form1::windowBytes(const QString& path) {
    const QByteArray format = formatOfName(path);
    if (!holdsWholeWindow(format)) {
        throw SaveError(path, filled("file.reason.format", {{"formats", wholeWindowFormats()}}));
    }
    const std::optional<QByteArray> picture = windowPicture(*this, format);
    if (!picture) {
        throw SaveError(
            path, filled("file.reason.encoding", {{"format", format.toUpper().toStdString()}}));
    }
    return {picture->begin(), picture->end()};
}

// What the engine composes for the item, from the boxes as they are now.
void Form1::copyToClipboard(std::string_view item) {
    if (const std::optional<std::string> copied = bench_.menuText(item, kPageFile)) {
        QGuiApplication::clipboard()->setText(QString::fromStdString(*copied));
    }
}

// Up and Down in a box do what its step buttons or its switch do.
bool Form1::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) {
        return QWidget::eventFilter(watched, event);
    }
    const int key = static_cast<QKeyEvent*>(event)->key();
    const auto* const owner =
        std::find_if(kAllParameters.begin(), kAllParameters.end(),
                     [this, watched](Parameter p) { return watched == box(p); });
    if (owner == kAllParameters.end() || (key != Qt::Key_Up && key != Qt::Key_Down)) {
        return QWidget::eventFilter(watched, event);
    }
    const Handlers::Click step = Handlers::arrowKeyOf(*owner, key == Qt::Key_Up);
    guarded([this, step] { (handlers().*step)(); });
    return true;
}

// Space pauses the bench where no control takes it for its own: on the
// drawing, or on the window itself.
void Form1::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Space && event->modifiers() == Qt::NoModifier) {
        guarded([this] { handlers().Pausa_Click(); });
        return;
    }
    QWidget::keyPressEvent(event);
}

// The drawing and the block diagram are made at the screen's device pixel
// ratio, so that they are as sharp as the controls beside them. Returns
// whether they had to be made anew.
bool Form1::matchScreen() {
    const double ratio = devicePixelRatioF();
    if (canvas_ && canvas_->scale() == ratio) {
        return false;
    }
    canvas_ = std::make_unique<QtRasterCanvas>(QSize(kDrawingWidth, kDrawingHeight), windowFont(),
                                               QColor(Qt::black), ratio);
    view_->setImage(canvas_->image());
    ui_->Image1->setPixmap(pictureAt(blockDiagram(), ratio));
    return true;
}

// Moved to a screen of another ratio, the window draws again.
bool Form1::event(QEvent* event) {
    if (event->type() == QEvent::ScreenChangeInternal && activated_ && matchScreen()) {
        guarded([this] { handlers().Box_Enter(); });
    }
    return QWidget::event(event);
}

// The first picture is drawn when the window first becomes visible; coming
// back from another application draws nothing.
void Form1::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    matchScreen();
    if (!activated_) {
        activated_ = true;
        // A keyboard user sees where the focus is from the start; showing
        // the window clears this, so it is set here.
        setAttribute(Qt::WA_KeyboardFocusChange);
        guarded([this] { handlers().Form_Activate(); });
    }
}

// The drawing never reaches beyond x 950 and y 699: its canvas keeps its
// size whatever the window's, and a larger window shows nothing more of it.
void Form1::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    view_->setGeometry(rect());
}

std::string Form1::text(Parameter parameter) const {
    return box(parameter)->text().toStdString();
}

void Form1::setText(Parameter parameter, const std::string& text) {
    box(parameter)->setText(QString::fromStdString(text));
}

QPlainTextEdit* Form1::panel(Panel which) const {
    return which == Panel::Help ? ui_->Text1 : ui_->AcercaTexto;
}

bool Form1::isPanelShown(Panel panel) const {
    return !this->panel(panel)->isHidden();
}

void Form1::showPanel(Panel panel) {
    this->panel(panel)->show();
    this->panel(panel)->raise();
}

void Form1::hidePanel(Panel panel) {
    this->panel(panel)->hide();
}

void Form1::placePanel(Panel panel, const PanelGeometry& geometry) {
    QPlainTextEdit* target = this->panel(panel);
    target->resize(target->width(), geometry.height);
    target->resize(geometry.width, target->height());
    target->move(target->x(), geometry.top);
    target->move(geometry.left, target->y());
}

// The readout in columns under the drawing, as the engine lays it out; its
// text as a whole for assistive technology.
void Form1::setMeasurements(const std::vector<std::string>& lines) {
    const ReadoutLayout layout = readoutLayout(lines.size());
    const QString column =
        QStringLiteral("<td style=\"padding: %1px %2px 0 %3px%4\">")
            .arg(kReadoutTop)
            .arg(layout.columnGap)
            .arg(kReadoutLeft)
            .arg(layout.crowded ? QStringLiteral("; white-space: nowrap") : QString());
    QString table = QStringLiteral("<table cellspacing=\"0\" cellpadding=\"0\"><tr>");
    QStringList plain;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const QString line = QString::fromStdString(lines[i]);
        plain << line;
        table +=
            (i % static_cast<std::size_t>(layout.rows) == 0 ? column : QStringLiteral("<br>")) +
            line.toHtmlEscaped();
    }
    ui_->Measurements->setText(table + QStringLiteral("</tr></table>"));
    ui_->Measurements->setAccessibleDescription(plain.join(QLatin1Char('\n')));
    fitReadout();
}

// The readout is as tall as designed, or as its table needs with as much
// room below as above, and the window grows or shrinks with it beneath the
// drawing, keeping any room the user gave it.
void Form1::fitReadout() {
    QLabel* readout = ui_->Measurements;
    QTextDocument table;
    table.setDocumentMargin(0);
    table.setDefaultFont(readout->font());
    table.setHtml(readout->text());
    const int needed = std::max(kWindowDesignSize.height() - kDrawingHeight,
                                static_cast<int>(std::ceil(table.size().height())) + kReadoutTop);
    const int before = belowDrawing();
    readout->resize(readout->width(), needed);
    fitBelowDrawing(before);
}

void Form1::fitBelowDrawing(int before) {
    exercise_->place(ui_->Measurements->geometry().bottom() + 1);
    const int change = belowDrawing() - before;
    if (change == 0) {
        return;
    }
    // A larger minimum resizes the window at once: the height first.
    const int height = this->height() + change;
    setMinimumHeight(minimumHeight() + change);
    resize(width(), height);
}

int Form1::belowDrawing() const {
    return ui_->Measurements->height() + exercise_->height();
}

// A hidden box takes no typing and its buttons no clicks; it stays readable,
// and in the tab order, so that its "?" is seen and heard.
void Form1::setBoxHidden(Parameter parameter, bool hidden) {
    box(parameter)->setReadOnly(hidden);
    const ParameterRow& row = rowOf(parameter);
    for (const std::string_view button : {row.upButton, row.downButton}) {
        if (!button.empty()) {
            findChild<QPushButton*>(fromUtf8(button), Qt::FindDirectChildrenOnly)
                ->setEnabled(!hidden);
        }
    }
}

void Form1::showExercise(const ExerciseView& view) {
    const int before = belowDrawing();
    exercise_->show(view);
    fitBelowDrawing(before);
}

std::string Form1::answerText() const {
    return exercise_->answer()->text().toStdString();
}

void Form1::setPanelText(Panel panel, const std::string& text) {
    this->panel(panel)->setPlainText(QString::fromStdString(text));
}

// The zoom note tells a listener why the window looks smaller than designed.
void Form1::describe(const std::string& sentence) {
    view_->setDescription(QString::fromStdString(sentence) + zoomNote_);
}

void Form1::present() {
    view_->showChanges();
}

template <class Handler> void Form1::guarded(Handler&& handler) noexcept {
    try {
        bench_.run(std::forward<Handler>(handler));
    } catch (const std::exception& failure) {
        showError(failure);
    }
    try {
        followBench();
    } catch (const std::exception& failure) {
        showError(failure);
    }
}

// The message does not block the event loop; once the user closes it, the
// box to correct gets the focus with its text selected.
void Form1::showError(const std::exception& failure) noexcept {
    releaseHeldButtons();
    try {
        const UserMessage message = userMessageOf(failure);
        openMessage(QString::fromStdString(message.text), message.box);
    } catch (const std::exception&) {
        // Out of memory even for a message box: say so where it can be seen.
        std::fputs(amsim::catalogueText("window.messageFailed").data(), stderr);
    }
}

void Form1::openMessage(const QString& message, std::optional<Parameter> parameter) {
    auto* dialog = new QMessageBox(QMessageBox::Warning, textOf("window.title"), message,
                                   QMessageBox::Ok, this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    if (parameter) {
        QLineEdit* target = box(*parameter);
        connect(dialog, &QMessageBox::finished, target, [target] {
            target->setFocus(Qt::OtherFocusReason);
            target->selectAll();
        });
    }
    dialog->open();
}

// A held arrow button repeats on its own timer, which the message does not
// stop: left down, it would step into the same error again and again.
void Form1::releaseHeldButtons() noexcept {
    for (QAbstractButton* button :
         findChildren<QAbstractButton*>(QString(), Qt::FindDirectChildrenOnly)) {
        button->setDown(false);
    }
}

} // namespace amsim
