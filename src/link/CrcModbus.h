#pragma once
// CRC-16/MODBUS, shared by the program and by the simulated drive so that each side checks
// the other's frames.

#include <cstddef>
#include <cstdint>

// CRC of the first n bytes; appended to a frame low byte first.
uint16_t calculcrc(std::size_t n, const uint8_t* octets);
