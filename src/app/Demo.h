#pragma once
// Demo mode: the simulated bench inside the program, on a pseudo-terminal that the serial route
// opens, or, where the system has none, straight behind the serial route. The bench follows the
// machine and the current range chosen in the study.

#include <QObject>

#include <memory>

class Liaison;
class PortSerie;
class QTimer;
class TBanc;
class TBancSimule;
class PortBanc;

class Demo : public QObject {
public:
    Demo();
    ~Demo() override;

    // The port the link is to be built on.
    PortSerie& port() { return *m_port; }
    // Whether the bench answers on a line of the system, from a thread of its own; otherwise it
    // turns with the window thread, and the exchanges must stay there.
    static bool surLigne();
    // Starts the bench, once the settings are read, and points the link at it without saving its
    // port into the settings; false (with a message on the standard error stream) when it cannot.
    bool demarre(Liaison& liaison);
    // The simulated bench, once started: what it received, as its registers and control word show.
    TBanc& banc();

private:
    void suit();

#ifdef Q_OS_UNIX
    std::unique_ptr<TBancSimule> m_banc;
#else
    std::unique_ptr<TBanc> m_banc;
    PortBanc* m_portBanc = nullptr;
#endif
    std::unique_ptr<PortSerie> m_port;
    Liaison* m_liaison = nullptr;
    QTimer* m_minuterie;
    int m_machine = 0;
    int m_calibre = 0;
    bool m_annonce = false;
};
