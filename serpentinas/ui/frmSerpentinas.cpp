#include "serpentinas/ui/frmSerpentinas.h"

#include <QFile>
#include <QFileInfo>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QVBoxLayout>
#include <cmath>

#include "core/Membro.h"
#include "core/Numeros.h"
#include "core/ui/CamposNumericos.h"
#include "core/ui/ExecutaAcao.h"
#include "core/ui/HistoricoProblema.h"
#include "serpentinas/Serpentinas.h"

namespace {

using CamposNumericos::Geral;
using CamposNumericos::Real;

std::size_t I(int i) { return static_cast<std::size_t>(i); }

// "0,5; 1" ↔ the heights of the rows.
QString TextoAlturas(const std::vector<double>& z) {
    QString s;
    for (std::size_t k = 0; k < z.size(); ++k) s += (k ? QStringLiteral("; ") : QString()) + Geral(z[k]);
    return s;
}

std::vector<double> LeAlturas(QLineEdit* campo) {
    std::vector<double> z;
    for (const QString& parte : campo->text().split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        if (parte.trimmed().isEmpty()) continue;
        try {
            z.push_back(Numeros::TextoParaReal(parte.toStdString()));
        } catch (...) {
            campo->setFocus();
            throw;
        }
    }
    return z;
}

TSerpentinasCamada Padrao() {
    TSerpentinasCamada c;
    c.Tubo = Serpentinas::Predefinicoes().front().Tubo;
    return c;
}

}  // namespace

