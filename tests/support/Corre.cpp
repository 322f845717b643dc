// Runs the registered Qt Test classes: one by name (as CTest does) or all of them.
#include "support/RegistoTestes.h"

#include <QTest>
#include <cstdio>
#include <cstring>
#include <memory>

std::vector<ClasseTeste> &classesTeste()
{
    static std::vector<ClasseTeste> classes;
    return classes;
}

namespace {
std::vector<std::function<void()>> &verificacoesFinais()
{
    static std::vector<std::function<void()>> lista;
    return lista;
}
int falhasTardias = 0;
} // namespace

void registaVerificacaoFinal(std::function<void()> verificacao)
{
    verificacoesFinais().push_back(std::move(verificacao));
}

void registaFalhaTardia(const QString &mensagem)
{
    std::fprintf(stderr, "FAIL!  : %s\n", qPrintable(mensagem));
    ++falhasTardias;
}

// test_X [ClassName] [Qt Test options...]
int corre(int argc, char *argv[])
{
    const char *escolhida = argc > 1 && argv[1][0] != '-' ? argv[1] : nullptr;
    std::vector<char *> resto{argv[0]};
    for (int i = escolhida ? 2 : 1; i < argc; ++i)
        resto.push_back(argv[i]);
    int falhas = 0, corridas = 0;
    for (const ClasseTeste &c : classesTeste()) {
        if (escolhida && std::strcmp(escolhida, c.nome) != 0)
            continue;
        std::unique_ptr<QObject> teste(c.cria());
        falhas += QTest::qExec(teste.get(), int(resto.size()), resto.data());
        for (const auto &verifica : verificacoesFinais())
            verifica();
        ++corridas;
    }
    if (corridas == 0) {
        fprintf(stderr, "no test class named %s\n", escolhida ? escolhida : "(any)");
        return 1;
    }
    return falhas == 0 && falhasTardias == 0 ? 0 : 1;
}
