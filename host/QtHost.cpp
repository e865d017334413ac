#include "host/QtHost.h"

#include "host/Keys.h"

#include <QApplication>
#include <QClipboard>
#include <QColorDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QFontDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPointer>
#include <QTemporaryFile>
#include <QWindow>

#include <ctime>

namespace quibbler {

// Remembers the order in which the program's windows last came up or were
// activated, so that a dialog can stand over the window in front.
class WindowOrder : public QObject {
public:
    QWidget* front() const
    {
        for (const QPointer<QWidget>& window : m_recent) {
            if (window && window->isVisible())
                return window;
        }
        return nullptr;
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if ((event->type() == QEvent::Show || event->type() == QEvent::WindowActivate)
            && watched->isWidgetType()) {
            auto* window = static_cast<QWidget*>(watched);
            const Qt::WindowType type = window->windowType();
            if (window->isWindow() && (type == Qt::Window || type == Qt::Dialog)) {
                m_recent.removeIf(
                    [window](const QPointer<QWidget>& known) { return !known || known == window; });
                m_recent.prepend(window);
            }
        }
        return false;
    }

private:
    QList<QPointer<QWidget>> m_recent;
};

namespace {

// Long loops yield once per item; running the event loop at most this often keeps
// them fast while the working screen still animates smoothly.
constexpr qint64 kYieldIntervalMs = 10;
constexpr int kCallsPerClockRead = 16;

// A clock for yield, which long loops call once per word: the coarse clock
// costs a few nanoseconds where the precise one costs tens, and a few
// milliseconds of error do not matter to a 10 ms interval.
qint64 coarseMilliseconds()
{
#ifdef CLOCK_MONOTONIC_COARSE
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC_COARSE, &now);
    return qint64(now.tv_sec) * 1000 + now.tv_nsec / 1'000'000;
#else
    static const QElapsedTimer clock = [] {
        QElapsedTimer started;
        started.start();
        return started;
    }();
    return clock.elapsed();
#endif
}

// Qt shows the application's name in a title bar whose title is empty. A blank
// title on the window system's side keeps the bar empty, while the dialog's
// own title stays empty.
class BlankTitleBar : public QObject {
public:
    explicit BlankTitleBar(QWidget& window) : QObject(&window) { window.installEventFilter(this); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        auto* window = static_cast<QWidget*>(watched);
        if (event->type() == QEvent::Show && window->windowTitle().isEmpty()
            && window->windowHandle())
            window->windowHandle()->setTitle(QStringLiteral(" "));
        return false;
    }
};

void setTitle(QWidget& dialog, const QString& title)
{
    dialog.setWindowTitle(title);
    if (title.isEmpty())
        new BlankTitleBar(dialog);
}

// Runs a dialog made on the heap (a parent closed meanwhile takes it along)
// and reads it when it was accepted.
template <typename Dialog, typename Read>
auto accepted(Dialog* made, Read read) -> std::optional<decltype(read(*made))>
{
    QPointer<Dialog> dialog(made);
    std::optional<decltype(read(*made))> result;
    if (dialog->exec() == QDialog::Accepted && dialog)
        result = read(*dialog);
    delete dialog;
    return result;
}

} // namespace

QtHost::QtHost(QString programFolder)
    : m_programFolder(std::move(programFolder)),
      m_windows(std::make_unique<WindowOrder>()),
      m_enterKey(std::make_unique<ButtonEnterKey>())
{
    m_lastYield = coarseMilliseconds();
    qApp->installEventFilter(m_windows.get());
    qApp->installEventFilter(m_enterKey.get());
}

QtHost::~QtHost() = default;

QWidget* QtHost::dialogParent() const
{
    if (QWidget* modal = QApplication::activeModalWidget())
        return modal;
    return m_windows->front();
}

Answer QtHost::msgBox(const QString& prompt, Buttons buttons, const std::optional<QString>& title)
{
    QPointer<QMessageBox> box = new QMessageBox(dialogParent());
    box->setIcon(QMessageBox::NoIcon);
    setTitle(*box, title.value_or(applicationTitle()));
    box->setText(prompt);
    box->setTextFormat(Qt::PlainText);
    if (buttons == Buttons::YesNo) {
        box->setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box->setDefaultButton(QMessageBox::Yes);
    } else {
        box->setStandardButtons(QMessageBox::Ok);
    }
    const int result = box->exec();
    delete box;
    if (buttons == Buttons::Ok)
        return Answer::Ok;
    return result == QMessageBox::Yes ? Answer::Yes : Answer::No;
}

