#include "results/ui/SalvaTabela.h"

#include <QFile>

#include "core/Numeros.h"
#include "core/Processo.h"
#include <QMenuBar>

#include "core/ui/ExecutaAcao.h"
#include "core/ui/Janelas.h"
#include "results/ui/frmSalvarNo.h"
#include "results/ui/frmTemperaturaNo.h"
#include "results/ExportaCsv.h"
#include "results/ExportaNos.h"
#include "core/ui/SalvaComTipo.h"
#include "results/ExportaTabela.h"
#include "results/ui/frmSalvaArq.h"

namespace SalvaTabela {

namespace {

// The progress window for the length of one save, hidden however the save ends.
class JanelaProgresso {
public:
    JanelaProgresso(Contexto& ctx) : janela_(ctx.janelas.frmSalvaArq) {
        if (janela_) janela_->Inicia(MaximoBarra(ctx.dados));
    }
    ~JanelaProgresso() {
        if (janela_) janela_->Termina();
    }
    void Avanca(int posicao) {
        if (janela_) janela_->Avanca(posicao);
    }

private:
    TfrmSalvaArq* janela_;
};

// The unit of the node columns: the stress table is in MPa, the temperatures in °C.
std::string Unidade(const Contexto& ctx, const TabelaTexto& tabela) { return &tabela == &ctx.tensoes ? "MPa" : "°C"; }

// The member whose unplaced nodes the spreadsheet leaves empty: the temperature
// table holds zeros there, the stress table nothing.
const TDadosModelo* Colocacao(const Contexto& ctx, const TabelaTexto& tabela) {
    return &tabela == &ctx.tensoes ? nullptr : &ctx.dados;
}

std::optional<SalvaComTipo::Escolha> PerguntaTabela(Contexto& ctx) {
    return SalvaComTipo::Pergunta(ctx.arquivos, SalvaComTipo::TiposTabela());
}

}  // namespace

int MaximoBarra(const TDadosModelo& dados) {
    // One line of the export per row of the history below its header.
    return TProcesso::LinhasHistorico(dados) - 1;
}

void SalvarTudo(Contexto& ctx, const TabelaTexto& tabela) {
    ctx.msg.erro(QStringLiteral("Atenção. O procedimento para salvar pode demorar."));
    const auto escolha = PerguntaTabela(ctx);
    if (!escolha) return;
    if (escolha->Tipo == SalvaComTipo::TipoCsv) {
        ExportaCsv::Grava(escolha->Caminho, ExportaCsv::Tabela(tabela, ctx.dados.NElemAtivos, Unidade(ctx, tabela), Colocacao(ctx, tabela)));
        return;
    }
    JanelaProgresso progresso(ctx);
    ExportaTabela::Grava(escolha->Caminho, tabela, ctx.dados.NElemAtivos, [&](int linha) { progresso.Avanca(linha); });
}

bool SalvaDireto(Contexto& ctx, const TabelaTexto& tabela) {
    const auto escolha = PerguntaTabela(ctx);
    if (!escolha) return false;
    if (escolha->Tipo == SalvaComTipo::TipoCsv)
        ExportaCsv::Grava(escolha->Caminho, ExportaCsv::Tabela(tabela, ctx.dados.NElemAtivos, Unidade(ctx, tabela), Colocacao(ctx, tabela)));
    else
        ExportaTabela::Grava(escolha->Caminho, tabela, ctx.dados.NElemAtivos);
    return true;
}

void SalvaNos(Contexto& ctx, const TabelaTexto& tabela, const std::vector<int>& nos) {
    const auto escolha = PerguntaTabela(ctx);
    if (!escolha) return;
    if (escolha->Tipo == SalvaComTipo::TipoCsv) {
        ExportaCsv::Grava(escolha->Caminho, ExportaCsv::Nos(tabela, nos, Unidade(ctx, tabela), Colocacao(ctx, tabela)));
        return;
    }
    JanelaProgresso progresso(ctx);
    ExportaNos::Grava(escolha->Caminho, tabela, nos, [&](int linha) { progresso.Avanca(linha); });
}

MenuSalvar CriaMenuSalvar(QMenuBar* barra, QWidget* dono, Contexto& ctx, const TabelaTexto& tabela, TModoNo modo) {
    QMenu* salvar = barra->addMenu(QStringLiteral("&Salvar"));
    MenuSalvar m{salvar->addAction(QStringLiteral("Salvar Tudo")), salvar->addAction(QStringLiteral("Visualizar Nós")),
                 salvar->addAction(QStringLiteral("Salvar Nós"))};
    Contexto* c = &ctx;
    const TabelaTexto* t = &tabela;
    QObject::connect(m.SalvarTudo, &QAction::triggered, dono,
                     [c, t] { ExecutaAcao(c->msg, [c, t] { SalvarTudo(*c, *t); }); });
    QObject::connect(m.VisualizarNos, &QAction::triggered, dono, [c, modo] {
        ExecutaAcao(c->msg, [c, modo] {
            if (auto* j = c->janelas.frmTemperaturaNo) j->Abre(modo);
        });
    });
    QObject::connect(m.SalvarNos, &QAction::triggered, dono, [c, modo] {
        ExecutaAcao(c->msg, [c, modo] {
            if (auto* j = c->janelas.frmSalvarNo) j->Abre(modo);
        });
    });
    return m;
}

}  // namespace SalvaTabela
