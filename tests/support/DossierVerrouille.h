#pragma once
// Makes a folder refuse new files, even to root (immutable flag), for the tests of failed saves.

#include <QDir>
#include <QFile>
#include <QString>

#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <unistd.h>

class DossierVerrouille {
public:
    explicit DossierVerrouille(QString dossier) : m_dossier(std::move(dossier)) {
        QFile::setPermissions(m_dossier, QFile::ReadOwner | QFile::ExeOwner);
        drapeau(true);
        QFile essai(QDir(m_dossier).filePath(".essai-ecriture"));
        m_verrouille = !essai.open(QIODevice::WriteOnly);
        if (!m_verrouille) essai.remove();
    }
    ~DossierVerrouille() {
        drapeau(false);
        QFile::setPermissions(m_dossier, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    DossierVerrouille(const DossierVerrouille&) = delete;
    DossierVerrouille& operator=(const DossierVerrouille&) = delete;
    // False where neither the permissions nor the flag hold (some file systems): skip the test.
    bool verrouille() const { return m_verrouille; }

private:
    void drapeau(bool pose) {
        const int fd = ::open(QFile::encodeName(m_dossier).constData(), O_RDONLY | O_DIRECTORY);
        if (fd < 0) return;
        int f = 0;
        if (::ioctl(fd, FS_IOC_GETFLAGS, &f) == 0) {
            f = pose ? (f | FS_IMMUTABLE_FL) : (f & ~FS_IMMUTABLE_FL);
            ::ioctl(fd, FS_IOC_SETFLAGS, &f);
        }
        ::close(fd);
    }
    QString m_dossier;
    bool m_verrouille = false;
};
