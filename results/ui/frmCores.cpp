#include "results/ui/frmCores.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QPainter>
#include <QPolygon>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "core/Instantes.h"
#include "core/Membro.h"
#include "results/ui/ArquivoFigura.h"
#include "core/Numeros.h"
#include "core/ui/ExecutaAcao.h"
#include "core/ui/Janelas.h"
#include "core/ui/Programa.h"
#include "results/Cores.h"
#include "results/ui/Navegacao.h"

namespace {
QColor Qt_(const Cores::CorRGB& c) { return QColor(c.r, c.g, c.b); }

QLabel* Rotulo(const QString& nome, const QString& texto, QWidget* pai) {
    auto* l = new QLabel(texto, pai);
    l->setObjectName(nome);
    return l;
}

QString Fixo(double v, int largura, int decimais) {
    return QString::fromStdString(Numeros::FormataFixo(v, largura, decimais));
}

// Scale rows differ by about three levels; a colour this close to a row lies on
// the scale (a band whose exact shade no row kept), anything farther does not.
constexpr int ToleranciaCor = 4;
}  // namespace

TfrmCores::TfrmCores(Contexto& ctx, QWidget* parent) : QWidget(parent), ctx_(ctx) {
    setObjectName(QStringLiteral("frmCores"));
    setWindowTitle(QStringLiteral(" IsoCores"));

    MainMenu1 = new QMenuBar(this);
    QMenu* saida = MainMenu1->addMenu(QStringLiteral("&Saída"));
    Norvik1D1 = saida->addAction(QStringLiteral("Norvik 1D"));
    Norvik1D1->setObjectName(QStringLiteral("Norvik1D1"));
    SaidaCores1 = saida->addAction(QStringLiteral("Cores"));
    QMenu* resultados = MainMenu1->addMenu(QStringLiteral("Resultados"));
    Grafico1 = resultados->addAction(QStringLiteral("&Grafico"));
    Planilha1 = resultados->addAction(QStringLiteral("&Planilha"));
    Eixo1 = resultados->addAction(QStringLiteral("Eixo"));
    SalvarFigura1 = resultados->addAction(QStringLiteral("Salvar Figura..."));
    {
        QAction* resumo = resultados->addAction(QStringLiteral("Resumo Térmico"));
        connect(resumo, &QAction::triggered, this, [this] {
            Navegacao::AbreResumoTermico(ctx_);
        });
    }

    // The scale, its texts and the moving pointer sit at fixed pixel positions, as
    // the pointer's place is a pixel row of the scale.
    auto* area = new QWidget(this);
    areaFigura_ = area;
    area->setFixedSize(560, 475);
    imGrafico = new TFigura(area);
    imGrafico->setObjectName(QStringLiteral("imGrafico"));
    imGrafico->setGeometry(8, 8, 281, 457);
    imGrafico->setCursor(Qt::CrossCursor);
    gaProcesso = new QProgressBar(area);
    gaProcesso->setObjectName(QStringLiteral("gaProcesso"));
    gaProcesso->setOrientation(Qt::Vertical);
    gaProcesso->setRange(0, 100);
    gaProcesso->setValue(0);
    gaProcesso->setTextVisible(false);
    gaProcesso->setGeometry(296, 8, 14, 457);
    ImEscala = new TFigura(area);
    ImEscala->setObjectName(QStringLiteral("ImEscala"));
    ImEscala->setGeometry(340, 48, 33, 377);
    lbIndica = Rotulo(QStringLiteral("lbIndica"), QStringLiteral("<---"), area);
    lbIndica->setGeometry(376, 48 - 8, 34, 16);
    lbIndica->hide();
    QLabel** textos[] = {&stTmax, &stTq, &stTr, &stTf, &stTmin};
    const char* nomes[] = {"stTmax", "stTq", "stTr", "stTf", "stTmin"};
    QFont mono(QStringLiteral("Monospace"));
    mono.setStyleHint(QFont::TypeWriter);
    for (int i = 0; i < 5; ++i) {
        *textos[i] = Rotulo(QString::fromLatin1(nomes[i]), QString(), area);
        (*textos[i])->setFont(mono);
        (*textos[i])->setGeometry(414, 48 + i * 377 / 4 - 9, 80, 18);
    }
    auto* tituloEscala = new QLabel(QStringLiteral("T (C)"), area);
    tituloEscala->setGeometry(340, 20, 60, 18);

    Label5 = Rotulo(QStringLiteral("Label5"), QStringLiteral(" Instante : Final"), this);
    QFont negrito = Label5->font();
    negrito.setBold(true);
    Label5->setFont(negrito);
    // Wide enough for any instant: a caption that grows would resize the window and
    // repaint all of it at an animation frame.
    Label5->setMinimumWidth(QFontMetrics(negrito).horizontalAdvance(QStringLiteral("Instante: 0000000")));

    auto* quadroInstante = new QGroupBox(QStringLiteral("Instante"), this);
    quadroInstante->setToolTip(QStringLiteral("Instante da Visualização"));
    seTIni = new TCaixaHora(quadroInstante);
    seTIni->setObjectName(QStringLiteral("seTIni"));
    seTIni->setToolTip(QStringLiteral("Instante da Visualização"));
    seTIni->setRange(0, 1000000);
    btnVisualizar = new QPushButton(QStringLiteral("Visualizar"), quadroInstante);
    btnVisualizar->setObjectName(QStringLiteral("btnVisualizar"));
    auto* caixaInstante = new QHBoxLayout(quadroInstante);
    caixaInstante->addWidget(seTIni);
    caixaInstante->addWidget(new QLabel(QStringLiteral("[h]"), quadroInstante));
    caixaInstante->addWidget(btnVisualizar);

    auto* quadroAnimacao = new QGroupBox(this);
    chkAnimacao = new QCheckBox(QStringLiteral("Animação a cada :"), quadroAnimacao);
    chkAnimacao->setObjectName(QStringLiteral("chkAnimacao"));
    seFotos = new QSpinBox(quadroAnimacao);
    seFotos->setObjectName(QStringLiteral("seFotos"));
    seFotos->setToolTip(QStringLiteral("Velocidade da Animação"));
    seFotos->setRange(1, 1000);
    seFotos->setSingleStep(100);
    seFotos->setValue(500);
    seHorasQuadro = new QSpinBox(quadroAnimacao);
    seHorasQuadro->setObjectName(QStringLiteral("seHorasQuadro"));
    seHorasQuadro->setToolTip(QStringLiteral("Horas avançadas a cada quadro da animação"));
    seHorasQuadro->setRange(1, 1000);
    seHorasQuadro->setValue(HorasPorQuadroPadrao);
    auto* caixaAnimacao = new QHBoxLayout(quadroAnimacao);
    caixaAnimacao->addWidget(chkAnimacao);
    caixaAnimacao->addWidget(seFotos);
    caixaAnimacao->addWidget(new QLabel(QStringLiteral("(ms)"), quadroAnimacao));
    caixaAnimacao->addWidget(seHorasQuadro);
    caixaAnimacao->addWidget(new QLabel(QStringLiteral("h por quadro"), quadroAnimacao));
    tAnimacao = new QTimer(this);
    tAnimacao->setObjectName(QStringLiteral("tAnimacao"));
    // The period is the pace of the animation: not stretched by the coarse timer's slack.
    tAnimacao->setTimerType(Qt::PreciseTimer);

    auto* quadroY = new QGroupBox(QStringLiteral("Y (m)"), this);
    quadroY->setToolTip(QStringLiteral("Posição em que se encontra a \ntemperatura mostrada ao lado"));
    lbXi = Rotulo(QStringLiteral("lbXi"), QString(), quadroY);
    lbXi->setFont(mono);
    lbXi->setMinimumWidth(70);
    (new QHBoxLayout(quadroY))->addWidget(lbXi);
    auto* quadroT = new QGroupBox(QStringLiteral("T (C)"), this);
    quadroT->setToolTip(QStringLiteral("Temperatura na posição descrita\n         no quadro ao lado"));
    lbTi = Rotulo(QStringLiteral("lbTi"), QString(), quadroT);
    lbTi->setFont(mono);
    lbTi->setMinimumWidth(60);
    imCor = new TFigura(quadroT);
    imCor->setObjectName(QStringLiteral("imCor"));
    imCor->setFixedSize(24, 18);
    auto* caixaT = new QHBoxLayout(quadroT);
    caixaT->addWidget(lbTi);
    caixaT->addWidget(imCor);

    auto* linha1 = new QHBoxLayout;
    linha1->addWidget(Label5);
    linha1->addStretch(1);
    linha1->addWidget(quadroY);
    linha1->addWidget(quadroT);
    auto* linha2 = new QHBoxLayout;
    linha2->addWidget(quadroInstante);
    linha2->addWidget(quadroAnimacao);
    linha2->addStretch(1);
    auto* caixa = new QVBoxLayout(this);
    caixa->setMenuBar(MainMenu1);
    caixa->addWidget(area);
    caixa->addLayout(linha1);
    caixa->addLayout(linha2);
    caixa->setSizeConstraint(QLayout::SetFixedSize);

    imGrafico->Limpa(Qt::white);
    ImEscala->Limpa(Qt::white);
    imCor->Limpa(Qt::white);

    connect(btnVisualizar, &QPushButton::clicked, this, [this] { ExecutaAcao(ctx_.msg, [this] { Visualizar(); }); });
    connect(chkAnimacao, &QCheckBox::toggled, this, [this](bool ligada) {
        if (ligada)
            tAnimacao->start(seFotos->value());
        else
            tAnimacao->stop();
    });
    connect(seFotos, &QSpinBox::valueChanged, this, [this](int periodo) {
        if (tAnimacao->isActive()) tAnimacao->setInterval(periodo);
    });
    connect(tAnimacao, &QTimer::timeout, this, [this] {
        // A failing instant stops the animation instead of repeating its message.
        if (!ExecutaAcao(ctx_.msg, [this] { PassoAnimacao(); })) chkAnimacao->setChecked(false);
    });
    connect(imGrafico, &TFigura::MouseMoveu, this, &TfrmCores::MostraLeitura);
    connect(Norvik1D1, &QAction::triggered, this, [this] {
        ExecutaAcao(ctx_.msg, [this] {
            if (ctx_.msg.confirma(QStringLiteral("Deseja Sair do Programa Norvik 1D?")) && ctx_.janelas.programa)
                ctx_.janelas.programa->EncerraPrograma();
        });
    });
    connect(SaidaCores1, &QAction::triggered, this, [this] { close(); });
    connect(Grafico1, &QAction::triggered, this, [this] {
        ExecutaAcao(ctx_.msg, [this] {
            close();
            Navegacao::AbreGrafico(ctx_);
        });
    });
    connect(Planilha1, &QAction::triggered, this,
            [this] { ExecutaAcao(ctx_.msg, [this] { Navegacao::AbrePlanilha(ctx_); }); });
    connect(Eixo1, &QAction::triggered, this, [this] {
        ExecutaAcao(ctx_.msg, [this] {
            close();
            Navegacao::AbreEixo(ctx_, true);
        });
    });
    connect(SalvarFigura1, &QAction::triggered, this, [this] {
        ExecutaAcao(ctx_.msg, [this] { ArquivoFigura::SalvaWidgetComo(ctx_.arquivos, areaFigura_); });
    });
}

