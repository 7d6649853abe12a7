#include "core/ui/MotorWmf.h"

#include <QFontInfo>
#include <QFontMetricsF>
#include <QGradient>
#include <QImage>
#include <QLine>
#include <QPaintEngine>
#include <QPainterPath>
#include <QPixmap>
#include <QPolygonF>
#include <QTextItem>
#include <QTransform>
#include <algorithm>
#include <cmath>
#include <numbers>
#include <optional>

#include "core/Cp1252.h"
#include "results/EscritorWmf.h"

namespace {

// Colour with its alpha laid over white paper, the ground of a picture in a report.
Wmf::Cor SobreBranco(const QColor& c) {
    const double a = c.alphaF();
    auto canal = [a](int v) { return static_cast<std::uint8_t>(std::lround(v * a + 255.0 * (1.0 - a))); };
    return {canal(c.red()), canal(c.green()), canal(c.blue())};
}

// A gradient becomes one colour: the mean of its first and last stops.
QColor CorDoPincel(const QBrush& b) {
    if (const QGradient* g = b.gradient(); g && !g->stops().isEmpty()) {
        const QColor a = g->stops().front().second;
        const QColor z = g->stops().back().second;
        return QColor::fromRgbF((a.redF() + z.redF()) / 2, (a.greenF() + z.greenF()) / 2,
                                (a.blueF() + z.blueF()) / 2, (a.alphaF() + z.alphaF()) / 2);
    }
    return b.color();
}

struct ChaveCaneta {
    Wmf::EstiloCaneta estilo = Wmf::EstiloCaneta::Nula;
    int largura = 1;
    Wmf::Cor cor;
    bool operator==(const ChaveCaneta&) const = default;
};

struct ChavePincel {
    Wmf::EstiloPincel estilo = Wmf::EstiloPincel::Nulo;
    Wmf::Cor cor;
    bool operator==(const ChavePincel&) const = default;
};

struct ChaveFonte {
    std::string face;
    std::int16_t altura = 0;
    std::int16_t escapamento = 0;
    std::int16_t peso = 400;
    bool italico = false;
    bool sublinhado = false;
    bool riscado = false;
    bool operator==(const ChaveFonte&) const = default;
};

}  // namespace

class TMotorWmf::Motor : public QPaintEngine {
public:
    explicit Motor(const TMotorWmf& dispositivo) : QPaintEngine(AllFeatures), disp_(dispositivo) {}

    std::vector<std::uint8_t> arquivo;

    bool begin(QPaintDevice*) override {
        const QSize t = disp_.tamanho_;
        fator_ = UnidadesPorPixel(t);
        esc_.emplace(t.width() * fator_, t.height() * fator_, disp_.dpi_ * fator_);
        esc_->DefineFundoTransparente(true);
        esc_->DefineAlinhamentoTexto(Wmf::AlinhaLinhaBase | Wmf::AlinhaEsquerda);
        esc_->DefinePreenchimentoAlternado(true);
        alternado_ = true;
        caneta_ = pincel_ = fonte_ = -1;
        corTexto_.reset();
        pendente_.clear();
        transformacao_ = QTransform();
        temClip_ = false;
        clipLigado_ = false;
        arquivo.clear();
        return true;
    }

    bool end() override {
        DescarregaLinhas();
        arquivo = esc_->Termina();
        esc_.reset();
        return true;
    }

    Type type() const override { return QPaintEngine::User; }

    void updateState(const QPaintEngineState& s) override {
        const auto sujo = s.state();
        if (sujo & DirtyTransform) transformacao_ = s.transform();
        if (sujo & DirtyPen) pen_ = s.pen();
        if (sujo & DirtyBrush) pincelQt_ = s.brush();
        if (sujo & DirtyClipEnabled) clipLigado_ = s.isClipEnabled();
        if (sujo & DirtyClipRegion) AplicaClip(s.clipOperation(), QRectF(s.clipRegion().boundingRect()));
        if (sujo & DirtyClipPath) AplicaClip(s.clipOperation(), s.clipPath().boundingRect());
    }

