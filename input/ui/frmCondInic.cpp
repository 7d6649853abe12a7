#include "input/ui/frmCondInic.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QVBoxLayout>
#include <cstdint>
#include <string>

#include "core/Erros.h"
#include "core/Membro.h"
#include "core/ui/ExecutaAcao.h"
#include "core/ui/HistoricoProblema.h"
#include "core/ui/Janelas.h"
#include "core/ui/CamposNumericos.h"
#include "core/ui/Programa.h"

using CamposNumericos::Geral;
using CamposNumericos::NovoCampo;
using CamposNumericos::Inteiro;
using CamposNumericos::Real;

namespace {
// A field left empty, or holding a single blank, has no value at all.
bool Vazio(const QLineEdit* ed) { return ed->text().isEmpty() || ed->text() == QStringLiteral(" "); }
}  // namespace

TfrmCondInic::TfrmCondInic(Contexto& ctx, QWidget* parent)
    : QWidget(parent),
      lbNCamada(new QLabel(QStringLiteral("1"), this)),
      edDinic(NovoCampo(this, "edDinic", QStringLiteral("1"))),
      edHinic(NovoCampo(this, "edHinic", QStringLiteral("6"))),
      edTinic(NovoCampo(this, "edTinic", QStringLiteral("20"))),
      edStep(NovoCampo(this, "edStep", QStringLiteral("1"))),
      edT0(NovoCampo(this, "edT0", QStringLiteral("72"))),
      rbClassica(new QRadioButton(QStringLiteral("Clássica"), this)),
      rbConsistente(new QRadioButton(QStringLiteral("Consistente (converge com a malha)"), this)),
      edSubpassos(NovoCampo(this, "edSubpassos", QStringLiteral("1"))),
      chkCondutividade(new QCheckBox(QStringLiteral("Condutividade segue a hidratação (Schindler 2002)"), this)),
      btnOk(new QPushButton(QStringLiteral("Insere"), this)),
      btnCancelar(new QPushButton(QStringLiteral("Cancela"), this)),
      ctx_(ctx),
      laco_(lbNCamada) {
    setObjectName(QStringLiteral("frmCondInic"));
    setWindowTitle(QStringLiteral(" Condições Iniciais"));
    lbNCamada->setObjectName(QStringLiteral("lbNCamada"));
    btnOk->setObjectName(QStringLiteral("btnOk"));
    btnCancelar->setObjectName(QStringLiteral("btnCancelar"));
    // The analysis always advances by one hour.
    edStep->setEnabled(false);

    auto* camada = new QHBoxLayout;
    camada->addWidget(new QLabel(QStringLiteral("Camada Número ->"), this));
    camada->addWidget(lbNCamada);
    camada->addStretch();

    auto* gbxInicio = new QGroupBox(QStringLiteral("Início de concretagem da camada"), this);
    gbxInicio->setObjectName(QStringLiteral("gbxInicio"));
    auto* layInicio = new QGridLayout(gbxInicio);
    layInicio->addWidget(new QLabel(QStringLiteral("Dia"), gbxInicio), 0, 0);
    layInicio->addWidget(edDinic, 1, 0);
    layInicio->addWidget(new QLabel(QStringLiteral("Hora"), gbxInicio), 0, 1);
    layInicio->addWidget(edHinic, 1, 1);

    auto* grade = new QGridLayout;
    grade->addWidget(new QLabel(QStringLiteral("T inicial [ºC]"), this), 0, 0);
    grade->addWidget(edTinic, 1, 0);
    grade->addWidget(new QLabel(QStringLiteral("Instantes de\nAnálise [h]"), this), 0, 1);
    grade->addWidget(edStep, 1, 1);
    grade->addWidget(new QLabel(QStringLiteral("Tempo Total\nde Análise [h]"), this), 0, 2);
    grade->addWidget(edT0, 1, 2);

    auto* gbxFormulacao = new QGroupBox(QStringLiteral("Formulação"), this);
    gbxFormulacao->setObjectName(QStringLiteral("gbxFormulacao"));
    rbClassica->setObjectName(QStringLiteral("rbClassica"));
    rbConsistente->setObjectName(QStringLiteral("rbConsistente"));
    rbClassica->setChecked(true);
    auto* layFormulacao = new QVBoxLayout(gbxFormulacao);
    layFormulacao->addWidget(rbClassica);
    layFormulacao->addWidget(rbConsistente);
    auto* laySubpassos = new QHBoxLayout;
    laySubpassos->addWidget(new QLabel(QStringLiteral("Subpassos por passo"), gbxFormulacao));
    laySubpassos->addWidget(edSubpassos);
    layFormulacao->addLayout(laySubpassos);
    chkCondutividade->setObjectName(QStringLiteral("chkCondutividade"));
    chkCondutividade->setToolTip(QStringLiteral(
        "Nas camadas com calor pela maturidade, k(α) = k·(1,33 − 0,33·α), com k o do concreto endurecido"));
    layFormulacao->addWidget(chkCondutividade);
    // Only the consistent formulation divides its steps or lets k follow the hydration.
    edSubpassos->setEnabled(false);
    chkCondutividade->setEnabled(false);
    connect(rbConsistente, &QRadioButton::toggled, edSubpassos, &QLineEdit::setEnabled);
    connect(rbConsistente, &QRadioButton::toggled, chkCondutividade, &QCheckBox::setEnabled);

    auto* botoes = new QHBoxLayout;
    botoes->addStretch();
    botoes->addWidget(btnOk);
    botoes->addWidget(btnCancelar);

    auto* principal = new QVBoxLayout(this);
    principal->addLayout(camada);
    principal->addWidget(laco_.Navegacao());
    principal->addWidget(gbxInicio);
    principal->addLayout(grade);
    principal->addWidget(gbxFormulacao);
    principal->addLayout(botoes);

    laco_.preenche = [this](int n) { PreencheCamada(n); };
    laco_.ultima = [this] { return ctx_.dados.NCamadas; };
    connect(btnOk, &QPushButton::clicked, this, [this] { Insere(); });
    connect(btnCancelar, &QPushButton::clicked, this, [this] { hide(); });
}