TfrmSerpentinas::TfrmSerpentinas(Contexto& ctx, QWidget* parent) : QWidget(parent, Qt::Window), ctx_(ctx) {
    setObjectName(QStringLiteral("frmSerpentinas"));
    setWindowTitle(QStringLiteral("Serpentinas de Resfriamento"));
    using CamposNumericos::NovoCampo;

    cbCamada = new QComboBox(this);
    cbCamada->setObjectName(QStringLiteral("cbCamada"));
    chkTem = new QCheckBox(QStringLiteral("Esta camada tem serpentinas"), this);
    chkTem->setObjectName(QStringLiteral("chkTem"));
    auto* topo = new QHBoxLayout;
    topo->addWidget(new QLabel(QStringLiteral("Camada")));
    topo->addWidget(cbCamada);
    topo->addWidget(chkTem);
    topo->addStretch();

    edAlturas = NovoCampo(this, "edAlturas", QStringLiteral("0,75"), 120);
    edAlturas->setToolTip(QStringLiteral("Altura de cada fileira acima da base da camada, separadas por ponto e vírgula"));
    edEspacamento = NovoCampo(this, "edEspacamento", QStringLiteral("1"));
    edComprimento = NovoCampo(this, "edComprimento", QStringLiteral("200"));
    auto* fileiras = new QGroupBox(QStringLiteral("Fileiras"), this);
    auto* f1 = new QFormLayout(fileiras);
    f1->addRow(QStringLiteral("Alturas na camada (m; separadas por ;)"), edAlturas);
    f1->addRow(QStringLiteral("Espaçamento horizontal entre tubos (m)"), edEspacamento);
    f1->addRow(QStringLiteral("Comprimento de cada laço (m)"), edComprimento);

    cbTubo = new QComboBox(this);
    cbTubo->setObjectName(QStringLiteral("cbTubo"));
    for (const auto& p : Serpentinas::Predefinicoes()) cbTubo->addItem(QString::fromUtf8(p.Nome));
    cbTubo->addItem(QStringLiteral("Outro"));
    edDiametro = NovoCampo(this, "edDiametro", QString());
    edParede = NovoCampo(this, "edParede", QString());
    edCondutividade = NovoCampo(this, "edCondutividade", QString());
    auto* tubo = new QGroupBox(QStringLiteral("Tubo"), this);
    auto* f2 = new QFormLayout(tubo);
    f2->addRow(QStringLiteral("Material"), cbTubo);
    f2->addRow(QStringLiteral("Diâmetro externo (mm)"), edDiametro);
    f2->addRow(QStringLiteral("Espessura da parede (mm)"), edParede);
    f2->addRow(QStringLiteral("Condutividade da parede (W/m·°C)"), edCondutividade);

    edVazao = NovoCampo(this, "edVazao", QStringLiteral("20"));
    edTEntrada = NovoCampo(this, "edTEntrada", QStringLiteral("15"));
    chkSerie = new QCheckBox(QStringLiteral("Temperatura de entrada da série horária"), this);
    chkSerie->setObjectName(QStringLiteral("chkSerie"));
    edColuna = NovoCampo(this, "edColuna", QStringLiteral("agua"));
    btnSerie = new QPushButton(QStringLiteral("Ler Série Horária..."), this);
    btnSerie->setObjectName(QStringLiteral("btnSerie"));
    btnSerie->setToolTip(QStringLiteral("Lê a coluna indicada de um CSV horário (hora;…), como o arquivo de clima"));
    lbSerie = new QLabel(this);
    lbSerie->setObjectName(QStringLiteral("lbSerie"));
    lbSerie->setWordWrap(true);
    auto* linhaSerie = new QHBoxLayout;
    linhaSerie->addWidget(new QLabel(QStringLiteral("Coluna")));
    linhaSerie->addWidget(edColuna);
    linhaSerie->addWidget(btnSerie);
    lbEscoamento = new QLabel(this);
    lbEscoamento->setObjectName(QStringLiteral("lbEscoamento"));
    lbEscoamento->setWordWrap(true);
    auto* agua = new QGroupBox(QStringLiteral("Água"), this);
    auto* f3 = new QFormLayout(agua);
    f3->addRow(QStringLiteral("Vazão em cada laço (L/min)"), edVazao);
    f3->addRow(QStringLiteral("Temperatura de entrada (°C)"), edTEntrada);
    f3->addRow(chkSerie);
    f3->addRow(linhaSerie);
    f3->addRow(lbSerie);
    f3->addRow(lbEscoamento);

    edInicio = NovoCampo(this, "edInicio", QStringLiteral("0"));
    edFim = NovoCampo(this, "edFim", QStringLiteral("336"));
    chkGatilho = new QCheckBox(QStringLiteral("Ligar e desligar pela temperatura do concreto"), this);
    chkGatilho->setObjectName(QStringLiteral("chkGatilho"));
    edLiga = NovoCampo(this, "edLiga", QStringLiteral("35"));
    edDesliga = NovoCampo(this, "edDesliga", QStringLiteral("30"));
    auto* operacao = new QGroupBox(QStringLiteral("Operação"), this);
    auto* f4 = new QFormLayout(operacao);
    f4->addRow(QStringLiteral("Início (h após o lançamento da camada)"), edInicio);
    f4->addRow(QStringLiteral("Fim (h após o lançamento da camada)"), edFim);
    f4->addRow(chkGatilho);
    f4->addRow(QStringLiteral("Liga quando o concreto chega a (°C)"), edLiga);
    f4->addRow(QStringLiteral("Desliga quando cai a (°C)"), edDesliga);

    btnTodas = new QPushButton(QStringLiteral("Aplicar a Todas as Camadas"), this);
    btnTodas->setObjectName(QStringLiteral("btnTodas"));
    btnOk = new QPushButton(QStringLiteral("Ok"), this);
    btnOk->setObjectName(QStringLiteral("btnOk"));
    btnCancelar = new QPushButton(QStringLiteral("Cancelar"), this);
    btnCancelar->setObjectName(QStringLiteral("btnCancelar"));
    auto* botoes = new QHBoxLayout;
    botoes->addWidget(btnTodas);
    botoes->addStretch();
    botoes->addWidget(btnOk);
    botoes->addWidget(btnCancelar);

    auto* grade = new QGridLayout;
    grade->addWidget(fileiras, 0, 0);
    grade->addWidget(tubo, 0, 1);
    grade->addWidget(agua, 1, 0);
    grade->addWidget(operacao, 1, 1);
    auto* coluna = new QVBoxLayout(this);
    coluna->addLayout(topo);
    coluna->addLayout(grade);
    coluna->addLayout(botoes);

    connect(cbCamada, &QComboBox::currentIndexChanged, this, [this](int i) {
        if (mostrando_) return;
        // A field that does not convert keeps the lift shown.
        if (!ExecutaAcao(ctx_.msg, [&] { Guarda(camada_); })) {
            mostrando_ = true;
            cbCamada->setCurrentIndex(camada_ - 1);
            mostrando_ = false;
            return;
        }
        Mostra(i + 1);
    });
    connect(chkTem, &QCheckBox::toggled, this, [this] { Habilita(); });
    connect(chkGatilho, &QCheckBox::toggled, this, [this] { Habilita(); });
    connect(chkSerie, &QCheckBox::toggled, this, [this] { Habilita(); });
    connect(cbTubo, &QComboBox::currentIndexChanged, this, [this](int i) {
        if (!mostrando_) Predefinicao(i);
    });
    for (QLineEdit* e : {edDiametro, edParede, edVazao})
        connect(e, &QLineEdit::textChanged, this, [this] { Escoamento(); });
    connect(btnSerie, &QPushButton::clicked, this, [this] { ExecutaAcao(ctx_.msg, [&] { LeSerie(); }); });
    connect(btnTodas, &QPushButton::clicked, this, [this] { ExecutaAcao(ctx_.msg, [&] { AplicaATodas(); }); });
    connect(btnOk, &QPushButton::clicked, this, [this] { ExecutaAcao(ctx_.msg, [&] { Ok(); }); });
    connect(btnCancelar, &QPushButton::clicked, this, &QWidget::close);
    if (ctx_.historico) connect(ctx_.historico, &HistoricoProblema::Restaurado, this, [this] { MostraEstado(); });
}

