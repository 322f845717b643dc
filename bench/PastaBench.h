#pragma once
// An application folder for the benchmark: resources and a database whose account 1 holds
// `movimentos` generated movements.
#include <QString>
#include <QTemporaryDir>

class PastaBench
{
public:
    explicit PastaBench(int movimentos);
    QString caminho() const { return m_dir.path(); }

private:
    QTemporaryDir m_dir;
};
