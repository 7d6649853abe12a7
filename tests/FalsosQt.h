#pragma once
#include <QString>
#include <QStringList>
#include <deque>
#include <optional>

#include "core/ui/DialogosArquivo.h"
#include "core/ui/Mensagens.h"

// Records every message and answers confirmations from a script (default "Sim").
class MensagensFalsas : public Mensagens {
public:
    void erro(const QString& t) override { erros << t; todas << QStringLiteral("erro: ") + t; }
    void informacao(const QString& t) override { informacoes << t; todas << QStringLiteral("info: ") + t; }
    bool confirma(const QString& t) override {
        confirmacoes << t;
        todas << QStringLiteral("confirma: ") + t;
        if (respostas.empty()) return true;
        const bool r = respostas.front();
        respostas.pop_front();
        return r;
    }
    // Scripted from respostasCancela; "Não" when the script is empty.
    std::optional<bool> confirmaOuCancela(const QString& t) override {
        perguntasCancela << t;
        todas << QStringLiteral("confirma ou cancela: ") + t;
        if (respostasCancela.empty()) return false;
        const std::optional<bool> r = respostasCancela.front();
        respostasCancela.pop_front();
        return r;
    }
    void limpa() {
        erros.clear();
        informacoes.clear();
        confirmacoes.clear();
        perguntasCancela.clear();
        todas.clear();
    }

    QStringList erros, informacoes, confirmacoes, perguntasCancela, todas;
    std::deque<bool> respostas;
    std::deque<std::optional<bool>> respostasCancela;
};

// Gives the scripted paths (nullopt = the user cancelled) and records the filters.
class DialogosArquivoFalsos : public DialogosArquivo {
public:
    std::optional<QString> abrir(const QString& filtro) override { filtros << filtro; return proximo(); }
    std::optional<QString> salvar(const QString& filtro) override { filtros << filtro; return proximo(); }

    std::deque<std::optional<QString>> caminhos;
    QStringList filtros;

private:
    std::optional<QString> proximo() {
        std::optional<QString> c;
        if (caminhos.empty()) return c;
        c.swap(caminhos.front());
        caminhos.pop_front();
        return c;
    }
};
