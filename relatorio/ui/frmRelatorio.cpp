#include "relatorio/ui/frmRelatorio.h"

#include <QApplication>
#include <QFile>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>
#include <exception>
#include <new>

#include "analise/Analise.h"
#include "core/Numeros.h"
#include "core/ui/CamposNumericos.h"
#include "core/ui/ExecutaAcao.h"
#include "core/ui/Janelas.h"
#include "core/ui/Programa.h"
#include "core/ui/SalvaComTipo.h"
#include "relatorio/ui/DesenhoRelatorio.h"
#include "verificacao/Verificacao.h"
#include "results/ComparacaoProjetos.h"
#include "serpentinas/DadosSerpentinas.h"
#include "core/ui/ComparacaoGrafico.h"

namespace {

std::optional<double> Le(const QLineEdit* campo) {
    try {
        return Numeros::TextoParaReal(campo->text().toStdString());
    } catch (const std::exception&) {
        return std::nullopt;
    }
}

}  // namespace

TfrmRelatorio::TfrmRelatorio(Contexto& ctx, QWidget* parent) : QWidget(parent), ctx_(ctx) {
    setObjectName(QStringLiteral("frmRelatorio"));
    setWindowTitle(QStringLiteral("Relatório de Controle Térmico"));

    edLimiteTemperatura = new QLineEdit(QStringLiteral("70"), this);
    edLimiteTemperatura->setObjectName(QStringLiteral("edLimiteTemperatura"));
    edLimiteTemperatura->setToolTip(QStringLiteral("Temperatura máxima admitida no concreto; também a linha de limite\n"
                                                   "dos gráficos de temperatura"));
    edLimiteDiferenca = new QLineEdit(QStringLiteral("20"), this);
    edLimiteDiferenca->setObjectName(QStringLiteral("edLimiteDiferenca"));
    edLimiteDiferenca->setToolTip(QStringLiteral("Maior diferença admitida entre o ponto mais quente de uma camada\n"
                                                 "e a sua face superior; também a linha do gráfico do resumo térmico"));
    btnComparar = new QPushButton(QStringLiteral("Comparar com..."), this);
    btnComparar->setObjectName(QStringLiteral("btnComparar"));
    btnComparar->setToolTip(QStringLiteral("Roda outro arquivo de projeto e põe no relatório a tabela dos dois:\n"
                                           "temperatura máxima, diferença núcleo–superfície e menor índice de fissuração"));
    btnSemComparacao = new QPushButton(QStringLiteral("Sem comparação"), this);
    btnSemComparacao->setObjectName(QStringLiteral("btnSemComparacao"));
    btnSemComparacao->setEnabled(false);
    lblComparacao = new QLabel(this);
    lblComparacao->setObjectName(QStringLiteral("lblComparacao"));
    lblComparacao->setWordWrap(true);
    comparacao = new TComparacaoGrafico(ctx_, btnComparar, lblComparacao, this);
    comparacao->notaConcluida = QStringLiteral(" (tabela no relatório)");
    // The other project with stresses when the current results have them: its index
    // is then in the table.
    comparacao->opcoes = [this] {
        OpcoesAnalise op;
        op.Tensoes = Relatorio::TemTensoes(ctx_.analise.Tensoes);
        return op;
    };
    comparacao->aoConcluir = [this] { AtualizaComparacao(); };
    comparacao->aoFalhar = [this] { AtualizaComparacao(); };
    cbIncerteza = new QCheckBox(QStringLiteral("Incluir o estudo de incerteza (da janela Estudo de Incerteza)"), this);
    cbIncerteza->setObjectName(QStringLiteral("cbIncerteza"));
    btnGerar = new QPushButton(QStringLiteral("Gerar PDF..."), this);
    btnGerar->setObjectName(QStringLiteral("btnGerar"));
    btnFechar = new QPushButton(QStringLiteral("Fechar"), this);
    btnFechar->setObjectName(QStringLiteral("btnFechar"));

    auto* campos = new QFormLayout;
    campos->addRow(QStringLiteral("Limite de temperatura [°C]:"), edLimiteTemperatura);
    campos->addRow(QStringLiteral("Limite núcleo–superfície [°C]:"), edLimiteDiferenca);
    auto* nota = new QLabel(QStringLiteral("O relatório traz o problema, a temperatura máxima, as horas acima do limite,\n"
                                           "a diferença núcleo–superfície de cada camada, os gráficos e o mapa de cores\n"
                                           "e, com análise tensional, o índice de fissuração (Tração Simples, limite 1)."),
                            this);
    auto* linhaComparacao = new QHBoxLayout;
    linhaComparacao->addWidget(btnComparar);
    linhaComparacao->addWidget(btnSemComparacao);
    linhaComparacao->addWidget(lblComparacao, 1);
    auto* botoes = new QHBoxLayout;
    botoes->addStretch(1);
    botoes->addWidget(btnGerar);
    botoes->addWidget(btnFechar);
    auto* raiz = new QVBoxLayout(this);
    raiz->addLayout(campos);
    raiz->addWidget(nota);
    raiz->addLayout(linhaComparacao);
    raiz->addWidget(cbIncerteza);
    raiz->addLayout(botoes);

    connect(btnGerar, &QPushButton::clicked, this, [this] { ExecutaAcao(ctx_.msg, [this] { Gerar(); }); });
    connect(btnFechar, &QPushButton::clicked, this, &QWidget::close);
    // After the comparison's own handler: a run may have started.
    connect(btnComparar, &QPushButton::clicked, this, [this] { AtualizaComparacao(); });
    connect(btnSemComparacao, &QPushButton::clicked, this, [this] { DescartaComparacao(); });
}

