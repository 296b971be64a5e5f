#pragma once
// A network library with no drive behind it: every request is refused.

#include "link/BibliothequeReseau.h"

class BibliothequeAbsente final : public BibliothequeReseau {
public:
    int32_t KNR_SetParameters(const std::array<int32_t, 5>&) override { return 0; }
    int32_t KNR_RegisterUser(int32_t, int32_t, int32_t, int32_t) override { return -1; }
    int32_t KNR_DeleteUser(int32_t) override { return 0; }
    int32_t KNR_ReadObject(int32_t, const QByteArray&, TKnrObject*) override { return 1; }
    int32_t KNR_ReadObjectList(int32_t, const QByteArray&, TKnrObject*, int32_t) override { return 1; }
    int32_t KNR_WriteObject(int32_t, const QByteArray&, TKnrObject*) override { return 1; }
    int32_t KNR_WriteObjectList(int32_t, const QByteArray&, TKnrObject*, int32_t) override { return 1; }
    int32_t KNR_PollForResponse(int32_t) override { return 0; }
};
