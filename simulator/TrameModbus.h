#pragma once
// The drive's Modbus slave: request bytes in, reply bytes out, without any I/O, so that every
// server and every test share it. Slave 1, functions 3 (read holding registers), 6 (write single
// register), 16 (write multiple registers) and 23 (read/write multiple registers), so that any
// Modbus master can drive it. Model 0 reads the standard RTU layout; model 1 expects one zero byte
// between the high and low bytes of every register address. Replies are standard in both models.

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

class TBanc;

inline constexpr uint8_t ESCLAVE_VARIATEUR = 1;

// Modbus exception codes the drive answers with.
inline constexpr uint8_t EXCEPTION_FONCTION = 0x01;
inline constexpr uint8_t EXCEPTION_ADRESSE = 0x02;
inline constexpr uint8_t EXCEPTION_VALEUR = 0x03;
inline constexpr uint8_t EXCEPTION_PASSERELLE = 0x0B; // Modbus TCP: no such unit

// The drive's register map: menus 0 to 22, registers 0..2299 (menu x 100 + parameter - 1). A
// request that reaches past it is refused with exception 02.
inline constexpr int NB_REGISTRES = 2300;

// Length of the RTU request that starts the buffer, in the layout of the model: 0 while too few
// bytes are in to tell, -1 for a function whose length the drive does not know (such a frame
// ends with the silence on the line).
int LongueurRequeteRtu(std::span<const uint8_t> debut, int modele);

// A request frame for slave 1, CRC included, from a standard PDU (function code and data), in
// the layout of the model: for model 1 the zero byte goes into each register address.
std::vector<uint8_t> RequeteRtu(std::span<const uint8_t> pdu, int modele);
// The request frame of the program, for tests and tools: read of n registers, or write of the
// values, from address a, CRC included, in the layout of the model.
std::vector<uint8_t> RequeteLectureRtu(uint16_t a, uint16_t n, int modele);
std::vector<uint8_t> RequeteEcritureRtu(uint16_t a, std::span<const uint16_t> valeurs, int modele);
// Appends the CRC, low byte first.
void AjouteCrc(std::vector<uint8_t>& trame);
bool CrcValide(std::span<const uint8_t> trame);

class TEsclaveModbus {
public:
    TEsclaveModbus(TBanc& banc, int modele) : banc_(banc), modele_(modele == 1 ? 1 : 0) {}

    int modele() const { return modele_; }
    // One whole RTU frame. An empty reply means silence: bad CRC, another slave, a broadcast, or
    // a frame that does not hold what its header announces.
    std::vector<uint8_t> requeteRtu(std::span<const uint8_t> trame);
    // One whole Modbus TCP frame (MBAP header and PDU); empty: nothing to answer.
    std::vector<uint8_t> requeteTcp(std::span<const uint8_t> adu);
    // Function code and data in, reply PDU out (an exception PDU when refused).
    std::vector<uint8_t> traitePdu(std::span<const uint8_t> pdu);

private:
    TBanc& banc_;
    int modele_;
};
