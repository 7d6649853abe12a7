#include "app/ui/Aplicacao.h"

#include <QWidget>

#include "app/ui/frmTelaApresentacao.h"
#include "app/ui/IncluiJanelas.inc"

namespace {
void CriaJanelas(Contexto& ctx) {
    Janelas& j = ctx.janelas;
#include "app/ui/CriaJanelas.inc"
}
}  // namespace

Aplicacao::Aplicacao(Mensagens& msg, DialogosArquivo& arquivos, bool apresentacao)
    : dados_(std::make_unique<TDadosModelo>()),
      temperaturas_(50, 2000),
      tensoes_(50, 2000),
      historico_(std::make_unique<HistoricoProblema>(*dados_)),
      contexto_{*dados_, temperaturas_, tensoes_, analise_, msg, arquivos, janelas_, historico_.get()} {
    janelas_.frmTelaApresentacao = new TfrmTelaApresentacao(contexto_);
    if (apresentacao) janelas_.frmTelaApresentacao->Inicia();
    CriaJanelas(contexto_);
}

Aplicacao::~Aplicacao() {
    // Windows are top-level and parentless: delete them in reverse order of creation.
    Janelas& j = janelas_;
    QWidget* todas[] = {
#define JANELA(v) j.v,
#include "app/ui/ListaJanelas.inc"
#undef JANELA
    };
    for (auto it = std::rbegin(todas); it != std::rend(todas); ++it) delete *it;
    delete j.frmTelaApresentacao;
}
