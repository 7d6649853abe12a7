#include "obra/ui/GrupoClimaHorario.h"

#include <QDateTime>
#include <QGridLayout>
#include <QRegularExpression>
#include <fstream>
#include <iterator>

#include "core/Erros.h"
#include "core/Numeros.h"
#include "core/ui/CamposNumericos.h"
#include "core/ui/ExecutaAcao.h"
#include "obra/DadosObra.h"

using CamposNumericos::Geral;

namespace {

QString Descreve(const TClimaHorario& c) {
    QString s = QString::fromStdString(c.Origem);
    if (!c.Vento.empty()) s += QStringLiteral("; com vento");
    if (!c.Radiacao.empty()) s += QStringLiteral("; com radiação");
    if (!c.PontoOrvalho.empty()) s += QStringLiteral("; com ponto de orvalho");
    return s;
}

}  // namespace

TGrupoClimaHorario::TGrupoClimaHorario(Contexto& ctx, QWidget* parent)
    : QGroupBox(QStringLiteral("Clima Horário"), parent),
      chkArquivoHorario(new QCheckBox(QStringLiteral("Arquivo Horário"))),
      btnLerClima(new QPushButton(QStringLiteral("Ler Arquivo..."))),
      lbClima(new QLabel(QStringLiteral("Nenhum arquivo lido."))),
      edDataInicio(CamposNumericos::NovoCampo(nullptr, "edDataInicio", QStringLiteral("01/01/2024"), 90)),
      edHoraInicio(CamposNumericos::NovoCampo(nullptr, "edHoraInicio", QStringLiteral("0"))),
      edFuso(CamposNumericos::NovoCampo(nullptr, "edFuso", QStringLiteral("-3"))),
      edAbsortividade(CamposNumericos::NovoCampo(nullptr, "edAbsortividade", QStringLiteral("0,65"))),
      chkCeu(new QCheckBox(QStringLiteral("Radiação do topo para o céu"))),
      edEmissividade(CamposNumericos::NovoCampo(nullptr, "edEmissividade", QStringLiteral("0,9"))),
      ctx_(ctx) {
    setObjectName(QStringLiteral("gbxClimaHorario"));
    chkArquivoHorario->setObjectName(QStringLiteral("chkArquivoHorario"));
    btnLerClima->setObjectName(QStringLiteral("btnLerClima"));
    lbClima->setObjectName(QStringLiteral("lbClima"));
    lbClima->setWordWrap(true);
    auto* g = new QGridLayout(this);
    g->addWidget(chkArquivoHorario, 0, 0, 1, 2);
    g->addWidget(btnLerClima, 0, 2, 1, 2);
    g->addWidget(lbClima, 1, 0, 1, 4);
    g->addWidget(new QLabel(QStringLiteral("Hora 0 em (data local)")), 2, 0);
    g->addWidget(edDataInicio, 2, 1);
    g->addWidget(new QLabel(QStringLiteral("Hora local [h]")), 2, 2);
    g->addWidget(edHoraInicio, 2, 3);
    g->addWidget(new QLabel(QStringLiteral("Fuso da estação [h]")), 3, 0);
    g->addWidget(edFuso, 3, 1);
    g->addWidget(new QLabel(QStringLiteral("Absortividade solar do topo")), 3, 2);
    g->addWidget(edAbsortividade, 3, 3);
    chkCeu->setObjectName(QStringLiteral("chkCeu"));
    chkCeu->setToolTip(QStringLiteral("Perda de onda longa do topo para o céu noturno e diurno; o céu pela umidade do "
                                      "arquivo (ponto de orvalho) ou, sem ela, pela temperatura do ar."));
    g->addWidget(chkCeu, 4, 0, 1, 2);
    g->addWidget(new QLabel(QStringLiteral("Emissividade do topo")), 4, 2);
    g->addWidget(edEmissividade, 4, 3);
    edEmissividade->setEnabled(false);
    connect(chkCeu, &QCheckBox::toggled, edEmissividade, &QWidget::setEnabled);
    setToolTip(QStringLiteral("CSV próprio: hora;temperatura;vento;radiacao (horas desde a hora 0 do dia 1).\n"
                              "CSV de estação automática: a data e a hora local da hora 0 da análise e o fuso."));
    connect(chkArquivoHorario, &QCheckBox::toggled, this, [this](bool m) { emit escolhido(m); });
    connect(btnLerClima, &QPushButton::clicked, this, [this] { ExecutaAcao(ctx_.msg, [&] { LeArquivo(); }); });
}

