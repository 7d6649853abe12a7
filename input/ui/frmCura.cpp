#include "input/ui/frmCura.h"

#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>
#include <algorithm>
#include <initializer_list>

#include "core/ui/CamposNumericos.h"
#include "core/ui/ExecutaAcao.h"
#include "core/ui/HistoricoProblema.h"
#include "core/ui/Janelas.h"
#include "input/Conveccao.h"
#include "input/UnidadesEntrada.h"
#include "input/ui/frmCondCont.h"

using CamposNumericos::Geral;
using CamposNumericos::NovoCampo;
using CamposNumericos::Real;

namespace {
QLabel* Rotulo(QWidget* pai, const char* texto) { return new QLabel(QString::fromUtf8(texto), pai); }

QString PadraoBetaS(bool usuais) { return usuais ? QStringLiteral("12") : QStringLiteral("15"); }
QString PadraoBetaSC(bool usuais) { return usuais ? QStringLiteral("300") : QStringLiteral("100"); }
const QString PadraoBetaI = QStringLiteral("0");
const QString PadraoDiasCura = QStringLiteral("1");
const QString PadraoIniCura = QStringLiteral("8");
const QString PadraoFimCura = QStringLiteral("17");
const QString PadraoIniDia = QStringLiteral("6");
const QString PadraoIniNoite = QStringLiteral("18");

const QString CaptionCuraSI =
    QStringLiteral("Coef. de Convecção [W/m^2.C] sob a Influência da Cura do Concerto");
const QString CaptionCuraUsuais =
    QStringLiteral("Coef. de Convecção [kCal/m^2.d.C] sob a Influência da Cura do Concerto");
const QString CaptionAmbienteSI = QStringLiteral("Coef. de Convecção [W/m^2.C] Ambiente sob as Camadas");
const QString CaptionAmbienteUsuais =
    QStringLiteral("Coef. de Convecção [kCal/m^2.d.C] Ambiente sob as Camadas");
}  // namespace