void TfrmCores::showEvent(QShowEvent* evento) {
    DesenhaEscala();
    QWidget::showEvent(evento);
}

void TfrmCores::DefineLimitesHora(int minimo, int maximo) { seTIni->DefineLimites(ctx_.dados, minimo, maximo); }

double TfrmCores::AlturaMembro() const {
    const int n = std::clamp(ctx_.dados.NCamadas, 0, MaxCamadas);
    const TCamada& topo = ctx_.dados.Camadas[static_cast<std::size_t>(n)];
    return topo.XIni + topo.Espessura;
}

void TfrmCores::DesenhaEscala() {
    QImage& img = ImEscala->Imagem();
    const auto linhas = Cores::LinhasEscala(img.height());
    QPainter p(&img);
    for (int y = 0; y < static_cast<int>(linhas.size()); ++y) {
        p.setPen(Qt_(linhas[static_cast<std::size_t>(y)]));
        p.drawLine(0, y, img.width() - 1, y);
    }
    p.end();
    ImEscala->Atualiza();
    const auto valores = Cores::ValoresEscala(ctx_.dados.TMinEscala, ctx_.dados.TMaxEscala);
    QLabel* textos[] = {stTmax, stTq, stTr, stTf, stTmin};
    for (int i = 0; i < 5; ++i) textos[i]->setText(Fixo(valores[static_cast<std::size_t>(i)], 7, 2));
}

