// Draws the words of the block diagram as the picture holds them: Liberation
// Sans at 11 px, fully hinted, without antialiasing, its black pixels merged
// into whole-pixel rectangles, so a translated picture stays pure black and
// white at any scale.
//
//   amsim_diagram_words word X BASELINE TEXT   prints the word's <g> element
//   amsim_diagram_words check PICTURE.svg      finds, for each word of the
//       picture, the origin at which the drawn word gives exactly its pixels
#include <QFile>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QRegularExpression>
#include <QSvgRenderer>
#include <QTextStream>
#include <algorithm>
#include <optional>
#include <vector>

namespace {

constexpr QSize kPicture(160, 700);

struct Run {
    int left;
    int width;
    int top;
    int height;
};

QImage blank(QSize size = kPicture) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

QImage drawn(const QString& text, QPoint origin, QSize size = kPicture) {
    QImage image = blank(size);
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(11);
    font.setHintingPreference(QFont::PreferFullHinting);
    font.setStyleStrategy(QFont::NoAntialias);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setRenderHint(QPainter::TextAntialiasing, false);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(origin, text);
    return image;
}

bool isBlack(const QImage& image, int x, int y) {
    return qGray(image.pixel(x, y)) < 128;
}

// Horizontal runs of black pixels, stacked into one rectangle while the rows
// below repeat them exactly; ordered by top edge, then left edge.
std::vector<Run> runsOf(const QImage& image) {
    std::vector<Run> done;
    std::vector<Run> open;
    for (int y = 0; y <= image.height(); ++y) {
        std::vector<Run> row;
        for (int x = 0; y < image.height() && x < image.width(); ++x) {
            if (!isBlack(image, x, y)) {
                continue;
            }
            const int left = x;
            while (x < image.width() && isBlack(image, x, y)) {
                ++x;
            }
            row.push_back({left, x - left, y, 1});
        }
        std::vector<Run> next;
        for (Run& run : row) {
            const auto same = std::find_if(open.begin(), open.end(), [&](const Run& o) {
                return o.left == run.left && o.width == run.width;
            });
            if (same != open.end()) {
                run = *same;
                ++run.height;
                open.erase(same);
            }
            next.push_back(run);
        }
        done.insert(done.end(), open.begin(), open.end());
        open = std::move(next);
    }
    std::sort(done.begin(), done.end(), [](const Run& a, const Run& b) {
        return a.top != b.top ? a.top < b.top : a.left < b.left;
    });
    return done;
}

QString pathOf(const QImage& image) {
    QString path;
    for (const Run& r : runsOf(image)) {
        path +=
            QStringLiteral("M%1,%2h%3v%4h-%3z").arg(r.left).arg(r.top).arg(r.width).arg(r.height);
    }
    return path;
}

// Drawn on a wider sheet, so that letters past the picture's edges show.
bool leavesPicture(const QString& text, QPoint origin) {
    constexpr int margin = 40;
    const QImage wide =
        drawn(text, origin + QPoint(margin, margin), kPicture + QSize(2 * margin, 2 * margin));
    const QRect picture(QPoint(margin, margin), kPicture);
    const std::vector<Run> runs = runsOf(wide);
    return std::any_of(runs.begin(), runs.end(), [&](const Run& r) {
        return !picture.contains(QRect(r.left, r.top, r.width, r.height));
    });
}

QString pictureOf(const QString& path) {
    return QStringLiteral("<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"160\" height=\"700\" "
                          "viewBox=\"0 0 160 700\"><path fill=\"#000\" d=\"%1\"/></svg>")
        .arg(path);
}

QImage rendered(const QString& path) {
    QImage image = blank();
    QSvgRenderer renderer(pictureOf(path).toUtf8());
    QPainter painter(&image);
    renderer.render(&painter);
    return image;
}

// The drawn word's pixels equal the picture's once the bounding boxes agree,
// so the search only needs the origins that put the word's box on the stored one.
std::optional<QPoint> originOf(const QString& text, const QImage& stored) {
    const std::vector<Run> storedRuns = runsOf(stored);
    if (storedRuns.empty()) {
        return std::nullopt;
    }
    const QImage atZero = drawn(text, QPoint(20, 20));
    const std::vector<Run> zeroRuns = runsOf(atZero);
    if (zeroRuns.empty()) {
        return std::nullopt;
    }
    const auto leftOf = [](const std::vector<Run>& runs) {
        return std::min_element(runs.begin(), runs.end(),
                                [](const Run& a, const Run& b) { return a.left < b.left; })
            ->left;
    };
    const QPoint origin(20 + leftOf(storedRuns) - leftOf(zeroRuns),
                        20 + storedRuns.front().top - zeroRuns.front().top);
    if (rendered(pathOf(drawn(text, origin))) != stored) {
        return std::nullopt;
    }
    return origin;
}

int check(const QString& file) {
    QFile in(file);
    if (!in.open(QIODevice::ReadOnly)) {
        QTextStream(stderr) << "cannot read " << file << '\n';
        return 2;
    }
    const QString svg = QString::fromUtf8(in.readAll());
    static const QRegularExpression word(
        QStringLiteral("<g><desc>([^<]*)</desc><path d=\"([^\"]*)\"/></g>"));
    QTextStream out(stdout);
    int failed = 0;
    int words = 0;
    for (auto it = word.globalMatch(svg); it.hasNext(); ++words) {
        const QRegularExpressionMatch match = it.next();
        const std::optional<QPoint> origin =
            originOf(match.captured(1), rendered(match.captured(2)));
        if (origin) {
            out << match.captured(1) << " at " << origin->x() << ',' << origin->y()
                << ": same pixels\n";
        } else {
            out << match.captured(1) << ": different pixels\n";
            ++failed;
        }
    }
    out << words << " words, " << failed << " different\n";
    return failed == 0 && words > 0 ? 0 : 1;
}

int usage() {
    QTextStream(stderr) << "usage: amsim_diagram_words word X BASELINE TEXT\n"
                           "       amsim_diagram_words check PICTURE.svg\n";
    return 2;
}

} // namespace

int main(int argc, char* argv[]) {
    QGuiApplication app(argc, argv);
    const QStringList args = QGuiApplication::arguments();
    if (args.size() == 3 && args[1] == QLatin1String("check")) {
        return check(args[2]);
    }
    bool xOk = false;
    bool yOk = false;
    if (args.size() != 5 || args[1] != QLatin1String("word")) {
        return usage();
    }
    const QPoint origin(args[2].toInt(&xOk), args[3].toInt(&yOk));
    if (!xOk || !yOk) {
        return usage();
    }
    if (leavesPicture(args[4], origin)) {
        QTextStream(stderr) << args[4] << " at " << origin.x() << ',' << origin.y()
                            << " leaves the picture\n";
        return 1;
    }
    QTextStream(stdout) << "<g><desc>" << args[4].toHtmlEscaped() << "</desc><path d=\""
                        << pathOf(drawn(args[4], origin)) << "\"/></g>\n";
    return 0;
}
