// The system's files through POSIX calls.

#include "sistema.h"

#include "nomi.h"

#include <QRandomGenerator>

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace sistema {

namespace {

Tipo tipoDi(const struct stat &st)
{
    if (S_ISREG(st.st_mode))
        return Tipo::File;
    return S_ISDIR(st.st_mode) ? Tipo::Cartella : Tipo::Altro;
}

// Closes the descriptor on every way out.
struct Descrittore {
    int fd = -1;
    ~Descrittore()
    {
        if (fd >= 0)
            ::close(fd);
    }
    int chiudi()
    {
        const int esito = ::close(fd);
        fd = -1;
        return esito;
    }
};

bool scriviTutto(int fd, const QByteArray &byte)
{
    const char *dati = byte.constData();
    qsizetype resto = byte.size();
    while (resto > 0) {
        const ssize_t scritti = ::write(fd, dati, std::size_t(resto));
        if (scritti < 0 && errno == EINTR)
            continue;
        if (scritti < 0)
            return false;
        if (scritti == 0) {
            errno = ENOSPC;
            return false;
        }
        dati += scritti;
        resto -= scritti;
    }
    return true;
}

} // namespace

Voce esamina(const QString &path)
{
    Voce v;
    struct stat st;
    if (::stat(nomi::inByte(path).constData(), &st) != 0) {
        v.errore = errno;
        return v;
    }
    v.tipo = tipoDi(st);
    v.dispositivo = st.st_dev;
    v.nodo = st.st_ino;
    return v;
}

bool collegamento(const QString &path)
{
    struct stat st;
    return ::lstat(nomi::inByte(path).constData(), &st) == 0 && S_ISLNK(st.st_mode);
}

Lettura leggi(const QString &path, qint64 massimo)
{
    Lettura l;
    Descrittore d;
    do
        d.fd = ::open(nomi::inByte(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    while (d.fd < 0 && errno == EINTR);
    if (d.fd < 0) {
        l.errore = errno;
        return l;
    }
    l.aperto = true;
    struct stat st;
    if (::fstat(d.fd, &st) != 0) {
        l.errore = errno;
        return l;
    }
    l.tipo = tipoDi(st);
    if (l.tipo != Tipo::File)
        return l;
    // Read in pieces sized by the file, up to one byte past the limit: a data file is a few
    // hundred bytes, and a buffer of the whole limit for every open would be wasted.
    const qint64 stima = st.st_size; // a guess: what is read decides
    while (l.byte.size() <= massimo) {
        const qint64 voluti = qMin<qint64>(qMax<qint64>(4096, stima + 1 - l.byte.size()),
                                           massimo + 1 - l.byte.size());
        const qsizetype prima = l.byte.size();
        l.byte.resize(prima + voluti);
        const ssize_t letti = ::read(d.fd, l.byte.data() + prima, std::size_t(voluti));
        if (letti < 0 && errno == EINTR) {
            l.byte.resize(prima);
            continue;
        }
        if (letti < 0) {
            l.errore = errno;
            l.byte.clear();
            return l;
        }
        l.byte.resize(prima + letti);
        if (letti == 0)
            break;
    }
    l.troppoGrande = l.byte.size() > massimo;
    return l;
}

Scrittura scrivi(const QString &path, const QByteArray &byte)
{
    Scrittura s;
    QByteArray nome = nomi::inByte(path);
    struct stat st;
    if (::stat(nome.constData(), &st) == 0) {
        s.esisteva = true;
        if (S_ISDIR(st.st_mode))
            s.fase = Scrittura::Cartella;
        else if (!S_ISREG(st.st_mode))
            s.fase = Scrittura::NonNormale;
        if (!s.ok())
            return s;
        // a link is followed: the file it names gets the new bytes, the link stays
        if (char *vero = ::realpath(nome.constData(), nullptr)) {
            nome = vero;
            std::free(vero);
        }
    } else if (errno != ENOENT) {
        s.fase = Scrittura::Apertura;
        s.errore = errno;
        return s;
    }

    // the new file beside the target, under a name of its own; a long name is shortened so
    // that the scratch name fits where the target's does
    const qsizetype barra = nome.lastIndexOf('/');
    const QByteArray cartella = nome.left(barra + 1);
    const QByteArray base = nome.mid(barra + 1).left(200);
    Descrittore d;
    QByteArray provvisorio;
    for (int prova = 0; prova < 100 && d.fd < 0; ++prova) {
        provvisorio = cartella + '.' + base + '.' +
                      QByteArray::number(QRandomGenerator::global()->generate(), 36);
        d.fd = ::open(provvisorio.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOCTTY,
                      0666);
        if (d.fd < 0 && errno != EEXIST && errno != EINTR)
            break;
    }
    if (d.fd < 0) {
        s.fase = Scrittura::Apertura;
        s.errore = errno;
        return s;
    }
    if (s.esisteva)
        (void)::fchmod(d.fd, st.st_mode & 07777); // the old file's permissions
    const auto fallita = [&](Scrittura::Fase fase) {
        s.fase = fase;
        s.errore = errno;
        if (d.fd >= 0)
            d.chiudi();
        ::unlink(provvisorio.constData());
        s.errore = s.errore ? s.errore : EIO;
        return s;
    };
    if (!scriviTutto(d.fd, byte) || ::fsync(d.fd) != 0 || d.chiudi() != 0)
        return fallita(Scrittura::Invio);
    if (::rename(provvisorio.constData(), nome.constData()) != 0)
        return fallita(Scrittura::Sostituzione);
    return s;
}

Elenco elenca(const QString &cartella)
{
    Elenco e;
    DIR *dir = ::opendir(nomi::inByte(cartella).constData());
    if (!dir) {
        e.errore = errno;
        return e;
    }
    errno = 0;
    while (const dirent *voce = ::readdir(dir)) {
        const QByteArray nome(voce->d_name);
        bool cartella = voce->d_type == DT_DIR;
        // a link, or a file system that does not say: the entry itself is looked at
        if (voce->d_type == DT_LNK || voce->d_type == DT_UNKNOWN) {
            struct stat st;
            cartella = ::fstatat(::dirfd(dir), voce->d_name, &st, 0) == 0 && S_ISDIR(st.st_mode);
        }
        if (!cartella)
            e.nomi << nomi::daByte(nome);
        errno = 0;
    }
    e.errore = errno;
    ::closedir(dir);
    return e;
}

int scriviUscita(int quale, const char *dati, qint64 quanti)
{
    return scriviTutto(quale, QByteArray::fromRawData(dati, quanti)) ? 0 : errno;
}

void preparaProcesso()
{
    std::signal(SIGXFSZ, SIG_IGN);
    std::signal(SIGPIPE, SIG_IGN);
}

QString descrivi(int errore)
{
    char testo[256];
    return QString::fromLocal8Bit(::strerror_r(errore, testo, sizeof testo));
}

} // namespace sistema