void TfrmRelatorio::AtualizaComparacao() {
    btnSemComparacao->setEnabled(comparacao->EmExecucao() || comparacao->Resultado());
}

void TfrmRelatorio::DescartaComparacao() {
    comparacao->Descarta();
    AtualizaComparacao();
}

void TfrmRelatorio::Abre() { CamposNumericos::ApresentaJanela(this); }

std::optional<double> TfrmRelatorio::LimiteTemperatura() const { return Le(edLimiteTemperatura); }
std::optional<double> TfrmRelatorio::LimiteDiferenca() const { return Le(edLimiteDiferenca); }

LimitesRelatorio TfrmRelatorio::Limites() const {
    LimitesRelatorio l;
    l.Temperatura = Numeros::TextoParaReal(edLimiteTemperatura->text().toStdString());
    l.Diferenca = Numeros::TextoParaReal(edLimiteDiferenca->text().toStdString());
    return l;
}

void TfrmRelatorio::Gerar() {
    if (!ctx_.dados.TermicoCompleto) {
        ctx_.msg.erro(QStringLiteral("O relatório precisa de uma análise térmica completa. "
                                     "Execute a análise térmica antes."));
        return;
    }
    if (comparacao->EmExecucao()) {
        ctx_.msg.erro(QStringLiteral("A comparação com ") + comparacao->Nome() +
                      QStringLiteral(" ainda está sendo calculada. Gere o relatório quando ela terminar, ou "
                                     "escolha \"Sem comparação\"."));
        return;
    }
    const LimitesRelatorio limites = Limites();
    // The content is built before the dialog: a refusal asks for no name.
    const HistoricoNumerico* tensoes = Relatorio::TemTensoes(ctx_.analise.Tensoes) ? &ctx_.analise.Tensoes : nullptr;
    const QString projeto = ctx_.janelas.programa ? ctx_.janelas.programa->NomeProjeto() : QString();
    const std::string nome = projeto.isEmpty() ? std::string("(não salvo em arquivo)") : projeto.toStdString();
    // The pipes' figures are those of the copy that ran.
    const TResultadosSerpentinas* agua =
        ctx_.analise.Dados ? &SerpentinasDe(*ctx_.analise.Dados).Resultados : nullptr;
    TRelatorio relatorio = Relatorio::Monta(ctx_.dados, ctx_.analise.Temperaturas, tensoes, limites, nome, agua);
    if (const Analise* outro = comparacao->Resultado()) {
        const auto c = TComparacaoProjetos::Calcula(
            {nome, &ctx_.dados, &ctx_.analise.Temperaturas, tensoes},
            {comparacao->Nome().toStdString(), outro->Dados.get(), &outro->Temperaturas,
             outro->ComTensoes ? &outro->Tensoes : nullptr});
        Relatorio::AcrescentaComparacao(relatorio, c);
    }
    if (cbIncerteza->isChecked() && !(ctx_.janelas.incerteza && ctx_.janelas.incerteza->AcrescentaAoRelatorio(relatorio))) {
        ctx_.msg.erro(QStringLiteral("O estudo de incerteza não tem resultados do problema atual: rode-o na janela "
                                     "\"Estudo de Incerteza\", ou desmarque a opção."));
        return;
    }
    // The verification's runs: milliseconds for the thermal ones, longer with stresses.
    QApplication::setOverrideCursor(Qt::WaitCursor);
    struct Restaura {
        ~Restaura() { QApplication::restoreOverrideCursor(); }
    } restaura;
    Progresso semJanela;
    // A verification that cannot run is a note of the report, not its failure.
    Relatorio::VerificacaoRelatorio verificacao{ctx_.dados.Formulacao == TFormulacao::Consistente, {}, {}, {}};
    try {
        const TVerificacao v = TVerificacao::Executa(ctx_.dados, tensoes != nullptr, semJanela);
        verificacao = {verificacao.Consistente, v.Linhas(), v.Notas(), v.Veredito()};
    } catch (const std::bad_alloc&) {
        throw;
    } catch (const std::exception& e) {
        verificacao.Notas.push_back(std::string("A verificação não pôde ser feita: ") + e.what());
    }
    Relatorio::AcrescentaVerificacao(relatorio, verificacao,
                                     Relatorio::AvisoFormulacao(relatorio, ctx_.dados, limites, semJanela));
    static const std::vector<SalvaComTipo::Tipo> pdf{{QStringLiteral("Documento PDF"), QStringLiteral("pdf")}};
    const auto escolha = SalvaComTipo::Pergunta(ctx_.arquivos, pdf, SalvaComTipo::PrimeiroTipo::AnexaSeFaltar);
    if (!escolha) return;
    DesenhoRelatorio::Grava(escolha->Caminho, relatorio, ctx_.dados, tensoes);
    ctx_.msg.informacao(QStringLiteral("Relatório gravado em \"%1\".").arg(QFile::decodeName(escolha->Caminho.c_str())));
}
