#include "relatorio/ui/DesenhoRelatorio.h"

#include <QBuffer>
#include <QFont>
#include <QFontMetricsF>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <algorithm>
#include <cmath>

#include "core/ArquivoAtomico.h"
#include "core/Numeros.h"
#include "results/Cores.h"
#include "core/ui/PainelGrafico.h"
#include "core/ui/CurvasTensao.h"

namespace DesenhoRelatorio {

namespace {

QString Q(const std::string& s) { return QString::fromStdString(s); }

const QColor Verde(0, 128, 0);
const QColor Vermelho(190, 0, 0);

// Pages in points (1/72 in): A4 is 595 × 842.
class Pagina {
public:
    explicit Pagina(QPdfWriter& pdf, const TRelatorio& r) : pdf_(pdf), p_(&pdf), titulo_(Q(r.Titulo)) {
        // At 72 dots per inch a device unit is a point, for the layout and for the fonts alike.
        largura_ = pdf.width();
        altura_ = pdf.height();
        Rodape();
    }
    ~Pagina() { p_.end(); }

    QPainter& P() { return p_; }
    QFontMetricsF Metricas(const QFont& f) const { return QFontMetricsF(f, &pdf_); }
    double Esquerda() const { return 0.0; }
    double Largura() const { return largura_; }
    double Y() const { return y_; }
    void Avanca(double dy) { y_ += dy; }

    bool Cabe(double altura) const { return y_ + altura <= altura_ - 24.0; }
    // A new page when `altura` does not fit below.
    void Reserva(double altura) {
        if (!Cabe(altura) && y_ > 0.0) Nova();
    }
    void Nova() {
        pdf_.newPage();
        y_ = 0.0;
        Rodape();
    }

    void Texto(const QString& texto, const QFont& fonte, const QColor& cor = Qt::black, double antes = 0.0,
               double depois = 4.0) {
        p_.setFont(fonte);
        const QFontMetricsF m(fonte, &pdf_);
        const QRectF caixa = m.boundingRect(QRectF(0, 0, largura_, 10000), Qt::TextWordWrap, texto);
        Reserva(antes + caixa.height());
        y_ += antes;
        p_.setPen(cor);
        p_.drawText(QRectF(0, y_, largura_, caixa.height() + 2), Qt::TextWordWrap, texto);
        y_ += caixa.height() + depois;
    }

private:
    void Rodape() {
        ++numero_;
        p_.save();
        QFont f = QFont(QStringLiteral("DejaVu Sans"), 7);
        p_.setFont(f);
        p_.setPen(Qt::darkGray);
        p_.drawText(QRectF(0, altura_ - 12, largura_, 12), Qt::AlignLeft | Qt::AlignVCenter, titulo_);
        p_.drawText(QRectF(0, altura_ - 12, largura_, 12), Qt::AlignRight | Qt::AlignVCenter,
                    QStringLiteral("Página %1").arg(numero_));
        p_.restore();
    }