QString QtHost::inputBox(const QString& prompt, const QString& title, const QString& defaultText)
{
    auto* dialog = new QInputDialog(dialogParent());
    setTitle(*dialog, title);
    dialog->setLabelText(prompt);
    dialog->setTextValue(defaultText);
    return accepted(dialog, [](QInputDialog& input) { return input.textValue(); })
        .value_or(QString());
}

QString QtHost::openFileDialog(const FileDialogRequest& request)
{
    return fileDialog(request, false);
}

QString QtHost::saveFileDialog(const FileDialogRequest& request)
{
    return fileDialog(request, true);
}

QString QtHost::fileDialog(const FileDialogRequest& request, bool save)
{
    auto* dialog = new QFileDialog(dialogParent(), request.title, request.folder);
    // Qt's own dialog behaves the same on every desktop and under test.
    dialog->setOption(QFileDialog::DontUseNativeDialog);
    // The file need not exist for either dialog, and replacing a file is not questioned.
    dialog->setFileMode(QFileDialog::AnyFile);
    dialog->setOption(QFileDialog::DontConfirmOverwrite);
    dialog->setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    if (save)
        dialog->setDefaultSuffix(QStringLiteral("txt"));
    dialog->setNameFilters(qtNameFilters(request.filter));
    if (!request.fileName.isEmpty())
        dialog->selectFile(request.fileName);
    const QStringList chosen = accepted(dialog, [](QFileDialog& files) {
                                   return files.selectedFiles();
                               }).value_or(QStringList());
    return chosen.isEmpty() ? QString() : QDir::cleanPath(chosen.first());
}

std::optional<QFont> QtHost::fontDialog(const QFont& initial)
{
    auto* dialog = new QFontDialog(dialogParent());
    // Given no style name, the dialog picks its face's first style (often an
    // oblique one); the name of the style the font really shows keeps it as it is.
    QFont start = initial;
    if (start.styleName().isEmpty())
        start.setStyleName(QFontInfo(initial).styleName());
    dialog->setCurrentFont(start);
    return accepted(dialog, [](QFontDialog& fonts) { return fonts.selectedFont(); });
}

std::optional<QColor> QtHost::colorDialog(const QColor& initial)
{
    auto* dialog = new QColorDialog(dialogParent());
    dialog->setCurrentColor(initial);
    return accepted(dialog, [](QColorDialog& colors) { return colors.selectedColor(); });
}

void QtHost::setClipboardText(const QString& text)
{
    QGuiApplication::clipboard()->setText(text);
}

bool QtHost::yield()
{
    // Even the coarse clock costs as much as learning a short word, so it is
    // read once every few calls; a call stands for one step of a job, and a
    // few steps take far less than the interval.
    if (--m_callsToClock > 0)
        return false;
    m_callsToClock = kCallsPerClockRead;
    if (coarseMilliseconds() - m_lastYield < kYieldIntervalMs)
        return false;
    QCoreApplication::processEvents();
    m_lastYield = coarseMilliseconds();
    return true;
}

qint64 QtHost::steadyMs()
{
    return coarseMilliseconds();
}

QTime QtHost::timeOfDay()
{
    return QTime::currentTime();
}

QString QtHost::programFolder()
{
    return m_programFolder;
}

void QtHost::endProgram()
{
    QCoreApplication::quit();
}

RandomSource& QtHost::random()
{
    return m_random;
}

QStringList qtNameFilters(const QString& filter)
{
    QStringList result;
    const QStringList parts = filter.split(QLatin1Char('|'));
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QString& description = parts.at(i);
        const QString& pattern = parts.at(i + 1);
        if (description.isEmpty() || pattern.isEmpty())
            continue;
        const QString patterns = QString(pattern).replace(QLatin1Char(';'), QLatin1Char(' '));
        result.append(description.contains(QLatin1Char('(') + patterns + QLatin1Char(')'))
                          ? description
                          : description + QLatin1String(" (") + patterns + QLatin1Char(')'));
    }
    if (result.isEmpty())
        result.append(QStringLiteral("All Files (*)"));
    return result;
}

bool folderIsWritable(const QString& folder)
{
    if (folder.isEmpty() || !QDir().mkpath(folder))
        return false;
    QTemporaryFile probe(QDir(folder).filePath(QStringLiteral(".quibbler-XXXXXX")));
    return probe.open();
}

QString chooseDataFolder(const QString& programDir, const QString& userDataDir)
{
    if (folderIsWritable(programDir))
        return programDir;
    QDir().mkpath(userDataDir);
    return userDataDir;
}

} // namespace quibbler