TfrmCura::TfrmCura(Contexto& ctx, QWidget* parent)
    : QWidget(parent),
      lbCamada(new QLabel(QStringLiteral("1"), this)),
      gbxCura(new QGroupBox(CaptionCuraSI, this)),
      edBetaSC(NovoCampo(gbxCura, "edBetaSC", QStringLiteral("100"))),
      edDiasCura(NovoCampo(gbxCura, "edDiasCura", PadraoDiasCura)),
      edIniCura(NovoCampo(gbxCura, "edIniCura", PadraoIniCura)),
      edFimCura(NovoCampo(gbxCura, "edFimCura", PadraoFimCura)),
      gbxAmbiente(new QGroupBox(CaptionAmbienteSI, this)),
      edBetaS(NovoCampo(gbxAmbiente, "edBetaS", QStringLiteral("15"))),
      edBetaI(NovoCampo(gbxAmbiente, "edBetaI", PadraoBetaI)),
      cbxConstante(new QCheckBox(QStringLiteral("Constante"), gbxAmbiente)),
      gbxVento(new QGroupBox(QStringLiteral("Variável (em função da velocidade do vento)"), gbxAmbiente)),
      rbCEB(new QRadioButton(QStringLiteral("CEB"), gbxVento)),
      rbZichner(new QRadioButton(QStringLiteral("Zichner"), gbxVento)),
      rbOutros(new QRadioButton(QStringLiteral("(Outros)"), gbxVento)),
      edVentoDia(NovoCampo(gbxVento, "edVentoDia", QStringLiteral("4"))),
      edDia(NovoCampo(gbxVento, "edDia", PadraoIniDia)),
      edNoite(NovoCampo(gbxVento, "edNoite", PadraoIniNoite)),
      edVentoNoite(NovoCampo(gbxVento, "edVentoNoite", QStringLiteral("5"))),
      edNoite2(NovoCampo(gbxVento, "edNoite2", QStringLiteral("18"))),
      edDia2(NovoCampo(gbxVento, "edDia2", QStringLiteral("6"))),
      btnOk(new QPushButton(QStringLiteral("Ok"), this)),
      btnCancelar(new QPushButton(QStringLiteral("Cancelar"), this)),
      ctx_(ctx),
      laco_(lbCamada) {
    setObjectName(QStringLiteral("frmCura"));
    setWindowTitle(QStringLiteral("  Coef de Convecção - Efeito da Cura do Concreto"));
    lbCamada->setObjectName(QStringLiteral("lbCamada"));
    gbxCura->setObjectName(QStringLiteral("gbxCura"));
    gbxAmbiente->setObjectName(QStringLiteral("gbxAmbiente"));
    cbxConstante->setObjectName(QStringLiteral("cbxConstante"));
    gbxVento->setObjectName(QStringLiteral("gbxVento"));
    rbCEB->setObjectName(QStringLiteral("rbCEB"));
    rbZichner->setObjectName(QStringLiteral("rbZichner"));
    rbOutros->setObjectName(QStringLiteral("rbOutros"));
    btnOk->setObjectName(QStringLiteral("btnOk"));
    btnCancelar->setObjectName(QStringLiteral("btnCancelar"));

    auto* camada = new QHBoxLayout;
    camada->addWidget(Rotulo(this, "Camada ->"));
    camada->addWidget(lbCamada);
    camada->addStretch();

    auto* gbxDados = new QGroupBox(QStringLiteral("Dados Referentes à Cura do Concreto"), gbxCura);
    auto* layDados = new QGridLayout(gbxDados);
    layDados->addWidget(Rotulo(gbxDados, "Beta\nSuperior"), 0, 0);
    layDados->addWidget(edBetaSC, 1, 0);
    layDados->addWidget(Rotulo(gbxDados, "Dias de cura após\na concretagem"), 0, 1);
    layDados->addWidget(edDiasCura, 1, 1);
    auto* gbxPeriodo = new QGroupBox(QStringLiteral("Período Diário de Cura"), gbxCura);
    auto* layPeriodo = new QGridLayout(gbxPeriodo);
    layPeriodo->addWidget(Rotulo(gbxPeriodo, "Hora Inicial"), 0, 0);
    layPeriodo->addWidget(edIniCura, 1, 0);
    layPeriodo->addWidget(Rotulo(gbxPeriodo, "Hora Final"), 0, 1);
    layPeriodo->addWidget(edFimCura, 1, 1);
    auto* layCura = new QHBoxLayout(gbxCura);
    layCura->addWidget(gbxDados);
    layCura->addWidget(gbxPeriodo);

    // Wind formula: shown for reference; its fields are never editable here.
    rbCEB->setChecked(true);
    auto* layVento = new QGridLayout(gbxVento);
    layVento->addWidget(Rotulo(gbxVento, "Fórmulas Empíricas :"), 0, 0, 1, 2);
    layVento->addWidget(rbCEB, 1, 0);
    layVento->addWidget(rbZichner, 1, 1);
    layVento->addWidget(rbOutros, 1, 2);
    const struct {
        const char* periodo;
        QLineEdit* vento;
        QLineEdit* de;
        QLineEdit* ate;
    } periodos[] = {{"Dia", edVentoDia, edDia, edNoite}, {"Noite", edVentoNoite, edNoite2, edDia2}};
    int linha = 2;
    for (const auto& p : periodos) {
        layVento->addWidget(Rotulo(gbxVento, p.periodo), linha, 0);
        layVento->addWidget(Rotulo(gbxVento, "Vel. Vento"), linha, 1);
        layVento->addWidget(p.vento, linha, 2);
        layVento->addWidget(Rotulo(gbxVento, "[m/s]"), linha, 3);
        layVento->addWidget(Rotulo(gbxVento, "De :"), linha, 4);
        layVento->addWidget(p.de, linha, 5);
        layVento->addWidget(Rotulo(gbxVento, "[h]"), linha, 6);
        layVento->addWidget(Rotulo(gbxVento, "Até :"), linha, 7);
        layVento->addWidget(p.ate, linha, 8);
        layVento->addWidget(Rotulo(gbxVento, "[h]"), linha, 9);
        ++linha;
    }
    for (QWidget* w : {static_cast<QWidget*>(rbCEB), static_cast<QWidget*>(rbZichner),
                       static_cast<QWidget*>(rbOutros), static_cast<QWidget*>(edVentoDia),
                       static_cast<QWidget*>(edDia), static_cast<QWidget*>(edNoite),
                       static_cast<QWidget*>(edVentoNoite), static_cast<QWidget*>(edNoite2),
                       static_cast<QWidget*>(edDia2)}) {
        w->setEnabled(false);
    }

    auto* layAmbiente = new QGridLayout(gbxAmbiente);
    layAmbiente->addWidget(Rotulo(gbxAmbiente, "Beta Superior"), 0, 0);
    layAmbiente->addWidget(edBetaS, 0, 1);
    layAmbiente->addWidget(Rotulo(gbxAmbiente, "Beta Inferior"), 1, 0);
    layAmbiente->addWidget(edBetaI, 1, 1);
    layAmbiente->addWidget(cbxConstante, 0, 2);
    layAmbiente->addWidget(gbxVento, 2, 0, 1, 4);
    layAmbiente->setColumnStretch(3, 1);
    cbxConstante->setChecked(true);
    gbxVento->setEnabled(false);
    gbxAmbiente->installEventFilter(this);

    auto* botoes = new QHBoxLayout;
    botoes->addStretch();
    botoes->addWidget(btnOk);
    botoes->addWidget(btnCancelar);

    auto* principal = new QVBoxLayout(this);
    principal->addLayout(camada);
    principal->addWidget(laco_.Navegacao());
    principal->addWidget(gbxCura);
    principal->addWidget(gbxAmbiente);
    principal->addLayout(botoes);

    laco_.preenche = [this](int n) { PreencheCamada(n); };
    laco_.ultima = [this] { return ctx_.dados.NCamadas; };
    connect(cbxConstante, &QCheckBox::clicked, this, [this](bool marcado) { ConstanteClicado(marcado); });
    connect(btnOk, &QPushButton::clicked, this, [this] { Ok(); });
    connect(btnCancelar, &QPushButton::clicked, this, [this] { Cancelar(); });
}