    void drawLines(const QLineF* linhas, int n) override {
        for (int i = 0; i < n; ++i)
            AcrescentaSegmento(transformacao_.map(linhas[i].p1()), transformacao_.map(linhas[i].p2()));
    }
    void drawLines(const QLine* linhas, int n) override {
        for (int i = 0; i < n; ++i) {
            const QLineF l(linhas[i]);
            drawLines(&l, 1);
        }
    }

    void drawPolygon(const QPointF* pontos, int n, PolygonDrawMode modo) override {
        if (n < 2) return;
        if (modo == PolylineMode) {
            QPointF anterior = transformacao_.map(pontos[0]);
            for (int i = 1; i < n; ++i) {
                const QPointF p = transformacao_.map(pontos[i]);
                AcrescentaSegmento(anterior, p);
                anterior = p;
            }
            return;
        }
        QPolygonF poligono(n);
        for (int i = 0; i < n; ++i) poligono[i] = transformacao_.map(pontos[i]);
        Preenche(poligono, modo != WindingMode, true);
    }
    void drawPolygon(const QPoint* pontos, int n, PolygonDrawMode modo) override {
        QPolygonF p(n);
        for (int i = 0; i < n; ++i) p[i] = pontos[i];
        drawPolygon(p.constData(), n, modo);
    }

    // Rectangles go out as four-point polygons: one widely used reader misplaces
    // the first RECTANGLE record of a file.
    void drawRects(const QRectF* rets, int n) override {
        for (int i = 0; i < n; ++i) {
            const QRectF& r = rets[i];
            const QPointF cantos[4] = {r.topLeft(), r.topRight(), r.bottomRight(), r.bottomLeft()};
            drawPolygon(cantos, 4, OddEvenMode);
        }
    }
    void drawRects(const QRect* rets, int n) override {
        for (int i = 0; i < n; ++i) {
            const QRectF r(rets[i]);
            drawRects(&r, 1);
        }
    }

    void drawPath(const QPainterPath& caminho) override {
        if (caminho.isEmpty()) return;
        const bool alternado = caminho.fillRule() == Qt::OddEvenFill;
        const auto subcaminhos = caminho.toSubpathPolygons(transformacao_);
        const bool fechado = subcaminhos.size() == 1 && subcaminhos.front().isClosed();
        if (fechado) {
            Preenche(subcaminhos.front(), alternado, true);
            return;
        }
        if (ChavePincelAtual().estilo != Wmf::EstiloPincel::Nulo)
            for (const QPolygonF& p : caminho.toFillPolygons(transformacao_)) Preenche(p, alternado, false);
        for (const QPolygonF& p : subcaminhos)
            for (qsizetype i = 1; i < p.size(); ++i) AcrescentaSegmento(p[i - 1], p[i]);
    }

