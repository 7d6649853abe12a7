#include "core/ui/PainelMalha.h"

#include <QAction>
#include <QHBoxLayout>
#include <QPainter>
#include <QPolygon>
#include <QResizeEvent>
#include <QScrollArea>
#include <algorithm>
#include <cmath>

#include "core/ui/ExecutaAcao.h"
#include "serpentinas/DadosSerpentinas.h"
#include "core/ui/ArquivoFigura.h"

namespace {
// Column bounds and label columns of each window.
struct Geometria {
    int x1, x2, xElemento, xNo;
    bool alturaAtiva;  // height of the member from the last active element, not the complete member
};

Geometria GeometriaDe(VarianteMalha v) {
    switch (v) {
        case VarianteMalha::Resultados: return {50, 58, 40, 60, true};
        case VarianteMalha::EixoTensional: return {25, 33, 15, 35, true};
        default: return {25, 33, 15, 35, false};
    }
}

// Text with its top-left corner at (x, y) over a box of the background colour.
void TextoOpaco(QPainter& p, int x, int y, const QString& texto, const QColor& cor, const QColor& fundo) {
    const QRect caixa = p.fontMetrics().boundingRect(QRect(x, y, 1000, 1000), Qt::AlignLeft | Qt::AlignTop, texto);
    p.fillRect(caixa, fundo);
    p.setPen(cor);
    p.drawText(caixa, Qt::AlignLeft | Qt::AlignTop, texto);
}

QFont Arial(int pontos) {
    QFont f(QStringLiteral("Arial"));
    f.setPointSize(pontos);
    return f;
}
}  // namespace

TPainelMalha::TPainelMalha(Contexto& ctx, VarianteMalha variante, QWidget* parent)
    : QWidget(parent), ctx_(ctx), variante_(variante) {
    pbMalha = new TFigura(this);
    pbMalha->setObjectName(QStringLiteral("pbMalha"));
    const bool resultados = variante == VarianteMalha::Resultados;
    pbMalha->setFixedWidth(resultados ? 90 : 60);
    pbMalha->setMinimumHeight(150);
    pbMalha->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
    // A member of many layers has a long legend: it scrolls instead of stretching the window.
    auto* rolagem = new QScrollArea(this);
    rolagem->setFrameShape(QFrame::NoFrame);
    rolagem->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    rolagem->setFixedWidth(150);
    pbLegenda = new TFigura;
    pbLegenda->setObjectName(QStringLiteral("pbLegenda"));
    pbLegenda->setFixedSize(130, 200);
    rolagem->setWidget(pbLegenda);
    auto* caixa = new QHBoxLayout(this);
    caixa->setContentsMargins(0, 0, 0, 0);
    caixa->setSpacing(4);
    caixa->addWidget(pbMalha);
    caixa->addWidget(rolagem);

    SalvarFigura = new QAction(QStringLiteral("Salvar Figura..."), this);
    addAction(SalvarFigura);
    setContextMenuPolicy(Qt::ActionsContextMenu);
    connect(SalvarFigura, &QAction::triggered, this,
            [this] { ExecutaAcao(ctx_.msg, [this] { ArquivoFigura::SalvaImagemComo(ctx_.arquivos, Figura()); }); });
}

QImage TPainelMalha::Figura() const {
    const QImage& malha = pbMalha->Imagem();
    const QImage& legenda = pbLegenda->Imagem();
    QImage figura(malha.width() + 4 + legenda.width(), std::max({malha.height(), legenda.height(), 1}),
                  QImage::Format_RGB32);
    figura.fill(Fundo());
    QPainter p(&figura);
    p.drawImage(0, 0, malha);
    p.drawImage(malha.width() + 4, 0, legenda);
    return figura;
}

void TPainelMalha::DesenhaMalhaEm(QWidget* janela) {
    if (!janela) return;
    for (auto* painel : janela->findChildren<TPainelMalha*>()) painel->DesenhaMalha();
}

QColor TPainelMalha::Fundo() const { return palette().color(QPalette::Button); }

QColor TPainelMalha::CorCamada(int camada, const QColor& fundo) {
    static const QColor cores[10] = {
        QColor(0, 0, 255),     QColor(255, 0, 0),   QColor(255, 255, 0), QColor(0, 128, 0),
        QColor(128, 128, 128), QColor(255, 255, 255), QColor(128, 0, 0), QColor(128, 0, 128),
        QColor(128, 128, 0),   QColor(0, 255, 255)};
    if (camada >= 1 && camada <= 10) return cores[camada - 1];
    return fundo;
}

void TPainelMalha::DesenhaMalha() {
    const TDadosModelo& d = ctx_.dados;
    nElemCamada_ = d.NElemCamada;
    nCamadas_ = d.NCamadas;
    nElemAtivos_ = d.NElemAtivos;
    elementos_ = d.Elementos;
    fileiras_.clear();
    for (int L = 1; L <= d.NCamadas; ++L)
        if (const TSerpentinasCamada* c = SerpentinasDe(d).DaCamada(L))
            for (double z : c->Alturas) fileiras_.emplace_back(L, z);
    desenhada_ = true;
    PintaMalha();
    PintaLegenda();
}

void TPainelMalha::resizeEvent(QResizeEvent* evento) {
    QWidget::resizeEvent(evento);
    if (desenhada_) PintaMalha();
}

