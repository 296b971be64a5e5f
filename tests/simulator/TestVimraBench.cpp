// vimra-bench run as a user runs it: its pseudo-terminal and TCP port answer libmodbus and
// mbpoll, and it leaves cleanly on SIGTERM.

#include "simulator/Banc.h"

#include <gtest/gtest.h>
#include <modbus.h>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <poll.h>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <utility>
#include <vector>

namespace {

// A child process whose standard output the test reads.
class Processus {
public:
    explicit Processus(std::vector<std::string> args) {
        args.insert(args.begin(), VIMRA_BENCH);
        int tube[2];
        if (pipe(tube) != 0) return;
        pid_ = fork();
        if (pid_ == 0) {
            dup2(tube[1], STDOUT_FILENO);
            close(tube[0]);
            close(tube[1]);
            std::vector<char*> argv;
            for (auto& a : args)
                argv.push_back(a.data());
            argv.push_back(nullptr);
            execv(argv[0], argv.data());
            _exit(127);
        }
        close(tube[1]);
        sortie_ = tube[0];
    }
    ~Processus() {
        if (pid_ > 0 && !fini_) {
            kill(pid_, SIGKILL);
            waitpid(pid_, nullptr, 0);
        }
        if (sortie_ >= 0) close(sortie_);
    }
    // The first line printed, within the delay.
    std::string ligne(int ms = 3000) {
        std::string l;
        char c;
        while (true) {
            pollfd p{sortie_, POLLIN, 0};
            if (poll(&p, 1, ms) <= 0 || read(sortie_, &c, 1) != 1 || c == '\n') break;
            l += c;
        }
        return l;
    }
    // Exit status after a signal, or -1 when it did not end within two seconds.
    int termine(int signal) {
        kill(pid_, signal);
        for (int i = 0; i < 200; ++i) {
            int statut = 0;
            if (waitpid(pid_, &statut, WNOHANG) == pid_) {
                fini_ = true;
                return WIFEXITED(statut) ? WEXITSTATUS(statut) : 128 + WTERMSIG(statut);
            }
            usleep(10000);
        }
        return -1;
    }

private:
    pid_t pid_ = -1;
    int sortie_ = -1;
    bool fini_ = false;
};

// mbpoll's exit status and what it printed.
std::pair<int, std::string> Mbpoll(const std::string& args) {
    FILE* f = popen(("mbpoll " + args + " 2>&1").c_str(), "r");
    if (!f) return {-1, ""};
    std::string sortie;
    char tampon[256];
    while (fgets(tampon, sizeof tampon, f))
        sortie += tampon;
    return {pclose(f), sortie};
}

int Lance(const std::string& args) {
    const int r = std::system((std::string(VIMRA_BENCH) + " " + args + " >/dev/null 2>&1").c_str());
    return WIFEXITED(r) ? WEXITSTATUS(r) : -1;
}

TEST(VimraBench, ServesItsPtyAndLeavesOnSigterm) {
    Processus p({"--pty", "--class", "1", "--machine", "3"});
    const std::string chemin = p.ligne();
    ASSERT_EQ(chemin.rfind("/dev/pts/", 0), 0u) << chemin;
    modbus_t* ctx = modbus_new_rtu(chemin.c_str(), 19200, 'N', 8, 1);
    modbus_set_slave(ctx, 1);
    ASSERT_EQ(modbus_connect(ctx), 0);
    uint16_t v[10];
    ASSERT_EQ(modbus_read_registers(ctx, ADRESSE_CALIBRE, 1, v), 1) << modbus_strerror(errno);
    EXPECT_EQ(v[0], CalibreDeClasse(1));
    ASSERT_EQ(modbus_read_registers(ctx, ADRESSE_MESURES, 10, v), 10);
    EXPECT_EQ(v[7], 2300); // the asynchronous machine on 230 V phases
    modbus_close(ctx);
    modbus_free(ctx);
    EXPECT_EQ(p.termine(SIGTERM), 0);
}

// The port a bench asked for port 0 took, as its first line gives it; empty if it gave no port.
std::string portOuvert(Processus& p) {
    const std::string ligne = p.ligne();
    const std::string prefixe = "127.0.0.1:";
    if (ligne.rfind(prefixe, 0) != 0 || ligne.size() == prefixe.size() || ligne.substr(prefixe.size()) == "0")
        return {};
    return ligne.substr(prefixe.size());
}

TEST(VimraBench, AnswersMbpollOnItsTcpPort) {
    if (std::system("command -v mbpoll >/dev/null 2>&1") != 0) GTEST_SKIP() << "mbpoll is not installed";
    Processus p({"--tcp", "127.0.0.1:0", "--machine", "3"});
    const std::string port = portOuvert(p);
    ASSERT_FALSE(port.empty());
    const auto [statut, sortie] = Mbpoll("-m tcp -p " + port + " -a 1 -r 2001 -c 10 -1 -0 127.0.0.1");
    EXPECT_EQ(statut, 0) << sortie;
    // mbpoll prints "[ref]: value" for each register, references counted from 0 with -0.
    std::vector<int> valeurs;
    std::istringstream lignes(sortie);
    for (std::string l; std::getline(lignes, l);) {
        int ref = 0, v = 0;
        if (std::sscanf(l.c_str(), "[%d]: %d", &ref, &v) == 2) {
            EXPECT_EQ(ref, ADRESSE_MESURES + static_cast<int>(valeurs.size()));
            valeurs.push_back(v);
        }
    }
    ASSERT_EQ(valeurs.size(), 10u) << sortie;
    EXPECT_EQ(valeurs[0], 0);    // no sweep
    EXPECT_EQ(valeurs[6], 0);    // no direct voltage on an asynchronous machine
    EXPECT_EQ(valeurs[7], 2300); // its phase voltage, in tenths of V
    EXPECT_EQ(p.termine(SIGINT), 0);
}

TEST(VimraBench, MbpollWritesOneRegisterWithFunctionSixAndReadsItBack) {
    if (std::system("command -v mbpoll >/dev/null 2>&1") != 0) GTEST_SKIP() << "mbpoll is not installed";
    Processus p({"--tcp", "127.0.0.1:0"});
    const std::string port = portOuvert(p);
    ASSERT_FALSE(port.empty());
    const std::string echo =
        "-m tcp -p " + port + " -a 1 -0 -r " + std::to_string(ADRESSE_ECHO) + " -1 127.0.0.1";
    const auto [ecrit, sortieEcrit] = Mbpoll(echo + " 1234");
    EXPECT_EQ(ecrit, 0) << sortieEcrit;
    const auto [lu, sortieLu] = Mbpoll(echo);
    EXPECT_EQ(lu, 0) << sortieLu;
    EXPECT_NE(sortieLu.find("[" + std::to_string(ADRESSE_ECHO) + "]: \t1234"), std::string::npos) << sortieLu;
    // Past the register map: the standard exception, which mbpoll names.
    const auto [refus, sortieRefus] = Mbpoll("-m tcp -p " + port + " -a 1 -0 -r 2300 -1 127.0.0.1 5");
    EXPECT_NE(refus, 0);
    EXPECT_NE(sortieRefus.find("Illegal data address"), std::string::npos) << sortieRefus;
    EXPECT_EQ(p.termine(SIGTERM), 0);
}

TEST(VimraBench, HelpAndUsageErrors) {
    EXPECT_EQ(Lance("--help"), 0);
    EXPECT_EQ(Lance(""), 1);
    EXPECT_EQ(Lance("--pty --machine 9"), 1);
    EXPECT_EQ(Lance("--pty --faults slow"), 1);
    EXPECT_EQ(Lance("--tcp 127.0.0.1"), 1);
    EXPECT_EQ(Lance("--serial /nonexistent/ttyS99"), 2);
}

} // namespace
