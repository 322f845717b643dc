#include "PastaBench.h"
#include "data/BaseDados.h"
#include "data/DadosDemonstracao.h"
#include "data/Esquema.h"
#include "data/NovaBaseDados.h"

#include <QDir>
#include <QFile>

PastaBench::PastaBench(int movimentos)
{
    const QDir recursos(QStringLiteral(QUORVEL_RESOURCES_DIR));
    for (const QString &f : recursos.entryList(QDir::Files))
        QFile::copy(recursos.filePath(f), QDir(m_dir.path()).filePath(f));
    const QString base = QDir(m_dir.path()).filePath(Esquema::NomeFicheiro);
    NovaBaseDados::cria(base, false);
    auto bd = BaseDados::abre(base, Esquema::Chave);
    Transaccao t(*bd);
    bd->executa(QStringLiteral("UPDATE TabBancos SET banco = 'Conta de ensaio' WHERE NumBanco = 1"));
    DadosDemonstracao::geraMovimentos(*bd, 1, movimentos, QDate::currentDate().addYears(-10), 42);
}
