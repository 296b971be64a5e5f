#include "simulator/ServeurBanc.h"

#include "simulator/Banc.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

namespace {

using Horloge = std::chrono::steady_clock;

// The bench catches up at most this much wall time at once (after a suspended process).
constexpr double RATTRAPAGE_MAX = 1.0;

std::string Erreur(const std::string& quoi) {
    return quoi + ": " + std::strerror(errno);
}

bool NonBloquant(int fd) {
    const int f = fcntl(fd, F_GETFL);
    return f >= 0 && fcntl(fd, F_SETFL, f | O_NONBLOCK) == 0;
}

} // namespace

TServeurBanc::TServeurBanc(TBanc& banc, int modele, TCadence cadence, TDefauts defauts)
    : banc_(banc), esclave_(banc, modele), cadence_(cadence), defauts_(std::move(defauts)) {}

TServeurBanc::~TServeurBanc() {
    if (fil_.joinable()) fil_.join();
    for (int& fd : reveil_)
        if (fd >= 0) close(fd);
}

void TServeurBanc::demarre() {
    dernier_ = Horloge::now();
    actif_ = true;
    fil_ = std::thread([this] {
        boucle();
        actif_ = false;
    });
}

void TServeurBanc::arrete() {
    arret_ = true;
    if (reveil_[1] >= 0) {
        const char c = 0;
        [[maybe_unused]] auto n = write(reveil_[1], &c, 1);
    }
    if (fil_.joinable()) fil_.join();
    ferme();
    actif_ = false;
}

void TServeurBanc::regleDefauts(const TDefauts& d) {
    std::lock_guard l(verrouDefauts_);
    defauts_ = d;
}

TDefauts TServeurBanc::defauts() const {
    std::lock_guard l(verrouDefauts_);
    return defauts_;
}

void TServeurBanc::suitHorloge() {
    const auto maintenant = Horloge::now();
    const double ecoule = std::chrono::duration<double>(maintenant - dernier_).count();
    dernier_ = maintenant;
    if (cadence_.pasParRequete > 0) return;
    banc_.avance(std::min(ecoule, RATTRAPAGE_MAX) * cadence_.facteur);
}

TReponseAlteree TServeurBanc::sert(std::span<const uint8_t> requete, bool tcp) {
    const long n = ++echanges_;
    if (cadence_.pasParRequete > 0)
        banc_.avance(cadence_.pasParRequete);
    else
        suitHorloge();
    auto reponse = tcp ? esclave_.requeteTcp(requete) : esclave_.requeteRtu(requete);
    return AppliqueDefauts(defauts(), n, std::move(reponse));
}

bool TServeurBanc::envoie(int fd, const std::vector<uint8_t>& octets) {
    auto prochain = Horloge::now();
    std::size_t envoye = 0;
    int essais = 0;
    while (envoye < octets.size() && !arret_) {
        // The pace in force at each byte: a slow line set right again speeds up the reply at once.
        const int debit = defauts().debitBauds;
        if (debit > 0) {
            std::this_thread::sleep_until(prochain);
            prochain +=
                std::chrono::duration_cast<Horloge::duration>(std::chrono::duration<double>(10.0 / debit));
        }
        const std::size_t morceau = debit > 0 ? 1 : octets.size() - envoye;
        const ssize_t n = write(fd, octets.data() + envoye, morceau);
        if (n > 0) {
            envoye += static_cast<std::size_t>(n);
            continue;
        }
        if (n < 0 && errno != EAGAIN && errno != EINTR) return false;
        // Nobody reads the other end: wait a little, then give the reply up.
        pollfd p{fd, POLLOUT, 0};
        poll(&p, 1, 100);
        if (++essais > 10) return false;
    }
    return true;
}

// ---- RTU on a character device ----

TServeurLigne::TServeurLigne(TBanc& banc, int modele, TCadence cadence, TDefauts defauts)
    : TServeurBanc(banc, modele, cadence, std::move(defauts)) {}

TServeurLigne::~TServeurLigne() {
    arrete();
}

