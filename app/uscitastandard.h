#pragma once
// Standard output or standard error as a device that remembers why a write failed, so that a
// run whose output is lost (a full disk, a closed pipe) ends with a message and exit status 2
// instead of reporting success.

#include "shell/sistema.h"

#include <QIODevice>

class UscitaStandard : public QIODevice {
public:
    // quale: 1 standard output, 2 standard error
    explicit UscitaStandard(int quale) : m_quale(quale)
    {
        open(QIODevice::WriteOnly | QIODevice::Unbuffered);
    }
    bool isSequential() const override { return true; }
    // 0 while every write went through; else the system's error of the first that failed
    int errore() const { return m_errore; }

protected:
    qint64 readData(char *, qint64) override { return -1; }
    qint64 writeData(const char *dati, qint64 quanti) override
    {
        if (m_errore != 0)
            return -1;
        m_errore = sistema::scriviUscita(m_quale, dati, quanti);
        return m_errore == 0 ? quanti : -1;
    }

private:
    int m_quale;
    int m_errore = 0;
};