    void drawTextItem(const QPointF& p, const QTextItem& item) override {
        DescarregaLinhas();
        const QString texto = item.text();
        if (texto.isEmpty() || ChaveCanetaAtual().estilo == Wmf::EstiloCaneta::Nula) return;
        const QFont fonte = item.font();
        const QFontMetricsF fm(fonte, &disp_);
        const QRectF caixa = transformacao_.mapRect(
            QRectF(p.x(), p.y() - fm.ascent(), fm.horizontalAdvance(texto), fm.height()));
        const auto area = Area();
        if (!area || !caixa.intersects(*area)) return;

        const double m11 = transformacao_.m11();
        const double m12 = transformacao_.m12();
        const double escala = std::hypot(m11, m12);
        const double px = fonte.pixelSize() > 0 ? fonte.pixelSize() : fonte.pointSizeF() * disp_.dpi_ / 72.0;
        int angulo = static_cast<int>(std::lround(-std::atan2(m12, m11) * 1800.0 / std::numbers::pi));
        angulo = ((angulo % 3600) + 3600) % 3600;

        ChaveFonte chave;
        chave.face = QFontInfo(fonte).family().toStdString();
        chave.face = Cp1252::DeUtf8(chave.face);
        chave.altura = Wmf::Coordenada(-px * escala * fator_);
        chave.escapamento = static_cast<std::int16_t>(angulo);
        chave.peso = static_cast<std::int16_t>(std::clamp(static_cast<int>(fonte.weight()), 1, 1000));
        chave.italico = fonte.italic();
        chave.sublinhado = fonte.underline();
        chave.riscado = fonte.strikeOut();
        SelecionaFonte(chave);

        const Wmf::Cor cor = SobreBranco(pen_.color());
        if (!corTexto_ || *corTexto_ != cor) {
            esc_->DefineCorTexto(cor);
            corTexto_ = cor;
        }

        const std::string bytes = Cp1252::DeUtf8(texto.toUtf8().toStdString());
        // Advances rounded from the cumulative widths keep the spacing when the
        // reader substitutes another face.
        std::vector<std::int16_t> dx;
        const QList<uint> codigos = texto.toUcs4();
        if (static_cast<std::size_t>(codigos.size()) == bytes.size()) {
            dx.reserve(bytes.size());
            long anterior = 0;
            for (qsizetype i = 1; i <= codigos.size(); ++i) {
                const QString prefixo = QString::fromUcs4(reinterpret_cast<const char32_t*>(codigos.constData()), i);
                const long atual = std::lround(fm.horizontalAdvance(prefixo) * escala * fator_);
                dx.push_back(static_cast<std::int16_t>(std::clamp(atual - anterior, -32768L, 32767L)));
                anterior = atual;
            }
        }
        const QPointF origem = transformacao_.map(p);
        esc_->Texto({origem.x() * fator_, origem.y() * fator_}, bytes, dx);
    }

    // Pictures inside a chart are not expected; one stands as a block of its mean colour.
    void drawPixmap(const QRectF& r, const QPixmap& pm, const QRectF&) override {
        if (pm.isNull()) return;
        const QColor media = pm.toImage().scaled(1, 1, Qt::IgnoreAspectRatio, Qt::SmoothTransformation).pixelColor(0, 0);
        const QPen pen = pen_;
        const QBrush pincel = pincelQt_;
        pen_ = QPen(Qt::NoPen);
        pincelQt_ = QBrush(media);
        drawRects(&r, 1);
        pen_ = pen;
        pincelQt_ = pincel;
    }

private:
    void AplicaClip(Qt::ClipOperation op, const QRectF& ret) {
        const QRectF mapeado = transformacao_.mapRect(ret);
        switch (op) {
            case Qt::NoClip: temClip_ = false; break;
            case Qt::ReplaceClip: clip_ = mapeado; temClip_ = true; clipLigado_ = true; break;
            case Qt::IntersectClip:
                clip_ = temClip_ ? clip_.intersected(mapeado) : mapeado;
                temClip_ = true;
                clipLigado_ = true;
                break;
        }
    }

    // Where drawing may reach, in device pixels: the picture, narrowed by the clip.
    std::optional<QRectF> Area() const {
        QRectF r(QPointF(0, 0), QSizeF(disp_.tamanho_));
        if (temClip_ && clipLigado_) r = r.intersected(clip_);
        if (r.isEmpty()) return std::nullopt;
        return r;
    }

    static Wmf::Retangulo Ret(const QRectF& r) { return {r.left(), r.top(), r.right(), r.bottom()}; }

    ChaveCaneta ChaveCanetaAtual() const {
        ChaveCaneta c;
        if (pen_.style() == Qt::NoPen || pen_.color().alpha() == 0) return c;
        double px = pen_.widthF();
        if (!pen_.isCosmetic()) px *= std::sqrt(std::abs(transformacao_.determinant()));
        c.largura = std::max(1, static_cast<int>(std::lround(px * fator_)));
        // Dashes exist only for hairlines in the format; wider pens are solid.
        const bool fina = c.largura <= fator_;
        switch (pen_.style()) {
            case Qt::DashLine: c.estilo = fina ? Wmf::EstiloCaneta::Tracejada : Wmf::EstiloCaneta::Solida; break;
            case Qt::DotLine: c.estilo = fina ? Wmf::EstiloCaneta::Pontilhada : Wmf::EstiloCaneta::Solida; break;
            case Qt::DashDotLine: c.estilo = fina ? Wmf::EstiloCaneta::TracoPonto : Wmf::EstiloCaneta::Solida; break;
            case Qt::DashDotDotLine:
                c.estilo = fina ? Wmf::EstiloCaneta::TracoPontoPonto : Wmf::EstiloCaneta::Solida;
                break;
            default: c.estilo = Wmf::EstiloCaneta::Solida; break;
        }
        c.cor = SobreBranco(pen_.color());
        return c;
    }

