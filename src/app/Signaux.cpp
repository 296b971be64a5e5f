#include "Signaux.h"

#include <QSocketNotifier>
#include <QWidget>

#include <csignal>
#include <unistd.h>

namespace {

int tube[2] = {-1, -1};

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