std::unique_ptr<TServeurLigne> TServeurLigne::ouvrePty(TBanc& banc, int modele, TCadence cadence,
                                                       TDefauts defauts, std::string* erreur) {
    std::unique_ptr<TServeurLigne> s(new TServeurLigne(banc, modele, cadence, std::move(defauts)));
    s->fd_ = posix_openpt(O_RDWR | O_NOCTTY);
    if (s->fd_ < 0 || grantpt(s->fd_) != 0 || unlockpt(s->fd_) != 0 || !NonBloquant(s->fd_)) {
        if (erreur) *erreur = Erreur("pseudo-terminal");
        return nullptr;
    }
    char nom[128];
    if (ptsname_r(s->fd_, nom, sizeof nom) != 0) {
        if (erreur) *erreur = Erreur("pseudo-terminal");
        return nullptr;
    }
    s->chemin_ = nom;
    s->esclavePty_ = open(nom, O_RDWR | O_NOCTTY);
    termios t{};
    if (s->esclavePty_ < 0 || tcgetattr(s->esclavePty_, &t) != 0) {
        if (erreur) *erreur = Erreur(s->chemin_);
        return nullptr;
    }
    // Raw bytes until the program sets the line its own way.
    cfmakeraw(&t);
    tcsetattr(s->esclavePty_, TCSANOW, &t);
    if (pipe(s->reveil_) != 0) {
        if (erreur) *erreur = Erreur("pipe");
        return nullptr;
    }
    s->demarre();
    return s;
}

std::unique_ptr<TServeurLigne> TServeurLigne::ouvreSerie(TBanc& banc, const std::string& peripherique,
                                                         int modele, TCadence cadence, TDefauts defauts,
                                                         std::string* erreur) {
    std::unique_ptr<TServeurLigne> s(new TServeurLigne(banc, modele, cadence, std::move(defauts)));
    s->chemin_ = peripherique;
    s->fd_ = open(peripherique.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK);
    termios t{};
    if (s->fd_ < 0 || tcgetattr(s->fd_, &t) != 0) {
        if (erreur) *erreur = Erreur(peripherique);
        return nullptr;
    }
    cfmakeraw(&t);
    cfsetispeed(&t, B19200);
    cfsetospeed(&t, B19200);
    t.c_cflag &= ~static_cast<tcflag_t>(CSTOPB | PARENB | CSIZE | CRTSCTS);
    t.c_cflag |= CS8 | CLOCAL | CREAD;
    if (tcsetattr(s->fd_, TCSANOW, &t) != 0 || pipe(s->reveil_) != 0) {
        if (erreur) *erreur = Erreur(peripherique);
        return nullptr;
    }
    s->demarre();
    return s;
}

void TServeurLigne::ferme() {
    if (fd_ >= 0) close(fd_);
    if (esclavePty_ >= 0) close(esclavePty_);
    fd_ = esclavePty_ = -1;
}

// Frames are cut by their announced length; a frame of unknown function, or one that never
// completes, ends with a silence on the line. After a frame that gets no answer, what is left
// in the buffer is thrown away, so the next request starts clean.
void TServeurLigne::boucle() {
    std::vector<uint8_t> tampon;
    auto dernierOctet = std::chrono::steady_clock::now();
    const int modele = esclave_.modele();
    while (!arret_) {
        pollfd p[2] = {{fd_, POLLIN, 0}, {reveil_[0], POLLIN, 0}};
        const int r = poll(p, 2, 5);
        if (arret_) break;
        suitHorloge();
        if (r > 0 && (p[0].revents & POLLIN)) {
            uint8_t octets[512];
            const ssize_t n = read(fd_, octets, sizeof octets);
            if (n > 0) {
                tampon.insert(tampon.end(), octets, octets + n);
                dernierOctet = std::chrono::steady_clock::now();
            }
        } else if (r > 0 && (p[0].revents & (POLLERR | POLLHUP | POLLNVAL))) {
            // A serial device that went away; a pseudo-terminal never gets here (its slave is held).
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
        const bool silence =
            std::chrono::steady_clock::now() - dernierOctet > std::chrono::milliseconds(SILENCE_MS);
        while (!tampon.empty()) {
            const int longueur = LongueurRequeteRtu(tampon, modele);
            std::vector<uint8_t> trame;
            if (longueur > 0 && tampon.size() >= static_cast<std::size_t>(longueur)) {
                trame.assign(tampon.begin(), tampon.begin() + longueur);
                tampon.erase(tampon.begin(), tampon.begin() + longueur);
            } else if (silence) {
                trame.swap(tampon);
                if (longueur != -1) break; // incomplete: dropped unanswered
            } else {
                break;
            }
            const auto reponse = sert(trame, false);
            if (reponse.octets.empty() && !reponse.coupure) {
                tampon.clear();
                continue;
            }
            if (!envoie(fd_, reponse.octets)) break;
            if (reponse.coupure) {
                // The line drops a moment after the last byte, once the program has it.
                for (int i = 0; i < 10 && !arret_; ++i)
                    std::this_thread::sleep_for(std::chrono::milliseconds(5));
                ferme(); // the program's next read fails
                return;
            }
        }
    }
}
