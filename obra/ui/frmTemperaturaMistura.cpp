#include "obra/ui/frmTemperaturaMistura.h"

#include <QGridLayout>
#include <algorithm>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "core/Membro.h"
#include "core/Numeros.h"
#include "core/ui/CamposNumericos.h"
#include "core/ui/ExecutaAcao.h"
#include "core/ui/HistoricoProblema.h"
#include "obra/DadosObra.h"

namespace {

using CamposNumericos::Real;
using TemperaturaMistura::Mistura;

// Rows of the worksheet: name, mass, temperature, specific heat (kJ/kg·°C), and
// whether the row has free moisture. Typical proportions of a mass-concrete mix.
struct LinhaPadrao {
    const char* nome;
    const char* massa;
    const char* temperatura;
    const char* calor;
    bool umidade;
};
constexpr LinhaPadrao Padroes[TfrmTemperaturaMistura::Linhas] = {
    {"Cimento", "330", "40", "0,92", false},
    {"Areia", "750", "30", "0,92", true},
    {"Brita 1", "500", "28", "0,92", true},
    {"Brita 2", "600", "28", "0,92", true},
    {"Água", "160", "25", "4,184", false},
    {"Gelo", "0", "0", "2,05", false},
};
constexpr int Cimento = 0, PrimeiroAgregado = 1, UltimoAgregado = 3, Agua = 4, Gelo = 5;

QString Fixo(double v) { return QString::fromStdString(Numeros::FormataFixo(v, 0, 2)); }

Mistura Padrao() {
    Mistura m;
    auto constituinte = [](const LinhaPadrao& p) {
        return TemperaturaMistura::Constituinte{Numeros::TextoParaReal(p.massa), Numeros::TextoParaReal(p.temperatura),
                                                Numeros::TextoParaReal(p.calor)};
    };
    m.Cimento = constituinte(Padroes[Cimento]);
    for (int l = PrimeiroAgregado; l <= UltimoAgregado; ++l) {
        const auto c = constituinte(Padroes[l]);
        m.Agregados.push_back({Padroes[l].nome, c.Massa, c.Temperatura, c.CalorEspecifico, 0.0});
    }
    m.Agua = constituinte(Padroes[Agua]);
    m.Gelo = constituinte(Padroes[Gelo]);
    return m;
}

}  // namespace

