#pragma once
#include <QList>
#include <QPointF>
#include <QString>
#include <QWidget>
#include <cstdint>
#include <optional>
#include <utility>
#include <vector>

#include "core/ui/ArquivoFigura.h"

class DialogosArquivo;
class QPainter;
class QChart;
class QChartView;
class QLineEdit;
class QLineSeries;
class QXYSeries;
class QSpinBox;
class QValueAxis;

// The chart of the result windows (temperature and stress, against time or
// along the axis): title, two titled axes with the decimal comma, legend, line
// series, automatic or manual scale per axis, mouse navigation (left button held
// pans, right button held drags a zoom rectangle; a double click, or a zoom
// rectangle dragged leftwards, brings back the whole curves) and the picture as
// a Windows metafile, a PNG, SVG or PDF, and a horizontal limit line with its label
// in the legend.
class TPainelGrafico : public QWidget {
    Q_OBJECT
public:
    explicit TPainelGrafico(QWidget* parent = nullptr);
    ~TPainelGrafico() override;

    void DefineTitulos(const QString& titulo, const QString& tituloX, const QString& tituloY);
    void DefineLegenda(Qt::Alignment lado);

    // Adds a curve with all its points at once (one by one costs seconds on a
    // shown chart). An axis on automatic scale widens to take the new curve in.
    QLineSeries* AdicionaSerie(const QString& titulo, const QList<QPointF>& pontos);
    // The same as markers without a line (measured points); Series() leaves them out.
    void AdicionaMarcadores(const QString& titulo, const QList<QPointF>& pontos);
    // Removes every curve (not the limit line); the axes keep their ranges.
    void RemoveSeries();
    int NumeroSeries() const;            // curves and markers, without the limit line
    QList<QLineSeries*> Series() const;  // the curves, without the limit line

    // A dashed horizontal line at `valor` across the curves, named `rotulo` in the
    // legend (a limit to check the curves against); nothing removes it. An automatic
    // vertical axis takes it in; the extremes of the curves do not count it.
    void DefineLimite(std::optional<double> valor, const QString& rotulo = QString());
    QLineSeries* SerieLimite() const;

    // Lowest and highest vertical value over every curve; nothing when there is no point.
    std::optional<std::pair<double, double>> ExtremosVerticais() const;
    // Writes them, in the general format, into the two boxes; with no point
    // the boxes keep what they show.
    void MostraExtremos(QLineEdit* edMax, QLineEdit* edMin) const;

    // Scale of each axis. A manual axis keeps its bounds while curves come and go;
    // bounds given in the wrong order are taken in the right one.
    void EscalaVerticalAutomatica();
    void EscalaHorizontalAutomatica();
    // Marks the axis as manual, keeping the range it shows now.
    void FixaVertical();
    void FixaHorizontal();
    void EscalaVerticalManual(double minimo, double maximo);
    void EscalaHorizontalManual(double minimo, double maximo);
    bool VerticalAutomatica() const { return yAutomatico_; }
    bool HorizontalAutomatica() const { return xAutomatico_; }

    // Back to the whole picture: data range on automatic axes, the set bounds on manual ones.
    void VistaCompleta();

    // Helpers of the windows around a chart.
    // The number in a spin box as typed, also beyond its limits (the window brings
    // it into range itself); the box's value when the text is not a whole number.
    static int ValorDigitado(const QSpinBox* caixa);
    // Bounds typed for a manual scale, minimum first: ErroConversao names the bad text.
    static std::pair<double, double> LeLimites(const QLineEdit* edMin, const QLineEdit* edMax);
    // Points of a curve in Qt's form.
    template <class Ponto>
    static QList<QPointF> Pontos(const std::vector<Ponto>& pontos) {
        QList<QPointF> lista;
        lista.reserve(static_cast<qsizetype>(pontos.size()));
        for (const Ponto& p : pontos) lista.append(QPointF(p.x, p.y));
        return lista;
    }

    QChart* Grafico() const { return grafico_; }
    QChartView* Vista() const;
    QValueAxis* EixoX() const { return eixoX_; }
    QValueAxis* EixoY() const { return eixoY_; }

    // The chart as a placeable Windows metafile, at its size on screen.
    std::vector<std::uint8_t> FiguraWmf() const;
    // Writes that picture to `caminho` (through a temporary file, so a failed
    // write leaves no half file); a failure raises std::runtime_error with the reason.
    void SalvaFigura(const QString& caminho) const;
    // The same picture as PNG, SVG or PDF (WMF goes to the one above).
    void SalvaFigura(const QString& caminho, ArquivoFigura::Formato formato) const;
    // "Salvar Figura": asks for the name and the type. As a metafile the picture goes
    // to the name with ".wmf" appended, whatever it ends with; as PNG, SVG or PDF the
    // ending is added unless the name has it. Nothing happens when the user cancels.
    void SalvaFiguraComo(DialogosArquivo& arquivos) const;
    // Paints the chart as it is into `destino` of any painter (the report, the files).
    void Desenha(QPainter& p, const QRectF& destino) const;

private:
    class VistaInterna;
    struct Faixa {
        double minX, maxX, minY, maxY;
    };

    void Acrescenta(QXYSeries* serie, const QList<QPointF>& pontos);
    void AjustaEixo(QValueAxis* eixo, double minimo, double maximo);
    void AjustaMarcas(QValueAxis* eixo);
    void DefineFaixa(QValueAxis* eixo, double minimo, double maximo);
    std::optional<Faixa> FaixaDados() const;
    std::optional<Faixa> FaixaVista() const;
    void AtualizaLimite();

    QChart* grafico_;
    VistaInterna* vista_;
    QValueAxis* eixoX_;
    QValueAxis* eixoY_;
    QLineSeries* limite_ = nullptr;
    std::optional<double> valorLimite_;
    std::vector<Faixa> faixas_;  // one per curve with points, in no particular order
    bool xAutomatico_ = true;
    bool yAutomatico_ = true;
    std::pair<double, double> manualX_{0.0, 1.0};
    std::pair<double, double> manualY_{0.0, 1.0};
};