    QPdfWriter& pdf_;
    QPainter p_;
    QString titulo_;
    double largura_ = 0.0, altura_ = 0.0, y_ = 0.0;
    int numero_ = 0;
};

QFont Fonte(double pontos, bool negrito = false) {
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPointSizeF(pontos);
    f.setBold(negrito);
    return f;
}

void Tabela(Pagina& pg, const TTabelaRelatorio& t) {
    const QFont corpo = Fonte(7.5), cabeca = Fonte(7.5, true);
    const QFontMetricsF mc = pg.Metricas(corpo), mh = pg.Metricas(cabeca);
    const std::size_t colunas = t.Cabecalho.size();
    if (colunas == 0) return;
    // Widths by the widest cell, the header wrapped when it must.
    std::vector<double> largura(colunas, 0.0), minima(colunas, 0.0);
    for (std::size_t c = 0; c < colunas; ++c) {
        // The header may wrap between words, never inside one.
        for (const QString& palavra : Q(t.Cabecalho[c]).split(QLatin1Char(' ')))
            minima[c] = std::max(minima[c], mh.horizontalAdvance(palavra) + 8.0);
        largura[c] = std::max(minima[c], std::min(mh.horizontalAdvance(Q(t.Cabecalho[c])), 90.0) + 8.0);
        for (const auto& linha : t.Linhas)
            if (c < linha.size()) largura[c] = std::max(largura[c], mc.horizontalAdvance(Q(linha[c])) + 8.0);
    }
    double total = 0.0, totalMinimo = 0.0;
    for (std::size_t c = 0; c < colunas; ++c) {
        total += largura[c];
        totalMinimo += minima[c];
    }
    if (total > pg.Largura() && total > totalMinimo) {
        // Too wide: each column gives up part of what it has beyond its header's longest word.
        const double corte = std::min(1.0, (total - pg.Largura()) / (total - totalMinimo));
        for (std::size_t c = 0; c < colunas; ++c) largura[c] -= corte * (largura[c] - minima[c]);
    } else if (total < pg.Largura() * 0.6) {
        for (double& l : largura) l *= std::min(pg.Largura() / total, 1.6);
    }
    double alturaCabeca = 0.0;
    for (std::size_t c = 0; c < colunas; ++c)
        alturaCabeca = std::max(alturaCabeca, mh.boundingRect(QRectF(0, 0, largura[c] - 6, 200), Qt::TextWordWrap,
                                                              Q(t.Cabecalho[c]))
                                                  .height());
    alturaCabeca += 4.0;
    const double alturaLinha = mc.height() + 3.0;

    QPainter& p = pg.P();
    auto cabecalho = [&] {
        pg.Reserva(alturaCabeca + alturaLinha);
        double x = 0.0;
        p.setFont(cabeca);
        for (std::size_t c = 0; c < colunas; ++c) {
            const QRectF r(x, pg.Y(), largura[c], alturaCabeca);
            p.fillRect(r, QColor(225, 230, 240));
            p.setPen(QColor(150, 150, 150));
            p.drawRect(r);
            p.setPen(Qt::black);
            p.drawText(r.adjusted(3, 1, -3, -1), Qt::AlignCenter | Qt::TextWordWrap, Q(t.Cabecalho[c]));
            x += largura[c];
        }
        pg.Avanca(alturaCabeca);
    };
    cabecalho();
    for (const auto& linha : t.Linhas) {
        if (!pg.Cabe(alturaLinha)) {
            pg.Nova();
            cabecalho();
        }
        double x = 0.0;
        p.setFont(corpo);
        for (std::size_t c = 0; c < colunas; ++c) {
            const QRectF r(x, pg.Y(), largura[c], alturaLinha);
            p.setPen(QColor(190, 190, 190));
            p.drawRect(r);
            const QString texto = c < linha.size() ? Q(linha[c]) : QString();
            QColor cor = Qt::black;
            if (static_cast<int>(c) == t.ColunaMarca && !texto.isEmpty())
                cor = texto == QLatin1String(Relatorio::Marca(true)) ? Verde : Vermelho;
            p.setPen(cor);
            // Numbers right-aligned, words to the left.
            const bool numero = !texto.isEmpty() && c > 0 &&
                                texto.toStdString().find_first_not_of("0123456789,-E") == std::string::npos;
            p.drawText(r.adjusted(3, 0, -3, 0), (numero ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter, texto);
            x += largura[c];
        }
        pg.Avanca(alturaLinha);
    }
    pg.Avanca(8.0);
}

CurvasTensao::TipoResistencia TipoDaCurva(TCurvaTracao curva) {
    switch (curva) {
        case TCurvaTracao::Flexao: return CurvasTensao::TipoResistencia::Flexao;
        case TCurvaTracao::Diametral: return CurvasTensao::TipoResistencia::Diametral;
        default: return CurvasTensao::TipoResistencia::Tracao;
    }
}

void Grafico(Pagina& pg, const TGraficoRelatorio& g, const TDadosModelo& dados, const TabelaTexto* tensoes,
             TCurvaTracao curva) {
    TPainelGrafico painel;
    painel.setAttribute(Qt::WA_DontShowOnScreen);
    painel.resize(860, 500);
    painel.DefineTitulos(Q(g.Titulo), Q(g.TituloX), Q(g.TituloY));
    if (g.NoTensao > 0 && tensoes) {
        painel.AdicionaSerie(QStringLiteral("Tensão no Nó %1").arg(g.NoTensao),
                             TPainelGrafico::Pontos(CurvasTensao::HistoricoNo(*tensoes, g.NoTensao)));
        const auto tipo = TipoDaCurva(curva);
        const auto r = CurvasTensao::ParametrosResistencia(dados, tipo);
        if (r.a != 0.0 || r.b != 0.0)
            painel.AdicionaSerie(Q(std::string("Resistência à ") + TIndiceFissuracao::NomeCurva(curva)),
                                 TPainelGrafico::Pontos(CurvasTensao::ResistenciaTempo(dados, tipo, g.NoTensao).pontos));
    }
    for (const TCurvaRelatorio& c : g.Curvas) painel.AdicionaSerie(Q(c.Nome), TPainelGrafico::Pontos(c.Pontos));
    if (g.Limite) painel.DefineLimite(*g.Limite, Q(g.RotuloLimite));
    painel.VistaCompleta();
    painel.show();
    const double largura = pg.Largura();
    const double altura = largura * 500.0 / 860.0;
    pg.Reserva(altura + 6.0);
    painel.Desenha(pg.P(), QRectF(0, pg.Y(), largura, altura));
    painel.hide();
    pg.Avanca(altura + 10.0);
}

void Mapa(Pagina& pg, const std::string& legenda, const TMapaRelatorio& m) {
    const double altura = 300.0;
    pg.Reserva(altura + 40.0);
    pg.Texto(Q(legenda), Fonte(9, true));
    QPainter& p = pg.P();
    const double topo = pg.Y() + 6.0;
    const double x0 = 70.0, largura = 90.0;
    p.setFont(Fonte(7.5));
    if (m.Faixas.empty() || !(m.Altura > 0.0)) {
        p.setPen(Qt::black);
        p.drawText(QRectF(0, topo, pg.Largura(), 14), Qt::AlignLeft, QStringLiteral("Sem temperaturas nessa hora."));
        pg.Avanca(24.0);
        return;
    }
    p.setPen(Qt::NoPen);
    auto yDe = [&](double y) { return topo + altura * (1.0 - y / m.Altura); };
    for (const auto& f : m.Faixas) {
        p.setBrush(QColor(f.cor.r, f.cor.g, f.cor.b));
        const double ya = yDe(f.ya), yb = yDe(f.yb);
        p.drawRect(QRectF(x0, std::min(ya, yb), largura, std::abs(ya - yb) + 0.3));
    }
    p.setBrush(Qt::NoBrush);
    p.setPen(Qt::black);
    p.drawRect(QRectF(x0, topo, largura, altura));
    // Heights beside the member, five marks.
    for (int i = 0; i <= 4; ++i) {
        const double y = m.Altura * i / 4.0;
        const double py = yDe(y);
        p.drawLine(QPointF(x0 - 4, py), QPointF(x0, py));
        p.drawText(QRectF(0, py - 6, x0 - 6, 12), Qt::AlignRight | Qt::AlignVCenter,
                   Q(Numeros::FormataFixo(y, 0, 2) + " m"));
    }
    // The colour scale of the window, blue at the bottom to red at the top, and its five texts.
    const double xs = x0 + largura + 60.0, ls = 24.0;
    const auto linhas = Cores::LinhasEscala(static_cast<int>(altura));
    for (int i = 0; i < static_cast<int>(linhas.size()); ++i) {
        const auto& c = linhas[static_cast<std::size_t>(i)];
        p.fillRect(QRectF(xs, topo + i, ls, 1.2), QColor(c.r, c.g, c.b));
    }
    p.drawRect(QRectF(xs, topo, ls, altura));
    const auto valores = Cores::ValoresEscala(m.TMinEscala, m.TMaxEscala);
    for (int i = 0; i < 5; ++i) {
        const double py = topo + altura * i / 4.0;
        p.drawText(QRectF(xs + ls + 4, py - 6, 80, 12), Qt::AlignLeft | Qt::AlignVCenter,
                   Q(Numeros::FormataFixo(valores[static_cast<std::size_t>(i)], 0, 2) + " °C"));
    }
    pg.Avanca(altura + 16.0);
}

}  // namespace

QByteArray Pdf(const TRelatorio& r, const TDadosModelo& dados, const TabelaTexto* tensoes) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter pdf(&buffer);
        pdf.setPageSize(QPageSize(QPageSize::A4));
        pdf.setPageMargins(QMarginsF(18, 18, 18, 12), QPageLayout::Millimeter);
        pdf.setResolution(72);
        pdf.setTitle(Q(r.Titulo));
        pdf.setCreator(QStringLiteral("Norvik 1D"));
        Pagina pg(pdf, r);
        pg.Texto(Q(r.Titulo), Fonte(15, true), Qt::black, 0.0, 2.0);
        pg.Texto(Q(r.Subtitulo), Fonte(9), Qt::darkGray, 0.0, 10.0);
        const TCurvaTracao curva = r.ComIndice ? r.Indice.Curva : LimitesRelatorio{}.Curva;
        for (const TSecaoRelatorio& s : r.Secoes) {
            pg.Reserva(60.0);
            pg.Texto(Q(s.Titulo), Fonte(12, true), QColor(20, 40, 90), 6.0, 6.0);
            for (const TBlocoRelatorio& b : s.Blocos) {
                switch (b.Tipo) {
                    case TBlocoRelatorio::Especie::Paragrafo: {
                        const QString t = Q(b.Texto);
                        const QColor cor = t.startsWith(QStringLiteral("✔")) ? Verde
                                           : t.startsWith(QStringLiteral("✘")) ? Vermelho
                                                                               : QColor(Qt::black);
                        pg.Texto(t, Fonte(9), cor);
                        break;
                    }
                    case TBlocoRelatorio::Especie::Tabela:
                        pg.Reserva(60.0);
                        pg.Texto(Q(b.Texto), Fonte(9, true), Qt::black, 4.0, 3.0);
                        Tabela(pg, b.Tabela);
                        break;
                    case TBlocoRelatorio::Especie::Grafico: Grafico(pg, b.Grafico, dados, tensoes, curva); break;
                    case TBlocoRelatorio::Especie::Mapa: Mapa(pg, b.Texto, b.Mapa); break;
                }
            }
        }
    }
    buffer.close();
    return bytes;
}

void Grava(const std::string& caminho, const TRelatorio& r, const TDadosModelo& dados, const TabelaTexto* tensoes) {
    // The folder is checked before the pages are drawn.
    TArquivoAtomico arquivo(caminho, "Não foi possível salvar o relatório");
    const QByteArray bytes = Pdf(r, dados, tensoes);
    arquivo.Escreve(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    arquivo.Conclui();
}

}  // namespace DesenhoRelatorio
