#include "vocabulary/WorkingScreen.h"

#include "controls/UiFont.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QProgressBar>
#include <QTimer>

#include <algorithm>

namespace quibbler {

namespace {

// A tenth of a percent: a bar a few hundred pixels wide moves smoothly.
constexpr int kProgressSteps = 1000;

} // namespace

WorkingScreen::WorkingScreen()
{
    setObjectName(QStringLiteral("frmwork"));
    setWindowTitle(QStringLiteral("Working"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::CustomizeWindowHint);
    setFixedSize(181, 59);
    setFont(uiFont(12));

    lblwork = new QLabel(QStringLiteral("WORKING..."), this);
    lblwork->setObjectName(QStringLiteral("lblwork"));
    lblwork->setGeometry(16, 8, 145, 33);
    lblwork->setFont(uiFont(18, true));

    // In the strip below the label, so that the screen keeps its size.
    prgwork = new QProgressBar(this);
    prgwork->setObjectName(QStringLiteral("prgwork"));
    prgwork->setGeometry(16, 44, 145, 9);
    prgwork->setRange(0, kProgressSteps);
    prgwork->setTextVisible(false);
    prgwork->setAccessibleName(QStringLiteral("Progress"));
    prgwork->hide();

    // Ticks also while the window is hidden, so the cycle goes on where it stood.
    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(500);
    connect(Timer1, &QTimer::timeout, this, &WorkingScreen::Timer1_Timer);
    Timer1->start();
}

void WorkingScreen::Form_Load()
{
    m_dots = 3;
}

void WorkingScreen::Timer1_Timer()
{
    lblwork->setText(QStringLiteral("WORKING") + QString(m_dots, QLatin1Char('.')));
    m_dots = m_dots == 3 ? 1 : m_dots + 1;
}

void WorkingScreen::showProgress(qint64 done, qint64 total)
{
    const qint64 step
        = std::clamp<qint64>(done, 0, total) * kProgressSteps / std::max<qint64>(1, total);
    prgwork->setValue(int(step));
    prgwork->show();
}

void WorkingScreen::hideProgress()
{
    prgwork->hide();
    prgwork->setValue(0);
}

void WorkingScreen::closeEvent(QCloseEvent* event)
{
    // The screen goes away when its operation has stopped, not before.
    m_stopRequested = true;
    event->ignore();
}

void WorkingScreen::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape)
        m_stopRequested = true;
    else
        QWidget::keyPressEvent(event);
}

} // namespace quibbler