void TGrupoClimaHorario::LeArquivo() {
    const auto caminho = ctx_.arquivos.abrir(QStringLiteral("Clima horário (*.csv)|*.csv|Todos|*.*"));
    if (!caminho) return;
    std::ifstream f(caminho->toStdString(), std::ios::binary);
    if (!f) throw ErroEntrada("Não foi possível abrir o arquivo de clima \"" + caminho->toStdString() + "\".");
    const std::string texto{std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
    TClimaHorario c;
    if (TClimaHorario::PareceInmet(texto)) {
        const auto inicio = TClimaHorario::LeData(edDataInicio->text().trimmed().toStdString(),
                                                  CamposNumericos::Inteiro(edHoraInicio), CamposNumericos::Inteiro(edFuso));
        c = TClimaHorario::LeInmet(texto, inicio);
    } else {
        c = TClimaHorario::LeCsv(texto);
    }
    lido_ = std::move(c);
    lbClima->setText(Descreve(*lido_) + QStringLiteral(" (a gravar no \"Ok\")"));
    // With a weather file the sky exchange is on unless the engineer unticks it.
    chkCeu->setChecked(true);
}

// A station's file keeps its hour 0 in UTC: the local date and hour it was read
// with are shown again, in the station's offset.
void TGrupoClimaHorario::MostraOrigem(const std::string& origem) {
    static const QRegularExpression hora0(QStringLiteral("hora 0 em (\\d{2})/(\\d{2})/(\\d{4}) (\\d{2}) UTC"));
    const QRegularExpressionMatch m = hora0.match(QString::fromStdString(origem));
    if (!m.hasMatch()) return;
    int fuso = -3;
    try {
        fuso = CamposNumericos::Inteiro(edFuso);
    } catch (const std::exception&) {
        edFuso->setText(QString::number(fuso));
    }
    const QDateTime utc(QDate(m.captured(3).toInt(), m.captured(2).toInt(), m.captured(1).toInt()),
                        QTime(m.captured(4).toInt(), 0), Qt::UTC);
    const QDateTime local = utc.addSecs(static_cast<qint64>(fuso) * 3600);
    edDataInicio->setText(local.date().toString(QStringLiteral("dd/MM/yyyy")));
    edHoraInicio->setText(QString::number(local.time().hour()));
}

void TGrupoClimaHorario::MostraEstado() {
    const TDadosObra& o = ObraDe(ctx_.dados);
    lido_.reset();
    if (!o.Temperatura.empty()) {
        TClimaHorario c;
        c.Temperatura = o.Temperatura;
        c.Vento = o.Vento;
        c.Radiacao = o.Radiacao;
        c.PontoOrvalho = o.PontoOrvalho;
        c.Origem = o.OrigemClima;
        lido_ = std::move(c);
        lbClima->setText(Descreve(*lido_));
        MostraOrigem(o.OrigemClima);
    } else {
        lbClima->setText(QStringLiteral("Nenhum arquivo lido."));
    }
    edAbsortividade->setText(Geral(o.Absortividade));
    chkCeu->setChecked(o.CeuAtivo);
    edEmissividade->setText(Geral(o.Emissividade));
    edEmissividade->setEnabled(o.CeuAtivo);
    chkArquivoHorario->setChecked(o.ClimaArquivo);
    emit escolhido(o.ClimaArquivo);
}

void TGrupoClimaHorario::Grava(TDadosModelo& d) {
    const bool arquivo = chkArquivoHorario->isChecked();
    const double absortividade = CamposNumericos::Real(edAbsortividade);
    if (!(absortividade >= 0.0 && absortividade <= 1.0)) {
        throw ErroEntrada("A absortividade solar do topo deve estar entre 0 e 1.");
    }
    const bool ceu = chkCeu->isChecked();
    const double emissividade = ceu ? CamposNumericos::Real(edEmissividade) : ObraDe(d).Emissividade;
    if (!(emissividade >= 0.0 && emissividade <= 1.0)) {
        throw ErroEntrada("A emissividade do topo deve estar entre 0 e 1.");
    }
    if (arquivo && !lido_) {
        throw ErroEntrada("Escolheu-se o ambiente \"Arquivo Horário\", mas nenhum arquivo de clima foi lido. Use "
                          "\"Ler Arquivo...\".");
    }
    ObraEditavel(d).Absortividade = absortividade;
    if (lido_) lido_->Aplica(ObraEditavel(d));
    ObraEditavel(d).ClimaArquivo = arquivo;
    // A problem that never had the exchange keeps no site data for it.
    if (ceu || ObraDe(d).CeuAtivo) {
        ObraEditavel(d).CeuAtivo = ceu;
        ObraEditavel(d).Emissividade = emissividade;
    }
    lbClima->setText(lido_ ? Descreve(*lido_) : QStringLiteral("Nenhum arquivo lido."));
}