    ChavePincel ChavePincelAtual() const {
        ChavePincel c;
        const QColor cor = CorDoPincel(pincelQt_);
        if (pincelQt_.style() == Qt::NoBrush || cor.alpha() == 0) return c;
        c.estilo = Wmf::EstiloPincel::Solido;
        c.cor = SobreBranco(cor);
        return c;
    }

    // A new object is created and selected before the old one is deleted: a
    // selected object cannot be deleted.
    void SelecionaCaneta(const ChaveCaneta& c) {
        if (caneta_ >= 0 && c == chaveCaneta_) return;
        const int novo = esc_->CriaCaneta(c.estilo, c.largura, c.cor);
        esc_->Seleciona(novo);
        if (caneta_ >= 0) esc_->Apaga(caneta_);
        caneta_ = novo;
        chaveCaneta_ = c;
    }
    void SelecionaPincel(const ChavePincel& c) {
        if (pincel_ >= 0 && c == chavePincel_) return;
        const int novo = esc_->CriaPincel(c.estilo, c.cor);
        esc_->Seleciona(novo);
        if (pincel_ >= 0) esc_->Apaga(pincel_);
        pincel_ = novo;
        chavePincel_ = c;
    }
    void SelecionaFonte(const ChaveFonte& c) {
        if (fonte_ >= 0 && c == chaveFonte_) return;
        Wmf::Fonte f;
        f.altura = c.altura;
        f.escapamento = c.escapamento;
        f.orientacao = c.escapamento;
        f.peso = c.peso;
        f.italico = c.italico;
        f.sublinhado = c.sublinhado;
        f.riscado = c.riscado;
        f.face = c.face;
        const int novo = esc_->CriaFonte(f);
        esc_->Seleciona(novo);
        if (fonte_ >= 0) esc_->Apaga(fonte_);
        fonte_ = novo;
        chaveFonte_ = c;
    }

    // The charts draw a curve one segment at a time: a segment that starts where
    // the previous one ended, with the same pen, extends the same polyline.
    void AcrescentaSegmento(QPointF a, QPointF b) {
        const ChaveCaneta chave = ChaveCanetaAtual();
        if (chave.estilo == Wmf::EstiloCaneta::Nula) return;
        const auto area = Area();
        if (!area) return;
        Wmf::Ponto pa{a.x(), a.y()};
        Wmf::Ponto pb{b.x(), b.y()};
        if (!Wmf::RecortaSegmento(pa, pb, Ret(*area))) return;
        if (!pendente_.empty() && chave == chavePendente_ && pendente_.back() == pa) {
            pendente_.push_back(pb);
            return;
        }
        DescarregaLinhas();
        pendente_ = {pa, pb};
        chavePendente_ = chave;
    }

    void DescarregaLinhas() {
        if (pendente_.size() >= 2) {
            SelecionaCaneta(chavePendente_);
            for (Wmf::Ponto& p : pendente_) p = {p.x * fator_, p.y * fator_};
            esc_->Polilinha(pendente_);
        }
        pendente_.clear();
    }

