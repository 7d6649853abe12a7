#include "mistura/ui/frmDosagem.h"

#include <QDir>
#include <algorithm>
#include <string>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QStandardPaths>
#include <QVBoxLayout>

#include "core/Erros.h"
#include "core/Numeros.h"
#include "core/ui/CamposNumericos.h"
#include "core/ui/ExecutaAcao.h"
#include "core/ui/HistoricoProblema.h"
#include "core/ui/LacoCamadas.h"
#include "core/ui/Programa.h"
#include "mistura/Cimentos.h"
#include "mistura/Hidratacao.h"

using CamposNumericos::Geral;
using CamposNumericos::NovoCampo;
using CamposNumericos::Real;

namespace {

// A mix to start from: the first preset, no plant additions, 350 kg/m³ at w/b 0,5.
TDosagem DosagemInicial() {
    TDosagem d;
    d.Cimento = Cimentos::Tipicos().front().Cimento;
    d.Aglomerante = 350.0;
    d.AguaAglomerante = 0.5;
    return d;
}

QString Fixo(double x, int decimais) {
    return QString::fromStdString(Numeros::FormataGeral(Numeros::ArredondaFixo(x, decimais)));
}

void Linha(QGridLayout* grade, int linha, int coluna, const QString& rotulo, QLineEdit* campo, QWidget* pai) {
    grade->addWidget(new QLabel(rotulo, pai), linha, coluna);
    grade->addWidget(campo, linha, coluna + 1);
}

}  // namespace

