#include "appearance/Restyle.h"

#include "app/Forms.h"
#include "appearance/AboutWindow.h"
#include "poetry/PoetryWindow.h"
#include "queries/WordCountWindow.h"
#include "sentences/OptionsWindow.h"
#include "vocabulary/MainWindow.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QEvent>
#include <QPainter>
#include <QRadioButton>

namespace quibbler {

namespace {

const char* const kBackColorProperty = "quibblerBackColor";

// Paints a window's background colour before the window paints itself.
class BackColorPainter : public QObject {
public:
    BackColorPainter(QWidget* surface, QWidget* window) : QObject(surface), m_window(window)
    {
        surface->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) {
            auto* surface = static_cast<QWidget*>(watched);
            QPainter(surface).fillRect(surface->rect(), backColor(m_window));
        }
        return false;
    }

private:
    QWidget* m_window;
};

QWidget* windowOf(Forms& forms, StyledWindow window)
{
    switch (window) {
    case StyledWindow::Main:
        return &forms.frmcbox();
    case StyledWindow::Poetry:
        return &forms.frmcbp();
    case StyledWindow::About:
        return &forms.frmabout();
    case StyledWindow::Options:
        return &forms.frmoptions();
    case StyledWindow::WordCount:
        break;
    }
    return &forms.frmfw();
}

void setTextColor(QWidget* control, const QColor& color)
{
    QPalette palette = control->palette();
    for (QPalette::ColorRole role : {QPalette::Text, QPalette::WindowText, QPalette::ButtonText})
        palette.setColor(role, color);
    control->setPalette(palette);
}

void setControlBackColor(QWidget* control, const QColor& color)
{
    QPalette palette = control->palette();
    palette.setColor(QPalette::Button, color);
    palette.setColor(QPalette::Window, color);
    control->setPalette(palette);
    // Option buttons and check boxes are otherwise drawn on their window's background.
    if (qobject_cast<QRadioButton*>(control) || qobject_cast<QCheckBox*>(control))
        control->setAutoFillBackground(true);
}

} // namespace

void restyle(Forms& forms, StyleFlag flag, const QFont& font, const QColor& color)
{
    for (StyledWindow which : windowOrder(flag)) {
        QWidget* window = nullptr;
        for (const StyleTarget& target : styleTargets()) {
            if (target.window != which || !(target.flags & flag))
                continue;
            if (!window)
                window = windowOf(forms, which);
            QWidget* control
                = target.control ? window->findChild<QWidget*>(target.control) : window;
            Q_ASSERT_X(control, "restyle", target.control);
            if (!control)
                continue;
            switch (flag) {
            case StyleFlag::Font:
                control->setFont(font);
                break;
            case StyleFlag::TextColor:
                setTextColor(control, color);
                break;
            case StyleFlag::BackColor:
                if (control == window)
                    setBackColor(window, color);
                else
                    setControlBackColor(control, color);
                break;
            }
        }
    }
}

void setBackColor(QWidget* window, const QColor& color)
{
    auto* main = qobject_cast<MainWindow*>(window);
    QWidget* surface = main ? main->centralWidget() : window;
    if (!window->property(kBackColorProperty).isValid())
        new BackColorPainter(surface, window);
    window->setProperty(kBackColorProperty, color);
    surface->update();
}

QColor backColor(const QWidget* window)
{
    return window->property(kBackColorProperty).value<QColor>();
}

} // namespace quibbler
