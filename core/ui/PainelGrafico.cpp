#include "core/ui/PainelGrafico.h"

#include <QChart>
#include <QChartView>
#include <QFile>
#include <QLegend>
#include <QLineEdit>
#include <QLineSeries>
#include <QScatterSeries>
#include <QLocale>
#include <QMouseEvent>
#include <QPainter>
#include <QRubberBand>
#include <QSpinBox>
#include <QVBoxLayout>
#include <QValueAxis>
#include <algorithm>
#include <cmath>
#include <functional>
#include <stdexcept>

#include "core/Erros.h"
#include "core/Numeros.h"
#include "core/ui/DialogosArquivo.h"
#include "core/ui/SalvaComTipo.h"
#include "core/ui/MotorWmf.h"

// The chart view with the navigation the engineers know: the left button held
// drags the curves, the right button held opens a zoom rectangle.
class TPainelGrafico::VistaInterna : public QChartView {
public:
    VistaInterna(QChart* grafico, QWidget* pai) : QChartView(grafico, pai) {
        setRubberBand(QChartView::NoRubberBand);
        setRenderHint(QPainter::Antialiasing);
    }

    std::function<void()> aoVistaCompleta;

protected:
    void mousePressEvent(QMouseEvent* e) override {
        if (e->button() == Qt::LeftButton) {
            arrastando_ = true;
            ultimo_ = e->position();
        } else if (e->button() == Qt::RightButton) {
            inicioZoom_ = e->position().toPoint();
            if (!banda_) banda_ = new QRubberBand(QRubberBand::Rectangle, viewport());
            banda_->setGeometry(QRect(inicioZoom_, QSize()));
            banda_->show();
            ampliando_ = true;
        }
        e->accept();
    }

    void mouseMoveEvent(QMouseEvent* e) override {
        if (arrastando_) {
            const QPointF d = e->position() - ultimo_;
            ultimo_ = e->position();
            chart()->scroll(-d.x(), d.y());
        } else if (ampliando_ && banda_) {
            banda_->setGeometry(QRect(inicioZoom_, e->position().toPoint()).normalized());
        }
        e->accept();
    }

    void mouseReleaseEvent(QMouseEvent* e) override {
        if (e->button() == Qt::LeftButton) {
            arrastando_ = false;
        } else if (e->button() == Qt::RightButton && ampliando_) {
            ampliando_ = false;
            if (banda_) banda_->hide();
            const QPoint fim = e->position().toPoint();
            const QRect r = QRect(inicioZoom_, fim).normalized();
            if (r.width() >= 4 && r.height() >= 4) {
                // Dragged leftwards: undo the zoom, as a backwards rectangle does in
                // most charting programs.
                if (fim.x() < inicioZoom_.x()) {
                    if (aoVistaCompleta) aoVistaCompleta();
                } else {
                    const QRectF area = QRectF(r).intersected(chart()->plotArea());
                    if (area.width() >= 1 && area.height() >= 1) chart()->zoomIn(area);
                }
            }
        }
        e->accept();
    }

    void mouseDoubleClickEvent(QMouseEvent* e) override {
        if (e->button() == Qt::LeftButton && aoVistaCompleta) aoVistaCompleta();
        e->accept();
    }

private:
    bool arrastando_ = false;
    bool ampliando_ = false;
    QPointF ultimo_;
    QPoint inicioZoom_;
    QRubberBand* banda_ = nullptr;
};

namespace {
// Step of 1, 2 or 5 times a power of ten that cuts `amplitude` into about five to ten parts.
double PassoRedondo(double amplitude) {
    if (!(amplitude > 0.0) || !std::isfinite(amplitude)) return 1.0;
    const double bruto = amplitude / 8.0;
    const double potencia = std::pow(10.0, std::floor(std::log10(bruto)));
    const double r = bruto / potencia;
    const double m = r < 1.5 ? 1.0 : r < 3.5 ? 2.0 : r < 7.5 ? 5.0 : 10.0;
    return m * potencia;
}
}  // namespace

