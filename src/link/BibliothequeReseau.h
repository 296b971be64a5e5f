#pragma once
// The drive's network library: eight operations that read and write drive parameters named by
// menu and parameter, at a drive named by its address text "(a.b.c.d)". Every request is
// answered later through KNR_PollForResponse.

#include <QByteArray>

#include <array>
#include <cstdint>
#include <memory>

// Parameter descriptor: word 0 is 1, 1 menu, 2 parameter, 4 the value, the others 0.
struct TKnrObject {
    std::array<int32_t, 8> mots{};
    static TKnrObject pour(int menu, int parametre, int32_t valeur = 0) {
        TKnrObject o;
        o.mots = {1, menu, parametre, 0, valeur, 0, 0, 0};
        return o;
    }
    int32_t valeur() const { return mots[4]; }
};

// Kinds of response, in the low 16 bits of a response; the high 16 bits are its status.
namespace reponseKnr {
constexpr int32_t lecture = 17;
constexpr int32_t ecriture = 18;
constexpr int32_t lectureListe = 23;
constexpr int32_t ecritureListe = 24;
constexpr int32_t succes = 1;
constexpr int32_t compose(int32_t genre, int32_t statut) {
    return genre | (statut << 16);
}
} // namespace reponseKnr

class BibliothequeReseau {
public:
    virtual ~BibliothequeReseau() = default;
    virtual int32_t KNR_SetParameters(const std::array<int32_t, 5>& parametres) = 0;
    // A handle of 0 or more, negative on failure.
    virtual int32_t KNR_RegisterUser(int32_t a, int32_t b, int32_t c, int32_t d) = 0;
    virtual int32_t KNR_DeleteUser(int32_t utilisateur) = 0;
    // 0 when the request is accepted, an error code otherwise.
    virtual int32_t KNR_ReadObject(int32_t utilisateur, const QByteArray& adresse, TKnrObject* objet) = 0;
    virtual int32_t KNR_ReadObjectList(int32_t utilisateur, const QByteArray& adresse, TKnrObject* liste,
                                       int32_t n) = 0;
    virtual int32_t KNR_WriteObject(int32_t utilisateur, const QByteArray& adresse, TKnrObject* objet) = 0;
    virtual int32_t KNR_WriteObjectList(int32_t utilisateur, const QByteArray& adresse, TKnrObject* liste,
                                        int32_t n) = 0;
    // 0 while no response has come; otherwise kind | status << 16.
    virtual int32_t KNR_PollForResponse(int32_t utilisateur) = 0;
};

// The program's own library: Modbus TCP to unit 1 on port 502 (or VIMRA_MODBUS_TCP_PORT),
// register = menu x 100 + parameter - 1, functions 3 and 16. Every wait is bounded: a drive
// that does not answer gives a time-out response instead of a frozen program. With bounds of 0,
// an exchange, its connection included, waits no longer than it would on the serial line.
std::unique_ptr<BibliothequeReseau> creeBibliothequeModbusTcp(int delaiReponseMs = 0,
                                                              int delaiConnexionMs = 0);

// Status of the responses of the Modbus TCP library other than success.
namespace statutKnr {
constexpr int32_t exception = 2;   // the drive answered with a Modbus exception
constexpr int32_t delai = 3;       // no answer in time
constexpr int32_t ligne = 4;       // connection lost or reply malformed
constexpr int32_t sansRequete = 5; // polled with no request outstanding
} // namespace statutKnr

// What the bytes received so far on the Modbus TCP route say about the request awaited: the status
// of the response (0 while more bytes are needed) and how many bytes it takes. A read fills the
// values of `objets` (n of them) on success.
namespace reponseTcp {
struct Attente {
    uint16_t transaction = 0;
    int fonction = 0; // 3 or 16
    int n = 0;        // 1..10
    int32_t genre = 0;
};
struct Analyse {
    int32_t statut = 0;
    int consommes = 0;
};
Analyse analyse(const QByteArray& recu, const Attente& attente, TKnrObject* objets);
} // namespace reponseTcp
