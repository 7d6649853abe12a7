#include "app/ui/Aplicacao.h"

#include <QAction>
#include <QWidget>

#include "app/ui/frmTelaApresentacao.h"
#include "app/ui/IncluiJanelas.inc"
#include "core/ui/AvisoFormulacao.h"
#include "core/ui/GuardaResultados.h"

namespace {
void CriaJanelas(Contexto& ctx) {
    Janelas& j = ctx.janelas;
#include "app/ui/CriaJanelas.inc"
}

// The action of `janela`'s menus named `texto`.
QAction* Acao(QWidget* janela, const QString& texto) {
    for (QAction* a : janela->findChildren<QAction*>())
        if (a->text() == texto) return a;
    return nullptr;
}

// Every window of results is marked when its results belong to an earlier problem;
// what would export them as current or write them into the problem is disabled.
void RegistraGuardas(Contexto& ctx) {
    Janelas& j = ctx.janelas;
    const Analise& a = ctx.analise;
    // The windows that show the current analysis: the temperatures, or everything once
    // the stresses ran.
    const GuardaResultados::Origem termica = [&a]() -> std::optional<OrigemResultados> {
        if (!a.Dados) return std::nullopt;
        return OrigemResultados{a.Revisao, true};
    };
    const GuardaResultados::Origem tensoes = [&a]() -> std::optional<OrigemResultados> {
        if (!a.Dados || a.Tensoes.Colunas() == 0) return std::nullopt;
        return OrigemResultados{a.Revisao, false};
    };
    const GuardaResultados::Origem completa = [&a]() -> std::optional<OrigemResultados> {
        if (!a.Dados) return std::nullopt;
        return OrigemResultados{a.Revisao, !a.ComTensoes};
    };
    // The node windows show temperatures or stresses.
    const GuardaResultados::Origem nos = [&ctx, termica, tensoes] {
        return ctx.dados.ModoNo == TModoNo::Temperatura ? termica() : tensoes();
    };
    using G = GuardaResultados;
    G::Registra(ctx, j.Form1, termica, {j.Form1->SalvarTudo1, j.Form1->SalvarNos1});
    G::Registra(ctx, j.frmGrafico, termica, {});
    G::Registra(ctx, j.frmEixo, termica, {});
    G::Registra(ctx, j.frmGrafAmpliado, termica, {j.frmGrafAmpliado->btnSalvarFigura});
    G::Registra(ctx, j.frmGrafEixoAmpliado, termica, {j.frmGrafEixoAmpliado->btnSalvarFigura});
    G::Registra(ctx, j.frmResultados, termica, {j.frmResultados->SalvarPlanilha1});
    G::Registra(ctx, j.frmCores, termica, {j.frmCores->SalvarFigura1});
    G::Registra(ctx, j.frmResumoTermico, termica,
                {Acao(j.frmResumoTermico, QStringLiteral("Salvar Resumo")),
                 Acao(j.frmResumoTermico, QStringLiteral("Salvar Figura")),
                 j.frmResumoTermico->avisoFormulacao->btnConsistente});
    G::Registra(ctx, j.frmTemperaturaNo, nos, {});
    G::Registra(ctx, j.frmSalvarNo, nos, {j.frmSalvarNo->btnSalvar});
    G::Registra(ctx, j.frmResultadoTensoes, tensoes,
                {j.frmResultadoTensoes->SalvarTudo1, j.frmResultadoTensoes->SalvarNos1});
    G::Registra(ctx, j.frmGraficoTensional, tensoes, {j.frmGraficoTensional->SalvarFigura});
    G::Registra(ctx, j.frmEixoTensional, tensoes, {j.frmEixoTensional->SalvarFigura});
    G::Registra(ctx, j.frmIndiceFissuracao, tensoes,
                {Acao(j.frmIndiceFissuracao, QStringLiteral("Salvar Índice")),
                 Acao(j.frmIndiceFissuracao, QStringLiteral("Salvar Figura")),
                 j.frmIndiceFissuracao->avisoFormulacao->btnConsistente});
    G::Registra(ctx, j.frmRelatorio, completa, {j.frmRelatorio->btnGerar});
    G::Registra(ctx, j.frmResultadoSerpentinas, termica, {j.frmResultadoSerpentinas->btnCsv});
    TfrmEstudo* estudo = j.frmEstudo;
    G::Registra(ctx, estudo, [estudo] { return estudo->Origem(); },
                {Acao(estudo, QStringLiteral("Salvar Resultados (CSV)..."))});
    TfrmVerificacao* verificacao = j.frmVerificacao;
    G::Registra(ctx, verificacao, [verificacao] { return verificacao->Origem(); },
                {Acao(verificacao, QStringLiteral("Salvar Relatório"))});
    TfrmCalibracao* calibracao = j.frmCalibracao;
    G::Registra(ctx, calibracao, [calibracao] { return calibracao->Origem(); }, {calibracao->btnAplicar});
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
    RegistraGuardas(contexto_);
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
