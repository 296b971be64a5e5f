#include "simulator/Defauts.h"

#include <charconv>
#include <cstdint>

namespace {

struct TNomDefaut {
    std::string_view nom;
    TypeDefaut type;
};
constexpr TNomDefaut NOMS[] = {{"no-reply", TypeDefaut::SansReponse},
                               {"bad-crc", TypeDefaut::MauvaisCrc},
                               {"short", TypeDefaut::ReponseCourte},
                               {"extra", TypeDefaut::OctetsEnTrop},
                               {"close", TypeDefaut::Coupure}};

bool Entier(std::string_view s, int& v) {
    const auto [fin, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
    return ec == std::errc() && fin == s.data() + s.size() && v > 0;
}

} // namespace

std::optional<TDefauts> LitDefauts(std::string_view texte, std::string* erreur) {
    TDefauts d;
    while (!texte.empty()) {
        const auto virgule = texte.find(',');
        const std::string_view element = texte.substr(0, virgule);
        texte = virgule == std::string_view::npos ? std::string_view{} : texte.substr(virgule + 1);
        if (element.empty()) continue;
        if (element.starts_with("pace=")) {
            if (!Entier(element.substr(5), d.debitBauds)) {
                if (erreur) *erreur = "bad rate in \"" + std::string(element) + "\"";
                return std::nullopt;
            }
            continue;
        }
        const auto arobase = element.find('@');
        const std::string_view nom = element.substr(0, arobase);
        TRegleDefaut r;
        bool connu = false;
        for (const auto& n : NOMS)
            if (n.nom == nom) {
                r.type = n.type;
                connu = true;
            }
        if (!connu ||
            (arobase != std::string_view::npos && !Entier(element.substr(arobase + 1), r.periode))) {
            if (erreur) *erreur = "unknown fault \"" + std::string(element) + "\"";
            return std::nullopt;
        }
        d.regles.push_back(r);
    }
    return d;
}

TReponseAlteree AppliqueDefauts(const TDefauts& d, long echange, std::vector<uint8_t> reponse) {
    TReponseAlteree r;
    for (const auto& regle : d.regles) {
        const bool touche =
            regle.type == TypeDefaut::Coupure ? echange == regle.periode : echange % regle.periode == 0;
        if (!touche || reponse.empty()) continue;
        switch (regle.type) {
        case TypeDefaut::SansReponse:
            reponse.clear();
            break;
        case TypeDefaut::MauvaisCrc:
            reponse.back() = static_cast<uint8_t>(~reponse.back());
            break;
        case TypeDefaut::ReponseCourte:
            reponse.resize(reponse.size() > 3 ? reponse.size() - 3 : 1);
            break;
        case TypeDefaut::OctetsEnTrop:
            reponse.insert(reponse.end(), {0x00, 0xFF});
            break;
        case TypeDefaut::Coupure:
            reponse.resize(reponse.size() / 2);
            r.coupure = true;
            break;
        }
    }
    r.octets = std::move(reponse);
    return r;
}
