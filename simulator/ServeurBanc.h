#pragma once
// Servers that put the simulated drive on a line: a pseudo-terminal or a serial device (Modbus
// RTU) and a loopback TCP port (Modbus TCP). Each serves from its own thread, advancing the
// bench by the wall clock, so that a program can block in its reads on the other end while the
// bench turns; arrete() (or the destructor) ends the thread cleanly.

#include "simulator/Defauts.h"
#include "simulator/TrameModbus.h"

#include <atomic>
#include <chrono>
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <thread>

class TBanc;

// How simulated time follows the line.
struct TCadence {
    // Simulated seconds per wall-clock second (1: real time).
    double facteur = 1.0;
    // When > 0: the bench no longer follows the clock and advances by this many simulated
    // seconds for every request served, as fast as the master asks.
    double pasParRequete = 0;
};

class TServeurBanc {
public:
    TServeurBanc(const TServeurBanc&) = delete;
    TServeurBanc& operator=(const TServeurBanc&) = delete;
    virtual ~TServeurBanc();

    // Stops the thread and closes the line; safe to call twice.
    void arrete();
    // False once stopped or once a "close" fault dropped the line.
    bool actif() const { return actif_; }
    // Requests served so far (the exchange numbers the faults count).
    long echanges() const { return echanges_; }
    void regleDefauts(const TDefauts& d);
    TDefauts defauts() const;

protected:
    TServeurBanc(TBanc& banc, int modele, TCadence cadence, TDefauts defauts);
    // Starts the thread; called by the subclass once its descriptors are open.
    void demarre();
    virtual void boucle() = 0;
    virtual void ferme() = 0;

    // The bench follows the wall clock (real-time cadence only).
    void suitHorloge();
    // Serves one request; returns the reply after the faults (empty: silence).
    TReponseAlteree sert(std::span<const uint8_t> requete, bool tcp);
    // Writes the bytes on fd, at the paced rate if any; false when the line failed.
    bool envoie(int fd, const std::vector<uint8_t>& octets);

    TBanc& banc_;
    TEsclaveModbus esclave_;
    TCadence cadence_;
    std::atomic<bool> actif_{false};
    std::atomic<bool> arret_{false};
    std::atomic<long> echanges_{0};
    int reveil_[2] = {-1, -1}; // self-pipe that wakes the thread to stop

private:
    mutable std::mutex verrouDefauts_;
    TDefauts defauts_;
    std::chrono::steady_clock::time_point dernier_;
    std::thread fil_;
};

// Modbus RTU on a pseudo-terminal (the program opens its slave side) or on a serial device.
class TServeurLigne : public TServeurBanc {
public:
    // Opens a pseudo-terminal pair; the program opens chemin(). nullptr with a message on failure.
    static std::unique_ptr<TServeurLigne> ouvrePty(TBanc& banc, int modele, TCadence cadence = {},
                                                   TDefauts defauts = {}, std::string* erreur = nullptr);
    // Opens a serial device at 19200 baud, 8 bits, no parity, 1 stop bit.
    static std::unique_ptr<TServeurLigne> ouvreSerie(TBanc& banc, const std::string& peripherique, int modele,
                                                     TCadence cadence = {}, TDefauts defauts = {},
                                                     std::string* erreur = nullptr);
    ~TServeurLigne() override;

    // The path the program opens: the slave side of the pseudo-terminal, or the device.
    const std::string& chemin() const { return chemin_; }

    // Silence that ends a frame of unknown length, and a frame left incomplete.
    static constexpr int SILENCE_MS = 20;

private:
    TServeurLigne(TBanc& banc, int modele, TCadence cadence, TDefauts defauts);
    void boucle() override;
    void ferme() override;

    int fd_ = -1;
    int esclavePty_ = -1; // kept open so the master never reads a hang-up between two programs
    std::string chemin_;
};

// Modbus TCP on an IPv4 address (loopback in practice); several clients at once.
class TServeurTcp : public TServeurBanc {
public:
    // port 0 takes a free port; see port().
    static std::unique_ptr<TServeurTcp> ouvre(TBanc& banc, const std::string& adresse, uint16_t port,
                                              TCadence cadence = {}, TDefauts defauts = {},
                                              std::string* erreur = nullptr);
    ~TServeurTcp() override;
    uint16_t port() const { return port_; }

private:
    TServeurTcp(TBanc& banc, TCadence cadence, TDefauts defauts);
    void boucle() override;
    void ferme() override;

    int ecoute_ = -1;
    uint16_t port_ = 0;
};
