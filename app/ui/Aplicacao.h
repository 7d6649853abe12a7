#pragma once
#include <memory>

#include "analise/Analise.h"
#include "core/DadosModelo.h"
#include "core/TabelaTexto.h"
#include "core/ui/Contexto.h"
#include "core/ui/HistoricoProblema.h"
#include "core/ui/Janelas.h"

// Owns the analysis state, the current analysis with the text of its two history
// tables, and every window, created once
// in the fixed order (the first one is the main window) after the splash. The
// program builds one with the real message boxes and the splash sequence running;
// each test builds its own with scripted fakes and the splash left idle.
class Aplicacao {
public:
    Aplicacao(Mensagens& msg, DialogosArquivo& arquivos, bool apresentacao = false);
    ~Aplicacao();
    Aplicacao(const Aplicacao&) = delete;
    Aplicacao& operator=(const Aplicacao&) = delete;

    TDadosModelo& dados() { return *dados_; }
    Janelas& janelas() { return janelas_; }
    Contexto& contexto() { return contexto_; }
    HistoricoProblema& historico() { return *historico_; }

private:
    std::unique_ptr<TDadosModelo> dados_;
    TabelaTexto temperaturas_;
    TabelaTexto tensoes_;
    Analise analise_;
    Janelas janelas_;
    std::unique_ptr<HistoricoProblema> historico_;
    Contexto contexto_;
};