void TfrmSerpentinas::Abre() {
    const TDadosModelo& d = ctx_.dados;
    rascunho_.assign(I(std::max(d.NCamadas, 0) + 1), TSerpentinasCamada{});
    const TDadosSerpentinas& s = SerpentinasDe(d);
    int primeira = 0;
    for (int L = 1; L <= d.NCamadas; ++L) {
        const TSerpentinasCamada* c = s.DaCamada(L);
        rascunho_[I(L)] = c ? *c : Padrao();
        if (!c) rascunho_[I(L)].Alturas.clear();
        if (c && !primeira) primeira = L;
    }
    mostrando_ = true;
    cbCamada->clear();
    for (int L = 1; L <= d.NCamadas; ++L) cbCamada->addItem(QStringLiteral("%1").arg(L));
    mostrando_ = false;
    serie_ = s.SerieEntrada;
    origemSerie_ = s.OrigemSerie;
    MostraSerie();
    const int L = primeira ? primeira : Membro::PrimeiraCamadaDeConcreto(d);
    if (d.NCamadas >= 1) {
        mostrando_ = true;
        cbCamada->setCurrentIndex(std::clamp(L, 1, d.NCamadas) - 1);
        mostrando_ = false;
        Mostra(std::clamp(L, 1, d.NCamadas));
    }
    btnOk->setEnabled(d.NCamadas >= 1);
    CamposNumericos::ApresentaJanela(this);
}

void TfrmSerpentinas::MostraEstado() {
    if (isVisible()) Abre();
}

void TfrmSerpentinas::Mostra(int L) {
    camada_ = L;
    const TSerpentinasCamada& c = rascunho_[I(L)];
    mostrando_ = true;
    chkTem->setChecked(!c.Alturas.empty());
    chkTem->setEnabled(!Membro::CamadaDaFundacao(ctx_.dados, L));
    edAlturas->setText(c.Alturas.empty() ? Geral(ctx_.dados.Camadas[I(L)].Espessura / 2.0) : TextoAlturas(c.Alturas));
    edEspacamento->setText(Geral(c.Espacamento));
    edComprimento->setText(Geral(c.Comprimento));
    int preset = static_cast<int>(Serpentinas::Predefinicoes().size());
    for (std::size_t k = 0; k < Serpentinas::Predefinicoes().size(); ++k)
        if (Serpentinas::Predefinicoes()[k].Tubo == c.Tubo) preset = static_cast<int>(k);
    cbTubo->setCurrentIndex(preset);
    edDiametro->setText(Geral(c.Tubo.DiametroExterno * 1000.0));
    edParede->setText(Geral(c.Tubo.Espessura * 1000.0));
    edCondutividade->setText(Geral(c.Tubo.Condutividade));
    edVazao->setText(Geral(c.Vazao));
    edTEntrada->setText(Geral(c.TEntrada));
    chkSerie->setChecked(c.EntradaDaSerie);
    edInicio->setText(Geral(c.HoraInicio));
    edFim->setText(Geral(c.HoraFim));
    chkGatilho->setChecked(c.PorTemperatura);
    edLiga->setText(Geral(c.TLiga));
    edDesliga->setText(Geral(c.TDesliga));
    mostrando_ = false;
    Habilita();
    Escoamento();
}

