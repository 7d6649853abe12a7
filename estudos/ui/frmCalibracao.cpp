#include "estudos/ui/frmCalibracao.h"

#include <QApplication>
#include <QChart>
#include <QLineSeries>
#include <QXYSeries>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QVBoxLayout>
#include <algorithm>

#include "core/Erros.h"
#include "core/Numeros.h"
#include "core/ui/CamposNumericos.h"
#include "core/ui/ExecutaAcao.h"
#include "core/ui/HistoricoProblema.h"
#include "core/ui/Janelas.h"
#include "core/ui/Programa.h"
#include "core/ui/PainelGrafico.h"

namespace {
QString Q(const std::string& s) { return QString::fromStdString(s); }
}  // namespace

TfrmCalibracao::TfrmCalibracao(Contexto& ctx, QWidget* parent) : QWidget(parent), ctx_(ctx) {
    setObjectName(QStringLiteral("frmCalibracao"));
    setWindowTitle(QStringLiteral("Calibração às Medições"));
    auto* menu = new QMenuBar(this);
    menu->addAction(QStringLiteral("&Sair"), this, &QWidget::close);

    auto* gbxParametros = new QGroupBox(QStringLiteral("Parâmetros a ajustar"), this);
    auto* grade = new QGridLayout(gbxParametros);
    const auto& parametros = Calibracao::Parametros();
    for (std::size_t i = 0; i < parametros.size(); ++i) {
        auto* c = new QCheckBox(Q(std::string(parametros[i].Chave) + " — " + std::string(parametros[i].Nome) + " (" +
                                  std::string(parametros[i].Unidade) + ")"),
                                gbxParametros);
        c->setObjectName(QStringLiteral("chk") + Q(std::string(parametros[i].Chave)));
        grade->addWidget(c, static_cast<int>(i) / 2, static_cast<int>(i) % 2);
        chkParametros.push_back(c);
    }

    auto* lblAte = new QLabel(QStringLiteral("Medições até a hora:"), this);
    edAte = new QLineEdit(this);
    edAte->setObjectName(QStringLiteral("edAte"));
    edAte->setMaximumWidth(90);
    edAte->setToolTip(QStringLiteral("Vazio: todas as leituras"));
    lblAte->setBuddy(edAte);
    btnCalibrar = new QPushButton(QStringLiteral("Calibrar"), this);
    btnCalibrar->setObjectName(QStringLiteral("btnCalibrar"));
    btnAplicar = new QPushButton(QStringLiteral("Aplicar ao Problema"), this);
    btnAplicar->setObjectName(QStringLiteral("btnAplicar"));
    btnAplicar->setEnabled(false);
    connect(btnCalibrar, &QPushButton::clicked, this, [this] { Calibrar(); });
    connect(btnAplicar, &QPushButton::clicked, this, [this] { Aplicar(); });
    auto* linha = new QHBoxLayout;
    linha->addWidget(lblAte);
    linha->addWidget(edAte);
    linha->addWidget(btnCalibrar);
    linha->addWidget(btnAplicar);
    linha->addStretch(1);

    memoRelatorio = new QPlainTextEdit(this);
    memoRelatorio->setObjectName(QStringLiteral("memoRelatorio"));
    memoRelatorio->setReadOnly(true);
    memoRelatorio->setMaximumHeight(140);

    cPrevisao = new TPainelGrafico(this);
    cPrevisao->setObjectName(QStringLiteral("cPrevisao"));
    cPrevisao->DefineTitulos(QStringLiteral("Previsão com os valores ajustados (± 1 incerteza)"),
                             QStringLiteral("Tempo (horas)"), QStringLiteral("Temperatura (Celsius)"));
    cPrevisao->setMinimumSize(600, 360);

    auto* raiz = new QVBoxLayout(this);
    raiz->setMenuBar(menu);
    raiz->addWidget(gbxParametros);
    raiz->addLayout(linha);
    raiz->addWidget(memoRelatorio);
    raiz->addWidget(cPrevisao, 1);
    resize(900, 760);
}

void TfrmCalibracao::Abre() { CamposNumericos::ApresentaJanela(this); }

