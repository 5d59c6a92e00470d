#include "HostingWindowController.h"

#include <QGuiApplication>
#include <QScreen>
#include <QShortcut>
#include <QVBoxLayout>

HostingWindowController::HostingWindowController(QString title, std::function<QWidget *()> makeView,
                                                 QObject *parent)
    : QObject(parent)
    , m_title(std::move(title))
    , m_makeView(std::move(makeView))
{
}

HostingWindowController::~HostingWindowController() = default;

void HostingWindowController::show()
{
    if (!m_window) {
        m_window = std::make_unique<QWidget>(nullptr, Qt::Window | Qt::WindowTitleHint | Qt::WindowCloseButtonHint
                                                           | Qt::WindowMinMaxButtonsHint);
        m_window->setWindowTitle(m_title);
        auto *layout = new QVBoxLayout(m_window.get());
        layout->setContentsMargins(0, 0, 0, 0);
        layout->addWidget(m_makeView());
        for (const auto &[keys, action] : std::as_const(m_shortcuts))
            installShortcut(keys, action);
        // The view decides the size; centre only on first creation, then keep where the user left it.
        m_window->resize(m_window->sizeHint());
        if (const QScreen *screen = QGuiApplication::primaryScreen()) {
            QRect frame = m_window->frameGeometry();
            frame.moveCenter(screen->availableGeometry().center());
            m_window->move(frame.topLeft());
        }
    }
    m_window->show();
    m_window->setWindowState(m_window->windowState() & ~Qt::WindowMinimized);
    m_window->raise();
    m_window->activateWindow();
}

void HostingWindowController::addShortcut(const QKeySequence &keys, std::function<void()> action)
{
    m_shortcuts.append({keys, std::move(action)});
    if (m_window)
        installShortcut(keys, m_shortcuts.last().second);
}

void HostingWindowController::installShortcut(const QKeySequence &keys, const std::function<void()> &action)
{
    auto *shortcut = new QShortcut(keys, m_window.get());
    connect(shortcut, &QShortcut::activated, this, action);
}