TfrmDosagem::TfrmDosagem(Contexto& ctx, QWidget* parent)
    : QWidget(parent),
      lbCamada(new QLabel(this)),
      cbCimento(new QComboBox(this)),
      lbFonte(new QLabel(this)),
      edNomeCimento(new QLineEdit(this)),
      btnSalvarCimento(new QPushButton(QStringLiteral("Salvar na biblioteca"), this)),
      btnCalcular(new QPushButton(QStringLiteral("Calcular"), this)),
      lbResultado(new QLabel(this)),
      lbAvisos(new QLabel(this)),
      btnOk(new QPushButton(QStringLiteral("Ok"), this)),
      btnCancelar(new QPushButton(QStringLiteral("Cancelar"), this)),
      ctx_(ctx) {
    setObjectName(QStringLiteral("frmDosagem"));
    setWindowTitle(QStringLiteral("Dosagem - Calor Interno"));
    lbCamada->setObjectName(QStringLiteral("lbCamada"));
    cbCimento->setObjectName(QStringLiteral("cbCimento"));
    lbFonte->setObjectName(QStringLiteral("lbFonte"));
    lbFonte->setWordWrap(true);
    edNomeCimento->setObjectName(QStringLiteral("edNomeCimento"));
    btnSalvarCimento->setObjectName(QStringLiteral("btnSalvarCimento"));
    btnCalcular->setObjectName(QStringLiteral("btnCalcular"));
    lbResultado->setObjectName(QStringLiteral("lbResultado"));
    lbAvisos->setObjectName(QStringLiteral("lbAvisos"));
    lbAvisos->setWordWrap(true);
    lbAvisos->setStyleSheet(QStringLiteral("color: #a00000"));
    btnOk->setObjectName(QStringLiteral("btnOk"));
    btnCancelar->setObjectName(QStringLiteral("btnCancelar"));

    auto* gbxCimento = new QGroupBox(QStringLiteral("Cimento"), this);
    edC3S = NovoCampo(gbxCimento, "edC3S", QString());
    edC2S = NovoCampo(gbxCimento, "edC2S", QString());
    edC3A = NovoCampo(gbxCimento, "edC3A", QString());
    edC4AF = NovoCampo(gbxCimento, "edC4AF", QString());
    edSO3 = NovoCampo(gbxCimento, "edSO3", QString());
    edCaOLivre = NovoCampo(gbxCimento, "edCaOLivre", QString());
    edMgO = NovoCampo(gbxCimento, "edMgO", QString());
    edBlaine = NovoCampo(gbxCimento, "edBlaine", QString());
    edEscoriaCimento = NovoCampo(gbxCimento, "edEscoriaCimento", QString());
    edPozolanaCimento = NovoCampo(gbxCimento, "edPozolanaCimento", QString());
    edCaOPozolanaCimento = NovoCampo(gbxCimento, "edCaOPozolanaCimento", QString());
    edFilerCimento = NovoCampo(gbxCimento, "edFilerCimento", QString());
    auto* gradeCimento = new QGridLayout(gbxCimento);
    gradeCimento->addWidget(new QLabel(QStringLiteral("Tipo ou cimento salvo"), gbxCimento), 0, 0);
    gradeCimento->addWidget(cbCimento, 0, 1, 1, 3);
    gradeCimento->addWidget(lbFonte, 1, 0, 1, 4);
    gradeCimento->addWidget(new QLabel(QStringLiteral("Clínquer e sulfato (Bogue, % da parte Portland):"), gbxCimento), 2, 0, 1, 4);
    Linha(gradeCimento, 3, 0, QStringLiteral("C3S [%]"), edC3S, gbxCimento);
    Linha(gradeCimento, 3, 2, QStringLiteral("C2S [%]"), edC2S, gbxCimento);
    Linha(gradeCimento, 4, 0, QStringLiteral("C3A [%]"), edC3A, gbxCimento);
    Linha(gradeCimento, 4, 2, QStringLiteral("C4AF [%]"), edC4AF, gbxCimento);
    Linha(gradeCimento, 5, 0, QStringLiteral("SO3 [%]"), edSO3, gbxCimento);
    Linha(gradeCimento, 5, 2, QStringLiteral("CaO livre [%]"), edCaOLivre, gbxCimento);
    Linha(gradeCimento, 6, 0, QStringLiteral("MgO [%]"), edMgO, gbxCimento);
    Linha(gradeCimento, 6, 2, QStringLiteral("Finura Blaine [m²/kg]"), edBlaine, gbxCimento);
    gradeCimento->addWidget(new QLabel(QStringLiteral("Adições do cimento (% do cimento):"), gbxCimento), 7, 0, 1, 4);
    Linha(gradeCimento, 8, 0, QStringLiteral("Escória [%]"), edEscoriaCimento, gbxCimento);
    Linha(gradeCimento, 8, 2, QStringLiteral("Fíler calcário [%]"), edFilerCimento, gbxCimento);
    Linha(gradeCimento, 9, 0, QStringLiteral("Pozolana [%]"), edPozolanaCimento, gbxCimento);
    Linha(gradeCimento, 9, 2, QStringLiteral("CaO da pozolana [%]"), edCaOPozolanaCimento, gbxCimento);
    gradeCimento->addWidget(new QLabel(QStringLiteral("Nome"), gbxCimento), 10, 0);
    gradeCimento->addWidget(edNomeCimento, 10, 1, 1, 2);
    gradeCimento->addWidget(btnSalvarCimento, 10, 3);

    auto* gbxMistura = new QGroupBox(QStringLiteral("Aglomerante e água"), this);
    edEscoria = NovoCampo(gbxMistura, "edEscoria", QString());
    edPozolana = NovoCampo(gbxMistura, "edPozolana", QString());
    edCaOPozolana = NovoCampo(gbxMistura, "edCaOPozolana", QString());
    edSilica = NovoCampo(gbxMistura, "edSilica", QString());
    edFiler = NovoCampo(gbxMistura, "edFiler", QString());
    edAglomerante = NovoCampo(gbxMistura, "edAglomerante", QString());
    edAguaAglomerante = NovoCampo(gbxMistura, "edAguaAglomerante", QString());
    auto* gradeMistura = new QGridLayout(gbxMistura);
    gradeMistura->addWidget(new QLabel(QStringLiteral("Adições na central (% do aglomerante):"), gbxMistura), 0, 0, 1, 4);
    Linha(gradeMistura, 1, 0, QStringLiteral("Escória [%]"), edEscoria, gbxMistura);
    Linha(gradeMistura, 1, 2, QStringLiteral("Sílica ativa [%]"), edSilica, gbxMistura);
    Linha(gradeMistura, 2, 0, QStringLiteral("Cinza volante ou pozolana [%]"), edPozolana, gbxMistura);
    Linha(gradeMistura, 2, 2, QStringLiteral("CaO da pozolana [%]"), edCaOPozolana, gbxMistura);
    Linha(gradeMistura, 3, 0, QStringLiteral("Fíler [%]"), edFiler, gbxMistura);
    Linha(gradeMistura, 4, 0, QStringLiteral("Consumo de aglomerante [kg/m³]"), edAglomerante, gbxMistura);
    Linha(gradeMistura, 4, 2, QStringLiteral("Relação água/aglomerante"), edAguaAglomerante, gbxMistura);

    auto* botoes = new QHBoxLayout;
    botoes->addWidget(btnCalcular);
    botoes->addStretch();
    botoes->addWidget(btnOk);
    botoes->addWidget(btnCancelar);

    auto* principal = new QVBoxLayout(this);
    principal->addWidget(lbCamada);
    principal->addWidget(gbxCimento);
    principal->addWidget(gbxMistura);
    principal->addWidget(lbResultado);
    principal->addWidget(lbAvisos);
    principal->addLayout(botoes);

    PreencheCimentos(QString());
    Mostra(DosagemInicial());
    connect(cbCimento, &QComboBox::activated, this, [this](int i) { EscolheCimento(i); });
    connect(btnCalcular, &QPushButton::clicked, this, [this] { ExecutaAcao(ctx_.msg, [this] { Calcula(); }); });
    connect(btnSalvarCimento, &QPushButton::clicked, this, [this] { ExecutaAcao(ctx_.msg, [this] { SalvaCimento(); }); });
    connect(btnOk, &QPushButton::clicked, this, [this] { Ok(); });
    connect(btnCancelar, &QPushButton::clicked, this, [this] { hide(); });
}