void TfrmCores::LimpaColuna() {
    QPainter p(&imGrafico->Imagem());
    p.fillRect(QRect(XEsquerda, 0, XDireita - XEsquerda + 1, imGrafico->Imagem().height()), Qt::white);
}

void TfrmCores::PintaElemento(int, int m, double tInferior, double tSuperior, double tMaxEscala,
                              double tMinEscala, double alturaMembro, const TCamada& elemento) {
    QImage& img = imGrafico->Imagem();
    const int P = img.height();
    if (!(alturaMembro > 0) || !std::isfinite(alturaMembro) || !(elemento.Espessura > 0)) return;
    QPainter p(&img);
    p.setPen(Qt::NoPen);
    for (const auto& f : Cores::FaixasElemento(elemento.XIni, elemento.Espessura, tInferior, tSuperior, m)) {
        p.setBrush(Qt_(Cores::CorTemperatura(f.t, tMinEscala, tMaxEscala)));
        const int ya = Cores::LinhaPixel(f.ya, P, alturaMembro);
        const int yb = Cores::LinhaPixel(f.yb, P, alturaMembro);
        QPolygon faixa;
        faixa << QPoint(XEsquerda, ya) << QPoint(XDireita, ya) << QPoint(XDireita, yb) << QPoint(XEsquerda, yb);
        p.drawPolygon(faixa);
    }
}

