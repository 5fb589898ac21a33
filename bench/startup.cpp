// Start-up to the first painted main window with the real catalogue, against a bare Qt window
// that shows the same plain widgets (a tree with the same items and a text browser).
// Prints both medians and their ratio; the target is at most 1.5. Arguments: the number of
// rounds, then "main" or "bare" to time one side alone (for a profiler).
#include "browser/BannerImage.h"
#include "browser/BrowserResources.h"
#include "browser/CatalogueTree.h"
#include "browser/Main.h"
#include "catalogue/OrlendaData.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QHBoxLayout>
#include <QTest>
#include <QTextBrowser>
#include <QTreeWidget>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <memory>
#include <vector>

namespace {

// Notes the first paint that reaches any widget of the window.
class PaintSpy : public QObject {
public:
    bool painted = false;
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            painted = true;
        return false;
    }
};

double timeToFirstPaint(const std::function<std::unique_ptr<QWidget>()>& build)
{
    PaintSpy spy;
    QElapsedTimer timer;
    timer.start();
    std::unique_ptr<QWidget> window = build();
    qApp->installEventFilter(&spy);
    window->show();
    if (!QTest::qWaitFor([&] { return spy.painted; }, 5000))
        std::fprintf(stderr, "no paint within 5 s\n");
    const double ms = double(timer.nsecsElapsed()) / 1e6;
    qApp->removeEventFilter(&spy);
    window.reset();
    QCoreApplication::processEvents();
    return ms;
}

std::unique_ptr<QWidget> bareWindow()
{
    auto window = std::make_unique<QWidget>();
    window->resize(782, 573);
    auto* layout = new QHBoxLayout(window.get());
    auto* tree = new QTreeWidget;
    auto* browser = new QTextBrowser;
    layout->addWidget(tree);
    layout->addWidget(browser, 1);
    // The same work on the data: load the file, build the by-name arrangement.
    static std::unique_ptr<OrlendaData> data;
    data = std::make_unique<OrlendaData>("");
    CatalogueTree(tree, data.get()).FillTree(CatalogueTree::ByName);
    return window;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QDir::setCurrent(QStringLiteral(ORLENDA_BINARY_DIR "/bin"));
    initBrowserResources();

    auto mainWindow = [] { return std::unique_ptr<QWidget>(new TfmMain); };
    // First runs load fonts and plugins; neither side should pay for that.
    timeToFirstPaint(bareWindow);
    timeToFirstPaint(mainWindow);

    const int rounds = argc > 1 ? std::max(3, std::atoi(argv[1])) : 21;
    const QByteArray only = argc > 2 ? QByteArray(argv[2]) : QByteArray();
    std::vector<double> bare, full;
    for (int i = 0; i < rounds; ++i) {
        if (only != "main")
            bare.push_back(timeToFirstPaint(bareWindow));
        if (only != "bare")
            full.push_back(timeToFirstPaint(mainWindow));
    }
    if (!only.isEmpty()) {
        const std::vector<double>& one = only == "main" ? full : bare;
        std::printf("first paint, median of %d: %s window %.2f ms\n", rounds, only.constData(),
            one.empty() ? 0.0 : median(one));
        return 0;
    }
    const double b = median(bare), f = median(full);
    std::printf("first paint, median of %d: bare Qt window %.2f ms, main window %.2f ms, "
                "ratio %.2f (target <= 1.5)\n",
        rounds, b, f, f / b);

    // The program decodes its banner once per run, so the repeated windows above share one
    // decode; a real start pays it once. Shown apart so the ratio of a real start is known.
    std::vector<double> decodes;
    for (int i = 0; i < rounds; ++i) {
        QElapsedTimer timer;
        timer.start();
        const QImage banner
            = BannerImage::loadJpeg(QString::fromLatin1(BannerImage::kResourcePath));
        decodes.push_back(double(timer.nsecsElapsed()) / 1e6);
        if (banner.isNull())
            std::fprintf(stderr, "banner did not decode\n");
    }
    const double d = median(decodes);
    std::printf("banner decode %.2f ms; main window with one banner decode %.2f ms, ratio %.2f\n",
        d, f + d, (f + d) / b);
    return 0;
}
