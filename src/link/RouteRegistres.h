#pragma once
// A route to the drive's registers: the serial line (Modbus RTU, either frame layout) or the
// network library. Each operation is one exchange and gives its result code, 0 on success.

#include <array>
#include <cstdint>

using Valeurs10 = std::array<int32_t, 10>;

class RouteRegistres {
public:
    virtual ~RouteRegistres() = default;
    // Makes sure the route is open, without talking to the drive; true when it is.
    virtual bool ouvre() = 0;
    // Releases the route without telling the drive anything.
    virtual void relache() = 0;

    // The value read, and its result code in `code`.
    virtual int32_t lit(int menu, int parametre, int32_t& code) = 0;
    // n words (1..10) from menu.parametre on into `valeurs`.
    virtual int32_t litListe(int menu, int parametre, int n, Valeurs10& valeurs) = 0;
    virtual int32_t ecrit(int menu, int parametre, int32_t valeur) = 0;
    virtual int32_t ecritListe(int menu, int parametre, const Valeurs10& valeurs, int n) = 0;
};
