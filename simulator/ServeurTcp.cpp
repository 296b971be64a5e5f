#include "simulator/ServeurBanc.h"

#include <arpa/inet.h>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>
#include <vector>

namespace {

constexpr std::size_t ENTETE_MBAP = 6; // transaction, protocol, length
constexpr int MAX_CLIENTS = 16;

struct TClient {
    int fd = -1;
    std::vector<uint8_t> tampon;
};

} // namespace

TServeurTcp::TServeurTcp(TBanc& banc, TCadence cadence, TDefauts defauts)
    : TServeurBanc(banc, 0, cadence, std::move(defauts)) {}

TServeurTcp::~TServeurTcp() {
    arrete();
}

std::unique_ptr<TServeurTcp> TServeurTcp::ouvre(TBanc& banc, const std::string& adresse, uint16_t port,
                                                TCadence cadence, TDefauts defauts, std::string* erreur) {
    std::unique_ptr<TServeurTcp> s(new TServeurTcp(banc, cadence, std::move(defauts)));
    auto echec = [&](const std::string& quoi) {
        if (erreur) *erreur = quoi + ": " + std::strerror(errno);
        return nullptr;
    };
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_port = htons(port);
    if (inet_pton(AF_INET, adresse.c_str(), &a.sin_addr) != 1) {
        if (erreur) *erreur = "not an IPv4 address: " + adresse;
        return nullptr;
    }
    s->ecoute_ = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (s->ecoute_ < 0) return echec("socket");
    const int oui = 1;
    setsockopt(s->ecoute_, SOL_SOCKET, SO_REUSEADDR, &oui, sizeof oui);
    if (bind(s->ecoute_, reinterpret_cast<sockaddr*>(&a), sizeof a) != 0)
        return echec(adresse + ":" + std::to_string(port));
    if (listen(s->ecoute_, 8) != 0) return echec("listen");
    socklen_t l = sizeof a;
    getsockname(s->ecoute_, reinterpret_cast<sockaddr*>(&a), &l);
    s->port_ = ntohs(a.sin_port);
    if (pipe(s->reveil_) != 0) return echec("pipe");
    s->demarre();
    return s;
}

void TServeurTcp::ferme() {
    if (ecoute_ >= 0) close(ecoute_);
    ecoute_ = -1;
}

void TServeurTcp::boucle() {
    std::vector<TClient> clients;
    while (!arret_) {
        std::vector<pollfd> p{{reveil_[0], POLLIN, 0}, {ecoute_, POLLIN, 0}};
        for (const auto& c : clients)
            p.push_back({c.fd, POLLIN, 0});
        const int r = poll(p.data(), p.size(), 5);
        if (arret_) break;
        suitHorloge();
        if (r <= 0) continue;
        // Only the clients polled this turn have their events in p; a new one waits for the next.
        const std::size_t polles = clients.size();
        if (p[1].revents & POLLIN) {
            const int fd = accept4(ecoute_, nullptr, nullptr, SOCK_CLOEXEC);
            if (fd >= 0 && static_cast<int>(clients.size()) < MAX_CLIENTS) {
                const int oui = 1;
                setsockopt(fd, IPPROTO_TCP, TCP_NODELAY, &oui, sizeof oui);
                clients.push_back({fd, {}});
            } else if (fd >= 0) {
                close(fd);
            }
        }
        for (std::size_t i = 0; i < polles; ++i) {
            auto& c = clients[i];
            const auto ev = p[i + 2].revents;
            bool fin = false;
            if (ev & (POLLIN | POLLHUP | POLLERR)) {
                uint8_t octets[512];
                const ssize_t n = read(c.fd, octets, sizeof octets);
                if (n > 0)
                    c.tampon.insert(c.tampon.end(), octets, octets + n);
                else
                    fin = true;
            }
            // Whole frames: the MBAP length tells where each ends.
            while (!fin && c.tampon.size() >= ENTETE_MBAP) {
                const std::size_t longueur = static_cast<std::size_t>(c.tampon[4] << 8 | c.tampon[5]);
                if (longueur < 2 || longueur > 254) {
                    fin = true; // not Modbus: the connection is dropped
                    break;
                }
                if (c.tampon.size() < ENTETE_MBAP + longueur) break;
                const std::vector<uint8_t> adu(c.tampon.begin(), c.tampon.begin() + ENTETE_MBAP + longueur);
                c.tampon.erase(c.tampon.begin(), c.tampon.begin() + ENTETE_MBAP + longueur);
                const auto reponse = sert(adu, true);
                if (!reponse.octets.empty() && !envoie(c.fd, reponse.octets)) fin = true;
                if (reponse.coupure) fin = true;
            }
            if (fin) {
                close(c.fd);
                c.fd = -1;
            }
        }
        std::erase_if(clients, [](const TClient& c) { return c.fd < 0; });
    }
    for (auto& c : clients)
        close(c.fd);
}