TPainelGrafico::TPainelGrafico(QWidget* parent)
    : QWidget(parent),
      grafico_(new QChart),
      vista_(nullptr),
      eixoX_(new QValueAxis),
      eixoY_(new QValueAxis) {
    QLocale local(QLocale::Portuguese, QLocale::Brazil);
    local.setNumberOptions(QLocale::OmitGroupSeparator);
    grafico_->setLocale(local);
    grafico_->setLocalizeNumbers(true);
    grafico_->legend()->setAlignment(Qt::AlignBottom);
    grafico_->addAxis(eixoX_, Qt::AlignBottom);
    grafico_->addAxis(eixoY_, Qt::AlignLeft);
    for (QValueAxis* eixo : {eixoX_, eixoY_}) {
        eixo->setTickType(QValueAxis::TicksDynamic);
        eixo->setTickAnchor(0.0);
        DefineFaixa(eixo, 0.0, 1.0);
        connect(eixo, &QValueAxis::rangeChanged, this, [this, eixo] { AjustaMarcas(eixo); });
    }

    vista_ = new VistaInterna(grafico_, this);
    vista_->aoVistaCompleta = [this] { VistaCompleta(); };
    vista_->setToolTip(QStringLiteral("Mover: botão esquerdo pressionado; ampliar: botão direito pressionado;\n"
                                      "vista inteira: duplo clique"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(vista_);
}

TPainelGrafico::~TPainelGrafico() = default;

QChartView* TPainelGrafico::Vista() const { return vista_; }

void TPainelGrafico::DefineTitulos(const QString& titulo, const QString& tituloX, const QString& tituloY) {
    grafico_->setTitle(titulo);
    eixoX_->setTitleText(tituloX);
    eixoY_->setTitleText(tituloY);
}

void TPainelGrafico::DefineLegenda(Qt::Alignment lado) { grafico_->legend()->setAlignment(lado); }

QLineSeries* TPainelGrafico::AdicionaSerie(const QString& titulo, const QList<QPointF>& pontos) {
    auto* serie = new QLineSeries;
    serie->setName(titulo);
    grafico_->addSeries(serie);
    {
        // A one-pixel line paints a 5000-point curve in about half the time of the
        // default two-pixel one, and keeps a click on "Visualizar" well under 50 ms.
        QPen caneta = serie->pen();
        caneta.setWidth(1);
        serie->setPen(caneta);
    }
    Acrescenta(serie, pontos);
    return serie;
}

void TPainelGrafico::AdicionaMarcadores(const QString& titulo, const QList<QPointF>& pontos) {
    auto* serie = new QScatterSeries;
    serie->setName(titulo);
    serie->setMarkerSize(7);
    grafico_->addSeries(serie);
    Acrescenta(serie, pontos);
}

void TPainelGrafico::Acrescenta(QXYSeries* serie, const QList<QPointF>& pontos) {
    serie->attachAxis(eixoX_);
    serie->attachAxis(eixoY_);
    serie->replace(pontos);
    if (!pontos.isEmpty()) {
        Faixa f{pontos.front().x(), pontos.front().x(), pontos.front().y(), pontos.front().y()};
        for (const QPointF& p : pontos) {
            f.minX = std::min(f.minX, p.x());
            f.maxX = std::max(f.maxX, p.x());
            f.minY = std::min(f.minY, p.y());
            f.maxY = std::max(f.maxY, p.y());
        }
        faixas_.push_back(f);
    }
    AtualizaLimite();
    const auto dados = FaixaVista();
    if (!dados) return;
    if (xAutomatico_) AjustaEixo(eixoX_, dados->minX, dados->maxX);
    if (yAutomatico_) AjustaEixo(eixoY_, dados->minY, dados->maxY);
}

void TPainelGrafico::RemoveSeries() {
    for (QAbstractSeries* s : grafico_->series())
        if (s != limite_) {
            grafico_->removeSeries(s);
            delete s;
        }
    faixas_.clear();
    AtualizaLimite();
}

int TPainelGrafico::NumeroSeries() const {
    return static_cast<int>(grafico_->series().size()) - (limite_ ? 1 : 0);
}

QList<QLineSeries*> TPainelGrafico::Series() const {
    QList<QLineSeries*> lista;
    for (QAbstractSeries* s : grafico_->series())
        if (auto* l = qobject_cast<QLineSeries*>(s); l && l != limite_) lista << l;
    return lista;
}

void TPainelGrafico::DefineLimite(std::optional<double> valor, const QString& rotulo) {
    if (!valor || !std::isfinite(*valor)) {
        if (limite_) {
            grafico_->removeSeries(limite_);
            delete limite_;
            limite_ = nullptr;
        }
        valorLimite_.reset();
        return;
    }
    valorLimite_ = *valor;
    if (!limite_) {
        limite_ = new QLineSeries;
        grafico_->addSeries(limite_);
        limite_->attachAxis(eixoX_);
        limite_->attachAxis(eixoY_);
        QPen caneta(QColor(200, 0, 0));
        caneta.setWidth(2);
        caneta.setStyle(Qt::DashLine);
        limite_->setPen(caneta);
    }
    limite_->setName(rotulo);
    AtualizaLimite();
    if (const auto f = FaixaVista(); f && yAutomatico_) AjustaEixo(eixoY_, f->minY, f->maxY);
}

QLineSeries* TPainelGrafico::SerieLimite() const { return limite_; }

// The line spans the curves; with none, the axis as it is.
void TPainelGrafico::AtualizaLimite() {
    if (!limite_ || !valorLimite_) return;
    const auto f = FaixaDados();
    const double x0 = f ? f->minX : eixoX_->min();
    const double x1 = f ? f->maxX : eixoX_->max();
    limite_->replace(QList<QPointF>{QPointF(x0, *valorLimite_), QPointF(x1, *valorLimite_)});
}

// What the automatic axes take in: the curves and the limit line.
std::optional<TPainelGrafico::Faixa> TPainelGrafico::FaixaVista() const {
    auto f = FaixaDados();
    if (!f || !valorLimite_) return f;
    f->minY = std::min(f->minY, *valorLimite_);
    f->maxY = std::max(f->maxY, *valorLimite_);
    return f;
}

std::optional<TPainelGrafico::Faixa> TPainelGrafico::FaixaDados() const {
    if (faixas_.empty()) return std::nullopt;
    Faixa total = faixas_.front();
    for (const Faixa& f : faixas_) {
        total.minX = std::min(total.minX, f.minX);
        total.maxX = std::max(total.maxX, f.maxX);
        total.minY = std::min(total.minY, f.minY);
        total.maxY = std::max(total.maxY, f.maxY);
    }
    return total;
}

std::optional<std::pair<double, double>> TPainelGrafico::ExtremosVerticais() const {
    const auto f = FaixaDados();
    if (!f) return std::nullopt;
    return std::make_pair(f->minY, f->maxY);
}

void TPainelGrafico::MostraExtremos(QLineEdit* edMax, QLineEdit* edMin) const {
    const auto e = ExtremosVerticais();
    if (!e) return;
    edMax->setText(QString::fromStdString(Numeros::FormataGeral(e->second)));
    edMin->setText(QString::fromStdString(Numeros::FormataGeral(e->first)));
    // A number longer than its box shows its start: the sign and the leading digits.
    edMax->setCursorPosition(0);
    edMin->setCursorPosition(0);
}

// An axis cannot show a zero span: a flat curve gets one unit above and below.
void TPainelGrafico::AjustaEixo(QValueAxis* eixo, double minimo, double maximo) {
    if (minimo > maximo) std::swap(minimo, maximo);
    if (minimo == maximo) {
        minimo -= 1.0;
        maximo += 1.0;
    }
    DefineFaixa(eixo, minimo, maximo);
}

// The chart lays out its ticks as soon as the range changes, with the step in force:
// a wide range over a fine step would create tens of thousands of tick items. So a
// coarser step is set before the range, a finer one after.
void TPainelGrafico::DefineFaixa(QValueAxis* eixo, double minimo, double maximo) {
    const double passo = PassoRedondo(maximo - minimo);
    if (passo > eixo->tickInterval()) eixo->setTickInterval(passo);
    eixo->setRange(minimo, maximo);
    AjustaMarcas(eixo);
}

// Ticks at round values (1, 2 or 5 × 10^k) and as many decimals as the step needs.
void TPainelGrafico::AjustaMarcas(QValueAxis* eixo) {
    const double passo = PassoRedondo(eixo->max() - eixo->min());
    if (eixo->tickInterval() != passo) eixo->setTickInterval(passo);
    const int decimais = std::clamp(static_cast<int>(-std::floor(std::log10(passo) + 1e-9)), 0, 10);
    const QString formato = QStringLiteral("%.%1f").arg(decimais);
    if (eixo->labelFormat() != formato) eixo->setLabelFormat(formato);
}

void TPainelGrafico::EscalaVerticalAutomatica() {
    yAutomatico_ = true;
    if (const auto f = FaixaVista()) AjustaEixo(eixoY_, f->minY, f->maxY);
}

void TPainelGrafico::EscalaHorizontalAutomatica() {
    xAutomatico_ = true;
    if (const auto f = FaixaDados()) AjustaEixo(eixoX_, f->minX, f->maxX);
}

void TPainelGrafico::FixaVertical() {
    yAutomatico_ = false;
    manualY_ = {eixoY_->min(), eixoY_->max()};
}

void TPainelGrafico::FixaHorizontal() {
    xAutomatico_ = false;
    manualX_ = {eixoX_->min(), eixoX_->max()};
}

void TPainelGrafico::EscalaVerticalManual(double minimo, double maximo) {
    yAutomatico_ = false;
    AjustaEixo(eixoY_, minimo, maximo);
    manualY_ = {eixoY_->min(), eixoY_->max()};
}

void TPainelGrafico::EscalaHorizontalManual(double minimo, double maximo) {
    xAutomatico_ = false;
    AjustaEixo(eixoX_, minimo, maximo);
    manualX_ = {eixoX_->min(), eixoX_->max()};
}

void TPainelGrafico::VistaCompleta() {
    const auto f = FaixaVista();
    if (xAutomatico_) {
        if (f) AjustaEixo(eixoX_, f->minX, f->maxX);
    } else {
        DefineFaixa(eixoX_, manualX_.first, manualX_.second);
    }
    if (yAutomatico_) {
        if (f) AjustaEixo(eixoY_, f->minY, f->maxY);
    } else {
        DefineFaixa(eixoY_, manualY_.first, manualY_.second);
    }
}

void TPainelGrafico::Desenha(QPainter& p, const QRectF& destino) const {
    // The view's frame around the rounded chart is not drawn by render(): paint it first.
    p.fillRect(destino, vista_->palette().color(QPalette::Window));
    vista_->render(&p, destino, vista_->viewport()->rect());
}

std::vector<std::uint8_t> TPainelGrafico::FiguraWmf() const {
    const QSize tamanho = vista_->size();
    TMotorWmf figura(tamanho, vista_->logicalDpiX());
    QPainter p(&figura);
    Desenha(p, QRectF(QPointF(0, 0), QSizeF(tamanho)));
    p.end();
    return figura.Arquivo();
}

void TPainelGrafico::SalvaFigura(const QString& caminho) const {
    const std::vector<std::uint8_t> bytes = FiguraWmf();
    ArquivoFigura::Grava(caminho,
                         QByteArray(reinterpret_cast<const char*>(bytes.data()), static_cast<qsizetype>(bytes.size())));
}

void TPainelGrafico::SalvaFigura(const QString& caminho, ArquivoFigura::Formato formato) const {
    if (formato == ArquivoFigura::Formato::Wmf) {
        SalvaFigura(caminho);
        return;
    }
    ArquivoFigura::GravaDesenho(caminho, formato, vista_->size(),
                              [this](QPainter& p, const QRectF& destino) { Desenha(p, destino); });
}

void TPainelGrafico::SalvaFiguraComo(DialogosArquivo& arquivos) const {
    const auto escolha = SalvaComTipo::Pergunta(arquivos, ArquivoFigura::TiposGrafico());
    if (!escolha) return;
    SalvaFigura(QFile::decodeName(escolha->Caminho.c_str()), ArquivoFigura::FormatoDoTipo(escolha->Tipo));
}

int TPainelGrafico::ValorDigitado(const QSpinBox* caixa) {
    try {
        return Numeros::TextoParaInteiro(caixa->cleanText().toStdString());
    } catch (const ErroConversao&) {
        return caixa->value();
    }
}

std::pair<double, double> TPainelGrafico::LeLimites(const QLineEdit* edMin, const QLineEdit* edMax) {
    const double minimo = Numeros::TextoParaReal(edMin->text().toStdString());
    const double maximo = Numeros::TextoParaReal(edMax->text().toStdString());
    return {minimo, maximo};
}
