// A fresh simulated host in a temporary directory, with a fixed clock.
#pragma once
#include "estado.h"
#include "platform.h"

#include <QDateTime>
#include <QTemporaryDir>
#include <gtest/gtest.h>

class HostSimTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        Plataforma::DefineDiretorioHost(dir.path());
        Plataforma::DefineAgora(QDateTime(QDate(2026, 12, 5), QTime(10, 30, 0)));
        hostsim::estado().reinicia();
    }
    void TearDown() override {
        hostsim::estado().reinicia();
        Plataforma::DefineAgora({});
        Plataforma::DefineDiretorioHost({});
    }
    QString caminho(const QString& nome) const { return dir.path() + '/' + nome; }
    QTemporaryDir dir;
};
