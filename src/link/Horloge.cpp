#include "Horloge.h"

#include <QThread>
#include <QTime>

namespace {

class HorlogeSysteme final : public Horloge {
public:
    int32_t maintenantMs() override { return QTime::currentTime().msecsSinceStartOfDay(); }
    void attendre(int ms) override { QThread::msleep(static_cast<unsigned long>(ms)); }
};

} // namespace

Horloge& horlogeSysteme() {
    static HorlogeSysteme h;
    return h;
}
