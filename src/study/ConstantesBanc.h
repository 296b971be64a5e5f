#pragma once
// The bench constants that the load laws are scaled by: the synchronous speed of the mains and the
// ratings of the bench's power class.

#include <cstdint>

struct TConfigGenerale;

struct ConstantesBanc {
    int32_t SyncSpeed;      // tr/min: 1500 at 50 Hz, 1800 at 60 Hz
    int32_t RatedTorque;    // hundredths of N.m
    int32_t RatedPower;     // W
    int32_t RatedInertia;   // thousandths of kg.m2
    int32_t AngularSpeed10; // synchronous angular speed, tenths of rad/s
};

ConstantesBanc constantesBanc(int frequenceReseau, int classePuissance);
ConstantesBanc constantesBanc(const TConfigGenerale& config);