QString TfrmDosagem::CaminhoBiblioteca() const {
    QString pasta = pastaBiblioteca;
    if (pasta.isEmpty() && ctx_.janelas.programa) pasta = ctx_.janelas.programa->PastaProjeto();
    if (pasta.isEmpty()) pasta = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QDir(pasta).filePath(QString::fromUtf8(Cimentos::NomeBiblioteca));
}

void TfrmDosagem::Abre(int camada, QWidget* chamador, std::function<void()> confirmado) {
    if (chamador_) chamador_->removeEventFilter(this);
    chamador_ = chamador;
    if (chamador) chamador->installEventFilter(this);
    confirmado_ = std::move(confirmado);
    camada_ = camada >= 1 ? camada : 1;
    lbCamada->setText(QStringLiteral("Camada Número -> %1").arg(camada_));
    const auto dosagem = ctx_.dados.Dosagens.find(camada_);
    const TDosagem d = dosagem != ctx_.dados.Dosagens.end() ? dosagem->second : DosagemInicial();
    // A library that cannot be read is said, and the presets stay offered.
    biblioteca_.clear();
    ExecutaAcao(ctx_.msg, [&] { biblioteca_ = Cimentos::LeBiblioteca(CaminhoBiblioteca().toStdString()); });
    PreencheCimentos(QString::fromStdString(d.Cimento.Nome));
    Mostra(d);
    lbResultado->clear();
    lbAvisos->clear();
    ExecutaAcao(ctx_.msg, [this] { Calcula(); });
    CamposNumericos::ApresentaJanela(this);
}

bool TfrmDosagem::eventFilter(QObject* alvo, QEvent* evento) {
    if (alvo == chamador_ && evento->type() == QEvent::Hide) hide();
    return QWidget::eventFilter(alvo, evento);
}

// The presets, then the user's cements; `escolhido` is selected when it is one of
// them (a cement of a project that is in neither shows as "(deste projeto)").
void TfrmDosagem::PreencheCimentos(const QString& escolhido) {
    cbCimento->clear();
    for (const Cimentos::TPreset& p : Cimentos::Tipicos())
        cbCimento->addItem(QString::fromStdString(p.Cimento.Nome) + QStringLiteral(" (típico)"),
                           QString::fromStdString(p.Cimento.Nome));
    for (const TCimento& c : biblioteca_) cbCimento->addItem(QString::fromStdString(c.Nome), QString::fromStdString(c.Nome));
    int indice = cbCimento->findData(escolhido);
    if (indice < 0 && !escolhido.isEmpty()) {
        cbCimento->addItem(escolhido + QStringLiteral(" (deste projeto)"), escolhido);
        indice = cbCimento->count() - 1;
    }
    cbCimento->setCurrentIndex(std::max(indice, 0));
}

void TfrmDosagem::EscolheCimento(int indice) {
    const std::string nome = cbCimento->itemData(indice).toString().toStdString();
    if (const Cimentos::TPreset* p = Cimentos::Tipico(nome)) {
        MostraCimento(p->Cimento);
        return;
    }
    for (const TCimento& c : biblioteca_) {
        if (c.Nome == nome) {
            MostraCimento(c);
            return;
        }
    }
    // The project's own cement: the fields already hold it.
}

void TfrmDosagem::MostraCimento(const TCimento& c) {
    edNomeCimento->setText(QString::fromStdString(c.Nome));
    const Cimentos::TPreset* p = Cimentos::Tipico(c.Nome);
    lbFonte->setText(p ? QString::fromStdString(p->Fonte) : QStringLiteral("Cimento do usuário."));
    edC3S->setText(Geral(c.C3S));
    edC2S->setText(Geral(c.C2S));
    edC3A->setText(Geral(c.C3A));
    edC4AF->setText(Geral(c.C4AF));
    edSO3->setText(Geral(c.SO3));
    edCaOLivre->setText(Geral(c.CaOLivre));
    edMgO->setText(Geral(c.MgO));
    edBlaine->setText(Geral(c.Blaine));
    edEscoriaCimento->setText(Geral(c.Escoria));
    edPozolanaCimento->setText(Geral(c.Pozolana));
    edCaOPozolanaCimento->setText(Geral(c.CaOPozolana));
    edFilerCimento->setText(Geral(c.Filer));
}