void TfrmSerpentinas::Guarda(int L) {
    if (L < 1 || I(L) >= rascunho_.size()) return;
    TSerpentinasCamada c;
    if (chkTem->isChecked()) {
        c.Alturas = LeAlturas(edAlturas);
        if (c.Alturas.empty()) {
            edAlturas->setFocus();
            throw std::runtime_error("Informe a altura de ao menos uma fileira de serpentinas na camada " +
                                     std::to_string(L) + ".");
        }
    }
    c.Espacamento = Real(edEspacamento);
    c.Comprimento = Real(edComprimento);
    const auto& lista = Serpentinas::Predefinicoes();
    if (cbTubo->currentIndex() >= 0 && cbTubo->currentIndex() < static_cast<int>(lista.size())) {
        c.Tubo = lista[I(cbTubo->currentIndex())].Tubo;
    } else {
        c.Tubo.DiametroExterno = Real(edDiametro) / 1000.0;
        c.Tubo.Espessura = Real(edParede) / 1000.0;
        c.Tubo.Condutividade = Real(edCondutividade);
    }
    c.Vazao = Real(edVazao);
    c.TEntrada = Real(edTEntrada);
    c.EntradaDaSerie = chkSerie->isChecked();
    c.HoraInicio = Real(edInicio);
    c.HoraFim = Real(edFim);
    c.PorTemperatura = chkGatilho->isChecked();
    c.TLiga = Real(edLiga);
    c.TDesliga = Real(edDesliga);
    rascunho_[I(L)] = c;
}

void TfrmSerpentinas::AplicaATodas() {
    Guarda(camada_);
    const TSerpentinasCamada modelo = rascunho_[I(camada_)];
    for (int L = 1; L < static_cast<int>(rascunho_.size()); ++L) {
        if (Membro::CamadaDaFundacao(ctx_.dados, L)) continue;
        TSerpentinasCamada c = modelo;
        // The heights are the same share of each lift's thickness.
        const double h0 = ctx_.dados.Camadas[I(camada_)].Espessura, h = ctx_.dados.Camadas[I(L)].Espessura;
        for (double& z : c.Alturas) z = h0 > 0.0 ? Numeros::ArredondaFixo(z / h0 * h, 4) : z;
        rascunho_[I(L)] = c;
    }
}

void TfrmSerpentinas::Ok() {
    Guarda(camada_);
    std::vector<TSerpentinasCamada> novas = rascunho_;
    AlteraProblema(ctx_, QStringLiteral("Serpentinas de Resfriamento"), [&] {
        TDadosModelo& d = ctx_.dados;
        bool alguma = false;
        for (const auto& c : novas) alguma = alguma || !c.Alturas.empty();
        if (!alguma && serie_.empty() && !d.Resfriamento) return;
        TDadosSerpentinas& s = SerpentinasEditavel(d);
        s.SerieEntrada = serie_;
        s.OrigemSerie = origemSerie_;
        // A lift without rows keeps nothing else: the file lists only what runs.
        for (auto& c : novas)
            if (c.Alturas.empty()) c = TSerpentinasCamada{};
        s.Camadas = novas;
        if (!alguma && s.SerieEntrada.empty()) d.Resfriamento.Define(nullptr);
    });
    close();
}