TfrmTemperaturaMistura::TfrmTemperaturaMistura(Contexto& ctx, QWidget* parent)
    : QWidget(parent, Qt::Window), ctx_(ctx) {
    setObjectName(QStringLiteral("frmTemperaturaMistura"));
    setWindowTitle(QStringLiteral("Temperatura de Lançamento pela Mistura"));

    auto* grade = new QGridLayout;
    const char* titulos[] = {"Massa (kg/m³)", "Temperatura (°C)", "Calor específico (kJ/kg·°C)", "Umidade livre (%)"};
    for (int c = 0; c < 4; ++c) grade->addWidget(new QLabel(QString::fromUtf8(titulos[c])), 0, c + 1);
    for (int l = 0; l < Linhas; ++l) {
        const LinhaPadrao& p = Padroes[l];
        grade->addWidget(new QLabel(QString::fromUtf8(p.nome)), l + 1, 0);
        const QString base = QStringLiteral("ed%1_").arg(l);
        const char* textos[] = {p.massa, p.temperatura, p.calor, p.umidade ? "0" : nullptr};
        for (int c = 0; c < 4; ++c) {
            if (!textos[c]) continue;
            const QByteArray nome = (base + QString::number(c)).toLatin1();
            campos[l][c] = CamposNumericos::NovoCampo(this, nome.constData(), QString::fromUtf8(textos[c]));
            grade->addWidget(campos[l][c], l + 1, c + 1);
        }
    }
    edCalorFusao = CamposNumericos::NovoCampo(this, "edCalorFusao", QStringLiteral("334"));
    edGanho = CamposNumericos::NovoCampo(this, "edGanho", QStringLiteral("0"));
    grade->addWidget(new QLabel(QStringLiteral("Calor de fusão do gelo (kJ/kg)")), Linhas + 1, 0, 1, 2);
    grade->addWidget(edCalorFusao, Linhas + 1, 2);
    grade->addWidget(new QLabel(QStringLiteral("Ganho na mistura e no transporte (°C)")), Linhas + 2, 0, 1, 2);
    grade->addWidget(edGanho, Linhas + 2, 2);

    btnCalcular = new QPushButton(QStringLiteral("Calcular"));
    btnCalcular->setObjectName(QStringLiteral("btnCalcular"));
    lbTemperatura = new QLabel;
    lbTemperatura->setObjectName(QStringLiteral("lbTemperatura"));
    auto* linhaCalculo = new QHBoxLayout;
    linhaCalculo->addWidget(btnCalcular);
    linhaCalculo->addWidget(lbTemperatura, 1);

    edAlvo = CamposNumericos::NovoCampo(this, "edAlvo", QStringLiteral("25"));
    btnGelo = new QPushButton(QStringLiteral("Gelo Necessário"));
    btnGelo->setObjectName(QStringLiteral("btnGelo"));
    btnUsarGelo = new QPushButton(QStringLiteral("Usar este Gelo"));
    btnUsarGelo->setObjectName(QStringLiteral("btnUsarGelo"));
    btnUsarGelo->setEnabled(false);
    lbGelo = new QLabel;
    lbGelo->setObjectName(QStringLiteral("lbGelo"));
    lbGelo->setWordWrap(true);
    auto* linhaAlvo = new QHBoxLayout;
    linhaAlvo->addWidget(new QLabel(QStringLiteral("Temperatura de lançamento desejada (°C)")));
    linhaAlvo->addWidget(edAlvo);
    linhaAlvo->addWidget(btnGelo);
    linhaAlvo->addWidget(btnUsarGelo);

    lstCamadas = new QListWidget;
    lstCamadas->setObjectName(QStringLiteral("lstCamadas"));
    lstCamadas->setMaximumHeight(120);
    btnAplicar = new QPushButton(QStringLiteral("Aplicar"));
    btnAplicar->setObjectName(QStringLiteral("btnAplicar"));
    btnFechar = new QPushButton(QStringLiteral("Fechar"));
    btnFechar->setObjectName(QStringLiteral("btnFechar"));
    auto* botoes = new QHBoxLayout;
    botoes->addStretch();
    botoes->addWidget(btnAplicar);
    botoes->addWidget(btnFechar);

    auto* coluna = new QVBoxLayout(this);
    coluna->addLayout(grade);
    coluna->addLayout(linhaCalculo);
    coluna->addLayout(linhaAlvo);
    coluna->addWidget(lbGelo);
    coluna->addWidget(new QLabel(QStringLiteral("Aplicar como temperatura de lançamento das camadas:")));
    coluna->addWidget(lstCamadas);
    coluna->addLayout(botoes);

    connect(btnCalcular, &QPushButton::clicked, this, [this] { ExecutaAcao(ctx_.msg, [&] { Calcula(); }); });
    connect(btnGelo, &QPushButton::clicked, this, [this] { ExecutaAcao(ctx_.msg, [&] { CalculaGelo(); }); });
    connect(btnUsarGelo, &QPushButton::clicked, this, [this] { ExecutaAcao(ctx_.msg, [&] { UsaGelo(); }); });
    connect(btnAplicar, &QPushButton::clicked, this, [this] { ExecutaAcao(ctx_.msg, [&] { Aplica(); }); });
    connect(btnFechar, &QPushButton::clicked, this, &QWidget::close);
    if (ctx_.historico) connect(ctx_.historico, &HistoricoProblema::Restaurado, this, [this] { MostraEstado(); });
}

void TfrmTemperaturaMistura::Abre() {
    MostraEstado();
    CamposNumericos::ApresentaJanela(this);
}

void TfrmTemperaturaMistura::MostraEstado() {
    const TDadosObra& obra = ObraDe(ctx_.dados);
    Mostra(obra.MisturaLancamento ? *obra.MisturaLancamento : Padrao());
    ListaCamadas();
    lbTemperatura->clear();
    lbGelo->clear();
    geloAchado_ = -1.0;
    btnUsarGelo->setEnabled(false);
}

void TfrmTemperaturaMistura::Mostra(const Mistura& m) {
    auto constituinte = [&](int l, const TemperaturaMistura::Constituinte& c) {
        for (int k = 0; k < 3; ++k)
            campos[l][k]->setText(CamposNumericos::Geral(k == 0 ? c.Massa : k == 1 ? c.Temperatura : c.CalorEspecifico));
    };
    constituinte(Cimento, m.Cimento);
    for (int l = PrimeiroAgregado; l <= UltimoAgregado; ++l) {
        const auto i = static_cast<std::size_t>(l - PrimeiroAgregado);
        const TemperaturaMistura::Agregado a = i < m.Agregados.size() ? m.Agregados[i] : TemperaturaMistura::Agregado{};
        constituinte(l, {a.Massa, a.Temperatura, a.CalorEspecifico});
        campos[l][3]->setText(CamposNumericos::Geral(a.Umidade));
    }
    constituinte(Agua, m.Agua);
    constituinte(Gelo, m.Gelo);
    edCalorFusao->setText(CamposNumericos::Geral(m.CalorFusao));
    edGanho->setText(CamposNumericos::Geral(m.Ganho));
}