void TfrmDosagem::Mostra(const TDosagem& d) {
    MostraCimento(d.Cimento);
    edEscoria->setText(Geral(d.Escoria));
    edPozolana->setText(Geral(d.Pozolana));
    edCaOPozolana->setText(Geral(d.CaOPozolana));
    edSilica->setText(Geral(d.Silica));
    edFiler->setText(Geral(d.Filer));
    edAglomerante->setText(Geral(d.Aglomerante));
    edAguaAglomerante->setText(Geral(d.AguaAglomerante));
}

TDosagem TfrmDosagem::Le() const {
    TDosagem d;
    TCimento& c = d.Cimento;
    c.Nome = edNomeCimento->text().trimmed().toStdString();
    c.C3S = Real(edC3S);
    c.C2S = Real(edC2S);
    c.C3A = Real(edC3A);
    c.C4AF = Real(edC4AF);
    c.SO3 = Real(edSO3);
    c.CaOLivre = Real(edCaOLivre);
    c.MgO = Real(edMgO);
    c.Blaine = Real(edBlaine);
    c.Escoria = Real(edEscoriaCimento);
    c.Pozolana = Real(edPozolanaCimento);
    c.CaOPozolana = Real(edCaOPozolanaCimento);
    c.Filer = Real(edFilerCimento);
    d.Escoria = Real(edEscoria);
    d.Pozolana = Real(edPozolana);
    d.CaOPozolana = Real(edCaOPozolana);
    d.Silica = Real(edSilica);
    d.Filer = Real(edFiler);
    d.Aglomerante = Real(edAglomerante);
    d.AguaAglomerante = Real(edAguaAglomerante);
    for (double p : {c.C3S, c.C2S, c.C3A, c.C4AF, c.SO3, c.CaOLivre, c.MgO, c.Escoria, c.Pozolana, c.CaOPozolana, c.Filer,
                     d.Escoria, d.Pozolana, d.CaOPozolana, d.Silica, d.Filer}) {
        if (p < 0.0 || p > 100.0) throw ErroEntrada("Dosagem: os percentuais devem ficar entre 0 e 100");
    }
    return d;
}

void TfrmDosagem::Calcula() {
    lbResultado->clear();
    lbAvisos->clear();
    const TDosagem d = Le();
    const Hidratacao::TParametros p = Hidratacao::Calcula(d);
    lbResultado->setText(QStringLiteral("Hu = %1 J/g de aglomerante (calor total %2 kJ/m³)\n"
                                        "αu = %3    τ = %4 h    β = %5    Ea = %6 J/mol (TRef %7 °C)")
                             .arg(Fixo(p.Hu, 1), Fixo(p.QTotal / 1000.0, 0), Fixo(p.AlfaU, 4), Fixo(p.Tau, 2),
                                  Fixo(p.Beta, 4), Fixo(p.Ea, 0), Fixo(Hidratacao::TRefModelo, 1)));
    const auto avisos = Hidratacao::Avisos(d);
    if (!avisos.empty()) {
        QString texto = QStringLiteral("Fora do que o modelo calibrou:");
        for (const std::string& a : avisos) texto += QStringLiteral("\n• ") + QString::fromStdString(a);
        lbAvisos->setText(texto);
    }
}

void TfrmDosagem::SalvaCimento() {
    const TCimento c = Le().Cimento;
    if (c.Nome.empty()) throw ErroEntrada("Dê um nome ao cimento para salvá-lo na biblioteca");
    const std::string caminho = CaminhoBiblioteca().toStdString();
    auto lista = Cimentos::Acrescenta(Cimentos::LeBiblioteca(caminho), c);
    Cimentos::GravaBiblioteca(caminho, lista);
    biblioteca_ = std::move(lista);
    PreencheCimentos(QString::fromStdString(c.Nome));
    ctx_.msg.informacao(QStringLiteral("Cimento \"%1\" salvo em %2").arg(QString::fromStdString(c.Nome), CaminhoBiblioteca()));
}

void TfrmDosagem::Ok() {
    TDadosModelo& dados = ctx_.dados;
    const bool feito = ExecutaAcao(ctx_.msg, [&] {
        LacoCamadas::VerificaCapacidade(camada_);
        if (camada_ > dados.NCamadas)
            throw ErroEntrada("Dosagem: a camada " + std::to_string(camada_) + " não faz parte do membro, que tem " +
                              std::to_string(dados.NCamadas) + " camadas");
        const TDosagem d = Le();
        const Hidratacao::TParametros p = Hidratacao::Calcula(d);
        AlteraProblema(ctx_, NomeCamada(QStringLiteral("Dosagem"), camada_), [&] {
            dados.Dosagens[camada_] = d;
            Hidratacao::Aplica(p, d, dados.CalorDiscreto, dados.CalorCamadas[static_cast<std::size_t>(camada_)]);
        });
    });
    if (!feito) return;
    hide();
    if (confirmado_) confirmado_();
}