void TfrmSerpentinas::Escoamento() {
    try {
        TTubo t;
        t.DiametroExterno = Real(edDiametro) / 1000.0;
        t.Espessura = Real(edParede) / 1000.0;
        const double vazao = Real(edVazao);
        if (!(t.DiametroExterno > 2.0 * t.Espessura && t.Espessura > 0.0 && vazao > 0.0)) {
            lbEscoamento->clear();
            return;
        }
        t.Condutividade = Real(edCondutividade);
        const double re = Serpentinas::Reynolds(t, vazao);
        const QString regime = re <= Serpentinas::ReynoldsLaminar      ? QStringLiteral("laminar")
                               : re < Serpentinas::ReynoldsTurbulento ? QStringLiteral("de transição")
                                                                       : QStringLiteral("turbulento");
        QString texto = QStringLiteral("Re = %1, escoamento %2; película: h = %3 W/m²·°C")
                            .arg(QString::fromStdString(Numeros::FormataFixo(re, 0, 0)), regime,
                                 QString::fromStdString(Numeros::FormataFixo(Serpentinas::CoeficientePelicula(t, vazao), 0, 0)));
        if (t.Condutividade > 0.0)
            texto += QStringLiteral("; água e parede: %1 m·°C/W por metro de tubo")
                         .arg(QString::fromStdString(
                             Numeros::FormataFixo(Serpentinas::ResistenciaAguaParede(t, vazao), 0, 4)));
        lbEscoamento->setText(texto);
    } catch (...) {
        lbEscoamento->clear();
    }
}

void TfrmSerpentinas::Habilita() {
    const bool tem = chkTem->isChecked();
    for (QWidget* w : std::initializer_list<QWidget*>{edAlturas, edEspacamento, edComprimento, cbTubo, edVazao,
                                                      edInicio, edFim, chkGatilho, edColuna, btnSerie})
        w->setEnabled(tem);
    const bool outro = cbTubo->currentIndex() >= static_cast<int>(Serpentinas::Predefinicoes().size());
    for (QWidget* w : std::initializer_list<QWidget*>{edDiametro, edParede, edCondutividade}) w->setEnabled(tem && outro);
    edTEntrada->setEnabled(tem && !chkSerie->isChecked());
    chkSerie->setEnabled(tem && !serie_.empty());
    edLiga->setEnabled(tem && chkGatilho->isChecked());
    edDesliga->setEnabled(tem && chkGatilho->isChecked());
    btnTodas->setEnabled(tem);
}

void TfrmSerpentinas::LeSerie() {
    const auto nome = ctx_.arquivos.abrir(QStringLiteral("CSV horário|*.csv|Todos|*.*"));
    if (!nome) return;
    QFile arquivo(*nome);
    if (!arquivo.open(QIODevice::ReadOnly))
        throw std::runtime_error("Não foi possível abrir \"" + nome->toStdString() + "\".");
    const std::string coluna = edColuna->text().trimmed().toStdString();
    serie_ = Serpentinas::LeSerieCsv(arquivo.readAll().toStdString(), coluna);
    origemSerie_ = QFileInfo(*nome).fileName().toStdString() + ", coluna " + coluna + ", horas 0 a " +
                   std::to_string(serie_.size() - 1);
    MostraSerie();
    chkSerie->setChecked(true);
    Habilita();
}

void TfrmSerpentinas::MostraSerie() {
    lbSerie->setText(serie_.empty() ? QStringLiteral("Nenhuma série horária da água lida.")
                                    : QStringLiteral("Série: %1.").arg(QString::fromStdString(origemSerie_)));
}

void TfrmSerpentinas::Predefinicao(int i) {
    const auto& lista = Serpentinas::Predefinicoes();
    if (i >= 0 && i < static_cast<int>(lista.size())) {
        const TTubo& t = lista[I(i)].Tubo;
        edDiametro->setText(Geral(t.DiametroExterno * 1000.0));
        edParede->setText(Geral(t.Espessura * 1000.0));
        edCondutividade->setText(Geral(t.Condutividade));
    }
    Habilita();
}