void TPainelMalha::PintaMalha() {
    const QColor fundo = Fundo();
    pbMalha->Limpa(fundo);
    const int P = pbMalha->Imagem().height();

    const Geometria g = GeometriaDe(variante_);
    const long total = static_cast<long>(nElemCamada_) * nCamadas_;
    const int ultimo = g.alturaAtiva ? nElemAtivos_ : static_cast<int>(total);
    if (nElemCamada_ > 0 && nCamadas_ > 0 && total <= MaxElementos && ultimo >= 1 && ultimo <= MaxElementos) {
        const auto& topo = elementos_[static_cast<std::size_t>(ultimo)];
        const double H = topo.XIni + topo.Espessura;
        const double s = (P - 4) / H;
        if (H > 0 && std::isfinite(s)) {
            QPainter p(&pbMalha->Imagem());
            auto Y = [&](double y) { return static_cast<int>(std::trunc(P - s * y + 2)); };
            auto T = [&](double v) { return static_cast<int>(std::trunc(s * v)); };
            // On a short picture the numbers of neighbouring elements would be written
            // over one another: a number is left out when it would touch the last one
            // written (the first node and the top node are always written).
            p.setFont(Arial(6));
            const int alturaElemento = p.fontMetrics().height() - 2;
            p.setFont(Arial(5));
            const int alturaNo = p.fontMetrics().height() - 2;
            const auto& ultimoEl = elementos_[static_cast<std::size_t>(total)];
            const int linhaNoTopo = P - T(ultimoEl.XIni + ultimoEl.Espessura) + 1;
            int ultimaLinhaElemento = P + 1000;
            int ultimaLinhaNo = P + 1000;
            int e = 0;
            for (int L = 1; L <= nCamadas_; ++L) {
                for (int k = 1; k <= nElemCamada_; ++k) {
                    ++e;
                    const auto& el = elementos_[static_cast<std::size_t>(e)];
                    const double y0 = el.XIni;
                    const double y1 = el.XIni + el.Espessura;
                    p.setPen(QPen(Qt::black, 1));
                    p.setBrush(CorCamada(L, fundo));
                    QPolygon area;
                    area << QPoint(g.x1, Y(y0)) << QPoint(g.x1, Y(y1)) << QPoint(g.x2, Y(y1)) << QPoint(g.x2, Y(y0));
                    p.drawPolygon(area);
                    p.setBrush(fundo);

                    p.setFont(Arial(6));
                    const int linhaElemento = P - T((y0 + y1) / 2) - 2;
                    if (ultimaLinhaElemento - linhaElemento >= alturaElemento) {
                        // A long number ends left of the column instead of running into it.
                        const QString numero = QString::number(e);
                        const int largura = p.fontMetrics().boundingRect(numero).width();
                        const int x = std::max(0, std::min(g.xElemento, g.x1 - 2 - largura));
                        TextoOpaco(p, x, linhaElemento, numero, Qt::red, fundo);
                        ultimaLinhaElemento = linhaElemento;
                    }
                    p.setFont(Arial(5));
                    if (e == 1) {
                        ultimaLinhaNo = P - T(y0) - 9;
                        TextoOpaco(p, g.xNo, ultimaLinhaNo, QStringLiteral("1"), Qt::black, fundo);
                    } else {
                        const int linhaNo = P - T(y0);
                        if (ultimaLinhaNo - linhaNo >= alturaNo && linhaNo - linhaNoTopo >= alturaNo) {
                            TextoOpaco(p, g.xNo, linhaNo, QString::number(e), Qt::black, fundo);
                            ultimaLinhaNo = linhaNo;
                        }
                    }
                    if (e == total) TextoOpaco(p, g.xNo, linhaNoTopo, QString::number(e + 1), Qt::black, fundo);
                }
            }
            // The cooling pipes in section: a blue dot at each row's height, in the lifts drawn.
            p.setPen(QPen(QColor(0, 70, 200), 1));
            p.setBrush(QColor(60, 140, 255));
            for (const auto& [L, z] : fileiras_) {
                const int primeiro = (L - 1) * nElemCamada_ + 1;
                if (primeiro > ultimo) continue;
                const int y = Y(elementos_[static_cast<std::size_t>(primeiro)].XIni + z);
                p.drawEllipse(QPoint((g.x1 + g.x2) / 2, y), 3, 3);
            }
        }
    }
    pbMalha->Atualiza();
}

void TPainelMalha::PintaLegenda() {
    const QColor fundo = Fundo();
    pbLegenda->setFixedHeight(std::max(200, 70 + 17 * std::clamp(nCamadas_, 0, MaxCamadas) + 4));
    pbLegenda->Limpa(fundo);
    QPainter p(&pbLegenda->Imagem());
    p.setFont(Arial(10));
    TextoOpaco(p, 22, 2, QStringLiteral("< LEGENDA >"), Qt::black, fundo);
    p.setFont(Arial(9));
    TextoOpaco(p, 2, 33, QStringLiteral("> Elementos"), Qt::red, fundo);
    TextoOpaco(p, 2, 50, QStringLiteral("> Numeração Nós"), Qt::black, fundo);
    for (int L = 1; L <= std::min(nCamadas_, MaxCamadas); ++L)
        TextoOpaco(p, 2, 70 + 17 * (L - 1), QStringLiteral("> Camada ") + QString::number(L),
                   CorCamada(std::min(L, 10), fundo), fundo);
    p.end();
    pbLegenda->Atualiza();
}
