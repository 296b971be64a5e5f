#include "Signaux.h"

#include <QWidget>

#include <csignal>

#ifdef Q_OS_UNIX
#include <QSocketNotifier>

#include <unistd.h>

namespace {

int tube[2] = {-1, -1};

// Only a write is safe inside a handler: the event loop reads the pipe and closes the window.
void recu(int) {
    const char c = 1;
    [[maybe_unused]] const auto n = ::write(tube[1], &c, 1);
}

} // namespace

void fermeSurSignal(QWidget* fenetre) {
    if (::pipe(tube) != 0) return;
    auto* n = new QSocketNotifier(tube[0], QSocketNotifier::Read, fenetre);
    QObject::connect(n, &QSocketNotifier::activated, fenetre, [fenetre] {
        char c;
        [[maybe_unused]] const auto lu = ::read(tube[0], &c, 1);
        fenetre->close();
    });
    struct sigaction a {};
    a.sa_handler = recu;
    sigemptyset(&a.sa_mask);
    a.sa_flags = SA_RESTART;
    sigaction(SIGINT, &a, nullptr);
    sigaction(SIGTERM, &a, nullptr);
}

#else
#include <QTimer>

namespace {

volatile std::sig_atomic_t recu = 0;

void surSignal(int) {
    recu = 1;
}

} // namespace

// Without pipes the handler only sets a flag, which a timer of the event loop looks at.
void fermeSurSignal(QWidget* fenetre) {
    std::signal(SIGINT, surSignal);
    std::signal(SIGTERM, surSignal);
    auto* t = new QTimer(fenetre);
    QObject::connect(t, &QTimer::timeout, fenetre, [fenetre] {
        if (recu == 0) return;
        recu = 0;
        fenetre->close();
    });
    t->start(100);
}
#endif