void TfrmCores::DesenhaElemento(int e, int m, double tInferior, double tSuperior, double tMaxEscala,
                                double tMinEscala, double alturaMembro,
                                const std::array<TCamada, MaxElementos + 1>& elementos) {
    if (e < 1 || e > MaxElementos) return;
    if (e == 1) {
        // A new final state: the previous picture and its instant no longer apply.
        LimpaColuna();
        Label5->setText(QStringLiteral(" Instante : Final"));
    }
    PintaElemento(e, m, tInferior, tSuperior, tMaxEscala, tMinEscala, alturaMembro,
                  elementos[static_cast<std::size_t>(e)]);
    if (e == m) {
        DesenhaEscala();
        imGrafico->Atualiza();
    }
}

void TfrmCores::Status(const QString& texto) {
    if (ctx_.janelas.programa) ctx_.janelas.programa->MostraStatus(texto);
}

void TfrmCores::Visualizar() { PintaInstante(false); }

void TfrmCores::PintaInstante(bool quadroAnimacao) {
    const TDadosModelo& d = ctx_.dados;
    const int total = static_cast<int>(Membro::NumeroElementos(d));
    if (!quadroAnimacao) {
        gaProcesso->setRange(0, std::max(total, 1));
        gaProcesso->setValue(0);
        repaint();
    }

    int t = Numeros::TextoParaInteiro(seTIni->text().toStdString());
    // With steps above one hour only the computed instants have temperatures: an
    // hour between two of them (or outside the analysis) goes to the nearest.
    if (d.PassoTempo > 1 && Instantes::LinhaDaHora(d, t) < 1) {
        t = static_cast<int>(Instantes::HoraDaLinha(d, Instantes::LinhaMaisProxima(d, t)));
        seTIni->setValue(t);
    }
    Label5->setText(QStringLiteral("Instante: ") + QString::number(t));

    // Every temperature is read before anything is painted: an instant outside
    // the analysis leaves the picture as it was.
    const TabelaTexto& tabela = ctx_.temperaturas;
    const int linha = Instantes::LinhaDaHora(d, t);
    std::vector<double> T(static_cast<std::size_t>(std::max(tabela.Colunas(), 1)), 0.0);
    for (int j = 1; j < tabela.Colunas(); ++j)
        T[static_cast<std::size_t>(j)] = Numeros::TextoParaReal(tabela.Contem(j, linha) ? std::string_view(tabela.Celula(j, linha)) : "");

    if (!quadroAnimacao) Status(QStringLiteral("Pós-Processo em andamento. Aguarde ..."));
    // The count of elements that exist at t is this picture's own: the exports
    // and the stress analysis keep working on the whole member of the run.
    const int m = std::min({Cores::ElementosAtivosEm(d, t), MaxElementos, tabela.Colunas() - 2});
    LimpaColuna();
    const double H = AlturaMembro();
    for (int e = 1; e <= m; ++e) {
        PintaElemento(e, m, T[static_cast<std::size_t>(e)], T[static_cast<std::size_t>(e + 1)], d.TMaxEscala,
                      d.TMinEscala, H, d.Elementos[static_cast<std::size_t>(e)]);
        if (!quadroAnimacao) gaProcesso->setValue(std::min(2 * e, gaProcesso->maximum()));
    }
    imGrafico->Atualiza();
    if (!quadroAnimacao) Status(QString());
}