// The pass starts at layer 1, with the formulation as stored and the analysis time as
// stored once there is one (until then the suggested texts stand).
void TfrmCondInic::Abre() {
    const TDadosModelo& d = ctx_.dados;
    if (d.TempoTotal > 0.0 || d.PassoTempo > 0) {
        laco_.Exibe(edT0, Geral(d.TempoTotal), d.TempoTotal);
        if (d.PassoTempo > 0) edStep->setText(QString::number(d.PassoTempo));
    }
    // The formulation always as stored: a new problem's is the classic one, not the last typed.
    (d.Formulacao == TFormulacao::Consistente ? rbConsistente : rbClassica)->setChecked(true);
    edSubpassos->setText(QString::number(d.SubpassosPorPasso));
    chkCondutividade->setChecked(d.CondutividadeHidratacao);
    laco_.VaiPara(1);
    CamposNumericos::ApresentaJanela(this);
}

void TfrmCondInic::MostraEstado() {
    if (!isVisible()) return;
    const int n = laco_.Atual();
    Abre();
    if (n > 1) laco_.VaiPara(n);
}

// The placement of layer n as stored; a layer never placed (hour 0 at 0 °C, as at
// start-up) keeps the texts of the layer below.
void TfrmCondInic::PreencheCamada(int n) {
    const TDadosModelo& d = ctx_.dados;
    if (n > d.NCamadas) return;
    const TCamada& c = d.Camadas[static_cast<std::size_t>(n)];
    if (c.HoraConcretagem == 0 && c.TInicial == 0.0) return;
    const Membro::DiaEHora dh = Membro::DiaHora(c.HoraConcretagem);
    edDinic->setText(QString::number(dh.Dia));
    edHinic->setText(QString::number(dh.Hora));
    laco_.Exibe(edTinic, Geral(c.TInicial), c.TInicial);
}

bool TfrmCondInic::Valida() {
    const struct {
        QLineEdit* campo;
        const char* mensagem;
    } obrigatorios[] = {
        {edT0, "Não existe camada sem tempo total de análise."},
        {edDinic, "Entre com um valor para o dia de concretagem desta camada."},
        {edHinic, "Entre com um valor para a hora de concretagem desta camada."},
        {edTinic, "Entre com um valor para a temperatura inicial de concretagem desta camada."},
    };
    for (const auto& o : obrigatorios) {
        if (Vazio(o.campo)) {
            ctx_.msg.erro(QString::fromUtf8(o.mensagem));
            return false;
        }
    }
    return true;
}

void TfrmCondInic::Insere() {
    TDadosModelo& d = ctx_.dados;
    ExecutaAcao(ctx_.msg, [&] {
        if (!Valida()) return;
        const int n = laco_.Atual();
        const bool camadaDoMembro = n >= 1 && n <= d.NCamadas;
        // A field that does not convert stops the action there; what was stored before it stays.
        AlteraProblema(ctx_, NomeCamada(QStringLiteral("Condições Iniciais"), n), [&] {
            d.TempoTotal = laco_.Valor(edT0);
            d.PassoTempo = Inteiro(edStep);
            d.CondutividadeHidratacao = chkCondutividade->isChecked();
            DefineFormulacao(d, rbConsistente->isChecked() ? TFormulacao::Consistente : TFormulacao::Classica);
            if (!edSubpassos->text().trimmed().isEmpty()) {
                const long long subpassos = Inteiro(edSubpassos);
                if (subpassos < 1 || subpassos > MaxSubpassos) {
                    throw ErroEntrada("O número de subpassos por passo deve ficar entre 1 e " +
                                      std::to_string(MaxSubpassos) + ".");
                }
                d.SubpassosPorPasso = static_cast<std::int32_t>(subpassos);
            }
            const long long dia = Inteiro(edDinic);
            const long long hora = Inteiro(edHinic);
            const long long h = Membro::HoraDoDia(dia, hora);
            if (h < INT32_MIN || h > INT32_MAX) {
                throw ErroEntrada("A hora de concretagem do dia " + std::to_string(dia) + " às " +
                                  std::to_string(hora) + " h está fora do alcance.");
            }
            if (!camadaDoMembro) return;
            LacoCamadas::VerificaCapacidade(n);
            TCamada& camada = d.Camadas[static_cast<std::size_t>(n)];
            camada.TInicial = laco_.Valor(edTinic);
            camada.HoraConcretagem = static_cast<std::int32_t>(h);
        });
        if (!camadaDoMembro) return;
        const TCamada& camada = d.Camadas[static_cast<std::size_t>(n)];
        if (n < d.NCamadas) {
            laco_.VaiPara(n + 1);
            return;
        }
        if (camada.HoraConcretagem >= d.TempoTotal) {
            ctx_.msg.erro(QStringLiteral("Favor Inserir um tempo total de análise (T0) maior."));
            edT0->setText(QString::number(static_cast<long long>(camada.HoraConcretagem) + 48));
        }
        const bool corretos = LacoCamadas::ConfirmaPasso(ctx_.msg);
        laco_.Reinicia();
        edHinic->setText(QStringLiteral("6"));
        edDinic->setText(QStringLiteral("1"));
        if (corretos) {
            hide();
        } else {
            laco_.VaiPara(1);
        }
    });
    if (ctx_.janelas.programa) ctx_.janelas.programa->HabilitaExecucao();
}
