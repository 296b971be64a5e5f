// The measurement cycle: one block read of ten words and the status echo, on a pseudo-terminal.
// Against a slave that answers at once it is compared with libmodbus doing the same two exchanges;
// against a slave paced at 19200 baud (ours, and the simulated bench), with the time the line
// itself needs.
#include "EsclavePty.h"
#include "Rapport.h"
#include "link/Horloge.h"
#include "link/MachineDuTravail.h"
#include "link/ModbusRtu.h"
#include "link/PortSerie.h"
#include "simulator/BancSimule.h"
#include "socle/ConfigGenerale.h"
#include "work/Travail.h"

#include <QCoreApplication>
#include <QThread>

#include <modbus.h>

namespace {

// The drive's 10 ms pause before a read reply, slept for real or skipped.
class HorlogePause final : public Horloge {
public:
    bool dort = true;
    int32_t maintenantMs() override { return horlogeSysteme().maintenantMs(); }
    void attendre(int ms) override {
        if (dort) QThread::usleep(static_cast<unsigned long>(ms) * 1000);
    }
};

struct Banc {
    EsclavePty esclave;
    std::unique_ptr<PortSerie> port = creePortSerieSysteme();
    std::unique_ptr<BibliothequeReseau> reseau = creeBibliothequeModbusTcp();
    TConfigGenerale config = TConfigGenerale::defaut();
    std::unique_ptr<Travail> travail = std::make_unique<Travail>();
    SessionTravail session;
    HorlogePause horloge;
    std::unique_ptr<Liaison> liaison;

    Banc(int modele, int microsParOctet, bool pause) {
        esclave.microsParOctet = microsParOctet;
        esclave.avec([&](EsclaveScripte& e) {
            e.modele = modele;
            for (int i = 0; i < 10; ++i)
                e.registres[uint16_t(2001 + i)] = uint16_t(100 * i + 4);
            return 0;
        });
        config.TypeLiaison = 1;
        config.TypeVariateur = modele;
        horloge.dort = pause;
        liaison = std::make_unique<Liaison>(*port, *reseau, horloge, config, machineDuTravail(session));
        liaison->serie().NomPortImpose = esclave.pty.chemin();
        liaison->Ouvre();
    }
};

// Bytes on the line in one cycle: block request and its 25-byte reply, echo request and its reply.
double tempsFil(int modele) {
    const int octets = (8 + modele) + modbus::longueurReponseLecture(10) + (11 + modele) + 8;
    return octets * 10.0 / 19200.0 + 0.010;
}

void CycleVimra(benchmark::State& etat, int modele, int microsParOctet, bool pause) {
    Banc banc(modele, microsParOctet, pause);
    for (auto _ : etat) {
        if (!banc.liaison->LectureValeurs()) etat.SkipWithError("the cycle failed");
    }
    if (microsParOctet) etat.counters["floor"] = tempsFil(modele);
}

// The same cycle against the simulated bench, its replies paced at 19200 baud.
void CycleBancSimule(benchmark::State& etat, int modele) {
    TDefauts rythme;
    rythme.debitBauds = 19200;
    TCadence cadence;
    cadence.pasParRequete = 0.001;
    auto simule = TBancSimule::surPty(TConfigBanc{}, modele, cadence, rythme);
    if (!simule) {
        etat.SkipWithError("no pseudo-terminal for the simulated bench");
        return;
    }
    auto port = creePortSerieSysteme();
    auto reseau = creeBibliothequeModbusTcp();
    TConfigGenerale config = TConfigGenerale::defaut();
    config.TypeLiaison = 1;
    config.TypeVariateur = modele;
    auto travail = std::make_unique<Travail>();
    SessionTravail session;
    HorlogePause horloge;
    Liaison liaison(*port, *reseau, horloge, config, machineDuTravail(session));
    liaison.serie().NomPortImpose = QString::fromStdString(simule->chemin());
    liaison.Ouvre();
    for (auto _ : etat) {
        if (!liaison.LectureValeurs()) etat.SkipWithError("the cycle failed");
    }
    etat.counters["floor"] = tempsFil(modele);
}

// The cycle without the pause, against libmodbus doing the same two exchanges with the same slave,
// in alternation (tempsAlternes): 501 batches of 2 cycles each way. The round trip through a
// pseudo-terminal depends much on where the scheduler puts the slave's thread: with one slave for
// both, both ways meet the same.
void CycleContreLibmodbus(benchmark::State& etat) {
    Banc banc(0, 0, false);
    modbus_t* ctx = modbus_new_rtu(banc.esclave.pty.chemin().toLocal8Bit().constData(), 19200, 'N', 8, 1);
    if (!ctx || modbus_set_slave(ctx, 1) != 0 || modbus_connect(ctx) != 0) {
        etat.SkipWithError("libmodbus cannot open the pseudo-terminal");
        if (ctx) modbus_free(ctx);
        return;
    }
    uint16_t mots[10];
    for (auto _ : etat) {
        const auto [vimra, libmodbus] = tempsAlternes(
            [&] {
                if (!banc.liaison->LectureValeurs()) etat.SkipWithError("the cycle failed");
            },
            [&] {
                if (modbus_read_registers(ctx, 2001, 10, mots) != 10 ||
                    modbus_write_register(ctx, 1829, mots[0] | 1) != 1)
                    etat.SkipWithError("libmodbus exchange failed");
            },
            501, 2);
        etat.SetIterationTime(vimra);
        etat.counters["libmodbus"] = libmodbus;
    }
    modbus_close(ctx);
    modbus_free(ctx);
}

} // namespace

BENCHMARK_CAPTURE(CycleVimra, immediate_with_pause, 0, 0, true)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(CycleContreLibmodbus)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(1);
BENCHMARK_CAPTURE(CycleVimra, paced_19200_model0, 0, 521, true)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(60);
BENCHMARK_CAPTURE(CycleVimra, paced_19200_model1, 1, 521, true)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(60);

BENCHMARK_CAPTURE(CycleBancSimule, bench_model0, 0)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(60);
BENCHMARK_CAPTURE(CycleBancSimule, bench_model1, 1)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(60);

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    Rapport rapport({
        {"cycle, slave answers at once, exchanges only / libmodbus", "CycleContreLibmodbus", "", "libmodbus",
         1.0},
        {"cycle, slave answers at once, with the drive's 10 ms pause", "CycleVimra/immediate_with_pause", "",
         "", 0, 0},
        {"cycle at 19200 baud, model 0 / wire time + 10 ms", "CycleVimra/paced_19200_model0", "", "floor",
         1.05},
        {"cycle at 19200 baud, model 1 / wire time + 10 ms", "CycleVimra/paced_19200_model1", "", "floor",
         1.05},
        {"cycle on the simulated bench at 19200 baud, model 0 / wire time + 10 ms",
         "CycleBancSimule/bench_model0", "", "floor", 1.05},
        {"cycle on the simulated bench at 19200 baud, model 1 / wire time + 10 ms",
         "CycleBancSimule/bench_model1", "", "floor", 1.05},
    });
    benchmark::RunSpecifiedBenchmarks(&rapport);
    const bool ok = rapport.imprime();
    benchmark::Shutdown();
    return ok ? 0 : 1;
}
