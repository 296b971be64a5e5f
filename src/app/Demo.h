#pragma once
// Demo mode: the simulated bench inside the program, on a pseudo-terminal that the serial route
// opens. The bench follows the machine and the current range chosen in the study.

#include <QObject>

#include <memory>

class Liaison;
class QTimer;
class TBanc;
class TBancSimule;

class Demo : public QObject {
public:
    // Starts the bench; false (with a message on the standard error stream) when it cannot.
    static std::unique_ptr<Demo> demarre(Liaison& liaison);
    ~Demo() override;
    // The simulated bench: what it received, as its registers and control word show it.
    TBanc& banc();

private:
    Demo(Liaison& liaison, std::unique_ptr<TBancSimule> banc);
    void suit();

    Liaison& m_liaison;
    std::unique_ptr<TBancSimule> m_banc;
    QTimer* m_minuterie;
    int m_machine = 0;
    int m_calibre = 0;
    bool m_annonce = false;
};