int TfrmCores::HorasPorQuadro() const {
    const int passo = Membro::Passo(ctx_.dados);
    const int pedidas = std::max(seHorasQuadro->value(), 1);
    return (pedidas + passo - 1) / passo * passo;
}

void TfrmCores::PassoAnimacao() {
    const TDadosModelo& d = ctx_.dados;
    const long long atual = seTIni->value();
    // The last instant computed, not later than TempoTotal: the last frame shows it
    // even when the hours per frame overshoot it.
    const long long ultimo = Membro::UltimaHora(d);
    if (d.PassoTempo <= 0 || atual >= ultimo) {
        chkAnimacao->setChecked(false);
        return;
    }
    const long long proximo = std::min(atual + HorasPorQuadro(), ultimo);
    if (proximo > d.TempoTotal) {  // no step at all
        chkAnimacao->setChecked(false);
        return;
    }
    seTIni->setValue(static_cast<int>(proximo));
    PintaInstante(true);
}

void TfrmCores::MostraLeitura(int x, int y) {
    const QImage& img = imGrafico->Imagem();
    if (!img.valid(x, y)) return;
    const QRgb c = img.pixel(x, y);
    const QImage& escala = ImEscala->Imagem();
    const int topo = ImEscala->y();
    const int h = escala.height();

    // The row of the scale whose colour is that of the pixel; exact matches first
    // (the last one wins), else the nearest row within the tolerance.
    int exata = -1, proxima = -1, menor = ToleranciaCor + 1;
    for (int i = 0; i < h; ++i) {
        const QRgb s = escala.pixel(0, i);
        if (s == c) exata = i;
        const int dist = std::max({std::abs(qRed(s) - qRed(c)), std::abs(qGreen(s) - qGreen(c)),
                                   std::abs(qBlue(s) - qBlue(c))});
        if (dist < menor) {
            menor = dist;
            proxima = i;
        }
    }
    const int linha = exata >= 0 ? exata : proxima;
    if (linha >= 0) {
        PosEscala = topo + linha;
        leituraValida_ = true;
        lbIndica->move(lbIndica->x(), PosEscala - lbIndica->height() / 2);
        lbIndica->show();
    }

    const int P = img.height();
    const double H = AlturaMembro();
    lbXi->setText(Fixo((P - y) * H / P, 7, 2));
    if (leituraValida_) {
        const double tMax = ctx_.dados.TMaxEscala, tMin = ctx_.dados.TMinEscala;
        lbTi->setText(Fixo(tMax - (tMax - tMin) * (PosEscala - topo) / h, 5, 2));
    }
    imCor->Imagem().fill(c);
    imCor->Atualiza();
}
