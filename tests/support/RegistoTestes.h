#pragma once
// Each test file registers its Qt Test class; the shared main runs one class by name (as CTest
// does) or all of them.
#include <QObject>
#include <QString>
#include <functional>
#include <vector>

struct ClasseTeste {
    const char *nome;
    std::function<QObject *()> cria;
};

std::vector<ClasseTeste> &classesTeste();

#define QUORVEL_TESTE(Classe)                                                                  \
    static const bool registo_##Classe = [] {                                                  \
        classesTeste().push_back({#Classe, [] { return static_cast<QObject *>(new Classe); }}); \
        return true;                                                                           \
    }();

// Runs the class named by argv[1] (or every class) with the remaining Qt Test options.
int corre(int argc, char *argv[]);

// Helpers check what they still wait for when each class ends (registaVerificacaoFinal) and
// report failures found after their test function ended (registaFalhaTardia): each such failure
// is printed and fails the run.
void registaVerificacaoFinal(std::function<void()> verificacao);
void registaFalhaTardia(const QString &mensagem);