bool TfrmCalibracao::Calibrar() {
    // Nothing of an earlier fit stays on screen while this one runs or if it fails.
    resultado_.reset();
    if (auto* guarda = GuardaResultados::De(this)) guarda->Avalia();
    memoRelatorio->clear();
    cPrevisao->RemoveSeries();
    btnAplicar->setEnabled(false);
    return ExecutaAcao(ctx_.msg, [this] {
        const TDadosModelo& d = ctx_.dados;
        std::vector<int> escolhidos;
        for (std::size_t i = 0; i < chkParametros.size(); ++i)
            if (chkParametros[i]->isChecked()) escolhidos.push_back(static_cast<int>(i));
        double ate = 0.0;
        if (edAte->text().trimmed().isEmpty()) {
            for (const auto& s : d.Medicoes)
                if (!s.Leituras.empty()) ate = std::max(ate, s.Leituras.back().Hora);
        } else {
            try {
                ate = Numeros::TextoParaReal(edAte->text().toStdString());
            } catch (const ErroConversao& e) {
                throw ErroConversao(std::string("Medições até a hora: ") + e.what());
            }
        }
        QApplication::setOverrideCursor(Qt::WaitCursor);
        struct Cursor {
            ~Cursor() { QApplication::restoreOverrideCursor(); }
        } cursor;
        TResultadoCalibracao r = Calibracao::Ajusta(d, escolhidos, ate);
        const auto previsao = Calibracao::Previsao(d, r);
        memoRelatorio->setPlainText(Q(r.Texto()));
        for (std::size_t s = 0; s < previsao.size() && s < d.Medicoes.size(); ++s) {
            const TSensor& sensor = d.Medicoes[s];
            const QString nome = Q(sensor.Nome) + QStringLiteral(" (") + Q(Numeros::FormataGeral(sensor.Altura)) +
                                 QStringLiteral(" m)");
            QList<QPointF> centro, acima, abaixo, medidas;
            for (const auto& p : previsao[s].Pontos) {
                centro.append(QPointF(p.Hora, p.Temperatura));
                acima.append(QPointF(p.Hora, p.Temperatura + p.Incerteza));
                abaixo.append(QPointF(p.Hora, p.Temperatura - p.Incerteza));
            }
            for (const TLeitura& l : sensor.Leituras) medidas.append(QPointF(l.Hora, l.Temperatura));
            cPrevisao->AdicionaSerie(QStringLiteral("Previsão ") + nome, centro);
            cPrevisao->AdicionaSerie(QStringLiteral("+1 incerteza ") + nome, acima);
            cPrevisao->AdicionaSerie(QStringLiteral("−1 incerteza ") + nome, abaixo);
            cPrevisao->AdicionaMarcadores(QStringLiteral("Medido ") + nome, medidas);
            // The band dashed and the readings in the colour of their forecast.
            const auto linhas = cPrevisao->Series();
            const QColor cor = linhas[linhas.size() - 3]->color();
            for (int k = 1; k <= 2; ++k) {
                QPen caneta = linhas[linhas.size() - k]->pen();
                caneta.setColor(cor);
                caneta.setStyle(Qt::DashLine);
                linhas[linhas.size() - k]->setPen(caneta);
            }
            if (auto* marcas = qobject_cast<QXYSeries*>(cPrevisao->Grafico()->series().back())) marcas->setColor(cor);
        }
        // What the data leave undetermined is said where it cannot be missed, not only in the report.
        if (!r.Convergiu || !r.Avisos.empty()) {
            std::string aviso = r.Convergiu ? std::string() : r.Situacao + ".\n";
            for (const std::string& a : r.Avisos) aviso += a + "\n";
            ctx_.msg.informacao(Q(aviso));
        }
        resultado_ = std::move(r);
        revisao_ = RevisaoAtual(ctx_);
        if (auto* guarda = GuardaResultados::De(this)) guarda->Avalia();
        btnAplicar->setEnabled(true);
    });
}

std::optional<OrigemResultados> TfrmCalibracao::Origem() const {
    if (!resultado_) return std::nullopt;
    return OrigemResultados{revisao_, false};
}

bool TfrmCalibracao::Aplicar() {
    if (!resultado_) return false;
    // A fit belongs to the problem it was made on: never to another project or a changed one.
    if (!ResultadosVigentes(ctx_, Origem())) {
        btnAplicar->setEnabled(false);
        ctx_.msg.erro(QStringLiteral("A calibração foi feita sobre uma versão anterior do problema e não pode ser "
                                     "aplicada. Calibre de novo."));
        return false;
    }
    if (!ctx_.msg.confirma(QStringLiteral("Aplicar os valores ajustados ao problema? Os resultados mostrados são "
                                          "da análise anterior: execute a análise de novo.")))
        return false;
    // As when the values are typed in the heat, curing or placement dialogs.
    AlteraProblema(ctx_, QStringLiteral("Calibração aplicada"), [&] { Calibracao::Aplica(ctx_.dados, *resultado_); });
    if (ctx_.janelas.programa) ctx_.janelas.programa->MostraStatus(QStringLiteral(" Valores da calibração aplicados: execute a análise"));
    btnAplicar->setEnabled(false);
    return true;
}