    // A filled polygon, cut to the drawing area. When nothing was cut away it
    // goes out as one record with its outline; otherwise the fill is written
    // without a pen and the outline follows as clipped lines.
    void Preenche(const QPolygonF& poligono, bool alternado, bool comContorno) {
        DescarregaLinhas();
        const auto area = Area();
        if (!area || poligono.size() < 2) return;
        std::vector<Wmf::Ponto> pontos;
        pontos.reserve(static_cast<std::size_t>(poligono.size()));
        for (const QPointF& p : poligono) pontos.push_back({p.x(), p.y()});
        if (pontos.size() > 1 && pontos.front() == pontos.back()) pontos.pop_back();

        const ChavePincel pincel = ChavePincelAtual();
        const ChaveCaneta caneta = comContorno ? ChaveCanetaAtual() : ChaveCaneta{};
        const bool inteiro = std::all_of(pontos.begin(), pontos.end(), [&](const Wmf::Ponto& p) {
            return area->contains(QPointF(p.x, p.y));
        });
        if (alternado != alternado_) {
            esc_->DefinePreenchimentoAlternado(alternado);
            alternado_ = alternado;
        }
        auto escreve = [&](std::vector<Wmf::Ponto> pts, const ChaveCaneta& c) {
            if (pts.size() < 3) return;
            SelecionaCaneta(c);
            SelecionaPincel(pincel);
            for (Wmf::Ponto& p : pts) p = {p.x * fator_, p.y * fator_};
            esc_->Poligono(pts);
        };
        if (inteiro) {
            if (pincel.estilo != Wmf::EstiloPincel::Nulo || caneta.estilo != Wmf::EstiloCaneta::Nula)
                escreve(pontos, caneta);
            return;
        }
        if (pincel.estilo != Wmf::EstiloPincel::Nulo) escreve(Wmf::RecortaPoligono(pontos, Ret(*area)), ChaveCaneta{});
        if (caneta.estilo != Wmf::EstiloCaneta::Nula) {
            for (std::size_t i = 0; i < pontos.size(); ++i) {
                const Wmf::Ponto& a = pontos[i];
                const Wmf::Ponto& b = pontos[(i + 1) % pontos.size()];
                AcrescentaSegmento({a.x, a.y}, {b.x, b.y});
            }
            DescarregaLinhas();
        }
    }

    const TMotorWmf& disp_;
    std::optional<Wmf::TEscritorWmf> esc_;
    int fator_ = 1;
    QTransform transformacao_;
    QPen pen_;
    QBrush pincelQt_;
    QRectF clip_;
    bool temClip_ = false;
    bool clipLigado_ = false;
    bool alternado_ = true;
    int caneta_ = -1;
    int pincel_ = -1;
    int fonte_ = -1;
    ChaveCaneta chaveCaneta_;
    ChavePincel chavePincel_;
    ChaveFonte chaveFonte_;
    std::optional<Wmf::Cor> corTexto_;
    std::vector<Wmf::Ponto> pendente_;
    ChaveCaneta chavePendente_;
};

TMotorWmf::TMotorWmf(QSize tamanho, int dpi)
    : tamanho_(tamanho.expandedTo(QSize(1, 1))), dpi_(std::max(dpi, 1)), motor_(std::make_unique<Motor>(*this)) {}

TMotorWmf::~TMotorWmf() = default;

QPaintEngine* TMotorWmf::paintEngine() const { return motor_.get(); }

std::vector<std::uint8_t> TMotorWmf::Arquivo() const { return motor_->arquivo; }

int TMotorWmf::UnidadesPorPixel(QSize tamanho) {
    const int maior = std::max({tamanho.width(), tamanho.height(), 1});
    return std::clamp(32767 / maior, 1, 10);
}

int TMotorWmf::metric(PaintDeviceMetric metrica) const {
    switch (metrica) {
        case PdmWidth: return tamanho_.width();
        case PdmHeight: return tamanho_.height();
        case PdmWidthMM: return static_cast<int>(std::lround(tamanho_.width() * 25.4 / dpi_));
        case PdmHeightMM: return static_cast<int>(std::lround(tamanho_.height() * 25.4 / dpi_));
        case PdmNumColors: return 0xFFFFFF;
        case PdmDepth: return 24;
        case PdmDpiX:
        case PdmDpiY:
        case PdmPhysicalDpiX:
        case PdmPhysicalDpiY: return dpi_;
        case PdmDevicePixelRatio: return 1;
        case PdmDevicePixelRatioScaled: return static_cast<int>(devicePixelRatioFScale());
    }
    return 0;
}
