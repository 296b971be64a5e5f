#pragma once
// The bench and its pseudo-terminal together, for the program's demo mode: the program opens
// chemin() as its serial port while the bench turns in its own thread.

#include "simulator/Banc.h"
#include "simulator/ServeurBanc.h"

#include <memory>
#include <string>

class TBancSimule {
public:
    // nullptr, with a message, when no pseudo-terminal could be opened.
    static std::unique_ptr<TBancSimule> surPty(const TConfigBanc& config, int modele, TCadence cadence = {},
                                               TDefauts defauts = {}, std::string* erreur = nullptr) {
        std::unique_ptr<TBancSimule> b(new TBancSimule(config));
        b->serveur_ = TServeurLigne::ouvrePty(*b->banc_, modele, cadence, std::move(defauts), erreur);
        if (!b->serveur_) return nullptr;
        return b;
    }

    TBanc& banc() { return *banc_; }
    TServeurLigne& serveur() { return *serveur_; }
    const std::string& chemin() const { return serveur_->chemin(); }

private:
    explicit TBancSimule(const TConfigBanc& config) : banc_(std::make_unique<TBanc>(config)) {}

    std::unique_ptr<TBanc> banc_;
    std::unique_ptr<TServeurLigne> serveur_; // declared after the bench, so it stops first
};
