#include "app/Forms.h"

#include "appearance/AboutWindow.h"
#include "host/Host.h"
#include "poetry/PoetryWindow.h"
#include "queries/WordCountWindow.h"
#include "sentences/OptionsWindow.h"
#include "sentences/TextLimits.h"
#include "vocabulary/MainWindow.h"
#include "vocabulary/WorkingScreen.h"

#include <QApplication>
#include <QLineEdit>

namespace quibbler {

Forms::Forms(Host& host) : wordLimit(kMaxWordsPerText), m_host(host) { }

// The main window goes first: its handlers may still reach the other windows.
Forms::~Forms()
{
    delete m_poetry;
    delete m_wordCount;
    delete m_about;
    m_main.reset();
    m_work.reset();
    m_options.reset();
}

void Forms::start()
{
    MainWindow& main = frmcbox();
    main.show();
    main.activateWindow();
    main.txtw->setFocus();
}

void Forms::comeForward()
{
    if (refuseWhileWorking())
        return;
    // A question over the main window comes with it (Qt gives it the focus);
    // before the start-up has shown the main window, only its question comes up.
    MainWindow& main = frmcbox();
    QWidget* front = main.isVisible() ? &main : QApplication::activeModalWidget();
    if (front) {
        front->setWindowState(front->windowState() & ~Qt::WindowMinimized);
        front->raise();
        front->activateWindow();
    }
}

bool Forms::keepWorking()
{
    if (m_host.yield())
        showWorkProgress();
    return !(m_work && m_work->stopRequested());
}

void Forms::beginWork()
{
    m_workStarted = m_host.steadyMs();
    workProgress(0, 0);
    frmwork().hideProgress();
}

void Forms::showWorkProgress()
{
    // An operation that ends within half a second shows no bar.
    constexpr qint64 kQuietMs = 500;
    if (!m_work || m_workTotal <= 0 || m_host.steadyMs() - m_workStarted < kQuietMs)
        return;
    m_work->showProgress(m_workDone, m_workTotal);
}

bool Forms::refuseWhileWorking()
{
    if (!working())
        return false;
    WorkingScreen& work = frmwork();
    work.raise();
    work.activateWindow();
    return true;
}

MainWindow& Forms::frmcbox()
{
    if (!m_main) {
        m_main = std::make_unique<MainWindow>(*this, m_host);
        m_main->Form_Load();
    }
    return *m_main;
}

WorkingScreen& Forms::frmwork()
{
    if (!m_work) {
        m_work = std::make_unique<WorkingScreen>();
        m_work->Form_Load();
    }
    return *m_work;
}

PoetryWindow& Forms::frmcbp()
{
    if (!m_poetry) {
        m_poetry = new PoetryWindow(*this, m_host);
        m_poetry->setAttribute(Qt::WA_DeleteOnClose);
    }
    return *m_poetry;
}

WordCountWindow& Forms::frmfw()
{
    if (!m_wordCount) {
        m_wordCount = new WordCountWindow(*this);
        m_wordCount->setAttribute(Qt::WA_DeleteOnClose);
        m_wordCount->Form_Load();
    }
    return *m_wordCount;
}

AboutWindow& Forms::frmabout()
{
    if (!m_about) {
        m_about = new AboutWindow(m_host);
        m_about->setAttribute(Qt::WA_DeleteOnClose);
    }
    return *m_about;
}

OptionsWindow& Forms::frmoptions()
{
    if (!m_options) {
        m_options = std::make_unique<OptionsWindow>();
        m_options->Form_Load();
    }
    return *m_options;
}

} // namespace quibbler