void TfrmTemperaturaMistura::ListaCamadas() {
    const TDadosModelo& d = ctx_.dados;
    lstCamadas->clear();
    for (int c = 1; c <= d.NCamadas; ++c) {
        auto* item = new QListWidgetItem(QStringLiteral("Camada %1 (guardada: %2 °C)")
                                             .arg(c)
                                             .arg(Fixo(d.Camadas[static_cast<std::size_t>(c)].TInicial)),
                                         lstCamadas);
        // The foundation is not placed from a mixer.
        const bool fundacao = Membro::CamadaDaFundacao(d, c);
        item->setFlags(fundacao ? Qt::ItemIsUserCheckable : (Qt::ItemIsUserCheckable | Qt::ItemIsEnabled));
        // The lifts the kept mix was applied to, or every concrete lift.
        const auto& guardadas = ObraDe(d).CamadasMistura;
        const bool marcada = ObraDe(d).MisturaLancamento
                                 ? std::find(guardadas.begin(), guardadas.end(), c) != guardadas.end()
                                 : true;
        item->setCheckState(!fundacao && marcada ? Qt::Checked : Qt::Unchecked);
    }
    btnAplicar->setEnabled(d.NCamadas > 0);
}

Mistura TfrmTemperaturaMistura::Le() const {
    Mistura m;
    auto constituinte = [&](int l) {
        return TemperaturaMistura::Constituinte{Real(campos[l][0]), Real(campos[l][1]), Real(campos[l][2])};
    };
    m.Cimento = constituinte(Cimento);
    for (int l = PrimeiroAgregado; l <= UltimoAgregado; ++l)
        m.Agregados.push_back({Padroes[l].nome, Real(campos[l][0]), Real(campos[l][1]), Real(campos[l][2]),
                               Real(campos[l][3])});
    m.Agua = constituinte(Agua);
    m.Gelo = constituinte(Gelo);
    m.CalorFusao = Real(edCalorFusao);
    m.Ganho = Real(edGanho);
    return m;
}

void TfrmTemperaturaMistura::Calcula() {
    lbTemperatura->setText(QStringLiteral("Temperatura do concreto lançado: %1 °C")
                               .arg(Fixo(TemperaturaMistura::Temperatura(Le()))));
}

void TfrmTemperaturaMistura::CalculaGelo() {
    geloAchado_ = -1.0;
    btnUsarGelo->setEnabled(false);
    const TemperaturaMistura::GeloNecessario g = TemperaturaMistura::GeloParaAlvo(Le(), Real(edAlvo));
    if (!g.Possivel) {
        lbGelo->setText(QString::fromStdString(g.Motivo));
        return;
    }
    if (g.Massa == 0.0) {
        lbGelo->setText(QStringLiteral("A mistura já fica nesta temperatura ou abaixo dela sem gelo."));
        return;
    }
    geloAchado_ = g.Massa;
    lbGelo->setText(QStringLiteral("Gelo necessário: %1 kg/m³, em lugar da mesma massa de água.").arg(Fixo(g.Massa)));
    btnUsarGelo->setEnabled(true);
}

void TfrmTemperaturaMistura::UsaGelo() {
    if (geloAchado_ < 0.0) return;
    // The water and the ice together stay what they were.
    // Weighed to the hundredth of a kilogram, as the label shows it.
    const Mistura m = TemperaturaMistura::ComGelo(Le(), Numeros::ArredondaFixo(geloAchado_, 2));
    campos[Agua][0]->setText(CamposNumericos::Geral(Numeros::ArredondaFixo(m.Agua.Massa, 2)));
    campos[Gelo][0]->setText(CamposNumericos::Geral(m.Gelo.Massa));
    btnUsarGelo->setEnabled(false);
    Calcula();
}

void TfrmTemperaturaMistura::Aplica() {
    const Mistura mistura = Le();
    const double t = TemperaturaMistura::Temperatura(mistura);
    std::vector<int> camadas;
    for (int i = 0; i < lstCamadas->count(); ++i)
        if (lstCamadas->item(i)->checkState() == Qt::Checked) camadas.push_back(i + 1);
    TDadosModelo& d = ctx_.dados;
    if (lstCamadas->count() != d.NCamadas) {
        ListaCamadas();
        ctx_.msg.erro(QStringLiteral("O membro mudou desde que a lista foi montada: confira as camadas marcadas."));
        return;
    }
    if (camadas.empty()) {
        ctx_.msg.erro(QStringLiteral("Marque ao menos uma camada."));
        return;
    }
    AlteraProblema(ctx_, QStringLiteral("Temperatura de Lançamento pela Mistura"), [&] {
        for (int c : camadas) d.Camadas[static_cast<std::size_t>(c)].TInicial = t;
        TDadosObra& obra = ObraEditavel(d);
        obra.MisturaLancamento = mistura;
        obra.CamadasMistura = camadas;
    });
    lbTemperatura->setText(QStringLiteral("Temperatura do concreto lançado: %1 °C (aplicada a %2 camada%3)")
                               .arg(Fixo(t))
                               .arg(camadas.size())
                               .arg(camadas.size() > 1 ? QStringLiteral("s") : QString()));
    // The list shows the stored placing temperatures, the checks as they were.
    std::vector<Qt::CheckState> marcas;
    for (int i = 0; i < lstCamadas->count(); ++i) marcas.push_back(lstCamadas->item(i)->checkState());
    ListaCamadas();
    for (int i = 0; i < lstCamadas->count(); ++i) lstCamadas->item(i)->setCheckState(marcas[static_cast<std::size_t>(i)]);
}