void TfrmCura::Abre() {
    const TDadosModelo& d = ctx_.dados;
    const bool usuais = d.UnidadesUsuais;
    laco_.Reinicia();
    // A pass from layer 1 may change the ambient coefficients again.
    gbxAmbiente->setEnabled(true);
    gbxAmbiente->setTitle(usuais ? CaptionAmbienteUsuais : CaptionAmbienteSI);
    gbxCura->setTitle(usuais ? CaptionCuraUsuais : CaptionCuraSI);
    edBetaS->setText(PadraoBetaS(usuais));
    edBetaSC->setText(PadraoBetaSC(usuais));
    // The day and night of record 1, where the convection dialog may have left them.
    const TTrocaCalor& s = d.Superficie[1];
    const bool diaNoite = s.HDia != 0.0 || s.HNoite != 0.0 || s.HoraIniDia != 0.0 || s.HoraIniNoite != 0.0;
    if (diaNoite) {
        laco_.Exibe(edDia, Geral(s.HoraIniDia), s.HoraIniDia);
        laco_.Exibe(edNoite, Geral(s.HoraIniNoite), s.HoraIniNoite);
    } else {
        edDia->setText(PadraoIniDia);
        edNoite->setText(PadraoIniNoite);
    }
    cbxConstante->setChecked(d.CoefConvConstante);
    gbxVento->setEnabled(!d.CoefConvConstante);
    edBetaS->setEnabled(d.CoefConvConstante);
    edBetaI->setEnabled(d.CoefConvConstante);
    laco_.VaiPara(1);
    CamposNumericos::ApresentaJanela(this);
}

void TfrmCura::MostraEstado() {
    if (!isVisible()) return;
    const int n = laco_.Atual();
    Abre();
    if (n > 1) laco_.VaiPara(n);
}

// The curing record of layer n as stored. A record that no dialog ever wrote (a
// project made without curing) is all zeros: layer 1 shows the defaults, a layer
// above keeps the texts of the layer below, rather than turn into zeros.
void TfrmCura::PreencheCamada(int n) {
    const TDadosModelo& d = ctx_.dados;
    const bool usuais = d.UnidadesUsuais;
    const TTrocaCalor& s = d.Superficie[static_cast<std::size_t>(n)];
    const auto algum = [](std::initializer_list<double> v) {
        return std::any_of(v.begin(), v.end(), [](double x) { return x != 0.0; });
    };
    if (algum({s.BetaS, s.BetaI, s.BetaSC, s.DiasCura, s.HoraIniCura, s.HoraFimCura})) {
        laco_.Exibe(edBetaS, Geral(UnidadesEntrada::CoefCuraDigitado(s.BetaS, usuais)), s.BetaS);
        laco_.Exibe(edBetaI, Geral(UnidadesEntrada::CoefCuraDigitado(s.BetaI, usuais)), s.BetaI);
        laco_.Exibe(edBetaSC, Geral(UnidadesEntrada::CoefCuraDigitado(s.BetaSC, usuais)), s.BetaSC);
        laco_.Exibe(edDiasCura, Geral(s.DiasCura), s.DiasCura);
        laco_.Exibe(edIniCura, Geral(s.HoraIniCura), s.HoraIniCura);
        laco_.Exibe(edFimCura, Geral(s.HoraFimCura), s.HoraFimCura);
    } else if (n == 1) {
        edBetaS->setText(PadraoBetaS(usuais));
        edBetaSC->setText(PadraoBetaSC(usuais));
        edBetaI->setText(PadraoBetaI);
        edDiasCura->setText(PadraoDiasCura);
        edIniCura->setText(PadraoIniCura);
        edFimCura->setText(PadraoFimCura);
    }
}

void TfrmCura::ConstanteClicado(bool marcado) {
    ExecutaAcao(ctx_.msg, [&] {
        AlteraProblema(ctx_, QStringLiteral("Cura: Constante"), [&] { ctx_.dados.CoefConvConstante = marcado; });
    });
    gbxVento->setEnabled(!marcado);
    edBetaS->setEnabled(marcado);
    edBetaI->setEnabled(marcado);
}

bool TfrmCura::eventFilter(QObject* alvo, QEvent* evento) {
    if (alvo == gbxAmbiente && evento->type() == QEvent::MouseButtonPress &&
        lbCamada->text() != QStringLiteral("1")) {
        ctx_.msg.erro(QStringLiteral(
            "Para modificar os valores referentes a esta caixa deve-se clicar no botão \"Cancelar\"."));
        gbxAmbiente->setEnabled(false);
        return true;
    }
    return QWidget::eventFilter(alvo, evento);
}

void TfrmCura::Ok() {
    TDadosModelo& d = ctx_.dados;
    ExecutaAcao(ctx_.msg, [&] {
        const bool usuais = d.UnidadesUsuais;
        const int n = laco_.Atual();
        LacoCamadas::VerificaCapacidade(n);
        // A field that does not convert stops the action there; what was stored before it stays.
        AlteraProblema(ctx_, NomeCamada(QStringLiteral("Cura"), n), [&] {
            if (n == 1) {
                TTrocaCalor& r1 = d.Superficie[1];
                r1.HoraIniDia = laco_.Valor(edDia);
                r1.HoraIniNoite = laco_.Valor(edNoite);
                r1.HDia = UnidadesEntrada::CoefVentoArmazenado(CoeficienteVentoCEB(Real(edVentoDia)), usuais);
                r1.HNoite = UnidadesEntrada::CoefVentoArmazenado(CoeficienteVentoCEB(Real(edVentoNoite)), usuais);
            }
            TTrocaCalor& s = d.Superficie[static_cast<std::size_t>(n)];
            const auto coef = [&](double v) { return UnidadesEntrada::CoefCuraArmazenado(v, usuais); };
            s.BetaS = laco_.Valor(edBetaS, coef);
            s.BetaI = laco_.Valor(edBetaI, coef);
            s.DiasCura = laco_.Valor(edDiasCura);
            s.HoraIniCura = laco_.Valor(edIniCura);
            s.HoraFimCura = laco_.Valor(edFimCura);
            s.BetaSC = laco_.Valor(edBetaSC, coef);
        });
        switch (laco_.Avanca(n, d.NCamadas, n, ctx_.msg)) {
            case LacoCamadas::Fim::Continua:
                break;
            case LacoCamadas::Fim::Sim:
                hide();
                if (ctx_.janelas.frmCondCont) ctx_.janelas.frmCondCont->Abre();
                break;
            case LacoCamadas::Fim::Nao:
                hide();
                break;
        }
    });
}

void TfrmCura::Cancelar() {
    hide();
    gbxAmbiente->setEnabled(true);
}
